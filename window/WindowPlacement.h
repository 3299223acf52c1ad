// The main window's size and place on its screen, worked out from sizes alone so that any screen,
// panel or frame can be tried without one.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// What the window would show in full, in logical pixels.
struct TWindowNeeds {
  QSize table;        // the size table's window size for the box size
  QSize minimum;      // the layout's minimum, below which the window's content scrolls
  QSize aroundGrid;   // the window's client size less the grid area (right column; the two bands)
  QSize grid;         // every cell of the grid with the grid's frame
  int barExtent = 0;  // the thickness of a scroll bar
};

// The client size for these needs inside `room` (the largest client size the screen allows): the
// largest of the table, the minimum and the whole grid, never more than the room. Where the room
// cuts the grid or the window's content short in one direction, a scroll bar appears there; the
// window then grows by the bar's thickness in the other direction, where room is left, so that
// the bar does not cut that direction short too.
QSize ClientSizeFor(const TWindowNeeds& needs, const QSize& room);

struct TWindowPlace {
  QPoint framePos;  // the top-left of the window's frame, as QWidget::move takes it
  QSize client;     // the client size, as QWidget::resize takes it
};

// Places a window of `client` size with a frame of `frame` wholly inside `available` (a screen's
// available area): centred on `current`'s centre (the frame rectangle the window has now), or on
// the area when `current` is null, then moved only as far as it takes to stay inside. A client
// larger than the area allows is cut down to it.
TWindowPlace PlaceWindow(const QSize& client, const QRect& available, const QMargins& frame,
                         const QRect& current);
