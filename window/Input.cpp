// Input: the key preview with the function keys, keys and clicks on the grid, the context menu and
// the check boxes' reactions. What an input means is the model's business; this turns Qt's events
// into its calls.
#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include "KeyCodes.h"
#include "Language.h"
#include "SpokenTexts.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

constexpr Qt::KeyboardModifiers BlockingModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// The character a key types, or 0 for a key that types none. The keypad digits type their digit
// like the main row; every other code outside space, digits and letters types nothing, so no
// lower-case letter or stray character can ever reach the grid.
char CharOfKey(int keyCode) {
  if (keyCode == TKeyCodes::Space) return ' ';
  if (keyCode >= '0' && keyCode <= '9') return static_cast<char>(keyCode);
  if (keyCode >= 'A' && keyCode <= 'Z') return static_cast<char>(keyCode);
  if (keyCode >= TKeyCodes::Numpad0 && keyCode <= TKeyCodes::Numpad0 + 9) {
    return static_cast<char>('0' + (keyCode - TKeyCodes::Numpad0));
  }
  return 0;
}

// Shift, Ctrl, Alt, the Windows keys and the lock keys pressed on their own: the first half of a
// combination, not a key the player means for the grid.
bool IsModifierAlone(int keyCode) {
  switch (keyCode) {
    case 16:
    case 17:
    case 18:
    case 20:
    case 91:
    case 92:
    case 144:
    case 145:
      return true;
    default:
      return false;
  }
}

bool OpensAWindow(TCommand command) {
  switch (command) {
    case TCommand::Help:
    case TCommand::Print:
    case TCommand::Hint:
    case TCommand::Explain:
    case TCommand::Play:
      return true;
    default:
      return false;
  }
}

QAction* AddActionItem(QMenu* menu, const QString& caption, QAction* action) {
  QAction* item = menu->addAction(caption);
  item->setEnabled(action->isEnabled());
  QObject::connect(action, &QAction::changed, item,
                   [item, action] { item->setEnabled(action->isEnabled()); });
  QObject::connect(item, &QAction::triggered, action, [action] { action->trigger(); });
  return item;
}

}  // namespace

bool TfrmSudoku::PreviewKey(const QKeyEvent& key) {
  const int keyCode = TKeyCodes::FromEvent(key);
  // The next key ends an explanation's marks; Shift or Ctrl pressed on its own is only the start
  // of one.
  if (!IsModifierAlone(keyCode)) ClearMarks();
  if (FormKeyDown(keyCode, key.modifiers(), key.isAutoRepeat())) return true;
  // A key the window does not take goes on to the focused control; the grid's reaction comes
  // first, then the grid's own handling (the arrows move the current cell).
  if (focusWidget() == ui->sg1) sg1KeyDown(keyCode);
  return false;
}

bool TfrmSudoku::FormKeyDown(int keyCode, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
  // Ctrl+Z and Ctrl+Shift+Z: "Z" is a symbol at no size, so they took nothing before.
  const Qt::KeyboardModifiers held = modifiers & (BlockingModifiers | Qt::MetaModifier);
  if (keyCode == 'Z' &&
      (held == Qt::ControlModifier || held == (Qt::ControlModifier | Qt::ShiftModifier))) {
    const std::optional<TCommand> command = FGame.UndoRedoKey(held.testFlag(Qt::ShiftModifier));
    if (!command) return false;
    RunCommand(*command);
    return true;
  }
  if (std::optional<TCommand> command = OwnPuzzleKey(keyCode, held)) {
    if (!autoRepeat) RunCommand(*command);
    return true;
  }
  // Shift+F3, which took nothing before: the whole explanation at once, where F3 gives it in
  // stages.
  if (held == Qt::ShiftModifier && keyCode == TKeyCodes::F1 + 2 && FGame.FunctionKey(3)) {
    if (!autoRepeat) ShowExplanation(FGame.Explain(true));
    return true;
  }
  // Shift with a function key took nothing before either.
  if (held == Qt::ShiftModifier && keyCode >= TKeyCodes::F1 && keyCode <= TKeyCodes::F1 + 11) {
    const std::optional<TCommand> command = FGame.ShiftFunctionKey(keyCode - TKeyCodes::F1 + 1);
    if (!command) return false;
    // Held down, fill notes would fill and clear by turns: once per press.
    if (!autoRepeat) RunCommand(*command);
    return true;
  }
  if (modifiers & BlockingModifiers) return false;
  if (keyCode < TKeyCodes::F1 || keyCode > TKeyCodes::F1 + 11) return false;
  const std::optional<TCommand> command = FGame.FunctionKey(keyCode - TKeyCodes::F1 + 1);
  if (!command) return false;
  // A held key repeats; a key that opens a window or a box (the browser, the print dialog, the
  // hint, the explanation, the quit question) acts once per press, and its repeats are taken
  // without effect.
  if (autoRepeat && (OpensAWindow(*command) || *command == TCommand::TogglePause)) return true;
  RunCommand(*command);
  return true;
}

void TfrmSudoku::RunCommand(TCommand command) {
  switch (command) {
    case TCommand::Help:
      ActHelpExecute();
      break;
    case TCommand::Hint:
      ActSuggerisciExecute();
      break;
    case TCommand::Play:
      ActPlayExecute();
      break;
    case TCommand::ToggleView:
      ActToggleViewExecute();
      break;
    case TCommand::Print:
      ActPrintExecute();
      break;
    case TCommand::ToggleMarking:
      cbxControlloClick();
      break;
    case TCommand::ToggleTimer:
      cbxHideTimerClick();
      break;
    case TCommand::Generate:
      ActGeneraExecute();
      break;
    case TCommand::Explain:
      ActSpiegaExecute();
      break;
    case TCommand::ToggleNotes:
      cbxNoteClick();
      break;
    case TCommand::Undo:
      ExpectUndoNews(false);
      Process(FGame.Undo());
      break;
    case TCommand::Redo:
      ExpectUndoNews(true);
      Process(FGame.Redo());
      break;
    case TCommand::Paste:
      PastePuzzle();
      break;
    case TCommand::Open:
      OpenPuzzle();
      break;
    case TCommand::TypeIn:
      Process(FGame.BeginTypeIn(ui->cbg1->ItemIndex()));
      break;
    case TCommand::Copy:
      CopyPuzzle();
      break;
    case TCommand::ConfirmTypeIn:
      Process(FGame.ConfirmTypeIn());
      break;
    case TCommand::CancelTypeIn:
      Process(FGame.CancelTypeIn());
      break;
    case TCommand::ToggleHighlight:
    case TCommand::FillNotes:
    case TCommand::TogglePause:
    case TCommand::Statistics:
      RunComfort(command);
      break;
  }
}

void TfrmSudoku::ClearMarks() {
  if (FGame.ClearMarks().repaint && !ui->sg1->isHidden()) ui->sg1->viewport()->update();
}

void TfrmSudoku::sg1KeyDown(int keyCode) {
  if (IsModifierAlone(keyCode)) return;
  ExpectEntryNews(CharOfKey(keyCode));
  Process(FGame.KeyOnGrid(CharOfKey(keyCode)));
  FPendingNews = nullptr;  // a key that changed nothing says nothing
}

void TfrmSudoku::sg1MouseDown(Qt::MouseButton button, const QPoint& viewportPos) {
  if (button != Qt::RightButton) return;
  int column = -1;
  int row = -1;
  // A click beside the cells keeps the current cell, so entry and hint always have a cell.
  if (!ui->sg1->MouseToCell(viewportPos, column, row)) return;
  Process(FGame.PointAtCell(column, row));
}

void TfrmSudoku::BuildContextMenu() {
  // The menu is rebuilt from inside its own items' handlers (the error-marking item, Quit answered
  // Yes), so an item may still be delivering its click: take it out now, free it once that is over.
  for (QAction* item : popm1->actions()) {
    popm1->removeAction(item);
    item->deleteLater();
  }
  for (const TMenuItem& entry : FGame.ContextMenu()) {
    const QString caption = Tr(entry.caption);
    switch (entry.kind) {
      case TMenuItem::TKind::Enter: {
        QAction* item = popm1->addAction(caption);
        item->setData(int{entry.symbol});
        const char symbol = entry.symbol;
        connect(item, &QAction::triggered, this, [this, symbol] { N11Click(symbol); });
        break;
      }
      case TMenuItem::TKind::Marking:
        connect(popm1->addAction(caption), &QAction::triggered, this, [this] { N21Click(); });
        break;
      case TMenuItem::TKind::Hint:
        AddActionItem(popm1, caption, ui->ActSuggerisci);
        break;
      case TMenuItem::TKind::Play:
        AddActionItem(popm1, caption, ui->ActPlay);
        break;
      case TMenuItem::TKind::ToggleView:
        AddActionItem(popm1, caption, ui->ActToggleView);
        break;
      case TMenuItem::TKind::Command: {
        const TCommand command = entry.command;
        connect(popm1->addAction(caption), &QAction::triggered, this,
                [this, command] { RunCommand(command); });
        break;
      }
    }
  }
}

void TfrmSudoku::N11Click(char symbol) {
  if (ui->sg1->isHidden()) return;
  Process(FGame.MenuEntry(symbol));
}

void TfrmSudoku::N21Click() {
  if (!ui->cbxControllo->isVisibleTo(this) || !ui->cbxControllo->isEnabled()) return;
  cbxControlloClick();
}

// F8, a click on the box or the menu's item: the model's marking switches, and the box shows it.
void TfrmSudoku::cbxControlloClick() {
  Process(FGame.ToggleErrorMarking());
  ReportCellNames();
  if (ui->sg1->isHidden()) return;
  ui->sg1->viewport()->update();
  ui->sg1->setFocus();
  Announce(SpokenSetting(TSpokenSetting::ErrorMarking, FGame.ErrorMarking()));
  if (FGame.State() == GameState::gsPlaying) BuildContextMenu();
}

void TfrmSudoku::cbxHideTimerClick() {
  Process(FGame.ToggleTimer());
  FollowTimer();
  Announce(SpokenSetting(TSpokenSetting::Clock, FGame.TimerHidden()));
}

void TfrmSudoku::cbxNoteClick() {
  Process(FGame.ToggleNotesMode());
  if (!ui->sg1->isHidden()) ui->sg1->setFocus();
  Announce(SpokenSetting(TSpokenSetting::Notes, FGame.NotesMode()));
}

void TfrmSudoku::FollowTimer() {
  ui->Clock1->setVisible(!FGame.TimerHidden());
  if (ui->sg1->isHidden()) return;
  ui->sg1->viewport()->update();
  ui->sg1->setFocus();
}
