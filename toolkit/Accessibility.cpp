// The accessible interfaces of the grid, its cells and the clock, and the factory that hands them
// out.
#include "Accessibility.h"

#include <QWindow>
#include <mutex>

#include "TDigitalClock.h"
#include "TDrawGrid.h"

namespace {

// The clock reads as the time it shows, whatever the digits look like. It is a static text to a
// screen reader: the desktop's accessibility bus knows no clock, and would call it "unknown".
class TDigitalClockAccessible final : public QAccessibleWidget {
 public:
  explicit TDigitalClockAccessible(TDigitalClock* clock)
      : QAccessibleWidget(clock, QAccessible::StaticText) {}

  QString text(QAccessible::Text type) const override {
    const auto* clock = static_cast<const TDigitalClock*>(widget());
    if (type == QAccessible::Name || type == QAccessible::Value) return clock->Text();
    return QAccessibleWidget::text(type);
  }
};

QAccessibleInterface* ToolkitFactory(const QString& key, QObject* object) {
  if (key == QLatin1String("TDrawGrid")) {
    if (auto* grid = qobject_cast<TDrawGrid*>(object)) return new TDrawGridAccessible(grid);
  } else if (key == QLatin1String("TDigitalClock")) {
    if (auto* clock = qobject_cast<TDigitalClock*>(object))
      return new TDigitalClockAccessible(clock);
  }
  return nullptr;
}

}  // namespace

void InstallToolkitAccessibility() {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(ToolkitFactory); });
}

// ---- the grid -----------------------------------------------------------------------------------

TDrawGridAccessible::TDrawGridAccessible(TDrawGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {
  grid->FAccessible = this;
}

TDrawGridAccessible::~TDrawGridAccessible() {
  // While the grid is being destroyed object() is already null, and the grid forgets nothing.
  if (TDrawGrid* grid = Grid()) grid->FAccessible = nullptr;
  ResetCells();
}

TDrawGrid* TDrawGridAccessible::Grid() const {
  return qobject_cast<TDrawGrid*>(object());
}

TDrawGridCellAccessible* TDrawGridAccessible::Cell(int column, int row) const {
  const TDrawGrid* grid = Grid();
  if (!grid || column < 0 || row < 0 || column >= grid->ColCount() || row >= grid->RowCount())
    return nullptr;
  const int index = row * grid->ColCount() + column;
  if (const auto found = FCells.constFind(index); found != FCells.constEnd())
    return static_cast<TDrawGridCellAccessible*>(QAccessible::accessibleInterface(*found));
  auto* cell = new TDrawGridCellAccessible(this, column, row);
  FCells.insert(index, QAccessible::registerAccessibleInterface(cell));
  return cell;
}

void TDrawGridAccessible::ResetCells() {
  const QList<QAccessible::Id> ids = FCells.values();
  FCells.clear();
  for (const QAccessible::Id id : ids) QAccessible::deleteAccessibleInterface(id);
}

void TDrawGridAccessible::ReportNameIfChanged(int column, int row) {
  const TDrawGrid* grid = Grid();
  if (!grid || column < 0 || row < 0 || column >= grid->ColCount() || row >= grid->RowCount())
    return;
  const int index = row * grid->ColCount() + column;
  const auto found = FCells.constFind(index);
  if (found == FCells.constEnd()) return;
  auto* cell = static_cast<TDrawGridCellAccessible*>(QAccessible::accessibleInterface(*found));
  if (!cell) return;
  const QString name = grid->CellName(column, row);
  if (name == cell->FReportedName) return;
  cell->FReportedName = name;
  QAccessibleEvent event(const_cast<TDrawGrid*>(grid), QAccessible::NameChanged);
  event.setChild(index);
  QAccessible::updateAccessibility(&event);
}

void TDrawGridAccessible::ReportChangedNames() {
  const TDrawGrid* grid = Grid();
  if (!grid || grid->ColCount() == 0) return;
  // A copy: reporting may hand out more cells.
  const QList<int> indexes = FCells.keys();
  for (const int index : indexes)
    ReportNameIfChanged(index % grid->ColCount(), index / grid->ColCount());
}

void* TDrawGridAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

int TDrawGridAccessible::childCount() const {
  const TDrawGrid* grid = Grid();
  return grid ? grid->RowCount() * grid->ColCount() : 0;
}

QAccessibleInterface* TDrawGridAccessible::child(int index) const {
  const TDrawGrid* grid = Grid();
  if (!grid || index < 0 || grid->ColCount() == 0) return nullptr;
  return Cell(index % grid->ColCount(), index / grid->ColCount());
}

int TDrawGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const TDrawGrid* grid = Grid();
  if (!grid || !child || child->parent() != this) return -1;
  const auto* cell = static_cast<const TDrawGridCellAccessible*>(child);
  return cell->Row() * grid->ColCount() + cell->Column();
}

QAccessibleInterface* TDrawGridAccessible::childAt(int x, int y) const {
  const TDrawGrid* grid = Grid();
  if (!grid || !grid->isVisible()) return nullptr;
  const QPoint local = grid->viewport()->mapFromGlobal(QPoint(x, y));
  if (!grid->viewport()->rect().contains(local)) return nullptr;
  int column = -1;
  int row = -1;
  return grid->MouseToCell(local, column, row) ? Cell(column, row) : nullptr;
}

QAccessibleInterface* TDrawGridAccessible::focusChild() const {
  const TDrawGrid* grid = Grid();
  if (!grid || !grid->HasInputFocus()) return nullptr;
  return Cell(grid->Col(), grid->Row());
}

QAccessibleInterface* TDrawGridAccessible::cellAt(int row, int column) const {
  return Cell(column, row);
}

int TDrawGridAccessible::selectedCellCount() const {
  return childCount() > 0 ? 1 : 0;
}

QList<QAccessibleInterface*> TDrawGridAccessible::selectedCells() const {
  const TDrawGrid* grid = Grid();
  if (QAccessibleInterface* current = grid ? Cell(grid->Col(), grid->Row()) : nullptr)
    return {current};
  return {};
}

int TDrawGridAccessible::columnCount() const {
  const TDrawGrid* grid = Grid();
  return grid ? grid->ColCount() : 0;
}

int TDrawGridAccessible::rowCount() const {
  const TDrawGrid* grid = Grid();
  return grid ? grid->RowCount() : 0;
}

// ---- one cell -----------------------------------------------------------------------------------

TDrawGridCellAccessible::TDrawGridCellAccessible(const TDrawGridAccessible* table, int column,
                                                 int row)
    : FTable(table), FColumn(column), FRow(row) {}

TDrawGrid* TDrawGridCellAccessible::Grid() const {
  return FTable->Grid();
}

bool TDrawGridCellAccessible::isValid() const {
  const TDrawGrid* grid = Grid();
  return grid && FColumn < grid->ColCount() && FRow < grid->RowCount();
}

QWindow* TDrawGridCellAccessible::window() const {
  return FTable->window();
}

QAccessibleInterface* TDrawGridCellAccessible::parent() const {
  return const_cast<TDrawGridAccessible*>(FTable);
}

QAccessibleInterface* TDrawGridCellAccessible::table() const {
  return parent();
}

QString TDrawGridCellAccessible::text(QAccessible::Text type) const {
  const TDrawGrid* grid = Grid();
  if (type != QAccessible::Name || !grid) return {};
  FReportedName = grid->CellName(FColumn, FRow);
  return FReportedName;
}

QRect TDrawGridCellAccessible::rect() const {
  const TDrawGrid* grid = Grid();
  if (!grid || !grid->isVisible()) return {};
  const QRect cell = grid->CellRect(FColumn, FRow);
  return QRect(grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State TDrawGridCellAccessible::state() const {
  QAccessible::State s;
  const TDrawGrid* grid = Grid();
  if (!grid) {
    s.invalid = true;
    return s;
  }
  const bool current = isSelected();
  s.focusable = true;
  s.selectable = true;
  s.selected = current;
  s.focused = current && grid->HasInputFocus();
  if (!grid->isVisible()) s.invisible = true;
  if (!grid->viewport()->rect().intersects(grid->CellRect(FColumn, FRow))) s.offscreen = true;
  return s;
}

void* TDrawGridCellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface)
    return static_cast<QAccessibleTableCellInterface*>(this);
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

bool TDrawGridCellAccessible::isSelected() const {
  const TDrawGrid* grid = Grid();
  return grid && grid->Col() == FColumn && grid->Row() == FRow;
}

QStringList TDrawGridCellAccessible::actionNames() const {
  return {setFocusAction()};
}

void TDrawGridCellAccessible::doAction(const QString& actionName) {
  TDrawGrid* grid = Grid();
  if (!grid || actionName != setFocusAction() || !isValid()) return;
  grid->RequestCurrentCell(FColumn, FRow);
  grid->setFocus(Qt::OtherFocusReason);
}
