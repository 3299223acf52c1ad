// The notes of a cell laid out in the grid's own font, scaled to the cell, for the screen and the
// printed page alike (the page gets them as text, like the symbols).
#pragma once

#include <QFont>
#include <QRect>
#include <cstdint>
#include <string_view>
#include <vector>

class QPaintDevice;

// The smallest capital height, in grid pixels, at which the fixed N × N places are used; below it
// the noted symbols flow in as few places as they need, so that they are written larger.
inline constexpr int ReadableNoteCapHeight = 6;

struct TNotePlace {
  char symbol = ' ';
  QRect box;  // the place of the symbol inside the cell; the symbol is centred on it
};

struct TNoteLayout {
  QFont font;                // the grid's family, not bold, sized for the places
  int capHeight = 0;         // of that font, in grid pixels
  bool fixedPlaces = false;  // each symbol at its own place of the N × N layout
  std::vector<TNotePlace> places;
};

// Lays out the symbols of `symbols` whose bit is set in `notes` in `cell`, keeping off the
// cell's last column and row (a line covers them). With fixed places symbol k stands in row
// k / N, column k % N (N the box size), so that it is always found at the same spot; otherwise
// the noted symbols fill, in the order of the set, the rows × columns arrangement that lets them
// be largest. Either way the font is the largest that keeps every symbol inside its place with a
// pixel to spare, and stays clearly smaller than the entries' font. `device` is the one painted
// on (the screen when null), whose resolution turns the font's points into grid pixels.
TNoteLayout LayOutNotes(const QRect& cell, std::uint32_t notes, std::string_view symbols,
                        int boxSize, const QFont& gridFont, const QPaintDevice* device = nullptr);
