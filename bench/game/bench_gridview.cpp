// Benchmark: a full repaint of the main window's grid while playing, with conflict marking on.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <memory>
#include <string>

#include "PuzzleCatalogue.h"
#include "Services.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"

namespace {

class TSilentMessages final : public IMessageService {
 public:
  void ShowMessage(QWidget*, const QString&) override {}
};

// One puzzle per size: a valid solution by shifted bands, every third cell given.
class TPatternPuzzles final : public IPuzzleSource {
 public:
  std::int32_t Count(std::int32_t, char) const override { return 1; }
  bool Fetch(std::int32_t boxSize, char, std::int32_t, std::string& puzzle,
             std::string& solution) const override {
    const int side = boxSize * boxSize;
    const std::string_view symbols = SymbolsOfBoxSize(boxSize);
    puzzle.clear();
    solution.clear();
    for (int r = 0; r < side; ++r)
      for (int c = 0; c < side; ++c) {
        const char ch = symbols[static_cast<std::size_t>((r * boxSize + r / boxSize + c) % side)];
        solution += ch;
        puzzle += (r + 2 * c) % 3 == 0 ? ch : CatalogueBlank;
      }
    return true;
  }
};

// A window in gsPlaying with a full grid, typed in as a player would: the solution, and one wrong
// entry per row so that conflict marks are drawn and every non-blank cell is checked. With notes,
// every open cell holds every symbol as a note instead: the most a grid of notes can paint.
struct TPlayingWindow {
  TSilentMessages Messages;
  TPatternPuzzles Puzzles;
  std::unique_ptr<TfrmSudoku> Form;

  void Press(Qt::Key key) { QTest::keyClick(Form->windowHandle(), key); }

  explicit TPlayingWindow(int boxSize, bool notes = false) {
    TServices services;
    services.messages = &Messages;
    Form = std::make_unique<TfrmSudoku>(services, Puzzles);
    Form->show();
    QApplication::processEvents();
    QTest::mouseClick(Form->findChild<QWidget*>(QStringLiteral("cbg1Item%1").arg(boxSize - 3)),
                      Qt::LeftButton);
    Press(Qt::Key_F10);
    Press(Qt::Key_F5);
    Press(Qt::Key_F8);
    Form->resize(1240, 940);  // every cell of 25×25 in view
    QApplication::processEvents();
    const TsdGame& game = Form->Game();
    auto* grid = Form->findChild<TDrawGrid*>(QStringLiteral("sg1"));
    if (notes) Press(Qt::Key_F2);
    for (int r = 0; r < game.Side(); ++r)
      for (int c = 0; c < game.Side(); ++c) {
        if (game.GivenGrid()[r][c] != ' ') continue;
        grid->SetCurrentCell(c, r);
        if (notes) {
          for (const char symbol : game.Symbols()) Press(Qt::Key(symbol));
          continue;
        }
        Press(Qt::Key(c == 1 ? game.PlayGrid()[r][0] : game.SolutionGrid()[r][c]));
      }
  }
};

// Arguments: box size; 1 for a grid of notes (every symbol in every open cell), 0 for entries.
void BM_GridRepaint(benchmark::State& state) {
  const int boxSize = static_cast<int>(state.range(0));
  TPlayingWindow window(boxSize, state.range(1) != 0);
  QWidget* viewport = window.Form->findChild<TDrawGrid*>(QStringLiteral("sg1"))->viewport();
  QImage target(viewport->size(), QImage::Format_RGB32);
  viewport->render(&target);  // warm-up: glyph caches
  for (auto _ : state) {
    viewport->render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
  state.counters["cells"] = boxSize * boxSize * boxSize * boxSize;
}
BENCHMARK(BM_GridRepaint)
    ->Args({3, 0})
    ->Args({5, 0})
    ->Args({3, 1})
    ->Args({4, 1})
    ->Args({5, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Offscreen unless told otherwise, so the benchmark runs without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
    qputenv("QT_QPA_FONTDIR", "/usr/share/fonts/truetype/dejavu");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
