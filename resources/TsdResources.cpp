// Registers the compiled-in pictures (a static library's resources need an explicit call) and
// reads them: those of the first window from the tables decoded when the game was built, the others
// as PNG without asking the image plugins.
#include "TsdResources.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <algorithm>
#include <cstring>

#include "BakedPictures.h"

static void InitTessamondQrc() {
  Q_INIT_RESOURCE(tessamond);
}

void TsdInitResources() {
  static const bool done = (InitTessamondQrc(), true);
  (void)done;
}

namespace {

const TBakedPicture* FindBaked(const QString& name) {
  for (std::size_t k = 0; k < TsdBakedPictureCount; ++k)
    if (name == QLatin1String(TsdBakedPictures[k].name)) return &TsdBakedPictures[k];
  return nullptr;
}

// The table's pixels as the image the PNG reader would give, without a copy: the table lives as
// long as the program, and a change to the image copies it first.
QImage BakedImage(const TBakedPicture& baked) {
  return QImage(reinterpret_cast<const uchar*>(baked.pixels), baked.width, baked.height,
                baked.width * 4, static_cast<QImage::Format>(baked.format));
}

QImage ReadPng(const QString& path) {
  QImageReader reader(path, "png");
  // Left on, the reader would load every plugin to ask whether it reads "png" better.
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace

QImage TsdPicture(const QString& name) {
  if (const TBakedPicture* baked = FindBaked(name)) return BakedImage(*baked);
  return TsdDecodedPicture(name);
}

QImage TsdDecodedPicture(const QString& name) {
  TsdInitResources();
  return ReadPng(QStringLiteral(":/tessamond/") + name);
}

QImage TsdPictureFor(const QString& name, const QSize& logicalSize, qreal ratio) {
  ratio = std::max<qreal>(ratio, 1);
  QImage picture;
  if (ratio > 1) {
    QString twice = name;
    twice.insert(name.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    picture = TsdPicture(twice);
  }
  if (picture.isNull()) picture = TsdPicture(name);
  if (picture.isNull()) return picture;
  const QSize pixels(qRound(logicalSize.width() * ratio), qRound(logicalSize.height() * ratio));
  if (picture.size() != pixels)
    picture = picture.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  picture.setDevicePixelRatio(ratio);
  return picture;
}

QIcon TsdAppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    const QImage picture = TsdPicture(QStringLiteral("icon-%1.png").arg(size));
    if (!picture.isNull()) icon.addPixmap(QPixmap::fromImage(picture));
  }
  return icon;
}

namespace {

// A number as Qt's pixmap cache writes it into its keys: the bytes in memory order, each as its
// low then its high hexadecimal digit.
template <typename T>
QString CacheKeyHex(T value) {
  static constexpr char Digits[] = "0123456789abcdef";
  unsigned char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  QString text;
  for (unsigned char b : bytes) {
    text += QLatin1Char(Digits[b & 0xf]);
    text += QLatin1Char(Digits[b >> 4]);
  }
  return text;
}

}  // namespace

void TsdPreloadStylePictures() {
  // The group box frame of the Fusion style. Should a Qt release file it under another key, the
  // style reads it itself as before: slower, the same picture.
  const QString path =
      QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
  const QFileInfo info(path);
  if (!info.exists()) return;
  QImage picture;
  // Decoded when the game was built from this very file, unless the Qt it runs on has another.
  const TBakedPicture* baked = FindBaked(path);
  if (baked && baked->qtFileSize == info.size() &&
      baked->qtModifiedSecs == info.lastModified().toSecsSinceEpoch()) {
    picture = BakedImage(*baked);
  } else {
    picture = ReadPng(path);
  }
  if (picture.isNull()) return;
  constexpr unsigned PixmapType = 0;  // a colour pixmap, not a bitmap
  const QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
                      CacheKeyHex(static_cast<unsigned>(info.lastModified().toSecsSinceEpoch())) +
                      CacheKeyHex(static_cast<quint64>(info.size())) + CacheKeyHex(PixmapType);
  QPixmapCache::insert(key, QPixmap::fromImage(picture));
}
