// Input on the real window: symbol keys per size (keypad, Shift, stray keys), function keys with
// and without modifiers, the context menu of every state, right clicks, and the completion message.
#include <QCheckBox>

#include "PlayHarness.h"

using PlayHarness::TWindow;

namespace {

const QString StartEn = QStringLiteral("To start playing click [Play] or press [F5] !");
const QString StartIt = QStringLiteral("Per iniziare a giocare clicka su [Gioca] o premi [F5] !");
const QString BackEn = QStringLiteral("To play click on [View Game] or press [F6] !");
const QString BackIt = QStringLiteral("Per giocare clicka su [Visualizza gioco] o premi [F6] !");

// Fills every open cell with the solution except the one at `last`, which is left empty.
void FillAllBut(TfrmSudoku& f, QPoint last) {
  const int side = f.FBoard->GetSide();
  for (int row = 0; row < side; ++row)
    for (int column = 0; column < side; ++column)
      f.FPlayGrid[row][column] = f.FSolutionGrid[row][column];
  f.FPlayGrid[last.y()][last.x()] = ' ';
}

}  // namespace

class TestInput : public QObject {
  Q_OBJECT

 private slots:
  void init() { UILanguage = QStringLiteral("IT"); }

  // What each key stores in an open cell, per size. An empty expectation means nothing changes.
  void keyEntersItsSymbol_data() {
    QTest::addColumn<int>("boxSize");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("stored");
    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    for (int k = Qt::Key_1; k <= Qt::Key_9; ++k)
      QTest::addRow("9x9 main %c", char(k)) << 3 << k << none << QString(QChar(k));
    QTest::newRow("9x9 zero refused") << 3 << int(Qt::Key_0) << none << "";
    QTest::newRow("9x9 letter refused") << 3 << int(Qt::Key_A) << none << "";
    QTest::newRow("9x9 keypad 5") << 3 << int(Qt::Key_5) << keypad << "5";
    QTest::newRow("9x9 keypad 9") << 3 << int(Qt::Key_9) << keypad << "9";
    QTest::newRow("9x9 keypad 0 refused") << 3 << int(Qt::Key_0) << keypad << "";
    QTest::newRow("9x9 ctrl 4") << 3 << int(Qt::Key_4) << int(Qt::ControlModifier) << "4";
    QTest::newRow("16x16 main 0") << 4 << int(Qt::Key_0) << none << "0";
    QTest::newRow("16x16 keypad 0") << 4 << int(Qt::Key_0) << keypad << "0";
    QTest::newRow("16x16 keypad 1") << 4 << int(Qt::Key_1) << keypad << "1";
    QTest::newRow("16x16 keypad 6") << 4 << int(Qt::Key_6) << keypad << "6";
    QTest::newRow("16x16 A") << 4 << int(Qt::Key_A) << none << "A";
    QTest::newRow("16x16 shift A") << 4 << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A";
    QTest::newRow("16x16 F") << 4 << int(Qt::Key_F) << none << "F";
    QTest::newRow("16x16 G refused") << 4 << int(Qt::Key_G) << none << "";
    QTest::newRow("16x16 keypad plus refused") << 4 << int(Qt::Key_Plus) << keypad << "";
    QTest::newRow("25x25 A") << 5 << int(Qt::Key_A) << none << "A";
    QTest::newRow("25x25 Y") << 5 << int(Qt::Key_Y) << none << "Y";
    QTest::newRow("25x25 shift Q") << 5 << int(Qt::Key_Q) << int(Qt::ShiftModifier) << "Q";
    QTest::newRow("25x25 Z refused") << 5 << int(Qt::Key_Z) << none << "";
    QTest::newRow("25x25 digit refused") << 5 << int(Qt::Key_1) << none << "";
    // Codes 97..121 read as "a".."y": none of these may reach the grid as a lower-case letter.
    QTest::newRow("25x25 keypad 1 refused") << 5 << int(Qt::Key_1) << keypad << "";
    QTest::newRow("25x25 keypad 9 refused") << 5 << int(Qt::Key_9) << keypad << "";
    QTest::newRow("25x25 keypad star refused") << 5 << int(Qt::Key_Asterisk) << keypad << "";
    QTest::newRow("25x25 keypad slash refused") << 5 << int(Qt::Key_Slash) << keypad << "";
    QTest::newRow("25x25 F2 refused") << 5 << int(Qt::Key_F2) << none << "";
    QTest::newRow("25x25 F3 refused") << 5 << int(Qt::Key_F3) << none << "";
    QTest::newRow("25x25 F11 refused") << 5 << int(Qt::Key_F11) << none << "";
    QTest::newRow("25x25 shift F4 refused") << 5 << int(Qt::Key_F4) << int(Qt::ShiftModifier) << "";
    QTest::newRow("16x16 F2 refused") << 4 << int(Qt::Key_F2) << none << "";
    QTest::newRow("9x9 minus refused") << 3 << int(Qt::Key_Minus) << none << "";
  }
  void keyEntersItsSymbol() {
    QFETCH(int, boxSize);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, stored);
    TWindow w;
    TfrmSudoku& f = *w.Form;
    w.Reach(gsPlaying, boxSize);
    const QPoint at = w.FirstOpenCell();
    QVERIFY(w.MoveTo(at.x(), at.y()));
    w.Press(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    const char expected = stored.isEmpty() ? ' ' : stored.at(0).toLatin1();
    QCOMPARE(f.FPlayGrid[at.y()][at.x()], expected);
    QCOMPARE(f.FGameState, std::uint8_t{gsPlaying});
    QVERIFY(w.Messages().isEmpty());
    // Whatever was pressed, every cell holds a space or a symbol of the set.
    const QString symbols = QString::fromStdString(PlayHarness::SymbolsOf(boxSize));
    for (int row = 0; row < boxSize * boxSize; ++row)
      for (int column = 0; column < boxSize * boxSize; ++column) {
        const char ch = f.FPlayGrid[row][column];
        QVERIFY(ch == ' ' || symbols.contains(QChar::fromLatin1(ch)));
      }
  }

  // Digits typed where the layout reports a symbol: the physical key decides (X11 keycodes).
  void shiftedDigitRowStillEntersDigits_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<QString>("stored");
    QTest::newRow("US shift 1 (!)") << int(Qt::Key_Exclam) << quint32(10) << "1";
    QTest::newRow("IT shift 7 (/)") << int(Qt::Key_Slash) << quint32(16) << "7";
    QTest::newRow("FR 1 (&)") << int(Qt::Key_Ampersand) << quint32(10) << "1";
    QTest::newRow("FR 0 (a grave)") << int(Qt::Key_Agrave) << quint32(19) << "0";
    QTest::newRow("IT e grave is no digit") << int(Qt::Key_Egrave) << quint32(34) << "";
  }
  void shiftedDigitRowStillEntersDigits() {
    QFETCH(int, key);
    QFETCH(quint32, scanCode);
    QFETCH(QString, stored);
    TWindow w;
    w.Reach(gsPlaying, 4);
    const QPoint at = w.FirstOpenCell();
    QVERIFY(w.MoveTo(at.x(), at.y()));
    w.PressNative(static_cast<Qt::Key>(key), Qt::ShiftModifier, scanCode);
    QCOMPARE(w.Form->FPlayGrid[at.y()][at.x()], stored.isEmpty() ? ' ' : stored.at(0).toLatin1());
  }

  void spaceAndDeleteClearOnlyEntries() {
    TWindow w;
    TfrmSudoku& f = *w.Form;
    w.Reach(gsPlaying);
    const QPoint open = w.FirstOpenCell();
    QVERIFY(w.MoveTo(open.x(), open.y()));
    w.Press(Qt::Key_7);
    QCOMPARE(f.FPlayGrid[open.y()][open.x()], '7');
    w.Press(Qt::Key_Space);
    QCOMPARE(f.FPlayGrid[open.y()][open.x()], ' ');
    w.Press(Qt::Key_7);
    w.MenuItem(QStringLiteral("Delete "))->trigger();
    QCOMPARE(f.FPlayGrid[open.y()][open.x()], ' ');

    const QPoint given = w.FirstGivenCell();
    const char symbol = f.FGivenGrid[given.y()][given.x()];
    QVERIFY(w.MoveTo(given.x(), given.y()));
    w.Press(Qt::Key_Space);
    w.MenuItem(QStringLiteral("Delete "))->trigger();
    w.Press(symbol == '1' ? Qt::Key_2 : Qt::Key_1);
    QCOMPARE(f.FPlayGrid[given.y()][given.x()], symbol);
    QVERIFY(w.Messages().isEmpty());
  }

  void keysOutsideTheGameOnlyRemind_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("message");
    const int none = Qt::NoModifier;
    QTest::newRow("puzzle EN 5") << int{gsPuzzleView} << "EN" << int(Qt::Key_5) << none << StartEn;
    QTest::newRow("puzzle IT 5") << int{gsPuzzleView} << "IT" << int(Qt::Key_5) << none << StartIt;
    QTest::newRow("solution EN arrow")
        << int{gsSolutionView} << "EN" << int(Qt::Key_Down) << none << StartEn;
    QTest::newRow("solution IT A")
        << int{gsSolutionView} << "IT" << int(Qt::Key_A) << none << StartIt;
    QTest::newRow("playing solution EN")
        << int{gsPlayingSolution} << "EN" << int(Qt::Key_5) << none << BackEn;
    QTest::newRow("playing solution IT")
        << int{gsPlayingSolution} << "IT" << int(Qt::Key_5) << none << BackIt;
    // Keys the window does not take in this state reach the grid like any other.
    QTest::newRow("puzzle F4") << int{gsPuzzleView} << "EN" << int(Qt::Key_F4) << none << StartEn;
    QTest::newRow("puzzle F9") << int{gsPuzzleView} << "EN" << int(Qt::Key_F9) << none << StartEn;
    QTest::newRow("puzzle shift F5")
        << int{gsPuzzleView} << "EN" << int(Qt::Key_F5) << int(Qt::ShiftModifier) << StartEn;
    QTest::newRow("puzzle ctrl F10")
        << int{gsPuzzleView} << "EN" << int(Qt::Key_F10) << int(Qt::ControlModifier) << StartEn;
    QTest::newRow("playing solution alt F6")
        << int{gsPlayingSolution} << "EN" << int(Qt::Key_F6) << int(Qt::AltModifier) << BackEn;
    QTest::newRow("punctuation") << int{gsPuzzleView} << "EN" << int(Qt::Key_Comma) << none
                                 << StartEn;
    QTest::newRow("accented letter")
        << int{gsSolutionView} << "IT" << int(Qt::Key_Egrave) << none << StartIt;
    QTest::newRow("shift alone") << int{gsPuzzleView} << "EN" << int(Qt::Key_Shift)
                                 << int(Qt::ShiftModifier) << "";
  }
  void keysOutsideTheGameOnlyRemind() {
    QFETCH(int, state);
    QFETCH(QString, language);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, message);
    TWindow w;
    TfrmSudoku& f = *w.Form;
    w.Reach(static_cast<std::uint8_t>(state));
    UILanguage = language;
    const TCharGrid before = f.FPlayGrid;
    w.Press(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.Messages(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(int{f.FGameState}, state);
    QVERIFY(before == f.FPlayGrid);
  }

  void keyBeforeAnyPuzzleReminds() {
    TWindow w;
    w.Form->sg1KeyDown('5', Qt::NoModifier);
    QCOMPARE(w.Messages(), QStringList{StartEn});
  }

  // Each function key with no modifier runs its reaction; with Shift, Ctrl or Alt it does not.
  void functionKeysNeedNoModifier_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("taken");
    const int keys[] = {Qt::Key_F1, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6,
                        Qt::Key_F8, Qt::Key_F9, Qt::Key_F10};
    const std::pair<const char*, int> mods[] = {{"plain", Qt::NoModifier},
                                                {"shift", Qt::ShiftModifier},
                                                {"ctrl", Qt::ControlModifier},
                                                {"alt", Qt::AltModifier}};
    for (int key : keys)
      for (const auto& [name, mod] : mods)
        QTest::addRow("F%d %s", key - Qt::Key_F1 + 1, name) << key << mod << (mod == 0);
  }
  void functionKeysNeedNoModifier() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, taken);
    TWindow w;
    TfrmSudoku& f = *w.Form;
    // F10 is tried before a game (the only state it works in), the others during one.
    if (key == Qt::Key_F10) {
      w.Reach(gsPuzzleView);
    } else {
      w.Reach(gsPlaying);
      const QPoint open = w.FirstOpenCell();
      QVERIFY(w.MoveTo(open.x(), open.y()));
    }
    const std::uint8_t state = f.FGameState;
    const bool marking = w.Ui()->cbxControllo->isChecked();
    const bool hidden = w.Ui()->cbxHideTimer->isChecked();
    const TsdBoard* board = f.FBoard.get();
    const TCharGrid given = f.FGivenGrid;
    w.Fakes.Confirm.Script = {TConfirmAnswer::No};
    // A regenerated puzzle overwrites this marker (only tried before a game, where no entry or
    // hint reads the givens).
    if (key == Qt::Key_F10) f.FGivenGrid[0][0] = '#';

    w.Press(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));

    bool reacted = false;
    switch (key) {
      case Qt::Key_F1:
        reacted = w.Fakes.Urls.Opened.size() == 1;
        break;
      case Qt::Key_F4:
        reacted = w.Messages().size() == 1 && w.Messages()[0].startsWith("For");
        break;
      case Qt::Key_F5:
        reacted = w.Fakes.Confirm.Asked.size() == 1;
        break;
      case Qt::Key_F6:
        reacted = f.FGameState == gsPlayingSolution;
        break;
      case Qt::Key_F8:
        reacted = w.Ui()->cbxControllo->isChecked() != marking;
        break;
      case Qt::Key_F9:
        reacted = w.Ui()->cbxHideTimer->isChecked() != hidden;
        break;
      case Qt::Key_F10:
        reacted = f.FGivenGrid[0][0] != '#';
        break;
    }
    QCOMPARE(reacted, taken);
    QVERIFY(f.FBoard.get() == board);
    if (!taken) {
      QCOMPARE(f.FGameState, state);
      // The key went on to the grid, which stores nothing for it during a game and reminds
      // before one.
      QCOMPARE(w.Messages(), key == Qt::Key_F10 ? QStringList{StartEn} : QStringList{});
      if (key == Qt::Key_F10) f.FGivenGrid[0][0] = given[0][0];
      QVERIFY(f.FGivenGrid == given);
    }
  }

  void f8BeforeAGameCarriesIntoIt() {
    TWindow w;
    w.Reach(gsPuzzleView);
    QVERIFY(!w.Ui()->cbxControllo->isVisible());
    w.Press(Qt::Key_F8);
    QVERIFY(w.Ui()->cbxControllo->isChecked());
    QVERIFY(w.Messages().isEmpty());
    w.Press(Qt::Key_F5);
    QVERIFY(w.Ui()->cbxControllo->isChecked());
    QCOMPARE(w.MenuCaptions().at(10), QStringLiteral("Disable control [F8]"));
  }

  void f9HidesAndShowsTheClock() {
    TWindow w;
    w.Reach(gsPlaying);
    QVERIFY(w.Ui()->Clock1->isVisible());
    w.Press(Qt::Key_F9);
    QVERIFY(w.Ui()->cbxHideTimer->isChecked());
    QVERIFY(!w.Ui()->Clock1->isVisible());
    QVERIFY(w.Grid()->hasFocus());
    w.Press(Qt::Key_F9);
    QVERIFY(w.Ui()->Clock1->isVisible());
    QTest::mouseClick(w.Ui()->cbxHideTimer, Qt::LeftButton);
    QVERIFY(!w.Ui()->Clock1->isVisible());
  }

  // The context menu, caption by caption, for every state and both languages.
  void contextMenuPerState_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("boxSize");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("marking");
    QTest::addColumn<QStringList>("captions");
    const QStringList digits9 = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    QTest::newRow("empty") << int{gsEmpty} << 3 << "EN" << false << QStringList{};
    QTest::newRow("puzzle EN") << int{gsPuzzleView} << 3 << "EN" << false
                               << QStringList{"Play [F5]", " Show solution [F6] "};
    QTest::newRow("solution EN") << int{gsSolutionView} << 3 << "EN" << false
                                 << QStringList{"Play [F5]", " Show game [F6] "};
    QTest::newRow("puzzle IT") << int{gsPuzzleView} << 3 << "IT" << false
                               << QStringList{"Gioca [F5]", " Mostra soluzione [F6] "};
    QTest::newRow("solution IT") << int{gsSolutionView} << 3 << "IT" << false
                                 << QStringList{"Gioca [F5]", " Mostra gioco [F6] "};
    QTest::newRow("playing 9x9 EN")
        << int{gsPlaying} << 3 << "EN" << false
        << (QStringList{"Delete "} + digits9 +
            QStringList{"View errors [F8]", "Hint! [F4]", "Quit game [F5]", "Show solution [F6]"});
    QTest::newRow("playing 9x9 EN marking")
        << int{gsPlaying} << 3 << "EN" << true
        << (QStringList{"Delete "} + digits9 +
            QStringList{"Disable control [F8]", "Hint! [F4]", "Quit game [F5]",
                        "Show solution [F6]"});
    QTest::newRow("playing 9x9 IT")
        << int{gsPlaying} << 3 << "IT" << false
        << (QStringList{"Cancella "} + digits9 +
            QStringList{"Controllo attivo [F8]", "Suggerimento! [F4]", "Abbandona gioco [F5]",
                        "Mostra soluzione [F6]"});
    QTest::newRow("playing 9x9 IT marking")
        << int{gsPlaying} << 3 << "IT" << true
        << (QStringList{"Cancella "} + digits9 +
            QStringList{"Disattiva controllo [F8]", "Suggerimento! [F4]", "Abbandona gioco [F5]",
                        "Mostra soluzione [F6]"});
    QStringList symbols16;
    for (QChar c : QStringLiteral("0123456789ABCDEF")) symbols16 << QString(c);
    QTest::newRow("playing 16x16 EN")
        << int{gsPlaying} << 4 << "EN" << false
        << (QStringList{"Delete "} + symbols16 +
            QStringList{"View errors [F8]", "Hint! [F4]", "Quit game [F5]", "Show solution [F6]"});
    QStringList symbols25;
    for (QChar c : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY")) symbols25 << QString(c);
    QTest::newRow("playing 25x25 EN")
        << int{gsPlaying} << 5 << "EN" << false
        << (QStringList{"Delete "} + symbols25 +
            QStringList{"View errors [F8]", "Hint! [F4]", "Quit game [F5]", "Show solution [F6]"});
    QTest::newRow("playing solution EN") << int{gsPlayingSolution} << 3 << "EN" << false
                                         << QStringList{"Quit game [F5]", "Show game [F6]"};
    QTest::newRow("playing solution IT")
        << int{gsPlayingSolution} << 3 << "IT" << false
        << QStringList{"Abbandona gioco [F5]", "Mostra gioco [F6]"};
  }
  void contextMenuPerState() {
    QFETCH(int, state);
    QFETCH(int, boxSize);
    QFETCH(QString, language);
    QFETCH(bool, marking);
    QFETCH(QStringList, captions);
    TWindow w;
    UILanguage = language;
    w.Form->ApplyLanguage();
    w.Ui()->cbxControllo->setChecked(marking);
    w.Reach(static_cast<std::uint8_t>(state), boxSize);
    if (state == gsEmpty) {
      // Never built, and it does not open: a right click brings up no menu.
      w.Form->BuildContextMenu(gsEmpty);
      QCOMPARE(w.MenuCaptions(), QStringList{});
      return;
    }
    QCOMPARE(w.MenuCaptions(), captions);
    if (state == gsPlaying) {
      const QList<QAction*> items = w.Form->popm1->actions();
      QCOMPARE(items[0]->data().toInt(), 32);
      const std::string symbols = PlayHarness::SymbolsOf(boxSize);
      for (std::size_t i = 0; i < symbols.size(); ++i)
        QCOMPARE(items[qsizetype(i) + 1]->data().toInt(), int(symbols[i]));
    }
  }

  void markingItemFollowsTheCheckBox() {
    TWindow w;
    w.Reach(gsPlaying);
    w.MenuItem(QStringLiteral("View errors [F8]"))->trigger();
    QVERIFY(w.Ui()->cbxControllo->isChecked());
    QVERIFY(w.MenuItem(QStringLiteral("Disable control [F8]")));
    QTest::mouseClick(w.Ui()->cbxControllo, Qt::LeftButton);
    QVERIFY(!w.Ui()->cbxControllo->isChecked());
    QVERIFY(w.MenuItem(QStringLiteral("View errors [F8]")));
    QVERIFY(w.Grid()->hasFocus());
  }

  void menuItemsRunTheirActions() {
    TWindow w;
    TfrmSudoku& f = *w.Form;
    w.Reach(gsPlaying);
    const QPoint open = w.FirstOpenCell();
    QVERIFY(w.MoveTo(open.x(), open.y()));
    w.MenuItem(QStringLiteral("8"))->trigger();
    QCOMPARE(f.FPlayGrid[open.y()][open.x()], '8');
    w.MenuItem(QStringLiteral("Hint! [F4]"))->trigger();
    QCOMPARE(w.Messages().size(), 1);
    w.Fakes.Confirm.Script = {TConfirmAnswer::Cancel};
    w.MenuItem(QStringLiteral("Quit game [F5]"))->trigger();
    QCOMPARE(w.Fakes.Confirm.Asked.size(), 1);
    w.MenuItem(QStringLiteral("Show solution [F6]"))->trigger();
    QCOMPARE(f.FGameState, std::uint8_t{gsPlayingSolution});
    w.MenuItem(QStringLiteral("Show game [F6]"))->trigger();
    QCOMPARE(f.FGameState, std::uint8_t{gsPlaying});
    // Outside a game a symbol item does nothing.
    QAction* symbol = w.MenuItem(QStringLiteral("3"));
    w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
    w.Press(Qt::Key_F5);
    QCOMPARE(f.FGameState, std::uint8_t{gsPuzzleView});
    const TCharGrid before = f.FPlayGrid;
    f.N11Click(symbol);
    QVERIFY(before == f.FPlayGrid);
  }

  void rightClickChoosesTheCellOnlyDuringAGame() {
    TWindow w;
    TDrawGrid* grid = w.Grid();
    w.Reach(gsPuzzleView);
    QWidget* viewport = grid->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, grid->CellRect(4, 3).center());
    QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(0, 0));
    w.Press(Qt::Key_F5);
    QTest::mouseClick(viewport, Qt::RightButton, {}, grid->CellRect(4, 3).center());
    QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(4, 3));
    // A click where no cell is keeps the current cell.
    w.Form->sg1MouseDown(Qt::RightButton, QPoint(-3, -3));
    const QRect last = grid->CellRect(8, 8);
    const QPoint beyond = last.bottomRight() + QPoint(6, 6);
    if (viewport->rect().contains(beyond)) QTest::mouseClick(viewport, Qt::RightButton, {}, beyond);
    QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(4, 3));
    // ...so a symbol still lands in a cell of the board.
    const QPoint open = w.FirstOpenCell();
    QTest::mouseClick(viewport, Qt::RightButton, {}, grid->CellRect(open.x(), open.y()).center());
    w.MenuItem(QStringLiteral("5"))->trigger();
    QCOMPARE(w.Form->FPlayGrid[open.y()][open.x()], '5');
  }

  void entryAndHintStayInsideTheBoard() {
    TWindow w;
    w.Reach(gsPlaying);
    // A grid with more cells than the board: its current cell can lie past the board, and then
    // neither entry nor hint may touch the grids.
    w.Grid()->SetColCount(25);
    w.Grid()->SetRowCount(25);
    w.Grid()->SetCurrentCell(20, 20);
    QCOMPARE(QPoint(w.Grid()->Col(), w.Grid()->Row()), QPoint(20, 20));
    const TCharGrid before = w.Form->FPlayGrid;
    w.Press(Qt::Key_5);
    w.Form->EnterSymbol('5');
    w.Press(Qt::Key_F4);
    QVERIFY(before == w.Form->FPlayGrid);
    QVERIFY(w.Messages().isEmpty());
  }

  // The congratulation and its elapsed time, in both languages.
  void completionCongratulates_data() {
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("59 s EN") << qint64(59) << "EN"
                             << "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku "
                                "puzzle in:0: hours, :0 min. and 59 seconds.";
    QTest::newRow("59 s IT") << qint64(59) << "IT"
                             << "Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku "
                                "in:0: ore, :0 min. e 59 secondi.";
    QTest::newRow("1 h 2 min 3 s EN")
        << qint64(3723) << "EN"
        << "Congratulations !\r\nYou've successfully completed\r\nthe "
           "Sudoku puzzle in:1: hours, :2 min. and 3 seconds.";
    QTest::newRow("1 h 2 min 3 s IT") << qint64(3723) << "IT"
                                      << "Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil "
                                         "Sudoku in:1: ore, :2 min. e 3 secondi.";
    QTest::newRow("26 h 0 min 7 s EN")
        << qint64(26 * 3600 + 7) << "EN"
        << "Congratulations !\r\nYou've successfully completed\r\nthe "
           "Sudoku puzzle in:26: hours, :0 min. and 7 seconds.";
  }
  void completionCongratulates() {
    QFETCH(qint64, seconds);
    QFETCH(QString, language);
    QFETCH(QString, message);
    TWindow w;
    TfrmSudoku& f = *w.Form;
    UILanguage = language;
    w.Fakes.Time.Current = QDateTime(QDate(2024, 3, 14), QTime(23, 59, 30, 250));
    w.Reach(gsPlaying);
    const QPoint last = w.FirstOpenCell();
    FillAllBut(f, last);
    QVERIFY(w.MoveTo(last.x(), last.y()));
    w.Fakes.Time.AdvanceSeconds(seconds);
    w.Press(static_cast<Qt::Key>(f.FSolutionGrid[last.y()][last.x()]));
    QCOMPARE(w.Messages(), QStringList{message});
    QCOMPARE(f.FGameState, std::uint8_t{gsPlaying});
    // The same symbol again: still full and right, so the message comes again.
    w.Press(static_cast<Qt::Key>(f.FSolutionGrid[last.y()][last.x()]));
    QCOMPARE(w.Messages().size(), 2);
  }

  void conflictHoldsBackTheCongratulation() {
    TWindow w;
    TfrmSudoku& f = *w.Form;
    w.Reach(gsPlaying);
    // Two open cells of one row: swapping their answers fills the grid with conflicts.
    const QPoint a = w.FirstOpenCell();
    int otherColumn = -1;
    for (int column = a.x() + 1; column < 9 && otherColumn < 0; ++column)
      if (f.FGivenGrid[a.y()][column] == ' ') otherColumn = column;
    QVERIFY(otherColumn >= 0);
    const QPoint b(otherColumn, a.y());
    FillAllBut(f, a);
    f.FPlayGrid[b.y()][b.x()] = f.FSolutionGrid[a.y()][a.x()];
    QVERIFY(w.MoveTo(a.x(), a.y()));
    w.Press(static_cast<Qt::Key>(f.FSolutionGrid[b.y()][b.x()]));
    QVERIFY(w.Messages().isEmpty());
    // Mending the conflict with the last entries completes the grid.
    w.Press(static_cast<Qt::Key>(f.FSolutionGrid[a.y()][a.x()]));
    QVERIFY(w.Messages().isEmpty());
    QVERIFY(w.MoveTo(b.x(), b.y()));
    w.Press(static_cast<Qt::Key>(f.FSolutionGrid[b.y()][b.x()]));
    QCOMPARE(w.Messages().size(), 1);
    QVERIFY(w.Messages()[0].startsWith(QStringLiteral("Congratulations !")));
  }
};

QTEST_MAIN(TestInput)
#include "test_input.moc"
