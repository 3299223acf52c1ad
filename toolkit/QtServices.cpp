// The real platform services: Qt's message boxes, print dialog, desktop services and clock.
#include "QtServices.h"

#include "Preferences.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>

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

void TQtMessageService::ShowMessageBeside(QWidget* parent, const QString& text,
                                          const QString& spoken, const QRect& keepClear) {
  QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok,
                  parent);
  if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
    label->setAccessibleName(spoken);
  box.adjustSize();
  const QScreen* screen =
      parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen && !keepClear.isEmpty()) {
    const QRect area = screen->availableGeometry();
    const QSize size = box.frameGeometry().size().expandedTo(box.sizeHint());
    // Right of the cells, left of them, below, above: the first side with room; the box's middle
    // level with theirs where it fits.
    const QPoint centre = keepClear.center();
    const int gap = 12;
    const QRect tries[] = {
        QRect(QPoint(keepClear.right() + gap, centre.y() - size.height() / 2), size),
        QRect(QPoint(keepClear.left() - gap - size.width(), centre.y() - size.height() / 2), size),
        QRect(QPoint(centre.x() - size.width() / 2, keepClear.bottom() + gap), size),
        QRect(QPoint(centre.x() - size.width() / 2, keepClear.top() - gap - size.height()), size),
    };
    for (QRect place : tries) {
      // Slid along its side into the screen, never onto the cells.
      place.moveTop(
          std::clamp(place.top(), area.top(), std::max(area.top(), area.bottom() - size.height())));
      place.moveLeft(std::clamp(place.left(), area.left(),
                                std::max(area.left(), area.right() - size.width())));
      if (area.contains(place) && !place.intersects(keepClear)) {
        box.move(place.topLeft());
        break;
      }
    }
  }
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

bool TQtUrlOpener::Open(QWidget* /*parent*/, const QUrl& url, std::function<void()> failedLater) {
  // Qt starts xdg-open detached and never hears how it ended; run here, its exit status tells
  // whether a browser took the address (no browser installed: a non-zero status).
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return QDesktopServices::openUrl(url);
  // Without a parent: a browser xdg-open waits for must outlive the game's window.
  auto* process = new QProcess;
  process->setProgram(opener);
  process->setArguments({url.toString(QUrl::FullyEncoded)});
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::finished, process,
                   [process, failedLater](int code, QProcess::ExitStatus status) {
                     if ((status != QProcess::NormalExit || code != 0) && failedLater)
                       failedLater();
                     process->deleteLater();
                   });
  process->start();
  if (process->waitForStarted()) return true;
  delete process;
  return false;
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
  static TQtPreferences preferences;
  TServices s;
  s.messages = &messages;
  s.confirm = &confirm;
  s.printDialog = &printDialog;
  s.urls = &urls;
  s.time = &time;
  s.store = &store;
  s.preferences = &preferences;
  return s;
}
