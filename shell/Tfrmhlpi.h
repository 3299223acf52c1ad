// The hidden window that carries the watermark printed behind every page.
#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

class Tfrmhlpi : public QWidget {
  Q_OBJECT

 public:
  explicit Tfrmhlpi(QWidget* parent = nullptr);

  // The page background: 794 × 1123 pixels, 24 bits per pixel (A4 portrait at 96 dpi). Decoded
  // on first use, since only printing needs it and decoding it would slow the start.
  const QImage& WaterMark() const;

  QLabel* imgWaterMark = nullptr;

 private:
  mutable QImage FWaterMark;
};
