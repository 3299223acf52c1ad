// The real platform services: Qt's message boxes, print dialog, desktop services and clock.
#include "QtServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

void TQtMessageService::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationName(), text);
}

void TQtMessageService::ShowSpokenMessage(QWidget* parent, const QString& text,
                                          const QString& spoken) {
  QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok,
                  parent);
  // A screen reader reads the box's text label by its accessible name.
  if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
    label->setAccessibleName(spoken);
  box.exec();
}

TConfirmAnswer TQtConfirmService::AskYesNoCancel(QWidget* parent, const QString& text) {
  // No is the default: a Return pressed without reading keeps what the player has. Escape or
  // closing the box is Cancel.
  const auto answer = QMessageBox::question(
      parent, QApplication::applicationName(), text,
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
  if (answer == QMessageBox::Yes) return TConfirmAnswer::Yes;
  if (answer == QMessageBox::No) return TConfirmAnswer::No;
  return TConfirmAnswer::Cancel;
}

namespace {

// Keeps arrow keys from moving the focus from one button of a question to another, so that only
// a deliberate Tab (or a click) reaches the other answer.
class TArrowKeysStay final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
  }
};

}  // namespace

TConfirmAnswer TQtConfirmService::AskYesNo(QWidget* parent, const QString& text) {
  // Yes is the default, so that Return and Space keep what the player has. Qt would take No for
  // Escape or the title bar's close; a hidden Cancel takes them instead, so that only a No the
  // player chose throws anything away. A key typed at the grid before the box was noticed must
  // not be that choice: the buttons have no letter of their own (every letter but Z, and every
  // digit, is a symbol of some size) and arrows leave the focus on Yes.
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  box.button(QMessageBox::Cancel)->hide();
  auto* arrows = new TArrowKeysStay(&box);
  for (const QMessageBox::StandardButton which : {QMessageBox::Yes, QMessageBox::No}) {
    QAbstractButton* button = box.button(which);
    button->setText(button->text().remove(QLatin1Char('&')));
    button->installEventFilter(arrows);
  }
  box.exec();
  const QMessageBox::StandardButton answer = box.standardButton(box.clickedButton());
  if (answer == QMessageBox::Yes) return TConfirmAnswer::Yes;
  if (answer == QMessageBox::No) return TConfirmAnswer::No;
  return TConfirmAnswer::Cancel;
}

bool TQtPrintDialogService::Execute(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool TQtUrlOpener::Open(QWidget* /*parent*/, const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

QDateTime TQtTimeService::Now() const {
  return QDateTime::currentDateTime();
}

TServices QtServices() {
  static TQtMessageService messages;
  static TQtConfirmService confirm;
  static TQtPrintDialogService printDialog;
  static TQtUrlOpener urls;
  static TQtTimeService time;
  static TQtGameStore store;
  TServices s;
  s.messages = &messages;
  s.confirm = &confirm;
  s.printDialog = &printDialog;
  s.urls = &urls;
  s.time = &time;
  s.store = &store;
  return s;
}
