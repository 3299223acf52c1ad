// The player's preferences and records kept between runs (highlighting, best times), behind a
// small interface so that tests keep them in memory.
#pragma once

#include <QSettings>
#include <QString>
#include <optional>

class IPreferences {
 public:
  virtual ~IPreferences() = default;
  // The text kept under the key; none when nothing is.
  virtual std::optional<QString> Value(const QString& key) const = 0;
  virtual void SetValue(const QString& key, const QString& value) = 0;
};

// Qt's settings file of the application (~/.config/Tessamond/Tessamond.conf on Linux).
class TQtPreferences final : public IPreferences {
 public:
  std::optional<QString> Value(const QString& key) const override;
  void SetValue(const QString& key, const QString& value) override;
};
