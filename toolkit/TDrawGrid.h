// A drawable grid: fixed cell sizes, silver lines between cells, one current cell, and a paint
// callback per cell. It holds no data of its own: every paint asks the callback.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>

class TDrawGridAccessible;

// How a cell's news reaches a screen reader (TDrawGridAccessible::Announce).
enum class TNewsWay { Insertion, FocusAgain };

class TDrawGrid : public QAbstractScrollArea {
  Q_OBJECT
  // Stored settings, so a Designer file can give them.
  Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
  Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
  Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)

 public:
  // Paints one cell: column, row, the cell's rectangle without the lines between cells (right and
  // bottom are the first pixel column and row outside the cell, as rect.right()+1 / bottom()+1),
  // and whether the cell is the focused cell (the current cell while the grid has the focus).
  using TDrawCellFn =
      std::function<void(QPainter& painter, int column, int row, const QRect& rect, bool focused)>;

  explicit TDrawGrid(QWidget* parent = nullptr);

  int RowCount() const { return FRowCount; }
  int ColCount() const { return FColCount; }
  void SetRowCount(int count);
  void SetColCount(int count);

  int DefaultColWidth() const { return FDefaultColWidth; }
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultColWidth(int width);
  void SetDefaultRowHeight(int height);

  // Width of the silver lines drawn between cells.
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int width);

  // When on, the focused cell is filled with the highlight colour before the callback paints it.
  bool DrawFocusSelected() const { return FDrawFocusSelected; }
  void SetDrawFocusSelected(bool on);

  // The current cell as a one-cell selection (column, row). Out-of-range values are clamped.
  int Col() const { return FCol; }
  int Row() const { return FRow; }
  void SetCurrentCell(int column, int row);
  // Where the player's input (arrow keys, a click, a screen reader's focus action) asks the current
  // cell to go. With a handler set, the grid does not move by itself: the handler decides (the
  // owner's model) and sets the cell it chose; without one, the grid moves there at once.
  using TCellRequestFn = std::function<void(int column, int row)>;
  void SetCellRequestHandler(TCellRequestFn handler);
  void RequestCurrentCell(int column, int row);

  // The cell under a point of the viewport; false and (−1, −1) when no cell is there.
  bool MouseToCell(const QPoint& viewportPos, int& column, int& row) const;
  // A cell's rectangle in viewport coordinates (without the lines between cells).
  QRect CellRect(int column, int row) const;
  // Scrolls as little as it takes to show the cell whole.
  void EnsureVisible(int column, int row);

  void SetDrawCellHandler(TDrawCellFn handler);

  // What assistive technology (a screen reader) reads for a cell: the grid is a table of cells,
  // the current cell its focus. The owner names the cells, since only it knows what they hold.
  using TCellNameFn = std::function<QString(int column, int row)>;
  void SetCellNameHandler(TCellNameFn handler);
  // The handler's name for the cell, or "Row 3, column 5" (counted from 1) while none is set.
  QString CellName(int column, int row) const;
  // The owner calls these after it changed what cells hold (an entry, a hint, a new puzzle, another
  // view, other marks), so that a screen reader hears of every cell whose name now differs from
  // the one it read. They repaint nothing.
  void NotifyCellChanged(int column, int row);
  void NotifyAllCellsChanged();
  // Says text to a screen reader at once, as the current cell's news (see TDrawGridAccessible::
  // Announce); the news is gone once another cell becomes current. Nothing happens while no
  // reader listens.
  void Announce(const QString& text, TNewsWay way = TNewsWay::Insertion);
  // True while the grid (or its viewport) holds the keyboard focus.
  bool HasInputFocus() const;

  // The whole grid's size in pixels on screen: every cell with the line after it.
  QSize ContentSize() const { return QSize(ContentWidth(), ContentHeight()); }
  // Every cell, with the lines between them, painted by the same code as the screen (marks and
  // focus included) onto `target` of any painter, whatever part of the grid is scrolled into view:
  // stretched as a whole, symbols at the same size in proportion to their cells as on screen. On
  // a printer the output stays vector (lines, shapes and text), sharp at any resolution.
  void RenderContent(QPainter& painter, const QRectF& target) const;
  // The same at the screen's size, as an image.
  QImage RenderContent() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // Emitted before the grid's own handling of the event.
  void MouseDown(Qt::MouseButton button, const QPoint& viewportPos,
                 Qt::KeyboardModifiers modifiers);
  void KeyDown(QKeyEvent* event);
  void CurrentCellChanged(int column, int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  // Paints what of the content touches `dirty` (surface coordinates), scrolled by (sx, sy).
  void PaintContent(QPainter& p, const QRect& dirty, int sx, int sy, int surfaceHeight,
                    const QFont& cellFont) const;
  void UpdateScrollBars();
  int ContentWidth() const;
  int ContentHeight() const;
  // Tells assistive technology which cell is now focused, while the grid has the focus.
  void ReportCurrentCell();
  // The cells' indexes mean other cells after a change of shape: the cells are forgotten at once,
  // and the change is reported once the counts have settled.
  void ReportNewShape();

  int FRowCount = 5;
  int FColCount = 5;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  int FGridLineWidth = 1;
  bool FDrawFocusSelected = false;
  int FCol = 0;
  int FRow = 0;
  TDrawCellFn FDrawCell;
  TCellNameFn FCellName;
  TCellRequestFn FCellRequest;
  // Set by the accessible interface while it exists, which is only once something asked for it.
  friend class TDrawGridAccessible;
  TDrawGridAccessible* FAccessible = nullptr;
  bool FShapeReportPending = false;
};
