// The window with a player's own puzzle: the level chosen and shown, paste and copy through the
// clipboard, Open with a file, type-in from the keys, and bad input told once with the window as
// it was.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>

#include "Language.h"
#include "WindowDriver.h"

namespace {

QString SamplePath(const char* name) {
  return QStringLiteral(TSD_PUZZLE_SAMPLES "/") + QLatin1String(name);
}

// Waits for the check of a pasted, opened or typed puzzle to end.
bool CheckEnds(const TWindow& w) {
  return QTest::qWaitFor([&] { return !w.Form->CheckingPuzzle(); }, 30'000);
}

QString LevelShown(const TWindow& w) {
  const auto* label = w.Find<QLabel>("lblLivello");
  return label->isVisibleTo(w.Form.get()) ? label->text() : QString();
}

}  // namespace

class TestOwnPuzzle : public QObject {
  Q_OBJECT

 private slots:
  void init() { UILanguage = QStringLiteral("EN"); }

  void chosenLevelIsGeneratedAndShown() {
    TWindow w(&BuiltInPuzzles());
    auto* medium = w.Find<QRadioButton>("cbgLivelloItem1");
    QVERIFY(w.Find("cbgLivello")->isVisibleTo(w.Form.get()));
    QTest::mouseClick(medium, Qt::LeftButton, Qt::NoModifier, medium->rect().center());
    w.Press(Qt::Key_F10);
    QCOMPARE(w.Game().Level(), 'M');
    QCOMPARE(LevelShown(w), QStringLiteral("Level: Medium"));
    w.Press(Qt::Key_F5);
    QVERIFY(!w.Find("cbgLivello")->isEnabled());  // with cbg1, only outside a game
    QCOMPARE(LevelShown(w), QStringLiteral("Level: Medium"));
  }

  void pastedPuzzleIsCheckedShownAndCopiedBack() {
    TWindow w;
    const QString line = QStringLiteral(
        "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..");
    QGuiApplication::clipboard()->setText(line + QStringLiteral("\n"));
    w.Press(Qt::Key_V, Qt::ControlModifier);  // on the empty window, before any puzzle
    QVERIFY(CheckEnds(w));
    QCOMPARE(w.Game().State(), gsPuzzleView);
    QCOMPARE(w.Messages().size(), 1);
    QVERIFY2(w.Messages()[0].startsWith(
                 QStringLiteral("Puzzle accepted: one solution, level Simple (E; hardest ")),
             qPrintable(w.Messages()[0]));
    QCOMPARE(LevelShown(w), QStringLiteral("Own puzzle: Simple"));
    QVERIFY(!w.Grid()->isHidden());
    QVERIFY(w.MenuItem(QStringLiteral("Paste puzzle")));
    QGuiApplication::clipboard()->clear();
    w.Press(Qt::Key_F5);
    w.Press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), line);
    // During a game a paste is not taken: the key reaches the grid, which has no V.
    QGuiApplication::clipboard()->setText(QString(81, QLatin1Char('.')));
    w.Press(Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!w.Form->CheckingPuzzle());
    QCOMPARE(w.Game().State(), gsPlaying);
  }

  void badInputIsToldOnceAndChangesNothing_data() {
    QTest::addColumn<QByteArray>("clipboard");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty clipboard")
        << QByteArray() << QString() << QStringLiteral("The clipboard holds no text to paste.");
    QTest::newRow("several solutions")
        << QByteArray(256, '.') << QString()
        << QStringLiteral("This puzzle has more than one solution; add givens");
    QTest::newRow("file missing") << QByteArray() << SamplePath("missing.sdk")
                                  << QStringLiteral(
                                         "The file \u201cmissing.sdk\u201d cannot be read.");
    QTest::newRow("a folder") << QByteArray() << QStringLiteral(TSD_PUZZLE_SAMPLES)
                              << QStringLiteral("The file \u201cpuzzles\u201d cannot be read.");
  }
  void badInputIsToldOnceAndChangesNothing() {
    QFETCH(QByteArray, clipboard);
    QFETCH(QString, file);
    QFETCH(QString, message);
    TWindow w;
    w.Reach(gsSolutionView, 4);
    const TCharGrid given = w.Game().GivenGrid();
    const QString caption = w.Find<QAbstractButton>("btnToggleView")->text();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(clipboard));
    w.ChosenFile = file;
    w.Press(file.isEmpty() ? Qt::Key_V : Qt::Key_O, Qt::ControlModifier);
    QVERIFY(CheckEnds(w));
    QCOMPARE(w.Messages(), QStringList{message});
    QCOMPARE(w.Game().State(), gsSolutionView);
    QCOMPARE(w.Game().BoxSize(), 4);
    QVERIFY(w.Game().GivenGrid() == given);
    QCOMPARE(w.Find<QAbstractButton>("btnToggleView")->text(), caption);
  }

  void openedFileOfEachSizeIsShown_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("boxSize");
    QTest::newRow("sdk") << SamplePath("euler.sdk") << 3;
    QTest::newRow("16x16") << SamplePath("16x16-one-based.txt") << 4;
    QTest::newRow("25x25") << SamplePath("25x25.sdk") << 5;
  }
  void openedFileOfEachSizeIsShown() {
    QFETCH(QString, file);
    QFETCH(int, boxSize);
    TWindow w;
    w.ChosenFile = file;
    w.Press(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(CheckEnds(w));
    QCOMPARE(w.Game().BoxSize(), boxSize);
    QCOMPARE(w.Grid()->ColCount(), boxSize * boxSize);
    QCOMPARE(w.Game().Origin(), TPuzzleOrigin::Own);
  }

  // A 25×25 puzzle whose check takes seconds (one given of a catalogue entry changed, so the
  // search must try far more): its progress shows, and Cancel ends it with the window as it was.
  void longCheckShowsProgressAndCancels() {
    TWindow w;
    w.Reach(gsPuzzleView);
    const TCharGrid given = w.Game().GivenGrid();
    w.ChosenFile = SamplePath("25x25-slow.txt");
    w.Press(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(w.Form->CheckingPuzzle());
    QProgressDialog* progress = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(
        (progress = w.Form->findChild<QProgressDialog*>(QStringLiteral("dlgCheckProgress"))) &&
            progress->isVisible(),
        20'000);
    // The window still paints while the check runs.
    w.Grid()->viewport()->repaint();
    auto* cancel = progress->findChild<QPushButton*>();
    QVERIFY(cancel);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(CheckEnds(w));
    QVERIFY2(w.Messages().isEmpty(), qPrintable(w.Messages().join('|')));
    QCOMPARE(w.Game().State(), gsPuzzleView);
    QVERIFY(w.Game().GivenGrid() == given);
  }

  void typedPuzzleIsCheckedAndEscapePutsBackTheShownOne() {
    TWindow w;
    w.Reach(gsPuzzleView);
    const TCharGrid given = w.Game().GivenGrid();
    w.Press(Qt::Key_T, Qt::ControlModifier);
    QVERIFY(w.Game().TypingIn());
    QVERIFY(!w.Action("ActGenera")->isEnabled());
    for (const Qt::Key key : {Qt::Key_5, Qt::Key_3, Qt::Key_Space}) w.Press(key);
    QCOMPARE(w.Game().TypedPuzzle().substr(0, 3), std::string("53."));
    w.Press(Qt::Key_Return);
    QVERIFY(CheckEnds(w));
    QCOMPARE(w.Messages(),
             QStringList{QStringLiteral("This puzzle has more than one solution; add givens")});
    QVERIFY(w.Game().TypingIn());  // the givens stay for more
    w.Press(Qt::Key_Escape);
    QVERIFY(!w.Game().TypingIn());
    QCOMPARE(w.Game().State(), gsPuzzleView);
    QVERIFY(w.Game().GivenGrid() == given);
  }
};

QTEST_MAIN(TestOwnPuzzle)
#include "test_own_puzzle.moc"
