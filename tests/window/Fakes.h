// Stand-ins for the platform services: they record what the window asked and answer as scripted;
// the catalogue's stand-in comes with the model's tests.
#pragma once

#include <utility>

#include <QDateTime>
#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include "FakePuzzles.h"
#include "Services.h"

// Every message box the window showed, in order, and the control that had the focus meanwhile
// (what a real, modal box would show in front of).
class TFakeMessages final : public IMessageService {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override {
    Shown << text;
    QWidget* focus = parent ? parent->focusWidget() : nullptr;
    FocusAt << (focus ? focus->objectName() : QString());
  }
  QStringList Shown;
  QStringList FocusAt;
};

// Answers questions from a script; an exhausted script answers as closing the box would: Cancel.
class TFakeConfirm final : public IConfirmService {
 public:
  TConfirmAnswer AskYesNoCancel(QWidget* /*parent*/, const QString& text) override {
    Asked << text;
    if (Script.isEmpty()) return TConfirmAnswer::Cancel;
    return Script.takeFirst();
  }
  TConfirmAnswer AskYesNo(QWidget* /*parent*/, const QString& text) override {
    Asked << text;
    if (Script.isEmpty()) return TConfirmAnswer::Cancel;
    return Script.takeFirst();
  }
  QList<TConfirmAnswer> Script;
  QStringList Asked;
};

// The print dialog: confirms or cancels as told. With OutputFile set, a confirmed dialog points the
// printer at a PDF file, so a page can be printed without a printer.
class TFakePrintDialog final : public IPrintDialogService {
 public:
  bool Execute(QWidget* /*parent*/, QPrinter& printer) override {
    ++Calls;
    if (Confirm && !OutputFile.isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(OutputFile);
    }
    if (Confirm && Paper.isValid()) {
      printer.setPageSize(Paper);
      printer.setPageOrientation(Orientation);
    }
    return Confirm;
  }
  bool Confirm = true;
  QString OutputFile;
  QPageSize Paper;  // the paper picked in the dialog, when valid; the printer's default otherwise
  QPageLayout::Orientation Orientation = QPageLayout::Portrait;
  int Calls = 0;
};

// Every address the window asked to open; answers Succeeds.
class TFakeUrlOpener final : public IUrlOpener {
 public:
  bool Open(QWidget* /*parent*/, const QUrl& url, std::function<void()> failedLater) override {
    Opened << url;
    if (Succeeds && FailsLater && failedLater) failedLater();
    return Succeeds;
  }
  QList<QUrl> Opened;
  bool Succeeds = true;
  bool FailsLater = false;  // started, then reports a failure
};

// A clock that stands still until the test moves it. Time passing moves the wall clock and the
// monotonic one alike; a test that sets `Current` alone changes only the wall clock.
class TFakeTime final : public ITimeService {
 public:
  QDateTime Now() const override { return Current; }
  qint64 MonotonicMs() const override { return Monotonic; }
  // Returns at once; the pauses asked for are only added up.
  void Pause(int milliseconds) const override { PausedMs += milliseconds; }
  void AdvanceSeconds(qint64 seconds) {
    Current = Current.addSecs(seconds);
    Monotonic += 1000 * seconds;
  }
  QDateTime Current{QDate(2024, 3, 14), QTime(10, 20, 30)};
  qint64 Monotonic = 5'000'000;
  mutable qint64 PausedMs = 0;
};

// The kept game in memory: what the window wrote last, and what happened to it. Each operation
// fails with the error the test sets for it.
class TFakeStore final : public IGameStore {
 public:
  TStoreResult Claim() override { return {ClaimError, {}}; }
  void Recover(const std::function<bool(const QByteArray&)>& isGame) override {
    for (const QByteArray& stray : std::exchange(Strays, {}))
      if (isGame(stray)) Kept = stray;
  }
  TStoreRead Read(qint64 maxBytes) override {
    if (ReadError != TStoreError::None) return {std::nullopt, {ReadError, {}}};
    if (!Kept) return {};
    return {Kept->left(maxBytes + 1), {}};
  }
  TStoreResult Write(const QByteArray& bytes) override {
    ++Writes;
    if (Fails) return {WriteError, {}};
    Kept = bytes;
    return {};
  }
  TStoreResult Discard() override {
    if (DiscardError == TStoreError::None) Kept.reset();
    return {DiscardError, {}};
  }
  TSetAside SetAside() override {
    if (SetAsideError != TStoreError::None) return {{}, {SetAsideError, {}}};
    if (Kept) SetAsideBytes << *Kept;
    Kept.reset();
    return {QStringLiteral("/data/saved-game.set-aside-1"), {}};
  }
  QString Where() const override { return QStringLiteral("/data/saved-game"); }
  std::optional<QByteArray> Kept;
  QList<QByteArray> SetAsideBytes;
  QList<QByteArray> Strays;  // left by a write that was cut off
  int Writes = 0;
  bool Fails = false;
  TStoreError WriteError = TStoreError::DiskFull;
  TStoreError ClaimError = TStoreError::None;
  TStoreError ReadError = TStoreError::None;
  TStoreError DiscardError = TStoreError::None;
  TStoreError SetAsideError = TStoreError::None;
};

// All fakes together, handed to the window as one TServices.
struct TFakeServices {
  TFakeMessages Messages;
  TFakeConfirm Confirm;
  TFakePrintDialog PrintDialog;
  TFakeUrlOpener Urls;
  TFakeTime Time;
  TFakeStore Store;

  TServices Services() {
    TServices s;
    s.messages = &Messages;
    s.confirm = &Confirm;
    s.printDialog = &PrintDialog;
    s.urls = &Urls;
    s.time = &Time;
    s.store = &Store;
    return s;
  }
};
