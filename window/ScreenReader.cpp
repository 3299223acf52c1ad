// What a screen reader hears of the window: the grid's cells named from the model, the news of
// every cell whose name changed, the grid named after its size and what it shows, and names for
// the controls whose caption alone says little ("+", "-", the clock, the address).
#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

#include "CellNames.h"
#include "Language.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TLinkEdit.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

// The main window is a plain widget, which the accessibility bus would list as a nameless
// "filler"; as a window ("frame") it is announced by its title like any application's window.
QAccessibleInterface* WindowFactory(const QString& key, QObject* object) {
  if (key == QLatin1String("TfrmSudoku") && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  return nullptr;
}

struct TSpokenName {
  const char* control;
  TBilingual name;         // empty: the control keeps the name its caption gives
  TBilingual description;  // what the control is for, read after the name
};

// The buttons are "+" and "-" on screen, beside "Font and Grid size +/-".
const TSpokenName SpokenNames[] = {
    {"btnFontPiu",
     {"Caratteri e griglia pi\u00f9 grandi", "Larger font and grid"},
     {"Ingrandisce i simboli e le caselle della griglia",
      "Makes the symbols and the cells larger"}},
    {"btnFontMeno",
     {"Caratteri e griglia pi\u00f9 piccoli", "Smaller font and grid"},
     {"Rimpicciolisce i simboli e le caselle della griglia",
      "Makes the symbols and the cells smaller"}},
    {"Clock1", {}, {"Tempo di gioco trascorso", "Time elapsed since Play"}},
    {"cxHyperLinkEdit2", {}, {"Il sito web di Tessamond", "Tessamond's web site"}},
};

}  // namespace

void TfrmSudoku::InstallScreenReaderSupport() {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(WindowFactory); });
  ui->sg1->SetCellNameHandler([this](int column, int row) {
    const TCellView cell = FGame.CellView(row, column);
    return Tr(CellName(row, column, cell, FGame.NoteSymbols(cell.notes)));
  });
}

void TfrmSudoku::ApplySpokenNames() {
  for (const TSpokenName& spoken : SpokenNames) {
    QWidget* control = findChild<QWidget*>(QString::fromLatin1(spoken.control));
    if (!control) continue;
    if (!spoken.name.english.empty()) control->setAccessibleName(Tr(spoken.name));
    control->setAccessibleDescription(Tr(spoken.description));
  }
  // A line edit has no name of its own; the address it shows is its name.
  ui->cxHyperLinkEdit2->setAccessibleName(ui->cxHyperLinkEdit2->text());
  FollowGridName();
}

void TfrmSudoku::FollowGridName() {
  const QString side = QString::number(FGame.Side());
  const QString name = Tr(QStringLiteral("Griglia del Sudoku %1\u00d7%1").arg(side),
                          QStringLiteral("Sudoku grid %1\u00d7%1").arg(side));
  QString shows;
  switch (FGame.State()) {
    case GameState::gsEmpty:
      break;
    case GameState::gsPuzzleView:
      shows = Tr(QStringLiteral("Lo schema da risolvere"), QStringLiteral("The puzzle"));
      break;
    case GameState::gsPlaying:
      shows = Tr(QStringLiteral("La tua partita"), QStringLiteral("Your game"));
      break;
    case GameState::gsSolutionView:
    case GameState::gsPlayingSolution:
      shows = Tr(QStringLiteral("La soluzione"), QStringLiteral("The solution"));
      break;
  }
  // Qt reports every setting as a change; a screen reader hears only real ones.
  TDrawGrid* grid = ui->sg1;
  if (grid->accessibleName() != name) grid->setAccessibleName(name);
  if (grid->accessibleDescription() != shows) grid->setAccessibleDescription(shows);
}

void TfrmSudoku::ReportCellNames() {
  // The current cell first: it is the one a screen reader speaks.
  ui->sg1->NotifyCellChanged(FGame.CurrentColumn(), FGame.CurrentRow());
  ui->sg1->NotifyAllCellsChanged();
}
