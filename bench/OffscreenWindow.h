// What the benchmarks on the real main window share: a count of the grid's paints, by which a key
// is known to have reached the screen, and a main() that runs them on Qt's offscreen platform.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>

// Counts the paints of what it filters: a key has taken effect on screen once a paint follows it.
class TPaintCounter : public QObject {
 public:
  int Paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++Paints;
    return QObject::eventFilter(watched, event);
  }
};

// Runs the registered benchmarks on the offscreen platform, chosen here rather than through the
// environment, so they run the same on a desktop, under Xvfb and on a machine with no display.
inline int RunOffscreenBenchmarks(int argc, char** argv) {
  // The offscreen platform says, on every resize, that it cannot pass size hints to a window
  // manager it does not have; that line is noise between the figures. Everything else goes on.
  static QtMessageHandler standard = nullptr;
  standard = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text.contains(QLatin1String("propagateSizeHints"))) return;
        if (standard)
          standard(type, context, text);
        else
          std::fprintf(stderr, "%s\n", qPrintable(text));
      });
  int qtArgc = 3;
  char platformFlag[] = "-platform";
  char platformName[] = "offscreen";
  char* qtArgv[] = {argv[0], platformFlag, platformName, nullptr};
  QApplication app(qtArgc, qtArgv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
