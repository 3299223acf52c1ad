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
  // The same box, read by a screen reader in `spoken`, the text's words for the ear; a service
  // that speaks nothing shows the text alone.
  virtual void ShowSpokenMessage(QWidget* parent, const QString& text, const QString& spoken) {
    static_cast<void>(spoken);
    ShowMessage(parent, text);
  }
  // The same box, read as `spoken`, placed on the screen where it leaves `keepClear` (global
  // coordinates) in view when there is room for that beside it.
  virtual void ShowMessageBeside(QWidget* parent, const QString& text, const QString& spoken,
                                 const QRect& keepClear) {
    (void)keepClear;
    ShowSpokenMessage(parent, text, spoken);
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

// Why the kept game could not be read, written, set aside or forgotten.
enum class TStoreError {
  None,
  NoFolder,       // there is no data folder at all (no home folder)
  FolderIsLink,   // the data folder is a symbolic link: nothing is written through it
  FileIsFolder,   // a folder stands where the file should be
  FileIsLink,     // a symbolic link stands there: it is never followed
  FileIsSpecial,  // a pipe, a socket or a device stands there: it is never opened for reading
  NoPermission,   // the file may not be read, or the folder may not be changed
  ReadOnly,       // the folder lies on a file system mounted read-only
  DiskFull,       // no space (or no quota) left for the whole file
  InUse,          // another running window keeps its game in the same folder
  Other           // any other failure of the system; `detail` says which
};

// The outcome of one operation on the store: what failed and, for Other, the system's words.
struct TStoreResult {
  TStoreError error = TStoreError::None;
  QString detail;
  explicit operator bool() const { return error == TStoreError::None; }
};

// What a read of the store found: nothing kept (no bytes, no error), the kept bytes, or a file
// that is there but cannot be read (no bytes, and the reason).
struct TStoreRead {
  std::optional<QByteArray> bytes;
  TStoreResult result;
};

// What became of a kept file set aside: the name it has now, or why it stayed where it was.
struct TSetAside {
  QString name;
  TStoreResult result;
};

// Where the running game is kept between runs: the bytes of one file. A write replaces the whole
// file at once, so a crash, a kill or a full disk leaves the old bytes or the new ones, never a
// mix. Only one running window keeps its game in a folder: the first to Claim it.
class IGameStore {
 public:
  virtual ~IGameStore() = default;
  // Takes the folder for this window (a window that ended without letting go counts as gone).
  // InUse when another running window holds it: every operation after that leaves the folder
  // alone and says InUse. A folder that cannot hold the claim (read-only, say) is used unclaimed.
  virtual TStoreResult Claim() = 0;
  // Before the first read: a write that a crash cut off between its two steps left a complete
  // file beside the kept one; the newest such file that `isGame` accepts and that is newer than
  // the kept file takes its place, and the others are removed.
  virtual void Recover(const std::function<bool(const QByteArray&)>& isGame) = 0;
  // The kept bytes, no more than maxBytes + 1 of them (enough to tell an oversized file).
  virtual TStoreRead Read(qint64 maxBytes) = 0;
  // On a failure the bytes kept before then stay as they were.
  virtual TStoreResult Write(const QByteArray& bytes) = 0;
  // Nothing is kept any more.
  virtual TStoreResult Discard() = 0;
  // The kept file (or whatever stands in its place) is renamed, so that it is not read again but
  // not lost either.
  virtual TSetAside SetAside() = 0;
  // Where the game is kept, for messages; empty when there is no data folder.
  virtual QString Where() const = 0;
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
