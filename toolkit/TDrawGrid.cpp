// A drawable grid of equal cells: silver lines between cells, one current cell, a paint callback.
#include "TDrawGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "Accessibility.h"

namespace {
const QColor LineColour(192, 192, 192);
}

TDrawGrid::TDrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  InstallToolkitAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // A right click on a scroll bar asks for the grid's own context menu, where the cells' menu is
  // asked for, instead of opening the scroll bar's built-in modal one.
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QWidget::customContextMenuRequested, this, [this, bar](const QPoint& pos) {
      QWidget* target = viewport();
      if (target->contextMenuPolicy() != Qt::CustomContextMenu) target = this;
      if (target->contextMenuPolicy() != Qt::CustomContextMenu) return;
      emit target->customContextMenuRequested(target->mapFromGlobal(bar->mapToGlobal(pos)));
    });
  }
  UpdateScrollBars();
}

void TDrawGrid::SetRowCount(int count) {
  const int rows = std::max(0, count);
  if (rows != FRowCount) {
    FRowCount = rows;
    ReportNewShape();
  }
  SetCurrentCell(FCol, FRow);
  UpdateScrollBars();
  viewport()->update();
}

void TDrawGrid::SetColCount(int count) {
  const int columns = std::max(0, count);
  if (columns != FColCount) {
    FColCount = columns;
    ReportNewShape();
  }
  SetCurrentCell(FCol, FRow);
  UpdateScrollBars();
  viewport()->update();
}

void TDrawGrid::SetDefaultColWidth(int width) {
  FDefaultColWidth = std::max(1, width);
  UpdateScrollBars();
  viewport()->update();
}

void TDrawGrid::SetDefaultRowHeight(int height) {
  FDefaultRowHeight = std::max(1, height);
  UpdateScrollBars();
  viewport()->update();
}

void TDrawGrid::SetGridLineWidth(int width) {
  FGridLineWidth = std::max(0, width);
  UpdateScrollBars();
  viewport()->update();
}

void TDrawGrid::SetDrawFocusSelected(bool on) {
  FDrawFocusSelected = on;
  viewport()->update();
}

void TDrawGrid::SetCellRequestHandler(TCellRequestFn handler) {
  FCellRequest = std::move(handler);
}

void TDrawGrid::RequestCurrentCell(int column, int row) {
  const int c = FColCount > 0 ? std::clamp(column, 0, FColCount - 1) : 0;
  const int r = FRowCount > 0 ? std::clamp(row, 0, FRowCount - 1) : 0;
  if (FCellRequest)
    FCellRequest(c, r);
  else
    SetCurrentCell(c, r);
}

void TDrawGrid::SetCurrentCell(int column, int row) {
  const int c = FColCount > 0 ? std::clamp(column, 0, FColCount - 1) : 0;
  const int r = FRowCount > 0 ? std::clamp(row, 0, FRowCount - 1) : 0;
  const bool changed = c != FCol || r != FRow;
  FCol = c;
  FRow = r;
  if (FColCount > 0 && FRowCount > 0) EnsureVisible(FCol, FRow);
  viewport()->update();
  if (changed) {
    emit CurrentCellChanged(FCol, FRow);
    ReportCurrentCell();
  }
}

int TDrawGrid::ContentWidth() const {
  return FColCount * (FDefaultColWidth + FGridLineWidth);
}
int TDrawGrid::ContentHeight() const {
  return FRowCount * (FDefaultRowHeight + FGridLineWidth);
}

bool TDrawGrid::MouseToCell(const QPoint& viewportPos, int& column, int& row) const {
  column = -1;
  row = -1;
  const int x = viewportPos.x() + horizontalScrollBar()->value();
  const int y = viewportPos.y() + verticalScrollBar()->value();
  if (x < 0 || y < 0 || x >= ContentWidth() || y >= ContentHeight()) return false;
  // The line after a cell belongs to that cell, so every point of the content names a cell.
  column = x / (FDefaultColWidth + FGridLineWidth);
  row = y / (FDefaultRowHeight + FGridLineWidth);
  return true;
}

QRect TDrawGrid::CellRect(int column, int row) const {
  return QRect(column * (FDefaultColWidth + FGridLineWidth) - horizontalScrollBar()->value(),
               row * (FDefaultRowHeight + FGridLineWidth) - verticalScrollBar()->value(),
               FDefaultColWidth, FDefaultRowHeight);
}

void TDrawGrid::SetDrawCellHandler(TDrawCellFn handler) {
  FDrawCell = std::move(handler);
  viewport()->update();
}

void TDrawGrid::SetCellNameHandler(TCellNameFn handler) {
  FCellName = std::move(handler);
  NotifyAllCellsChanged();
}

QString TDrawGrid::CellName(int column, int row) const {
  if (FCellName) return FCellName(column, row);
  return QStringLiteral("Row %1, column %2").arg(row + 1).arg(column + 1);
}

void TDrawGrid::NotifyCellChanged(int column, int row) {
  if (FAccessible) FAccessible->ReportNameIfChanged(column, row);
}

void TDrawGrid::NotifyAllCellsChanged() {
  if (FAccessible) FAccessible->ReportChangedNames();
}

bool TDrawGrid::HasInputFocus() const {
  return hasFocus() || viewport()->hasFocus();
}

void TDrawGrid::ReportCurrentCell() {
  if (!FAccessible || !HasInputFocus() || FColCount == 0 || FRowCount == 0) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(FRow * FColCount + FCol);
  QAccessible::updateAccessibility(&event);
}

void TDrawGrid::ReportNewShape() {
  if (!FAccessible) return;
  FAccessible->ResetCells();
  if (FShapeReportPending) return;
  FShapeReportPending = true;
  // The owner sets the row and the column count one after the other; a screen reader hears of
  // the finished table once, and then of its focused cell.
  QTimer::singleShot(0, this, [this] {
    FShapeReportPending = false;
    if (!FAccessible) return;
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
    event.setFirstRow(0);
    event.setFirstColumn(0);
    event.setLastRow(FRowCount - 1);
    event.setLastColumn(FColCount - 1);
    QAccessible::updateAccessibility(&event);
    ReportCurrentCell();
  });
}

QSize TDrawGrid::sizeHint() const {
  const int f = 2 * frameWidth();
  return QSize(ContentWidth() + f, ContentHeight() + f);
}

QSize TDrawGrid::minimumSizeHint() const {
  return QSize(64, 64);
}

void TDrawGrid::paintEvent(QPaintEvent* event) {
  QPainter p(viewport());
  PaintContent(p, event->rect(), horizontalScrollBar()->value(), verticalScrollBar()->value(),
               viewport()->height(), font());
}

void TDrawGrid::RenderContent(QPainter& painter, const QRectF& target) const {
  const QRect content(QPoint(0, 0), ContentSize());
  if (content.isEmpty() || target.isEmpty() || !painter.device()) return;
  // A point size is turned into pixels by the resolution of the device painted on; the grid's
  // cells are sized in screen pixels. Read against the screen's resolution, the font covers as
  // many of the grid's pixels here as it does on screen, and the scale below enlarges both alike.
  QFont cellFont = font();
  const int deviceDpi = painter.device()->logicalDpiY();
  if (cellFont.pointSizeF() > 0 && deviceDpi > 0)
    cellFont.setPointSizeF(cellFont.pointSizeF() * logicalDpiY() / deviceDpi);
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / content.width(), target.height() / content.height());
  painter.setClipRect(content);
  PaintContent(painter, content, 0, 0, content.height(), cellFont);
  painter.restore();
}

QImage TDrawGrid::RenderContent() const {
  QImage image(ContentSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  RenderContent(p, QRectF(QPointF(0, 0), ContentSize()));
  return image;
}

void TDrawGrid::PaintContent(QPainter& p, const QRect& dirty, int sx, int sy, int surfaceHeight,
                             const QFont& cellFont) const {
  const int pitchX = FDefaultColWidth + FGridLineWidth;
  const int pitchY = FDefaultRowHeight + FGridLineWidth;
  const int width = ContentWidth() - sx;
  const int height = ContentHeight() - sy;
  // Only the area beside and below the cells gets the background here; cells and lines cover the
  // rest, so no pixel is filled twice over by the grid itself.
  p.fillRect(QRect(width, 0, std::max(0, dirty.right() + 1 - width), surfaceHeight), Qt::white);
  p.fillRect(QRect(0, height, std::max(0, width), std::max(0, dirty.bottom() + 1 - height)),
             Qt::white);
  if (FColCount == 0 || FRowCount == 0) return;

  // Only the cells that touch the dirty area are painted.
  const int firstCol = std::max(0, (dirty.left() + sx) / pitchX);
  const int lastCol = std::min(FColCount - 1, (dirty.right() + sx) / pitchX);
  const int firstRow = std::max(0, (dirty.top() + sy) / pitchY);
  const int lastRow = std::min(FRowCount - 1, (dirty.bottom() + sy) / pitchY);

  // Lines first: a cell's paint may reach over them (box separators), never the other way round.
  if (FGridLineWidth > 0) {
    for (int c = firstCol; c <= lastCol; ++c)
      p.fillRect(c * pitchX + FDefaultColWidth - sx, 0, FGridLineWidth, height, LineColour);
    for (int r = firstRow; r <= lastRow; ++r)
      p.fillRect(0, r * pitchY + FDefaultRowHeight - sy, width, FGridLineWidth, LineColour);
  }

  const QWidget* active = window() ? window()->focusWidget() : nullptr;
  const bool gridIsActive = active == this || active == viewport();
  for (int r = firstRow; r <= lastRow; ++r) {
    for (int c = firstCol; c <= lastCol; ++c) {
      const QRect rect(c * pitchX - sx, r * pitchY - sy, FDefaultColWidth, FDefaultRowHeight);
      const bool focused = gridIsActive && c == FCol && r == FRow;
      p.setFont(cellFont);
      p.setBrush(Qt::white);
      p.fillRect(rect, focused && FDrawFocusSelected ? palette().color(QPalette::Highlight)
                                                     : QColor(Qt::white));
      if (FDrawCell) FDrawCell(p, c, r, rect, focused);
      if (focused) {
        const QPen pen = p.pen();
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect.adjusted(0, 0, -1, -1));
        p.setPen(pen);
      }
    }
  }
}

void TDrawGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit MouseDown(event->button(), pos, event->modifiers());
  if (event->button() == Qt::LeftButton) {
    int c = -1;
    int r = -1;
    if (MouseToCell(pos, c, r)) RequestCurrentCell(c, r);
  }
  if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
  event->accept();
}

void TDrawGrid::keyPressEvent(QKeyEvent* event) {
  emit KeyDown(event);
  const int pageRows =
      std::max(1, viewport()->height() / std::max(1, FDefaultRowHeight + FGridLineWidth));
  switch (event->key()) {
    case Qt::Key_Left:
      RequestCurrentCell(FCol - 1, FRow);
      break;
    case Qt::Key_Right:
      RequestCurrentCell(FCol + 1, FRow);
      break;
    case Qt::Key_Up:
      RequestCurrentCell(FCol, FRow - 1);
      break;
    case Qt::Key_Down:
      RequestCurrentCell(FCol, FRow + 1);
      break;
    case Qt::Key_Home:
      RequestCurrentCell(0, FRow);
      break;
    case Qt::Key_End:
      RequestCurrentCell(FColCount - 1, FRow);
      break;
    case Qt::Key_PageUp:
      RequestCurrentCell(FCol, FRow - pageRows);
      break;
    case Qt::Key_PageDown:
      RequestCurrentCell(FCol, FRow + pageRows);
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TDrawGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void TDrawGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
  // Qt reports the grid itself as focused right after this handler; the focused cell is reported
  // after that, so that a screen reader ends up on the cell.
  QTimer::singleShot(0, this, [this] { ReportCurrentCell(); });
}

void TDrawGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void TDrawGrid::scrollContentsBy(int /*dx*/, int /*dy*/) {
  viewport()->update();
}

void TDrawGrid::UpdateScrollBars() {
  // Whether the cells fit is judged on the area the grid has without any bars: the viewport has
  // already lost the room of the bars shown now, and judging by it keeps them once they appeared.
  // A bar in one direction takes room from the other, which can make that one necessary too.
  const QSize whole = maximumViewportSize();
  const int barHeight = horizontalScrollBar()->sizeHint().height();
  const int barWidth = verticalScrollBar()->sizeHint().width();
  bool needH = ContentWidth() > whole.width();
  bool needV = ContentHeight() > whole.height();
  if (needH && !needV) needV = ContentHeight() > whole.height() - barHeight;
  if (needV && !needH) needH = ContentWidth() > whole.width() - barWidth;
  const QSize view(whole.width() - (needV ? barWidth : 0),
                   whole.height() - (needH ? barHeight : 0));
  horizontalScrollBar()->setRange(0, std::max(0, ContentWidth() - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setSingleStep(FDefaultColWidth + FGridLineWidth);
  verticalScrollBar()->setRange(0, std::max(0, ContentHeight() - view.height()));
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(FDefaultRowHeight + FGridLineWidth);
}

void TDrawGrid::EnsureVisible(int column, int row) {
  const QRect r = CellRect(column, row);
  const QSize view = viewport()->size();
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  if (r.left() < 0)
    h->setValue(h->value() + r.left());
  else if (r.right() + FGridLineWidth >= view.width() && r.width() < view.width())
    h->setValue(h->value() + r.right() + FGridLineWidth - view.width() + 1);
  if (r.top() < 0)
    v->setValue(v->value() + r.top());
  else if (r.bottom() + FGridLineWidth >= view.height() && r.height() < view.height())
    v->setValue(v->value() + r.bottom() + FGridLineWidth - view.height() + 1);
}
