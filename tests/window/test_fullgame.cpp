// Whole games of every size on the built-in catalogue, played with keys only: F10, F5, arrows and
// the symbol keys, until the congratulation.
#include "WindowDriver.h"

namespace {

// The fake clock moves on by this much while the player fills each row.
constexpr int SecondsPerRow = 7;

// The key a player presses for a symbol; digits alternate between the main row and the keypad,
// letters between plain and Shift, so every way of typing is used.
std::pair<Qt::Key, Qt::KeyboardModifiers> KeyFor(char symbol, int turn) {
  const bool alternate = turn % 2 == 1;
  if (symbol >= '0' && symbol <= '9')
    return {static_cast<Qt::Key>(symbol), alternate ? Qt::KeypadModifier : Qt::NoModifier};
  return {static_cast<Qt::Key>(symbol), alternate ? Qt::ShiftModifier : Qt::NoModifier};
}

}  // namespace

class TestFullGame : public QObject {
  Q_OBJECT

 private slots:
  void playsToTheEnd_data() {
    QTest::addColumn<int>("boxSize");
    QTest::newRow("9x9") << 3;
    QTest::newRow("16x16") << 4;
    QTest::newRow("25x25") << 5;
  }
  void playsToTheEnd() {
    QFETCH(int, boxSize);
    TWindow w(&BuiltInPuzzles());
    TFakeServices& fakes = w.Fakes;
    const TsdGame& game = w.Game();
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
      w.Press(key, modifiers);
    };

    ChooseSize(w.Form.get(), boxSize);
    press(Qt::Key_F10);
    QCOMPARE(game.State(), gsPuzzleView);
    press(Qt::Key_F5);
    QCOMPARE(game.State(), gsPlaying);
    press(Qt::Key_F8);  // conflicts marked while playing, as a careful player would
    QVERIFY(w.Find("Clock1")->isVisible());

    const int side = boxSize * boxSize;
    TDrawGrid* grid = w.Grid();
    QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(0, 0));
    int open = 0;
    for (int row = 0; row < side; ++row)
      for (int column = 0; column < side; ++column) open += game.GivenGrid()[row][column] == ' ';
    QVERIFY(open > 0);

    // Row by row, snaking, so the arrows never jump back across the grid.
    int entered = 0;
    int lastOpenRow = 0;
    for (int row = 0; row < side; ++row) {
      fakes.Time.AdvanceSeconds(SecondsPerRow);
      for (int step = 0; step < side; ++step) {
        const int column = row % 2 == 0 ? step : side - 1 - step;
        QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(column, row));
        if (game.GivenGrid()[row][column] == ' ') {
          QVERIFY2(fakes.Messages.Shown.isEmpty(), "congratulated before the grid was full");
          const auto [key, modifiers] = KeyFor(game.SolutionGrid()[row][column], entered);
          press(key, modifiers);
          QCOMPARE(game.PlayGrid()[row][column], game.SolutionGrid()[row][column]);
          ++entered;
          lastOpenRow = row;
        }
        if (step < side - 1) press(row % 2 == 0 ? Qt::Key_Right : Qt::Key_Left);
      }
      if (row < side - 1) press(Qt::Key_Down);
    }
    QCOMPARE(entered, open);
    QCOMPARE(fakes.Messages.Shown.size(), 1);
    const int seconds = SecondsPerRow * (lastOpenRow + 1);
    QCOMPARE(fakes.Messages.Shown[0],
             QStringLiteral("Congratulations !\r\nYou've successfully completed\r\nthe Sudoku "
                            "puzzle in:0: hours, :%1 min. and %2 seconds.\r\nA new best time for "
                            "%3x%3, level Simple!")
                 .arg(seconds / 60)
                 .arg(seconds % 60)
                 .arg(boxSize * boxSize));
    QCOMPARE(game.State(), gsPlaying);
  }
};

QTEST_MAIN(TestFullGame)
#include "test_fullgame.moc"
