// Prints a game in play at each size (a few entries, one conflict, error marking on) through the
// real print path onto one-page PDFs: <folder>/print-9x9.pdf, print-16x16.pdf, print-25x25.pdf.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QTextStream>

#include "Fakes.h"
#include "Language.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"
#include "Tfrmhlpi.h"
#include "ui_TfrmSudoku.h"

namespace {

// Fills a few open cells with their right symbols and one with a symbol that clashes in its row.
void PlaySomeMoves(TfrmSudoku& form) {
  const int side = form.FBoard->GetSide();
  int placed = 0;
  for (int row = 0; row < side && placed < side; ++row) {
    for (int column = 0; column < side && placed < side; column += 2) {
      if (form.FGivenGrid[row][column] != ' ') continue;
      form.ui->sg1->SetCurrentCell(column, row);
      form.EnterSymbol(form.FSolutionGrid[row][column]);
      ++placed;
    }
  }
  for (int column = 0; column < side; ++column) {
    if (form.FGivenGrid[side - 1][column] != ' ') continue;
    for (int other = 0; other < side; ++other) {
      if (form.FGivenGrid[side - 1][other] != ' ') {
        form.ui->sg1->SetCurrentCell(column, side - 1);
        form.EnterSymbol(form.FGivenGrid[side - 1][other]);
        return;
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessamond"));
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QTextStream out(stdout);

  TFakeServices fakes;  // the dialog answers "print to this file"; pauses return at once
  TfrmSudoku form(fakes.Services());
  Tfrmhlpi holder;
  form.SetWaterMark([&holder] { return holder.WaterMark(); });
  form.show();
  QApplication::processEvents();

  const struct {
    int boxSize;
    const char* name;
  } sizes[] = {{3, "print-9x9.pdf"}, {4, "print-16x16.pdf"}, {5, "print-25x25.pdf"}};
  int failures = 0;
  for (const auto& size : sizes) {
    form.ui->cbg1->SetItemIndex(size.boxSize - 3);
    form.ActGeneraExecute();
    if (form.FGameState != gsPuzzleView) {
      out << "could not make a " << size.name << " puzzle: " << fakes.Messages.Shown.join(" / ")
          << "\n";
      ++failures;
      continue;
    }
    form.ActPlayExecute();
    if (!form.ui->cbxControllo->isChecked()) form.ui->cbxControllo->setChecked(true);
    PlaySomeMoves(form);
    form.ui->sg1->setFocus();
    QApplication::processEvents();

    const QString file = folder + QLatin1Char('/') + QLatin1String(size.name);
    QFile::remove(file);
    fakes.PrintDialog.OutputFile = file;
    const qsizetype messagesBefore = fakes.Messages.Shown.size();
    form.ActPrintExecute();
    if (!QFileInfo::exists(file) || fakes.Messages.Shown.size() != messagesBefore) {
      out << "printing " << file << " failed: " << fakes.Messages.Shown.join(" / ") << "\n";
      ++failures;
      continue;
    }
    out << "wrote " << file << "\n";
    fakes.Confirm.Script = {TConfirmAnswer::Yes};
    form.ActPlayExecute();  // quit, so the next size can be generated
  }
  form.close();
  return failures == 0 ? 0 : 1;
}
