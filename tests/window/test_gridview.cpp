// Tests of the grid view on the real window: the grabbed pixels of sg1 for all three box sizes,
// the grid set-up, the cell sizes the +/- buttons give, and the paint's pen hygiene.
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <string>

#include "Fakes.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

std::string SymbolsOf(int boxSize) {
  if (boxSize == 3) return "123456789";
  if (boxSize == 4) return "0123456789ABCDEF";
  return "ABCDEFGHIJKLMNOPQRSTUVWXY";
}

// A valid solution by shifted bands; the puzzle keeps the cells whose (row + 2·column) mod 3 is 0.
std::pair<std::string, std::string> MakePair(int boxSize) {
  const int side = boxSize * boxSize;
  const std::string symbols = SymbolsOf(boxSize);
  std::string puzzle;
  std::string solution;
  for (int r = 0; r < side; ++r)
    for (int c = 0; c < side; ++c) {
      const char ch = symbols[static_cast<std::size_t>((r * boxSize + r / boxSize + c) % side)];
      solution += ch;
      puzzle += (r + 2 * c) % 3 == 0 ? ch : '?';
    }
  return {puzzle, solution};
}

bool IsRed(QColor c) {
  return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}
bool IsBlue(QColor c) {
  return c.blue() > 150 && c.red() < 110 && c.green() < 110;
}
bool IsDark(QColor c) {
  return c.red() < 110 && c.green() < 110 && c.blue() < 110;
}
bool IsInk(QColor c) {
  return c != QColor(Qt::white);
}

struct TCellInk {
  int red = 0;
  int blue = 0;
  int dark = 0;
  int ink = 0;
  QRect box;  // bounding box of the ink that is not red
};

// The window, shown and active, with a puzzle of the given box size installed as Generate would.
struct TGridWindow {
  TFakeServices Fakes;
  TFakePuzzleSource Source;
  TfrmSudoku Form{Fakes.Services(), Source};
  Ui::TfrmSudoku* ui = Form.ui;
  TDrawGrid* Grid = Form.ui->sg1;
  int BoxSize = 3;
  int Side = 9;

  TGridWindow() {
    Form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form));
    Form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Form));
  }

  void Install(int boxSize, std::uint8_t state) {
    BoxSize = boxSize;
    Side = boxSize * boxSize;
    Form.SetWindowSizeFor(boxSize);
    Form.SetupGrid(boxSize);
    // Large enough to show every cell of 25 × 25 at once, so one grab holds them all.
    Form.resize(1240, 940);
    Form.layout()->activate();
    const auto [puzzle, solution] = MakePair(boxSize);
    Form.FBoxSize = boxSize;
    Form.FBoard = std::make_unique<TsdBoard>(boxSize, SymbolsOf(boxSize), puzzle, solution);
    QVERIFY(!Form.FBoard->HasError());
    Form.FBoard->GetPuzzleGrid(Form.FPlayGrid);
    Form.FBoard->GetPuzzleGrid(Form.FGivenGrid);
    Form.FBoard->GetSolutionGrid(Form.FSolutionGrid);
    Form.FGameState = state;
    QVERIFY(Grid->viewport()->rect().contains(Grid->CellRect(Side - 1, Side - 1)));
  }

  // No control but the grid: no focus rectangle and no selection mark anywhere.
  void UnfocusGrid() { ui->btnFontPiu->setFocus(); }

  QImage Grab() const { return Grid->viewport()->grab().toImage(); }

  // The ink inside a cell, leaving out its last two pixel columns and rows, where a box
  // separator may reach in, and its outermost pixels, where the focus rectangle lies.
  TCellInk Ink(const QImage& img, int column, int row) const {
    TCellInk ink;
    const QRect rect = Grid->CellRect(column, row).adjusted(1, 1, -2, -2);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x) {
        const QColor c = img.pixelColor(x, y);
        if (IsRed(c)) {
          ++ink.red;
          continue;
        }
        if (!IsInk(c)) continue;
        ++ink.ink;
        if (IsBlue(c)) ++ink.blue;
        if (IsDark(c)) ++ink.dark;
        ink.box |= QRect(x, y, 1, 1);
      }
    return ink;
  }

  bool IsGiven(int row, int column) const { return Form.FGivenGrid[row][column] != ' '; }
};

void AddBoxSizes() {
  QTest::addColumn<int>("boxSize");
  QTest::newRow("9x9") << 3;
  QTest::newRow("16x16") << 4;
  QTest::newRow("25x25") << 5;
}

}  // namespace

class TGridViewTest : public QObject {
  Q_OBJECT

 private slots:
  void ThickLinesFollowTheBoxes_data() { AddBoxSizes(); }
  void ThickLinesFollowTheBoxes();
  void GivensAreBlueBoldEntriesBlack_data() { AddBoxSizes(); }
  void GivensAreBlueBoldEntriesBlack();
  void SolutionViewsShowTheSolutionWithGivensInBlue_data();
  void SolutionViewsShowTheSolutionWithGivensInBlue();
  void SymbolStandsAtTheEightBasedOffset_data() { AddBoxSizes(); }
  void SymbolStandsAtTheEightBasedOffset();
  void ConflictMarkOnlyWhereARuleIsBroken_data();
  void ConflictMarkOnlyWhereARuleIsBroken();
  void SelectionEllipseOnlyOnTheFocusedCellWhilePlaying_data() { AddBoxSizes(); }
  void SelectionEllipseOnlyOnTheFocusedCellWhilePlaying();
  void PaintRestoresThePen();
  void SetupGridPreparesTheGridForTheBoxSize_data();
  void SetupGridPreparesTheGridForTheBoxSize();
  void FontButtonsSizeCellsBetweenEightAndSixteenPoints_data();
  void FontButtonsSizeCellsBetweenEightAndSixteenPoints();
};

void TGridViewTest::ThickLinesFollowTheBoxes() {
  QFETCH(int, boxSize);
  TGridWindow w;
  w.Install(boxSize, gsSolutionView);
  w.UnfocusGrid();
  const QImage img = w.Grab();
  const QColor black(0, 0, 0);
  const QColor silver(192, 192, 192);
  QList<int> thick;
  for (int i = 0; i < w.Side; ++i) {
    const QRect cell = w.Grid->CellRect(i, i);
    const int right = cell.left() + cell.width();
    const int bottom = cell.top() + cell.height();
    const bool box = (i + 1) % boxSize == 0;
    if (box) thick << i;
    // Beside the cell, at half its height: the line after column i.
    QCOMPARE(img.pixelColor(right, cell.center().y()), box ? black : silver);
    QCOMPARE(img.pixelColor(cell.center().x(), bottom), box ? black : silver);
    if (box) {
      // Three pixels wide, centred on the cell's edge.
      QCOMPARE(img.pixelColor(right - 1, cell.center().y()), black);
      QCOMPARE(img.pixelColor(right + 1, cell.center().y()), black);
      QCOMPARE(img.pixelColor(cell.center().x(), bottom + 1), black);
      // Unbroken where it crosses the silver line below the cell.
      QCOMPARE(img.pixelColor(right, bottom), black);
    }
  }
  QCOMPARE(thick.size(), boxSize);
  QCOMPARE(thick.last(), w.Side - 1);
  // No separator along the grid's left and top edges.
  const QRect first = w.Grid->CellRect(0, 0);
  QCOMPARE(img.pixelColor(0, first.center().y()), QColor(Qt::white));
  QCOMPARE(img.pixelColor(first.center().x(), 0), QColor(Qt::white));
}

void TGridViewTest::GivensAreBlueBoldEntriesBlack() {
  QFETCH(int, boxSize);
  TGridWindow w;
  w.Install(boxSize, gsPlaying);
  w.UnfocusGrid();
  // Fill every empty cell of row 0 with the symbol of the first given of that row: the same
  // glyph as a given and as an entry.
  int given = -1;
  for (int c = 0; c < w.Side && given < 0; ++c)
    if (w.IsGiven(0, c)) given = c;
  QVERIFY(given >= 0);
  const char ch = w.Form.FPlayGrid[0][given];
  for (int c = 0; c < w.Side; ++c)
    if (!w.IsGiven(0, c)) w.Form.FPlayGrid[0][c] = ch;
  const QImage img = w.Grab();

  const TCellInk givenInk = w.Ink(img, given, 0);
  QVERIFY(givenInk.blue > 0);
  QCOMPARE(givenInk.dark, 0);
  for (int c = 0; c < w.Side; ++c) {
    if (w.IsGiven(0, c)) continue;
    const TCellInk entry = w.Ink(img, c, 0);
    QVERIFY(entry.dark > 0);
    QCOMPARE(entry.blue, 0);
    // Bold: the given's strokes cover more pixels than the same symbol set regular.
    QVERIFY2(givenInk.ink > entry.ink,
             qPrintable(QStringLiteral("%1 vs %2").arg(givenInk.ink).arg(entry.ink)));
  }
  // An empty cell shows nothing.
  int empty = -1;
  for (int c = 0; c < w.Side && empty < 0; ++c)
    if (!w.IsGiven(1, c)) empty = c;
  QVERIFY(empty >= 0);
  QCOMPARE(w.Form.FPlayGrid[1][empty], ' ');
  QCOMPARE(w.Ink(img, empty, 1).ink, 0);
}

void TGridViewTest::SolutionViewsShowTheSolutionWithGivensInBlue_data() {
  QTest::addColumn<int>("state");
  QTest::newRow("gsSolutionView") << int(gsSolutionView);
  QTest::newRow("gsPlayingSolution") << int(gsPlayingSolution);
  QTest::newRow("gsEmpty") << int(gsEmpty);
}

void TGridViewTest::SolutionViewsShowTheSolutionWithGivensInBlue() {
  QFETCH(int, state);
  TGridWindow w;
  w.Install(3, static_cast<std::uint8_t>(state));
  w.UnfocusGrid();
  // A wrong entry in the player grid must not show through.
  w.Form.FPlayGrid[0][1] = '9';
  w.Form.ui->cbxControllo->setChecked(true);
  const QImage img = w.Grab();
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const TCellInk ink = w.Ink(img, c, r);
      QVERIFY(ink.ink > 0);  // every cell shows its solution symbol
      QCOMPARE(ink.red, 0);
      if (w.IsGiven(r, c))
        QVERIFY(ink.blue > 0 && ink.dark == 0);
      else
        QVERIFY(ink.dark > 0 && ink.blue == 0);
    }
}

void TGridViewTest::SymbolStandsAtTheEightBasedOffset() {
  QFETCH(int, boxSize);
  TGridWindow w;
  w.Install(boxSize, gsPlaying);
  w.UnfocusGrid();
  int column = -1;
  for (int c = 0; c < w.Side && column < 0; ++c)
    if (!w.IsGiven(2, c)) column = c;
  QVERIFY(column >= 0);
  // "1" has ink well inside its advance; the offset is worked out from "8" all the same.
  w.Form.FPlayGrid[2][column] = w.Form.FSolutionGrid[2][column];
  const QImage img = w.Grab();
  const QRect cell = w.Grid->CellRect(column, 2);
  const QFontMetrics metrics(w.Grid->font());
  const int dx = cell.width() / 2 - metrics.horizontalAdvance(QLatin1Char('8'));
  const int dy = cell.height() / 2 - metrics.height() / 2;
  const QChar symbol = QLatin1Char(w.Form.FPlayGrid[2][column]);
  const QRect expected =
      metrics.boundingRect(symbol).translated(cell.left() + dx, cell.top() + dy + metrics.ascent());
  const TCellInk ink = w.Ink(img, column, 2);
  QVERIFY(!ink.box.isEmpty());
  QVERIFY2(qAbs(ink.box.left() - expected.left()) <= 1,
           qPrintable(
               QStringLiteral("ink at %1, expected %2").arg(ink.box.left()).arg(expected.left())));
  QVERIFY(qAbs(ink.box.bottom() - expected.bottom()) <= 1);
  // The whole width of "8", not half of it: the symbol stands left of the cell's centre.
  QVERIFY(ink.box.center().x() <
          cell.center().x() - metrics.horizontalAdvance(QLatin1Char('8')) / 4);
}

void TGridViewTest::ConflictMarkOnlyWhereARuleIsBroken_data() {
  QTest::addColumn<int>("boxSize");
  QTest::addColumn<int>("state");
  QTest::addColumn<bool>("marking");
  QTest::addColumn<bool>("expectMarks");
  for (int n : {3, 4, 5}) {
    const QByteArray size = QByteArray::number(n * n);
    QTest::newRow(size + " playing, marking on") << n << int(gsPlaying) << true << true;
    QTest::newRow(size + " playing, marking off") << n << int(gsPlaying) << false << false;
  }
  QTest::newRow("puzzle view, marking on") << 3 << int(gsPuzzleView) << true << false;
  QTest::newRow("solution view, marking on") << 3 << int(gsSolutionView) << true << false;
  QTest::newRow("playing solution, marking on") << 3 << int(gsPlayingSolution) << true << false;
}

void TGridViewTest::ConflictMarkOnlyWhereARuleIsBroken() {
  QFETCH(int, boxSize);
  QFETCH(int, state);
  QFETCH(bool, marking);
  QFETCH(bool, expectMarks);
  TGridWindow w;
  w.Install(boxSize, static_cast<std::uint8_t>(state));
  const int side = w.Side;
  TCharGrid& play = w.Form.FPlayGrid;
  // Three entries: one repeating a given of its row, one a given of its column, and one correct
  // entry; the rest of the grid stays as installed.
  auto firstEmpty = [&](int row) {
    for (int c = 0; c < side; ++c)
      if (!w.IsGiven(row, c)) return c;
    return -1;
  };
  const int rowCell = firstEmpty(1);
  int rowGiven = -1;
  for (int c = 0; c < side && rowGiven < 0; ++c)
    if (w.IsGiven(1, c)) rowGiven = c;
  play[1][rowCell] = play[1][rowGiven];
  const int colRow = side - 1;
  const int colCell = firstEmpty(colRow);
  int colGiven = -1;
  for (int r = 0; r < side && colGiven < 0; ++r)
    if (r != colRow && w.IsGiven(r, colCell)) colGiven = r;
  QVERIFY(colGiven >= 0);
  play[colRow][colCell] = play[colGiven][colCell];
  // Which cells break a rule, worked out here cell by cell.
  auto findConflicts = [&] {
    QSet<int> found;
    for (int r = 0; r < side; ++r)
      for (int c = 0; c < side; ++c) {
        const char ch = play[r][c];
        if (ch == ' ') continue;
        for (int r2 = 0; r2 < side; ++r2)
          for (int c2 = 0; c2 < side; ++c2) {
            if (r2 == r && c2 == c) continue;
            const bool sameUnit =
                r2 == r || c2 == c || (r2 / boxSize == r / boxSize && c2 / boxSize == c / boxSize);
            if (sameUnit && play[r2][c2] == ch) found.insert(r * side + c);
          }
      }
    return found;
  };
  // A correct entry somewhere that the two wrong ones do not touch.
  int goodRow = -1;
  int goodCell = -1;
  for (int r = side - 2; r > 1 && goodRow < 0; --r)
    for (int c = side - 1; c >= 0 && goodRow < 0; --c) {
      if (w.IsGiven(r, c) || play[r][c] != ' ') continue;
      play[r][c] = w.Form.FSolutionGrid[r][c];
      if (!findConflicts().contains(r * side + c)) {
        goodRow = r;
        goodCell = c;
      } else {
        play[r][c] = ' ';
      }
    }
  QVERIFY(goodRow >= 0);
  const QSet<int> conflicts = findConflicts();
  QVERIFY(conflicts.contains(1 * side + rowCell));
  QVERIFY(conflicts.contains(1 * side + rowGiven));  // the given is marked too
  QVERIFY(conflicts.contains(colRow * side + colCell));
  QVERIFY(conflicts.contains(colGiven * side + colCell));
  QVERIFY(!conflicts.contains(goodRow * side + goodCell));

  w.ui->cbxControllo->setChecked(marking);
  w.UnfocusGrid();
  const QImage img = w.Grab();
  int marked = 0;
  for (int r = 0; r < side; ++r)
    for (int c = 0; c < side; ++c) {
      const bool hasMark = w.Ink(img, c, r).red > 0;
      const bool wanted = expectMarks && conflicts.contains(r * side + c);
      QVERIFY2(hasMark == wanted,
               qPrintable(QStringLiteral("cell row %1 column %2").arg(r).arg(c)));
      if (!hasMark) continue;
      ++marked;
      // The diagonal runs from 5 pixels inside the upper right to 5 inside the lower left.
      const QRect cell = w.Grid->CellRect(c, r);
      const int right = cell.left() + cell.width();
      const int bottom = cell.top() + cell.height();
      QVERIFY(IsRed(img.pixelColor(right - 5, cell.top() + 5)));
      QVERIFY(IsRed(img.pixelColor(cell.left() + 5, bottom - 5)));
      QVERIFY(!IsRed(img.pixelColor(cell.left() + 5, cell.top() + 5)));
    }
  QCOMPARE(marked, expectMarks ? static_cast<int>(conflicts.size()) : 0);
}

void TGridViewTest::SelectionEllipseOnlyOnTheFocusedCellWhilePlaying() {
  QFETCH(int, boxSize);
  TGridWindow w;
  w.Install(boxSize, gsPlaying);
  w.Grid->SetCurrentCell(2, 1);
  w.Grid->setFocus();
  QVERIFY(w.Grid->hasFocus());

  auto redCells = [&](const QImage& img) {
    QList<QPoint> cells;
    for (int r = 0; r < w.Side; ++r)
      for (int c = 0; c < w.Side; ++c)
        if (w.Ink(img, c, r).red > 0) cells << QPoint(c, r);
    return cells;
  };
  QImage img = w.Grab();
  QCOMPARE(redCells(img), QList<QPoint>{QPoint(2, 1)});
  // An unfilled ellipse inset 2 pixels: red at the middle of its left and top sides, white inside.
  const QRect cell = w.Grid->CellRect(2, 1);
  bool leftSide = false;
  for (int x = cell.left() + 2; x <= cell.left() + 3; ++x)
    leftSide |= IsRed(img.pixelColor(x, cell.center().y()));
  QVERIFY(leftSide);
  QVERIFY(!IsRed(img.pixelColor(cell.left() + 1, cell.center().y())));
  bool topSide = false;
  for (int y = cell.top() + 2; y <= cell.top() + 3; ++y)
    topSide |= IsRed(img.pixelColor(cell.center().x(), y));
  QVERIFY(topSide);
  QVERIFY(!IsRed(img.pixelColor(cell.center().x(), cell.center().y())));

  // The focus moves to another control: no mark.
  w.UnfocusGrid();
  QVERIFY(redCells(w.Grab()).isEmpty());
  // Back on the grid, but not playing: no mark.
  w.Grid->setFocus();
  for (std::uint8_t state : {gsPuzzleView, gsSolutionView, gsPlayingSolution, gsEmpty}) {
    w.Form.FGameState = state;
    QVERIFY(redCells(w.Grab()).isEmpty());
  }
}

void TGridViewTest::PaintRestoresThePen() {
  TGridWindow w;
  w.Install(3, gsPlaying);
  w.ui->cbxControllo->setChecked(true);
  // A cell in the bottom-right corner gets both separators; make it a conflict too.
  w.Form.FPlayGrid[8][8] = w.Form.FPlayGrid[8][0] != ' ' ? w.Form.FPlayGrid[8][0] : '1';
  w.Form.FPlayGrid[8][7] = w.Form.FPlayGrid[8][8];
  QImage canvasImage(80, 60, QImage::Format_RGB32);
  QPainter canvas(&canvasImage);
  const QPen pen(QColor(10, 200, 30), 7, Qt::DashLine);
  canvas.setPen(pen);
  canvas.setCompositionMode(QPainter::CompositionMode_Multiply);
  w.Form.sg1DrawCell(canvas, 8, 8, QRect(10, 10, 44, 34), true);
  QCOMPARE(canvas.pen(), pen);
  QCOMPARE(canvas.compositionMode(), QPainter::CompositionMode_Multiply);
}

void TGridViewTest::SetupGridPreparesTheGridForTheBoxSize_data() {
  QTest::addColumn<int>("boxSize");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("lineWidth");
  QTest::newRow("9x9") << 3 << 44 << 34 << 3;
  QTest::newRow("16x16") << 4 << 34 << 24 << 2;
  QTest::newRow("25x25") << 5 << 34 << 24 << 2;
}

void TGridViewTest::SetupGridPreparesTheGridForTheBoxSize() {
  QFETCH(int, boxSize);
  QFETCH(int, width);
  QFETCH(int, height);
  QFETCH(int, lineWidth);
  TGridWindow w;
  QVERIFY(w.Grid->isHidden());
  w.Grid->SetDrawFocusSelected(true);
  w.Form.FBoxLineWidth = 1;
  w.Form.FPlayGrid[64][64] = 'x';
  w.Form.SetupGrid(boxSize);
  QVERIFY(!w.Grid->isHidden());
  QVERIFY(!w.Grid->DrawFocusSelected());
  QCOMPARE(w.Grid->ColCount(), boxSize * boxSize);
  QCOMPARE(w.Grid->RowCount(), boxSize * boxSize);
  QCOMPARE(w.Grid->DefaultColWidth(), width);
  QCOMPARE(w.Grid->DefaultRowHeight(), height);
  QCOMPARE(w.Grid->GridLineWidth(), lineWidth);
  QCOMPARE(w.Form.FBoxLineWidth, 3);
  QCOMPARE(w.Grid->Col(), 0);
  QCOMPARE(w.Grid->Row(), 0);
  for (const auto& row : w.Form.FPlayGrid)
    for (char ch : row) QCOMPARE(ch, '.');

  // Before a puzzle is installed, the puzzle view shows a dot in every cell.
  w.Form.FBoxSize = boxSize;
  w.Form.FGameState = gsPuzzleView;
  w.Side = boxSize * boxSize;
  w.Form.resize(1240, 940);
  w.Form.layout()->activate();
  w.UnfocusGrid();
  const QImage img = w.Grab();
  for (int r = 0; r < w.Side; ++r)
    for (int c = 0; c < w.Side; ++c) QVERIFY(w.Ink(img, c, r).dark > 0);

  // Another box size is refused: the grid keeps its counts.
  w.Form.SetupGrid(7);
  QCOMPARE(w.Grid->ColCount(), boxSize * boxSize);
}

void TGridViewTest::FontButtonsSizeCellsBetweenEightAndSixteenPoints_data() {
  QTest::addColumn<int>("boxSize");
  QTest::addColumn<QSize>("cellAt8");
  QTest::addColumn<QSize>("cellAt16");
  QTest::newRow("9x9") << 3 << QSize(44, 34) << QSize(52, 42);
  QTest::newRow("16x16") << 4 << QSize(34, 24) << QSize(42, 32);
  QTest::newRow("25x25") << 5 << QSize(34, 24) << QSize(42, 32);
}

void TGridViewTest::FontButtonsSizeCellsBetweenEightAndSixteenPoints() {
  QFETCH(int, boxSize);
  QFETCH(QSize, cellAt8);
  QFETCH(QSize, cellAt16);
  TGridWindow w;
  auto cell = [&] { return QSize(w.Grid->DefaultColWidth(), w.Grid->DefaultRowHeight()); };
  w.Form.SetupGrid(boxSize);
  QCOMPARE(w.Grid->font().pointSize(), 8);
  QCOMPARE(cell(), cellAt8);
  QTest::mouseClick(w.ui->btnFontMeno, Qt::LeftButton);  // already the smallest
  QCOMPARE(w.Grid->font().pointSize(), 8);
  QCOMPARE(cell(), cellAt8);

  for (int i = 0; i < 8; ++i) QTest::mouseClick(w.ui->btnFontPiu, Qt::LeftButton);
  QCOMPARE(w.Grid->font().pointSize(), 16);
  QCOMPARE(cell(), cellAt16);
  QTest::mouseClick(w.ui->btnFontPiu, Qt::LeftButton);  // already the largest
  QCOMPARE(w.Grid->font().pointSize(), 16);
  QCOMPARE(cell(), cellAt16);

  // The size survives a new set-up, also of another box size and while the grid is hidden.
  w.Form.SetupGrid(boxSize);
  QCOMPARE(cell(), cellAt16);
  w.Grid->hide();
  for (int i = 0; i < 8; ++i) QTest::mouseClick(w.ui->btnFontMeno, Qt::LeftButton);
  QCOMPARE(w.Grid->font().pointSize(), 8);
  w.Form.SetupGrid(boxSize);
  QCOMPARE(cell(), cellAt8);
}

QTEST_MAIN(TGridViewTest)
#include "test_gridview.moc"
