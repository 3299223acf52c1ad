// The hidden window that carries the watermark printed behind every page.
#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

class Tfrmhlpi : public QWidget {
  Q_OBJECT

 public:
  explicit Tfrmhlpi(QWidget* parent = nullptr);

  // The page background: 794 × 1123 pixels, 24 bits per pixel (A4 portrait at 96 dpi).
  const QImage& WaterMark() const { return FWaterMark; }

  QLabel* imgWaterMark = nullptr;

 private:
  QImage FWaterMark;
};
