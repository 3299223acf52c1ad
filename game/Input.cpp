// Input: function keys, symbol entry from the keyboard and the context menu, the check boxes'
// reactions and the completion check.
#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

#include "KeyCodes.h"
#include "Language.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

constexpr Qt::KeyboardModifiers BlockingModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// The character a key enters, or 0 for a key that enters nothing. The keypad digits enter their
// digit like the main row; every other code outside space, digits and letters enters nothing, so
// no lower-case letter or stray character can ever reach the grid.
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

QAction* AddActionItem(QMenu* menu, const QString& caption, QAction* action) {
  QAction* item = menu->addAction(caption);
  item->setEnabled(action->isEnabled());
  QObject::connect(action, &QAction::changed, item,
                   [item, action] { item->setEnabled(action->isEnabled()); });
  QObject::connect(item, &QAction::triggered, action, [action] { action->trigger(); });
  return item;
}

}  // namespace

bool TfrmSudoku::FormKeyDown(int keyCode, Qt::KeyboardModifiers modifiers) {
  if (modifiers & BlockingModifiers) return false;
  switch (keyCode) {
    case TKeyCodes::F1:
      if (!ui->ActHelp->isEnabled()) return false;
      ActHelpExecute();
      return true;
    case TKeyCodes::F4:
      if (!ui->ActSuggerisci->isEnabled()) return false;
      ActSuggerisciExecute();
      return true;
    case TKeyCodes::F5:
      if (!ui->ActPlay->isEnabled()) return false;
      ActPlayExecute();
      return true;
    case TKeyCodes::F6:
      if (!ui->ActToggleView->isEnabled()) return false;
      ActToggleViewExecute();
      return true;
    case TKeyCodes::F7:
      if (!ui->ActPrint->isEnabled()) return false;
      ActPrintExecute();
      return true;
    case TKeyCodes::F8:
      if (!ui->cbxControllo->isEnabled()) return false;
      {
        const QSignalBlocker blocker(ui->cbxControllo);
        ui->cbxControllo->setChecked(!ui->cbxControllo->isChecked());
      }
      cbxControlloClick();
      return true;
    case TKeyCodes::F9:
      if (!ui->pnlGameOn->isVisibleTo(this)) return false;
      {
        const QSignalBlocker blocker(ui->cbxHideTimer);
        ui->cbxHideTimer->setChecked(!ui->cbxHideTimer->isChecked());
      }
      cbxHideTimerClick();
      return true;
    case TKeyCodes::F10:
      if (!ui->ActGenera->isEnabled()) return false;
      ActGeneraExecute();
      return true;
    default:
      return false;
  }
}

void TfrmSudoku::sg1KeyDown(int keyCode, Qt::KeyboardModifiers /*modifiers*/) {
  switch (FGameState) {
    case gsPlaying:
      if (const char ch = CharOfKey(keyCode); ch != 0) EnterSymbol(ch);
      break;
    case gsEmpty:
    case gsPuzzleView:
    case gsSolutionView:
      if (IsModifierAlone(keyCode)) break;
      ShowMessage(Tr(QStringLiteral("Per iniziare a giocare clicka su [Gioca] o premi [F5] !"),
                     QStringLiteral("To start playing click [Play] or press [F5] !")));
      break;
    case gsPlayingSolution:
      if (IsModifierAlone(keyCode)) break;
      ShowMessage(Tr(QStringLiteral("Per giocare clicka su [Visualizza gioco] o premi [F6] !"),
                     QStringLiteral("To play click on [View Game] or press [F6] !")));
      break;
    default:
      break;
  }
}

void TfrmSudoku::sg1MouseDown(Qt::MouseButton button, const QPoint& viewportPos) {
  if (FGameState != gsPlaying || button != Qt::RightButton) return;
  int column = -1;
  int row = -1;
  // A click beside the cells keeps the current cell, so entry and hint always have a cell.
  if (!ui->sg1->MouseToCell(viewportPos, column, row)) return;
  ui->sg1->SetCurrentCell(column, row);
  ui->sg1->viewport()->update();
}

void TfrmSudoku::BuildContextMenu(std::uint8_t state) {
  // The menu is rebuilt from inside its own items' handlers (the error-marking item, Quit answered
  // Yes), so an item may still be delivering its click: take it out now, free it once that is over.
  for (QAction* item : popm1->actions()) {
    popm1->removeAction(item);
    item->deleteLater();
  }
  const auto trimmedCaption = [](const QAbstractButton* button) {
    return button->text().trimmed();
  };

  switch (state) {
    case gsPlaying: {
      QAction* del = popm1->addAction(Tr(QStringLiteral("Cancella "), QStringLiteral("Delete ")));
      del->setData(int{' '});
      connect(del, &QAction::triggered, this, [this, del] { N11Click(del); });
      for (const QChar symbol : SymbolsFor(FBoxSize)) {
        QAction* item = popm1->addAction(QString(symbol));
        item->setData(int{symbol.toLatin1()});
        connect(item, &QAction::triggered, this, [this, item] { N11Click(item); });
      }
      const QString marking = ui->cbxControllo->isChecked()
                                  ? Tr(QStringLiteral("Disattiva controllo [F8]"),
                                       QStringLiteral("Disable control [F8]"))
                                  : ui->cbxControllo->text().trimmed();
      QAction* markingItem = popm1->addAction(marking);
      connect(markingItem, &QAction::triggered, this, [this] { N21Click(); });
      AddActionItem(popm1, ui->ActSuggerisci->text(), ui->ActSuggerisci);
      AddActionItem(popm1, trimmedCaption(ui->btnPlay), ui->ActPlay);
      AddActionItem(popm1, trimmedCaption(ui->btnToggleView), ui->ActToggleView);
      break;
    }
    case gsPlayingSolution:
      AddActionItem(popm1, trimmedCaption(ui->btnPlay), ui->ActPlay);
      AddActionItem(popm1, trimmedCaption(ui->btnToggleView), ui->ActToggleView);
      break;
    case gsPuzzleView:
    case gsSolutionView:
      AddActionItem(popm1, trimmedCaption(ui->btnPlay), ui->ActPlay);
      AddActionItem(popm1, ui->btnToggleView->text(), ui->ActToggleView);
      break;
    default:
      break;
  }
}

void TfrmSudoku::N11Click(QAction* item) {
  if (item == nullptr || ui->sg1->isHidden() || !FBoard || FGameState != gsPlaying) return;
  EnterSymbol(static_cast<char>(item->data().toInt()));
}

void TfrmSudoku::N21Click() {
  if (!ui->cbxControllo->isVisibleTo(this) || !ui->cbxControllo->isEnabled()) return;
  {
    const QSignalBlocker blocker(ui->cbxControllo);
    ui->cbxControllo->setChecked(!ui->cbxControllo->isChecked());
  }
  cbxControlloClick();
}

void TfrmSudoku::cbxControlloClick() {
  if (ui->sg1->isHidden()) return;
  ui->sg1->viewport()->update();
  ui->sg1->setFocus();
  if (FGameState == gsPlaying) BuildContextMenu(gsPlaying);
}

void TfrmSudoku::cbxHideTimerClick() {
  ui->Clock1->setVisible(!ui->cbxHideTimer->isChecked());
  if (ui->sg1->isHidden()) return;
  ui->sg1->viewport()->update();
  ui->sg1->setFocus();
}

void TfrmSudoku::cbgLivelloClick() {
  // The level is read when the next puzzle is generated.
}

void TfrmSudoku::EnterSymbol(char ch) {
  if (!FBoard) return;
  const int column = ui->sg1->Col();
  const int row = ui->sg1->Row();
  const std::int32_t side = FBoard->GetSide();
  if (column < 0 || row < 0 || column >= side || row >= side) return;
  if (FGivenGrid[row][column] != ' ') return;
  // Exactly a symbol of the set: the rule checks compare bytes, so a lower-case letter stored here
  // would never match its symbol.
  const bool accepted =
      ch == ' ' || (FBoard->IsSymbol(ch) && SymbolsFor(FBoxSize).contains(QChar::fromLatin1(ch)));
  if (!accepted) return;
  FPlayGrid[row][column] = ch;
  ui->sg1->viewport()->update();
  CheckCompletion();
}

void TfrmSudoku::CheckCompletion() {
  if (!FBoard) return;
  const std::int32_t side = FBoard->GetSide();
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      if (FPlayGrid[row][column] == ' ') return;
    }
  }
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      const char ch = FPlayGrid[row][column];
      if (FBoard->ColHasDuplicate(ch, row, column, FPlayGrid) ||
          FBoard->RowHasDuplicate(ch, row, column, FPlayGrid) ||
          FBoard->BoxHasDuplicate(ch, row, column, FPlayGrid)) {
        return;
      }
    }
  }

  // Whole milliseconds keep the split exact: 59 s never reads as 58.999... s.
  const qint64 elapsedMs = std::abs(FStartTime.msecsTo(FServices.time->Now()));
  const qint64 hours = elapsedMs / 3'600'000;
  const qint64 totalMinutes = elapsedMs / 60'000;
  const qint64 totalSeconds = elapsedMs / 1'000;
  const qint64 minutes = std::max<qint64>(0, totalMinutes - 60 * hours);
  const qint64 seconds = std::max<qint64>(0, totalSeconds - 60 * totalMinutes);

  if (UILanguage == QLatin1String("IT")) {
    ShowMessage(
        QStringLiteral("Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:") +
        QString::number(hours) + QStringLiteral(": ore, :") + QString::number(minutes) +
        QStringLiteral(" min. e ") + QString::number(seconds) + QStringLiteral(" secondi."));
  } else {
    ShowMessage(QStringLiteral(
                    "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:") +
                QString::number(hours) + QStringLiteral(": hours, :") + QString::number(minutes) +
                QStringLiteral(" min. and ") + QString::number(seconds) +
                QStringLiteral(" seconds."));
  }
}
