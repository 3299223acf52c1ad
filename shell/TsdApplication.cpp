// The application object's name, desktop entry and icon.
#include "TsdApplication.h"

#include <QApplication>

#include "TsdResources.h"

void TsdSetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Tessamond"));
  // Lets desktops match the window to its menu entry and icon (Wayland reads nothing else).
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tessamond"));
  QApplication::setWindowIcon(TsdAppIcon());
  TsdPreloadStylePictures();
}
