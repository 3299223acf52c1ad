// A push button bound to a QAction: enabled with it, clicked runs it, and it takes the action's
// new caption only while it still shows the action's previous one (so a button given its own
// caption keeps it).
#pragma once

#include <QPointer>
#include <QPushButton>

class QAction;

class TActionButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TActionButton(QWidget* parent = nullptr);

  // Binds the action; unless keepOwnCaption, the button shows the action's caption at once.
  void SetAction(QAction* action, bool keepOwnCaption = false);
  QAction* Action() const { return FAction; }

 private:
  void ActionChanged();

  QPointer<QAction> FAction;
  QString FLastActionText;
};
