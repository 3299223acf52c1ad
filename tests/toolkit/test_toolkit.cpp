// Tests of the toolkit widgets: the drawable grid, the digital clock, action buttons, radio groups.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "Services.h"
#include "TActionButton.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"

namespace {

class TStillTime final : public ITimeService {
 public:
  QDateTime Now() const override { return Current; }
  QDateTime Current{QDate(2024, 1, 2), QTime(10, 20, 30)};
};

struct TPaintedCell {
  int column;
  int row;
  QRect rect;
  bool focused;
};

// A grid of 4 × 3 cells, 20 × 10 pixels, 2-pixel lines, inside a top-level widget.
struct TGridFixture {
  QWidget top;
  TDrawGrid* grid;
  std::vector<TPaintedCell> painted;

  TGridFixture() {
    auto* layout = new QVBoxLayout(&top);
    layout->setContentsMargins(0, 0, 0, 0);
    grid = new TDrawGrid(&top);
    grid->setFrameShape(QFrame::NoFrame);
    layout->addWidget(grid);
    grid->SetColCount(4);
    grid->SetRowCount(3);
    grid->SetDefaultColWidth(20);
    grid->SetDefaultRowHeight(10);
    grid->SetGridLineWidth(2);
    grid->SetDrawCellHandler([this](QPainter&, int c, int r, const QRect& rect, bool focused) {
      painted.push_back({c, r, rect, focused});
    });
    top.resize(200, 200);
  }
};

}  // namespace

class TToolkitTest : public QObject {
  Q_OBJECT

 private slots:
  void MouseToCellMapsCellsAndTheLinesAfterThem_data();
  void MouseToCellMapsCellsAndTheLinesAfterThem();
  void CellRectLeavesOutTheLines();
  void CurrentCellIsClamped();
  void ArrowKeysAndLeftClickMoveTheCurrentCellRightClickDoesNot();
  void KeyDownAndMouseDownComeBeforeTheGridsOwnHandling();
  void PaintCallsTheHandlerForEveryCellAndFlagsOnlyTheFocusedOne();
  void LinesBetweenCellsAreSilver();
  void ScrollBarsAppearOnlyWhenTheCellsDoNotFit();
  void ScrollBarsFollowTheAreaWithoutBars_data();
  void ScrollBarsFollowTheAreaWithoutBars();
  void ClockShowsTheDurationHandedToIt_data();
  void ClockShowsTheDurationHandedToIt();
  void ClockSegmentsStandOutFromTheirBackground();
  void ActionButtonFollowsItsActionUnlessGivenItsOwnCaption();
  void ActionButtonRunsItsActionOnlyWhileEnabled();
  void RadioGroupKeepsOneSelectedIndex();
};

void TToolkitTest::MouseToCellMapsCellsAndTheLinesAfterThem_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<bool>("inside");
  QTest::addColumn<int>("column");
  QTest::addColumn<int>("row");
  QTest::newRow("top-left pixel") << QPoint(0, 0) << true << 0 << 0;
  QTest::newRow("last pixel of cell 0") << QPoint(19, 9) << true << 0 << 0;
  QTest::newRow("line after column 0") << QPoint(21, 11) << true << 0 << 0;
  QTest::newRow("first pixel of cell (1,1)") << QPoint(22, 12) << true << 1 << 1;
  QTest::newRow("last cell") << QPoint(3 * 22 + 5, 2 * 12 + 5) << true << 3 << 2;
  QTest::newRow("right of the grid") << QPoint(4 * 22, 5) << false << -1 << -1;
  QTest::newRow("below the grid") << QPoint(5, 3 * 12) << false << -1 << -1;
  QTest::newRow("negative") << QPoint(-1, 5) << false << -1 << -1;
}

void TToolkitTest::MouseToCellMapsCellsAndTheLinesAfterThem() {
  QFETCH(QPoint, point);
  QFETCH(bool, inside);
  QFETCH(int, column);
  QFETCH(int, row);
  TGridFixture f;
  int c = 99;
  int r = 99;
  QCOMPARE(f.grid->MouseToCell(point, c, r), inside);
  QCOMPARE(c, column);
  QCOMPARE(r, row);
}

void TToolkitTest::CellRectLeavesOutTheLines() {
  TGridFixture f;
  QCOMPARE(f.grid->CellRect(0, 0), QRect(0, 0, 20, 10));
  QCOMPARE(f.grid->CellRect(2, 1), QRect(44, 12, 20, 10));
}

void TToolkitTest::CurrentCellIsClamped() {
  TGridFixture f;
  QSignalSpy changed(f.grid, &TDrawGrid::CurrentCellChanged);
  f.grid->SetCurrentCell(10, -4);
  QCOMPARE(f.grid->Col(), 3);
  QCOMPARE(f.grid->Row(), 0);
  QCOMPARE(changed.count(), 1);
  f.grid->SetRowCount(2);
  f.grid->SetCurrentCell(1, 7);
  QCOMPARE(f.grid->Row(), 1);
}

void TToolkitTest::ArrowKeysAndLeftClickMoveTheCurrentCellRightClickDoesNot() {
  TGridFixture f;
  f.top.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.top));
  f.grid->setFocus();
  QTest::keyClick(f.grid, Qt::Key_Right);
  QTest::keyClick(f.grid, Qt::Key_Down);
  QCOMPARE(f.grid->Col(), 1);
  QCOMPARE(f.grid->Row(), 1);
  QTest::keyClick(f.grid, Qt::Key_Up);
  QTest::keyClick(f.grid, Qt::Key_Up);  // stops at the top row
  QCOMPARE(f.grid->Row(), 0);
  QTest::keyClick(f.grid, Qt::Key_End);
  QCOMPARE(f.grid->Col(), 3);

  QTest::mouseClick(f.grid->viewport(), Qt::RightButton, {}, QPoint(25, 25));
  QCOMPARE(f.grid->Col(), 3);
  QCOMPARE(f.grid->Row(), 0);
  QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, QPoint(25, 25));
  QCOMPARE(f.grid->Col(), 1);
  QCOMPARE(f.grid->Row(), 2);
}

void TToolkitTest::KeyDownAndMouseDownComeBeforeTheGridsOwnHandling() {
  TGridFixture f;
  f.top.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.top));
  int columnSeenAtKey = -1;
  QObject::connect(f.grid, &TDrawGrid::KeyDown, f.grid,
                   [&](QKeyEvent*) { columnSeenAtKey = f.grid->Col(); });
  QTest::keyClick(f.grid, Qt::Key_Right);
  QCOMPARE(columnSeenAtKey, 0);
  QCOMPARE(f.grid->Col(), 1);

  QSignalSpy mouse(f.grid, &TDrawGrid::MouseDown);
  QTest::mouseClick(f.grid->viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(50, 5));
  QCOMPARE(mouse.count(), 1);
  QCOMPARE(mouse.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
  QCOMPARE(mouse.at(0).at(1).toPoint(), QPoint(50, 5));
}

void TToolkitTest::PaintCallsTheHandlerForEveryCellAndFlagsOnlyTheFocusedOne() {
  TGridFixture f;
  auto* other = new QPushButton(QStringLiteral("other"), &f.top);
  f.top.layout()->addWidget(other);
  f.top.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.top));
  f.grid->SetCurrentCell(2, 1);
  other->setFocus();

  f.painted.clear();
  (void)f.grid->viewport()->grab();
  QCOMPARE(static_cast<int>(f.painted.size()), 12);
  for (const TPaintedCell& cell : f.painted) {
    QCOMPARE(cell.rect, f.grid->CellRect(cell.column, cell.row));
    QVERIFY(!cell.focused);  // another control is the window's active one
  }

  f.grid->setFocus();
  f.painted.clear();
  (void)f.grid->viewport()->grab();
  int focused = 0;
  for (const TPaintedCell& cell : f.painted) {
    if (!cell.focused) continue;
    ++focused;
    QCOMPARE(cell.column, 2);
    QCOMPARE(cell.row, 1);
  }
  QCOMPARE(focused, 1);
}

void TToolkitTest::LinesBetweenCellsAreSilver() {
  TGridFixture f;
  f.top.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.top));
  const QImage img = f.grid->viewport()->grab().toImage();
  const QColor silver(192, 192, 192);
  QCOMPARE(img.pixelColor(20, 5), silver);  // vertical line after column 0
  QCOMPARE(img.pixelColor(21, 5), silver);
  QCOMPARE(img.pixelColor(5, 10), silver);  // horizontal line below row 0
  QCOMPARE(img.pixelColor(5, 5), QColor(Qt::white));
  QCOMPARE(img.pixelColor(22, 12), QColor(Qt::white));
}

void TToolkitTest::ScrollBarsAppearOnlyWhenTheCellsDoNotFit() {
  TGridFixture f;
  f.top.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.top));
  QCOMPARE(f.grid->horizontalScrollBar()->maximum(), 0);
  QCOMPARE(f.grid->verticalScrollBar()->maximum(), 0);
  f.grid->SetColCount(25);
  f.grid->SetRowCount(25);
  QVERIFY(f.grid->horizontalScrollBar()->maximum() > 0);
  QVERIFY(f.grid->verticalScrollBar()->maximum() > 0);
  // Their context menu is the grid's: the request reaches the grid, and no modal menu of the
  // scroll bar's own opens.
  f.grid->viewport()->setContextMenuPolicy(Qt::CustomContextMenu);
  QSignalSpy menu(f.grid->viewport(), &QWidget::customContextMenuRequested);
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
  QApplication::sendEvent(f.grid->verticalScrollBar(), &click);
  QCOMPARE(menu.count(), 1);
  // Making the last cell current scrolls it into view.
  f.grid->SetCurrentCell(24, 24);
  const QRect last = f.grid->CellRect(24, 24);
  QVERIFY(f.grid->viewport()->rect().contains(last));
}

// The area is 900 × 650 pixels; whether a bar shows must not depend on the bars shown before.
void TToolkitTest::ScrollBarsFollowTheAreaWithoutBars_data() {
  QTest::addColumn<int>("columns");
  QTest::addColumn<int>("rows");
  QTest::addColumn<int>("cellWidth");
  QTest::addColumn<int>("cellHeight");
  QTest::addColumn<bool>("horizontal");
  QTest::addColumn<bool>("vertical");
  QTest::newRow("25x25 fits exactly") << 25 << 25 << 34 << 24 << false << false;
  QTest::newRow("one pixel too wide") << 25 << 20 << 35 << 24 << true << false;
  QTest::newRow("one pixel too high") << 20 << 25 << 34 << 25 << false << true;
  QTest::newRow("the wide one's bar makes it too high") << 25 << 25 << 35 << 24 << true << true;
  QTest::newRow("the high one's bar makes it too wide") << 25 << 25 << 34 << 25 << true << true;
}

void TToolkitTest::ScrollBarsFollowTheAreaWithoutBars() {
  QFETCH(int, columns);
  QFETCH(int, rows);
  QFETCH(int, cellWidth);
  QFETCH(int, cellHeight);
  QFETCH(bool, horizontal);
  QFETCH(bool, vertical);
  TGridFixture f;
  f.top.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.top));
  f.grid->SetColCount(columns);
  f.grid->SetRowCount(rows);
  f.grid->SetDefaultColWidth(cellWidth);
  f.grid->SetDefaultRowHeight(cellHeight);
  // Reached from a smaller area (both bars shown) and from a larger one (none shown).
  for (const QSize before : {QSize(300, 200), QSize(1200, 900)}) {
    f.top.resize(before);
    QCoreApplication::processEvents();
    f.top.resize(900, 650);
    QCoreApplication::processEvents();
    const QString from = QStringLiteral("from %1x%2").arg(before.width()).arg(before.height());
    QVERIFY2(f.grid->horizontalScrollBar()->isVisible() == horizontal, qPrintable(from));
    QVERIFY2(f.grid->verticalScrollBar()->isVisible() == vertical, qPrintable(from));
    // Scrolled to the end, the last cell is wholly in view.
    f.grid->SetCurrentCell(columns - 1, rows - 1);
    QVERIFY2(f.grid->viewport()->rect().contains(f.grid->CellRect(columns - 1, rows - 1)),
             qPrintable(from));
  }
}

void TToolkitTest::ClockShowsTheDurationHandedToIt_data() {
  QTest::addColumn<qint64>("ms");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<int>("digits");
  QTest::newRow("start") << qint64(0) << "00:00:00" << 8;
  QTest::newRow("a second not yet whole") << qint64(999) << "00:00:00" << 8;
  QTest::newRow("hours, minutes, seconds")
      << qint64((3 * 3600 + 4 * 60 + 5) * 1000) << "03:04:05" << 8;
  QTest::newRow("no wrap at a day") << qint64(25LL * 3600 * 1000) << "25:00:00" << 8;
  QTest::newRow("a hundred hours") << qint64((100LL * 3600 + 59) * 1000) << "100:00:59" << 9;
  QTest::newRow("negative") << qint64(-5000) << "00:00:00" << 8;
}

void TToolkitTest::ClockShowsTheDurationHandedToIt() {
  QFETCH(qint64, ms);
  QFETCH(QString, shown);
  QFETCH(int, digits);
  TDigitalClock clock;
  clock.SetElapsedSource([ms] { return ms; });
  QCOMPARE(clock.Text(), shown);
  QCOMPARE(clock.digitCount(), digits);
}

namespace {
// Relative luminance as the web's accessibility guidelines define it.
double Luminance(const QColor& c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
}  // namespace

void TToolkitTest::ClockSegmentsStandOutFromTheirBackground() {
  // On a light panel, as in the window.
  QWidget panel;
  panel.setAutoFillBackground(true);
  panel.setPalette(QPalette(QColor(240, 240, 240)));
  auto* clock = new TDigitalClock(&panel);
  clock->setGeometry(18, 32, 156, 32);
  // Every segment lit in some digit.
  clock->SetElapsedSource([] { return qint64{(18 * 3600 + 48 * 60 + 28) * 1000}; });
  panel.show();
  QVERIFY(QTest::qWaitForWindowExposed(&panel));
  const QImage shot = panel.grab(clock->geometry()).toImage();
  // The two commonest colours inside the bevel are the background and the segments.
  std::map<QRgb, int> counts;
  const QRect inside = clock->contentsRect();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) ++counts[shot.pixel(x, y)];
  std::vector<std::pair<int, QRgb>> byCount;
  for (const auto& [rgb, n] : counts) byCount.emplace_back(n, rgb);
  std::sort(byCount.rbegin(), byCount.rend());
  QVERIFY(byCount.size() >= 2);
  const double a = Luminance(QColor(byCount[0].second));
  const double b = Luminance(QColor(byCount[1].second));
  const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
  QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("contrast %1:1").arg(ratio, 0, 'f', 2)));
}

void TToolkitTest::ActionButtonFollowsItsActionUnlessGivenItsOwnCaption() {
  QAction action(QStringLiteral("Genera [F10]"));
  TActionButton follower;
  follower.SetAction(&action);
  QCOMPARE(follower.text(), QStringLiteral("Genera [F10]"));

  TActionButton own;
  own.setText(QStringLiteral("Guida \n[F1]"));
  own.SetAction(&action, true);
  QCOMPARE(own.text(), QStringLiteral("Guida \n[F1]"));

  action.setText(QStringLiteral("Rigenera [F10]"));
  QCOMPARE(follower.text(), QStringLiteral("Rigenera [F10]"));
  QCOMPARE(own.text(), QStringLiteral("Guida \n[F1]"));

  // A caption set on the button itself is kept when the action changes later.
  follower.setText(QStringLiteral("Suggerimento!"));
  action.setText(QStringLiteral("Suggerimento! [F4]"));
  QCOMPARE(follower.text(), QStringLiteral("Suggerimento!"));
  // ... unless it happens to equal the action's caption at that moment.
  follower.setText(QStringLiteral("Suggerimento! [F4]"));
  action.setText(QStringLiteral("Hint! [F4]"));
  QCOMPARE(follower.text(), QStringLiteral("Hint! [F4]"));
}

void TToolkitTest::ActionButtonRunsItsActionOnlyWhileEnabled() {
  QAction action(QStringLiteral("Gioca"));
  TActionButton button;
  button.SetAction(&action);
  QSignalSpy triggered(&action, &QAction::triggered);
  action.setEnabled(false);
  QVERIFY(!button.isEnabled());
  button.click();
  QCOMPARE(triggered.count(), 0);
  action.setEnabled(true);
  QVERIFY(button.isEnabled());
  button.click();
  QCOMPARE(triggered.count(), 1);
}

void TToolkitTest::RadioGroupKeepsOneSelectedIndex() {
  TRadioGroup group;
  auto* layout = new QVBoxLayout(&group);
  for (const char* caption : {"3x3", "4x4", "5x5"})
    layout->addWidget(new QRadioButton(QString::fromLatin1(caption), &group));
  QCOMPARE(group.Count(), 3);
  QCOMPARE(group.ItemIndex(), -1);
  QSignalSpy clicked(&group, &TRadioGroup::ItemClicked);
  group.SetItemIndex(0);
  QCOMPARE(group.ItemIndex(), 0);
  QCOMPARE(clicked.count(), 0);
  group.Item(2)->click();
  QCOMPARE(group.ItemIndex(), 2);
  QCOMPARE(clicked.count(), 1);
  QCOMPARE(clicked.at(0).at(0).toInt(), 2);
  QVERIFY(!group.Item(0)->isChecked());
  group.SetItemIndex(-1);
  QCOMPARE(group.ItemIndex(), -1);
  group.SetItemIndex(7);
  QCOMPARE(group.ItemIndex(), -1);
  QCOMPARE(group.Item(3), nullptr);
  group.SetItemCaption(1, QStringLiteral("Medium"));
  QCOMPARE(group.ItemCaption(1), QStringLiteral("Medium"));
  QCOMPARE(group.ItemCaption(5), QString());
}

QTEST_MAIN(TToolkitTest)
#include "test_toolkit.moc"
