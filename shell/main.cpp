// Entry point: application, main window, hidden watermark holder, event loop.
#include <QApplication>
#include <QPointer>
#include <memory>

#include "FontWarmUp.h"
#include "QtServices.h"
#include "TfrmSudoku.h"
#include "Tfrmhlpi.h"
#include "TsdApplication.h"

int main(int argc, char** argv) {
  // Started first: connecting to the display is the wait the font configuration is read in.
  TFontWarmUp fonts;
  QApplication app(argc, argv);
  // Before the first control measures its text; usually long done by now.
  fonts.Wait();
  TsdSetUpApplication();

  auto frmSudoku = std::make_unique<TfrmSudoku>(QtServices());
  auto frmhlpi = std::make_unique<Tfrmhlpi>();
  // Printing asks the holder for the page background when it prints a page: nothing is decoded
  // at start-up, and a holder already gone yields no background instead of a dangling picture.
  frmSudoku->SetWaterMark([holder = QPointer<Tfrmhlpi>(frmhlpi.get())] {
    return holder ? holder->WaterMark() : QImage();
  });

  // Closing the main window ends the loop; the holder is never shown and does not count.
  // A puzzle file named on the command line ("tessamond puzzle.sdk") is opened once the window
  // is up.
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() > 1) frmSudoku->SetStartPuzzleFile(arguments.at(1));
  frmSudoku->show();
  const int result = QApplication::exec();
  // The window goes first, while the holder it may still ask is alive.
  frmSudoku.reset();
  return result;
}
