// The hidden watermark holder: a never-shown window whose only content is the page background.
#include "Tfrmhlpi.h"

#include <QLabel>
#include <QPixmap>

#include "TsdResources.h"

namespace {
// The picture's size, known before it is decoded.
constexpr QSize PageSize(794, 1123);
}  // namespace

Tfrmhlpi::Tfrmhlpi(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Tfrmhlpi"));
  setWindowTitle(QStringLiteral("hidm"));
  resize(696, 480);
  // Never shown, so it must not keep the program running once the main window closes.
  setAttribute(Qt::WA_QuitOnClose, false);
  imgWaterMark = new QLabel(this);
  imgWaterMark->setObjectName(QStringLiteral("imgWaterMark"));
  imgWaterMark->setGeometry(QRect(QPoint(-8, 0), PageSize));
}

const QImage& Tfrmhlpi::WaterMark() const {
  if (FWaterMark.isNull()) {
    FWaterMark = TsdPicture(QStringLiteral("watermark.png")).convertToFormat(QImage::Format_RGB888);
    imgWaterMark->setPixmap(QPixmap::fromImage(FWaterMark));
    // Sizes itself to its picture.
    imgWaterMark->setGeometry(QRect(QPoint(-8, 0), FWaterMark.size()));
  }
  return FWaterMark;
}
