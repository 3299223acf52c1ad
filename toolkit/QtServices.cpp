// The real platform services: Qt's message boxes, print dialog, desktop services and clock.
#include "QtServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

void TQtMessageService::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationName(), text);
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
  TServices s;
  s.messages = &messages;
  s.confirm = &confirm;
  s.printDialog = &printDialog;
  s.urls = &urls;
  s.time = &time;
  return s;
}
