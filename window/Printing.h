// The printed page's geometry and composition, apart from the window so tests can compose a page
// onto any surface.
#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QImage;
class QPainter;
class QPaintDevice;

// Rectangles of the page, in device pixels of the printable area.
struct TPageGeometry {
  QRect header;  // the header box: 10 % in from the left and top, 80 % × 10 % of the page
  QRect grid;    // the grid: left and top at 10 % / 20 %, 80 % wide, the grid's proportion
  QRect rules;   // the rules box: directly under the grid, 80 % wide, 10 % of the page high
};

// Width of the boxes' black border, in device pixels, centred on the box's outline.
constexpr int BoxPenWidth = 10;

// Text set in a box: from the box's top-left corner one blank in and one blank's height down,
// a line every blank's height + 1 pixel.
struct TBoxText {
  QFont font;
  QStringList lines;
  QList<QRect> lineRects;  // each line's full height (ascent + descent) and width, device pixels
};

// Everything on the page, where it goes and in which font.
struct TPageLayout {
  QSize page;
  TPageGeometry boxes;
  TBoxText header;
  TBoxText rules;
};

// value × percent / 100 with a 64-bit intermediate, halves rounded upward.
int PercentOf(int value, int percent);

// Where the boxes go on a page of pageSize for a grid shown at gridSize on screen. The rules box
// is 10 % of the page high, or rulesHeight where its text needs more. On a page too short for the
// grid at full width (a landscape page), the grid is scaled down in its own proportion, left edge
// kept, so that the rules box still ends inside the printable area.
TPageGeometry PageGeometry(const QSize& pageSize, const QSize& gridSize, int rulesHeight = 0);

// The symbols joined by "-": "0123" gives "0-1-2-3", one symbol itself, none an empty text.
QString JoinSymbols(const QString& symbols);

// The four rule lines for a box size (Italian, whatever the interface language).
QStringList RulesLines(int boxSize);

// Draws the whole bitmap stretched onto the target rectangle, its pixels replacing what lies there.
void StretchBitmapTo(QPainter& canvas, const QRect& target, const QImage& bitmap);

// The whole page laid out for a device: boxes, fonts and lines (levelLine, when given, goes under
// the header's dedication). The header is Verdana 16 pt bold
// italic, the rules Verdana 10 pt bold; a text keeps its size wherever it fits inside its box's
// border, with a blank to spare on the right. Where it would not, the smallest change makes it
// fit: a line too wide shrinks the font just enough; rules too tall for 10 % of the page grow
// their box (the header's box cannot grow, its font shrinks instead).
TPageLayout LayOutPage(QPaintDevice& device, const QSize& pageSize, const QSize& gridSize,
                       int boxSize, const QString& levelLine = QString());
// The header's lines: the dedication, and under it the level of the printed puzzle when given.
QStringList HeaderLines(const QString& levelLine);

// Paints the grid stretched onto the given rectangle of the page.
using TGridPainter = std::function<void(QPainter& canvas, const QRect& target)>;

// Draws the whole page: watermark (when given), header box and text, rules box and text, grid.
void ComposePage(QPainter& canvas, const TPageLayout& layout, const QImage* waterMark,
                 const TGridPainter& paintGrid);
