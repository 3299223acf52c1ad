// Entry point: application, main window, hidden watermark holder, event loop.
#include <QApplication>

#include "QtServices.h"
#include "TfrmSudoku.h"
#include "Tfrmhlpi.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessamond"));

  TfrmSudoku frmSudoku(QtServices());
  Tfrmhlpi frmhlpi;
  frmSudoku.SetWaterMark(&frmhlpi.WaterMark());

  // Closing the main window ends the loop; the holder is never shown and does not count.
  frmSudoku.show();
  return QApplication::exec();
}
