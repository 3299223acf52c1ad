// Game flow of the real window: first show, Generate with its retries and failures, the views,
// Play and Quit with the clock, the hint, and what each state enables and shows.
#include <QCheckBox>

#include "PlayHarness.h"

using PlayHarness::TWindow;

namespace {

const QString HintEn = QStringLiteral("For this box the best symbol is :");
const QString HintIt = QStringLiteral("Per questa casella il miglior simbolo e' :");

bool SameCorner(const TCharGrid& a, const TCharGrid& b, int side) {
  for (int row = 0; row < side; ++row)
    for (int column = 0; column < side; ++column)
      if (a[row][column] != b[row][column]) return false;
  return true;
}

}  // namespace

class TestFlow : public QObject {
  Q_OBJECT

 private slots:
  void init() { UILanguage = QStringLiteral("IT"); }

  void firstShowLeavesOnlyGenerateAndHelp() {
    TWindow w;
    TfrmSudoku& f = *w.Form;
    QCOMPARE(f.FGameState, std::uint8_t{gsEmpty});
    QCOMPARE(UILanguage, QStringLiteral("EN"));
    QVERIFY(w.Grid()->isHidden());
    QVERIFY(!f.FBoard);
    QCOMPARE(f.FBoxSize, 3);
    QCOMPARE(f.FBoxLineWidth, 3);
    QCOMPARE(f.FSymbols3, QStringLiteral("123456789"));
    QCOMPARE(f.FSymbols4, QStringLiteral("0123456789ABCDEF"));
    QCOMPARE(f.FSymbols5, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
    QCOMPARE(w.Ui()->cbgLivello->ItemIndex(), 0);
    QVERIFY(w.Ui()->ActGenera->isEnabled());
    QVERIFY(w.Ui()->ActHelp->isEnabled());
    QVERIFY(!w.Ui()->ActPlay->isEnabled());
    QVERIFY(!w.Ui()->ActToggleView->isEnabled());
    QVERIFY(!w.Ui()->ActPrint->isEnabled());
    QVERIFY(!w.Ui()->ActSuggerisci->isEnabled());
    QVERIFY(w.Ui()->cbg1->isEnabled());
    QVERIFY(!w.Ui()->pnlGameOn->isVisible());
    QVERIFY(!w.Ui()->Clock1->isVisible());
    QVERIFY(w.Messages().isEmpty());
  }

  void generateInstallsAPuzzle_data() {
    QTest::addColumn<int>("boxSize");
    QTest::newRow("9x9") << 3;
    QTest::newRow("16x16") << 4;
    QTest::newRow("25x25") << 5;
  }
  void generateInstallsAPuzzle() {
    QFETCH(int, boxSize);
    TWindow w;
    TfrmSudoku& f = *w.Form;
    w.Generate(boxSize);
    const int side = boxSize * boxSize;
    QCOMPARE(f.FGameState, std::uint8_t{gsPuzzleView});
    QVERIFY(w.Messages().isEmpty());
    QVERIFY(f.FBoard);
    QCOMPARE(f.FBoard->GetSide(), side);
    QCOMPARE(f.FBoxSize, boxSize);
    QVERIFY(!w.Grid()->isHidden());
    QCOMPARE(w.Grid()->RowCount(), side);
    QCOMPARE(w.Grid()->ColCount(), side);
    QVERIFY(w.Grid()->hasFocus());
    QVERIFY(SameCorner(f.FPlayGrid, f.FGivenGrid, side));
    // Givens agree with the solution; the solution holds no blank.
    int givens = 0;
    for (int row = 0; row < side; ++row) {
      for (int column = 0; column < side; ++column) {
        QVERIFY(f.FSolutionGrid[row][column] != ' ');
        if (f.FGivenGrid[row][column] == ' ') continue;
        ++givens;
        QCOMPARE(f.FGivenGrid[row][column], f.FSolutionGrid[row][column]);
      }
    }
    QVERIFY(givens > 0 && givens < side * side);
    QCOMPARE(w.Ui()->ActGenera->text(), QStringLiteral("Generate [F10]"));
    QCOMPARE(w.Ui()->btnGenera->text(), QStringLiteral("Generate [F10]"));
  }

  void generateFromTheRealCatalogue() {
    TFakeServices fakes;
    TfrmSudoku form(fakes.Services());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ActGeneraExecute();
    QCOMPARE(form.FGameState, std::uint8_t{gsPuzzleView});
    QVERIFY(fakes.Messages.Shown.isEmpty());
    int givens = 0;
    for (int row = 0; row < 9; ++row)
      for (int column = 0; column < 9; ++column) givens += form.FGivenGrid[row][column] != ' ';
    QVERIFY2(givens >= 23 && givens <= 27, qPrintable(QString::number(givens)));
  }

  void generateInItalianSaysRegenerate() {
    TWindow w;
    UILanguage = QStringLiteral("IT");
    w.Form->ApplyLanguage();
    QCOMPARE(w.Ui()->btnGenera->text(), QStringLiteral("Genera [F10]"));
    w.Generate(3);
    QCOMPARE(w.Ui()->ActGenera->text(), QStringLiteral("Rigenera [F10]"));
    QCOMPARE(w.Ui()->btnGenera->text(), QStringLiteral("Rigenera [F10]"));
  }

  void sameSizeReloadsTheBoardAnotherSizeReplacesIt() {
    TWindow w;
    w.Generate(3);
    const TsdBoard* first = w.Form->FBoard.get();
    w.Generate(3);
    QCOMPARE(w.Form->FBoard.get(), first);
    w.Generate(4);
    QCOMPARE(w.Form->FBoard->GetSide(), 16);
    QCOMPARE(w.Form->FBoxSize, 4);
    QCOMPARE(w.Grid()->ColCount(), 16);
    w.Generate(3);
    QCOMPARE(w.Form->FBoard->GetSide(), 9);
    QCOMPARE(w.Grid()->ColCount(), 9);
  }

  void sizeChoiceWaitsForGenerate() {
    TWindow w;
    w.Generate(3);
    w.Ui()->cbg1->SetItemIndex(2);
    QCOMPARE(w.Form->FBoxSize, 3);
    QCOMPARE(w.Grid()->ColCount(), 9);
  }

  // Captions, enabled actions and panels of every state, in both languages.
  void stateFollowsTable_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("toggleCaption");
    QTest::addColumn<QString>("playCaption");
    QTest::addColumn<bool>("outsideGame");  // Generate and the size group enabled
    QTest::addColumn<bool>("gameOn");       // hint enabled and the game panel shown
    QTest::newRow("puzzle EN") << int{gsPuzzleView} << "EN"
                               << " Show solution [F6] "
                               << " Play [F5] " << true << false;
    QTest::newRow("solution EN") << int{gsSolutionView} << "EN"
                                 << " Show game [F6] "
                                 << " Play [F5] " << true << false;
    QTest::newRow("playing EN") << int{gsPlaying} << "EN"
                                << " Show solution [F6] "
                                << " Quit game [F5] " << false << true;
    QTest::newRow("playing solution EN") << int{gsPlayingSolution} << "EN"
                                         << " Show game [F6] "
                                         << " Quit game [F5] " << false << false;
    QTest::newRow("puzzle IT") << int{gsPuzzleView} << "IT"
                               << " Mostra soluzione [F6] "
                               << " Gioca [F5] " << true << false;
    QTest::newRow("solution IT") << int{gsSolutionView} << "IT"
                                 << " Mostra gioco [F6] "
                                 << " Gioca [F5] " << true << false;
    QTest::newRow("playing IT") << int{gsPlaying} << "IT"
                                << " Mostra soluzione [F6] "
                                << " Abbandona gioco [F5] " << false << true;
    QTest::newRow("playing solution IT") << int{gsPlayingSolution} << "IT"
                                         << " Mostra gioco [F6] "
                                         << " Abbandona gioco [F5] " << false << false;
  }
  void stateFollowsTable() {
    QFETCH(int, state);
    QFETCH(QString, language);
    QFETCH(QString, toggleCaption);
    QFETCH(QString, playCaption);
    QFETCH(bool, outsideGame);
    QFETCH(bool, gameOn);
    TWindow w;
    UILanguage = language;
    w.Form->ApplyLanguage();
    w.Reach(static_cast<std::uint8_t>(state));
    QCOMPARE(int{w.Form->FGameState}, state);
    QCOMPARE(w.Ui()->btnToggleView->text(), toggleCaption);
    QCOMPARE(w.Ui()->btnPlay->text(), playCaption);
    QCOMPARE(w.Ui()->ActGenera->isEnabled(), outsideGame);
    QCOMPARE(w.Ui()->cbg1->isEnabled(), outsideGame);
    QCOMPARE(w.Ui()->cbgLivello->isEnabled(), outsideGame);
    QVERIFY(w.Ui()->ActPlay->isEnabled());
    QVERIFY(w.Ui()->ActToggleView->isEnabled());
    QVERIFY(w.Ui()->ActPrint->isEnabled());
    QVERIFY(w.Ui()->ActHelp->isEnabled());
    QCOMPARE(w.Ui()->ActSuggerisci->isEnabled(), gameOn);
    QCOMPARE(w.Ui()->pnlGameOn->isVisible(), gameOn);
    QCOMPARE(w.Ui()->Clock1->isVisible(), gameOn);
    QCOMPARE(w.Grid()->hasFocus(), true);
    QVERIFY(w.Messages().isEmpty());
  }

  void toggleViewWalksBothWays() {
    TWindow w;
    TfrmSudoku& f = *w.Form;
    f.ActToggleViewExecute();  // nothing to toggle before a puzzle exists
    QCOMPARE(f.FGameState, std::uint8_t{gsEmpty});
    w.Generate(3);
    const std::pair<std::uint8_t, std::uint8_t> steps[] = {
        {gsPuzzleView, gsSolutionView}, {gsSolutionView, gsPuzzleView},
        {gsPuzzleView, gsSolutionView}, {gsSolutionView, gsPlaying},  // F5 from the solution
        {gsPlaying, gsPlayingSolution}, {gsPlayingSolution, gsPlaying},
    };
    for (const auto& [from, to] : steps) {
      QCOMPARE(f.FGameState, from);
      w.Press(to == gsPlaying && from == gsSolutionView ? Qt::Key_F5 : Qt::Key_F6);
      QCOMPARE(f.FGameState, to);
    }
  }

  void returningToTheGameUnhidesTheClock() {
    TWindow w;
    w.Reach(gsPlaying);
    w.Press(Qt::Key_F9);
    QVERIFY(w.Ui()->cbxHideTimer->isChecked());
    QVERIFY(!w.Ui()->Clock1->isVisible());
    w.Press(Qt::Key_F6);
    QVERIFY(!w.Ui()->pnlGameOn->isVisible());
    w.Press(Qt::Key_F6);
    QVERIFY(!w.Ui()->cbxHideTimer->isChecked());
    QVERIFY(w.Ui()->Clock1->isVisible());
  }

  void playSetsTheClockToElapsedTime() {
    TWindow w;
    w.Fakes.Time.Current = QDateTime(QDate(2024, 3, 14), QTime(21, 47, 13, 600));
    w.Reach(gsPlaying);
    QCOMPARE(w.Form->FStartTime, w.Fakes.Time.Current);
    w.Ui()->Clock1->Refresh();
    QCOMPARE(w.Ui()->Clock1->Text(), QStringLiteral("00:00:00"));
    w.Fakes.Time.AdvanceSeconds(3 * 3600 + 4 * 60 + 5);
    w.Ui()->Clock1->Refresh();
    QCOMPARE(w.Ui()->Clock1->Text(), QStringLiteral("03:04:05"));
  }

  void quitAsksAndOnlyYesQuits_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("language");
    QTest::newRow("yes") << int(TConfirmAnswer::Yes) << int{gsPlaying} << "EN";
    QTest::newRow("no") << int(TConfirmAnswer::No) << int{gsPlaying} << "EN";
    QTest::newRow("cancel") << int(TConfirmAnswer::Cancel) << int{gsPlaying} << "EN";
    QTest::newRow("yes from solution")
        << int(TConfirmAnswer::Yes) << int{gsPlayingSolution} << "EN";
    QTest::newRow("no from solution") << int(TConfirmAnswer::No) << int{gsPlayingSolution} << "EN";
    QTest::newRow("yes IT") << int(TConfirmAnswer::Yes) << int{gsPlaying} << "IT";
    QTest::newRow("cancel IT") << int(TConfirmAnswer::Cancel) << int{gsPlaying} << "IT";
  }
  void quitAsksAndOnlyYesQuits() {
    QFETCH(int, answer);
    QFETCH(int, from);
    QFETCH(QString, language);
    TWindow w;
    TfrmSudoku& f = *w.Form;
    UILanguage = language;
    w.Reach(gsPlaying);
    const QPoint open = w.FirstOpenCell();
    QVERIFY(w.MoveTo(open.x(), open.y()));
    const char entry = f.FSolutionGrid[open.y()][open.x()];
    w.Press(static_cast<Qt::Key>(entry));
    QCOMPARE(f.FPlayGrid[open.y()][open.x()], entry);
    if (from == gsPlayingSolution) w.Press(Qt::Key_F6);
    const TCharGrid givens = f.FGivenGrid;

    w.Fakes.Confirm.Script = {static_cast<TConfirmAnswer>(answer)};
    w.Press(Qt::Key_F5);
    QCOMPARE(w.Fakes.Confirm.Asked,
             QStringList{language == "IT" ? QStringLiteral("Abbandona il gioco in corso ?")
                                          : QStringLiteral("Quit the current game ?")});
    if (answer == int(TConfirmAnswer::Yes)) {
      QCOMPARE(f.FGameState, std::uint8_t{gsPuzzleView});
      QVERIFY(SameCorner(f.FPlayGrid, givens, 9));
      QVERIFY(!w.Ui()->pnlGameOn->isVisible());
    } else {
      QCOMPARE(int{f.FGameState}, from);
      QCOMPARE(f.FPlayGrid[open.y()][open.x()], entry);
      QVERIFY(w.Grid()->hasFocus());
    }
    QVERIFY(SameCorner(f.FGivenGrid, givens, 9));
  }

  void playAgainAfterQuitRestartsTheClock() {
    TWindow w;
    w.Reach(gsPlaying);
    w.Fakes.Time.AdvanceSeconds(100);
    w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
    w.Press(Qt::Key_F5);
    QCOMPARE(w.Form->FGameState, std::uint8_t{gsPuzzleView});
    w.Press(Qt::Key_F5);
    QCOMPARE(w.Form->FGameState, std::uint8_t{gsPlaying});
    w.Ui()->Clock1->Refresh();
    QCOMPARE(w.Ui()->Clock1->Text(), QStringLiteral("00:00:00"));
  }

  void playDoesNothingWithoutAPuzzle() {
    TWindow w;
    w.Form->ActPlayExecute();
    QCOMPARE(w.Form->FGameState, std::uint8_t{gsEmpty});
    QVERIFY(w.Fakes.Confirm.Asked.isEmpty());
  }

  // Zero count: eleven attempts, each with its message, then the retry message; nothing changes.
  void elevenAttemptsThenGiveUp_data() {
    QTest::addColumn<bool>("afterAPuzzle");
    QTest::newRow("from empty") << false;
    QTest::newRow("from a puzzle") << true;
  }
  // A failed attempt for another size leaves the puzzle, the grid's size and the board as they
  // were.
  void failedAttemptForAnotherSizeKeepsThePuzzle() {
    TWindow w;
    TfrmSudoku& f = *w.Form;
    w.Generate(3);
    const TCharGrid play = f.FPlayGrid;
    const TsdBoard* board = f.FBoard.get();
    w.Source.Pairs.erase({4, 'E'});
    w.Generate(4);
    QCOMPARE(w.Messages().count(QStringLiteral("ENGINE ERROR: 001")), 11);
    QCOMPARE(f.FGameState, std::uint8_t{gsPuzzleView});
    QVERIFY(play == f.FPlayGrid);
    QCOMPARE(f.FBoxSize, 3);
    QCOMPARE(f.FBoard.get(), board);
    QCOMPARE(w.Grid()->RowCount(), 9);
    QCOMPARE(w.Grid()->ColCount(), 9);
  }
  void elevenAttemptsThenGiveUp() {
    QFETCH(bool, afterAPuzzle);
    TWindow w;
    TfrmSudoku& f = *w.Form;
    if (afterAPuzzle) w.Generate(3);
    const std::uint8_t before = f.FGameState;
    const TCharGrid play = f.FPlayGrid;
    const TsdBoard* board = f.FBoard.get();
    w.Source.ForcedCount = 0;
    w.Source.CountCalls = 0;
    w.Press(Qt::Key_F10);
    QStringList expected;
    for (int i = 0; i < 11; ++i) expected << QStringLiteral("ENGINE ERROR: 001");
    expected << QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES");
    QCOMPARE(w.Messages(), expected);
    QCOMPARE(w.Source.CountCalls, 11);
    QCOMPARE(f.FGameState, before);
    QCOMPARE(f.FBoard.get(), board);
    // Before the first puzzle the grid stays hidden; after one, the grid keeps the puzzle.
    if (afterAPuzzle) QVERIFY(play == f.FPlayGrid);
    if (!afterAPuzzle) QVERIFY(w.Grid()->isHidden());
  }

  void failedFetchIsEngineError002() {
    TWindow w;
    w.Source.ForcedCount = 3;
    w.Source.Pairs.clear();
    w.Press(Qt::Key_F10);
    QCOMPARE(w.Messages().size(), 12);
    QCOMPARE(w.Messages().count(QStringLiteral("ENGINE ERROR: 002")), 11);
    QCOMPARE(w.Source.FetchCalls, 11);
    QCOMPARE(w.Form->FGameState, std::uint8_t{gsEmpty});
    QVERIFY(!w.Form->FBoard);
  }

  void badCatalogueEntryShowsTheBoardError() {
    TWindow w;
    TfrmSudoku& f = *w.Form;
    w.Generate(3);
    // A pair one character short: the board refuses it and keeps the error.
    auto pair = PlayHarness::MakePair(4);
    pair.first.pop_back();
    w.Source.Pairs[{4, 'E'}] = {pair};
    w.Generate(4);
    QCOMPARE(f.FGameState, std::uint8_t{gsEmpty});
    QVERIFY(f.FBoard);
    QVERIFY(f.FBoard->HasError());
    const QString boardError = QString::fromStdString(f.FBoard->GetErrorText());
    QVERIFY(!boardError.isEmpty());
    QCOMPARE(w.Messages().size(), 12);
    QCOMPARE(w.Messages().count(boardError), 11);
    QCOMPARE(w.Messages().last(), QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES"));
    QVERIFY(w.Ui()->ActGenera->isEnabled());
    QVERIFY(!w.Ui()->ActPlay->isEnabled());
    // Another size makes a new board that starts clean.
    w.Messages().clear();
    w.Generate(3);
    QCOMPARE(f.FGameState, std::uint8_t{gsPuzzleView});
    QVERIFY(w.Messages().isEmpty());
  }

  void brokenSolutionFailsSilently() {
    TWindow w;
    auto pair = PlayHarness::MakePair(3);
    std::swap(pair.second[0], pair.second[1]);  // two cells of row 0 now break their columns
    w.Source.Pairs[{3, 'E'}] = {pair};
    w.Press(Qt::Key_F10);
    QCOMPARE(w.Messages(), QStringList{QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES")});
    QCOMPARE(w.Form->FGameState, std::uint8_t{gsEmpty});
  }

  void noSizeSelectedIsReported_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("EN") << "EN"
                        << "incorrect checkbox index:-1";
    QTest::newRow("IT") << "IT"
                        << "index of checkbox errato:-1";
  }
  void noSizeSelectedIsReported() {
    QFETCH(QString, language);
    QFETCH(QString, message);
    TWindow w;
    UILanguage = language;
    w.Ui()->cbg1->SetItemIndex(-1);
    w.Press(Qt::Key_F10);
    QCOMPARE(w.Messages().size(), 12);
    QCOMPARE(w.Messages().count(message), 11);
    QCOMPARE(w.Source.CountCalls, 0);
    QVERIFY(w.Grid()->isHidden());
  }

  void levelSelectsTheCatalogueTable() {
    TWindow w;
    w.Ui()->cbgLivello->SetItemIndex(1);
    w.Press(Qt::Key_F10);
    QCOMPARE(w.Messages().count(QStringLiteral("ENGINE ERROR: 001")), 11);
    w.Messages().clear();
    w.Source.Pairs[{3, 'M'}] = {PlayHarness::MakePair(3)};
    w.Press(Qt::Key_F10);
    QVERIFY(w.Messages().isEmpty());
    QCOMPARE(w.Form->FGameState, std::uint8_t{gsPuzzleView});
  }

  void hintOnGivenEmptyAndWrongCells_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("language");
    QTest::newRow("given") << "given"
                           << "EN";
    QTest::newRow("empty EN") << "empty"
                              << "EN";
    QTest::newRow("empty IT") << "empty"
                              << "IT";
    QTest::newRow("wrong EN") << "wrong"
                              << "EN";
  }
  void hintOnGivenEmptyAndWrongCells() {
    QFETCH(QString, cell);
    QFETCH(QString, language);
    TWindow w;
    TfrmSudoku& f = *w.Form;
    UILanguage = language;
    w.Reach(gsPlaying);
    const QPoint at = cell == "given" ? w.FirstGivenCell() : w.FirstOpenCell();
    QVERIFY(w.MoveTo(at.x(), at.y()));
    const char answer = f.FSolutionGrid[at.y()][at.x()];
    char wrong = ' ';
    if (cell == "wrong") {
      wrong = answer == '1' ? '2' : '1';
      w.Press(static_cast<Qt::Key>(wrong));
    }
    const char before = f.FPlayGrid[at.y()][at.x()];
    w.Press(Qt::Key_F4);
    if (cell == "given") {
      QVERIFY(w.Messages().isEmpty());
    } else {
      const QString text = (language == "IT" ? HintIt : HintEn) + QChar::fromLatin1(answer) + ": ";
      QCOMPARE(w.Messages(), QStringList{text});
    }
    QCOMPARE(f.FPlayGrid[at.y()][at.x()], before);
    QCOMPARE(before, cell == "wrong" ? wrong : (cell == "given" ? answer : ' '));
    QVERIFY(w.Grid()->hasFocus());
    // The hint button does the same.
    w.Messages().clear();
    QTest::mouseClick(w.Ui()->cxButton1, Qt::LeftButton);
    QCOMPARE(w.Messages().size(), cell == "given" ? 0 : 1);
  }

  void applyStateRejectsUnknownStates_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("3") << 3 << "EN"
                       << "";
    QTest::newRow("6 EN") << 6 << "EN"
                          << "Internal error 001: state:6 unmanaged !";
    QTest::newRow("6 IT") << 6 << "IT"
                          << "Internal error 001: stato:6 non gestito !";
    QTest::newRow("255 EN") << 255 << "EN"
                            << "Internal error 001: state:255 unmanaged !";
  }
  void applyStateRejectsUnknownStates() {
    QFETCH(int, value);
    QFETCH(QString, language);
    QFETCH(QString, message);
    TWindow w;
    w.Reach(gsPlaying);
    UILanguage = language;
    w.Form->FGameState = static_cast<std::uint8_t>(value);
    w.Form->ApplyState();
    QCOMPARE(w.Messages(), message.isEmpty() ? QStringList{} : QStringList{message});
    for (QAction* action : {w.Ui()->ActGenera, w.Ui()->ActPlay, w.Ui()->ActToggleView,
                            w.Ui()->ActPrint, w.Ui()->ActSuggerisci})
      QVERIFY(!action->isEnabled());
    QVERIFY(w.Ui()->ActHelp->isEnabled());
    QVERIFY(!w.Ui()->cbg1->isEnabled());
    QVERIFY(!w.Ui()->pnlGameOn->isVisible());
  }

  void closingFreesTheBoard() {
    TWindow w;
    w.Generate(3);
    QVERIFY(w.Form->FBoard);
    w.Form->close();
    QVERIFY(!w.Form->FBoard);
  }
};

QTEST_MAIN(TestFlow)
#include "test_flow.moc"
