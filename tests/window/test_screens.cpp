// The window on the screens players have: its size and place worked out for screens and panels of
// several sizes, and the real window on the screen this run is given (CMake runs it on several, at
// the scale factors desktops set): it stays on the screen, every control can be reached, the grid
// scrolls only where the screen kept the window from growing, the pictures are drawn for the
// screen's pixels and every caption fits, in both languages and every state.
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "CaptionRoom.h"
#include "TsdResources.h"
#include "WindowDriver.h"
#include "WindowPlacement.h"

namespace {

// A 25 × 25 grid at the starting font: 25 cells of 34 + 2 pixels and the grid's frame, beside the
// right column and between the bands; and a 9 × 9 one.
const TWindowNeeds Needs25{QSize(752, 688), QSize(810, 671), QSize(225, 184), QSize(902, 652), 16};
const TWindowNeeds Needs9{QSize(598, 688), QSize(810, 671), QSize(225, 184), QSize(425, 335), 16};

}  // namespace

class TestScreens : public QObject {
  Q_OBJECT

 private slots:
  void clientSizeFitsTheRoom_data() {
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QSize>("client25");
    QTest::addColumn<QSize>("client9");
    // Whole where the room holds it; else the room, and a bar's thickness more across a bar.
    QTest::newRow("1280x1024") << QSize(1264, 976) << QSize(1127, 836) << QSize(810, 688);
    QTest::newRow("1280x720, panel") << QSize(1264, 632) << QSize(1159, 632) << QSize(826, 632);
    QTest::newRow("1024x768") << QSize(1008, 720) << QSize(1008, 720) << QSize(810, 688);
    QTest::newRow("800x600") << QSize(784, 552) << QSize(784, 552) << QSize(784, 552);
    QTest::newRow("narrow, tall") << QSize(1000, 1400) << QSize(1000, 852) << QSize(810, 688);
  }
  void clientSizeFitsTheRoom() {
    QFETCH(QSize, room);
    QFETCH(QSize, client25);
    QFETCH(QSize, client9);
    QCOMPARE(ClientSizeFor(Needs25, room), client25);
    QCOMPARE(ClientSizeFor(Needs9, room), client9);
  }

  // First centred in the available area; growing and shrinking keep the centre, and only the
  // area's edges move the window, which never leaves the area, whatever side a panel is on.
  void placementKeepsTheWindowOnTheScreen_data() {
    QTest::addColumn<QRect>("area");
    QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024);
    QTest::newRow("panel below") << QRect(0, 0, 1280, 680);
    QTest::newRow("panel left, second screen") << QRect(1328, -200, 976, 768);
  }
  void placementKeepsTheWindowOnTheScreen() {
    QFETCH(QRect, area);
    const QMargins frame(4, 30, 4, 4);
    const QSize room = area.size().shrunkBy(frame);
    auto place = [&](const TWindowNeeds& needs, const QRect& current) {
      const TWindowPlace p = PlaceWindow(ClientSizeFor(needs, room), area, frame, current);
      return QRect(p.framePos, p.client.grownBy(frame));
    };
    const QRect nine = place(Needs9, QRect());
    QVERIFY((nine.center() - area.center()).manhattanLength() <= 2);
    const QRect grown = place(Needs25, nine);
    QVERIFY(area.contains(nine) && area.contains(grown));
    if (grown.left() > area.left() && grown.right() < area.right())
      QVERIFY(qAbs(grown.center().x() - nine.center().x()) <= 1);
    QCOMPARE(place(Needs9, grown), nine);
    // Left partly off the area, it comes back; larger than the area, it is cut down to it.
    const QRect astray(area.right() - 100, area.bottom() - 50, 900, 700);
    QVERIFY(area.contains(place(Needs9, astray)));
    const TWindowPlace huge = PlaceWindow(QSize(5000, 5000), area, frame, astray);
    QCOMPARE(QRect(huge.framePos, huge.client.grownBy(frame)), area);
  }

  // The real window through the sizes as a player goes: a 25 × 25 grid first, "+" and "-",
  // another 25 × 25, then each size, then a game.
  void theWindowFitsItsScreenAndReachesEveryControl() {
    TWindow w;
    const QRect area = w.Form->screen()->availableGeometry();
    auto* scroller = w.Find<QScrollArea>("scrClient");
    QWidget* content = w.Find("pnlClient");
    const QPoint firstCentre = w.Form->frameGeometry().center();
    // sized: the window was sized for the grid as it is (it is not after "+").
    auto check = [&](const QString& step, bool sized = true) {
      QApplication::processEvents();
      const QRect frame = w.Form->frameGeometry();
      QVERIFY2(area.contains(frame), qPrintable(step));
      if (frame.left() > area.left() && frame.right() < area.right())
        QVERIFY2(qAbs(frame.center().x() - firstCentre.x()) <= 1, qPrintable(step));
      // The content scrolls exactly when the window is smaller than its minimum; every control
      // lies in it.
      QCOMPARE(scroller->horizontalScrollBar()->isVisible(),
               content->minimumSizeHint().width() > scroller->maximumViewportSize().width());
      for (QWidget* control : content->findChildren<QWidget*>()) {
        const QRect r(control->mapTo(content, QPoint(0, 0)), control->size());
        if (control->isVisibleTo(w.Form.get()))
          QVERIFY2(content->rect().contains(r), qPrintable(step + control->objectName()));
      }
      // The grid scrolls only in a direction the screen kept the window from growing in.
      const TDrawGrid* grid = w.Grid();
      if (!grid->isVisible() || !sized) return;
      QVERIFY2(!grid->horizontalScrollBar()->isVisible() || frame.width() == area.width(),
               qPrintable(step));
      QVERIFY2(!grid->verticalScrollBar()->isVisible() || frame.height() == area.height(),
               qPrintable(step));
    };
    check("start");
    w.Generate(5);
    check("first 25x25");
    QTest::mouseClick(w.Find("btnFontPiu"), Qt::LeftButton);
    check("+", false);
    QTest::mouseClick(w.Find("btnFontMeno"), Qt::LeftButton);
    check("-");
    w.Press(Qt::Key_F10);
    check("second 25x25");
    for (int boxSize : {3, 4, 5}) {
      w.Generate(boxSize);
      check(QStringLiteral("size %1").arg(boxSize));
    }
    w.Press(Qt::Key_F5);
    check("playing");
  }

  // The emblem and the help glyph at the screen's pixels, from the 2× drawings on a scaled
  // screen; every caption fits in both languages.
  void picturesAndCaptionsSuitTheScreen() {
    TWindow w;
    const qreal ratio = w.Form->devicePixelRatioF();
    const QPixmap emblem = w.Find<QLabel>("Image1")->pixmap();
    QCOMPARE(emblem.devicePixelRatio(), ratio);
    QCOMPARE(emblem.size(), QSize(qRound(150 * ratio), qRound(60 * ratio)));
    if (ratio == 2)
      QCOMPARE(emblem.toImage().convertToFormat(QImage::Format_RGB888),
               TsdPicture(QStringLiteral("emblem@2x.png")).convertToFormat(QImage::Format_RGB888));
    const auto* help = w.Find<QAbstractButton>("btnHelp");
    QCOMPARE(help->icon().pixmap(help->iconSize(), ratio).devicePixelRatio(), ratio);

    // Every state, since the play and view buttons follow it, and Generate changes its caption
    // once a puzzle exists.
    for (const char* language : {"IT", "EN"}) {
      TWindow v;
      UILanguage = QString::fromLatin1(language);
      v.Form->ApplyLanguage();
      for (const Qt::Key key : {Qt::Key_F10, Qt::Key_F6, Qt::Key_F6, Qt::Key_F5, Qt::Key_F6}) {
        const QStringList tooWide = CaptionsThatDoNotFit(*v.Form);
        QVERIFY2(tooWide.isEmpty(), qPrintable(language + tooWide.join(QStringLiteral("; "))));
        v.Press(key);
      }
      QCOMPARE(v.Game().State(), gsPlayingSolution);
      QVERIFY(CaptionsThatDoNotFit(*v.Form).isEmpty());
    }
  }
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
