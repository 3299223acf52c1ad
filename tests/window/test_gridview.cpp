// The grid as painted: what each cell shows follows the model (givens blue bold, entries black,
// conflicts struck through, the selection ellipse while playing), the box lines, the symbol's
// place, and the cell sizes per box size and font size.
#include <QImage>

#include "WindowDriver.h"

namespace {

bool IsRed(QColor c) {
  return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}
bool IsBlue(QColor c) {
  return c.blue() > 150 && c.red() < 110 && c.green() < 110;
}
bool IsDark(QColor c) {
  return c.red() < 110 && c.green() < 110 && c.blue() < 110;
}

struct TCellInk {
  int red = 0;
  int blue = 0;
  int dark = 0;
  int ink = 0;
  QRect box;  // bounding box of the ink that is not red
};

// A shown window with a puzzle of the box size, large enough for every cell to be in view.
struct TGridWindow : TWindow {
  int Side = 9;

  explicit TGridWindow(int boxSize, GameState state) {
    Side = boxSize * boxSize;
    Reach(state, boxSize);
    Form->resize(1240, 940);
    QApplication::processEvents();
    QVERIFY(Grid()->viewport()->rect().contains(Grid()->CellRect(Side - 1, Side - 1)));
  }

  // No control but the grid: no focus rectangle and no selection mark anywhere.
  void UnfocusGrid() { Find("btnFontPiu")->setFocus(); }
  QImage Grab() const { return Grid()->viewport()->grab().toImage(); }

  // The ink inside a cell, leaving out its last two pixel columns and rows, where a box separator
  // may reach in, and its outermost pixels, where the focus rectangle lies.
  TCellInk Ink(const QImage& img, int column, int row) const {
    TCellInk ink;
    const QRect rect = Grid()->CellRect(column, row).adjusted(1, 1, -2, -2);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x) {
        const QColor c = img.pixelColor(x, y);
        if (IsRed(c)) {
          ++ink.red;
        } else if (c != QColor(Qt::white)) {
          ++ink.ink;
          ink.blue += IsBlue(c);
          ink.dark += IsDark(c);
          ink.box |= QRect(x, y, 1, 1);
        }
      }
    return ink;
  }
  bool IsGiven(int column, int row) const { return Game().GivenGrid()[row][column] != ' '; }
  // Types a symbol into a cell, as a player who moved there.
  void Type(int column, int row, char symbol) {
    GoToCell(Form.get(), column, row);
    Press(Qt::Key(symbol));
  }
};

void AddBoxSizes() {
  QTest::addColumn<int>("boxSize");
  QTest::newRow("9x9") << 3;
  QTest::newRow("16x16") << 4;
  QTest::newRow("25x25") << 5;
}

}  // namespace

class TestGridView : public QObject {
  Q_OBJECT

 private slots:
  void thickLinesFollowTheBoxes_data() { AddBoxSizes(); }
  void thickLinesFollowTheBoxes() {
    QFETCH(int, boxSize);
    TGridWindow w(boxSize, gsSolutionView);
    w.UnfocusGrid();
    const QImage img = w.Grab();
    const QColor black(0, 0, 0);
    const QColor silver(192, 192, 192);
    for (int i = 0; i < w.Side; ++i) {
      const QRect cell = w.Grid()->CellRect(i, i);
      const int right = cell.left() + cell.width();
      const int bottom = cell.top() + cell.height();
      const bool box = (i + 1) % boxSize == 0;
      QCOMPARE(img.pixelColor(right, cell.center().y()), box ? black : silver);
      QCOMPARE(img.pixelColor(cell.center().x(), bottom), box ? black : silver);
      if (!box) continue;
      // Three pixels wide, centred on the cell's edge, unbroken across the silver line below.
      QCOMPARE(img.pixelColor(right - 1, cell.center().y()), black);
      QCOMPARE(img.pixelColor(right + 1, cell.center().y()), black);
      QCOMPARE(img.pixelColor(cell.center().x(), bottom + 1), black);
      QCOMPARE(img.pixelColor(right, bottom), black);
    }
    // None along the grid's left and top edges.
    const QRect first = w.Grid()->CellRect(0, 0);
    QCOMPARE(img.pixelColor(0, first.center().y()), QColor(Qt::white));
    QCOMPARE(img.pixelColor(first.center().x(), 0), QColor(Qt::white));
  }

  // Conflicting entries in a row and a column, marking on: each cell's ink follows its view in the
  // model, the diagonal runs 5 pixels inside the cell, and the symbol stands at the offset worked
  // out from "8".
  void cellsArePaintedAsTheModelShowsThem_data() { AddBoxSizes(); }
  void cellsArePaintedAsTheModelShowsThem() {
    QFETCH(int, boxSize);
    TGridWindow w(boxSize, gsPlaying);
    // Every open cell of row 0 gets the symbol of the row's first given: the same glyph as a
    // given and as an entry, and conflicts for both.
    int given = 0;
    while (!w.IsGiven(given, 0)) ++given;
    const char ch = w.Game().PlayGrid()[0][given];
    for (int column = 0; column < w.Side; ++column)
      if (!w.IsGiven(column, 0)) w.Type(column, 0, ch);
    w.UnfocusGrid();
    const QImage plain = w.Grab();
    const TCellInk givenInk = w.Ink(plain, given, 0);
    for (int column = 0; column < w.Side; ++column) {
      // Bold: the given's strokes cover more pixels than the same symbol set regular.
      if (!w.IsGiven(column, 0)) QVERIFY(givenInk.ink > w.Ink(plain, column, 0).ink);
    }
    // The whole width of "8", not half of it: the symbol stands left of the cell's centre.
    QFont bold = w.Grid()->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QRect cell = w.Grid()->CellRect(given, 0);
    const int dx = cell.width() / 2 - metrics.horizontalAdvance(QLatin1Char('8'));
    const int dy = cell.height() / 2 - metrics.height() / 2;
    const QRect expected = metrics.boundingRect(QLatin1Char(ch))
                               .translated(cell.left() + dx, cell.top() + dy + metrics.ascent());
    QVERIFY2(qAbs(givenInk.box.left() - expected.left()) <= 1,
             qPrintable(QStringLiteral("%1 vs %2").arg(givenInk.box.left()).arg(expected.left())));
    QVERIFY(qAbs(givenInk.box.bottom() - expected.bottom()) <= 1);

    w.Press(Qt::Key_F8);
    w.UnfocusGrid();
    const QImage img = w.Grab();
    int marked = 0;
    for (int row = 0; row < w.Side; ++row)
      for (int column = 0; column < w.Side; ++column) {
        const TCellView view = w.Game().CellView(row, column);
        const TCellInk ink = w.Ink(img, column, row);
        const QString where = QStringLiteral("row %1 column %2").arg(row).arg(column);
        QVERIFY2((ink.red > 0) == view.conflict, qPrintable(where));
        QVERIFY2((ink.ink > 0) == (view.symbol != ' '), qPrintable(where));
        if (view.symbol == ' ') continue;
        QVERIFY2(view.given ? ink.blue > 0 && ink.dark == 0 : ink.dark > 0 && ink.blue == 0,
                 qPrintable(where));
        if (!view.conflict) continue;
        ++marked;
        const QRect box = w.Grid()->CellRect(column, row);
        QVERIFY(IsRed(img.pixelColor(box.left() + box.width() - 5, box.top() + 5)));
        QVERIFY(IsRed(img.pixelColor(box.left() + 5, box.top() + box.height() - 5)));
        QVERIFY(!IsRed(img.pixelColor(box.left() + 5, box.top() + 5)));
      }
    QVERIFY(marked >= 2);
    // In the solution views every cell shows the solution, and no mark.
    w.Press(Qt::Key_F6);
    const QImage solution = w.Grab();
    for (int column = 0; column < w.Side; ++column) {
      const TCellInk ink = w.Ink(solution, column, 0);
      QVERIFY(ink.ink > 0 && ink.red == 0);
    }
  }

  // Each note at the place of its symbol in an N × N layout; an entry hides the cell's notes; the
  // printed grid shows them as the screen does.
  void notesStandAtTheirPlaces_data() { AddBoxSizes(); }
  void notesStandAtTheirPlaces() {
    QFETCH(int, boxSize);
    TGridWindow w(boxSize, gsPlaying);
    const std::string_view symbols = w.Game().Symbols();
    int column = 0;
    while (w.IsGiven(column, 0)) ++column;
    const QRect cell = w.Grid()->CellRect(column, 0);
    // The place of symbol k, a pixel wider all round than its share of the cell.
    const auto place = [&](std::size_t k) {
      const int i = int(k) % boxSize;
      const int j = int(k) / boxSize;
      return QRect(cell.left() + cell.width() * i / boxSize - 1,
                   cell.top() + cell.height() * j / boxSize - 1, cell.width() / boxSize + 3,
                   cell.height() / boxSize + 3);
    };
    w.Press(Qt::Key_F2);
    for (const std::size_t k : {std::size_t(0), symbols.size() / 2, symbols.size() - 1}) {
      w.Type(column, 0, ' ');
      w.Type(column, 0, symbols[k]);
      w.UnfocusGrid();
      const QImage img = w.Grab();
      const TCellInk ink = w.Ink(img, column, 0);
      QVERIFY2(ink.dark > 0 && place(k).contains(ink.box),
               qPrintable(QStringLiteral("note %1 inked at %2,%3 %4x%5")
                              .arg(symbols[k])
                              .arg(ink.box.x())
                              .arg(ink.box.y())
                              .arg(ink.box.width())
                              .arg(ink.box.height())));
      QCOMPARE(w.Grid()->RenderContent().copy(cell), img.copy(cell));
    }
    w.Press(Qt::Key_F2);
    const char entry = symbols[0];
    w.Type(column, 0, entry);
    w.UnfocusGrid();
    QVERIFY(!place(symbols.size() - 1).contains(w.Ink(w.Grab(), column, 0).box));
    QCOMPARE(w.Game().CellView(0, column).notes, 0u);
  }

  void selectionEllipseOnTheFocusedCellWhilePlaying() {
    TGridWindow w(3, gsPlaying);
    GoToCell(w.Form.get(), 2, 1);
    auto redCells = [&](const QImage& img) {
      QList<QPoint> cells;
      for (int r = 0; r < w.Side; ++r)
        for (int c = 0; c < w.Side; ++c)
          if (w.Ink(img, c, r).red > 0) cells << QPoint(c, r);
      return cells;
    };
    QImage img = w.Grab();
    QCOMPARE(redCells(img), QList<QPoint>{QPoint(2, 1)});
    // An unfilled ellipse inset 2 pixels: red at the middle of its left side, white inside.
    const QRect cell = w.Grid()->CellRect(2, 1);
    QVERIFY(IsRed(img.pixelColor(cell.left() + 2, cell.center().y())) ||
            IsRed(img.pixelColor(cell.left() + 3, cell.center().y())));
    QVERIFY(!IsRed(img.pixelColor(cell.left() + 1, cell.center().y())));
    QVERIFY(!IsRed(img.pixelColor(cell.center())));
    // The focus on another control, or another state: no mark.
    w.UnfocusGrid();
    QVERIFY(redCells(w.Grab()).isEmpty());
    w.Grid()->setFocus();
    w.Press(Qt::Key_F6);
    QVERIFY(redCells(w.Grab()).isEmpty());
  }

  // Cell sizes per box size at the starting 8 points and at the largest 16; "+" and "-" stop
  // there, and the size they leave survives a new set-up.
  void cellSizesFollowTheBoxAndFontSize_data() {
    QTest::addColumn<int>("boxSize");
    QTest::addColumn<QSize>("cellAt8");
    QTest::addColumn<QSize>("cellAt16");
    QTest::addColumn<int>("lineWidth");
    QTest::newRow("9x9") << 3 << QSize(44, 34) << QSize(52, 42) << 3;
    QTest::newRow("16x16") << 4 << QSize(34, 24) << QSize(42, 32) << 2;
    QTest::newRow("25x25") << 5 << QSize(34, 24) << QSize(42, 32) << 2;
  }
  void cellSizesFollowTheBoxAndFontSize() {
    QFETCH(int, boxSize);
    QFETCH(QSize, cellAt8);
    QFETCH(QSize, cellAt16);
    QFETCH(int, lineWidth);
    TWindow w;
    TDrawGrid* grid = w.Grid();
    auto cell = [&] { return QSize(grid->DefaultColWidth(), grid->DefaultRowHeight()); };
    QWidget* plus = w.Find("btnFontPiu");
    QWidget* minus = w.Find("btnFontMeno");
    // Before any puzzle the buttons already work, on the hidden grid.
    for (int i = 0; i < 9; ++i) QTest::mouseClick(plus, Qt::LeftButton);
    QCOMPARE(grid->font().pointSize(), 16);
    w.Generate(boxSize);
    QCOMPARE(grid->ColCount(), boxSize * boxSize);
    QCOMPARE(grid->RowCount(), boxSize * boxSize);
    QCOMPARE(grid->GridLineWidth(), lineWidth);
    QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(0, 0));
    QCOMPARE(cell(), cellAt16);
    for (int i = 0; i < 9; ++i) QTest::mouseClick(minus, Qt::LeftButton);
    QCOMPARE(grid->font().pointSize(), 8);
    QCOMPARE(cell(), cellAt8);
    QTest::mouseClick(plus, Qt::LeftButton);
    QCOMPARE(cell(), cellAt8 + QSize(1, 1));
  }
};

QTEST_MAIN(TestGridView)
#include "test_gridview.moc"
