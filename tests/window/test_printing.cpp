// Printing: page geometry and rounding, the composed page's pixels, the texts on a real PDF page,
// and what a cancelled dialog or a failing printer leaves behind.
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "Printing.h"
#include "WindowDriver.h"

namespace {

// The text of a PDF file, by poppler's pdftotext (installed with the build dependencies).
QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!process.waitForFinished(20000) || process.exitCode() != 0)
    return QStringLiteral("<pdftotext failed>");
  // Compatibility form: the typesetter may join "ff" into one ligature glyph.
  return QString::fromUtf8(process.readAllStandardOutput())
      .normalized(QString::NormalizationForm_KC);
}

int PdfPages(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdfinfo"), {path});
  if (!process.waitForFinished(20000)) return -1;
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  }
  return -1;
}

QImage SolidImage(const QSize& size, QColor colour) {
  QImage image(size, QImage::Format_RGB888);
  image.fill(colour);
  return image;
}

bool Near(QColor a, QColor b, int tolerance = 40) {
  return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
         qAbs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void percentRoundsHalvesUp_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("expected");
    QTest::newRow("10% of 4967") << 4967 << 10 << 497;
    QTest::newRow("exact half up") << 5 << 10 << 1;
    QTest::newRow("below half") << 4 << 10 << 0;
    QTest::newRow("80% of 4967") << 4967 << 80 << 3974;
    QTest::newRow("no overflow") << 2000000000 << 80 << 1600000000;
  }
  void percentRoundsHalvesUp() {
    QFETCH(int, value);
    QFETCH(int, percent);
    QFETCH(int, expected);
    QCOMPARE(PercentOf(value, percent), expected);
  }

  void portraitGeometry() {
    // An A4 page at 600 dpi and a 9×9 grid shown at 428 × 335.
    const TPageGeometry g = PageGeometry(QSize(4961, 7016), QSize(428, 335));
    QCOMPARE(g.header, QRect(496, 702, 3969, 702));
    QCOMPARE(g.grid.topLeft(), QPoint(496, 1403));
    QCOMPARE(g.grid.width(), 3969);
    QCOMPARE(g.grid.height(), 3107);  // 3969 × 335 / 428 = 3106.6
    QCOMPARE(g.rules, QRect(496, 1403 + 3107, 3969, 702));
  }

  void landscapePageStillHoldsTheRulesBox() {
    const QSize page(7016, 4961);
    const TPageGeometry g = PageGeometry(page, QSize(582, 507));
    QVERIFY(g.rules.bottom() < page.height());
    QCOMPARE(g.rules.top(), g.grid.top() + g.grid.height());
    QCOMPARE(g.grid.left(), 702);
    QCOMPARE(g.grid.top(), 992);
    // Scaled in the grid's own proportion.
    QVERIFY(qAbs(g.grid.width() * 507.0 / 582.0 - g.grid.height()) <= 1.0);
    QVERIFY(g.grid.width() < PercentOf(7016, 80));
    QCOMPARE(g.rules.width(), PercentOf(7016, 80));
  }

  void rulesLinesPerSize() {
    const QStringList nine = RulesLines(3);
    QCOMPARE(
        nine,
        QStringList({"Bisogna riempire la griglia di 81 caselle con queste regole:",
                     "In ogni riga devono apparire tutti i numeri da 1 a 9 (non ripetuti)",
                     "In ogni colonna devono apparire tutti i numeri da 1 a 9 (non ripetuti)",
                     "In ogni riquadro 3x3 devono apparire tutti i numeri 1 a 9 (non ripetuti)"}));
    QCOMPARE(
        RulesLines(4),
        QStringList({"Bisogna riempire la griglia di 256 caselle con queste regole:",
                     "Ognuno di questi caratteri: 0-1-2-3-4-5-6-7-8-9-A-B-C-D-E-F",
                     "Deve apparire almeno e non piu' di 1 volta in ogni riga e in ogni colonna.",
                     "Deve apparire almeno e non piu' di 1 volta in ogni riquadro 4x4."}));
    QCOMPARE(
        RulesLines(5),
        QStringList({"Bisogna riempire la griglia di 25x25 caselle con queste regole:",
                     "Ognuno di questi caratteri: "
                     "A-B-C-D-E-F-G-H-I-J-K-L-M-N-O-P-Q-R-S-T-U-V-W-X-Y",
                     "Deve apparire almeno e non piu' di 1 volta in ogni riga e in ogni colonna.",
                     "Deve apparire almeno e non piu' di 1 volta in ogni riquadro 5x5."}));
  }

  void joinSymbols() {
    QCOMPARE(JoinSymbols(QString()), QString());
    QCOMPARE(JoinSymbols(QStringLiteral("7")), QStringLiteral("7"));
    QCOMPARE(JoinSymbols(QStringLiteral("0123456789ABCDEF")),
             QStringLiteral("0-1-2-3-4-5-6-7-8-9-A-B-C-D-E-F"));
  }

  // The composed page, read back pixel by pixel: watermark under everything, white boxes with
  // black borders at the right places, the grid image stretched over its rectangle.
  void composedPagePixels() {
    const QSize page(1240, 1754);  // A4 at 150 dpi
    QImage surface(page, QImage::Format_RGB32);
    surface.setDotsPerMeterX(5906);
    surface.setDotsPerMeterY(5906);
    surface.fill(Qt::black);
    const QColor paper(250, 244, 222);
    const QImage waterMark = SolidImage(QSize(794, 1123), paper);
    const QColor gridColour(40, 160, 60);
    const QImage grid = SolidImage(QSize(428, 335), gridColour);
    {
      QPainter canvas(&surface);
      ComposePage(canvas, page, &waterMark, grid, 3);
    }
    const TPageGeometry g = PageGeometry(page, grid.size());
    auto at = [&](int x, int y) { return QColor(surface.pixel(x, y)); };

    QVERIFY(Near(at(5, 5), paper));
    QVERIFY(Near(at(page.width() - 3, page.height() - 3), paper));
    // Header box: black border on its left edge, white inside (right part, away from the text).
    QVERIFY(Near(at(g.header.left(), g.header.center().y()), Qt::black));
    QVERIFY(Near(at(g.header.right() - 20, g.header.bottom() - 12), Qt::white));
    QVERIFY(Near(at(g.header.left() - 12, g.header.center().y()), paper));
    // Some dark text inside the header box.
    int dark = 0;
    for (int x = g.header.left() + 10; x < g.header.center().x(); ++x) {
      for (int y = g.header.top() + 8; y < g.header.bottom() - 8; ++y)
        dark += at(x, y).lightness() < 100;
    }
    QVERIFY2(dark > 50, "the header text is drawn");
    // Grid image: its colour from the left edge to 80 % of the page, proportional height.
    QVERIFY(Near(at(g.grid.left() + 2, g.grid.top() + 2), gridColour));
    QVERIFY(Near(at(g.grid.right() - 2, g.grid.bottom() - 8), gridColour));
    QVERIFY(Near(at(g.grid.center().x(), g.grid.top() - 8), paper));
    // The rules box starts where the grid ends: its black top border sits right under the image.
    QVERIFY(Near(at(g.rules.center().x(), g.rules.top() + 2), Qt::black));
    QVERIFY(Near(at(g.rules.right() - 20, g.rules.bottom() - 12), Qt::white));
    QVERIFY(Near(at(g.rules.center().x(), g.rules.bottom() + 12), paper));
  }

  void landscapeComposedPageKeepsTheRulesBoxOnThePage() {
    const QSize page(1754, 1240);
    QImage surface(page, QImage::Format_RGB32);
    surface.fill(Qt::gray);
    const QImage grid = SolidImage(QSize(582, 507), Qt::green);
    {
      QPainter canvas(&surface);
      ComposePage(canvas, page, nullptr, grid, 5);
    }
    const TPageGeometry g = PageGeometry(page, grid.size());
    QVERIFY(g.rules.bottom() < page.height());
    QVERIFY(Near(QColor(surface.pixel(g.rules.right() - 20, g.rules.bottom() - 12)), Qt::white));
    QVERIFY(Near(QColor(surface.pixel(g.grid.center())), Qt::green));
  }

  // F7 in a running game, through the real print path onto a PDF: one page, the Italian texts
  // whatever the interface language, and the game untouched.
  void printsOnePdfPageInItalian_data() {
    QTest::addColumn<int>("boxSize");
    QTest::newRow("9x9") << 3;
    QTest::newRow("16x16") << 4;
    QTest::newRow("25x25") << 5;
  }
  void printsOnePdfPageInItalian() {
    QFETCH(int, boxSize);
    QTemporaryDir dir;
    TWindow w;
    QCOMPARE(UILanguage, QStringLiteral("EN"));
    w.Reach(gsPlaying, boxSize);
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key(SymbolsOfBoxSize(boxSize)[0]));
    const TCharGrid before = w.Game().PlayGrid();
    const std::int64_t start = w.Game().StartTime();

    w.Fakes.PrintDialog.OutputFile = dir.filePath(QStringLiteral("page.pdf"));
    w.Press(Qt::Key_F7);

    QCOMPARE(w.Fakes.PrintDialog.Calls, 1);
    QCOMPARE(w.Fakes.Time.PausedMs, 2000);  // one second before the page, one after
    QVERIFY2(w.Messages().isEmpty(), qPrintable(w.Messages().join('|')));
    QVERIFY(QFile::exists(w.Fakes.PrintDialog.OutputFile));
    QCOMPARE(PdfPages(w.Fakes.PrintDialog.OutputFile), 1);
    const QString text = PdfText(w.Fakes.PrintDialog.OutputFile).simplified();
    QVERIFY2(text.contains(QStringLiteral("Qualche attimo di relax offerto da")), qPrintable(text));
    for (const QString& line : RulesLines(boxSize)) {
      QVERIFY2(text.contains(line.simplified()), qPrintable(line + " / " + text));
    }
    QCOMPARE(w.Game().State(), gsPlaying);
    QVERIFY(w.Game().PlayGrid() == before);
    QCOMPARE(w.Game().StartTime(), start);
    QVERIFY(w.Grid()->hasFocus());
  }

  void cancelledDialogPrintsNothing() {
    QTemporaryDir dir;
    TWindow w;
    w.Generate(3);
    w.Fakes.PrintDialog.Confirm = false;
    w.Fakes.PrintDialog.OutputFile = dir.filePath(QStringLiteral("never.pdf"));
    const QSize size = w.Form->size();
    w.Press(Qt::Key_F7);
    QCOMPARE(w.Fakes.PrintDialog.Calls, 1);
    QVERIFY(!QFile::exists(w.Fakes.PrintDialog.OutputFile));
    QVERIFY(w.Messages().isEmpty());
    QCOMPARE(w.Fakes.Time.PausedMs, 0);
    QCOMPARE(w.Game().State(), gsPuzzleView);
    QCOMPARE(w.Form->size(), size);
    QVERIFY(w.Grid()->hasFocus());
  }

  void failingPrinterShowsItsMessageAndLeavesTheGameAlone() {
    TWindow w;
    w.Reach(gsPlaying, 4);
    const TCharGrid before = w.Game().PlayGrid();
    // A PDF in a folder that does not exist: the job cannot begin.
    w.Fakes.PrintDialog.OutputFile = QStringLiteral("/nonexistent-folder/for/sure/page.pdf");
    w.Press(Qt::Key_F7);
    QCOMPARE(w.Messages(),
             QStringList({QStringLiteral("Printing failed: the printer did not accept the job.")}));
    QCOMPARE(w.Fakes.Time.PausedMs, 1000);  // no second pause after a failure
    QCOMPARE(w.Game().State(), gsPlaying);
    QVERIFY(w.Game().PlayGrid() == before);
  }

  // What goes on paper is what the screen shows: the rendered grid equals the visible cells pixel
  // for pixel, and covers the whole grid when part of it is scrolled away.
  void printedGridIsTheGridAsPainted() {
    TWindow w;
    w.Reach(gsPlaying);
    w.Press(Qt::Key_F8);
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key_1);
    w.Press(Qt::Key_1);
    TDrawGrid* grid = w.Grid();
    QVERIFY(grid->hasFocus());
    const QImage content = grid->RenderContent().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(content.size(), QSize(9 * (44 + 3), 9 * (34 + 3)));
    const QImage shown = grid->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY2(shown.width() >= content.width() && shown.height() >= content.height(),
             "the 9x9 grid fits the window");
    QCOMPARE(shown.copy(content.rect()), content);
  }

  void printedGridCoversCellsScrolledOutOfView() {
    TWindow w;
    w.Generate(5);
    for (int i = 0; i < 8; ++i) QTest::mouseClick(w.Find("btnFontPiu"), Qt::LeftButton);
    w.Form->resize(w.Form->minimumSizeHint());
    QApplication::processEvents();
    TDrawGrid* grid = w.Grid();
    const QImage content = grid->RenderContent();
    QCOMPARE(content.size(), QSize(25 * (42 + 2), 25 * (32 + 2)));
    QVERIFY(grid->viewport()->width() < content.width());
    // The bottom-right cell is painted: its thick box line ends the image.
    QCOMPARE(QColor(content.pixel(content.width() - 2, content.height() / 2)), QColor(Qt::black));
  }

  void printIsNotOfferedBeforeAPuzzleExists() {
    TWindow w;
    w.Press(Qt::Key_F7);
    QCOMPARE(w.Fakes.PrintDialog.Calls, 0);
    QVERIFY(!w.Find("btnPrint")->isVisible());
  }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
