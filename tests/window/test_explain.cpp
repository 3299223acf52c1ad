// The explanation of the next step in the window: the Explain button on the game panel and F3
// reach the model, the cells it talks about are tinted under their symbols, and the tint goes at
// the next key or click; outside a game F3 is a key like any other.
#include <QActionGroup>

#include "TActionButton.h"
#include "WindowDriver.h"

namespace {

const QColor White(255, 255, 255);
const QColor PlacementTint(170, 234, 170);
const QColor ReasonTint(255, 232, 150);

// A 9×9 game of the shipped catalogue, every cell in view.
struct TExplainWindow : TWindow {
  TExplainWindow() : TWindow(&BuiltInPuzzles()) {
    Reach(gsPlaying);
    Form->resize(1240, 940);
    QApplication::processEvents();
  }
  // The first cell, row by row, with the mark; (−1, −1) for none.
  QPoint Marked(TCellMark mark) const {
    for (int row = 0; row < Game().Side(); ++row)
      for (int column = 0; column < Game().Side(); ++column)
        if (Game().CellView(row, column).mark == mark) return {column, row};
    return {-1, -1};
  }
  // The cell's background as painted: near its top-left corner, clear of the symbol, the
  // selection ellipse and the focus rectangle.
  QColor Background(QPoint cell) const {
    const QRect rect = Grid()->CellRect(cell.x(), cell.y());
    return Grid()->viewport()->grab().toImage().pixelColor(rect.topLeft() + QPoint(4, 4));
  }
};

}  // namespace

class TestExplain : public QObject {
  Q_OBJECT

 private slots:
  void init() { UILanguage = QStringLiteral("IT"); }

  // Below the hint button, inside the game panel, bound to its action like the other buttons; its
  // caption follows the language and it is enabled only while playing.
  void buttonBelowTheHintFollowsItsAction() {
    TWindow w;
    auto* button = w.Find<TActionButton>("btnSpiega");
    QVERIFY(button);
    QCOMPARE(button->parentWidget(), w.Find("pnlGameOn"));
    QCOMPARE(button->geometry(), QRect(18, 149, 190, 30));
    QVERIFY(w.Find("pnlGameOn")->rect().contains(button->geometry()));
    QCOMPARE(button->Action(), w.Action("ActSpiega"));
    QCOMPARE(w.Action("ActSpiega")->actionGroup(), w.Find<QActionGroup>("ActionList1"));
    QCOMPARE(button->text(), QStringLiteral("Explain [F3]"));
    UILanguage = QStringLiteral("IT");
    w.Form->ApplyLanguage();
    QCOMPARE(button->text(), QStringLiteral("Spiega [F3]"));
    for (GameState state : {gsEmpty, gsPuzzleView, gsSolutionView, gsPlaying, gsPlayingSolution}) {
      TWindow s;
      s.Reach(state);
      QCOMPARE(s.Action("ActSpiega")->isEnabled(), state == gsPlaying);
      QCOMPARE(s.Find("btnSpiega")->isVisible(), state == gsPlaying);
    }
  }

  // F3 gives the step in stages: where to look, then the tints without the placement, then the
  // whole step with its tints; the next key takes the tint away; the button does the same as F3,
  // Shift+F3 gives the whole step at once, and a click on the grid takes the tint away too.
  void f3AndTheButtonTintTheStepUntilTheNextKeyOrClick() {
    TExplainWindow w;
    w.Press(Qt::Key_F3);
    QCOMPARE(w.Messages().size(), 1);
    QVERIFY(!w.Game().HasMarks());
    w.Press(Qt::Key_F3);
    QCOMPARE(w.Messages().size(), 2);
    QCOMPARE(w.Messages()[1], w.Messages()[0]);
    QCOMPARE(w.Marked(TCellMark::Placement), QPoint(-1, -1));
    const QPoint reason = w.Marked(TCellMark::Reason);
    QVERIFY(reason.x() >= 0);
    QCOMPARE(w.Background(reason), ReasonTint);
    w.Press(Qt::Key_F3);
    QCOMPARE(w.Messages().size(), 3);
    const QPoint placement = w.Marked(TCellMark::Placement);
    QVERIFY(placement.x() >= 0);
    QVERIFY2(w.Messages()[2].contains(QStringLiteral("row %1").arg(placement.y() + 1),
                                      Qt::CaseInsensitive),
             qPrintable(w.Messages()[2]));
    QCOMPARE(w.Background(placement), PlacementTint);
    QCOMPARE(w.Background(reason), ReasonTint);
    QVERIFY(w.Grid()->hasFocus());

    w.Press(Qt::Key_F8);  // a key the window handles itself: it tells the model
    QVERIFY(!w.Game().HasMarks());
    QCOMPARE(w.Background(placement), White);

    QTest::mouseClick(w.Find("btnSpiega"), Qt::LeftButton);
    QCOMPARE(w.Messages().size(), 4);
    QCOMPARE(w.Messages()[3], w.Messages()[2]);
    QCOMPARE(w.Background(placement), PlacementTint);
    QVERIFY(w.Grid()->hasFocus());
    // A click reaches the window's platform window first, as a player's click does.
    QTest::mouseClick(w.Form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      w.Grid()->viewport()->mapTo(w.Form.get(), w.Grid()->CellRect(1, 1).center()));
    QVERIFY(!w.Game().HasMarks());
    QCOMPARE(w.Background(placement), White);

    // Shift+F3 on a new position: the whole step, not its first stage.
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key(w.Game().SolutionGrid()[open.y()][open.x()]));
    QCOMPARE(w.Game().PlayGrid()[open.y()][open.x()], w.Game().SolutionGrid()[open.y()][open.x()]);
    w.Press(Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(w.Messages().size(), 5);
    QVERIFY(w.Marked(TCellMark::Placement).x() >= 0);

    // With Ctrl F3 is not taken: on the grid during a game it does nothing. Ctrl on its own keeps
    // the marks; the F3 that follows it is a key and ends them.
    w.Press(Qt::Key_F3);
    w.Press(Qt::Key_F3);
    w.Press(Qt::Key_Control, Qt::ControlModifier);
    QVERIFY(w.Game().HasMarks());
    w.Press(Qt::Key_F3, Qt::ControlModifier);
    QCOMPARE(w.Messages().size(), 7);
    QVERIFY(!w.Game().HasMarks());
  }

  // Outside a game F3 reaches the grid like any other key, with the state's reminder.
  void f3OutsideAGameIsAnyOtherKey() {
    TWindow w;
    w.Reach(gsPuzzleView);
    w.Press(Qt::Key_F3);
    w.Press(Qt::Key_F5);
    w.Press(Qt::Key_F6);
    w.Press(Qt::Key_F3);
    QCOMPARE(w.Messages(),
             QStringList({QStringLiteral("To start playing click [Play] or press [F5] !"),
                          QStringLiteral("To play click on [View Game] or press [F6] !")}));
    QVERIFY(!w.Game().HasMarks());
  }
};

QTEST_MAIN(TestExplain)
#include "test_explain.moc"
