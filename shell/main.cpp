// Entry point: application, main window, hidden watermark holder, event loop.
#include <QApplication>
#include <QTimer>

#include "QtServices.h"
#include "TfrmSudoku.h"
#include "Tfrmhlpi.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessamond"));
  // Lets desktops match the window to its menu entry and icon (Wayland reads nothing else).
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tessamond"));

  TfrmSudoku frmSudoku(QtServices());
  Tfrmhlpi frmhlpi;

  // Closing the main window ends the loop; the holder is never shown and does not count.
  frmSudoku.show();
  // The watermark is decoded once the loop runs, after the window is up: nothing can print before.
  QTimer::singleShot(0, &frmSudoku, [&] { frmSudoku.SetWaterMark(&frmhlpi.WaterMark()); });
  return QApplication::exec();
}
