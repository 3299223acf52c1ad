// The Statistics window: a table of the finished games and a plot of the latest times.
#include "TfrmStatistics.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Language.h"

namespace {

// The rows of the table: every size with every level.
constexpr int Kinds = 9;
int BoxSizeOfRow(int row) {
  return 3 + row / 3;
}
int LevelOfRow(int row) {
  return row % 3;
}

QString KindName(int row) {
  static const TCaption levels[3] = {TCaption::LevelSimple, TCaption::LevelMedium,
                                     TCaption::LevelHighName};
  const int side = BoxSizeOfRow(row) * BoxSizeOfRow(row);
  return QStringLiteral("%1\u00d7%1 ").arg(side) + Tr(CaptionText(levels[LevelOfRow(row)]));
}

const QColor PlotLine(0, 0, 160);
const QColor PlotBest(0, 140, 0);
const QColor PlotAxes(96, 96, 96);

}  // namespace

QString TimeText(std::int64_t ms) {
  const std::int64_t seconds = std::max<std::int64_t>(0, ms) / 1000;
  const std::int64_t hours = seconds / 3600;
  const auto two = [](std::int64_t n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
  };
  if (hours > 0)
    return QStringLiteral("%1:%2:%3").arg(hours).arg(two(seconds / 60 % 60)).arg(two(seconds % 60));
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(two(seconds % 60));
}

TTimesPlot::TTimesPlot(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pltTimes"));
  setMinimumSize(320, 150);
}

void TTimesPlot::SetTimes(std::vector<std::int64_t> times, QString caption) {
  FTimes = std::move(times);
  FCaption = std::move(caption);
  update();
}

void TTimesPlot::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QFontMetrics metrics(font());
  p.setPen(Qt::black);
  p.drawText(QRect(0, 2, width(), metrics.height()), Qt::AlignHCenter, FCaption);
  if (FTimes.empty()) {
    p.setPen(PlotAxes);
    p.drawText(rect(), Qt::AlignCenter, FEmptyText);
    return;
  }
  const std::int64_t longest = *std::max_element(FTimes.begin(), FTimes.end());
  const std::int64_t best = *std::min_element(FTimes.begin(), FTimes.end());
  const QString top = TimeText(longest);
  const int left = metrics.horizontalAdvance(top) + 10;
  const QRect area(left, metrics.height() + 10, width() - left - 12,
                   height() - 2 * metrics.height() - 18);
  if (area.width() < 10 || area.height() < 10) return;
  p.setPen(PlotAxes);
  p.drawLine(area.bottomLeft(), area.bottomRight());
  p.drawLine(area.bottomLeft(), area.topLeft());
  p.drawText(QRect(0, area.top() - metrics.height() / 2, left - 6, metrics.height()),
             Qt::AlignRight | Qt::AlignVCenter, top);
  p.drawText(QRect(0, area.bottom() - metrics.height() / 2, left - 6, metrics.height()),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0:00"));
  // One point per game, oldest at the left; the axis starts at zero, so a bar's height is its time.
  const auto point = [&](std::size_t i) {
    const qreal x =
        FTimes.size() == 1
            ? area.center().x()
            : area.left() + 6 + (area.width() - 12) * qreal(i) / qreal(FTimes.size() - 1);
    const qreal y = area.bottom() -
                    area.height() * qreal(FTimes[i]) / qreal(std::max<std::int64_t>(1, longest));
    return QPointF(x, y);
  };
  p.setPen(QPen(PlotLine, 2));
  for (std::size_t i = 1; i < FTimes.size(); ++i) p.drawLine(point(i - 1), point(i));
  for (std::size_t i = 0; i < FTimes.size(); ++i) {
    const bool isBest = FTimes[i] == best;
    p.setPen(QPen(isBest ? PlotBest : PlotLine, 1));
    p.setBrush(isBest ? PlotBest : PlotLine);
    p.drawEllipse(point(i), isBest ? 5 : 3, isBest ? 5 : 3);
  }
  p.setPen(PlotAxes);
  p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), metrics.height()),
             Qt::AlignHCenter,
             Tr(MessageText(TMessage::TimesPlotAxis, {SameText(std::to_string(FTimes.size()))})));
}

TfrmStatistics::TfrmStatistics(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmStatistics"));
  tblTimes = new QTableWidget(Kinds, 3, this);
  tblTimes->setObjectName(QStringLiteral("tblTimes"));
  tblTimes->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblTimes->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblTimes->setSelectionMode(QAbstractItemView::SingleSelection);
  tblTimes->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tblTimes->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  pltTimes = new TTimesPlot(this);
  btnChiudi = new QPushButton(this);
  btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
  connect(btnChiudi, &QPushButton::clicked, this, &QDialog::close);
  connect(tblTimes, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int, int) { PickRow(row); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tblTimes, 3);
  layout->addWidget(pltTimes, 2);
  layout->addWidget(btnChiudi, 0, Qt::AlignRight);
  resize(520, 560);
}

void TfrmStatistics::Show(const TBestTimes& times) {
  FTimes = times;
  setWindowTitle(Tr(CaptionText(TCaption::StatisticsTitle)));
  btnChiudi->setText(Tr(CaptionText(TCaption::StatisticsClose)));
  pltTimes->FEmptyText = Tr(CaptionText(TCaption::StatisticsNoGame));
  tblTimes->setHorizontalHeaderLabels({Tr(CaptionText(TCaption::StatisticsFinished)),
                                       Tr(CaptionText(TCaption::StatisticsBest)),
                                       Tr(CaptionText(TCaption::StatisticsAverage))});
  int firstPlayed = -1;
  for (int row = 0; row < Kinds; ++row) {
    const TTimesSummary summary = times.Summary(BoxSizeOfRow(row), LevelOfRow(row));
    tblTimes->setVerticalHeaderItem(row, new QTableWidgetItem(KindName(row)));
    const QString none = QStringLiteral("\u2013");
    const QString cells[3] = {QString::number(summary.finished),
                              summary.finished ? TimeText(summary.bestMs) : none,
                              summary.finished ? TimeText(summary.averageMs) : none};
    for (int column = 0; column < 3; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setTextAlignment(Qt::AlignCenter);
      tblTimes->setItem(row, column, item);
    }
    if (firstPlayed < 0 && summary.finished > 0) firstPlayed = row;
  }
  const int row = tblTimes->currentRow() >= 0 ? tblTimes->currentRow() : std::max(0, firstPlayed);
  tblTimes->setCurrentCell(row, 0);
  PickRow(row);
  show();
  raise();
  activateWindow();
}

void TfrmStatistics::PickRow(int row) {
  if (row < 0 || row >= Kinds) return;
  pltTimes->SetTimes(FTimes.Summary(BoxSizeOfRow(row), LevelOfRow(row)).recentMs, KindName(row));
}
