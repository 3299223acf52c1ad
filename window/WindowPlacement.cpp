// The main window's size and place on its screen.
#include "WindowPlacement.h"

#include <algorithm>

QSize ClientSizeFor(const TWindowNeeds& needs, const QSize& room) {
  const QSize whole = needs.grid + needs.aroundGrid;
  const int bar = needs.barExtent;
  // The height first: the widths of the bars it may bring decide the width.
  int height = std::min(room.height(),
                        std::max({needs.table.height(), needs.minimum.height(), whole.height()}));
  const bool contentScrollsDown = height < needs.minimum.height();
  const int gridAreaHeight = std::max(height, needs.minimum.height()) - needs.aroundGrid.height();
  const bool gridScrollsDown = gridAreaHeight < needs.grid.height();
  const int width = std::min(room.width(), std::max({needs.table.width(), needs.minimum.width(),
                                                     whole.width() + (gridScrollsDown ? bar : 0)}) +
                                               (contentScrollsDown ? bar : 0));
  // Then the bars the width brings, where the height has room left for them.
  const int contentWidth = std::max(width - (contentScrollsDown ? bar : 0), needs.minimum.width());
  const bool contentScrollsAcross = width - (contentScrollsDown ? bar : 0) < needs.minimum.width();
  const bool gridScrollsAcross =
      contentWidth - needs.aroundGrid.width() < needs.grid.width() + (gridScrollsDown ? bar : 0);
  height = std::min(room.height(),
                    height + (contentScrollsAcross ? bar : 0) + (gridScrollsAcross ? bar : 0));
  return {width, height};
}

TWindowPlace PlaceWindow(const QSize& client, const QRect& available, const QMargins& frame,
                         const QRect& current) {
  const QSize room = available.size().shrunkBy(frame).expandedTo(QSize(1, 1));
  const QSize inner = client.boundedTo(room).expandedTo(QSize(1, 1));
  const QSize outer = inner.grownBy(frame);
  const QPoint centre = current.isNull() ? available.center() : current.center();
  // QRect::center() rounds down, so a rectangle centred on the centre of another one of the same
  // size lands exactly on it.
  const int x = centre.x() - (outer.width() - 1) / 2;
  const int y = centre.y() - (outer.height() - 1) / 2;
  const QPoint pos(std::clamp(x, available.left(),
                              std::max(available.left(), available.right() + 1 - outer.width())),
                   std::clamp(y, available.top(),
                              std::max(available.top(), available.bottom() + 1 - outer.height())));
  return {pos, inner};
}
