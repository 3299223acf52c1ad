// The interface language shared by the whole program, and the rule that picks a text by it.
#pragma once

#include <QString>

#include "TsdGame.h"

// "IT" or "EN". "IT" until the main window is first shown, "EN" from then on.
extern QString UILanguage;

// The Italian text when UILanguage is exactly "IT", the English text for any other value.
inline QString Tr(const QString& italian, const QString& english) {
  return UILanguage == QLatin1String("IT") ? italian : english;
}
inline QString Tr(const TBilingual& text) {
  return QString::fromStdString(UILanguage == QLatin1String("IT") ? text.italian : text.english);
}
