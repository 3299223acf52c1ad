// Decodes PNG pictures into a C++ source of pixel tables:
//   tsd_bake_pictures OUT.cpp NAME=FILE...
// FILE may be one of Qt's own resources (":/qt-project.org/..."); its size and date go with it.
// Only the formats Qt's PNG reader gives for 8-bit RGB and RGBA pictures are taken, pixel for
// pixel: anything else stops the build rather than show a picture that differs from its PNG.
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStyle>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
  // Qt's own pictures are registered with its styles; no display is needed for them.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's notes about the offscreen platform would only clutter the build's output; this program
  // says itself what went wrong.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);
  (void)QApplication::style();
  const QStringList args = QApplication::arguments();
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: tsd_bake_pictures OUT.cpp NAME=FILE...\n");
    return 2;
  }
  QString text;
  QTextStream out(&text);
  out << "// Made by tsd_bake_pictures when the game is built; not to be edited.\n"
         "#include \"BakedPictures.h\"\n\n#include <iterator>\n\nnamespace {\n";
  QStringList rows;
  for (int k = 2; k < args.size(); ++k) {
    const qsizetype eq = args[k].indexOf(QLatin1Char('='));
    if (eq <= 0) {
      std::fprintf(stderr, "tsd_bake_pictures: %s is not NAME=FILE\n", qPrintable(args[k]));
      return 2;
    }
    const QString name = args[k].left(eq);
    const QString file = args[k].mid(eq + 1);
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) {
      std::fprintf(stderr, "tsd_bake_pictures: cannot read %s: %s\n", qPrintable(file),
                   qPrintable(reader.errorString()));
      return 1;
    }
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied) {
      std::fprintf(stderr, "tsd_bake_pictures: %s reads as QImage format %d, not 32-bit\n",
                   qPrintable(file), int(format));
      return 1;
    }
    out << "const std::uint32_t Pixels" << k << "[] = {";
    for (int y = 0; y < image.height(); ++y) {
      const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x)
        out << (x % 8 == 0 ? "\n    " : " ") << "0x" << QString::number(line[x], 16) << "u,";
    }
    out << "\n};\n";
    qint64 size = 0;
    qint64 modified = 0;
    if (file.startsWith(QLatin1String(":/qt-project.org/"))) {
      const QFileInfo info(file);
      size = info.size();
      modified = info.lastModified().toSecsSinceEpoch();
    }
    rows << QStringLiteral("    {\"%1\", %2, %3, %4, Pixels%5, %6, %7},")
                .arg(name)
                .arg(image.width())
                .arg(image.height())
                .arg(int(format))
                .arg(k)
                .arg(size)
                .arg(modified);
  }
  out << "\n}  // namespace\n\nconst TBakedPicture TsdBakedPictures[] = {\n"
      << rows.join(QLatin1Char('\n'))
      << "\n};\nconst std::size_t TsdBakedPictureCount = std::size(TsdBakedPictures);\n";
  out.flush();
  QFile target(args[1]);
  if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      target.write(text.toUtf8()) != text.toUtf8().size()) {
    std::fprintf(stderr, "tsd_bake_pictures: cannot write %s\n", qPrintable(args[1]));
    return 1;
  }
  return 0;
}
