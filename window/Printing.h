// The printed page's geometry and composition, apart from the window so tests can compose a page
// onto any surface.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QImage;
class QPainter;

// Rectangles of the page, in device pixels of the printable area.
struct TPageGeometry {
  QRect header;  // the header box: 10 % in from the left and top, 80 % × 10 % of the page
  QRect grid;    // the grid image: left and top at 10 % / 20 %, 80 % wide, the grid's proportion
  QRect rules;   // the rules box: directly under the grid image, 80 % × 10 % of the page
};

// value × percent / 100 with a 64-bit intermediate, halves rounded upward.
int PercentOf(int value, int percent);

// Where everything goes on a page of pageSize for a grid shown at gridSize on screen. On a page
// too short for the grid at full width (a landscape page), the grid image is scaled down in its
// own proportion, left edge kept, so that the rules box still ends inside the printable area.
TPageGeometry PageGeometry(const QSize& pageSize, const QSize& gridSize);

// The symbols joined by "-": "0123" gives "0-1-2-3", one symbol itself, none an empty text.
QString JoinSymbols(const QString& symbols);

// The four rule lines for a box size (Italian, whatever the interface language).
QStringList RulesLines(int boxSize);

// Draws the whole bitmap stretched onto the target rectangle, its pixels replacing what lies there.
void StretchBitmapTo(QPainter& canvas, const QRect& target, const QImage& bitmap);

// Draws the whole page: watermark (when given), header box and text, rules box and text, grid
// image.
void ComposePage(QPainter& canvas, const QSize& pageSize, const QImage* waterMark,
                 const QImage& gridImage, int boxSize);
