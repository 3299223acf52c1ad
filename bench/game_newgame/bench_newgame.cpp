// New game and typing on the real main window, offscreen, through the same key path a player's key
// takes: the time from the key press until the grid has painted its new content.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include <QWindow>

#include "OffscreenWindow.h"
#include "QtServices.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"

namespace {

// Any message box would block the benchmark (and means something went wrong): count, don't show.
class TCountingMessages final : public IMessageService {
 public:
  int Shown = 0;
  void ShowMessage(QWidget*, const QString& text) override {
    ++Shown;
    std::fprintf(stderr, "bench_newgame: unexpected message: %s\n", qPrintable(text));
  }
};

class TAlwaysYes final : public IConfirmService {
 public:
  TConfirmAnswer AskYesNoCancel(QWidget*, const QString&) override { return TConfirmAnswer::Yes; }
  TConfirmAnswer AskYesNo(QWidget*, const QString&) override { return TConfirmAnswer::Yes; }
};

struct TBenchWindow {
  TCountingMessages Messages;
  TAlwaysYes Confirm;
  // The game is kept as the real program keeps it, every key written to a file, but in a folder
  // of the benchmark's own: no game of the user's is resumed, and each window starts afresh.
  QTemporaryDir Folder;
  TQtGameStore Store{Folder.path()};
  TServices Services;
  std::unique_ptr<TfrmSudoku> Form;
  TPaintCounter Counter;

  // keep: the game is written to the store after every change, as the program does; without it
  // nothing is kept, which shows what keeping costs.
  explicit TBenchWindow(bool keep = true) {
    Services = QtServices();
    Services.messages = &Messages;
    Services.confirm = &Confirm;
    Services.store = keep ? &Store : nullptr;
    Form = std::make_unique<TfrmSudoku>(Services);
    Form->show();
    (void)QTest::qWaitForWindowExposed(Form.get());
    Form->activateWindow();
    (void)QTest::qWaitForWindowActive(Form.get());
    Grid()->viewport()->installEventFilter(&Counter);
  }
  ~TBenchWindow() { Form->close(); }

  TDrawGrid* Grid() const { return Form->findChild<TDrawGrid*>(QStringLiteral("sg1")); }
  void ChooseSize(int boxSize) {
    // As a click chooses it: the size goes to the model.
    Form->findChild<TRadioGroup*>(QStringLiteral("cbg1"))->Item(boxSize - 3)->click();
  }
  // The key through the window's own platform window, where a user's key arrives.
  void Press(Qt::Key key) { QTest::keyClick(Form->windowHandle(), key); }

  // Presses the key and returns once the grid has painted after it.
  void PressUntilPainted(Qt::Key key) {
    const int before = Counter.Paints;
    Press(key);
    while (Counter.Paints == before) QCoreApplication::processEvents(QEventLoop::AllEvents);
  }

  void Generate(int boxSize) {
    ChooseSize(boxSize);
    PressUntilPainted(Qt::Key_F10);
  }
};

// F10 at a size already on screen: fetch, shuffle, check, install and paint the new puzzle.
void BM_NewGame(benchmark::State& state) {
  const int boxSize = static_cast<int>(state.range(0));
  TBenchWindow w;
  w.Generate(boxSize);  // the first one at this size also lays the grid out
  for (auto _ : state) w.PressUntilPainted(Qt::Key_F10);
  state.counters["side"] = boxSize * boxSize;
  if (w.Messages.Shown != 0) state.SkipWithError("the window showed a message");
}

// F10 that also changes the size: the window and the grid are laid out anew.
void BM_NewGameChangingSize(benchmark::State& state) {
  const int boxSize = static_cast<int>(state.range(0));
  const int other = boxSize == 3 ? 4 : 3;
  TBenchWindow w;
  w.Generate(other);
  bool toTarget = true;
  for (auto _ : state) {
    state.PauseTiming();
    w.ChooseSize(toTarget ? boxSize : other);
    state.ResumeTiming();
    w.PressUntilPainted(Qt::Key_F10);
    toTarget = !toTarget;
  }
  if (w.Messages.Shown != 0) state.SkipWithError("the window showed a message");
}

// A symbol typed into an open cell of a 25x25 game with conflict marking on, until the repaint;
// with the game kept after every key (1), as the program does, or not kept (0).
void BM_Typing25(benchmark::State& state) {
  TBenchWindow w(state.range(0) != 0);
  w.Generate(5);
  w.Press(Qt::Key_F5);
  w.Press(Qt::Key_F8);
  QCoreApplication::processEvents();
  int column = -1;
  int row = -1;
  for (int r = 0; r < 25 && column < 0; ++r)
    for (int c = 0; c < 25; ++c)
      if (w.Form->Game().GivenGrid()[r][c] == ' ') {
        column = c;
        row = r;
        break;
      }
  w.Grid()->SetCurrentCell(column, row);
  QCoreApplication::processEvents();
  // Two different letters in turn, so every key really changes the cell and the marks.
  bool first = true;
  for (auto _ : state) {
    w.PressUntilPainted(first ? Qt::Key_A : Qt::Key_B);
    first = !first;
  }
  if (w.Messages.Shown != 0) state.SkipWithError("the window showed a message");
}

BENCHMARK(BM_NewGame)->Arg(3)->Arg(4)->Arg(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewGameChangingSize)
    ->Arg(3)
    ->Arg(4)
    ->Arg(5)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Typing25)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks(argc, argv);
}
