// What a screen reader hears of the window: the grid's cells named from the model, the news of
// every cell whose name changed, the grid named after its size and what it shows, and names for
// the controls whose caption alone says little ("+", "-", the clock, the address).
#include <QAccessible>
#include <QAccessibleWidget>
#include <QRadioButton>
#include <mutex>
#include <utility>

#include "CellNames.h"
#include "Language.h"
#include "SpokenTexts.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TLinkEdit.h"
#include "TRadioGroup.h"
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
  // The window's title holds the version and the author; read on every return from a message box,
  // it would be long news each time.
  setAccessibleName(QStringLiteral("Tessamond"));
  // "3x3" is a box; the player chooses a grid.
  for (int index = 0; index < ui->cbg1->Count(); ++index)
    ui->cbg1->Item(index)->setAccessibleName(Tr(SpokenSizeChoice(index + 3)));
  // A line edit has no name of its own; the address it shows is its name.
  ui->cxHyperLinkEdit2->setAccessibleName(ui->cxHyperLinkEdit2->text());
  FollowGridName();
}

void TfrmSudoku::FollowGridName() {
  const QString name =
      Tr(MessageText(TMessage::GridName, {SameText(std::to_string(FGame.Side()))}));
  QString shows;
  switch (FGame.State()) {
    case GameState::gsEmpty:
      break;
    case GameState::gsPuzzleView:
      shows = Tr(CaptionText(TCaption::GridShowsPuzzle));
      break;
    case GameState::gsPlaying:
      shows = Tr(CaptionText(TCaption::GridShowsGame));
      break;
    case GameState::gsSolutionView:
    case GameState::gsPlayingSolution:
      shows = Tr(CaptionText(TCaption::GridShowsSolution));
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

TBilingual TfrmSudoku::SpokenCurrentCell() const {
  const std::int32_t row = FGame.CurrentRow();
  const std::int32_t column = FGame.CurrentColumn();
  const TCellView cell = FGame.CellView(row, column);
  return CellName(row, column, cell, FGame.NoteSymbols(cell.notes));
}

void TfrmSudoku::ExpectEntryNews(char typed) {
  FPendingNews = nullptr;
  FPendingNewsWay = TNewsWay::Insertion;
  if (typed == 0 || FGame.State() != GameState::gsPlaying) return;
  if (typed != ' ' && FGame.Symbols().find(typed) == std::string_view::npos) return;
  const std::int32_t row = FGame.CurrentRow();
  const std::int32_t column = FGame.CurrentColumn();
  const TCellView before = FGame.CellView(row, column);
  FPendingNews = [this, row, column, before]() -> TBilingual {
    if (FGame.State() != GameState::gsPlaying || FGame.CurrentRow() != row ||
        FGame.CurrentColumn() != column)
      return {};
    const TCellView after = FGame.CellView(row, column);
    return SpokenEntry(before, after, FGame.NoteSymbols(after.notes));
  };
}

void TfrmSudoku::ExpectUndoNews(bool redo) {
  FPendingNews = nullptr;
  FPendingNewsWay = TNewsWay::Insertion;
  if (redo ? !FGame.CanRedo() : !FGame.CanUndo()) return;
  FPendingNews = [this, redo] { return SpokenUndo(redo, SpokenCurrentCell()); };
  FPendingNewsWay = TNewsWay::FocusAgain;  // see TDrawGrid::Announce
}

void TfrmSudoku::ExpectViewNews() {
  const GameState before = FGame.State();
  FPendingNews = [this, before] {
    return SpokenStateChange(before, FGame.State(), SpokenCurrentCell());
  };
}

void TfrmSudoku::ExpectNewPuzzleNews() {
  FPendingNews = nullptr;
  FPendingNewsWay = TNewsWay::Insertion;
  if (FGame.GameRunning()) return;  // F10 on a finished game only brings its message
  const TCharGrid givens = FGame.GivenGrid();
  const bool hadGrid = FGame.GridSetUp();
  FPendingNews = [this, givens, hadGrid]() -> TBilingual {
    if (!FGame.GridSetUp() || (hadGrid && FGame.GivenGrid() == givens)) return {};
    return SpokenNewPuzzle(FGame.Side(), SpokenCurrentCell());
  };
}

void TfrmSudoku::SpeakPendingNews() {
  if (!FPendingNews) return;
  const std::function<TBilingual()> news = std::exchange(FPendingNews, nullptr);
  Announce(news(), std::exchange(FPendingNewsWay, TNewsWay::Insertion));
}

void TfrmSudoku::Announce(const TBilingual& news, TNewsWay way) {
  if (news.english.empty() || ui->sg1->isHidden()) return;
  ui->sg1->Announce(Tr(news), way);
}
