// The pixel glyphs of notes too small for the grid's font: digits and capitals drawn on a grid of
// 5 rows, so that a 16×16 note (6 pixels a row at the smallest size) stays legible.
#include "NoteGlyphs.h"

#include <QHash>
#include <QPainter>

namespace {

// One glyph per symbol, five rows of "#" (ink) and "." (none); every row of a glyph is as wide as
// its first. B, D, M, N and W take more columns, so that they are told from 8, 0, H and V.
struct TGlyph {
  char symbol;
  const char* rows[5];
};

constexpr TGlyph Glyphs[] = {
    {'0', {"###", "#.#", "#.#", "#.#", "###"}},
    {'1', {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', {"###", "..#", "###", "#..", "###"}},
    {'3', {"###", "..#", ".##", "..#", "###"}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}},
    {'5', {"###", "#..", "###", "..#", "###"}},
    {'6', {"###", "#..", "###", "#.#", "###"}},
    {'7', {"###", "..#", "..#", ".#.", ".#."}},
    {'8', {"###", "#.#", "###", "#.#", "###"}},
    {'9', {"###", "#.#", "###", "..#", "###"}},
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
    {'B', {"###.", "#..#", "###.", "#..#", "###."}},
    {'C', {".##", "#..", "#..", "#..", ".##"}},
    {'D', {"###.", "#..#", "#..#", "#..#", "###."}},
    {'E', {"###", "#..", "##.", "#..", "###"}},
    {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'G', {".##", "#..", "#.#", "#.#", ".##"}},
    {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', {"###", ".#.", ".#.", ".#.", "###"}},
    {'J', {"..#", "..#", "..#", "#.#", ".#."}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'P', {"##.", "#.#", "##.", "#..", "#.."}},
    {'Q', {".#.", "#.#", "#.#", "##.", ".##"}},
    {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {".##", "#..", ".#.", "..#", "##."}},
    {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
    {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', {"#...#", "#...#", "#.#.#", "##.##", "#...#"}},
    {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}},
};

const TGlyph* Find(char symbol) {
  for (const TGlyph& glyph : Glyphs)
    if (glyph.symbol == symbol) return &glyph;
  return nullptr;
}

}  // namespace

QImage NoteGlyph(char symbol, int scale, const QColor& colour) {
  static QHash<quint64, QImage> made;
  scale = std::max(1, scale);
  const quint64 key = (quint64(colour.rgba()) << 32) | (quint64(scale) << 8) | quint8(symbol);
  if (const auto it = made.constFind(key); it != made.constEnd()) return *it;
  const TGlyph* glyph = Find(symbol);
  if (!glyph) return {};
  const int columns = static_cast<int>(std::char_traits<char>::length(glyph->rows[0]));
  QImage image(columns * scale, NoteGlyphRows * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  for (int row = 0; row < NoteGlyphRows; ++row)
    for (int column = 0; column < columns; ++column)
      if (glyph->rows[row][column] == '#')
        painter.fillRect(column * scale, row * scale, scale, scale, colour);
  painter.end();
  made.insert(key, image);
  return image;
}
