// The kept game's real file: full disk, pipes and folders in its place, links, permissions, two
// processes on one folder, and the stray file of a write cut off.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <future>

#include "TQtGameStore.h"

namespace {

bool Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Get(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

class TGameStoreTest : public QObject {
  Q_OBJECT

 private slots:
  // Replaced whole at every write, read up to one byte past the limit, renamed when set aside
  // (the name told), gone when discarded; a folder that cannot be made fails the write.
  void keptGameFile() {
    QTemporaryDir dir;
    TQtGameStore store(dir.filePath("data"));
    QVERIFY(!store.Read(100).bytes && store.Read(100).result);
    QVERIFY(store.Write("first game, long") && store.Write("second"));
    QCOMPARE(store.Read(3).bytes, std::optional<QByteArray>("seco"));
    const TSetAside aside = store.SetAside();
    QVERIFY(aside.result && aside.name.startsWith(dir.filePath("data/saved-game.set-aside-")));
    QCOMPARE(Get(aside.name), QByteArray("second"));
    QVERIFY(store.Write("third") && store.Discard() && !store.Read(100).bytes);
    QCOMPARE(Entries(dir.filePath("data")), QStringList{QFileInfo(aside.name).fileName()});
    QVERIFY(Put(dir.filePath("file"), "x"));
    QCOMPARE(TQtGameStore(dir.filePath("file/below")).Write("game").error, TStoreError::Other);
  }

  // A full disk fails the write before the old file is touched; it works again once there is room.
  void fullDiskKeepsTheLastGoodFile() {
    if (::geteuid() != 0) QSKIP("the full-disk test mounts a small tmpfs and needs root");
    QTemporaryDir dir;
    if (::mount("tmpfs", dir.path().toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
      QSKIP("the full-disk test could not mount a tmpfs here (no CAP_SYS_ADMIN)");
    const auto unmount = qScopeGuard([&] { ::umount2(dir.path().toLocal8Bit().constData(), 0); });
    TQtGameStore store(dir.path());
    QVERIFY(store.Write("good game\n"));
    QFile filler(dir.filePath("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(512, 'f')) > 0) {
    }
    const TStoreResult full = store.Write(QByteArray(20000, 'g'));
    QCOMPARE(full.error, TStoreError::DiskFull);
    QCOMPARE(store.Read(100000).bytes, std::optional<QByteArray>("good game\n"));
    QCOMPARE(Entries(dir.path()), (QStringList{"filler", "saved-game"}));
    filler.remove();
    QVERIFY(store.Write(QByteArray(20000, 'g')));
    QCOMPARE(store.Read(100000).bytes->size(), 20000);
  }

  // A pipe, a folder or a link in the file's place is told, never opened or followed (a pipe
  // would block the start), and set aside as it is.
  void whatIsNotAFileIsNeverOpened_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<TStoreError>("error");
    QTest::newRow("pipe") << "pipe" << TStoreError::FileIsSpecial;
    QTest::newRow("folder") << "folder" << TStoreError::FileIsFolder;
    QTest::newRow("link") << "link" << TStoreError::FileIsLink;
  }
  void whatIsNotAFileIsNeverOpened() {
    QFETCH(QString, kind);
    QFETCH(TStoreError, error);
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("saved-game"));
    QVERIFY(Put(dir.filePath("elsewhere"), "their file"));
    if (kind == "pipe") QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    if (kind == "folder") QVERIFY(QDir(dir.path()).mkdir("saved-game"));
    if (kind == "link") QVERIFY(QFile::link(dir.filePath("elsewhere"), dir.filePath("saved-game")));
    TQtGameStore store(dir.path());
    auto read = std::async(std::launch::async, [&] { return store.Read(100); });
    if (read.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
      QFile(dir.filePath("saved-game")).open(QIODevice::WriteOnly);  // lets the read end
      QFAIL("reading a pipe blocked");
    }
    const TStoreRead got = read.get();
    QVERIFY(!got.bytes);
    QCOMPARE(got.result.error, error);
    const TSetAside aside = store.SetAside();
    QVERIFY(aside.result);
    QVERIFY(!QFileInfo::exists(dir.filePath("saved-game")) &&
            QFileInfo(aside.name).isSymLink() == (kind == "link"));
    QCOMPARE(Get(dir.filePath("elsewhere")), QByteArray("their file"));
  }

  // A link put in the file's place during a game is replaced, its target left alone; a data
  // folder that is a link is refused.
  void neverWritesThroughALink() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("data") && QDir(dir.path()).mkdir("other"));
    QVERIFY(Put(dir.filePath("other/passwd"), "root:x:0:0"));
    TQtGameStore store(dir.filePath("data"));
    QVERIFY(store.Write("game 1"));
    QVERIFY(QFile::remove(dir.filePath("data/saved-game")));
    QVERIFY(QFile::link(dir.filePath("other/passwd"), dir.filePath("data/saved-game")));
    QVERIFY(store.Write("game 2"));
    QCOMPARE(Get(dir.filePath("other/passwd")), QByteArray("root:x:0:0"));
    QVERIFY(!QFileInfo(dir.filePath("data/saved-game")).isSymLink());
    QCOMPARE(Get(dir.filePath("data/saved-game")), QByteArray("game 2"));

    QVERIFY(QFile::link(dir.filePath("other"), dir.filePath("linked")));
    TQtGameStore linked(dir.filePath("linked"));
    QCOMPARE(linked.Write("game 3").error, TStoreError::FolderIsLink);
    QCOMPARE(linked.Discard().error, TStoreError::FolderIsLink);
    QCOMPARE(Entries(dir.filePath("other")), QStringList{"passwd"});
  }

  // A file that may not be read stays in place until a new game sets it aside; a folder that may
  // not be changed says so for writing, setting aside and forgetting alike.
  void permissionsToldAsTheyAre() {
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    QVERIFY(QDir(dir.path()).mkdir("open") && QDir(dir.path()).mkdir("closed"));
    const QString open = dir.filePath("open");
    const QString closed = dir.filePath("closed");
    QVERIFY(Put(open + "/saved-game", "private") && Put(closed + "/saved-game", "kept"));
    ::chmod(QFile::encodeName(open).constData(), 0777);
    ::chmod(QFile::encodeName(open + "/saved-game").constData(), 0);
    ::chmod(QFile::encodeName(closed).constData(), 0555);
    // Root passes every permission check: as root the checks run as the user "nobody".
    const bool root = ::geteuid() == 0;
    QVERIFY(!root || (::setegid(65534) == 0 && ::seteuid(65534) == 0));
    const auto restore = qScopeGuard([&] {
      QVERIFY(!root || (::seteuid(0) == 0 && ::setegid(0) == 0));
      ::chmod(QFile::encodeName(closed).constData(), 0755);
    });
    TQtGameStore unreadable(open);
    QCOMPARE(unreadable.Read(100).result.error, TStoreError::NoPermission);
    QCOMPARE(Entries(open), QStringList{"saved-game"});
    QVERIFY(unreadable.Write("new game"));
    QCOMPARE(Entries(open).size(), 2);
    QCOMPARE(unreadable.Read(100).bytes, std::optional<QByteArray>("new game"));

    TQtGameStore readOnly(closed);
    QCOMPARE(readOnly.Read(100).bytes, std::optional<QByteArray>("kept"));
    QCOMPARE(readOnly.Write("other").error, TStoreError::NoPermission);
    QCOMPARE(readOnly.SetAside().result.error, TStoreError::NoPermission);
    QCOMPARE(readOnly.Discard().error, TStoreError::NoPermission);
    QCOMPARE(Entries(closed), QStringList{"saved-game"});
  }

  // A second process on the folder leaves the first one's game alone; once the first is killed,
  // its lock is taken over.
  void secondProcessLeavesTheGameAlone() {
    QTemporaryDir dir;
    QProcess first;
    first.start(QCoreApplication::applicationFilePath(), {"--hold-claim", dir.path()});
    QVERIFY(first.waitForStarted(30000));
    QByteArray said;
    while (!said.contains('\n') && first.waitForReadyRead(30000))
      said += first.readAllStandardOutput();
    QCOMPARE(said, QByteArray("claimed\n"));
    QVERIFY(Put(dir.filePath("saved-game"), "first's game"));
    TQtGameStore second(dir.path());
    QCOMPARE(second.Claim().error, TStoreError::InUse);
    QCOMPARE(second.Read(100).result.error, TStoreError::InUse);
    QCOMPARE(second.Write("second's game").error, TStoreError::InUse);
    QCOMPARE(second.Discard().error, TStoreError::InUse);
    QCOMPARE(Get(dir.filePath("saved-game")), QByteArray("first's game"));
    first.kill();
    QVERIFY(first.waitForFinished(30000));
    TQtGameStore third(dir.path());
    QVERIFY(third.Claim());
    QVERIFY(third.Write("third's game"));
  }

  // A complete stray newer than the kept file takes its place; any other stray goes.
  void strayFilesRecoveredOrRemoved() {
    QTemporaryDir dir;
    TQtGameStore store(dir.path());
    QVERIFY(store.Claim() && store.Write("game: old"));
    QVERIFY(Put(dir.filePath("saved-game.aB3dE9"), "game: newest"));
    QVERIFY(Put(dir.filePath("saved-game.Zz0000"), "cut of"));
    const auto later = QDateTime::currentDateTime().addSecs(5);
    QFile newest(dir.filePath("saved-game.aB3dE9"));
    QVERIFY(newest.open(QIODevice::ReadWrite) &&
            newest.setFileTime(later, QFile::FileModificationTime));
    newest.close();
    QVERIFY(Put(dir.filePath("saved-game.set-aside-1"), "game: aside"));
    store.Recover([](const QByteArray& bytes) { return bytes.startsWith("game:"); });
    QCOMPARE(Entries(dir.path()),
             (QStringList{"saved-game", "saved-game.lock", "saved-game.set-aside-1"}));
    QCOMPARE(store.Read(100).bytes, std::optional<QByteArray>("game: newest"));
  }
};

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // The first process of the two-process test: claims the folder and holds it until killed.
  if (argc == 3 && QByteArray(argv[1]) == "--hold-claim") {
    TQtGameStore store(QString::fromLocal8Bit(argv[2]));
    std::printf("%s\n", store.Claim() ? "claimed" : "refused");
    std::fflush(stdout);
    ::pause();
    return 0;
  }
  TGameStoreTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_game_store.moc"
