// Printing: page geometry and rounding, the composed page's pixels, and real PDF pages read back:
// their words, pictures, grid and boxes on every paper; what a cancelled dialog or a failing
// printer or file leaves behind.
#include <QCheckBox>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "Printing.h"
#include "WindowDriver.h"

namespace {

// Standard output of one of poppler's tools (installed with the build dependencies); empty when
// the tool failed.
QByteArray Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0)
    return {};
  return process.readAllStandardOutput();
}

// The text of a PDF file, as a reader copies it.
QString PdfText(const QString& path) {
  const QByteArray text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
  return text.isEmpty() ? QStringLiteral("<pdftotext failed>") : QString::fromUtf8(text);
}

int PdfPages(const QString& path) {
  for (const QString& line :
       QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {path})).split('\n')) {
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  }
  return -1;
}

// The words of a one-page PDF with their boxes, in points from the page's top-left corner.
QList<QPair<QString, QRectF>> PdfWords(const QString& path) {
  static const QRegularExpression word(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  const QString xhtml = QString::fromUtf8(Run(QStringLiteral("pdftotext"), {"-bbox", path, "-"}));
  QList<QPair<QString, QRectF>> words;
  for (auto it = word.globalMatch(xhtml); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    words.append(
        {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
  }
  return words;
}

// A printer set up as the print path sets it up for a PDF, to lay out the same page in a test.
struct TPdfPage {
  QPrinter printer{QPrinter::HighResolution};
  explicit TPdfPage(const QPageSize& paper = QPageSize(),
                    QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    if (paper.isValid()) {
      printer.setPageSize(paper);
      printer.setPageOrientation(orientation);
    }
  }
  QSize Size() const { return QSize(printer.width(), printer.height()); }
  // A rectangle of device pixels of the printable area, in points on the PDF page.
  QRectF InPoints(const QRectF& pixels) const {
    const double scale = 72.0 / printer.resolution();
    const QPointF margin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
    return QRectF(margin + pixels.topLeft() * scale, pixels.size() * scale);
  }
};

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
    const TPageLayout layout = LayOutPage(surface, page, grid.size(), 3);
    {
      QPainter canvas(&surface);
      ComposePage(canvas, layout, &waterMark,
                  [&grid](QPainter& p, const QRect& target) { p.drawImage(target, grid); });
    }
    const TPageGeometry& g = layout.boxes;
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
    const std::int64_t elapsed = w.Game().ElapsedMs();

    w.Fakes.PrintDialog.OutputFile = dir.filePath(QStringLiteral("page.pdf"));
    w.Press(Qt::Key_F7);

    QCOMPARE(w.Fakes.PrintDialog.Calls, 1);
    QCOMPARE(w.Fakes.Time.PausedMs, 2000);  // one second before the page, one after
    QVERIFY2(w.Messages().isEmpty(), qPrintable(w.Messages().join('|')));
    QVERIFY(QFile::exists(w.Fakes.PrintDialog.OutputFile));
    QCOMPARE(PdfPages(w.Fakes.PrintDialog.OutputFile), 1);
    const QString text = PdfText(w.Fakes.PrintDialog.OutputFile).simplified();
    QVERIFY2(text.contains(QStringLiteral("Qualche attimo di relax offerto da")), qPrintable(text));
    // Copied as plain words: no ligature glyph stands for two letters.
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[\\x{FB00}-\\x{FB06}]"))),
             qPrintable(text));
    for (const QString& line : RulesLines(boxSize)) {
      QVERIFY2(text.contains(line.simplified()), qPrintable(line + " / " + text));
    }
    QCOMPARE(w.Game().State(), gsPlaying);
    QVERIFY(w.Game().PlayGrid() == before);
    QCOMPARE(w.Game().ElapsedMs(), elapsed);
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

  void failingPrinterShowsItsMessageAndLeavesTheGameAlone_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("the job cannot begin: no such folder")
        << "/nonexistent-folder/for/sure/page.pdf"
        << "Printing failed: the printer did not accept the job.";
    QTest::newRow("the page cannot be written: a full device")
        << "/dev/full"
        << "Printing failed: the file /dev/full could not be written (";
  }
  void failingPrinterShowsItsMessageAndLeavesTheGameAlone() {
    QFETCH(QString, file);
    QFETCH(QString, message);
    TWindow w;
    w.Reach(gsPlaying, 4);
    const TCharGrid before = w.Game().PlayGrid();
    w.Fakes.PrintDialog.OutputFile = file;
    w.Press(Qt::Key_F7);
    QCOMPARE(w.Messages().size(), 1);
    QVERIFY2(w.Messages().first().startsWith(message), qPrintable(w.Messages().first()));
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

  // The page keeps its pictures losslessly (its one image is the watermark, pixel for pixel: the
  // grid is drawn, not pasted in), and its grid, read back at four pixels per screen pixel and
  // reduced to the screen's size, is the grid on screen: the same cells, lines, symbols and marks,
  // each within a pixel of where the screen has them, the givens in the screen's blue.
  void printedPageKeepsPicturesAndGridAsOnScreen_data() {
    QTest::addColumn<int>("boxSize");
    QTest::newRow("9x9") << 3;
    QTest::newRow("25x25") << 5;
  }
  void printedPageKeepsPicturesAndGridAsOnScreen() {
    QFETCH(int, boxSize);
    QTemporaryDir dir;
    TWindow w;
    QImage mark(794, 1123, QImage::Format_RGB888);  // many colours, which no JPEG keeps exactly
    for (int y = 0; y < mark.height(); ++y) {
      for (int x = 0; x < mark.width(); ++x)
        mark.setPixelColor(x, y, QColor(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
    }
    w.Form->SetWaterMark([&mark] { return mark; });
    w.Reach(gsPlaying, boxSize);
    w.Press(Qt::Key_F8);  // error marking on
    const QPoint open = w.FirstCell(false);
    GoToCell(w.Form.get(), open.x(), open.y());
    w.Press(Qt::Key(w.Game().PlayGrid()[open.y()][(open.x() + 1) % (boxSize * boxSize)]));
    const QImage screen = w.Grid()->RenderContent();
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    w.Fakes.PrintDialog.OutputFile = pdf;
    w.Press(Qt::Key_F7);
    QVERIFY(w.Messages().isEmpty());

    const QStringList images = QString::fromUtf8(Run("pdfimages", {"-list", pdf})).split('\n');
    QCOMPARE(images.size(), 4);  // two header lines, one image, the final line break
    QVERIFY2(!images.at(2).contains(QStringLiteral("jpeg")), qPrintable(images.at(2)));
    Run("pdfimages", {"-png", pdf, dir.filePath("image")});
    QCOMPARE(QImage(dir.filePath("image-000.png")).convertToFormat(QImage::Format_RGB888), mark);

    TPdfPage page;
    const QSize content = w.Grid()->ContentSize();
    const QRectF grid =
        page.InPoints(LayOutPage(page.printer, page.Size(), content, boxSize).boxes.grid);
    const double dpi = 4 * content.width() * 72.0 / grid.width();
    const QPoint at = (grid.topLeft() * dpi / 72).toPoint();
    Run("pdftoppm",
        {"-r", QString::number(dpi, 'f', 4), "-x", QString::number(at.x()), "-y",
         QString::number(at.y()), "-W", QString::number(4 * content.width()), "-H",
         QString::number(4 * content.height()), "-png", "-singlefile", pdf, dir.filePath("grid")});
    const QImage sharp(dir.filePath(QStringLiteral("grid.png")));
    QCOMPARE(sharp.size(), content * 4);
    const QImage printed = sharp.scaled(content, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    auto matches = [](const QImage& a, const QImage& b, int x, int y) {
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if (b.rect().contains(x + dx, y + dy) &&
              Near(a.pixelColor(x, y), b.pixelColor(x + dx, y + dy), 128))
            return true;
        }
      }
      return false;
    };
    int mismatches = 0;
    for (int y = 0; y < content.height(); ++y) {
      for (int x = 0; x < content.width(); ++x)
        mismatches += !matches(screen, printed, x, y) || !matches(printed, screen, x, y);
    }
    QVERIFY2(mismatches < content.width() * content.height() / 500,
             qPrintable(QString::number(mismatches)));
    int blue = 0;
    for (int y = 0; y < sharp.height(); ++y) {
      for (int x = 0; x < sharp.width(); ++x) blue += Near(sharp.pixelColor(x, y), Qt::blue, 24);
    }
    QVERIFY2(blue > 80 * boxSize * boxSize, qPrintable(QString::number(blue)));
  }

  // The header and the rules stay inside their boxes, and the boxes on the page, on every paper
  // the dialog offers. Where the text fits as it is (A4 portrait), nothing changes.
  void textsStayInsideTheirBoxesOnEveryPaper_data() {
    QTest::addColumn<int>("boxSize");
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    for (const int n : {3, 5}) {
      for (const auto id : {QPageSize::A4, QPageSize::A5, QPageSize::Letter, QPageSize::Legal}) {
        QTest::addRow("%d %s portrait", n, qPrintable(QPageSize::name(id)))
            << n << QPageSize(id) << QPageLayout::Portrait;
        QTest::addRow("%d %s landscape", n, qPrintable(QPageSize::name(id)))
            << n << QPageSize(id) << QPageLayout::Landscape;
      }
    }
  }
  void textsStayInsideTheirBoxesOnEveryPaper() {
    QFETCH(int, boxSize);
    QFETCH(QPageSize, paper);
    QFETCH(QPageLayout::Orientation, orientation);
    QTemporaryDir dir;
    TWindow w;
    w.Generate(boxSize);
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    w.Fakes.PrintDialog.OutputFile = pdf;
    w.Fakes.PrintDialog.Paper = paper;
    w.Fakes.PrintDialog.Orientation = orientation;
    w.Press(Qt::Key_F7);
    QVERIFY(w.Messages().isEmpty());

    TPdfPage page(paper, orientation);
    const TPageLayout layout =
        LayOutPage(page.printer, page.Size(), w.Grid()->ContentSize(), boxSize);
    const TPageGeometry& g = layout.boxes;
    QVERIFY(g.rules.bottom() < page.Size().height());
    // Inside a box is inside its border, which is centred on the outline (x, y)–(x + w − 2,
    // y + h − 1).
    const int half = BoxPenWidth / 2;
    auto inside = [&](const QRect& box) {
      return page.InPoints(QRectF(box).adjusted(half, half, -2 - half, -1 - half));
    };
    const QRectF header = inside(g.header);
    const QRectF rules = inside(g.rules);
    const QRectF grid = page.InPoints(g.grid);
    const QString expected =
        QStringLiteral("Qualche attimo di relax offerto da ") + RulesLines(boxSize).join(' ');
    QStringList found;
    for (const auto& [text, box] : PdfWords(pdf)) {
      if (grid.contains(box.center())) continue;  // a symbol of the grid
      found << text;
      const QRectF& within = box.center().y() < grid.top() ? header : rules;
      QVERIFY2(within.contains(box), qPrintable(text));
    }
    QCOMPARE(found.join(' ').replace(QStringLiteral("&apos;"), QStringLiteral("'")),
             expected.simplified());
    if (paper.id() == QPageSize::A4 && orientation == QPageLayout::Portrait) {
      QCOMPARE(g.rules, PageGeometry(page.Size(), w.Grid()->ContentSize()).rules);
      QCOMPARE(layout.rules.font.pointSizeF(), 10.0);
      QCOMPARE(layout.header.font.pointSizeF(), 16.0);
    }
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
