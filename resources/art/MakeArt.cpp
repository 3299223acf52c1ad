// Draws the pictures of resources/art: the header emblem and the help glyph, each also at twice the
// size for scaled screens (emblem@2x.png, help@2x.png), and the print watermark. Run:
// QT_QPA_PLATFORM=offscreen tessamond-art <resources folder>; it rewrites art/*.png.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

const QColor Maroon(128, 0, 0);
const QColor Gold(232, 184, 72);
const QColor Cream(252, 246, 232);

// 150×60 times `scale`, 24-bit: a small 3×3 board beside the word mark, on the header's maroon.
// Drawn in the coordinates of the 150×60 picture whatever the scale, so both sizes show the same.
QImage Emblem(int scale) {
  QImage img(150 * scale, 60 * scale, QImage::Format_RGB888);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  QLinearGradient bg(0, 0, 0, 60);
  bg.setColorAt(0, QColor(158, 24, 24));
  bg.setColorAt(1, QColor(104, 0, 0));
  p.fillRect(QRect(0, 0, 150, 60), bg);

  // The tile: a cream square split into 3×3 cells, a diagonal of gold cells.
  const QRectF tile(7, 7, 46, 46);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 0, 0, 120));
  p.drawRoundedRect(tile.translated(2, 2), 5, 5);
  p.setBrush(Cream);
  p.drawRoundedRect(tile, 5, 5);
  const double cell = 46.0 / 3;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      if ((r + c) % 2 == 0) {
        p.setBrush(r == c ? Gold : QColor(244, 226, 190));
        p.drawRect(
            QRectF(tile.left() + c * cell + 1.5, tile.top() + r * cell + 1.5, cell - 3, cell - 3));
      }
  p.setPen(QPen(Maroon, 1.2));
  for (int i = 1; i < 3; ++i) {
    p.drawLine(QPointF(tile.left() + i * cell, tile.top() + 2),
               QPointF(tile.left() + i * cell, tile.bottom() - 2));
    p.drawLine(QPointF(tile.left() + 2, tile.top() + i * cell),
               QPointF(tile.right() - 2, tile.top() + i * cell));
  }
  QFont digits(QStringLiteral("DejaVu Sans"));
  digits.setPixelSize(11);
  digits.setBold(true);
  p.setFont(digits);
  p.setPen(Maroon);
  const char* marks[3] = {"1", "5", "9"};
  for (int i = 0; i < 3; ++i)
    p.drawText(QRectF(tile.left() + i * cell, tile.top() + i * cell, cell, cell), Qt::AlignCenter,
               QString::fromLatin1(marks[i]));

  // Word mark.
  QFont word(QStringLiteral("DejaVu Sans"));
  word.setPixelSize(17);
  word.setBold(true);
  word.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  p.setFont(word);
  p.setPen(QColor(255, 255, 255));
  p.drawText(QRectF(60, 10, 88, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SUDOKU"));
  p.setPen(QPen(Gold, 1.5));
  p.drawLine(QPointF(61, 35.5), QPointF(143, 35.5));
  QFont small(QStringLiteral("DejaVu Sans"));
  small.setPixelSize(10);
  p.setFont(small);
  p.setPen(Gold);
  p.drawText(QRectF(60, 38, 88, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("9 \u00b7 16 \u00b7 25"));
  return img;
}

// 46×43 times `scale` with transparency: a shaded blue disc with a white question mark.
QImage HelpGlyph(int scale) {
  QImage img(46 * scale, 43 * scale, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF disc(4, 2.5, 38, 38);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawEllipse(disc.translated(1.5, 1.5));
  QRadialGradient g(disc.center() - QPointF(8, 9), 30);
  g.setColorAt(0, QColor(120, 170, 240));
  g.setColorAt(0.55, QColor(40, 96, 196));
  g.setColorAt(1, QColor(18, 52, 130));
  p.setBrush(g);
  p.setPen(QPen(QColor(14, 40, 100), 1));
  p.drawEllipse(disc);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(28);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(255, 255, 255));
  p.drawText(disc.translated(0, 1), Qt::AlignCenter, QStringLiteral("?"));
  return img;
}

// 794×1123, 24-bit: a quiet A4 page at 96 dpi. A thin double frame, small box-grid corner marks
// and a very faint 9×9 board in the middle, all light enough to print text and a grid over.
QImage WaterMark() {
  QImage img(794, 1123, QImage::Format_RGB888);
  img.fill(QColor(255, 254, 250));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  const QColor frame(222, 206, 170);
  p.setPen(QPen(frame, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(28, 28, 794 - 56, 1123 - 56));
  p.setPen(QPen(frame, 0.8));
  p.drawRect(QRectF(35, 35, 794 - 70, 1123 - 70));

  // Corner marks: 3×3 squares, the centre one filled.
  const QPointF corners[4] = {
      {44, 44}, {794 - 44 - 27, 44}, {44, 1123 - 44 - 27}, {794 - 44 - 27, 1123 - 44 - 27}};
  for (const QPointF& c : corners)
    for (int r = 0; r < 3; ++r)
      for (int k = 0; k < 3; ++k) {
        const QRectF sq(c.x() + k * 9, c.y() + r * 9, 8, 8);
        p.setPen(QPen(frame, 0.8));
        p.setBrush(r == 1 && k == 1 ? frame : QColor(250, 244, 230));
        p.drawRect(sq);
      }

  // The faint board.
  const double side = 540;
  const QRectF board((794 - side) / 2, (1123 - side) / 2 + 40, side, side);
  const double cell = side / 9;
  for (int i = 0; i <= 9; ++i) {
    const bool thick = i % 3 == 0;
    p.setPen(QPen(thick ? QColor(236, 232, 222) : QColor(245, 242, 235), thick ? 3 : 1));
    p.drawLine(QPointF(board.left() + i * cell, board.top()),
               QPointF(board.left() + i * cell, board.bottom()));
    p.drawLine(QPointF(board.left(), board.top() + i * cell),
               QPointF(board.right(), board.top() + i * cell));
  }
  return img;
}

bool Save(const QImage& img, const QString& path) {
  if (img.save(path, "PNG")) return true;
  std::fprintf(stderr, "tessamond-art: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: tessamond-art <resources folder>\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/art/");
  const bool ok = Save(Emblem(1), dir + QStringLiteral("emblem.png")) &&
                  Save(Emblem(2), dir + QStringLiteral("emblem@2x.png")) &&
                  Save(HelpGlyph(1), dir + QStringLiteral("help.png")) &&
                  Save(HelpGlyph(2), dir + QStringLiteral("help@2x.png")) &&
                  Save(WaterMark(), dir + QStringLiteral("watermark.png"));
  return ok ? 0 : 1;
}
