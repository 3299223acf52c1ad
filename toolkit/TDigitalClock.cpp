// A digital LED-style clock showing a duration.
#include "TDigitalClock.h"

#include <QAccessible>
#include <QPalette>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "Accessibility.h"

namespace {
constexpr int ShortestText = 8;  // "hh:mm:ss"
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

void TDigitalClock::SetElapsedSource(TElapsedFn elapsedMs) {
  FElapsed = std::move(elapsedMs);
  Refresh();
}

QString TDigitalClock::Format(qint64 ms) {
  const qint64 seconds = ms > 0 ? ms / 1000 : 0;
  const QChar zero(QLatin1Char('0'));
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600, 2, 10, zero)
      .arg(seconds / 60 % 60, 2, 10, zero)
      .arg(seconds % 60, 2, 10, zero);
}

QString TDigitalClock::Text() const {
  return Format(FElapsed ? FElapsed() : 0);
}

void TDigitalClock::Refresh() {
  const QString text = Text();
  if (text == FShown) return;
  FShown = text;
  // Past 99 hours the clock takes another digit rather than lose the first.
  const int digits = std::max<int>(ShortestText, static_cast<int>(text.size()));
  if (digitCount() != digits) setDigitCount(digits);
  display(text);
  // A screen reader reads the clock as the time it shows; it hears of each new second only while
  // the clock is on screen.
  if (!isVisible()) return;
  QAccessibleValueChangeEvent value(this, text);
  QAccessible::updateAccessibility(&value);
  QAccessibleEvent name(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
}
