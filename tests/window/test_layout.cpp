// Tests of the main window's layout: every named component with its stored properties, the state
// after the first show, the tab order, and the window size for each box size.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "TActionButton.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"
#include "TsdResources.h"
#include "WindowDriver.h"

namespace {

// A window on fakes, not shown yet: it still holds the layout's stored properties.
struct TStoredWindow {
  TFakeServices Fakes;
  TFakePuzzleSource Source;
  TfrmSudoku Form{Fakes.Services(), Source};
  // A control by its name.
  template <typename T = QWidget>
  T* F(const char* name) const {
    return Form.findChild<T*>(QString::fromLatin1(name));
  }
};

QRect RectIn(const QWidget* widget, const QWidget* ancestor) {
  return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

}  // namespace

class TLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void PlacedControlsHaveTheirStoredPlaceFontAndCaption_data();
  void PlacedControlsHaveTheirStoredPlaceFontAndCaption();
  void RegionsHaveTheirStoredSizes();
  void RadioGroupsHoldTheirStoredItems();
  void ActionsHoldTheirStoredCaptionsAndBindTheirButtons_data();
  void ActionsHoldTheirStoredCaptionsAndBindTheirButtons();
  void GridAndNonVisualComponentsAreStored();
  void HeaderAndBottomBandAreStyled();
  void RequestedFontsFallBackToDejaVuSansAtTheSameSize();
  void FirstShowHidesTheGridAndEnablesOnlyGenerateAndHelp();
  void TabOrderFollowsTheLayout();
  void WindowShowsEveryControlUnclippedForEachBoxSize_data();
  void WindowShowsEveryControlUnclippedForEachBoxSize();
  void LinkFieldOpensItsAddressOnOneClick();
  void PicturesHaveTheirSizesAndPixelFormats_data();
  void PicturesHaveTheirSizesAndPixelFormats();
};

void TLayoutTest::PlacedControlsHaveTheirStoredPlaceFontAndCaption_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("family");
  QTest::addColumn<int>("points");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("hidden");
  auto row = [](const char* name, QRect g, const char* family, int points, const QString& caption,
                bool hidden = false) {
    QTest::newRow(name) << QString::fromLatin1(name) << g << QString::fromLatin1(family) << points
                        << caption << hidden;
  };
  row("Image1", QRect(1, 1, 152, 58), "MS Sans Serif", 8, QString());
  row("StaticText1", QRect(184, 8, 282, 42), "Verdana", 24, QStringLiteral("Tessamond"));
  row("StaticText2", QRect(712, 24, 84, 27), "Verdana", 14, QStringLiteral("Vers.1.3"));
  row("btnGenera", QRect(8, 10, 185, 47), "Verdana", 11, QStringLiteral("Genera [F10]"));
  row("cbg1", QRect(216, 2, 217, 55), "Verdana", 11, QStringLiteral("Dimensione "));
  row("cbgLivello", QRect(448, 2, 345, 55), "Verdana", 11,
      QStringLiteral("Livello di difficolt\u00e0 "));
  row("btnHelp", QRect(3, 1, 126, 40), "Verdana", 8, QStringLiteral("Guida \n[F1]"));
  row("cxLabel3", QRect(224, 9, 283, 29), "Verdana", 14, QString());
  row("cxHyperLinkEdit2", QRect(556, 13, 245, 22), "Verdana", 11, QString());
  row("btnPlay", QRect(18, 8, 191, 33), "Verdana", 11, QStringLiteral("Gioca"));
  row("btnToggleView", QRect(18, 48, 191, 33), "Verdana", 11,
      QStringLiteral("Visualizza soluzione"));
  row("btnPrint", QRect(18, 88, 191, 33), "Verdana", 11, QStringLiteral("Stampa [F7]"), true);
  row("cbxHideTimer", QRect(18, 10, 182, 17), "Verdana", 11, QStringLiteral("Nascondi timer [F9]"));
  row("Clock1", QRect(18, 32, 156, 32), "MS Sans Serif", 8, QString());
  row("cbxNote", QRect(18, 66, 190, 17), "Verdana", 11, QStringLiteral("Note [F2]"));
  row("cbxControllo", QRect(18, 88, 190, 17), "Verdana", 11,
      QStringLiteral("Controllo attivo [F8]"));
  row("cxButton1", QRect(18, 112, 190, 33), "Verdana", 11, QStringLiteral("Suggerimento! [F4]"));
  row("StaticText3", QRect(16, 12, 121, 22), "Verdana", 11, QStringLiteral("Dimensione +/-"));
  // Wider than the 191 it was designed with: the Italian caption needs 198 in DejaVu Sans.
  row("StaticText4", QRect(16, 36, 205, 22), "Verdana", 11,
      QStringLiteral("dei caratteri e della griglia"));
  row("btnFontPiu", QRect(18, 63, 87, 33), "Verdana", 11, QStringLiteral("+"));
  row("btnFontMeno", QRect(120, 63, 87, 33), "Verdana", 11, QStringLiteral("-"));
}

void TLayoutTest::PlacedControlsHaveTheirStoredPlaceFontAndCaption() {
  QFETCH(QString, name);
  QFETCH(QRect, geometry);
  QFETCH(QString, family);
  QFETCH(int, points);
  QFETCH(QString, caption);
  QFETCH(bool, hidden);
  TStoredWindow w;
  auto* widget = w.Form.findChild<QWidget*>(name);
  QVERIFY2(widget, qPrintable(name));
  QCOMPARE(widget->objectName(), name);
  QCOMPARE(widget->geometry(), geometry);
  QCOMPARE(widget->font().family(), family);
  QCOMPARE(widget->font().pointSize(), points);
  QCOMPARE(widget->isHidden(), hidden);
  if (caption.isEmpty()) return;
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    QCOMPARE(button->text(), caption);
  else if (auto* label = qobject_cast<QLabel*>(widget))
    QCOMPARE(label->text(), caption);
  else if (auto* group = qobject_cast<QGroupBox*>(widget))
    QCOMPARE(group->title(), caption);
  else
    QFAIL("a caption for a control that shows none");
}

void TLayoutTest::RegionsHaveTheirStoredSizes() {
  TStoredWindow w;
  w.Form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w.Form));
  w.Form.resize(984, 728);
  w.Form.layout()->activate();
  QCOMPARE(w.Form.size(), QSize(984, 728));
  QCOMPARE(w.F("pnlTopMain")->height(), 129);
  QCOMPARE(w.F("pnlTopMain")->y(), 0);
  QCOMPARE(w.F("Panel1")->height(), 60);
  QCOMPARE(w.F("pnlTopControlsClient")->height(), 67);
  QCOMPARE(w.F("Panel3")->height(), 55);
  QCOMPARE(w.F("Panel3")->geometry().bottom(), 727);
  QCOMPARE(w.F("pnlRight")->width(), 225);
  QCOMPARE(w.F("pnlRight")->geometry().right(), 983);
  QCOMPARE(w.F("pnlButtons")->height(), 144);
  QCOMPARE(w.F("pnlGameOn")->height(), 184);
  QCOMPARE(w.F("pnlLayout")->height(), 159);
  QCOMPARE(w.F("pnlLayout")->geometry().bottom(), w.F("pnlRight")->height() - 1);
  // The grid area takes the rest: 759 × 544 at the design size, and the grid fills it.
  QCOMPARE(w.F("pnlGrid")->size(), QSize(759, 544));
  QCOMPARE(w.F<TDrawGrid>("sg1")->geometry(), w.F("pnlGrid")->rect());
  QCOMPARE(w.F("pnlGrid")->palette().color(QPalette::Window), QColor(255, 255, 255));
}

void TLayoutTest::RadioGroupsHoldTheirStoredItems() {
  TStoredWindow w;
  const TRadioGroup* size = w.F<TRadioGroup>("cbg1");
  QCOMPARE(size->Count(), 3);
  QCOMPARE(size->ItemCaption(0), QStringLiteral("3x3"));
  QCOMPARE(size->ItemCaption(1), QStringLiteral("4x4"));
  QCOMPARE(size->ItemCaption(2), QStringLiteral("5x5"));
  QCOMPARE(size->ItemIndex(), 0);
  const TRadioGroup* level = w.F<TRadioGroup>("cbgLivello");
  QCOMPARE(level->Count(), 3);
  QCOMPARE(level->ItemCaption(0), QStringLiteral("Semplice    "));
  QCOMPARE(level->ItemCaption(1), QStringLiteral("Medio"));
  QCOMPARE(level->ItemCaption(2), QStringLiteral("Alto"));
  QCOMPARE(level->ItemIndex(), 0);

  // Three columns: the items stand side by side.
  w.Form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w.Form));
  QCOMPARE(size->Item(0)->y(), size->Item(2)->y());
  QVERIFY(size->Item(0)->x() < size->Item(1)->x());
  QVERIFY(size->Item(1)->x() < size->Item(2)->x());
  QVERIFY(size->contentsRect().contains(size->Item(2)->geometry()));
}

void TLayoutTest::ActionsHoldTheirStoredCaptionsAndBindTheirButtons_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("button");
  const char* const rows[][3] = {{"ActGenera", "Genera [F10]", "btnGenera"},
                                 {"ActPlay", "Gioca", "btnPlay"},
                                 {"ActToggleView", "Visualizza soluzione", "btnToggleView"},
                                 {"ActPrint", "Stampa [F7]", "btnPrint"},
                                 {"ActSuggerisci", "Suggerimento! [F4]", "cxButton1"},
                                 {"ActHelp", "Guida [F1]", "btnHelp"}};
  for (const auto& row : rows) QTest::newRow(row[0]) << row[0] << row[1] << row[2];
}

void TLayoutTest::ActionsHoldTheirStoredCaptionsAndBindTheirButtons() {
  QFETCH(QString, action);
  QFETCH(QString, caption);
  QFETCH(QString, button);
  TStoredWindow w;
  auto* act = w.Form.findChild<QAction*>(action);
  QVERIFY(act);
  QCOMPARE(act->text(), caption);
  QVERIFY(act->shortcut().isEmpty());  // the function keys go through the window's key handler
  QCOMPARE(act->actionGroup(), w.Form.findChild<QActionGroup*>(QStringLiteral("ActionList1")));
  auto* bound = w.Form.findChild<TActionButton*>(button);
  QVERIFY(bound);
  QCOMPARE(bound->Action(), act);
  act->setEnabled(false);
  QVERIFY(!bound->isEnabled());
  act->setEnabled(true);
  QVERIFY(bound->isEnabled());
}

void TLayoutTest::GridAndNonVisualComponentsAreStored() {
  TStoredWindow w;
  const TDrawGrid* grid = w.F<TDrawGrid>("sg1");
  QCOMPARE(grid->ColCount(), 25);
  QCOMPARE(grid->RowCount(), 25);
  QCOMPARE(grid->DefaultColWidth(), 25);
  QCOMPARE(grid->DefaultRowHeight(), 22);
  QVERIFY(!grid->DrawFocusSelected());
  QVERIFY(!grid->isHidden());
  QCOMPARE(grid->font().family(), QStringLiteral("MS Sans Serif"));
  QCOMPARE(grid->font().pointSize(), 8);
  QCOMPARE(w.Form.font().pointSize(), 8);

  QVERIFY(w.F<QMenu>("popm1"));
  const QList<QAction*> items = w.F<QMenu>("popm1")->actions();
  QCOMPARE(items.size(), 2);
  QCOMPARE(items[0]->text(), QStringLiteral("1"));
  QCOMPARE(items[1]->text(), QStringLiteral("2"));

  QVERIFY(w.Form.windowTitle().startsWith(QStringLiteral("Tessamond Vers.1.3")));
  const TDigitalClock* clock = w.F<TDigitalClock>("Clock1");
  QCOMPARE(clock->palette().color(QPalette::WindowText), QColor(192, 192, 192));
  QCOMPARE(clock->frameShadow(), QFrame::Sunken);
}

void TLayoutTest::HeaderAndBottomBandAreStyled() {
  TStoredWindow w;
  QCOMPARE(w.F("Panel1")->palette().color(QPalette::Window), QColor(128, 0, 0));
  QVERIFY(w.F("Panel1")->autoFillBackground());
  QCOMPARE(w.F<QLabel>("StaticText1")->palette().color(QPalette::WindowText),
           QColor(255, 255, 255));
  QVERIFY(w.F<QLabel>("StaticText1")->font().italic());
  QCOMPARE(w.F<QLabel>("StaticText2")->palette().color(QPalette::WindowText),
           QColor(255, 255, 255));
  QVERIFY(!w.F<QLabel>("Image1")->pixmap().isNull());
  QCOMPARE(w.F<QLabel>("Image1")->pixmap().size(), QSize(150, 60));
  QVERIFY(!w.F<QLabel>("Image1")->hasScaledContents());
  QVERIFY(w.F<QLabel>("cxLabel3")->font().bold());
  QVERIFY(w.F<QLineEdit>("cxHyperLinkEdit2")->isReadOnly());
  QVERIFY(!w.F<QLineEdit>("cxHyperLinkEdit2")->hasFrame());
  QVERIFY(w.F<QLineEdit>("cxHyperLinkEdit2")->text().startsWith(QStringLiteral("https://")));
  QCOMPARE(w.F<QAbstractButton>("btnHelp")->cursor().shape(), Qt::PointingHandCursor);
  QVERIFY(!w.F<QAbstractButton>("btnHelp")->icon().isNull());
  QCOMPARE(w.F<QCheckBox>("cbxHideTimer")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  QCOMPARE(w.F<QCheckBox>("cbxControllo")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  QVERIFY(!w.F<QCheckBox>("cbxHideTimer")->isChecked());
  QVERIFY(!w.F<QCheckBox>("cbxControllo")->isChecked());
}

void TLayoutTest::RequestedFontsFallBackToDejaVuSansAtTheSameSize() {
  TStoredWindow w;
  for (const QWidget* widget :
       {static_cast<QWidget*>(w.F("btnGenera")), static_cast<QWidget*>(w.F<TDrawGrid>("sg1")),
        static_cast<QWidget*>(w.F<QLabel>("StaticText1"))}) {
    const QFontInfo info(widget->font());
    // Where the machine has the requested face, that is fine too.
    QVERIFY2(
        info.family() == widget->font().family() || info.family() == QStringLiteral("DejaVu Sans"),
        qPrintable(info.family()));
    QCOMPARE(info.pointSize(), widget->font().pointSize());
  }
}

void TLayoutTest::FirstShowHidesTheGridAndEnablesOnlyGenerateAndHelp() {
  TStoredWindow w;
  w.Form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w.Form));
  QVERIFY(w.F<TDrawGrid>("sg1")->isHidden());
  QVERIFY(w.F<TDigitalClock>("Clock1")->isHidden() ||
          !w.F<TDigitalClock>("Clock1")->isVisibleTo(&w.Form));
  QVERIFY(w.F("pnlGameOn")->isHidden());
  QVERIFY(w.F("btnPrint")->isHidden());
  QVERIFY(!w.F<TRadioGroup>("cbgLivello")->isHidden());
  QCOMPARE(w.F<TRadioGroup>("cbgLivello")->ItemIndex(), 0);
  QVERIFY(w.F("lblLivello")->isHidden());
  QCOMPARE(w.Form.Game().State(), GameState::gsEmpty);
  QCOMPARE(w.Form.Game().BoxSize(), 3);
  QVERIFY(w.F<QAction>("ActGenera")->isEnabled());
  QVERIFY(w.F<QAction>("ActHelp")->isEnabled());
  for (QAction* a : {w.F<QAction>("ActPlay"), w.F<QAction>("ActToggleView"),
                     w.F<QAction>("ActPrint"), w.F<QAction>("ActSuggerisci")})
    QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
  QVERIFY(w.F("btnGenera")->isEnabled());
  QVERIFY(!w.F("btnPlay")->isEnabled());
  // A second show does not start the window over.
  PressKey(&w.Form, Qt::Key_F10);
  w.Form.hide();
  w.Form.show();
  QCOMPARE(w.Form.Game().State(), GameState::gsPuzzleView);
}

void TLayoutTest::TabOrderFollowsTheLayout() {
  TStoredWindow w;
  const QStringList expected = {"btnGenera",     "cbg1Item0",  "cbg1Item1",        "cbg1Item2",
                                "sg1",           "btnHelp",    "cxHyperLinkEdit2", "btnPlay",
                                "btnToggleView", "cxButton1",  "cbxControllo",     "cbxHideTimer",
                                "btnFontPiu",    "btnFontMeno"};
  QStringList chain;
  QWidget* start = w.F("btnGenera");
  QWidget* widget = start;
  do {
    if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName()))
      chain << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget && widget != start);
  QCOMPARE(chain, expected);
  // Hidden controls are skipped: they are not focusable while hidden.
  QVERIFY(w.F("btnPrint")->isHidden());
}

void TLayoutTest::WindowShowsEveryControlUnclippedForEachBoxSize_data() {
  QTest::addColumn<int>("boxSize");
  QTest::addColumn<int>("tableWidth");
  QTest::addColumn<int>("tableGridPanelWidth");
  QTest::newRow("3x3") << 3 << 598 << 428;
  QTest::newRow("4x4") << 4 << 752 << 582;
  QTest::newRow("5x5") << 5 << 752 << 582;
}

void TLayoutTest::WindowShowsEveryControlUnclippedForEachBoxSize() {
  QFETCH(int, boxSize);
  QFETCH(int, tableWidth);
  QFETCH(int, tableGridPanelWidth);
  TStoredWindow w;
  w.Form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w.Form));
  w.Form.resize(300, 200);  // whatever size came before
  // A puzzle of another size first, so that the window is sized anew for this one.
  ChooseSize(&w.Form, boxSize == 5 ? 4 : 5);
  PressKey(&w.Form, Qt::Key_F10);
  w.Form.resize(300, 200);
  ChooseSize(&w.Form, boxSize);
  PressKey(&w.Form, Qt::Key_F10);
  PressKey(&w.Form, Qt::Key_F5);  // the game panel too
  w.Form.layout()->activate();

  QVERIFY(w.Form.width() >= tableWidth);
  QVERIFY(w.Form.height() >= 688);
  QVERIFY(w.F("pnlGrid")->width() >= tableGridPanelWidth);
  // The window's content, which scrolls where the screen is smaller than it (whether it is shown
  // whole is a matter of the screen, tried in test_screens).
  QWidget* content = w.F("pnlClient");
  const QRect whole = content->rect();
  for (QWidget* child : content->findChildren<QWidget*>()) {
    if (!child->isVisibleTo(&w.Form) || child->objectName().isEmpty()) continue;
    if (child->objectName().startsWith(QLatin1String("qt_"))) continue;  // scroll area parts
    const QRect r = RectIn(child, content);
    QVERIFY2(whole.contains(r), qPrintable(child->objectName()));
    // Nothing of a control is cut off by the panel that holds it.
    if (QWidget* parent = child->parentWidget(); parent && parent != content)
      QVERIFY2(parent->rect().contains(child->geometry()), qPrintable(child->objectName()));
  }
  // The right column's panels do not overlap.
  QVERIFY(w.F("pnlGameOn")->geometry().bottom() < w.F("pnlLayout")->geometry().top());
  // The grid area fills what the bands and the right column leave, and the grid fills it.
  QCOMPARE(RectIn(w.F("pnlGrid"), content),
           QRect(0, w.F("pnlTopMain")->height(), content->width() - w.F("pnlRight")->width(),
                 content->height() - w.F("pnlTopMain")->height() - w.F("Panel3")->height()));
  QCOMPARE(w.F<TDrawGrid>("sg1")->geometry(), w.F("pnlGrid")->rect());
}

void TLayoutTest::LinkFieldOpensItsAddressOnOneClick() {
  TStoredWindow w;
  w.Form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w.Form));
  QLineEdit* link = w.F<QLineEdit>("cxHyperLinkEdit2");
  QTest::mouseClick(link, Qt::LeftButton);
  QCOMPARE(w.Fakes.Urls.Opened.size(), 1);
  QCOMPARE(w.Fakes.Urls.Opened.first(), QUrl(link->text()));
  QTest::mouseClick(link, Qt::RightButton);
  QCOMPARE(w.Fakes.Urls.Opened.size(), 1);
}

void TLayoutTest::PicturesHaveTheirSizesAndPixelFormats_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("pngColourType");  // 2: 24-bit RGB, 6: RGB with alpha
  QTest::newRow("emblem") << ":/tessamond/emblem.png" << QSize(150, 60) << 2;
  QTest::newRow("emblem 2x") << ":/tessamond/emblem@2x.png" << QSize(300, 120) << 2;
  QTest::newRow("help glyph") << ":/tessamond/help.png" << QSize(46, 43) << 6;
  QTest::newRow("help glyph 2x") << ":/tessamond/help@2x.png" << QSize(92, 86) << 6;
  QTest::newRow("watermark") << ":/tessamond/watermark.png" << QSize(794, 1123) << 2;
}

void TLayoutTest::PicturesHaveTheirSizesAndPixelFormats() {
  QFETCH(QString, path);
  QFETCH(QSize, size);
  QFETCH(int, pngColourType);
  TsdInitResources();
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray head = file.read(26);
  QCOMPARE(head.size(), 26);
  QVERIFY(head.startsWith("\x89PNG"));
  QCOMPARE(int(static_cast<unsigned char>(head[24])), 8);  // bits per channel
  QCOMPARE(int(static_cast<unsigned char>(head[25])), pngColourType);
  const QImage image(path);
  QCOMPARE(image.size(), size);
}

QTEST_MAIN(TLayoutTest)
#include "test_layout.moc"
