// A digital LED-style clock showing the time of day shifted by an offset.
#include "TDigitalClock.h"

#include <QAccessible>
#include <QPalette>
#include <QTimer>

#include "Accessibility.h"
#include "Services.h"

namespace {
constexpr int SecondsPerDay = 24 * 60 * 60;
constexpr int RefreshMs = 250;
const QColor SegmentColour(192, 192, 192);  // silver
const QColor PanelColour(24, 24, 24);
}  // namespace

TDigitalClock::TDigitalClock(QWidget* parent) : QLCDNumber(parent) {
  InstallToolkitAccessibility();
  setDigitCount(8);
  // Silver LED digits read as hollow outlines on the light window: they glow on a dark LED panel
  // instead, flat so that every segment is one solid silver, inside the sunken 2-pixel bevel.
  setSegmentStyle(QLCDNumber::Flat);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, SegmentColour);
  p.setColor(QPalette::Window, PanelColour);
  p.setColor(QPalette::Light, QColor(255, 255, 255));
  p.setColor(QPalette::Dark, QColor(88, 88, 88));
  setPalette(p);
  FTimer = new QTimer(this);
  connect(FTimer, &QTimer::timeout, this, &TDigitalClock::Refresh);
  FTimer->start(RefreshMs);
  Refresh();
}

void TDigitalClock::SetTimeService(const ITimeService* time) {
  FTime = time;
  Refresh();
}

void TDigitalClock::SetOffset(int hours, int minutes, int seconds) {
  // Kept within one day so any sum of parts, negative ones included, stays a time of day.
  long long total = 3600LL * hours + 60LL * minutes + seconds;
  total %= SecondsPerDay;
  if (total < 0) total += SecondsPerDay;
  FOffsetSeconds = static_cast<int>(total);
  Refresh();
}

QString TDigitalClock::Text() const {
  if (FFrozen && !FShown.isEmpty()) return FShown;
  const QTime now = FTime ? FTime->Now().time() : QTime::currentTime();
  const int seconds = (now.msecsSinceStartOfDay() / 1000 + FOffsetSeconds) % SecondsPerDay;
  return QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
}

void TDigitalClock::SetFrozen(bool frozen) {
  if (frozen == FFrozen) return;
  if (frozen) Refresh();
  FFrozen = frozen;
  if (frozen) {
    FTimer->stop();
  } else {
    FTimer->start(RefreshMs);
    Refresh();
  }
}

void TDigitalClock::Refresh() {
  const QString text = Text();
  if (text == FShown) return;
  FShown = text;
  display(text);
  // A screen reader reads the clock as the time it shows; it hears of each new second only while
  // the clock is on screen.
  if (!isVisible()) return;
  QAccessibleValueChangeEvent value(this, text);
  QAccessible::updateAccessibility(&value);
  QAccessibleEvent name(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
}
