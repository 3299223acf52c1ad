// The kept game as a file in the data folder, written so that nothing is ever lost or written
// through a link, read without ever waiting on a pipe, and claimed by one running window at a time.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

#include "Services.h"

// The game kept in "saved-game" in a folder, by default Qt's application data location (on Linux
// $XDG_DATA_HOME/Tessamond, ~/.local/share/Tessamond without it), looked up at every use.
//
// A write goes to a new file "saved-game.XXXXXX" (six letters or digits) in the same folder, is
// checked to have reached the disk whole (every write() and the fsync() succeeded), and only then
// is renamed over "saved-game"; a rename replaces a link standing there, never its target. A
// folder that is itself a link is refused. Reads open only a regular file, without following a
// link and without blocking. A file set aside becomes "saved-game.set-aside-<date>-<time>". The
// claim is the lock file "saved-game.lock", held for the store's life; a lock left by a process
// that is gone is taken over.
class TQtGameStore final : public IGameStore {
 public:
  explicit TQtGameStore(QString folder = {});
  ~TQtGameStore() override;
  TStoreResult Claim() override;
  void Recover(const std::function<bool(const QByteArray&)>& isGame) override;
  TStoreRead Read(qint64 maxBytes) override;
  TStoreResult Write(const QByteArray& bytes) override;
  TStoreResult Discard() override;
  TSetAside SetAside() override;
  QString Where() const override;
  // The folder and the file's full name; both empty without a data folder.
  QString Folder() const;
  QString Path() const;

 private:
  QString FFolder;
  std::unique_ptr<QLockFile> FLock;
  bool FElsewhere = false;  // another running window holds the folder
  // The file in place could not be read: it is set aside before a new game replaces it.
  bool FSetAsideFirst = false;
};
