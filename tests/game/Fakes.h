// Stand-ins for the platform services and the puzzle catalogue: they record what the window asked
// and answer as scripted.
#pragma once

#include <QDateTime>
#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "PuzzleSource.h"
#include "Services.h"

// Every message box the window showed, in order.
class TFakeMessages final : public IMessageService {
 public:
  void ShowMessage(QWidget* /*parent*/, const QString& text) override { Shown << text; }
  QStringList Shown;
};

// Answers Yes/No/Cancel questions from a script; an exhausted script answers Cancel, as closing the
// box would.
class TFakeConfirm final : public IConfirmService {
 public:
  TConfirmAnswer AskYesNoCancel(QWidget* /*parent*/, const QString& text) override {
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

// Every address the window asked to open.
class TFakeUrlOpener final : public IUrlOpener {
 public:
  void Open(QWidget* /*parent*/, const QUrl& url) override { Opened << url; }
  QList<QUrl> Opened;
};

// A clock that stands still until the test moves it.
class TFakeTime final : public ITimeService {
 public:
  QDateTime Now() const override { return Current; }
  // Returns at once; the pauses asked for are only added up.
  void Pause(int milliseconds) const override { PausedMs += milliseconds; }
  void AdvanceSeconds(qint64 seconds) { Current = Current.addSecs(seconds); }
  QDateTime Current{QDate(2024, 3, 14), QTime(10, 20, 30)};
  mutable qint64 PausedMs = 0;
};

// All fakes together, handed to the window as one TServices.
struct TFakeServices {
  TFakeMessages Messages;
  TFakeConfirm Confirm;
  TFakePrintDialog PrintDialog;
  TFakeUrlOpener Urls;
  TFakeTime Time;

  TServices Services() {
    TServices s;
    s.messages = &Messages;
    s.confirm = &Confirm;
    s.printDialog = &PrintDialog;
    s.urls = &Urls;
    s.time = &Time;
    return s;
  }
};

// A catalogue answering from a table the test fills: (box size, level) → list of puzzle/solution
// pairs. Count can be forced, to exercise an empty or lying catalogue.
class TFakePuzzleSource final : public IPuzzleSource {
 public:
  using TPair = std::pair<std::string, std::string>;

  std::int32_t Count(std::int32_t boxSize, char level) const override {
    ++CountCalls;
    if (ForcedCount >= 0) return ForcedCount;
    auto it = Pairs.find({boxSize, level});
    return it == Pairs.end() ? 0 : static_cast<std::int32_t>(it->second.size());
  }

  bool Fetch(std::int32_t boxSize, char level, std::int32_t index, std::string& puzzle,
             std::string& solution) const override {
    ++FetchCalls;
    auto it = Pairs.find({boxSize, level});
    if (it == Pairs.end() || index < 0 || index >= static_cast<std::int32_t>(it->second.size()))
      return false;
    puzzle = it->second[static_cast<std::size_t>(index)].first;
    solution = it->second[static_cast<std::size_t>(index)].second;
    return true;
  }

  std::map<std::pair<std::int32_t, char>, std::vector<TPair>> Pairs;
  std::int32_t ForcedCount = -1;
  mutable int CountCalls = 0;
  mutable int FetchCalls = 0;
};
