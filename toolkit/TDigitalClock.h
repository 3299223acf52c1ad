// A digital LED-style clock: the current time of day plus an offset, as "hh:mm:ss" in 24-hour form.
#pragma once

#include <QLCDNumber>
#include <QTime>

class ITimeService;
class QTimer;

class TDigitalClock : public QLCDNumber {
  Q_OBJECT

 public:
  explicit TDigitalClock(QWidget* parent = nullptr);

  // The clock reads its time here; nullptr means the system clock.
  void SetTimeService(const ITimeService* time);

  // Offset added to the time of day; negative values allowed.
  void SetOffset(int hours, int minutes, int seconds);

  // The text currently shown, "hh:mm:ss".
  QString Text() const;

  // A frozen clock keeps showing what it showed (a paused game); thawed, it reads the time again.
  void SetFrozen(bool frozen);
  bool Frozen() const { return FFrozen; }

 public slots:
  void Refresh();

 private:
  const ITimeService* FTime = nullptr;
  int FOffsetSeconds = 0;
  QString FShown;
  QTimer* FTimer = nullptr;
  bool FFrozen = false;
};
