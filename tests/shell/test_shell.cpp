// Tests of start-up: the application's icon, what the first window loads, the hidden watermark
// holder and when its picture is read, and that closing the main window ends the loop.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Fakes.h"
#include "TfrmSudoku.h"
#include "Tfrmhlpi.h"
#include "TsdApplication.h"
#include "TsdResources.h"
#include "WindowDriver.h"

namespace {

// The image-format plugins mapped into this process (none is linked in: each is loaded on demand).
QStringList LoadedImagePlugins() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return {QStringLiteral("cannot read /proc/self/maps")};
  QStringList found;
  for (const QByteArray& line : maps.readAll().split('\n'))
    if (line.contains("/imageformats/"))
      found << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
  found.removeDuplicates();
  return found;
}

}  // namespace

class TShellTest : public QObject {
  Q_OBJECT

 private slots:
  // First: it must see the process before any other test has read a picture.
  void FirstWindowLoadsNoImagePlugin();
  void ApplicationCarriesTheGameIcon();
  void FirstWindowPicturesComeDecoded();
  void WatermarkIsReadWhenAPageIsPrinted();
  void WatermarkHolderCarriesThePageBackground();
  void ClosingTheMainWindowEndsTheEventLoop();
};

void TShellTest::FirstWindowLoadsNoImagePlugin() {
  TsdSetUpApplication();
  TFakeServices fakes;
  TFakePuzzleSource source;
  TfrmSudoku form(fakes.Services(), source);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  (void)form.grab();  // every control painted, the emblem, the help glyph and the size box too
  QCOMPARE(LoadedImagePlugins(), QStringList());
}

void TShellTest::ApplicationCarriesTheGameIcon() {
  TsdSetUpApplication();
  QCOMPARE(QApplication::applicationName(), QStringLiteral("Tessamond"));
  const QIcon icon = QApplication::windowIcon();
  for (int size : {16, 32, 48, 64})
    QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
  // Drawn, not blank: the middle of the 32-pixel icon is opaque.
  QVERIFY(qAlpha(icon.pixmap(32).toImage().pixel(16, 16)) == 255);
  TFakeServices fakes;
  TFakePuzzleSource source;
  TfrmSudoku form(fakes.Services(), source);
  QCOMPARE(form.windowIcon().cacheKey(), icon.cacheKey());
}

// The pictures of the first window come from tables made when the game is built: each must be its
// PNG pixel for pixel, in the format the PNG reader gives, and must not be decoded again per call.
void TShellTest::FirstWindowPicturesComeDecoded() {
  for (const char* name : {"icon-16.png", "icon-24.png", "icon-32.png", "icon-48.png",
                           "icon-64.png", "emblem.png", "help.png"}) {
    const QString picture = QString::fromLatin1(name);
    const QImage shown = TsdPicture(picture);
    const QImage png = TsdDecodedPicture(picture);
    QVERIFY2(!png.isNull(), name);
    QCOMPARE(shown.format(), png.format());
    QVERIFY2(shown == png, name);
    QVERIFY2(shown.constBits() == TsdPicture(picture).constBits(), name);
  }
  // The others are read from their PNG at each call.
  QVERIFY(TsdPicture(QStringLiteral("emblem@2x.png")).constBits() !=
          TsdPicture(QStringLiteral("emblem@2x.png")).constBits());
}

void TShellTest::WatermarkIsReadWhenAPageIsPrinted() {
  TWindow w;
  Tfrmhlpi holder;
  int asked = 0;
  w.Form->SetWaterMark([&] {
    ++asked;
    return holder.WaterMark();
  });
  w.Generate(3);
  QCOMPARE(asked, 0);
  QVERIFY(holder.imgWaterMark->pixmap().isNull());  // not decoded yet
  QTemporaryDir dir;
  w.Fakes.PrintDialog.OutputFile = dir.filePath(QStringLiteral("page.pdf"));
  w.Press(Qt::Key_F7);
  QVERIFY2(w.Messages().isEmpty(), qPrintable(w.Messages().join('|')));
  QCOMPARE(asked, 1);
  QCOMPARE(holder.imgWaterMark->pixmap().size(), QSize(794, 1123));
}

void TShellTest::WatermarkHolderCarriesThePageBackground() {
  Tfrmhlpi holder;
  QCOMPARE(holder.windowTitle(), QStringLiteral("hidm"));
  QCOMPARE(holder.size(), QSize(696, 480));
  QVERIFY(holder.isHidden());
  QVERIFY(holder.imgWaterMark);
  QCOMPARE(holder.imgWaterMark->objectName(), QStringLiteral("imgWaterMark"));
  QCOMPARE(holder.imgWaterMark->geometry(), QRect(-8, 0, 794, 1123));
  QCOMPARE(holder.WaterMark().size(), QSize(794, 1123));
  QCOMPARE(holder.imgWaterMark->pixmap().size(), QSize(794, 1123));
  QCOMPARE(holder.imgWaterMark->geometry(), QRect(-8, 0, 794, 1123));
  QCOMPARE(&holder.WaterMark(), &holder.WaterMark());  // decoded once, then kept
  QCOMPARE(holder.WaterMark().format(), QImage::Format_RGB888);
  // A light page: its centre and corners are near white.
  const QImage& page = holder.WaterMark();
  for (const QPoint p : {QPoint(397, 100), QPoint(10, 10), QPoint(783, 1112)})
    QVERIFY(qGray(page.pixel(p)) > 230);
}

void TShellTest::ClosingTheMainWindowEndsTheEventLoop() {
  TFakeServices fakes;
  TFakePuzzleSource source;
  TfrmSudoku form(fakes.Services(), source);
  Tfrmhlpi holder;  // hidden, and must not keep the loop running
  form.SetWaterMark([&holder] { return holder.WaterMark(); });
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  bool closedByTest = false;
  QTimer::singleShot(0, &form, [&] {
    closedByTest = true;
    form.close();
  });
  // If closing did not end the loop, this guard would, and the test would fail below.
  bool guardFired = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    guardFired = true;
    QApplication::quit();
  });
  guard.start(10000);
  QVERIFY(QApplication::quitOnLastWindowClosed());
  QApplication::exec();
  QVERIFY(closedByTest);
  QVERIFY(!guardFired);
  QVERIFY(!form.isVisible());
}

QTEST_MAIN(TShellTest)
#include "test_shell.moc"
