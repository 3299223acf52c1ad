// The real platform services, on Qt's message boxes, print dialog, desktop services and clock.
#pragma once

#include <utility>

#include "Services.h"

class TQtMessageService final : public IMessageService {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowMessageBeside(QWidget* parent, const QString& text, const QRect& keepClear) override;
};

class TQtConfirmService final : public IConfirmService {
 public:
  TConfirmAnswer AskYesNoCancel(QWidget* parent, const QString& text) override;
  TConfirmAnswer AskYesNo(QWidget* parent, const QString& text) override;
};

class TQtPrintDialogService final : public IPrintDialogService {
 public:
  bool Execute(QWidget* parent, QPrinter& printer) override;
};

class TQtUrlOpener final : public IUrlOpener {
 public:
  bool Open(QWidget* parent, const QUrl& url, std::function<void()> failedLater) override;
};

class TQtTimeService final : public ITimeService {
 public:
  QDateTime Now() const override;
};

// The game kept in a file, by default "saved-game" in Qt's application data location (on Linux
// $XDG_DATA_HOME/Tessamond, ~/.local/share/Tessamond without it), looked up at every use. Writes
// go through QSaveFile; a file set aside becomes "saved-game.set-aside-<date>-<time>".
class TQtGameStore final : public IGameStore {
 public:
  explicit TQtGameStore(QString folder = {}) : FFolder(std::move(folder)) {}
  std::optional<QByteArray> Read(qint64 maxBytes) override;
  bool Write(const QByteArray& bytes) override;
  void Discard() override;
  void SetAside() override;
  // The file's full name.
  QString Path() const;

 private:
  QString FFolder;
};

// One instance of each real service, living for the whole program.
TServices QtServices();
