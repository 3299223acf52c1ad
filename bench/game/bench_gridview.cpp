// Benchmark: a full repaint of the main window's grid while playing, with conflict marking on.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLayout>
#include <memory>
#include <string>

#include "Services.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

class TSilentMessages final : public IMessageService {
 public:
  void ShowMessage(QWidget*, const QString&) override {}
};

class TNoPuzzles final : public IPuzzleSource {
 public:
  std::int32_t Count(std::int32_t, char) const override { return 0; }
  bool Fetch(std::int32_t, char, std::int32_t, std::string&, std::string&) const override {
    return false;
  }
};

std::string SymbolsOf(int boxSize) {
  if (boxSize == 3) return "123456789";
  if (boxSize == 4) return "0123456789ABCDEF";
  return "ABCDEFGHIJKLMNOPQRSTUVWXY";
}

// A window in gsPlaying with a full grid: the solution, every third cell given, and one wrong
// entry per row so that conflict marks are drawn and every non-blank cell is checked.
struct TPlayingWindow {
  TSilentMessages Messages;
  TNoPuzzles Puzzles;
  std::unique_ptr<TfrmSudoku> Form;

  explicit TPlayingWindow(int boxSize) {
    TServices services;
    services.messages = &Messages;
    Form = std::make_unique<TfrmSudoku>(services, Puzzles);
    Form->show();
    QApplication::processEvents();
    const int side = boxSize * boxSize;
    const std::string symbols = SymbolsOf(boxSize);
    std::string puzzle;
    std::string solution;
    for (int r = 0; r < side; ++r)
      for (int c = 0; c < side; ++c) {
        const char ch = symbols[static_cast<std::size_t>((r * boxSize + r / boxSize + c) % side)];
        solution += ch;
        puzzle += (r + 2 * c) % 3 == 0 ? ch : '?';
      }
    Form->SetWindowSizeFor(boxSize);
    Form->SetupGrid(boxSize);
    Form->resize(1240, 940);  // every cell of 25×25 in view
    Form->layout()->activate();
    Form->FBoxSize = boxSize;
    Form->FBoard = std::make_unique<TsdBoard>(boxSize, symbols, puzzle, solution);
    Form->FBoard->GetSolutionGrid(Form->FPlayGrid);
    Form->FBoard->GetPuzzleGrid(Form->FGivenGrid);
    Form->FBoard->GetSolutionGrid(Form->FSolutionGrid);
    for (int r = 0; r < side; ++r)
      if (Form->FGivenGrid[r][1] == ' ') Form->FPlayGrid[r][1] = Form->FPlayGrid[r][0];
    Form->FGameState = gsPlaying;
    Form->ui->cbxControllo->setChecked(true);
  }
};

void BM_GridRepaint(benchmark::State& state) {
  const int boxSize = static_cast<int>(state.range(0));
  TPlayingWindow window(boxSize);
  QWidget* viewport = window.Form->ui->sg1->viewport();
  QImage target(viewport->size(), QImage::Format_RGB32);
  viewport->render(&target);  // warm-up: glyph caches
  for (auto _ : state) {
    viewport->render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
  state.counters["cells"] = boxSize * boxSize * boxSize * boxSize;
}
BENCHMARK(BM_GridRepaint)->Arg(3)->Arg(5)->Unit(benchmark::kMicrosecond);

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
