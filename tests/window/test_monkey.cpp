// Monkey test: thousands of random actions on the real window (keys, clicks anywhere, the context
// menu, buttons, size changes, dialogs answered at random), with the window's promises checked
// after every one; and bad catalogue entries carried through Generate to the user.
//
// The seed is printed at the start. To replay a run: TESSAMOND_MONKEY_SEED=<seed>; to change its
// length: TESSAMOND_MONKEY_ACTIONS=<count>.
#include <QAbstractButton>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <random>

#include "PlayHarness.h"
#include "TActionButton.h"
#include "TDigitalClock.h"

using PlayHarness::TWindow;

namespace {

constexpr int DefaultActions = 20000;

// The clock the window and the board seed the generator from: fixed per run, so that a seed
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

bool IsKnownState(std::uint8_t state) {
  return state == gsEmpty || state == gsPuzzleView || state == gsSolutionView ||
         state == gsPlaying || state == gsPlayingSolution;
}

QString En(const char* italian, const char* english) {
  return UILanguage == QLatin1String("IT") ? QString::fromUtf8(italian)
                                           : QString::fromUtf8(english);
}

class TMonkey {
 public:
  TMonkey(TWindow& window, std::uint64_t seed, const QString& pdfPath)
      : W(window), Rng(seed), PdfPath(pdfPath) {}

  // One random action; Description says what it was.
  void Act() {
    AnswerDialogsAtRandom();
    const int roll = Pick(1000) / 10;
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
    } else if (roll < 92) {
      // One action in five hundred finishes the game at hand, a few hundred entries at once.
      if (Pick(20) == 0) {
        FinishGame();
      } else {
        TypeAnswer();
      }
    } else {
      const int seconds = Pick(4000);
      W.Fakes.Time.AdvanceSeconds(seconds);
      Description = QStringLiteral("time passes: %1 s").arg(seconds);
    }
    // Painting the whole window is most of the cost of an action; every eighth action lets the
    // window paint (and so runs the grid's paint code on whatever state the actions left).
    if (++ActionsSinceStart % 8 == 0) QCoreApplication::processEvents();
    CloseOpenMenu();
  }

  // Empty when every promise holds, otherwise what broke.
  QString Broken() {
    TfrmSudoku& f = *W.Form;
    const std::uint8_t state = f.FGameState;
    if (!IsKnownState(state)) return QStringLiteral("unknown state %1").arg(state);

    if (f.FBoard) BoardMade = true;
    if (BoardMade && !f.FBoard) return QStringLiteral("the board is gone after the first puzzle");
    if (!BoardMade) {
      if (state != gsEmpty) return QStringLiteral("state %1 without a board").arg(state);
      return StateRowBroken(state);
    }

    const TsdBoard& board = *f.FBoard;
    if (board.GetDimension() != f.FBoxSize) {
      return QStringLiteral("board of box size %1, window box size %2")
          .arg(board.GetDimension())
          .arg(f.FBoxSize);
    }
    const int side = board.GetSide();
    if (side != f.FBoxSize * f.FBoxSize) return QStringLiteral("board side %1").arg(side);
    if (board.HasError()) {
      return QStringLiteral("the board reports an error on a valid catalogue: %1")
          .arg(QString::fromStdString(board.GetErrorText()));
    }

    if (state != gsEmpty) {
      const std::string symbols = PlayHarness::SymbolsOf(f.FBoxSize);
      for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
          const char given = f.FGivenGrid[row][column];
          const char play = f.FPlayGrid[row][column];
          const char solution = f.FSolutionGrid[row][column];
          const QString cell = QStringLiteral("cell (column %1, row %2)").arg(column).arg(row);
          if (given != ' ' && (play != given || solution != given)) {
            return cell + QStringLiteral(": given '%1', player '%2', solution '%3'")
                              .arg(QChar::fromLatin1(given), QChar::fromLatin1(play),
                                   QChar::fromLatin1(solution));
          }
          if (play != ' ' && symbols.find(play) == std::string::npos) {
            return cell + QStringLiteral(" holds '%1' (code %2), not a symbol of %3")
                              .arg(QChar::fromLatin1(play))
                              .arg(int(static_cast<unsigned char>(play)))
                              .arg(QString::fromStdString(symbols));
          }
          if (symbols.find(solution) == std::string::npos) {
            return cell + QStringLiteral(": solution holds '%1'").arg(QChar::fromLatin1(solution));
          }
        }
      }
      TDrawGrid* grid = W.Grid();
      if (grid->isHidden()) return QStringLiteral("grid hidden in state %1").arg(state);
      if (grid->ColCount() != side || grid->RowCount() != side) {
        return QStringLiteral("grid of %1x%2 for side %3")
            .arg(grid->ColCount())
            .arg(grid->RowCount())
            .arg(side);
      }
      if (grid->Col() < 0 || grid->Col() >= side || grid->Row() < 0 || grid->Row() >= side) {
        return QStringLiteral("current cell (%1, %2) outside the %3x%3 board")
            .arg(grid->Col())
            .arg(grid->Row())
            .arg(side);
      }
    }
    return StateRowBroken(state);
  }

  QString Description;
  int MenusOpened = 0;
  int GamesFinished = 0;
  int MenuItemsClicked = 0;

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Rng); }
  template <typename T>
  const T& PickFrom(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))];
  }

  // The state's row of the window's state table: enabled actions and controls, visible panels,
  // button captions and the context menu's items.
  QString StateRowBroken(std::uint8_t state) {
    Ui::TfrmSudoku* ui = W.Ui();
    const bool outsideGame = state == gsEmpty || state == gsPuzzleView || state == gsSolutionView;
    const bool installed = state != gsEmpty;
    const struct {
      const char* name;
      bool actual;
      bool expected;
    } rows[] = {
        {"ActGenera", ui->ActGenera->isEnabled(), outsideGame},
        {"cbg1", ui->cbg1->isEnabled(), outsideGame},
        {"cbgLivello", ui->cbgLivello->isEnabled(), outsideGame},
        {"ActPrint", ui->ActPrint->isEnabled(), installed},
        {"ActToggleView", ui->ActToggleView->isEnabled(), installed},
        {"ActPlay", ui->ActPlay->isEnabled(), installed},
        {"ActSuggerisci", ui->ActSuggerisci->isEnabled(), state == gsPlaying},
        {"ActHelp", ui->ActHelp->isEnabled(), true},
        {"pnlGameOn visible", ui->pnlGameOn->isVisibleTo(W.Form.get()), state == gsPlaying},
        {"Clock1 visible", ui->Clock1->isVisibleTo(W.Form.get()),
         state == gsPlaying && !ui->cbxHideTimer->isChecked()},
    };
    for (const auto& row : rows) {
      if (row.actual != row.expected) {
        return QStringLiteral("state %1: %2 is %3").arg(state).arg(row.name).arg(row.actual);
      }
    }
    if (!installed) return {};

    const bool playing = state == gsPlaying || state == gsPlayingSolution;
    const bool showsSolution = state == gsSolutionView || state == gsPlayingSolution;
    const QString play = playing ? En(" Abbandona gioco [F5] ", " Quit game [F5] ")
                                 : En(" Gioca [F5] ", " Play [F5] ");
    const QString view = showsSolution ? En(" Mostra gioco [F6] ", " Show game [F6] ")
                                       : En(" Mostra soluzione [F6] ", " Show solution [F6] ");
    if (ui->btnPlay->text() != play) {
      return QStringLiteral("state %1: play button reads '%2'").arg(state).arg(ui->btnPlay->text());
    }
    if (ui->btnToggleView->text() != view) {
      return QStringLiteral("state %1: view button reads '%2'")
          .arg(state)
          .arg(ui->btnToggleView->text());
    }
    const QStringList items = W.MenuCaptions();
    const int side = W.Form->FBoard->GetSide();
    const int expectedItems = state == gsPlaying ? 1 + side + 4 : 2;
    if (items.size() != expectedItems || !items.contains(play.trimmed())) {
      return QStringLiteral("state %1: context menu holds %2").arg(state).arg(items.join('|'));
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

  QWidget* KeyTarget() const {
    QWidget* target = QApplication::focusWidget();
    return target ? target : W.Form.get();
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
    QTest::keyClick(KeyTarget(), key, modifiers);
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
      const std::string symbols = PlayHarness::SymbolsOf(W.Form->FBoxSize);
      const char ch = symbols[static_cast<std::size_t>(Pick(static_cast<int>(symbols.size())))];
      Press(static_cast<Qt::Key>(ch), Pick(5) == 0 ? RandomModifiers() : Qt::NoModifier,
            QString(QChar::fromLatin1(ch)));
    } else if (kind < 6) {
      const int letterOrDigit = Pick(36);
      const int key =
          letterOrDigit < 26 ? Qt::Key_A + letterOrDigit : Qt::Key_0 + letterOrDigit - 26;
      Press(static_cast<Qt::Key>(key), RandomModifiers(), QStringLiteral("letter/digit"));
    } else if (kind < 8) {
      const int digit = Pick(10);
      Press(static_cast<Qt::Key>(Qt::Key_0 + digit),
            Qt::KeypadModifier | (Pick(4) == 0 ? RandomModifiers() : Qt::NoModifier),
            QStringLiteral("keypad %1").arg(digit));
    } else {
      Press(PickFrom(others), RandomModifiers(), QStringLiteral("other"));
    }
  }

  void PressFunctionKey() {
    static const std::vector<Qt::Key> keys = {Qt::Key_F1, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6,
                                              Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F10};
    const Qt::Key key = PickFrom(keys);
    Press(key, Pick(5) == 0 ? RandomModifiers() : Qt::NoModifier,
          QStringLiteral("F%1").arg(int(key) - int(Qt::Key_F1) + 1));
  }

  // A click as the window system delivers it: press, release, and for the right button the
  // context-menu request that follows.
  void Click(QWidget* target, Qt::MouseButton button, const QPoint& pos) {
    QTest::mouseClick(target, button, Qt::NoModifier, pos);
    if (button == Qt::RightButton && target) {
      // Some controls answer with a menu of their own that waits for the user (a scroll bar's
      // "Scroll here" menu): the person picks one of its items or dismisses it.
      const bool pick = Pick(2) == 0;
      const int which = Pick(16);
      QTimer::singleShot(0, target, [pick, which, this] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || menu == W.Form->popm1) return;
        const QList<QAction*> items = menu->actions();
        QAction* item = items.isEmpty() ? nullptr : items[which % items.size()];
        Description += item && pick ? QStringLiteral(", its own menu: '%1'").arg(item->text())
                                    : QStringLiteral(", its own menu dismissed");
        if (item && pick && item->isEnabled() && !item->isSeparator()) {
          QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                            menu->actionGeometry(item).center());
        }
        if (menu->isVisible()) menu->close();
      });
      QContextMenuEvent request(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
      QApplication::sendEvent(target, &request);
    }
  }

  void ClickAnywhere(Qt::MouseButton button) {
    QWidget* form = W.Form.get();
    const QPoint pos(Pick(form->width()), Pick(form->height()));
    QWidget* target = form->childAt(pos);
    if (target == nullptr) target = form;
    const QPoint local = target->mapFrom(form, pos);
    Description = QStringLiteral("%1 click at (%2, %3) on %4 '%5'")
                      .arg(button == Qt::LeftButton ? "left" : "right")
                      .arg(pos.x())
                      .arg(pos.y())
                      .arg(target->metaObject()->className())
                      .arg(target->objectName());
    Click(target, button, local);
  }

  // A point on the grid's viewport: mostly inside a cell, sometimes past the last cell.
  QPoint GridPoint() {
    TDrawGrid* grid = W.Grid();
    QWidget* viewport = grid->viewport();
    if (Pick(4) == 0 || grid->ColCount() == 0) {
      return {Pick(viewport->width() + 1), Pick(viewport->height() + 1)};
    }
    const QRect cell = grid->CellRect(Pick(grid->ColCount()), Pick(grid->RowCount()));
    return cell.center();
  }

  void ClickCell(Qt::MouseButton button) {
    if (W.Grid()->isHidden()) {
      ClickAnywhere(button);
      return;
    }
    const QPoint pos = GridPoint();
    Description = QStringLiteral("%1 click on the grid at (%2, %3)")
                      .arg(button == Qt::LeftButton ? "left" : "right")
                      .arg(pos.x())
                      .arg(pos.y());
    Click(W.Grid()->viewport(), button, pos);
  }

  // Right click on the grid; when the menu opens, a person clicks one of its items or dismisses
  // it, and the menu must open in every state but the empty one.
  void RightClickGrid() {
    ClickCell(Qt::RightButton);
    if (W.Grid()->isHidden()) return;
    const std::uint8_t state = W.Form->FGameState;
    const bool open = W.Form->popm1->isVisible();
    if (open != (state != gsEmpty)) {
      ActionFault = QStringLiteral("context menu %1 in state %2")
                        .arg(open ? "opened" : "did not open")
                        .arg(state);
      return;
    }
    if (open) UseOpenMenu();
  }

  void PressMenuKey() {
    Press(Qt::Key_Menu, Qt::NoModifier, QStringLiteral("menu"));
    QWidget* target = KeyTarget();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2),
                              target->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(target, &request);
    if (W.Form->popm1->isVisible()) UseOpenMenu();
  }

  void UseOpenMenu() {
    QMenu* menu = W.Form->popm1;
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
    Ui::TfrmSudoku* ui = W.Ui();
    TRadioGroup* group = Pick(3) == 0 ? ui->cbgLivello : ui->cbg1;
    // Half the puzzles are 9x9, a third 16x16, the rest 25x25: the large grid is the costly one to
    // paint, and the three sizes share nearly all of their code.
    const int roll = Pick(6);
    const int index = group == ui->cbg1 ? (roll < 3 ? 0 : roll < 5 ? 1 : 2) : Pick(group->Count());
    QRadioButton* item = group->Item(index);
    Description = QStringLiteral("select %1 item %2, then F10").arg(group->objectName()).arg(index);
    QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, item->rect().center());
    // Mostly followed by Generate, as a player who changes the size wants a puzzle of it.
    if (Pick(3) != 0) QTest::keyClick(KeyTarget(), Qt::Key_F10);
  }

  // The player fills every remaining cell with its answer; the last one must bring the
  // congratulation.
  void FinishGame() {
    TfrmSudoku& f = *W.Form;
    if (!f.FBoard || f.FGameState != gsPlaying) {
      PressFunctionKey();
      return;
    }
    const int side = f.FBoard->GetSide();
    const qsizetype before = W.Fakes.Messages.Shown.size();
    int typed = 0;
    for (int row = 0; row < side; ++row) {
      for (int column = 0; column < side; ++column) {
        if (f.FPlayGrid[row][column] == f.FSolutionGrid[row][column]) continue;
        TypeAnswerAt(QPoint(column, row), typed == 0);
        ++typed;
        if (!ActionFault.isEmpty()) return;
      }
    }
    Description = QStringLiteral("finish the game: %1 answers typed").arg(typed);
    if (typed == 0) return;
    for (int row = 0; row < side; ++row) {
      for (int column = 0; column < side; ++column) {
        if (f.FPlayGrid[row][column] != f.FSolutionGrid[row][column]) {
          QWidget* focus = QApplication::focusWidget();
          ActionFault =
              QStringLiteral("the answer typed at (%1, %2) did not go in; focus on %3 '%4'")
                  .arg(column)
                  .arg(row)
                  .arg(focus ? focus->metaObject()->className() : "nothing")
                  .arg(focus ? focus->objectName() : QString());
          return;
        }
      }
    }
    ++GamesFinished;
    const QStringList& shown = W.Fakes.Messages.Shown;
    if (shown.size() == before || !shown.last().startsWith(QLatin1String("Congratulations"))) {
      ActionFault =
          QStringLiteral("a full, correct grid brought no congratulation (last message: '%1')")
              .arg(shown.size() == before ? QString() : shown.last());
    }
  }

  // A person clicks on what the window shows, and the click activates the window: let it lay
  // out, paint and take activation first, which the offscreen platform does not do on a click.
  void LookAtTheWindow() {
    QCoreApplication::processEvents();
    Reactivate();
  }

  void TypeAnswerAt(const QPoint& cell, bool look = true) {
    TfrmSudoku& f = *W.Form;
    TDrawGrid* grid = W.Grid();
    if (look) LookAtTheWindow();
    const QRect inside = grid->viewport()->rect().adjusted(4, 4, -4, -4);
    if (!inside.contains(grid->CellRect(cell.x(), cell.y()).center())) {
      // Out of sight, or at the very edge: the player scrolls there first.
      grid->SetCurrentCell(cell.x(), cell.y());
      QCoreApplication::processEvents();
    }
    const QPoint at = grid->CellRect(cell.x(), cell.y()).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    if (grid->Col() != cell.x() || grid->Row() != cell.y()) {
      int c = -1;
      int r = -1;
      const bool mapped = grid->MouseToCell(at, c, r);
      ActionFault = QStringLiteral(
                        "a click at (%1, %2) on cell (%3, %4) made (%5, %6) current; the grid "
                        "maps the point to (%7, %8) (%9), viewport %10x%11")
                        .arg(at.x())
                        .arg(at.y())
                        .arg(cell.x())
                        .arg(cell.y())
                        .arg(grid->Col())
                        .arg(grid->Row())
                        .arg(c)
                        .arg(r)
                        .arg(mapped)
                        .arg(grid->viewport()->width())
                        .arg(grid->viewport()->height());
      return;
    }
    const char ch = f.FSolutionGrid[cell.y()][cell.x()];
    Press(static_cast<Qt::Key>(ch), Qt::NoModifier,
          QStringLiteral("answer %1 at (%2, %3)")
              .arg(QChar::fromLatin1(ch))
              .arg(cell.x())
              .arg(cell.y()));
    if (ActionFault.isEmpty() && f.FGameState == gsPlaying &&
        f.FPlayGrid[cell.y()][cell.x()] != ch) {
      QWidget* focus = QApplication::focusWidget();
      ActionFault =
          QStringLiteral(
              "'%1' typed at (%2, %3) left '%4' there; current cell (%5, %6), focus on %7")
              .arg(QChar::fromLatin1(ch))
              .arg(cell.x())
              .arg(cell.y())
              .arg(QChar::fromLatin1(f.FPlayGrid[cell.y()][cell.x()]))
              .arg(W.Grid()->Col())
              .arg(W.Grid()->Row())
              .arg(focus ? focus->objectName() : QStringLiteral("nothing"));
    }
  }

  // Clicks an open cell that does not hold its answer yet and types the answer, so that games
  // do get finished and the completion message is reached.
  void TypeAnswer() {
    TfrmSudoku& f = *W.Form;
    if (!f.FBoard || f.FGameState != gsPlaying) {
      PressFunctionKey();
      return;
    }
    const int side = f.FBoard->GetSide();
    std::vector<QPoint> open;
    for (int row = 0; row < side; ++row)
      for (int column = 0; column < side; ++column)
        if (f.FPlayGrid[row][column] != f.FSolutionGrid[row][column])
          open.emplace_back(column, row);
    if (open.empty()) {
      PressFunctionKey();
      return;
    }
    TypeAnswerAt(PickFrom(open));
  }

 public:
  QString ActionFault;

 private:
  TWindow& W;
  std::mt19937_64 Rng;
  QString PdfPath;
  bool BoardMade = false;
  int ActionsSinceStart = 0;
};

std::uint64_t SeedFromEnvironment() {
  bool ok = false;
  const std::uint64_t seed = qEnvironmentVariable("TESSAMOND_MONKEY_SEED").toULongLong(&ok);
  if (ok) return seed;
  return std::random_device{}() ^ (static_cast<std::uint64_t>(std::random_device{}()) << 32);
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

  void randomActionsKeepTheWindowsPromises() {
    const std::uint64_t seed = SeedFromEnvironment();
    bool countOk = false;
    int actions = qEnvironmentVariableIntValue("TESSAMOND_MONKEY_ACTIONS", &countOk);
    if (!countOk || actions <= 0) actions = DefaultActions;
    qInfo("monkey seed %llu, %d actions (replay with TESSAMOND_MONKEY_SEED=%llu)",
          static_cast<unsigned long long>(seed), actions, static_cast<unsigned long long>(seed));

    GameSeed = seed;
    TsdRandom::SetClockSource(&SeededClock);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TWindow w;
    // The monkey plays the puzzles the game ships: every size and level, as a player gets them.
    w.Form = std::make_unique<TfrmSudoku>(w.Fakes.Services(), BuiltInPuzzles());
    w.Form->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.Form.get()));
    w.Form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Form.get()));
    TMonkey monkey(w, seed, dir.filePath(QStringLiteral("monkey.pdf")));

    QString broken = monkey.Broken();
    if (!broken.isEmpty()) QFAIL(qPrintable(QStringLiteral("before any action: ") + broken));
    QMap<int, int> statesSeen;
    for (int i = 1; i <= actions; ++i) {
      monkey.Act();
      broken = monkey.ActionFault.isEmpty() ? monkey.Broken() : monkey.ActionFault;
      if (!broken.isEmpty()) {
        QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4")
                             .arg(seed)
                             .arg(i)
                             .arg(monkey.Description, broken)));
      }
      ++statesSeen[w.Form->FGameState];
    }
    const int congratulations =
        int(w.Fakes.Messages.Shown.filter(QStringLiteral("Congratulations")).size());
    QString seen;
    for (auto it = statesSeen.cbegin(); it != statesSeen.cend(); ++it)
      seen += QStringLiteral(" %1:%2").arg(it.key()).arg(it.value());
    qInfo(
        "monkey done: %d actions, %d messages (%d congratulations), %d quit questions, %d print "
        "dialogs, %d urls, %d menus opened, %d menu items clicked; actions per state%s",
        actions, int(w.Fakes.Messages.Shown.size()), congratulations,
        int(w.Fakes.Confirm.Asked.size()), w.Fakes.PrintDialog.Calls,
        int(w.Fakes.Urls.Opened.size()), monkey.MenusOpened, monkey.MenuItemsClicked,
        qPrintable(seen));
    // A monkey that never left the empty state, never played or never finished proved little.
    QVERIFY(monkey.GamesFinished > 0);
    QCOMPARE(congratulations >= monkey.GamesFinished, true);
    QVERIFY(statesSeen.value(gsPlaying) > 0);
    QVERIFY(statesSeen.value(gsPuzzleView) > 0);
  }

  // Bad catalogue entries reach the user as the board's own messages (or, for a solution that
  // breaks the rules, as the retry message alone), leave the window empty and still usable, and a
  // puzzle of another size then works.
  void badCatalogueEntriesReachTheUser_data() {
    QTest::addColumn<QString>("puzzle");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("boardMessage");  // empty: the board reports nothing
    const auto [puzzle, solution] = PlayHarness::MakePair(3);
    const QString p = QString::fromStdString(puzzle);
    const QString s = QString::fromStdString(solution);
    QTest::newRow("puzzle one short")
        << p.left(80) << s << "Generator Puzzle dimension expected:81 received:80";
    QTest::newRow("puzzle empty") << QString() << s
                                  << "Generator Puzzle dimension expected:81 received:0";
    QTest::newRow("solution one long") << p << s + "1"
                                       << "Generator Solution dimension expected:81 received:82";
    QTest::newRow("both twice as long")
        << p + p << s + s << "Generator Puzzle dimension expected:81 received:162";
    QString foreign = s;
    foreign[0] = QLatin1Char('x');
    foreign[1] = QChar(0xE9);
    QTest::newRow("solution with foreign characters") << p << foreign << "";
    QString clash = s;
    clash[1] = clash[0];
    QTest::newRow("solution breaking the row rule") << p << clash << "";
  }

  void badCatalogueEntriesReachTheUser() {
    QFETCH(QString, puzzle);
    QFETCH(QString, solution);
    QFETCH(QString, boardMessage);
    TWindow w;
    w.Source.Pairs[{3, 'E'}] = {
        {puzzle.toLatin1().toStdString(), solution.toLatin1().toStdString()}};

    w.Generate(3);
    QStringList expected;
    for (int attempt = 0; attempt < 11 && !boardMessage.isEmpty(); ++attempt)
      expected << boardMessage;
    expected << QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES");
    QCOMPARE(w.Messages(), expected);
    QCOMPARE(int(w.Form->FGameState), int(gsEmpty));
    QVERIFY(w.Ui()->ActGenera->isEnabled());
    QVERIFY(!w.Ui()->ActPlay->isEnabled());

    // The empty window answers every key and click as before a first puzzle, and never opens
    // the context menu.
    w.Messages().clear();
    for (Qt::Key key : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F9}) w.Press(key);
    QCOMPARE(int(w.Form->FGameState), int(gsEmpty));
    QCOMPARE(w.Fakes.PrintDialog.Calls, 0);
    if (!w.Grid()->isHidden()) {
      QTest::mouseClick(w.Grid()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
      QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                w.Grid()->viewport()->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(w.Grid()->viewport(), &request);
      QVERIFY(!w.Form->popm1->isVisible());
    }

    // Another size makes a new, clean board from a sound entry.
    w.Messages().clear();
    w.Generate(4);
    QCOMPARE(w.Messages(), QStringList());
    QCOMPARE(int(w.Form->FGameState), int(gsPuzzleView));
    QCOMPARE(w.Form->FBoard->GetDimension(), 4);
    QVERIFY(!w.Form->FBoard->HasError());
  }

  // Characters outside the symbol set in a puzzle load as empty cells: the player sees an open
  // cell, never the stray character.
  void foreignPuzzleCharactersBecomeOpenCells() {
    TWindow w;
    auto [puzzle, solution] = PlayHarness::MakePair(3);
    // Cell 0 is a given of the pattern; make it and two more cells foreign.
    puzzle[0] = 'x';
    puzzle[3] = '0';
    puzzle[6] = static_cast<char>(0xE9);
    w.Source.Pairs[{3, 'E'}] = {{puzzle, solution}};
    w.Generate(3);
    QCOMPARE(w.Messages(), QStringList());
    QCOMPARE(int(w.Form->FGameState), int(gsPuzzleView));
    int open = 0;
    for (int row = 0; row < 9; ++row)
      for (int column = 0; column < 9; ++column) {
        const char ch = w.Form->FPlayGrid[row][column];
        QVERIFY2(ch == ' ' || (ch >= '1' && ch <= '9'), qPrintable(QString::number(int(ch))));
        if (ch == ' ') ++open;
      }
    // The pattern keeps 27 givens; three of them are now open.
    QCOMPARE(open, 81 - 27 + 3);
  }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
