// Prints a game in play at each size (a few entries, one conflict, error marking on, notes in a few
// cells) through the real print path onto one-page PDFs: <folder>/print-9x9.pdf, print-16x16.pdf,
// print-25x25.pdf.
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QTextStream>

#include "Tfrmhlpi.h"
#include "WindowDriver.h"

namespace {

// Types the symbol at a cell, as a player who moved there.
void Type(TfrmSudoku& form, int column, int row, char symbol) {
  GoToCell(&form, column, row);
  PressKey(&form, static_cast<Qt::Key>(symbol));
}

// Fills a few open cells with their right symbols and one with a symbol that clashes in its row.
void PlaySomeMoves(TfrmSudoku& form) {
  const TsdGame& game = form.Game();
  const int side = game.Side();
  int placed = 0;
  for (int row = 0; row < side && placed < side; ++row) {
    for (int column = 0; column < side && placed < side; column += 2) {
      if (game.GivenGrid()[row][column] != ' ') continue;
      Type(form, column, row, game.SolutionGrid()[row][column]);
      ++placed;
    }
  }
  for (int column = 0; column < side; ++column) {
    if (game.GivenGrid()[side - 1][column] != ' ') continue;
    for (int other = 0; other < side; ++other) {
      if (game.GivenGrid()[side - 1][other] != ' ') {
        Type(form, column, side - 1, game.GivenGrid()[side - 1][other]);
        return;
      }
    }
  }
}

// Notes in the first few empty cells, more in each: the first symbols of the set.
void NoteSomeCells(TfrmSudoku& form) {
  const TsdGame& game = form.Game();
  const int side = game.Side();
  PressKey(&form, Qt::Key_F2);
  int noted = 0;
  for (int row = 0; row < side && noted < 4; ++row)
    for (int column = 0; column < side && noted < 4; ++column) {
      if (game.PlayGrid()[row][column] != ' ') continue;
      ++noted;
      for (int k = 0; k < noted * 2 + 1; ++k) Type(form, column, row, game.Symbols()[k]);
    }
  PressKey(&form, Qt::Key_F2);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessamond"));
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QTextStream out(stdout);

  // The dialog answers "print to this file", pauses return at once, and the game is kept in memory,
  // in no folder of the user's.
  TFakeServices fakes;
  TfrmSudoku form(fakes.Services());
  Tfrmhlpi holder;
  form.SetWaterMark([&holder] { return holder.WaterMark(); });
  form.show();
  QApplication::processEvents();
  auto* marking = form.findChild<QCheckBox*>(QStringLiteral("cbxControllo"));

  const struct {
    int boxSize;
    const char* name;
  } sizes[] = {{3, "print-9x9.pdf"}, {4, "print-16x16.pdf"}, {5, "print-25x25.pdf"}};
  int failures = 0;
  for (const auto& size : sizes) {
    ChooseSize(&form, size.boxSize);
    PressKey(&form, Qt::Key_F10);
    if (form.Game().State() != GameState::gsPuzzleView) {
      out << "could not make a " << size.name << " puzzle: " << fakes.Messages.Shown.join(" / ")
          << "\n";
      ++failures;
      continue;
    }
    PressKey(&form, Qt::Key_F5);
    if (!marking->isChecked()) PressKey(&form, Qt::Key_F8);
    PlaySomeMoves(form);
    NoteSomeCells(form);
    QApplication::processEvents();

    const QString file = folder + QLatin1Char('/') + QLatin1String(size.name);
    QFile::remove(file);
    fakes.PrintDialog.OutputFile = file;
    const qsizetype messagesBefore = fakes.Messages.Shown.size();
    PressKey(&form, Qt::Key_F7);
    if (!QFileInfo::exists(file) || fakes.Messages.Shown.size() != messagesBefore) {
      out << "printing " << file << " failed: " << fakes.Messages.Shown.join(" / ") << "\n";
      ++failures;
      continue;
    }
    out << "wrote " << file << "\n";
    fakes.Confirm.Script = {TConfirmAnswer::Yes};
    PressKey(&form, Qt::Key_F5);  // quit, so the next size can be generated
  }
  form.close();
  return failures == 0 ? 0 : 1;
}
