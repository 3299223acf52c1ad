// A digital LED-style clock that shows a duration it is handed, as "hh:mm:ss" (more hour digits
// past 99 hours): the time a game has been played.
#pragma once

#include <QLCDNumber>
#include <functional>

class QTimer;

class TDigitalClock : public QLCDNumber {
  Q_OBJECT

 public:
  // Where the clock reads the duration it shows, in milliseconds; none shows 00:00:00.
  using TElapsedFn = std::function<qint64()>;

  explicit TDigitalClock(QWidget* parent = nullptr);

  void SetElapsedSource(TElapsedFn elapsedMs);

  // The text currently shown, "hh:mm:ss".
  QString Text() const;
  // A duration as the clock shows it: whole hours (two digits at least, never wrapped at a day),
  // minutes and seconds; a negative one as 00:00:00.
  static QString Format(qint64 ms);

 public slots:
  void Refresh();

 private:
  TElapsedFn FElapsed;
  QString FShown;
  QTimer* FTimer = nullptr;
};
