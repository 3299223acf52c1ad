// The hidden watermark holder: a never-shown window whose only content is the page background.
#include "Tfrmhlpi.h"

#include <QLabel>
#include <QPixmap>

#include "TsdResources.h"

Tfrmhlpi::Tfrmhlpi(QWidget* parent) : QWidget(parent) {
  TsdInitResources();
  setObjectName(QStringLiteral("Tfrmhlpi"));
  setWindowTitle(QStringLiteral("hidm"));
  resize(696, 480);
  // Never shown, so it must not keep the program running once the main window closes.
  setAttribute(Qt::WA_QuitOnClose, false);

  FWaterMark =
      QImage(QStringLiteral(":/tessamond/watermark.png")).convertToFormat(QImage::Format_RGB888);
  imgWaterMark = new QLabel(this);
  imgWaterMark->setObjectName(QStringLiteral("imgWaterMark"));
  imgWaterMark->setPixmap(QPixmap::fromImage(FWaterMark));
  // Sizes itself to its picture.
  imgWaterMark->setGeometry(-8, 0, FWaterMark.width(), FWaterMark.height());
}
