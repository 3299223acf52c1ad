// A push button that follows a QAction's caption and enabled flag and runs it when clicked.
#include "TActionButton.h"

#include <QAction>

TActionButton::TActionButton(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, [this] {
    if (FAction && FAction->isEnabled()) FAction->trigger();
  });
}

void TActionButton::SetAction(QAction* action, bool keepOwnCaption) {
  if (FAction) disconnect(FAction, nullptr, this, nullptr);
  FAction = action;
  if (!FAction) return;
  FLastActionText = FAction->text();
  if (!keepOwnCaption) setText(FLastActionText);
  setEnabled(FAction->isEnabled());
  connect(FAction, &QAction::changed, this, &TActionButton::ActionChanged);
}

void TActionButton::ActionChanged() {
  if (!FAction) return;
  setEnabled(FAction->isEnabled());
  const QString now = FAction->text();
  if (now == FLastActionText) return;
  // A caption given to the button itself survives; one it took from the action follows it.
  if (text() == FLastActionText) setText(now);
  FLastActionText = now;
}
