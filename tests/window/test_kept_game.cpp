// The window's notes, undo and redo, and the game kept between runs: the keys they take and only
// during a game, the check box, the resume question at the next start, and a kept file that cannot
// be read set aside with its message.
#include <QCheckBox>
#include <QPushButton>

#include "TRadioGroup.h"

#include "TDigitalClock.h"
#include "WindowDriver.h"

namespace {

// An open cell other than `not`.
QPoint OtherOpenCell(const TWindow& w, QPoint not_) {
  for (int row = 0; row < w.Game().Side(); ++row)
    for (int column = 0; column < w.Game().Side(); ++column)
      if (w.Game().GivenGrid()[row][column] == ' ' && QPoint(column, row) != not_)
        return {column, row};
  return {-1, -1};
}

const QString StartEn = QStringLiteral("To start playing click [Play] or press [F5] !");
const QString BackEn = QStringLiteral("To play click on [View Game] or press [F6] !");

}  // namespace

class TestKeptGame : public QObject {
  Q_OBJECT

 private slots:
  void init() { UILanguage = QStringLiteral("EN"); }

  // F2, Ctrl+Z and Ctrl+Shift+Z took nothing before; outside the game's own grid they still reach
  // the grid like any key and bring the state's reminder.
  void newKeysOnlyDuringAGame_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("reminder");
    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    for (const auto& [name, key, modifiers] :
         {std::tuple{"F2", int(Qt::Key_F2), int(Qt::NoModifier)},
          std::tuple{"Ctrl+Z", int(Qt::Key_Z), ctrl},
          std::tuple{"Ctrl+Shift+Z", int(Qt::Key_Z), ctrlShift}}) {
      QTest::addRow("%s puzzle", name) << int(gsPuzzleView) << key << modifiers << StartEn;
      QTest::addRow("%s solution", name) << int(gsSolutionView) << key << modifiers << StartEn;
      QTest::addRow("%s playing solution", name)
          << int(gsPlayingSolution) << key << modifiers << BackEn;
      QTest::addRow("%s playing", name) << int(gsPlaying) << key << modifiers << QString();
    }
    QTest::addRow("Ctrl+Alt+Z playing") << int(gsPlaying) << int(Qt::Key_Z)
                                        << int(Qt::ControlModifier | Qt::AltModifier) << QString();
  }
  void newKeysOnlyDuringAGame() {
    QFETCH(int, state);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, reminder);
    TWindow w;
    w.Reach(gsPlaying);
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key_4);
    w.Press(Qt::Key_Z, Qt::ControlModifier);  // undone, so that a redo has a step to redo
    if (state != int(gsPlaying)) {
      w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
      if (state == int(gsPlayingSolution)) w.Press(Qt::Key_F6);
      if (state != int(gsPlayingSolution)) w.Press(Qt::Key_F5);
      if (state == int(gsSolutionView)) w.Press(Qt::Key_F6);
      QCOMPARE(int(w.Game().State()), state);
    }
    w.Messages().clear();
    w.Press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.Messages(), reminder.isEmpty() ? QStringList() : QStringList{reminder});
    const bool playing = state == int(gsPlaying);
    const bool taken = playing && !(modifiers & Qt::AltModifier);
    QCOMPARE(w.Game().NotesMode(), taken && key == Qt::Key_F2);
    QCOMPARE(w.Find<QCheckBox>("cbxNote")->isChecked(), w.Game().NotesMode());
    const bool redo = taken && modifiers == int(Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.Play(open), redo ? '4' : ' ');
  }

  // The undone and redone cell becomes the grid's current cell; notes go in with the keys and the
  // menu's symbol items, out with Space and the delete item, never on an entry.
  void undoRedoAndNotesOnTheGrid() {
    TWindow w;
    w.Reach(gsPlaying);
    auto* box = w.Find<QCheckBox>("cbxNote");
    QVERIFY(box->isVisible() && !box->isChecked());
    QCOMPARE(box->text(), QStringLiteral("Notes [F2]"));
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key_4);
    GoToCell(w.Form.get(), 0, 0);
    w.Press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.Play(open), ' ');
    QCOMPARE(QPoint(w.Grid()->Col(), w.Grid()->Row()), open);
    GoToCell(w.Form.get(), 0, 0);
    w.Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.Play(open), '4');
    QCOMPARE(QPoint(w.Grid()->Col(), w.Grid()->Row()), open);

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(w.Game().NotesMode() && w.Grid()->hasFocus());
    w.Press(Qt::Key_5);  // on the entry: nothing
    QCOMPARE(w.Play(open), '4');
    QCOMPARE(w.Game().Notes()[open.y()][open.x()], 0u);
    const QPoint other = OtherOpenCell(w, open);
    w.ClickCell(other.x(), other.y(), Qt::RightButton);
    w.Press(Qt::Key_1);
    w.MenuItem(QStringLiteral("3"))->trigger();
    QCOMPARE(w.Game().NoteSymbols(w.Game().Notes()[other.y()][other.x()]), "13");
    w.MenuItem(QStringLiteral("Delete "))->trigger();
    QCOMPARE(w.Game().Notes()[other.y()][other.x()], 0u);
    w.Press(Qt::Key_F2);
    QVERIFY(!box->isChecked() && !w.Game().NotesMode());
    // The panel, and the box with it, only while playing.
    w.Press(Qt::Key_F6);
    QVERIFY(!box->isVisible());
  }

  // Closing the window keeps the game; the next start asks, and Yes brings it back with its clock
  // going on, No forgets it.
  void resumedOrForgottenAtTheNextStart_data() {
    QTest::addColumn<TConfirmAnswer>("answer");
    QTest::newRow("yes") << TConfirmAnswer::Yes;
    QTest::newRow("no") << TConfirmAnswer::No;
    QTest::newRow("closed unanswered") << TConfirmAnswer::Cancel;
  }
  void resumedOrForgottenAtTheNextStart() {
    QFETCH(TConfirmAnswer, answer);
    const bool yes = answer == TConfirmAnswer::Yes;
    TWindow w;
    w.Reach(gsPlaying, 4);
    const QPoint open = w.FirstCell(false);
    const QPoint other = OtherOpenCell(w, open);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key_A);
    w.Press(Qt::Key_F8);
    w.Press(Qt::Key_F2);
    GoToCell(w.Form.get(), other.x(), other.y());
    w.Press(Qt::Key_B);
    QVERIFY(w.Game().Notes()[other.y()][other.x()] != 0);
    const TCharGrid play = w.Game().PlayGrid();
    const TNoteGrid notes = w.Game().Notes();
    w.Fakes.Time.AdvanceSeconds(125);
    w.Fakes.Confirm.Script = {answer};
    w.Restart();
    QCOMPARE(w.Fakes.Confirm.Asked, QStringList{QStringLiteral("Resume the game you left?")});
    QCOMPARE(w.Game().State(), yes ? gsPlaying : gsEmpty);
    // Only a No forgets the game: a box closed unanswered keeps it for the next start.
    QCOMPARE(w.Fakes.Store.Kept.has_value(), answer != TConfirmAnswer::No);
    QCOMPARE(w.Grid()->isVisible(), yes);
    if (!yes) return;
    for (int row = 0; row < 16; ++row)
      for (int column = 0; column < 16; ++column) {
        QCOMPARE(w.Game().PlayGrid()[row][column], play[row][column]);
        QCOMPARE(w.Game().Notes()[row][column], notes[row][column]);
      }
    QCOMPARE(w.Grid()->ColCount(), 16);
    QVERIFY(w.Find<QCheckBox>("cbxControllo")->isChecked());
    QVERIFY(w.Find<QCheckBox>("cbxNote")->isChecked());
    auto* clock = w.Find<TDigitalClock>("Clock1");
    clock->Refresh();
    QCOMPARE(clock->Text(), QStringLiteral("00:02:05"));
    QVERIFY(w.Grid()->hasFocus());
    // Quitting forgets it.
    w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
    w.Press(Qt::Key_F5);
    QVERIFY(!w.Fakes.Store.Kept);
  }

  // A resumed game brings its size and level into the radio groups, the clock hidden, the font
  // size, the current cell and its undo history; after Quit, F10 makes a puzzle of that size and
  // level.
  void theWholeGameComesBack() {
    TWindow w;
    w.Source.Pairs[{4, 'M'}] = {MakePair(4)};
    auto* level = w.Find<QRadioButton>("cbgLivelloItem1");
    QTest::mouseClick(level, Qt::LeftButton, Qt::NoModifier, level->rect().center());
    w.Reach(gsPlaying, 4);
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key(w.Solution(open)));
    w.Press(Qt::Key_F9);
    QTest::mouseClick(w.Find<QPushButton>("btnFontPiu"), Qt::LeftButton);
    w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
    w.Restart();
    QCOMPARE(w.Find<TRadioGroup>("cbg1")->ItemIndex(), 1);
    QCOMPARE(w.Find<TRadioGroup>("cbgLivello")->ItemIndex(), 1);
    QVERIFY(!w.Find("Clock1")->isVisibleTo(w.Form.get()) &&
            w.Find<QCheckBox>("cbxHideTimer")->isChecked());
    QCOMPARE(w.Grid()->font().pointSize(), DefaultFontSize + 1);
    QCOMPARE(QPoint(w.Grid()->Col(), w.Grid()->Row()), open);
    QCOMPARE(w.Play(open), w.Solution(open));
    w.Press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.Play(open), ' ');
    w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
    w.Press(Qt::Key_F5);
    QCOMPARE(w.Game().State(), gsPuzzleView);
    const int fetched = w.Source.FetchCalls;
    w.Press(Qt::Key_F10);
    QCOMPARE(w.Source.FetchCalls, fetched + 1);
    QCOMPARE(w.Game().BoxSize(), 4);
    QCOMPARE(w.Game().Params().level, 'M');
  }

  // A kept file that is damaged, of another version or of no real game is set aside, with one
  // line saying why, and the window starts as it does with nothing kept.
  void unreadableGameIsSetAside() {
    const QByteArray files[] = {"", "Tessamond saved game 1\nbox 3\n", "Tessamond saved game 3\n",
                                QByteArray(qsizetype(MaxSavedGameBytes) + 1, 'x')};
    const QString reasons[] = {"empty", "truncated", "from another version", "too large"};
    for (std::size_t i = 0; i < std::size(files); ++i) {
      TWindow w(nullptr, files[i]);
      QCOMPARE(w.Messages(), QStringList{QStringLiteral("The game you left cannot be resumed (") +
                                         reasons[i] + QStringLiteral(") and was set aside.")});
      QVERIFY(w.Fakes.Confirm.Asked.isEmpty());
      QCOMPARE(w.Fakes.Store.SetAsideBytes, QList<QByteArray>{files[i]});
      QVERIFY(!w.Fakes.Store.Kept);
      QCOMPARE(w.Game().State(), gsEmpty);
      QVERIFY(!w.Grid()->isVisible());
    }
  }

  // A store that cannot write says so once, and the game goes on.
  void aStoreThatFailsIsToldOnce() {
    TWindow w;
    w.Fakes.Store.Fails = true;
    w.Reach(gsPlaying);
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key_3);
    w.Press(Qt::Key_4);
    QCOMPARE(w.Messages(),
             QStringList{QStringLiteral("The game cannot be kept for the next start.")});
    QCOMPARE(w.Fakes.Store.Writes, 3);
    QCOMPARE(w.Play(open), '4');
  }
};

QTEST_MAIN(TestKeptGame)
#include "test_kept_game.moc"
