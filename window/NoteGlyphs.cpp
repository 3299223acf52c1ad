// The notes of a cell laid out in the grid's font: the size that fits the cell, and each symbol's
// place, fixed by the symbol where the cell is roomy enough, flowing otherwise.
#include "NoteGlyphs.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace {

// A note never comes near the size of an entry: at most this share of the grid font's size.
constexpr qreal LargestShare = 0.75;
constexpr qreal SmallestShare = 0.25;
constexpr qreal ShareStep = 0.025;

struct TFit {
  qreal pointSize = 0;
  int capHeight = 0;
};

// The largest point size of `font`'s family that keeps each of `symbols` inside a place of
// width × height with a pixel to spare beside it and two below. Remembered per font, device
// resolution, place and set.
TFit FitFont(const QFont& gridFont, std::string_view symbols, int width, int height,
             const QPaintDevice* device) {
  static QHash<QString, TFit> fitted;
  const int dpi = device ? device->logicalDpiY() : 0;
  const QString key = gridFont.key() +
                      QStringLiteral("|%1|%2|%3|").arg(dpi).arg(width).arg(height) +
                      QString::fromLatin1(symbols.data(), static_cast<qsizetype>(symbols.size()));
  if (const auto it = fitted.constFind(key); it != fitted.constEnd()) return *it;
  QFont font = gridFont;
  font.setBold(false);
  const qreal gridPoints = gridFont.pointSizeF() > 0 ? gridFont.pointSizeF() : 9.0;
  TFit fit;
  for (qreal share = LargestShare; share >= SmallestShare - 1e-9; share -= ShareStep) {
    font.setPointSizeF(gridPoints * share);
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    qreal widest = 0;
    for (const char symbol : symbols)
      widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(symbol)));
    fit = {font.pointSizeF(), static_cast<int>(std::lround(metrics.capHeight()))};
    if (metrics.capHeight() + 2 <= height && widest + 1 <= width) break;
  }
  fitted.insert(key, fit);
  return fit;
}

QRect Place(const QRect& area, int column, int columns, int row, int rows) {
  const int left = area.left() + area.width() * column / columns;
  const int right = area.left() + area.width() * (column + 1) / columns;
  const int top = area.top() + area.height() * row / rows;
  const int bottom = area.top() + area.height() * (row + 1) / rows;
  return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

}  // namespace

TNoteLayout LayOutNotes(const QRect& cell, std::uint32_t notes, std::string_view symbols,
                        int boxSize, const QFont& gridFont, const QPaintDevice* device) {
  TNoteLayout layout;
  if (boxSize <= 0 || cell.isEmpty()) return layout;
  // Off the lines: a pixel at the left, and the cell's last column and row, which a line covers.
  const QRect area = cell.adjusted(1, 0, -1, -1);
  std::string noted;
  std::vector<int> indexOf;
  for (std::size_t k = 0; k < symbols.size() && k < 32; ++k)
    if (notes & (std::uint32_t{1} << k)) {
      noted += symbols[k];
      indexOf.push_back(static_cast<int>(k));
    }
  if (noted.empty()) return layout;

  const TFit fixed =
      FitFont(gridFont, symbols, area.width() / boxSize, area.height() / boxSize, device);
  layout.font = gridFont;
  layout.font.setBold(false);
  if (fixed.capHeight >= ReadableNoteCapHeight) {
    layout.font.setPointSizeF(fixed.pointSize);
    layout.capHeight = fixed.capHeight;
    layout.fixedPlaces = true;
    for (std::size_t i = 0; i < noted.size(); ++i)
      layout.places.push_back(
          {noted[i], Place(area, indexOf[i] % boxSize, boxSize, indexOf[i] / boxSize, boxSize)});
    return layout;
  }

  // As few rows and columns as the noted symbols need, in the shape that writes them largest
  // (fewer rows where two shapes tie: they read as a line). The whole set decides each shape's
  // size, so that cells noting as many symbols show them alike.
  const int count = static_cast<int>(noted.size());
  int bestColumns = count;
  TFit best;
  for (int columns = count; columns >= 1; --columns) {
    const int rows = (count + columns - 1) / columns;
    if (columns > 1 && (count + columns - 2) / (columns - 1) == rows) continue;  // same rows, wider
    const TFit fit =
        FitFont(gridFont, symbols, area.width() / columns, area.height() / rows, device);
    if (fit.capHeight > best.capHeight) {
      best = fit;
      bestColumns = columns;
    }
  }
  const int rows = (count + bestColumns - 1) / bestColumns;
  layout.font.setPointSizeF(best.pointSize);
  layout.capHeight = best.capHeight;
  for (int i = 0; i < count; ++i)
    layout.places.push_back({noted[static_cast<std::size_t>(i)],
                             Place(area, i % bestColumns, bestColumns, i / bestColumns, rows)});
  return layout;
}
