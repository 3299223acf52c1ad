// The whole F3 path on the real main window, offscreen: the key through the window's key preview,
// the model's explanation of the next step, and the grid repainted with its tints, timed until
// the grid has painted. The message box is the platform's and is left out (a silent stand-in).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <memory>
#include <string>

#include "OffscreenWindow.h"
#include "PuzzleCatalogue.h"
#include "Services.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"

namespace {

// The first puzzle of the hardest level of each size, every time: the explanations then work on
// the same kind of position in every run (the shuffle changes only names and order).
class THardestFirst final : public IPuzzleSource {
 public:
  std::int32_t Count(std::int32_t, char) const override { return 1; }
  bool Fetch(std::int32_t boxSize, char, std::int32_t, std::string& puzzle,
             std::string& solution) const override {
    return GetStoredPuzzle(boxSize, 'A', 0, puzzle, solution);
  }
};

class TCountingMessages final : public IMessageService {
 public:
  int Shown = 0;
  void ShowMessage(QWidget*, const QString&) override { ++Shown; }
};

struct TExplainWindow {
  TCountingMessages Messages;
  THardestFirst Puzzles;
  std::unique_ptr<TfrmSudoku> Form;
  TPaintCounter Counter;

  explicit TExplainWindow(int boxSize) {
    TServices services;
    services.messages = &Messages;
    Form = std::make_unique<TfrmSudoku>(services, Puzzles);
    Form->show();
    (void)QTest::qWaitForWindowExposed(Form.get());
    Form->activateWindow();
    (void)QTest::qWaitForWindowActive(Form.get());
    // As a click chooses it: the size goes to the model.
    Form->findChild<TRadioGroup*>(QStringLiteral("cbg1"))->Item(boxSize - 3)->click();
    Press(Qt::Key_F10);
    Press(Qt::Key_F5);
    Form->resize(1240, 940);  // every cell of 25×25 in view, so every cell is painted
    QCoreApplication::processEvents();
    Grid()->viewport()->installEventFilter(&Counter);
  }
  ~TExplainWindow() { Form->close(); }

  TDrawGrid* Grid() const { return Form->findChild<TDrawGrid*>(QStringLiteral("sg1")); }
  void Press(Qt::Key key) { QTest::keyClick(Form->windowHandle(), key); }
  void PressUntilPainted(Qt::Key key) {
    const int before = Counter.Paints;
    Press(key);
    while (Counter.Paints == before) QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  // Follows the explanations for `steps` cells: F3, then the step's symbol typed into its cell.
  void Follow(int steps) {
    const TsdGame& game = Form->Game();
    for (int i = 0; i < steps; ++i) {
      Press(Qt::Key_F3);
      for (int row = 0; row < game.Side(); ++row)
        for (int column = 0; column < game.Side(); ++column)
          if (game.CellView(row, column).mark == TCellMark::Placement) {
            Grid()->SetCurrentCell(column, row);
            Press(Qt::Key(game.SolutionGrid()[row][column]));
          }
    }
    QCoreApplication::processEvents();
  }
  int Blanks() const {
    int blanks = 0;
    for (int row = 0; row < Form->Game().Side(); ++row)
      for (int column = 0; column < Form->Game().Side(); ++column)
        blanks += Form->Game().PlayGrid()[row][column] == ' ';
    return blanks;
  }
};

// Argument 0: the box size. Argument 1: 0 at the start of the game, 1 after half of its blanks
// were filled by following the explanations. Every F3 after the first also clears the marks of
// the one before, as it does for a player who asks twice.
void BM_ExplainKey(benchmark::State& state) {
  TExplainWindow w(static_cast<int>(state.range(0)));
  if (state.range(1) == 1) w.Follow(w.Blanks() / 2);
  w.PressUntilPainted(Qt::Key_F3);  // warm-up: glyph caches
  const int before = w.Messages.Shown;
  for (auto _ : state) w.PressUntilPainted(Qt::Key_F3);
  if (w.Messages.Shown - before != static_cast<int>(state.iterations()))
    state.SkipWithError("F3 did not explain once per press");
  state.counters["blanks"] = w.Blanks();
}
BENCHMARK(BM_ExplainKey)
    ->Args({3, 0})
    ->Args({5, 0})
    ->Args({5, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The same grid repainted by an arrow key, with no explanation: what the paint alone costs.
void BM_ArrowKey25(benchmark::State& state) {
  TExplainWindow w(5);
  w.PressUntilPainted(Qt::Key_Right);
  bool right = false;
  for (auto _ : state) {
    w.PressUntilPainted(right ? Qt::Key_Right : Qt::Key_Left);
    right = !right;
  }
}
BENCHMARK(BM_ArrowKey25)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks(argc, argv);
}
