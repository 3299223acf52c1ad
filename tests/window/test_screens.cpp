// The window on the screens players have: its size and place worked out for screens and panels of
// every size, and the real window on the screen this run is given (CMake runs it on several, with
// the scale factors desktops set): it stays on the screen, every control can be reached, the
// grid's scroll bars show exactly when the cells do not fit, the pictures are drawn for the
// screen's pixels and every caption fits.
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "CaptionRoom.h"
#include "TsdResources.h"
#include "WindowDriver.h"
#include "WindowPlacement.h"

namespace {

// A 25 × 25 grid at the starting font: 25 cells of 34 + 2 pixels, and the grid's frame.
TWindowNeeds Needs25() {
  return {QSize(752, 688), QSize(810, 671), QSize(225, 184), QSize(902, 652), 16};
}

// True when the frame of the window lies wholly inside the screen's available area.
bool OnScreen(const QWidget& form) {
  return form.screen()->availableGeometry().contains(form.frameGeometry());
}

// Whether a scroll bar of the grid is there for a reason: the cells are wider (taller) than the
// grid's area less the other bar, when that one shows.
QString GridBarsWithoutReason(const TDrawGrid& grid) {
  const QScrollBar* h = grid.horizontalScrollBar();
  const QScrollBar* v = grid.verticalScrollBar();
  const QSize area = grid.maximumViewportSize();
  const QRect last =
      grid.CellRect(grid.ColCount() - 1, grid.RowCount() - 1).translated(h->value(), v->value());
  const int width = last.right() + 1 + grid.GridLineWidth();
  const int height = last.bottom() + 1 + grid.GridLineWidth();
  const bool needH = width > area.width() - (v->isVisible() ? v->width() : 0);
  const bool needV = height > area.height() - (h->isVisible() ? h->height() : 0);
  if (h->isVisible() == needH && v->isVisible() == needV) return {};
  return QStringLiteral("cells %1x%2 in %3x%4: bars %5%6")
      .arg(width)
      .arg(height)
      .arg(area.width())
      .arg(area.height())
      .arg(h->isVisible() ? "H" : "-")
      .arg(v->isVisible() ? "V" : "-");
}

}  // namespace

class TestScreens : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    qInfo("screen %dx%d at ratio %g", screen->availableGeometry().width(),
          screen->availableGeometry().height(), screen->devicePixelRatio());
  }

  // The client size for a 25 × 25 and a 9 × 9 grid: whole where the room holds it, never more
  // than the room, and a bar's thickness more across a bar, where the room allows.
  void clientSizeFitsTheRoom_data() {
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QSize>("client25");
    QTest::addColumn<QSize>("client9");
    auto row = [](const char* name, QSize room, QSize client25, QSize client9) {
      QTest::newRow(name) << room << client25 << client9;
    };
    row("1280x1024", QSize(1264, 976), QSize(1127, 836), QSize(810, 688));
    row("1280x720 with a panel", QSize(1264, 632), QSize(1159, 632), QSize(826, 632));
    row("1280x720 at 1.5 less room", QSize(1130, 600), QSize(1130, 600), QSize(826, 600));
    row("1024x768", QSize(1008, 720), QSize(1008, 720), QSize(810, 688));
    row("800x600", QSize(784, 552), QSize(784, 552), QSize(784, 552));
    row("wide and short", QSize(1900, 500), QSize(1159, 500), QSize(826, 500));
    row("narrow and tall", QSize(1000, 1400), QSize(1000, 852), QSize(810, 688));
  }
  void clientSizeFitsTheRoom() {
    QFETCH(QSize, room);
    QFETCH(QSize, client25);
    QFETCH(QSize, client9);
    QCOMPARE(ClientSizeFor(Needs25(), room), client25);
    TWindowNeeds nine = Needs25();
    nine.table = QSize(598, 688);
    nine.grid = QSize(425, 335);
    QCOMPARE(ClientSizeFor(nine, room), client9);
  }

  // Placed on the first sizing in the middle of the available area; afterwards growing and
  // shrinking keep the centre, and only the area's edges move the window; it never leaves the
  // area, also with a panel on any side.
  void placementKeepsTheWindowOnTheScreen_data() {
    QTest::addColumn<QRect>("area");
    QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024);
    QTest::newRow("1280x720, panel below") << QRect(0, 0, 1280, 680);
    QTest::newRow("1024x768, panel left") << QRect(48, 0, 976, 768);
    QTest::newRow("800x600, panel above") << QRect(0, 32, 800, 568);
    QTest::newRow("second screen") << QRect(1280, -200, 1024, 768);
  }
  void placementKeepsTheWindowOnTheScreen() {
    QFETCH(QRect, area);
    const QMargins frame(4, 30, 4, 4);
    auto frameRect = [&](const TWindowPlace& p) {
      return QRect(p.framePos, p.client.grownBy(frame));
    };
    const QSize room = area.size().shrunkBy(frame);
    const QSize nine = QSize(810, 688).boundedTo(room);
    const QSize big = Needs25().grid.grownBy(QMargins(0, 0, 225, 184)).boundedTo(room);
    const TWindowPlace first = PlaceWindow(nine, area, frame, QRect());
    QVERIFY(qAbs(frameRect(first).center().x() - area.center().x()) <= 1);
    QVERIFY(qAbs(frameRect(first).center().y() - area.center().y()) <= 1);
    const TWindowPlace grown = PlaceWindow(big, area, frame, frameRect(first));
    const TWindowPlace back = PlaceWindow(nine, area, frame, frameRect(grown));
    for (const TWindowPlace& p : {first, grown, back}) {
      QVERIFY(area.contains(frameRect(p)));
      QCOMPARE(frameRect(p).size(), p.client.grownBy(frame));
    }
    QCOMPARE(grown.client, big);
    // The centre stays unless an edge of the area stopped the window.
    const QRect g = frameRect(grown);
    if (g.left() > area.left() && g.right() < area.right())
      QVERIFY(qAbs(g.center().x() - frameRect(first).center().x()) <= 1);
    QCOMPARE(frameRect(back), frameRect(first));

    // A window the user left partly off the area comes back inside it; one larger than the area
    // is cut down to it.
    const QRect astray(area.right() - 100, area.bottom() - 50, 900, 700);
    QVERIFY(area.contains(frameRect(PlaceWindow(nine, area, frame, astray))));
    const TWindowPlace huge = PlaceWindow(QSize(5000, 5000), area, frame, astray);
    QCOMPARE(frameRect(huge), area);
  }

  // The real window through the sizes, as a player goes: a 25 × 25 grid first, "+" and "-",
  // another 25 × 25, then 9 × 9, 16 × 16 and 25 × 25 again while playing.
  void theWindowFitsItsScreenAndReachesEveryControl() {
    TWindow w;
    const QRect area = w.Form->screen()->availableGeometry();
    auto* scroller = w.Find<QScrollArea>("scrClient");
    QWidget* content = w.Find("pnlClient");
    QVERIFY(scroller && content);
    const QPoint firstCentre = w.Form->frameGeometry().center();
    // sized: the window was sized for the grid as it is now (not after "+").
    auto check = [&](const char* step, bool sized = true) {
      QApplication::processEvents();
      const QString where = QString::fromLatin1(step);
      QVERIFY2(OnScreen(*w.Form), qPrintable(where));
      // Sizes keep the centre the window started with, unless the screen's edge moved it.
      const QRect frame = w.Form->frameGeometry();
      if (frame.left() > area.left() && frame.right() < area.right())
        QVERIFY2(qAbs(frame.center().x() - firstCentre.x()) <= 1, qPrintable(where));
      // The content scrolls exactly when the window is smaller than the content's minimum, and
      // only as far as the content reaches.
      const QSize minimum = content->minimumSizeHint();
      const QSize view = scroller->maximumViewportSize();
      QCOMPARE(scroller->horizontalScrollBar()->isVisible(), minimum.width() > view.width());
      QCOMPARE(content->width(), std::max(minimum.width(), scroller->viewport()->width()));
      QCOMPARE(scroller->horizontalScrollBar()->maximum(),
               content->width() - scroller->viewport()->width());
      QCOMPARE(scroller->verticalScrollBar()->maximum(),
               content->height() - scroller->viewport()->height());
      // Every control lies in the content, so scrolling it brings each into view.
      for (QWidget* control : content->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(w.Form.get()) || control->objectName().startsWith("qt_"))
          continue;
        const QRect r(control->mapTo(content, QPoint(0, 0)), control->size());
        QVERIFY2(content->rect().contains(r), qPrintable(where + control->objectName()));
      }
      if (!w.Grid()->isVisible()) return;
      const QString bars = GridBarsWithoutReason(*w.Grid());
      QVERIFY2(bars.isEmpty(), qPrintable(where + ": " + bars));
      // A grid bar shows only in a direction the screen kept the window from growing in.
      if (sized && frame.width() < area.width())
        QVERIFY2(!w.Grid()->horizontalScrollBar()->isVisible(), qPrintable(where));
      if (sized && frame.height() < area.height())
        QVERIFY2(!w.Grid()->verticalScrollBar()->isVisible(), qPrintable(where));
    };
    // A screen with room for the whole grid and the fixed panels shows it without any bar.
    auto roomForAll = [&] {
      const QSize whole = Needs25().grid.grownBy(QMargins(0, 0, 225, 184));
      return w.Form->size().expandedTo(whole) == w.Form->size();
    };
    check("start");
    w.Generate(5);
    check("first 25x25");
    const bool fits = roomForAll();
    if (fits) QVERIFY(!w.Grid()->horizontalScrollBar()->isVisible());
    QTest::mouseClick(w.Find("btnFontPiu"), Qt::LeftButton);
    check("+", false);
    QTest::mouseClick(w.Find("btnFontMeno"), Qt::LeftButton);
    check("-");
    if (fits) QVERIFY(!w.Grid()->verticalScrollBar()->isVisible());
    w.Press(Qt::Key_F10);
    check("second 25x25");
    for (int boxSize : {3, 4, 5}) {
      w.Generate(boxSize);
      check("next size");
    }
    w.Press(Qt::Key_F5);
    check("playing");
    if (fits) QVERIFY(!w.Grid()->verticalScrollBar()->isVisible());
  }

  // The emblem and the help glyph come from the 2× drawings on a scaled screen, at exactly the
  // screen's pixels; every caption fits in both languages.
  void picturesAndCaptionsSuitTheScreen() {
    TWindow w;
    const qreal ratio = w.Form->devicePixelRatioF();
    const QPixmap emblem = w.Find<QLabel>("Image1")->pixmap();
    QCOMPARE(emblem.devicePixelRatio(), ratio);
    QCOMPARE(emblem.size(), QSize(qRound(150 * ratio), qRound(60 * ratio)));
    if (ratio == 2) {
      QCOMPARE(emblem.toImage().convertToFormat(QImage::Format_RGB888),
               TsdPicture(QStringLiteral("emblem@2x.png")).convertToFormat(QImage::Format_RGB888));
    }
    const auto* help = w.Find<QAbstractButton>("btnHelp");
    const QPixmap glyph = help->icon().pixmap(help->iconSize(), ratio);
    QCOMPARE(glyph.devicePixelRatio(), ratio);
    QVERIFY(glyph.width() >= qRound(help->iconSize().width() * ratio) - 1);

    w.Reach(gsPlaying);
    for (const char* language : {"IT", "EN"}) {
      UILanguage = QString::fromLatin1(language);
      w.Form->ApplyLanguage();
      const QStringList tooWide = CaptionsThatDoNotFit(*w.Form);
      QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QStringLiteral("; "))));
    }
  }
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
