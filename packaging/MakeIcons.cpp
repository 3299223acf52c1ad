// Draws the application icon in the hicolor sizes and as SVG from the header emblem's design: the
// cream 3×3 tile with its gold diagonal on the maroon band. Run:
//   QT_QPA_PLATFORM=offscreen tessamond-icons <packaging/icons folder>
// It rewrites <folder>/<n>x<n>/tessamond.png and <folder>/scalable/tessamond.svg.
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const QColor MaroonTop(158, 24, 24);
const QColor MaroonBottom(104, 0, 0);
const QColor Maroon(128, 0, 0);
const QColor Gold(232, 184, 72);
const QColor Sand(244, 226, 190);
const QColor Cream(252, 246, 232);
const QColor Shadow(60, 0, 0, 120);

constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Where everything goes on a square of `size` pixels. Small sizes are snapped to whole pixels so
// the cell lines stay sharp; the SVG uses the 256-pixel layout.
struct TIconGeometry {
  double size;
  QRectF band;  // the maroon rounded square
  double bandRadius;
  QRectF tile;  // the cream tile, 3×3 cells
  double tileRadius;
  double cell;
  double cellInset;  // gap between a coloured cell and the lines around it
  double lineWidth;
  double shadowOffset;
  bool digits;  // 1, 5 and 9 on the diagonal, only where they can be read
};

TIconGeometry GeometryFor(int size) {
  TIconGeometry g{};
  g.size = size;
  const int bandPad = size >= 32 ? size / 16 : 0;
  g.band = QRectF(bandPad, bandPad, size - 2 * bandPad, size - 2 * bandPad);
  g.bandRadius = std::max(2.0, size * 0.16);
  const int tilePad = std::max(2, static_cast<int>(std::lround(size * 0.15)));
  const int cell = (size - 2 * tilePad) / 3;
  const int side = 3 * cell;
  const int origin = (size - side) / 2;
  g.tile = QRectF(origin, origin, side, side);
  g.tileRadius = size >= 32 ? size * 0.06 : 0.0;
  g.cell = cell;
  g.cellInset = size >= 32 ? std::max(1.0, size / 40.0) : 0.0;
  g.lineWidth = std::max(1.0, std::round(size / 40.0));
  g.shadowOffset = size >= 32 ? size / 64.0 : 0.0;
  g.digits = size >= 48;
  return g;
}

bool IsShaded(int r, int c) {
  return (r + c) % 2 == 0;
}

QColor CellColour(int r, int c) {
  return r == c ? Gold : Sand;
}

const char* const DiagonalDigits[3] = {"1", "5", "9"};

QImage DrawPng(int size) {
  const TIconGeometry g = GeometryFor(size);
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, size >= 32);

  QLinearGradient bg(0, g.band.top(), 0, g.band.bottom());
  bg.setColorAt(0, MaroonTop);
  bg.setColorAt(1, MaroonBottom);
  p.setPen(Qt::NoPen);
  p.setBrush(bg);
  if (size >= 32)
    p.drawRoundedRect(g.band, g.bandRadius, g.bandRadius);
  else
    p.drawRect(g.band);

  if (g.shadowOffset > 0) {
    p.setBrush(Shadow);
    p.drawRoundedRect(g.tile.translated(g.shadowOffset, g.shadowOffset), g.tileRadius,
                      g.tileRadius);
  }
  p.setBrush(Cream);
  p.drawRoundedRect(g.tile, g.tileRadius, g.tileRadius);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      if (IsShaded(r, c)) {
        p.setBrush(CellColour(r, c));
        p.drawRect(QRectF(g.tile.left() + c * g.cell + g.cellInset,
                          g.tile.top() + r * g.cell + g.cellInset, g.cell - 2 * g.cellInset,
                          g.cell - 2 * g.cellInset));
      }

  // Lines between the cells; at small sizes on whole pixels, so they are one crisp pixel wide.
  p.setPen(Qt::NoPen);
  p.setBrush(Maroon);
  for (int i = 1; i < 3; ++i) {
    const double at = std::floor(g.tile.left() + i * g.cell - g.lineWidth / 2);
    p.drawRect(QRectF(at, g.tile.top(), g.lineWidth, g.tile.height()));
    const double atY = std::floor(g.tile.top() + i * g.cell - g.lineWidth / 2);
    p.drawRect(QRectF(g.tile.left(), atY, g.tile.width(), g.lineWidth));
  }

  if (g.digits) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(g.cell * 0.62));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Maroon);
    for (int i = 0; i < 3; ++i)
      p.drawText(QRectF(g.tile.left() + i * g.cell, g.tile.top() + i * g.cell, g.cell, g.cell),
                 Qt::AlignCenter, QString::fromLatin1(DiagonalDigits[i]));
  }
  return img;
}

QString Hex(const QColor& c) {
  return c.name(QColor::HexRgb);
}

QString Num(double v) {
  return QString::number(v, 'f', 2);
}

QString DrawSvg() {
  const TIconGeometry g = GeometryFor(256);
  QString out;
  QTextStream s(&out);
  s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    << "<!-- Tessamond icon, written by packaging/MakeIcons.cpp; regenerate rather than edit. -->\n"
    << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
       "viewBox=\"0 0 256 256\">\n"
    << "  <defs>\n    <linearGradient id=\"band\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
    << "      <stop offset=\"0\" stop-color=\"" << Hex(MaroonTop) << "\"/>\n"
    << "      <stop offset=\"1\" stop-color=\"" << Hex(MaroonBottom) << "\"/>\n"
    << "    </linearGradient>\n  </defs>\n";
  const auto rect = [&s](const QRectF& r, double radius, const QString& fill,
                         const QString& extra = QString()) {
    s << "  <rect x=\"" << Num(r.x()) << "\" y=\"" << Num(r.y()) << "\" width=\"" << Num(r.width())
      << "\" height=\"" << Num(r.height()) << "\"";
    if (radius > 0) s << " rx=\"" << Num(radius) << "\"";
    s << " fill=\"" << fill << "\"" << extra << "/>\n";
  };
  rect(g.band, g.bandRadius, QStringLiteral("url(#band)"));
  rect(g.tile.translated(g.shadowOffset, g.shadowOffset), g.tileRadius, Hex(Shadow),
       QStringLiteral(" fill-opacity=\"%1\"").arg(Num(Shadow.alphaF())));
  rect(g.tile, g.tileRadius, Hex(Cream));
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      if (IsShaded(r, c))
        rect(QRectF(g.tile.left() + c * g.cell + g.cellInset,
                    g.tile.top() + r * g.cell + g.cellInset, g.cell - 2 * g.cellInset,
                    g.cell - 2 * g.cellInset),
             0, Hex(CellColour(r, c)));
  for (int i = 1; i < 3; ++i) {
    const double at = std::floor(g.tile.left() + i * g.cell - g.lineWidth / 2);
    rect(QRectF(at, g.tile.top(), g.lineWidth, g.tile.height()), 0, Hex(Maroon));
    const double atY = std::floor(g.tile.top() + i * g.cell - g.lineWidth / 2);
    rect(QRectF(g.tile.left(), atY, g.tile.width(), g.lineWidth), 0, Hex(Maroon));
  }
  for (int i = 0; i < 3; ++i) {
    const QPointF centre(g.tile.left() + (i + 0.5) * g.cell, g.tile.top() + (i + 0.5) * g.cell);
    s << "  <text x=\"" << Num(centre.x()) << "\" y=\"" << Num(centre.y() + g.cell * 0.22)
      << "\" font-family=\"DejaVu Sans, sans-serif\" font-weight=\"bold\" font-size=\""
      << Num(g.cell * 0.62) << "\" text-anchor=\"middle\" fill=\"" << Hex(Maroon) << "\">"
      << DiagonalDigits[i] << "</text>\n";
  }
  s << "</svg>\n";
  return out;
}

bool WriteText(const QString& path, const QString& text) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
      f.write(text.toUtf8()) == text.toUtf8().size())
    return true;
  std::fprintf(stderr, "tessamond-icons: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: tessamond-icons <packaging/icons folder>\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  for (const int size : Sizes) {
    const QString sub = QStringLiteral("%1x%1").arg(size);
    const QString path = root.filePath(sub + QStringLiteral("/tessamond.png"));
    if (!root.mkpath(sub) || !DrawPng(size).save(path, "PNG")) {
      std::fprintf(stderr, "tessamond-icons: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  if (!root.mkpath(QStringLiteral("scalable")) ||
      !WriteText(root.filePath(QStringLiteral("scalable/tessamond.svg")), DrawSvg()))
    return 1;
  return 0;
}
