// The floor for start-up and memory: the least a Qt Widgets program does, one main window with one
// label. An argument WIDTHxHEIGHT opens the window at that size (the window's backing store, 4
// bytes a pixel, grows with it); without one it takes the size the label asks for.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QRegularExpression>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QLabel(QStringLiteral("Tessamond"), &window));
  if (argc > 1) {
    const auto size = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$"))
                          .match(QString::fromLocal8Bit(argv[1]));
    if (size.hasMatch()) window.resize(size.captured(1).toInt(), size.captured(2).toInt());
  }
  window.show();
  return QApplication::exec();
}
