// The kept game's file: atomic, checked writes; reads of regular files only; one window's claim.
#include "TQtGameStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr char FileName[] = "saved-game";
constexpr qint64 MaxStrayBytes = 1 << 20;

// A file descriptor closed when it goes out of scope.
class TFd {
 public:
  explicit TFd(int fd = -1) : FFd(fd) {}
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  ~TFd() {
    if (FFd >= 0) ::close(FFd);
  }
  // Takes `fd` in place of the one held.
  void Reset(int fd) {
    if (FFd >= 0) ::close(FFd);
    FFd = fd;
  }
  int Get() const { return FFd; }
  bool Valid() const { return FFd >= 0; }
  // Closes now and tells whether the close itself went well (NFS reports late errors there).
  int Close() {
    const int rc = ::close(FFd);
    FFd = -1;
    return rc == 0 ? 0 : errno;
  }

 private:
  int FFd;
};

TStoreResult Ok() {
  return {};
}

TStoreResult Failed(TStoreError error) {
  return {error, {}};
}

// The reason a system call gave, in the store's terms.
TStoreResult FromErrno(int err) {
  switch (err) {
    case 0:
      return Ok();
    case ENOSPC:
    case EDQUOT:
      return Failed(TStoreError::DiskFull);
    case EROFS:
      return Failed(TStoreError::ReadOnly);
    case EACCES:
    case EPERM:
      return Failed(TStoreError::NoPermission);
    case EISDIR:
    case ENOTEMPTY:
      return Failed(TStoreError::FileIsFolder);
    case ELOOP:
      return Failed(TStoreError::FileIsLink);
    default:
      return {TStoreError::Other, QString::fromLocal8Bit(std::strerror(err))};
  }
}

// What kind of entry a stat found, as a reason when it is not a regular file.
TStoreResult KindOf(const struct stat& st) {
  if (S_ISREG(st.st_mode)) return Ok();
  if (S_ISDIR(st.st_mode)) return Failed(TStoreError::FileIsFolder);
  if (S_ISLNK(st.st_mode)) return Failed(TStoreError::FileIsLink);
  return Failed(TStoreError::FileIsSpecial);
}

QByteArray Native(const QString& path) {
  return QFile::encodeName(path);
}

// The data folder opened for use, never through a link. `create` makes it (and its parents)
// first when it is missing; without `create`, a missing folder sets `missing`.
TStoreResult OpenFolder(const QString& folder, bool create, TFd& fd, bool* missing = nullptr) {
  if (folder.isEmpty()) return Failed(TStoreError::NoFolder);
  const QByteArray name = Native(folder);
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0) {
    if (missing) *missing = errno == ENOENT;
    if (errno != ENOENT || !create) return FromErrno(errno);
    QDir().mkpath(QFileInfo(folder).absolutePath());
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) return FromErrno(errno);
    if (::lstat(name.constData(), &st) != 0) return FromErrno(errno);
  }
  if (S_ISLNK(st.st_mode)) return Failed(TStoreError::FolderIsLink);
  fd.Reset(::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (fd.Valid()) return Ok();
  // A link put there since the look a moment ago is refused all the same.
  return errno == ELOOP || errno == ENOTDIR ? Failed(TStoreError::FolderIsLink) : FromErrno(errno);
}

// The bytes of a regular file in the folder, at most `limit` of them, opened without following a
// link and without waiting for a writer of a pipe.
TStoreRead ReadEntry(int folder, const char* name, qint64 limit) {
  TFd fd(::openat(folder, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
  if (!fd.Valid()) {
    if (errno == ENOENT) return {};
    // ELOOP: a link; ENXIO: a socket.
    if (errno == ENXIO) return {std::nullopt, Failed(TStoreError::FileIsSpecial)};
    return {std::nullopt, FromErrno(errno)};
  }
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return {std::nullopt, FromErrno(errno)};
  if (const TStoreResult kind = KindOf(st); !kind) return {std::nullopt, kind};
  QByteArray bytes;
  char buffer[16384];
  while (bytes.size() < limit) {
    const auto wanted =
        static_cast<std::size_t>(std::min<qint64>(sizeof buffer, limit - bytes.size()));
    const ssize_t got = ::read(fd.Get(), buffer, wanted);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return {std::nullopt, FromErrno(errno)};
    if (got == 0) break;
    bytes.append(buffer, static_cast<qsizetype>(got));
  }
  return {bytes, Ok()};
}

// Writes every byte, or tells why not.
int WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qint64 left = bytes.size();
  while (left > 0) {
    const ssize_t done = ::write(fd, data, static_cast<std::size_t>(left));
    if (done < 0 && errno == EINTR) continue;
    if (done < 0) return errno;
    if (done == 0) return ENOSPC;
    data += done;
    left -= done;
  }
  return 0;
}

// A name for a new file beside the kept one: "saved-game." and six letters or digits.
QByteArray TemporaryName() {
  static constexpr char Alphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QByteArray name = QByteArray(FileName) + '.';
  for (int i = 0; i < 6; ++i)
    name += Alphabet[QRandomGenerator::global()->bounded(int(sizeof Alphabet - 1))];
  return name;
}

bool IsTemporaryName(const QString& name) {
  static const QRegularExpression pattern(QStringLiteral("^saved-game\\.[A-Za-z0-9]{6}$"));
  return pattern.match(name).hasMatch();
}

// Moves `from` to `to` in the folder unless `to` exists. EEXIST when it does.
int RenameNoReplace(int folder, const char* from, const char* to) {
  if (::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without the flag: look first; only this window writes here.
  struct stat st {};
  if (::fstatat(folder, to, &st, AT_SYMLINK_NOFOLLOW) == 0) return EEXIST;
  return ::renameat(folder, from, folder, to) == 0 ? 0 : errno;
}

TSetAside SetAsideIn(int folder) {
  const QByteArray stem =
      QByteArray(FileName) + ".set-aside-" +
      QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1();
  QByteArray target = stem;
  for (int n = 2;; ++n) {
    const int err = RenameNoReplace(folder, FileName, target.constData());
    if (err == 0) return {QString::fromLatin1(target), Ok()};
    if (err == ENOENT) return {};  // nothing there to set aside
    if (err != EEXIST || n > 1000) return {{}, FromErrno(err)};
    target = stem + '-' + QByteArray::number(n);
  }
}

}  // namespace

TQtGameStore::TQtGameStore(QString folder) : FFolder(std::move(folder)) {}

TQtGameStore::~TQtGameStore() = default;

QString TQtGameStore::Folder() const {
  // No data folder at all (no home): no file, rather than one in whatever the working folder is.
  return FFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                           : FFolder;
}

QString TQtGameStore::Path() const {
  const QString folder = Folder();
  return folder.isEmpty() ? QString() : QDir(folder).filePath(QString::fromLatin1(FileName));
}

QString TQtGameStore::Where() const {
  return QDir::toNativeSeparators(Path());
}

TStoreResult TQtGameStore::Claim() {
  if (FLock && FLock->isLocked()) return Ok();
  TFd folder;
  if (!OpenFolder(Folder(), true, folder)) return Ok();  // reads and writes will say why
  FLock = std::make_unique<QLockFile>(QDir(Folder()).filePath(QStringLiteral("saved-game.lock")));
  // Only a lock of a process that is gone is stale: a game may run for days.
  FLock->setStaleLockTime(0);
  FElsewhere = !FLock->tryLock(0) && FLock->error() == QLockFile::LockFailedError;
  return FElsewhere ? Failed(TStoreError::InUse) : Ok();
}

void TQtGameStore::Recover(const std::function<bool(const QByteArray&)>& isGame) {
  if (FElsewhere) return;
  TFd folder;
  if (!OpenFolder(Folder(), false, folder)) return;
  struct stat kept {};
  const bool hasKept = ::fstatat(folder.Get(), FileName, &kept, AT_SYMLINK_NOFOLLOW) == 0;
  const QStringList names = QDir(Folder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  QByteArray best;
  timespec bestTime{};
  std::vector<QByteArray> strays;
  for (const QString& name : names) {
    if (!IsTemporaryName(name)) continue;
    const QByteArray entry = name.toLatin1();
    struct stat st {};
    if (::fstatat(folder.Get(), entry.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(st.st_mode))
      continue;  // only files this store could have written
    strays.push_back(entry);
    const auto newer = [](const timespec& a, const timespec& b) {
      return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec >= b.tv_nsec;
    };
    if (hasKept && !newer(st.st_mtim, kept.st_mtim)) continue;
    if (!best.isEmpty() && !newer(st.st_mtim, bestTime)) continue;
    const TStoreRead read = ReadEntry(folder.Get(), entry.constData(), MaxStrayBytes);
    if (!read.bytes || !isGame(*read.bytes)) continue;
    best = entry;
    bestTime = st.st_mtim;
  }
  for (const QByteArray& stray : strays) {
    if (stray == best)
      ::renameat(folder.Get(), stray.constData(), folder.Get(), FileName);
    else
      ::unlinkat(folder.Get(), stray.constData(), 0);
  }
}

TStoreRead TQtGameStore::Read(qint64 maxBytes) {
  if (FElsewhere) return {std::nullopt, Failed(TStoreError::InUse)};
  const QString path = Folder();
  if (path.isEmpty()) return {};
  TFd folder;
  bool missing = false;
  if (const TStoreResult opened = OpenFolder(path, false, folder, &missing); !opened) {
    // No folder yet is nothing kept; a folder that cannot be entered is a reason.
    if (missing) return {};
    if (opened.error != TStoreError::FolderIsLink) return {std::nullopt, opened};
    // Behind a linked folder a kept game is told of, but not used.
    struct stat st {};
    if (::lstat(Native(Path()).constData(), &st) != 0) return {};
    return {std::nullopt, opened};
  }
  TStoreRead read = ReadEntry(folder.Get(), FileName, maxBytes + 1);
  const TStoreError error = read.result.error;
  FSetAsideFirst = error == TStoreError::NoPermission || error == TStoreError::Other;
  return read;
}

TStoreResult TQtGameStore::Write(const QByteArray& bytes) {
  if (FElsewhere) return Failed(TStoreError::InUse);
  TFd folder;
  if (const TStoreResult opened = OpenFolder(Folder(), true, folder); !opened) return opened;
  if (FSetAsideFirst) {
    // The file that could not be read is not ours to replace.
    if (const TSetAside aside = SetAsideIn(folder.Get()); !aside.result) return aside.result;
    FSetAsideFirst = false;
  }
  QByteArray temporary;
  TFd file;
  for (int attempt = 0; attempt < 100 && !file.Valid(); ++attempt) {
    temporary = TemporaryName();
    file.Reset(::openat(folder.Get(), temporary.constData(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.Valid() && errno != EEXIST) return FromErrno(errno);
  }
  if (!file.Valid()) return FromErrno(EEXIST);
  // Every byte on the disk before the old file goes: a full disk fails here, not after.
  int err = WriteAll(file.Get(), bytes);
  if (err == 0 && ::fsync(file.Get()) != 0) err = errno;
  if (const int closed = file.Close(); err == 0) err = closed;
  if (err == 0 && ::renameat(folder.Get(), temporary.constData(), folder.Get(), FileName) != 0)
    err = errno;
  if (err != 0) {
    ::unlinkat(folder.Get(), temporary.constData(), 0);
    return FromErrno(err);
  }
  ::fsync(folder.Get());  // the rename itself survives a power cut
  return Ok();
}

TStoreResult TQtGameStore::Discard() {
  if (FElsewhere) return Failed(TStoreError::InUse);
  TFd folder;
  bool missing = false;
  if (const TStoreResult opened = OpenFolder(Folder(), false, folder, &missing); !opened)
    return missing ? Ok() : opened;
  FSetAsideFirst = false;
  if (::unlinkat(folder.Get(), FileName, 0) == 0 || errno == ENOENT) return Ok();
  if (errno == EISDIR) return Failed(TStoreError::FileIsFolder);
  return FromErrno(errno);
}

TSetAside TQtGameStore::SetAside() {
  if (FElsewhere) return {{}, Failed(TStoreError::InUse)};
  TFd folder;
  if (const TStoreResult opened = OpenFolder(Folder(), false, folder); !opened) return {{}, opened};
  TSetAside aside = SetAsideIn(folder.Get());
  if (aside.result && !aside.name.isEmpty()) {
    FSetAsideFirst = false;
    aside.name = QDir::toNativeSeparators(QDir(Folder()).filePath(aside.name));
  }
  return aside;
}
