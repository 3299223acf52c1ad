// Platform services the game asks for, behind small interfaces so tests can answer in their place.
#pragma once

#include <QDateTime>
#include <QString>
#include <QThread>
#include <QUrl>

class QPrinter;
class QWidget;

// A modal message box with one OK button.
class IMessageService {
 public:
  virtual ~IMessageService() = default;
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
};

enum class TConfirmAnswer { Yes, No, Cancel };

// A modal Yes/No/Cancel question; closing the box counts as Cancel.
class IConfirmService {
 public:
  virtual ~IConfirmService() = default;
  virtual TConfirmAnswer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
};

// The system's print dialog: true when the user confirmed; the printer is then set up.
class IPrintDialogService {
 public:
  virtual ~IPrintDialogService() = default;
  virtual bool Execute(QWidget* parent, QPrinter& printer) = 0;
};

// Opens an address in the default browser. False when nothing could be started to open it (no
// xdg-open, say); a browser that fails after it started is not seen.
class IUrlOpener {
 public:
  virtual ~IUrlOpener() = default;
  virtual bool Open(QWidget* parent, const QUrl& url) = 0;
};

// The current local date and time, and a blocking pause of the calling (GUI) thread.
class ITimeService {
 public:
  virtual ~ITimeService() = default;
  virtual QDateTime Now() const = 0;
  // Blocks without processing events; a test's stand-in may return at once.
  virtual void Pause(int milliseconds) const {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
  }
};

// The set of services a window is handed at start-up; none of the pointers is owned.
struct TServices {
  IMessageService* messages = nullptr;
  IConfirmService* confirm = nullptr;
  IPrintDialogService* printDialog = nullptr;
  IUrlOpener* urls = nullptr;
  ITimeService* time = nullptr;
};
