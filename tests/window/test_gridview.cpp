// The grid as painted: what each cell shows follows the model (givens blue bold, entries black,
// conflicts struck through, the selection ellipse while playing), the box lines, the symbol's
// place, and the cell sizes per box size and font size.
#include <QCheckBox>
#include <QImage>
#include <QPushButton>

#include "NoteGlyphs.h"
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
    // The place of symbol k, a pixel wider all round than its share of the cell, where the notes
    // have fixed places; the whole cell where a lone note is written as large as the cell allows.
    const bool fixed = LayOutNotes(cell, 1, symbols, boxSize, w.Grid()->font()).fixedPlaces;
    QCOMPARE(fixed, boxSize == 3);
    const auto place = [&](std::size_t k) {
      if (!fixed) return cell;
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
    if (fixed) QVERIFY(!place(symbols.size() - 1).contains(w.Ink(w.Grab(), column, 0).box));
    QCOMPARE(w.Game().CellView(0, column).notes, 0u);
  }

  // Notes in the grid's font grow with the cell (the + button) at every size: three notes are
  // readable at every font size, a full set never leaves its cell, no two notes share pixels, and
  // the ink on screen is as tall as the layout says.
  void notesGrowWithTheFont_data() { AddBoxSizes(); }
  void notesGrowWithTheFont() {
    QFETCH(int, boxSize);
    TGridWindow w(boxSize, gsPlaying);
    const std::string_view symbols = w.Game().Symbols();
    const TNotes all = (TNotes{1} << symbols.size()) - 1;
    const TNotes three = 1 | 1u << (symbols.size() / 2) | 1u << (symbols.size() - 1);
    while (w.Grid()->font().pointSize() > 8)
      QTest::mouseClick(w.Find<QPushButton>("btnFontMeno"), Qt::LeftButton);
    int previous = 0;
    int smallest = 0;
    for (int step = 0;; ++step) {
      const QRect cell = w.Grid()->CellRect(0, 0);
      const TNoteLayout few = LayOutNotes(cell, three, symbols, boxSize, w.Grid()->font());
      const TNoteLayout full = LayOutNotes(cell, all, symbols, boxSize, w.Grid()->font());
      QVERIFY2(few.capHeight >= ReadableNoteCapHeight,
               qPrintable(QStringLiteral("three notes %1 px tall at %2 pt")
                              .arg(few.capHeight)
                              .arg(w.Grid()->font().pointSize())));
      QVERIFY(few.capHeight >= previous);
      QCOMPARE(full.places.size(), symbols.size());
      for (std::size_t i = 0; i < full.places.size(); ++i) {
        QVERIFY(cell.contains(full.places[i].box));
        for (std::size_t j = i + 1; j < full.places.size(); ++j)
          QVERIFY(!full.places[i].box.intersects(full.places[j].box));
      }
      if (step == 0) smallest = few.capHeight;
      previous = few.capHeight;
      if (w.Grid()->font().pointSize() >= 16) break;
      QTest::mouseClick(w.Find<QPushButton>("btnFontPiu"), Qt::LeftButton);
    }
    QVERIFY2(previous > smallest,
             qPrintable(QStringLiteral("%1 -> %2").arg(smallest).arg(previous)));
    // On screen: three notes typed into an open cell are inked at least as tall as their capitals.
    int column = 0;
    while (w.IsGiven(column, 0)) ++column;
    w.Press(Qt::Key_F2);
    for (const std::size_t k : {std::size_t(0), symbols.size() / 2, symbols.size() - 1})
      w.Type(column, 0, symbols[k]);
    w.UnfocusGrid();
    const QRect cell = w.Grid()->CellRect(column, 0);
    const TNoteLayout few = LayOutNotes(cell, three, symbols, boxSize, w.Grid()->font());
    const QImage img = w.Grab();
    for (const TNotePlace& place : few.places) {
      QRect ink;
      for (int y = place.box.top(); y <= place.box.bottom(); ++y)
        for (int x = place.box.left(); x <= place.box.right(); ++x)
          if (IsDark(img.pixelColor(x, y))) ink |= QRect(x, y, 1, 1);
      QVERIFY2(ink.height() >= few.capHeight - 1,
               qPrintable(
                   QStringLiteral("note %1 inked %2 px tall").arg(place.symbol).arg(ink.height())));
    }
    // With the selection mark on the cell, no red runs through a note.
    w.Grid()->setFocus();
    QApplication::processEvents();
    const QImage marked = w.Grab();
    const QFontMetrics metrics(few.font);
    for (const TNotePlace& place : few.places) {
      const QRect glyph(
          place.box.center().x() - metrics.horizontalAdvance(QLatin1Char(place.symbol)) / 2,
          place.box.center().y() - metrics.capHeight() / 2,
          metrics.horizontalAdvance(QLatin1Char(place.symbol)), metrics.capHeight());
      for (int y = glyph.top(); y <= glyph.bottom(); ++y)
        for (int x = glyph.left(); x <= glyph.right(); ++x)
          QVERIFY2(!IsRed(marked.pixelColor(x, y)),
                   qPrintable(
                       QStringLiteral("red on note %1 at %2,%3").arg(place.symbol).arg(x).arg(y)));
    }
  }

  // Highlighting, off at first: the current cell's row, column and box faintly tinted, every cell
  // and note holding its symbol lit; off again, the grid is as before to the pixel.
  void highlightLightsTheSymbolAndUnits_data() { AddBoxSizes(); }
  void highlightLightsTheSymbolAndUnits() {
    QFETCH(int, boxSize);
    TGridWindow w(boxSize, gsPlaying);
    auto* box = w.Find<QCheckBox>("cbxEvidenzia");
    QVERIFY(!box->isChecked() && !w.Game().Highlighting());
    // A given to stand on, and an open cell outside its units noting its symbol.
    int column = 0;
    while (!w.IsGiven(column, 0)) ++column;
    const char symbol = w.Game().GivenGrid()[0][column];
    QPoint open(-1, -1);
    for (int r = boxSize; r < w.Side && open.x() < 0; ++r)
      for (int c = 0; c < w.Side && open.x() < 0; ++c)
        if (!w.IsGiven(c, r) && c / boxSize != column / boxSize && c != column) open = QPoint(c, r);
    QVERIFY(open.x() >= 0);
    w.Press(Qt::Key_F2);
    w.Type(open.x(), open.y(), symbol);
    w.Press(Qt::Key_F2);
    GoToCell(w.Form.get(), column, 0);
    const QImage before = w.Grab();
    w.Press(Qt::Key_F11);
    QVERIFY(box->isChecked() && w.Game().Highlighting());
    const QImage lit = w.Grab();
    const auto ground = [&](const QImage& img, int c, int r) {
      return img.pixelColor(w.Grid()->CellRect(c, r).topLeft() + QPoint(1, 1));
    };
    for (int r = 0; r < w.Side; ++r)
      for (int c = 0; c < w.Side; ++c) {
        const bool same = w.Game().PlayGrid()[r][c] == symbol;
        const bool unit =
            r == 0 || c == column || (r / boxSize == 0 && c / boxSize == column / boxSize);
        const QColor expected = same   ? QColor(255, 240, 160)
                                : unit ? QColor(232, 238, 246)
                                       : QColor(Qt::white);
        QVERIFY2(ground(lit, c, r) == expected,
                 qPrintable(
                     QStringLiteral("cell %1,%2: %3").arg(c).arg(r).arg(ground(lit, c, r).name())));
      }
    // The noted symbol stands on the lit colour inside the open cell.
    bool noteLit = false;
    const QRect cell = w.Grid()->CellRect(open.x(), open.y()).adjusted(2, 2, -2, -2);
    for (int y = cell.top(); y <= cell.bottom(); ++y)
      for (int x = cell.left(); x <= cell.right(); ++x)
        noteLit = noteLit || lit.pixelColor(x, y) == QColor(255, 240, 160);
    QVERIFY(noteLit);
    w.Press(Qt::Key_F11);
    QCOMPARE(w.Grab(), before);
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
