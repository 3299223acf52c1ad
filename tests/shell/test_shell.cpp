// Tests of start-up: the hidden watermark holder, and that closing the main window ends the loop.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "Fakes.h"
#include "TfrmSudoku.h"
#include "Tfrmhlpi.h"

class TShellTest : public QObject {
  Q_OBJECT

 private slots:
  void WatermarkHolderCarriesThePageBackground();
  void ClosingTheMainWindowEndsTheEventLoop();
};

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
  form.SetWaterMark(&holder.WaterMark());
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
