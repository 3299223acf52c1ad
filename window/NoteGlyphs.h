// Pixel glyphs for notes too small for the grid's font.
#pragma once

#include <QColor>
#include <QImage>

// Every glyph is this many pixel rows tall (times its scale).
inline constexpr int NoteGlyphRows = 5;

// The glyph of a symbol ("0"–"9", "A"–"Y") with each of its pixels `scale` × `scale` screen
// pixels in `colour` on a transparent ground; a null image for any other character. Made once per
// symbol, scale and colour.
QImage NoteGlyph(char symbol, int scale, const QColor& colour);
