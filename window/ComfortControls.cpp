// The window's side of the comforts: the highlight check box, the fill-notes, pause and statistics
// buttons, their keys, the pause on minimising, and the settings and records kept between runs.
#include <QCheckBox>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

#include "Language.h"
#include "Preferences.h"
#include "SpokenTexts.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TfrmStatistics.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

const QString HighlightKey = QStringLiteral("view/highlight");
const QString TimesKey = QStringLiteral("records/times");

// The pause button's sign: two bars to pause, a triangle to go on.
QIcon PauseIcon(bool paused, qreal ratio) {
  const int side = 16;
  QPixmap pixmap(QSize(side, side) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(32, 32, 32));
  if (paused) {
    const QPointF triangle[3] = {{3, 2}, {14, 8}, {3, 14}};
    p.drawPolygon(triangle, 3);
  } else {
    p.drawRect(QRectF(3, 2, 4, 12));
    p.drawRect(QRectF(9, 2, 4, 12));
  }
  return QIcon(pixmap);
}

}  // namespace

void TfrmSudoku::SetUpComforts() {
  connect(ui->cbxEvidenzia, &QCheckBox::toggled, this, [this] { cbxEvidenziaClick(); });
  connect(ui->btnRiempiNote, &QPushButton::clicked, this,
          [this] { RunCommand(TCommand::FillNotes); });
  connect(ui->btnPausa, &QPushButton::clicked, this, [this] { RunCommand(TCommand::TogglePause); });
  connect(ui->btnStatistiche, &QPushButton::clicked, this,
          [this] { RunCommand(TCommand::Statistics); });
  ui->btnPausa->setIconSize(QSize(16, 16));
  if (IPreferences* preferences = FServices.preferences) {
    if (const std::optional<QString> times = preferences->Value(TimesKey))
      FGame.SetBestTimes(TBestTimes::Read(times->toStdString()));
    const bool highlight =
        preferences->Value(HighlightKey).value_or(QString()) == QLatin1String("1");
    const QSignalBlocker blocker(ui->cbxEvidenzia);
    ui->cbxEvidenzia->setChecked(highlight);
    FGame.SetHighlighting(highlight);
  }
}

void TfrmSudoku::ApplyComfortCaptions() {
  ui->cbxEvidenzia->setText(Tr(CaptionText(TCaption::Highlight)));
  ui->btnRiempiNote->setText(Tr(CaptionText(TCaption::FillNotes)));
  ui->btnStatistiche->setText(Tr(CaptionText(TCaption::Statistics)));
  FollowComforts();
}

void TfrmSudoku::FollowComforts() {
  const bool paused = FGame.Paused();
  const TStateView view = FGame.StateView();
  ui->btnRiempiNote->setEnabled(view.gamePanel && !paused);
  const QString pauseName =
      paused ? Tr(CaptionText(TCaption::GoOn)) : Tr(CaptionText(TCaption::Pause));
  ui->btnPausa->setIcon(PauseIcon(paused, devicePixelRatioF()));
  ui->btnPausa->setToolTip(pauseName);
  ui->btnPausa->setAccessibleName(pauseName);
  // The clock shows the model's time, which stands while the game is paused.
  ui->Clock1->Refresh();
}

void TfrmSudoku::cbxEvidenziaClick() {
  const bool on = ui->cbxEvidenzia->isChecked();
  if (FServices.preferences)
    FServices.preferences->SetValue(HighlightKey, on ? QStringLiteral("1") : QStringLiteral("0"));
  Process(FGame.SetHighlighting(on));
  FocusGrid();
}

void TfrmSudoku::RunComfort(TCommand command) {
  switch (command) {
    case TCommand::ToggleHighlight:
      ui->cbxEvidenzia->toggle();  // its toggled signal runs the reaction
      break;
    case TCommand::FillNotes:
      Process(FGame.FillNotes());
      FocusGrid();
      break;
    case TCommand::TogglePause:
      Process(FGame.SetPaused(!FGame.Paused()));
      if (!FGame.Paused()) FocusGrid();
      break;
    case TCommand::Statistics:
      if (!frmStatistics) frmStatistics = new TfrmStatistics(this);
      frmStatistics->Show(FGame.BestTimes());
      break;
    default:
      break;
  }
}

void TfrmSudoku::StoreTimes() {
  if (FServices.preferences)
    FServices.preferences->SetValue(TimesKey, QString::fromStdString(FGame.BestTimes().Text()));
  if (frmStatistics && frmStatistics->isVisible()) frmStatistics->Show(FGame.BestTimes());
}

void TfrmSudoku::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // A game left minimised does not run on: it waits, paused, until the player goes on.
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) &&
      FGame.State() == GameState::gsPlaying && !FGame.Paused())
    Process(FGame.SetPaused(true));
}

void TfrmSudoku::ShowExplanation(const TOutcome& outcome) {
  TOutcome rest = outcome;
  rest.messages.clear();
  Process(rest);
  TDrawGrid* grid = ui->sg1;
  // The cell the step is about in view first (a large grid scrolls), then the box beside every
  // tinted cell that is in view, so that the tints can be read while the box is up.
  QRect marked;
  std::optional<QPoint> placement;
  const std::int32_t side = FGame.Side();
  for (std::int32_t row = 0; row < side; ++row)
    for (std::int32_t column = 0; column < side; ++column) {
      const TCellMark mark = FGame.CellView(row, column).mark;
      if (mark == TCellMark::Placement || (mark == TCellMark::Wrong && !placement))
        placement = QPoint(column, row);
    }
  if (placement && !grid->isHidden()) grid->EnsureVisible(placement->x(), placement->y());
  for (std::int32_t row = 0; row < side; ++row)
    for (std::int32_t column = 0; column < side; ++column)
      if (FGame.CellView(row, column).mark != TCellMark::None)
        marked |= grid->CellRect(column, row).intersected(grid->viewport()->rect());
  const QRect clear = marked.isEmpty()
                          ? QRect()
                          : QRect(grid->viewport()->mapToGlobal(marked.topLeft()), marked.size());
  if (!outcome.messages.empty()) SpeakPendingNews();
  for (const TBilingual& message : outcome.messages) {
    if (FServices.messages)
      FServices.messages->ShowMessageBeside(this, Tr(message), Tr(SpokenMessage(message)), clear);
  }
}
