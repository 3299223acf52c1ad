// The Statistics window: finished games, best and average time per size and level, and a plot of
// the latest times of the kind picked in the table.
#pragma once

#include <QDialog>

#include "BestTimes.h"

class QTableWidget;
class QLabel;
class QPushButton;

// The plot of the latest times of one size and level, oldest at the left, drawn with Qt's painter.
class TTimesPlot final : public QWidget {
  Q_OBJECT

 public:
  explicit TTimesPlot(QWidget* parent = nullptr);
  void SetTimes(std::vector<std::int64_t> times, QString caption);
  const std::vector<std::int64_t>& Times() const { return FTimes; }
  QSize sizeHint() const override { return {460, 180}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<std::int64_t> FTimes;
  QString FCaption;
  QString FEmptyText;
  friend class TfrmStatistics;
};

class TfrmStatistics final : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmStatistics(QWidget* parent = nullptr);
  // Shows the times in the window's language; the row picked stays picked.
  void Show(const TBestTimes& times);

 private:
  void PickRow(int row);

  TBestTimes FTimes;
  QTableWidget* tblTimes = nullptr;
  TTimesPlot* pltTimes = nullptr;
  QPushButton* btnChiudi = nullptr;
};

// "m:ss", or "h:mm:ss" from an hour on.
QString TimeText(std::int64_t ms);
