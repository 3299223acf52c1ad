// Tests of what a screen reader gets from the toolkit: the grid as a table, the clock, message
// boxes.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <vector>

#include "QtServices.h"
#include "Services.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"

namespace {

struct TRecorded {
  QAccessible::Event type;
  QObject* object;
  int child;
  QString name;  // the name of the object the event is about, as it was then
};
std::vector<TRecorded> Recorded;

void Record(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  Recorded.push_back({event->type(), event->object(), event->child(),
                      iface ? iface->text(QAccessible::Name) : QString()});
}

std::vector<TRecorded> Events(QAccessible::Event type) {
  std::vector<TRecorded> found;
  for (const TRecorded& e : Recorded)
    if (e.type == type) found.push_back(e);
  return found;
}

// A 9 × 9 grid beside a button, in a shown and active window.
struct TWindow {
  QWidget top;
  TDrawGrid* grid = new TDrawGrid(&top);
  QPushButton* button = new QPushButton(QStringLiteral("Generate"), &top);
  TWindow(int columns = 9, int rows = 9) {
    auto* layout = new QVBoxLayout(&top);
    layout->addWidget(button);
    layout->addWidget(grid);
    grid->SetColCount(columns);
    grid->SetRowCount(rows);
    grid->SetDefaultColWidth(30);
    grid->SetDefaultRowHeight(20);
    top.resize(400, 300);
  }
  bool Show() {
    top.show();
    QApplication::setActiveWindow(&top);
    return QTest::qWaitForWindowActive(&top);
  }
  QAccessibleInterface* Table() const { return QAccessible::queryAccessibleInterface(grid); }
  QString Name(int column, int row) const {
    return Table()->tableInterface()->cellAt(row, column)->text(QAccessible::Name);
  }
};

QAccessibleInterface* FindByName(QAccessibleInterface* iface, const QString& name) {
  if (!iface) return nullptr;
  if (iface->text(QAccessible::Name) == name) return iface;
  for (int i = 0; i < iface->childCount(); ++i)
    if (QAccessibleInterface* found = FindByName(iface->child(i), name)) return found;
  return nullptr;
}

}  // namespace

class TAccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // What a screen reader's arrival does on a desktop: no event is sent while nobody listens.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QVERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler(Record);
  }
  void init() { Recorded.clear(); }
  void GridIsATableOfNamedCells_data();
  void GridIsATableOfNamedCells();
  void FocusFollowsTheCurrentCellOnlyWhileTheGridHasTheFocus();
  void ChangedNamesAreReportedOnlyForCellsReadBefore();
  void ANewShapeIsReportedOnceAndForgetsTheOldCells();
  void ClockReadsAsTheTimeItShowsAndReportsTicksWhileVisible();
  void MessageBoxesExposeTheirText();
};

void TAccessibilityTest::GridIsATableOfNamedCells_data() {
  QTest::addColumn<int>("columns");
  QTest::addColumn<int>("rows");
  QTest::newRow("9x9") << 9 << 9;
  QTest::newRow("25x25") << 25 << 25;
  QTest::newRow("wider than high") << 7 << 3;
}

void TAccessibilityTest::GridIsATableOfNamedCells() {
  QFETCH(int, columns);
  QFETCH(int, rows);
  TWindow w(columns, rows);
  QVERIFY(w.Show());
  QAccessibleInterface* table = w.Table();
  QVERIFY(table && table->tableInterface());
  QCOMPARE(table->role(), QAccessible::Table);
  QCOMPARE(table->tableInterface()->rowCount(), rows);
  QCOMPARE(table->tableInterface()->columnCount(), columns);
  QCOMPARE(table->childCount(), rows * columns);
  for (const QPoint cell : {QPoint(0, 0), QPoint(columns - 1, 0), QPoint(2, rows - 1)}) {
    QAccessibleInterface* iface = table->tableInterface()->cellAt(cell.y(), cell.x());
    QVERIFY(iface && iface->tableCellInterface());
    QCOMPARE(iface->role(), QAccessible::Cell);
    QCOMPARE(iface->tableCellInterface()->columnIndex(), cell.x());
    QCOMPARE(iface->tableCellInterface()->rowIndex(), cell.y());
    QCOMPARE(table->child(table->indexOfChild(iface)), iface);
    QCOMPARE(iface->text(QAccessible::Name),
             QStringLiteral("Row %1, column %2").arg(cell.y() + 1).arg(cell.x() + 1));
    // A cell in view is the one the accessible tree names at its place; one scrolled away is off
    // screen.
    const QPoint centre = iface->rect().center();
    if (w.grid->viewport()->rect().contains(w.grid->CellRect(cell.x(), cell.y())))
      QCOMPARE(table->childAt(centre.x(), centre.y()), iface);
    else
      QVERIFY(iface->state().offscreen && table->childAt(centre.x(), centre.y()) != iface);
  }
  QCOMPARE(table->tableInterface()->cellAt(rows, 0), nullptr);
  w.grid->SetCellNameHandler([](int c, int r) { return QStringLiteral("c%1 r%2").arg(c).arg(r); });
  QCOMPARE(w.Name(columns - 1, 1), QStringLiteral("c%1 r1").arg(columns - 1));
}

void TAccessibilityTest::FocusFollowsTheCurrentCellOnlyWhileTheGridHasTheFocus() {
  TWindow w;
  QVERIFY(w.Show());
  QAccessibleInterface* table = w.Table();
  w.button->setFocus();
  w.grid->SetCurrentCell(4, 2);
  QVERIFY(Events(QAccessible::Focus).empty() || Events(QAccessible::Focus).back().child == -1);
  QAccessibleInterface* current = table->tableInterface()->cellAt(2, 4);
  QVERIFY(current->state().selected && !current->state().focused);
  QCOMPARE(table->focusChild(), nullptr);

  // Taking the focus, the grid ends up reporting its current cell.
  w.grid->setFocus();
  QTRY_VERIFY(!Events(QAccessible::Focus).empty() && Events(QAccessible::Focus).back().child >= 0);
  QCOMPARE(Events(QAccessible::Focus).back().name, QStringLiteral("Row 3, column 5"));
  QCOMPARE(table->focusChild(), current);
  QVERIFY(current->state().focused);

  QTest::keyClick(w.grid, Qt::Key_Right);
  QCOMPARE(Events(QAccessible::Focus).back().name, QStringLiteral("Row 3, column 6"));
  QTest::keyClick(w.grid, Qt::Key_Up);
  QCOMPARE(Events(QAccessible::Focus).back().name, QStringLiteral("Row 2, column 6"));
  QVERIFY(!current->state().focused && !current->state().selected);
  QAccessibleInterface* target = table->tableInterface()->cellAt(6, 0);
  QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {},
                    w.grid->viewport()->mapFromGlobal(target->rect().center()));
  QCOMPARE(Events(QAccessible::Focus).back().name, QStringLiteral("Row 7, column 1"));

  // A screen reader's "set focus" on a cell moves the current cell there, from another control.
  w.button->setFocus();
  target = table->tableInterface()->cellAt(8, 8);
  target->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
  QCOMPARE(QPoint(w.grid->Col(), w.grid->Row()), QPoint(8, 8));
  QTRY_COMPARE(Events(QAccessible::Focus).back().name, QStringLiteral("Row 9, column 9"));
}

void TAccessibilityTest::ChangedNamesAreReportedOnlyForCellsReadBefore() {
  TWindow w;
  QVERIFY(w.Show());
  QString symbols(81, QLatin1Char(' '));
  w.grid->SetCellNameHandler([&](int c, int r) {
    return QStringLiteral("Row %1, column %2: %3").arg(r + 1).arg(c + 1).arg(symbols[r * 9 + c]);
  });
  (void)w.Name(1, 0);
  (void)w.Name(2, 0);
  Recorded.clear();
  symbols[1] = QLatin1Char('7');  // read before: reported
  symbols[4] = QLatin1Char('8');  // never read: nobody remembers its name
  w.grid->NotifyAllCellsChanged();
  std::vector<TRecorded> names = Events(QAccessible::NameChanged);
  QCOMPARE(names.size(), size_t(1));
  QCOMPARE(names[0].name, QStringLiteral("Row 1, column 2: 7"));
  QCOMPARE(names[0].child, 1);

  Recorded.clear();
  w.grid->NotifyCellChanged(2, 0);  // unchanged
  w.grid->NotifyCellChanged(1, 0);  // already reported
  QVERIFY(Events(QAccessible::NameChanged).empty());
  symbols[2] = QLatin1Char('3');
  w.grid->NotifyCellChanged(2, 0);
  w.grid->NotifyCellChanged(99, 0);
  names = Events(QAccessible::NameChanged);
  QCOMPARE(names.size(), size_t(1));
  QCOMPARE(names[0].name, QStringLiteral("Row 1, column 3: 3"));
}

void TAccessibilityTest::ANewShapeIsReportedOnceAndForgetsTheOldCells() {
  TWindow w;
  QVERIFY(w.Show());
  QAccessibleInterface* table = w.Table();
  const QAccessible::Id old = QAccessible::uniqueId(table->tableInterface()->cellAt(8, 8));
  w.grid->SetRowCount(16);
  w.grid->SetColCount(16);
  w.grid->SetColCount(16);
  QCOMPARE(QAccessible::accessibleInterface(old), nullptr);
  QTRY_COMPARE(Events(QAccessible::TableModelChanged).size(), size_t(1));
  QTest::qWait(10);
  QCOMPARE(Events(QAccessible::TableModelChanged).size(), size_t(1));
  QCOMPARE(table->childCount(), 256);
  QCOMPARE(table->tableInterface()->cellAt(15, 15)->text(QAccessible::Name),
           QStringLiteral("Row 16, column 16"));
}

void TAccessibilityTest::ClockReadsAsTheTimeItShowsAndReportsTicksWhileVisible() {
  qint64 elapsedMs = (12 * 60 + 34) * 1000;
  TDigitalClock clock;
  clock.SetElapsedSource([&elapsedMs] { return elapsedMs; });
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&clock);
  QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("00:12:34"));
  QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("00:12:34"));

  elapsedMs += 1000;  // hidden: no news
  clock.Refresh();
  QVERIFY(Events(QAccessible::ValueChanged).empty() && Events(QAccessible::NameChanged).empty());
  clock.show();
  QVERIFY(QTest::qWaitForWindowExposed(&clock));
  elapsedMs += 1000;
  clock.Refresh();
  clock.Refresh();  // the same second again
  QCOMPARE(Events(QAccessible::ValueChanged).size(), size_t(1));
  QCOMPARE(Events(QAccessible::NameChanged).size(), size_t(1));
  QCOMPARE(Events(QAccessible::NameChanged)[0].name, QStringLiteral("00:12:36"));
}

void TAccessibilityTest::MessageBoxesExposeTheirText() {
  const QString text = QStringLiteral("Congratulations !\r\nYou've successfully completed");
  TQtMessageService messages;
  TQtConfirmService confirm;
  for (const bool question : {false, true}) {
    bool found = false;
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      found = FindByName(QAccessible::queryAccessibleInterface(box), text) != nullptr;
      box->close();
    });
    if (question)
      (void)confirm.AskYesNoCancel(nullptr, text);
    else
      messages.ShowMessage(nullptr, text);
    QVERIFY2(found, question ? "question" : "message");
  }
}

QTEST_MAIN(TAccessibilityTest)
#include "test_accessibility.moc"
