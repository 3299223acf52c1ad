// Platform services the game asks for, behind small interfaces so tests can answer in their place.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QRect>
#include <QString>
#include <QThread>
#include <QUrl>
#include <functional>
#include <optional>

class IPreferences;
class QPrinter;
class QWidget;

// A modal message box with one OK button.
class IMessageService {
 public:
  virtual ~IMessageService() = default;
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The same box, placed on the screen where it leaves `keepClear` (global coordinates) in view
  // when there is room for that beside it.
  virtual void ShowMessageBeside(QWidget* parent, const QString& text, const QRect& keepClear) {
    (void)keepClear;
    ShowMessage(parent, text);
  }
};

enum class TConfirmAnswer { Yes, No, Cancel };

// A modal Yes/No/Cancel question; closing the box counts as Cancel. A modal Yes/No question,
// Yes the default; a box closed without an answer (Escape, the title bar) counts as Cancel.
class IConfirmService {
 public:
  virtual ~IConfirmService() = default;
  virtual TConfirmAnswer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
  virtual TConfirmAnswer AskYesNo(QWidget* parent, const QString& text) = 0;
};

// The system's print dialog: true when the user confirmed; the printer is then set up.
class IPrintDialogService {
 public:
  virtual ~IPrintDialogService() = default;
  virtual bool Execute(QWidget* parent, QPrinter& printer) = 0;
};

// Opens an address in the default browser. False when nothing could be started to open it (no
// xdg-open, say). When what was started ends with a failure afterwards (xdg-open finds no
// browser), `failedLater` is called from the event loop.
class IUrlOpener {
 public:
  virtual ~IUrlOpener() = default;
  virtual bool Open(QWidget* parent, const QUrl& url, std::function<void()> failedLater) = 0;
};

// The current local date and time, a monotonic clock, and a blocking pause of the calling (GUI)
// thread.
class ITimeService {
 public:
  virtual ~ITimeService() = default;
  virtual QDateTime Now() const = 0;
  // Milliseconds on a clock that only goes forward, whatever the wall clock does (a daylight-saving
  // change, the user setting the time); its origin means nothing.
  virtual qint64 MonotonicMs() const { return QDeadlineTimer::current().deadline(); }
  // Blocks without processing events; a test's stand-in may return at once.
  virtual void Pause(int milliseconds) const {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
  }
};

// Where the running game is kept between runs: the bytes of one file. A write replaces the whole
// file at once, so a crash or a kill leaves the old bytes or the new ones, never a mix.
class IGameStore {
 public:
  virtual ~IGameStore() = default;
  // The kept bytes, no more than maxBytes + 1 of them (enough to tell an oversized file); none when
  // nothing is kept. A file that is there but cannot be read gives no bytes at all.
  virtual std::optional<QByteArray> Read(qint64 maxBytes) = 0;
  // False when the bytes could not be written; the bytes kept before then stay.
  virtual bool Write(const QByteArray& bytes) = 0;
  // Nothing is kept any more.
  virtual void Discard() = 0;
  // The kept file is renamed, so that it is not read again but not lost either.
  virtual void SetAside() = 0;
};

// The set of services a window is handed at start-up; none of the pointers is owned.
struct TServices {
  IMessageService* messages = nullptr;
  IConfirmService* confirm = nullptr;
  IPrintDialogService* printDialog = nullptr;
  IUrlOpener* urls = nullptr;
  ITimeService* time = nullptr;
  IGameStore* store = nullptr;          // none: nothing is kept between runs
  IPreferences* preferences = nullptr;  // none: settings and records last one run
};
