// The window over the model: what each state enables and shows, the function keys through the key
// preview, keys and clicks on the grid, the context menu, the check boxes and the clock, the quit
// question, the hint and help.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "Language.h"
#include "TDigitalClock.h"
#include "TRadioGroup.h"
#include "WindowDriver.h"

namespace {

const QString StartEn = QStringLiteral("To start playing click [Play] or press [F5] !");

}  // namespace

class TestWindow : public QObject {
  Q_OBJECT

 private slots:
  void init() { UILanguage = QStringLiteral("IT"); }

  // Actions, groups, panels, captions and the menu as the model's table says, in every state.
  void followsTheStateTable_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("language");
    for (const char* language : {"EN", "IT"})
      for (GameState state : {gsEmpty, gsPuzzleView, gsSolutionView, gsPlaying, gsPlayingSolution})
        QTest::addRow("%s %d", language, int(state)) << int(state) << QString(language);
  }
  void followsTheStateTable() {
    QFETCH(int, state);
    QFETCH(QString, language);
    TWindow w;
    UILanguage = language;
    w.Form->ApplyLanguage();
    w.Reach(GameState(state));
    QCOMPARE(int(w.Game().State()), state);
    const TStateView view = w.Game().StateView();
    const struct {
      const char* name;
      bool actual;
      bool expected;
    } rows[] = {
        {"ActGenera", w.Action("ActGenera")->isEnabled(), view.generate},
        {"cbg1", w.Find("cbg1")->isEnabled(), view.generate},
        {"cbgLivello", w.Find("cbgLivello")->isEnabled(), view.generate},
        {"ActPlay", w.Action("ActPlay")->isEnabled(), view.play},
        {"ActToggleView", w.Action("ActToggleView")->isEnabled(), view.toggleView},
        {"ActPrint", w.Action("ActPrint")->isEnabled(), view.print},
        {"ActSuggerisci", w.Action("ActSuggerisci")->isEnabled(), view.hint},
        {"ActHelp", w.Action("ActHelp")->isEnabled(), true},
        {"pnlGameOn", w.Find("pnlGameOn")->isVisible(), view.gamePanel},
        {"Clock1", w.Find("Clock1")->isVisible(), view.gamePanel},
        {"sg1 shown", w.Grid()->isVisible(), state != int(gsEmpty)},
        {"sg1 focused", w.Grid()->hasFocus(), state != int(gsEmpty)},
        {"btnPrint shown", w.Find("btnPrint")->isVisible(), false},
    };
    for (const auto& row : rows) QVERIFY2(row.actual == row.expected, row.name);
    if (view.playCaption) {
      QCOMPARE(w.Find<QAbstractButton>("btnPlay")->text(), Tr(*view.playCaption));
      QCOMPARE(w.Find<QAbstractButton>("btnToggleView")->text(), Tr(*view.toggleCaption));
    }
    QStringList menu;
    for (const TMenuItem& item : w.Game().ContextMenu()) menu << Tr(item.caption);
    if (state == int(gsEmpty)) menu = QStringList{"1", "2"};  // never built
    QCOMPARE(w.MenuCaptions(), menu);
    QVERIFY(w.Messages().isEmpty());
  }

  // Each function key without Shift, Ctrl or Alt runs its reaction; with one of them it goes on
  // to the grid like any other key.
  void functionKeysNeedNoModifier_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("taken");
    const std::pair<const char*, int> mods[] = {{"plain", Qt::NoModifier},
                                                {"shift", Qt::ShiftModifier},
                                                {"ctrl", Qt::ControlModifier},
                                                {"alt", Qt::AltModifier},
                                                {"meta", Qt::MetaModifier}};
    for (int key : {Qt::Key_F1, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8,
                    Qt::Key_F9, Qt::Key_F10})
      for (const auto& [name, mod] : mods)
        QTest::addRow("F%d %s", key - Qt::Key_F1 + 1, name)
            << key << mod << (mod == Qt::NoModifier || mod == Qt::MetaModifier);
  }
  void functionKeysNeedNoModifier() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, taken);
    TWindow w;
    // F10 is tried before a game, the only time it works; the others during one.
    const bool beforeGame = key == Qt::Key_F10;
    w.Reach(beforeGame ? gsPuzzleView : gsPlaying);
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    const GameState state = w.Game().State();
    const bool marking = w.Game().ErrorMarking();
    const bool hidden = w.Game().TimerHidden();
    const int fetches = w.Source.FetchCalls;
    w.Fakes.Confirm.Script = {TConfirmAnswer::No};
    w.Fakes.PrintDialog.Confirm = false;

    w.Press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    const bool reacted[] = {
        w.Fakes.Urls.Opened.size() == 1,
        w.Messages().size() == 1 && w.Messages()[0].startsWith("For"),
        w.Fakes.Confirm.Asked.size() == 1,
        w.Game().State() != state,
        w.Fakes.PrintDialog.Calls == 1,
        w.Game().ErrorMarking() != marking,
        w.Game().TimerHidden() != hidden,
        w.Source.FetchCalls != fetches,
    };
    const int keys[] = {Qt::Key_F1, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6,
                        Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F10};
    for (std::size_t i = 0; i < std::size(keys); ++i) QCOMPARE(reacted[i], taken && keys[i] == key);
    if (!taken) {
      // On to the grid: it stores nothing during a game and reminds before one.
      QCOMPARE(w.Messages(), beforeGame ? QStringList{StartEn} : QStringList{});
      QCOMPARE(w.Play(open), ' ');
    }
  }

  // The preview sees the keys of the whole window, whichever control has the focus, and only its.
  void previewCoversTheWindowAndOnlyIt() {
    TWindow w;
    w.Source.ForcedCount = 0;  // every attempt fails at once, with a message
    w.Find("btnFontPiu")->setFocus();
    w.Press(Qt::Key_F10);
    QCOMPARE(w.Messages().count(QStringLiteral("ENGINE ERROR: 001")), 11);
    QCOMPARE(w.Messages().last(), QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES"));
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    w.Messages().clear();
    PressKey(&other, Qt::Key_F10);
    // A key not taken goes to the focused control; only the grid answers it with a reminder.
    w.Press(Qt::Key_5);
    QVERIFY(w.Messages().isEmpty());
  }

  // A key the window does not take reaches the grid once, and the grid still handles it.
  void gridKeysReachTheModelOnce() {
    TWindow w;
    w.Reach(gsPuzzleView);
    w.Press(Qt::Key_F4);  // the hint is disabled before a game
    w.Press(Qt::Key_5);
    w.Press(Qt::Key_Shift, Qt::ShiftModifier);  // on its own: not meant for the grid
    QCOMPARE(w.Messages(), QStringList({StartEn, StartEn}));
    w.Press(Qt::Key_Right);
    QCOMPARE(w.Grid()->Col(), 1);
    QCOMPARE(w.Game().CurrentColumn(), 1);
    QCOMPARE(w.Messages().size(), 3);
    // During the game shown as solution, the other reminder.
    w.Press(Qt::Key_F5);
    w.Press(Qt::Key_F6);
    w.Messages().clear();
    UILanguage = QStringLiteral("IT");
    w.Press(Qt::Key_A);
    QCOMPARE(
        w.Messages(),
        QStringList{QStringLiteral("Per giocare clicka su [Visualizza gioco] o premi [F6] !")});
  }

  // What each key types into an open cell: keypad digits as digits, letters whatever Shift, the
  // physical digit row whatever the layout puts on it, and never a lower-case letter.
  void keysTypeTheirSymbol_data() {
    QTest::addColumn<int>("boxSize");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("scanCode");  // 0: as QTest sends it
    QTest::addColumn<QString>("stored");
    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("9x9 7") << 3 << int(Qt::Key_7) << none << 0u << "7";
    QTest::newRow("9x9 keypad 5") << 3 << int(Qt::Key_5) << keypad << 0u << "5";
    QTest::newRow("9x9 keypad 0") << 3 << int(Qt::Key_0) << keypad << 0u << "";
    QTest::newRow("9x9 ctrl 4") << 3 << int(Qt::Key_4) << int(Qt::ControlModifier) << 0u << "4";
    QTest::newRow("9x9 minus") << 3 << int(Qt::Key_Minus) << none << 0u << "";
    QTest::newRow("16x16 keypad 0") << 4 << int(Qt::Key_0) << keypad << 0u << "0";
    QTest::newRow("16x16 shift A") << 4 << int(Qt::Key_A) << shift << 0u << "A";
    QTest::newRow("16x16 keypad plus") << 4 << int(Qt::Key_Plus) << keypad << 0u << "";
    QTest::newRow("16x16 US shift 1") << 4 << int(Qt::Key_Exclam) << shift << 10u << "1";
    QTest::newRow("16x16 IT shift 7") << 4 << int(Qt::Key_Slash) << shift << 16u << "7";
    QTest::newRow("16x16 FR a grave") << 4 << int(Qt::Key_Agrave) << none << 19u << "0";
    QTest::newRow("16x16 IT e grave") << 4 << int(Qt::Key_Egrave) << none << 34u << "";
    // Codes 97..121 read as "a".."y": none of them may reach the grid.
    QTest::newRow("25x25 shift Q") << 5 << int(Qt::Key_Q) << shift << 0u << "Q";
    QTest::newRow("25x25 keypad 1") << 5 << int(Qt::Key_1) << keypad << 0u << "";
    QTest::newRow("25x25 keypad star") << 5 << int(Qt::Key_Asterisk) << keypad << 0u << "";
    QTest::newRow("25x25 F2") << 5 << int(Qt::Key_F2) << none << 0u << "";
    QTest::newRow("25x25 F11") << 5 << int(Qt::Key_F11) << none << 0u << "";
    QTest::newRow("25x25 shift F4") << 5 << int(Qt::Key_F4) << shift << 0u << "";
  }
  void keysTypeTheirSymbol() {
    QFETCH(int, boxSize);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(quint32, scanCode);
    QFETCH(QString, stored);
    TWindow w;
    w.Reach(gsPlaying, boxSize);
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    if (scanCode != 0)
      PressNativeKey(w.Form.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers), scanCode);
    else
      w.Press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.Play(open), stored.isEmpty() ? ' ' : stored.at(0).toLatin1());
    QVERIFY(w.Messages().isEmpty());
  }

  void contextMenuOpensOnlyWithAPuzzle() {
    TWindow w;
    QWidget* viewport = w.Grid()->viewport();
    w.Source.Pairs[{3, 'E'}][0].first.pop_back();  // the grid is set up, the board refuses it
    w.Generate(3);
    QCOMPARE(w.Game().State(), gsEmpty);
    QVERIFY(w.Grid()->isVisible());
    emit viewport->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(!w.Menu()->isVisible());
    w.Source.Pairs[{3, 'E'}] = {MakePair(3)};
    w.Generate(4);
    w.Generate(3);
    emit viewport->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(w.Menu()->isVisible());
    w.Menu()->close();
    emit w.Grid()->customContextMenuRequested(QPoint(5, 5));  // the menu key
    QVERIFY(w.Menu()->isVisible());
    w.Menu()->close();
  }

  void menuItemsAndRightClicks() {
    TWindow w;
    w.Reach(gsPuzzleView);
    // A right click chooses the cell only during a game.
    w.ClickCell(4, 3, Qt::RightButton);
    QCOMPARE(QPoint(w.Grid()->Col(), w.Grid()->Row()), QPoint(0, 0));
    w.Press(Qt::Key_F5);
    const QPoint open = w.FirstCell(false);
    w.ClickCell(open.x(), open.y(), Qt::RightButton);
    QCOMPARE(QPoint(w.Game().CurrentColumn(), w.Game().CurrentRow()), open);
    // A click beside the cells keeps it.
    const QRect last = w.Grid()->CellRect(8, 8);
    QTest::mouseClick(w.Grid()->viewport(), Qt::RightButton, {}, last.bottomRight() + QPoint(9, 9));
    QCOMPARE(QPoint(w.Game().CurrentColumn(), w.Game().CurrentRow()), open);
    w.MenuItem(QStringLiteral("8"))->trigger();
    QCOMPARE(w.Play(open), '8');
    w.MenuItem(QStringLiteral("Delete "))->trigger();
    QCOMPARE(w.Play(open), ' ');
    w.MenuItem(QStringLiteral("Hint! [F4]"))->trigger();
    QCOMPARE(w.Messages().size(), 1);
    w.MenuItem(QStringLiteral("View errors [F8]"))->trigger();
    QVERIFY(w.Find<QCheckBox>("cbxControllo")->isChecked());
    QVERIFY(w.MenuItem(QStringLiteral("Disable control [F8]")));
    QTest::mouseClick(w.Find("cbxControllo"), Qt::LeftButton);
    QVERIFY(w.MenuItem(QStringLiteral("View errors [F8]")));
    QVERIFY(w.Grid()->hasFocus());
    w.Fakes.Confirm.Script = {TConfirmAnswer::Cancel};
    w.MenuItem(QStringLiteral("Quit game [F5]"))->trigger();
    QCOMPARE(w.Fakes.Confirm.Asked.size(), 1);
    w.MenuItem(QStringLiteral("Show solution [F6]"))->trigger();
    QCOMPARE(w.Game().State(), gsPlayingSolution);
    QVERIFY(!w.MenuItem(QStringLiteral("8")));
    w.MenuItem(QStringLiteral("Show game [F6]"))->trigger();
    QCOMPARE(w.Game().State(), gsPlaying);
  }

  // F8 works outside a game too and carries into the next; F9 and the box hide the clock, which
  // every return to the game shows again; the clock counts from Play.
  void checkBoxesAndTheClock() {
    TWindow w;
    auto* marking = w.Find<QCheckBox>("cbxControllo");
    auto* clock = w.Find<TDigitalClock>("Clock1");
    w.Reach(gsPuzzleView);
    w.Press(Qt::Key_F8);
    QVERIFY(marking->isChecked() && w.Game().ErrorMarking());
    w.Fakes.Time.Current = QDateTime(QDate(2024, 3, 14), QTime(21, 47, 13, 600));
    w.Press(Qt::Key_F5);
    QVERIFY(marking->isChecked());
    clock->Refresh();
    QCOMPARE(clock->Text(), QStringLiteral("00:00:00"));
    w.Fakes.Time.AdvanceSeconds(3 * 3600 + 4 * 60 + 5);
    clock->Refresh();
    QCOMPARE(clock->Text(), QStringLiteral("03:04:05"));
    w.Press(Qt::Key_F9);
    QVERIFY(!clock->isVisible() && w.Game().TimerHidden());
    QVERIFY(w.Grid()->hasFocus());
    w.Press(Qt::Key_F6);
    w.Press(Qt::Key_F6);
    QVERIFY(clock->isVisible() && !w.Find<QCheckBox>("cbxHideTimer")->isChecked());
    QTest::mouseClick(w.Find("cbxHideTimer"), Qt::LeftButton);
    QVERIFY(!clock->isVisible());
    // Quit, then a new game: the clock starts over.
    w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
    w.Press(Qt::Key_F5);
    w.Press(Qt::Key_F5);
    clock->Refresh();
    QCOMPARE(clock->Text(), QStringLiteral("00:00:00"));
    QVERIFY(clock->isVisible());
  }

  void quitAsksAndOnlyYesQuits_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("language");
    QTest::newRow("yes") << int(TConfirmAnswer::Yes) << "EN";
    QTest::newRow("no") << int(TConfirmAnswer::No) << "EN";
    QTest::newRow("cancel IT") << int(TConfirmAnswer::Cancel) << "IT";
  }
  void quitAsksAndOnlyYesQuits() {
    QFETCH(int, answer);
    QFETCH(QString, language);
    TWindow w;
    UILanguage = language;
    w.Reach(gsPlaying);
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key_3);
    w.Find("btnPlay")->setFocus();
    w.Fakes.Confirm.Script = {TConfirmAnswer(answer)};
    QTest::mouseClick(w.Find("btnPlay"), Qt::LeftButton);
    QCOMPARE(w.Fakes.Confirm.Asked, QStringList{Tr(TsdGame::QuitQuestion())});
    const bool yes = answer == int(TConfirmAnswer::Yes);
    QCOMPARE(w.Game().State(), yes ? gsPuzzleView : gsPlaying);
    QCOMPARE(w.Play(open), yes ? ' ' : '3');
    if (!yes) QVERIFY(w.Grid()->hasFocus());
  }

  void hintAndGenerateCaptions() {
    TWindow w;
    UILanguage = QStringLiteral("IT");
    w.Form->ApplyLanguage();
    w.Reach(gsPlaying);
    QCOMPARE(w.Action("ActGenera")->text(), QStringLiteral("Rigenera [F10]"));
    QCOMPARE(w.Find<QAbstractButton>("btnGenera")->text(), QStringLiteral("Rigenera [F10]"));
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    QTest::mouseClick(w.Find("cxButton1"), Qt::LeftButton);
    w.Press(Qt::Key_F4);
    const QString hint = QStringLiteral("Per questa casella il miglior simbolo e' :") +
                         QLatin1Char(w.Solution(open)) + QStringLiteral(": ");
    QCOMPARE(w.Messages(), QStringList({hint, hint}));
    // The button's hint is shown before the focus goes back to the grid.
    QCOMPARE(w.Fakes.Messages.FocusAt, QStringList({"cxButton1", "sg1"}));
    QVERIFY(w.Grid()->hasFocus());
  }

  void helpOpensThePageOfTheStateAndLanguage_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    QTest::newRow("empty EN") << int(gsEmpty) << "EN"
                              << "start-en.html";
    QTest::newRow("solution IT") << int(gsSolutionView) << "IT"
                                 << "view-it.html";
    QTest::newRow("playing solution it") << int(gsPlayingSolution) << "it"
                                         << "play-en.html";
  }
  void helpOpensThePageOfTheStateAndLanguage() {
    QFETCH(int, state);
    QFETCH(QString, language);
    QFETCH(QString, page);
    TWindow w;
    QTemporaryDir dir;
    w.Form->SetHelpDir(dir.path());
    w.Reach(GameState(state));
    UILanguage = language;
    w.Find("btnFontPiu")->setFocus();
    w.Press(Qt::Key_F1);
    QTest::mouseClick(w.Find("btnHelp"), Qt::LeftButton);
    w.Press(Qt::Key_F1, Qt::ShiftModifier);  // not help
    QCOMPARE(w.Fakes.Urls.Opened.size(), 2);
    for (const QUrl& url : w.Fakes.Urls.Opened)
      QCOMPARE(url, QUrl::fromLocalFile(QDir(dir.path()).filePath(page)));
    // Focus back on the grid, when it is shown.
    QCOMPARE(w.Grid()->hasFocus(), state != int(gsEmpty));
    QCOMPARE(int(w.Game().State()), state);
  }

  // Without a browser, help and the link say where their page is, in the interface language.
  void noBrowserSaysWhereThePageIs_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("opening");
    QTest::newRow("EN") << "EN"
                        << "start-en.html"
                        << "No web browser could be started.";
    QTest::newRow("IT") << "IT"
                        << "start-it.html"
                        << "Impossibile avviare un browser.";
  }
  void noBrowserSaysWhereThePageIs() {
    QFETCH(QString, language);
    QFETCH(QString, page);
    QFETCH(QString, opening);
    TWindow w;
    QTemporaryDir dir;
    w.Form->SetHelpDir(dir.path() + "/../" + QFileInfo(dir.path()).fileName());
    UILanguage = language;
    w.Press(Qt::Key_F1);
    QCOMPARE(w.Messages(), QStringList());  // a browser was started
    w.Fakes.Urls.Succeeds = false;
    w.Press(Qt::Key_F1);
    QTest::mouseClick(w.Find("cxHyperLinkEdit2"), Qt::LeftButton);
    // The page's full path, cleaned, or the address, on a line of its own.
    const QStringList where = {QDir::toNativeSeparators(QDir(dir.path()).filePath(page)),
                               w.Fakes.Urls.Opened.last().toString()};
    QCOMPARE(w.Messages().size(), 2);
    for (int i = 0; i < 2; ++i)
      QVERIFY2(w.Messages()[i].startsWith(opening) && w.Messages()[i].endsWith("\n" + where[i]),
               qPrintable(w.Messages()[i]));
  }

  // A held key repeats (releases and presses marked as repeats): the keys that open a window or
  // a box act once per press, the others on every repeat.
  void heldKeysThatOpenAWindowActOncePerPress_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("actsPerHold");  // a press and four repeats
    for (int key : {Qt::Key_F1, Qt::Key_F4, Qt::Key_F5, Qt::Key_F7})
      QTest::addRow("F%d", key - Qt::Key_F1 + 1) << key << 1;
    QTest::newRow("F8") << int(Qt::Key_F8) << 5;
  }
  void heldKeysThatOpenAWindowActOncePerPress() {
    QFETCH(int, key);
    QFETCH(int, actsPerHold);
    TWindow w;
    w.Reach(gsPlaying);
    const QPoint open = w.FirstCell(false);  // where the hint has something to say
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Fakes.PrintDialog.Confirm = false;
    // Each switch of error marking, in the model and on its box.
    int markings = 0;
    for (int hold = 0; hold < 2; ++hold)
      for (int i = 0; i < 5; ++i)
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
          const bool marking = w.Game().ErrorMarking();
          QKeyEvent event(type, key, Qt::NoModifier, QString(),
                          type == QEvent::KeyPress ? i > 0 : i < 4);
          QApplication::sendEvent(w.Form->windowHandle(), &event);
          markings += w.Game().ErrorMarking() != marking;
          QCOMPARE(w.Find<QCheckBox>("cbxControllo")->isChecked(), w.Game().ErrorMarking());
        }
    QCOMPARE(int(w.Fakes.Urls.Opened.size() + w.Messages().size() + w.Fakes.Confirm.Asked.size()) +
                 w.Fakes.PrintDialog.Calls + markings,
             2 * actsPerHold);
    QCOMPARE(w.Game().State(), gsPlaying);
  }

  // "+" and "-" leave the focus on the grid: its selection mark stays, the next symbol goes into
  // the cell and Space clears it; Tab still reaches them, after the check boxes.
  void sizeButtonsLeaveTheFocusWhereItWas() {
    TWindow w;
    w.Reach(gsPlaying);
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    const int points = w.Grid()->font().pointSize();
    for (const char* button : {"btnFontPiu", "btnFontMeno", "btnFontPiu"})
      QTest::mouseClick(w.Find(button), Qt::LeftButton);
    QVERIFY(w.Grid()->hasFocus() && w.Game().ShowsSelection());
    w.Press(Qt::Key_3);
    QCOMPARE(w.Play(open), '3');
    w.Press(Qt::Key_Space);
    QCOMPARE(w.Play(open), ' ');
    QCOMPARE(w.Grid()->font().pointSize(), points + 1);
    w.Find("cbxHideTimer")->setFocus();
    for (const char* button : {"btnFontPiu", "btnFontMeno"}) {
      w.Press(Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), w.Find(button));
    }
  }

  // The pages ship beside the program: all six, in their language, linking only to each other.
  void helpPagesShipBesideTheProgram() {
    TWindow w;
    w.Press(Qt::Key_F1);
    const QString path = w.Fakes.Urls.Opened.value(0).toLocalFile();
    const QString appDir = QCoreApplication::applicationDirPath();
    QVERIFY2(path == appDir + "/help/start-en.html" ||
                 path == QDir::cleanPath(appDir + "/../share/tessamond/help/start-en.html"),
             qPrintable(path));
    const QString dir =
        QFileInfo(QFINDTESTDATA("../../resources/help/start-en.html")).absolutePath();
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const char* name : {"start-en.html", "start-it.html", "view-en.html", "view-it.html",
                             "play-en.html", "play-it.html"}) {
      QFile file(dir + "/" + name);
      QVERIFY2(file.open(QIODevice::ReadOnly), name);
      const QString html = QString::fromUtf8(file.readAll());
      const QString lang = QString::fromLatin1(name).contains("-it") ? "it" : "en";
      QVERIFY2(html.contains("<html lang=\"" + lang + "\">") && html.contains("<title>"), name);
      for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        QVERIFY2(QFileInfo::exists(dir + "/" + target), qPrintable(name + (" -> " + target)));
      }
    }
  }

  void closingFreesTheBoard() {
    TWindow w;
    w.Generate(3);
    QVERIFY(w.Game().Board());
    w.Form->close();
    QVERIFY(!w.Game().Board());
  }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
