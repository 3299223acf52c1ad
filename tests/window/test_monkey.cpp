// Monkey test: thousands of random actions on the real window (keys, clicks anywhere, the context
// menu, buttons, size changes, finished games, dialogs answered at random), with the promises of
// the window and its model checked after every one.
//
// In the suite it runs from fixed seeds, so every run is the same. TESSAMOND_MONKEY_SEED=<seed>
// replays one seed, TESSAMOND_MONKEY_ACTIONS=<count> sets the actions per seed, and
// TESSAMOND_MONKEY_SECONDS=<s> (what `make soak` sets) runs fresh random seeds until the time is
// up. Every seed is printed before it runs.
#include <QAbstractButton>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <random>

#include "TRadioGroup.h"
#include "TsdRandom.h"
#include "WindowDriver.h"

namespace {

// The suite's seeds and the actions each plays.
constexpr std::uint64_t FixedSeeds[] = {20240607, 7, 1234567891};
constexpr int DefaultActions = 7000;

// The clock the model and the board seed the generator from: fixed per run, so that a seed
// replays the very same puzzles.
std::uint64_t GameSeed = 0;
TsdRandom::TClockReading SeededClock() {
  return {GameSeed, 17};
}

// Qt Test warns about every mouse event a label or frame does not take, and the offscreen platform
// about every menu it cannot raise or let grab the keyboard; a monkey produces those by the
// thousand, and they say nothing here.
QtMessageHandler PreviousHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && (text.contains(QLatin1String("not accepted by receiving widget")) ||
                               text.startsWith(QLatin1String("This plugin does not support")))) {
    return;
  }
  if (PreviousHandler) PreviousHandler(type, context, text);
}

QString Tr2(const char* italian, const char* english) {
  return Tr(TBilingual{italian, english});
}

class TMonkey {
 public:
  TMonkey(TWindow& window, std::uint64_t seed, const QString& pdfPath)
      : W(window), Rng(seed), PdfPath(pdfPath) {}

  // One random action; Description says what it was.
  void Act() {
    AnswerDialogsAtRandom();
    const int roll = Pick(100);
    if (roll < 22) {
      PressRandomKey();
    } else if (roll < 34) {
      PressFunctionKey();
    } else if (roll < 44) {
      ClickAnywhere(Qt::LeftButton);
    } else if (roll < 52) {
      ClickCell(Qt::LeftButton);
    } else if (roll < 62) {
      RightClickGrid();
    } else if (roll < 74) {
      ClickButton();
    } else if (roll < 80) {
      ChangeSize();
    } else if (roll < 84) {
      ClickAnywhere(Qt::RightButton);
    } else if (roll < 88) {
      PressMenuKey();
    } else if (roll < 89) {
      PressUndoOrRedo();
    } else if (roll < 92) {
      // One action in five hundred finishes the game at hand, a few hundred entries at once.
      if (Pick(20) == 0)
        FinishGame();
      else
        TypeAnswer();
    } else if (Pick(100) == 0) {
      Restart();
    } else {
      const int seconds = Pick(4000);
      W.Fakes.Time.AdvanceSeconds(seconds);
      Description = QStringLiteral("time passes: %1 s").arg(seconds);
    }
    // Painting the whole window is most of the cost of an action; every eighth action lets the
    // window paint (and so runs the grid's paint code on whatever state the actions left).
    if (++Actions % 8 == 0) QCoreApplication::processEvents();
    CloseOpenMenu();
  }

  // Empty when every promise holds, otherwise what broke.
  QString Broken() {
    const TsdGame& game = W.Game();
    const GameState state = game.State();
    if (game.Board()) BoardMade = true;
    if (BoardMade && !game.Board())
      return QStringLiteral("the board is gone after the first puzzle");
    if (!BoardMade) {
      if (state != gsEmpty) return QStringLiteral("state %1 without a board").arg(int(state));
      return StateRowBroken(state);
    }
    const TsdBoard& board = *game.Board();
    // A puzzle being typed in has no board yet; the shown one's waits for a cancel.
    if (!game.TypingIn() &&
        (board.GetDimension() != game.BoxSize() || board.GetSide() != game.Side()))
      return QStringLiteral("board of box size %1, game of %2")
          .arg(board.GetDimension())
          .arg(game.BoxSize());
    if (board.HasError())
      return QStringLiteral("the board reports an error on a valid catalogue: %1")
          .arg(QString::fromStdString(board.GetErrorText()));
    if (const QString kept = KeptBroken(); !kept.isEmpty()) return kept;
    NotesSeen += game.GameRunning() &&
                 !game.NoteSymbols(game.Notes()[game.CurrentRow()][game.CurrentColumn()]).empty();
    if (state != gsEmpty) {
      if (const QString cells = CellsBroken(); !cells.isEmpty()) return cells;
      const TDrawGrid* grid = W.Grid();
      const int side = game.Side();
      if (grid->isHidden()) return QStringLiteral("grid hidden in state %1").arg(int(state));
      if (grid->ColCount() != side || grid->RowCount() != side)
        return QStringLiteral("grid of %1x%2 for side %3")
            .arg(grid->ColCount())
            .arg(grid->RowCount())
            .arg(side);
      const QPoint model(game.CurrentColumn(), game.CurrentRow());
      if (QPoint(grid->Col(), grid->Row()) != model || model.x() >= side || model.y() >= side)
        return QStringLiteral("current cell (%1, %2) in the grid, (%3, %4) in the model")
            .arg(grid->Col())
            .arg(grid->Row())
            .arg(model.x())
            .arg(model.y());
    }
    return StateRowBroken(state);
  }

  QString Description;
  QString ActionFault;
  int MenusOpened = 0;
  int GamesFinished = 0;
  int MenuItemsClicked = 0;
  int Resumed = 0;
  // The last game left running at a restart, and whether its resume question was closed
  // without an answer (it is then kept until another game starts).
  TCharGrid KeptPlay{};
  TNoteGrid KeptNotes{};
  bool KeptUnanswered = false;
  int NotesSeen = 0;  // actions after which the game had notes

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Rng); }
  template <typename T>
  const T& PickFrom(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))];
  }

  // Givens agree across the three grids; the player's grid holds spaces and symbols of the set.
  QString CellsBroken() const {
    const TsdGame& game = W.Game();
    for (int row = 0; row < game.Side(); ++row) {
      for (int column = 0; column < game.Side(); ++column) {
        const char given = game.GivenGrid()[row][column];
        const char play = game.PlayGrid()[row][column];
        const char solution = game.SolutionGrid()[row][column];
        const QString cell = QStringLiteral("cell (column %1, row %2)").arg(column).arg(row);
        if (given != ' ' && (play != given || solution != given))
          return cell + QStringLiteral(": given '%1', player '%2', solution '%3'")
                            .arg(QChar::fromLatin1(given), QChar::fromLatin1(play),
                                 QChar::fromLatin1(solution));
        if (play != ' ' && game.Symbols().find(play) == std::string_view::npos)
          return cell + QStringLiteral(" holds code %1, not a symbol").arg(int(uchar(play)));
        if (game.Symbols().find(solution) == std::string_view::npos)
          return cell + QStringLiteral(": solution holds code %1").arg(int(uchar(solution)));
        const TNotes notes = game.Notes()[row][column];
        if (notes >> game.Side() != 0 || (notes != 0 && given != ' '))
          return cell + QStringLiteral(" has notes %1").arg(notes, 0, 16);
      }
    }
    return {};
  }

  // The state's row of the state table as the window shows it: enabled actions and controls,
  // visible panels, button captions and the context menu's items.
  QString StateRowBroken(GameState state) {
    // Typing a puzzle in, nothing but its grid and help is at hand.
    const bool outsideGame = !W.Game().TypingIn() &&
                             (state == gsEmpty || state == gsPuzzleView || state == gsSolutionView);
    const bool installed = state != gsEmpty;
    // A paused game waits: no view of the solution, no hint, no explanation.
    const bool paused = W.Game().Paused();
    QWidget* form = W.Form.get();
    const struct {
      const char* name;
      bool actual;
      bool expected;
    } rows[] = {
        {"ActGenera", W.Action("ActGenera")->isEnabled(), outsideGame},
        {"cbg1", W.Find("cbg1")->isEnabled(), outsideGame},
        {"cbgLivello", W.Find("cbgLivello")->isEnabled(), outsideGame},
        {"ActPrint", W.Action("ActPrint")->isEnabled(), installed},
        {"ActToggleView", W.Action("ActToggleView")->isEnabled(), installed && !paused},
        {"ActPlay", W.Action("ActPlay")->isEnabled(), installed},
        {"ActSuggerisci", W.Action("ActSuggerisci")->isEnabled(), state == gsPlaying && !paused},
        {"ActSpiega", W.Action("ActSpiega")->isEnabled(), state == gsPlaying && !paused},
        {"paused outside a game", paused && state != gsPlaying, false},
        {"explanation marks outside a game", W.Game().HasMarks() && state != gsPlaying, false},
        {"ActHelp", W.Action("ActHelp")->isEnabled(), true},
        {"pnlGameOn visible", W.Find("pnlGameOn")->isVisibleTo(form), state == gsPlaying},
        {"Clock1 visible", W.Find("Clock1")->isVisibleTo(form),
         state == gsPlaying && !W.Find<QCheckBox>("cbxHideTimer")->isChecked()},
        {"marking", W.Game().ErrorMarking(), W.Find<QCheckBox>("cbxControllo")->isChecked()},
        {"notes mode", W.Game().NotesMode(), W.Find<QCheckBox>("cbxNote")->isChecked()},
    };
    for (const auto& row : rows) {
      if (row.actual != row.expected)
        return QStringLiteral("state %1: %2 is %3").arg(int(state)).arg(row.name).arg(row.actual);
    }
    if (!installed) return {};

    const bool playing = state == gsPlaying || state == gsPlayingSolution;
    const bool showsSolution = state == gsSolutionView || state == gsPlayingSolution;
    const QString play = playing ? Tr2(" Abbandona gioco [F5] ", " Quit game [F5] ")
                                 : Tr2(" Gioca [F5] ", " Play [F5] ");
    const QString view = showsSolution ? Tr2(" Mostra gioco [F6] ", " Show game [F6] ")
                                       : Tr2(" Mostra soluzione [F6] ", " Show solution [F6] ");
    const QString playShown = W.Find<QAbstractButton>("btnPlay")->text();
    const QString viewShown = W.Find<QAbstractButton>("btnToggleView")->text();
    if (playShown != play || viewShown != view)
      return QStringLiteral("state %1: buttons read '%2', '%3'")
          .arg(int(state))
          .arg(playShown, viewShown);
    const QStringList items = W.MenuCaptions();
    // Outside a game the menu also pastes, opens, types in and copies a puzzle.
    const int expectedItems = state == gsPlaying           ? 1 + W.Game().Side() + 4
                              : state == gsPlayingSolution ? 2
                                                           : 6;
    if (items.size() != expectedItems || !items.contains(play.trimmed()))
      return QStringLiteral("state %1: context menu holds %2").arg(int(state)).arg(items.join('|'));
    return {};
  }

  // A running game is kept as it is after every action, and only a running game is kept, or one
  // whose resume question was closed unanswered, until another game starts.
  QString KeptBroken() {
    const TsdGame& game = W.Game();
    const std::optional<QByteArray>& kept = W.Fakes.Store.Kept;
    if (game.GameRunning()) KeptUnanswered = false;
    if (!game.GameRunning())
      return kept && !KeptUnanswered ? QStringLiteral("a game is kept while none runs") : QString();
    // A finished grid is no game to resume: it is forgotten until a change makes it unfinished.
    if (!game.KeepsGame()) return kept ? QStringLiteral("a finished game is kept") : QString();
    if (!kept) return QStringLiteral("no game is kept while one runs");
    const TSavedGameRead read =
        ReadSavedGame(std::string_view(kept->constData(), std::size_t(kept->size())));
    if (!read.game)
      return QStringLiteral("the kept game does not load: ") +
             QString::fromStdString(read.reason.english);
    const TSavedGame& saved = *read.game;
    if (saved.boxSize != game.BoxSize() || saved.errorMarking != game.ErrorMarking() ||
        saved.notesMode != game.NotesMode())
      return QStringLiteral("the kept game's size or settings differ");
    for (int row = 0; row < game.Side(); ++row)
      for (int column = 0; column < game.Side(); ++column) {
        const auto cell = std::size_t(row * game.Side() + column);
        const char play = game.PlayGrid()[row][column];
        if (saved.player[cell] != (play == ' ' ? '.' : play) ||
            saved.notes[cell] != game.Notes()[row][column])
          return QStringLiteral("the kept game differs at (%1, %2)").arg(column).arg(row);
      }
    return {};
  }

  // Whatever the window asks next is answered at random: the quit question, the print dialog.
  void AnswerDialogsAtRandom() {
    static const TConfirmAnswer answers[] = {TConfirmAnswer::Yes, TConfirmAnswer::No,
                                             TConfirmAnswer::Cancel};
    W.Fakes.Confirm.Script = {answers[Pick(3)]};
    const int print = Pick(20);
    // Mostly cancelled; sometimes confirmed on a printer without output; rarely to a PDF file.
    W.Fakes.PrintDialog.Confirm = print >= 14;
    W.Fakes.PrintDialog.OutputFile = print == 19 ? PdfPath : QString();
  }

  Qt::KeyboardModifiers RandomModifiers() {
    if (Pick(10) < 6) return Qt::NoModifier;
    Qt::KeyboardModifiers modifiers;
    if (Pick(2)) modifiers |= Qt::ShiftModifier;
    if (Pick(2)) modifiers |= Qt::ControlModifier;
    if (Pick(2)) modifiers |= Qt::AltModifier;
    if (Pick(8) == 0) modifiers |= Qt::MetaModifier;
    return modifiers;
  }

  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& what) {
    Description = QStringLiteral("key %1 (0x%2) modifiers 0x%3")
                      .arg(what)
                      .arg(int(key), 0, 16)
                      .arg(int(modifiers), 0, 16);
    W.Press(key, modifiers);
  }

  void PressRandomKey() {
    static const std::vector<Qt::Key> others = {
        Qt::Key_Space,    Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,       Qt::Key_Down,
        Qt::Key_Home,     Qt::Key_End,    Qt::Key_PageUp,   Qt::Key_PageDown, Qt::Key_Tab,
        Qt::Key_Backtab,  Qt::Key_Escape, Qt::Key_Return,   Qt::Key_Enter,    Qt::Key_Backspace,
        Qt::Key_Delete,   Qt::Key_Insert, Qt::Key_Shift,    Qt::Key_Control,  Qt::Key_Alt,
        Qt::Key_CapsLock, Qt::Key_F2,     Qt::Key_F3,       Qt::Key_F11,      Qt::Key_F12,
        Qt::Key_Period,   Qt::Key_Minus,  Qt::Key_Question, Qt::Key_Plus,     Qt::Key_Asterisk};
    const int kind = Pick(10);
    if (kind < 4) {
      // A symbol of the current size: what a player mostly types.
      const std::string_view symbols = W.Game().Symbols();
      const char ch = symbols[static_cast<std::size_t>(Pick(static_cast<int>(symbols.size())))];
      Press(Qt::Key(ch), Pick(5) == 0 ? RandomModifiers() : Qt::NoModifier,
            QString(QChar::fromLatin1(ch)));
    } else if (kind < 6) {
      const int letterOrDigit = Pick(36);
      const int key =
          letterOrDigit < 26 ? Qt::Key_A + letterOrDigit : Qt::Key_0 + letterOrDigit - 26;
      Press(Qt::Key(key), RandomModifiers(), QStringLiteral("letter/digit"));
    } else if (kind < 8) {
      const int digit = Pick(10);
      Press(Qt::Key(Qt::Key_0 + digit),
            Qt::KeypadModifier | (Pick(4) == 0 ? RandomModifiers() : Qt::NoModifier),
            QStringLiteral("keypad %1").arg(digit));
    } else {
      Press(PickFrom(others), RandomModifiers(), QStringLiteral("other"));
    }
  }

  void PressFunctionKey() {
    static const std::vector<Qt::Key> keys = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4,
                                              Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8,
                                              Qt::Key_F9, Qt::Key_F10};
    const Qt::Key key = PickFrom(keys);
    Press(key, Pick(5) == 0 ? RandomModifiers() : Qt::NoModifier,
          QStringLiteral("F%1").arg(int(key) - int(Qt::Key_F1) + 1));
  }

  // Ctrl+Z or Ctrl+Shift+Z, now and then with another modifier too.
  void PressUndoOrRedo() {
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier;
    if (Pick(3) == 0) modifiers |= Qt::ShiftModifier;
    if (Pick(10) == 0) modifiers |= Pick(2) ? Qt::AltModifier : Qt::MetaModifier;
    Press(Qt::Key_Z, modifiers, QStringLiteral("undo/redo"));
  }

  // The player closes the window and starts again; the resume question is answered at random.
  // Yes brings back the game as it was, No forgets it, a box closed unanswered keeps it for the
  // next start.
  void Restart() {
    if (W.Game().GameRunning()) {
      KeptPlay = W.Game().PlayGrid();
      KeptNotes = W.Game().Notes();
      KeptUnanswered = false;
    }
    const bool kept = W.Game().GameRunning() || KeptUnanswered;
    AnswerDialogsAtRandom();
    const TConfirmAnswer answer = W.Fakes.Confirm.Script.value(0);
    const bool yes = answer == TConfirmAnswer::Yes;
    Description = QStringLiteral("restart, resume answered %1")
                      .arg(yes                            ? "Yes"
                           : answer == TConfirmAnswer::No ? "No"
                                                          : "by closing the box");
    W.Restart();
    BoardMade = false;
    const bool resumed = kept && yes;
    Resumed += resumed;
    KeptUnanswered = kept && answer == TConfirmAnswer::Cancel;
    if (W.Game().State() != (resumed ? gsPlaying : gsEmpty)) {
      ActionFault = QStringLiteral("state %1 after the restart").arg(int(W.Game().State()));
      return;
    }
    for (int row = 0; resumed && row < W.Game().Side(); ++row)
      for (int column = 0; column < W.Game().Side(); ++column)
        if (W.Game().PlayGrid()[row][column] != KeptPlay[row][column] ||
            W.Game().Notes()[row][column] != KeptNotes[row][column])
          ActionFault = QStringLiteral("the resumed game differs at (%1, %2)").arg(column).arg(row);
  }

  // A click as the window system delivers it: press, release, and for the right button the
  // context-menu request that follows.
  void Click(QWidget* target, Qt::MouseButton button, const QPoint& pos) {
    QTest::mouseClick(target, button, Qt::NoModifier, pos);
    if (button != Qt::RightButton || !target) return;
    // Some controls answer with a menu of their own that waits for the user (a scroll bar's
    // "Scroll here" menu): the person picks one of its items or dismisses it.
    const bool pick = Pick(2) == 0;
    const int which = Pick(16);
    QTimer::singleShot(0, target, [pick, which, this] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr || menu == W.Menu()) return;
      const QList<QAction*> items = menu->actions();
      QAction* item = items.isEmpty() ? nullptr : items[which % items.size()];
      Description += item && pick ? QStringLiteral(", its own menu: '%1'").arg(item->text())
                                  : QStringLiteral(", its own menu dismissed");
      if (item && pick && item->isEnabled() && !item->isSeparator())
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                          menu->actionGeometry(item).center());
      if (menu->isVisible()) menu->close();
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &request);
  }

  void ClickAnywhere(Qt::MouseButton button) {
    QWidget* form = W.Form.get();
    const QPoint pos(Pick(form->width()), Pick(form->height()));
    QWidget* target = form->childAt(pos);
    if (target == nullptr) target = form;
    Description = QStringLiteral("%1 click at (%2, %3) on %4 '%5'")
                      .arg(button == Qt::LeftButton ? "left" : "right")
                      .arg(pos.x())
                      .arg(pos.y())
                      .arg(target->metaObject()->className())
                      .arg(target->objectName());
    Click(target, button, target->mapFrom(form, pos));
  }

  // A point on the grid's viewport: mostly inside a cell, sometimes past the last cell.
  QPoint GridPoint() {
    TDrawGrid* grid = W.Grid();
    QWidget* viewport = grid->viewport();
    if (Pick(4) == 0 || grid->ColCount() == 0)
      return {Pick(viewport->width() + 1), Pick(viewport->height() + 1)};
    return grid->CellRect(Pick(grid->ColCount()), Pick(grid->RowCount())).center();
  }

  void ClickCell(Qt::MouseButton button) {
    if (W.Grid()->isHidden()) return ClickAnywhere(button);
    const QPoint pos = GridPoint();
    Description = QStringLiteral("%1 click on the grid at (%2, %3)")
                      .arg(button == Qt::LeftButton ? "left" : "right")
                      .arg(pos.x())
                      .arg(pos.y());
    Click(W.Grid()->viewport(), button, pos);
  }

  // Right click on the grid; the menu must open in every state but the empty one.
  void RightClickGrid() {
    ClickCell(Qt::RightButton);
    if (W.Grid()->isHidden()) return;
    const GameState state = W.Game().State();
    const bool open = W.Menu()->isVisible();
    if (open != (state != gsEmpty || W.Game().TypingIn())) {
      ActionFault = QStringLiteral("context menu %1 in state %2")
                        .arg(open ? "opened" : "did not open")
                        .arg(int(state));
      return;
    }
    if (open) UseOpenMenu();
  }

  void PressMenuKey() {
    Press(Qt::Key_Menu, Qt::NoModifier, QStringLiteral("menu"));
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : W.Form.get();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2),
                              target->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(target, &request);
    if (W.Menu()->isVisible()) UseOpenMenu();
  }

  void UseOpenMenu() {
    QMenu* menu = W.Menu();
    ++MenusOpened;
    const QList<QAction*> items = menu->actions();
    if (items.isEmpty() || Pick(5) == 0) {
      Description += QStringLiteral(", menu dismissed");
      QTest::keyClick(menu, Qt::Key_Escape);
      return;
    }
    QAction* item = items[Pick(static_cast<int>(items.size()))];
    Description += QStringLiteral(", menu item '%1'").arg(item->text());
    ++MenuItemsClicked;
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
  }

  // Menus left open are dismissed; a real window system then hands activation back to the main
  // window, which the offscreen platform does not do by itself.
  void CloseOpenMenu() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    if (QApplication::activeWindow() != W.Form.get()) Reactivate();
  }

  // What the window manager does when the main window is clicked or a popup closes.
  void Reactivate() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    if (QApplication::activeWindow() != W.Form.get()) {
      W.Form->activateWindow();
      QApplication::setActiveWindow(W.Form.get());
      QCoreApplication::processEvents();
    }
  }

  // Any visible button, check box or radio item of the window, clicked in its middle.
  void ClickButton() {
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : W.Form->findChildren<QAbstractButton*>())
      if (b->isVisible()) buttons << b;
    if (buttons.isEmpty()) return;
    QAbstractButton* button = buttons[Pick(static_cast<int>(buttons.size()))];
    Description = QStringLiteral("click on button %1 '%2' (enabled %3)")
                      .arg(button->objectName(), button->text())
                      .arg(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
  }

  void ChangeSize() {
    auto* group = W.Find<TRadioGroup>(Pick(3) == 0 ? "cbgLivello" : "cbg1");
    // Half the puzzles are 9x9, a third 16x16, the rest 25x25: the large grid is the costly one to
    // paint, and the three sizes share nearly all of their code.
    const int roll = Pick(6);
    const bool size = group->objectName() == QLatin1String("cbg1");
    const int index = size ? (roll < 3 ? 0 : roll < 5 ? 1 : 2) : Pick(group->Count());
    QRadioButton* item = group->Item(index);
    Description = QStringLiteral("select %1 item %2, then F10").arg(group->objectName()).arg(index);
    QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, item->rect().center());
    // Mostly followed by Generate, as a player who changes the size wants a puzzle of it.
    if (Pick(3) != 0) W.Press(Qt::Key_F10);
  }

  // The cells of the running game that do not hold their answer yet.
  std::vector<QPoint> Unanswered() const {
    std::vector<QPoint> cells;
    const TsdGame& game = W.Game();
    if (!game.Board() || game.State() != gsPlaying || game.Paused()) return cells;
    for (int row = 0; row < game.Side(); ++row)
      for (int column = 0; column < game.Side(); ++column)
        if (game.PlayGrid()[row][column] != game.SolutionGrid()[row][column])
          cells.emplace_back(column, row);
    return cells;
  }

  // The player fills every remaining cell with its answer; the last one must bring the
  // congratulation.
  void FinishGame() {
    const std::vector<QPoint> cells = Unanswered();
    if (cells.empty()) return PressFunctionKey();
    const qsizetype before = W.Messages().size();
    bool first = true;
    for (const QPoint& cell : cells) {
      TypeAnswerAt(cell, first);
      first = false;
      if (!ActionFault.isEmpty()) return;
    }
    Description = QStringLiteral("finish the game: %1 answers typed").arg(cells.size());
    ++GamesFinished;
    const QStringList& shown = W.Messages();
    if (shown.size() == before || !shown.last().startsWith(QLatin1String("Congratulations")))
      ActionFault =
          QStringLiteral("a full, correct grid brought no congratulation (last message: '%1')")
              .arg(shown.size() == before ? QString() : shown.last());
  }

  // Clicks an open cell that does not hold its answer yet and types the answer, so that games
  // do get finished and the completion message is reached.
  void TypeAnswer() {
    const std::vector<QPoint> cells = Unanswered();
    if (cells.empty()) return PressFunctionKey();
    TypeAnswerAt(PickFrom(cells));
  }

  // A person clicks on what the window shows, and the click activates the window: let it lay out,
  // paint and take activation first, which the offscreen platform does not do on a click.
  void TypeAnswerAt(const QPoint& cell, bool look = true) {
    TDrawGrid* grid = W.Grid();
    if (W.Game().NotesMode()) W.Press(Qt::Key_F2);  // an answer, not a note
    if (look) {
      QCoreApplication::processEvents();
      Reactivate();
    }
    const QRect inside = grid->viewport()->rect().adjusted(4, 4, -4, -4);
    if (!inside.contains(grid->CellRect(cell.x(), cell.y()).center())) {
      // Out of sight, or at the very edge: the player scrolls there first.
      grid->SetCurrentCell(cell.x(), cell.y());
      QCoreApplication::processEvents();
    }
    const QPoint at = grid->CellRect(cell.x(), cell.y()).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    if (QPoint(grid->Col(), grid->Row()) != cell) {
      ActionFault = QStringLiteral("a click at (%1, %2) on cell (%3, %4) made (%5, %6) current")
                        .arg(at.x())
                        .arg(at.y())
                        .arg(cell.x())
                        .arg(cell.y())
                        .arg(grid->Col())
                        .arg(grid->Row());
      return;
    }
    const char ch = W.Solution(cell);
    Press(Qt::Key(ch), Qt::NoModifier,
          QStringLiteral("answer %1 at (%2, %3)")
              .arg(QChar::fromLatin1(ch))
              .arg(cell.x())
              .arg(cell.y()));
    // A paused game takes no entry (and shows nothing to enter against).
    if (W.Game().State() == gsPlaying && !W.Game().Paused() && W.Play(cell) != ch) {
      QWidget* focus = QApplication::focusWidget();
      ActionFault = QStringLiteral("'%1' typed at (%2, %3) left '%4'; focus on %5")
                        .arg(QChar::fromLatin1(ch))
                        .arg(cell.x())
                        .arg(cell.y())
                        .arg(QChar::fromLatin1(W.Play(cell)))
                        .arg(focus ? focus->objectName() : QStringLiteral("nothing"));
    }
  }

  TWindow& W;
  std::mt19937_64 Rng;
  QString PdfPath;
  bool BoardMade = false;
  int Actions = 0;
};

// One run of a seed on a fresh window playing the shipped catalogue; empty when all held.
QString RunSeed(std::uint64_t seed, int actions, QMap<int, int>& statesSeen, int& finished) {
  qInfo("monkey seed %llu, %d actions (replay with TESSAMOND_MONKEY_SEED=%llu)",
        static_cast<unsigned long long>(seed), actions, static_cast<unsigned long long>(seed));
  GameSeed = seed;
  TsdRandom::SetClockSource(&SeededClock);
  QTemporaryDir dir;
  TWindow w(&BuiltInPuzzles());
  TMonkey monkey(w, seed, dir.filePath(QStringLiteral("monkey.pdf")));
  QString broken = monkey.Broken();
  if (!broken.isEmpty())
    return QStringLiteral("seed %1, before any action: %2").arg(seed).arg(broken);
  for (int i = 1; i <= actions; ++i) {
    monkey.Act();
    broken = monkey.ActionFault.isEmpty() ? monkey.Broken() : monkey.ActionFault;
    if (!broken.isEmpty())
      return QStringLiteral("seed %1, action %2 (%3): %4")
          .arg(seed)
          .arg(i)
          .arg(monkey.Description, broken);
    ++statesSeen[int(w.Game().State())];
  }
  const int congratulations = int(w.Messages().filter(QStringLiteral("Congratulations")).size());
  qInfo(
      "seed %llu done: %d messages (%d congratulations), %d quit questions, %d print dialogs, "
      "%d menus opened, %d menu items clicked, %d games resumed, notes at the current cell after "
      "%d actions",
      static_cast<unsigned long long>(seed), int(w.Messages().size()), congratulations,
      int(w.Fakes.Confirm.Asked.size()), w.Fakes.PrintDialog.Calls, monkey.MenusOpened,
      monkey.MenuItemsClicked, monkey.Resumed, monkey.NotesSeen);
  if (congratulations < monkey.GamesFinished)
    return QStringLiteral("seed %1: fewer congratulations than finished games").arg(seed);
  finished += monkey.GamesFinished;
  return {};
}

}  // namespace

class TestMonkey : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { PreviousHandler = qInstallMessageHandler(QuietHandler); }
  void cleanupTestCase() {
    qInstallMessageHandler(PreviousHandler);
    TsdRandom::SetClockSource(nullptr);
  }

  void randomActionsKeepThePromises() {
    bool ok = false;
    int actions = qEnvironmentVariableIntValue("TESSAMOND_MONKEY_ACTIONS", &ok);
    if (!ok || actions <= 0) actions = DefaultActions;
    const int seconds = qEnvironmentVariableIntValue("TESSAMOND_MONKEY_SECONDS");
    const std::uint64_t replay = qEnvironmentVariable("TESSAMOND_MONKEY_SEED").toULongLong(&ok);
    std::vector<std::uint64_t> seeds;
    if (ok)
      seeds = {replay};
    else if (seconds <= 0)
      seeds.assign(std::begin(FixedSeeds), std::end(FixedSeeds));

    QMap<int, int> statesSeen;
    int finished = 0;
    int runs = 0;
    QElapsedTimer clock;
    clock.start();
    std::random_device fresh;
    while (seconds > 0 ? clock.elapsed() < seconds * 1000LL : runs < int(seeds.size())) {
      const std::uint64_t seed =
          seconds > 0 ? (std::uint64_t(fresh()) << 32) ^ fresh() : seeds[std::size_t(runs)];
      const QString broken = RunSeed(seed, actions, statesSeen, finished);
      if (!broken.isEmpty()) QFAIL(qPrintable(broken));
      ++runs;
    }
    QString seen;
    for (auto it = statesSeen.cbegin(); it != statesSeen.cend(); ++it)
      seen += QStringLiteral(" %1:%2").arg(it.key()).arg(it.value());
    qInfo("monkey done: %d seeds, %d games finished; actions per state%s", runs, finished,
          qPrintable(seen));
    // A monkey that never played or never finished proved little.
    QVERIFY(finished > 0);
    QVERIFY(statesSeen.value(int(gsPlaying)) > 0);
    QVERIFY(statesSeen.value(int(gsPuzzleView)) > 0);
  }

  // A bad catalogue entry leaves the window empty and still usable: keys and clicks answer as
  // before a first puzzle, the menu never opens, and a puzzle of another size then works.
  void badCatalogueEntryLeavesAUsableWindow() {
    TWindow w;
    w.Source.Pairs[{3, 'E'}][0].second += '1';
    w.Generate(3);
    QCOMPARE(w.Messages().size(), 12);
    QCOMPARE(w.Messages().first(),
             QStringLiteral("Generator Solution dimension expected:81 received:82"));
    QCOMPARE(w.Game().State(), gsEmpty);
    w.Messages().clear();
    for (Qt::Key key : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F9}) w.Press(key);
    QCOMPARE(w.Game().State(), gsEmpty);
    QCOMPARE(w.Fakes.PrintDialog.Calls, 0);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              w.Grid()->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w.Grid()->viewport(), &request);
    QVERIFY(!w.Menu()->isVisible());
    w.Messages().clear();
    w.Generate(4);
    QCOMPARE(w.Messages(), QStringList());
    QCOMPARE(w.Game().State(), gsPuzzleView);
  }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
