// What assistive technology (a screen reader) sees of the toolkit's own widgets: the grid as a
// table of named cells, the clock as the time it shows.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

#include "TDrawGrid.h"

class TDrawGridCellAccessible;

// Installs, once per process, the factory that gives TDrawGrid and TDigitalClock their accessible
// interfaces. The widgets call it when they are made, so nothing else needs to.
void InstallToolkitAccessibility();

// The grid as a table: one child per cell, row by row (index = row × columns + column); the current
// cell is the selected one and, while the grid has the keyboard focus, the focused one. Cell
// interfaces are made when first asked for and kept until the row or column count changes.
class TDrawGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TDrawGridAccessible(TDrawGrid* grid);
  ~TDrawGridAccessible() override;

  TDrawGrid* Grid() const;
  // The cell's interface, made on first use; nullptr outside the grid.
  TDrawGridCellAccessible* Cell(int column, int row) const;
  // Forgets every cell: their indexes mean other cells once the shape changed.
  void ResetCells();
  // Sends a name change for the cell when it has been handed out and its name is no longer the one
  // last read; cells nobody has asked for have no name anyone remembers.
  void ReportNameIfChanged(int column, int row);
  void ReportChangedNames();
  // Makes text the cell's news, its accessible text (and nothing else's). Readers drop name
  // changes of table cells, Qt 6.4 sends a description change without its text, and it has no
  // announcement event; Orca speaks text inserted, and selected, in the object it follows
  // (Insertion). After Ctrl+Z, though, Orca takes a selected insertion for a restored selection,
  // and an unselected one for news only while it still sees Ctrl held: for an undo the cell is
  // made anew (FocusAgain), and the owner reports the focus on it, which a reader presents as a
  // cell reached, reading its text.
  void Announce(int column, int row, const QString& text, TNewsWay way);
  // No cell has news any more (another cell became current).
  void ForgetNews();
  // The grid lost the focus; once it has it again, news told before is forgotten.
  void NoteFocusLeft() { FNewsBeforeFocusLeft = FNewsIndex >= 0; }
  void ForgetNewsBeforeFocusLeft();
  // The cell's news, when it has any.
  const QString* NewsAt(const TDrawGridCellAccessible* cell) const;
  bool NewsSelected() const { return FNewsWay == TNewsWay::Insertion; }

  void* interface_cast(QAccessible::InterfaceType type) override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  // The grid resets its cells itself before it reports a new shape, whether or not a platform
  // bridge is listening (Qt only calls this while one is).
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  mutable QHash<int, QAccessible::Id> FCells;  // cell index → registered interface
  int FNewsIndex = -1;                         // the cell that has news, or −1
  QString FNews;
  TNewsWay FNewsWay = TNewsWay::Insertion;
  bool FNewsBeforeFocusLeft = false;
};

// One cell of the grid. Its name comes from the grid's cell-name handler; "set focus" makes it the
// current cell and gives the grid the keyboard focus.
class TDrawGridCellAccessible final : public QAccessibleInterface,
                                      public QAccessibleTableCellInterface,
                                      public QAccessibleActionInterface,
                                      public QAccessibleTextInterface {
 public:
  TDrawGridCellAccessible(const TDrawGridAccessible* table, int column, int row);

  int Column() const { return FColumn; }
  int Row() const { return FRow; }

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text type) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return FColumn; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  // The text is the cell's news (see TDrawGridAccessible::Announce), empty without any; what the
  // cell holds is its name.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override;

 private:
  friend class TDrawGridAccessible;
  TDrawGrid* Grid() const;

  const TDrawGridAccessible* FTable;
  int FColumn;
  int FRow;
  // The name as last read through text(), so that only real changes are reported.
  mutable QString FReportedName;
  QString News() const;
};
