// Printing: the grid as displayed on one decorated page with the rules for its size.
#include "Printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>
#include <stdexcept>

#include "Language.h"
#include "PuzzleCatalogue.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

// a × num / den, halves rounded upward; 0 for an empty denominator.
int Proportion(int a, int num, int den) {
  if (den <= 0) return 0;
  const qint64 twice = 2 * static_cast<qint64>(a) * num;
  return static_cast<int>((twice + den) / (2 * static_cast<qint64>(den)));
}

// The closed, white-filled box with a black border that header and rules sit in.
void DrawBox(QPainter& canvas, const QRect& box) {
  const int x = box.left();
  const int y = box.top();
  const int w = box.width();
  const int h = box.height();
  canvas.setPen(QPen(QBrush(Qt::black), BoxPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  canvas.setBrush(QBrush(Qt::white, Qt::SolidPattern));
  const QPolygon corners{QPoint(x, y), QPoint(x + w - 2, y), QPoint(x + w - 2, y + h - 1),
                         QPoint(x, y + h - 1)};
  canvas.drawPolygon(corners);
}

void DrawText(QPainter& canvas, const TBoxText& text) {
  canvas.setFont(text.font);
  canvas.setPen(Qt::black);
  const int ascent = QFontMetrics(text.font, canvas.device()).ascent();
  for (qsizetype k = 0; k < text.lines.size() && k < text.lineRects.size(); ++k) {
    const QRect& line = text.lineRects.at(k);
    canvas.drawText(QPoint(line.left(), line.top() + ascent), text.lines.at(k));
  }
}

QFont PageFont(int points, bool italic) {
  QFont font(QStringLiteral("Verdana"));
  font.setPointSize(points);
  font.setBold(true);
  font.setItalic(italic);
  // Without shaping, "ff" stays two letters instead of one ligature glyph, so that a page's text
  // copies from a PDF as the words it shows.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// Lines set in a font, relative to their box's top-left corner, and the box they need.
struct TSetText {
  TBoxText text;
  int width = 0;   // box width needed: a blank, the widest line, a blank, inside the border
  int height = 0;  // box height needed: a blank's height, the lines, inside the border
};

TSetText SetLines(const QFont& font, const QStringList& lines, QPaintDevice& device) {
  TSetText set;
  set.text.font = font;
  set.text.lines = lines;
  const QFontMetrics metrics(font, &device);
  const int sx = metrics.horizontalAdvance(QLatin1Char(' '));
  const int sy = metrics.height();
  const int step = sy + 1;
  int widest = 0;
  for (qsizetype k = 0; k < lines.size(); ++k) {
    const int width = metrics.horizontalAdvance(lines.at(k));
    widest = std::max(widest, width);
    set.text.lineRects << QRect(sx, sy + static_cast<int>(k) * step, width, sy);
  }
  // The border's outline runs along x + w − 2 and y + h − 1, half the pen on either side; the
  // text keeps another half pen clear of it, as a glyph's ink may reach a little past its line.
  const int border = 2 + BoxPenWidth;
  set.width = sx + widest + sx + border;
  set.height = lines.isEmpty() ? 0 : set.text.lineRects.last().bottom() + border;
  return set;
}

// The lines in `font` where they fit `width` (and `height`, when given); otherwise in the largest
// smaller size that fits.
TSetText FitLines(QFont font, const QStringList& lines, QPaintDevice& device, int width,
                  int height = 0) {
  TSetText set = SetLines(font, lines, device);
  auto fits = [&] { return set.width <= width && (height <= 0 || set.height <= height); };
  if (fits() || set.width <= 0 || set.height <= 0) return set;
  double scale = std::min(1.0, static_cast<double>(width) / set.width);
  if (height > 0) scale = std::min(scale, static_cast<double>(height) / set.height);
  const double points = font.pointSizeF();
  // Metrics do not shrink quite in proportion (they are whole pixels): a few more steps of 1 %
  // at most.
  for (int attempt = 0; attempt < 50 && !fits(); ++attempt, scale *= 0.99) {
    font.setPointSizeF(points * scale);
    set = SetLines(font, lines, device);
  }
  return set;
}

TBoxText PlacedIn(TBoxText text, const QRect& box) {
  for (QRect& line : text.lineRects) line.translate(box.topLeft());
  return text;
}

}  // namespace

int PercentOf(int value, int percent) {
  const qint64 scaled = static_cast<qint64>(value) * percent;
  return scaled <= 0 ? 0 : static_cast<int>((scaled + 50) / 100);
}

TPageGeometry PageGeometry(const QSize& pageSize, const QSize& gridSize, int rulesHeight) {
  const int pw = pageSize.width();
  const int ph = pageSize.height();
  const int left = PercentOf(pw, 10);
  const int width = PercentOf(pw, 80);
  const int boxHeight = PercentOf(ph, 10);
  const int rulesBoxHeight = std::max(boxHeight, rulesHeight);
  const int gridTop = PercentOf(ph, 20);

  int gridWidth = width;
  int gridHeight = Proportion(width, gridSize.height(), gridSize.width());
  // Keep the rules box on the page: shrink the grid when it would push the box off.
  const int room = ph - gridTop - rulesBoxHeight;
  if (gridHeight > room && room > 0 && gridSize.height() > 0) {
    gridHeight = room;
    gridWidth = Proportion(room, gridSize.width(), gridSize.height());
  }

  TPageGeometry g;
  g.header = QRect(left, PercentOf(ph, 10), width, boxHeight);
  g.grid = QRect(left, gridTop, gridWidth, gridHeight);
  g.rules = QRect(left, gridTop + gridHeight, width, rulesBoxHeight);
  return g;
}

QString JoinSymbols(const QString& symbols) {
  QString joined;
  for (qsizetype i = 0; i < symbols.size(); ++i) {
    if (i > 0) joined += QLatin1Char('-');
    joined += symbols.at(i);
  }
  return joined;
}

QStringList RulesLines(int boxSize) {
  const QString symbols = QString::fromLatin1(SymbolsOfBoxSize(boxSize));
  const QString sameRowColumn =
      QStringLiteral("Deve apparire almeno e non piu' di 1 volta in ogni riga e in ogni colonna.");
  switch (boxSize) {
    case 3:
      return {
          QStringLiteral("Bisogna riempire la griglia di 81 caselle con queste regole:"),
          QStringLiteral("In ogni riga devono apparire tutti i numeri da 1 a 9 (non ripetuti)"),
          QStringLiteral("In ogni colonna devono apparire tutti i numeri da 1 a 9 (non ripetuti)"),
          QStringLiteral(
              "In ogni riquadro 3x3 devono apparire tutti i numeri 1 a 9 (non ripetuti)")};
    case 4:
      return {QStringLiteral("Bisogna riempire la griglia di 256 caselle con queste regole:"),
              QStringLiteral("Ognuno di questi caratteri: ") + JoinSymbols(symbols), sameRowColumn,
              QStringLiteral("Deve apparire almeno e non piu' di 1 volta in ogni riquadro 4x4.")};
    case 5:
      return {QStringLiteral("Bisogna riempire la griglia di 25x25 caselle con queste regole:"),
              QStringLiteral("Ognuno di questi caratteri: ") + JoinSymbols(symbols), sameRowColumn,
              QStringLiteral("Deve apparire almeno e non piu' di 1 volta in ogni riquadro 5x5.")};
    default:
      return {};
  }
}

TPageLayout LayOutPage(QPaintDevice& device, const QSize& pageSize, const QSize& gridSize,
                       int boxSize) {
  const int boxWidth = PercentOf(pageSize.width(), 80);
  const TSetText rules = FitLines(PageFont(10, false), RulesLines(boxSize), device, boxWidth);
  const TSetText header =
      FitLines(PageFont(16, true), {QStringLiteral("Qualche attimo di relax offerto da")}, device,
               boxWidth, PercentOf(pageSize.height(), 10));
  TPageLayout layout;
  layout.page = pageSize;
  layout.boxes = PageGeometry(pageSize, gridSize, rules.height);
  layout.header = PlacedIn(header.text, layout.boxes.header);
  layout.rules = PlacedIn(rules.text, layout.boxes.rules);
  return layout;
}

void ComposePage(QPainter& canvas, const TPageLayout& layout, const QImage* waterMark,
                 const TGridPainter& paintGrid) {
  if (waterMark && !waterMark->isNull()) {
    const QImage background = waterMark->convertToFormat(QImage::Format_RGB888);
    StretchBitmapTo(canvas, QRect(QPoint(0, 0), layout.page), background);
  }

  DrawBox(canvas, layout.boxes.header);
  DrawText(canvas, layout.header);

  DrawBox(canvas, layout.boxes.rules);
  DrawText(canvas, layout.rules);

  if (paintGrid) paintGrid(canvas, layout.boxes.grid);
}

void StretchBitmapTo(QPainter& canvas, const QRect& target, const QImage& bitmap) {
  if (bitmap.isNull() || target.isEmpty()) return;
  // Plain copy: source pixels replace the destination, no blending with what lies beneath. And
  // kept as they are: a PDF would otherwise carry the picture as a JPEG, with blurred edges and
  // colours that drift.
  canvas.save();
  canvas.setCompositionMode(QPainter::CompositionMode_Source);
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, true);
  canvas.setRenderHint(QPainter::LosslessImageRendering, true);
  canvas.drawImage(target, bitmap);
  canvas.restore();
}

namespace {

std::runtime_error PrintFailure(const QString& text) {
  return std::runtime_error(text.toStdString());
}

// Copies the finished page from the spool file into the file the player chose, every write
// checked.
void WritePage(const QString& spooled, QFile& target) {
  auto failed = [&target](const QString& reason) {
    return PrintFailure(Tr(MessageText(TMessage::PrintFileFailed))
                            .arg(QDir::toNativeSeparators(target.fileName()), reason));
  };
  QFile page(spooled);
  QByteArray pdf;
  if (page.open(QIODevice::ReadOnly)) pdf = page.readAll();
  // A finished document ends with this marker; one cut short by a full disk does not.
  if (!pdf.trimmed().endsWith("%%EOF")) throw failed(Tr(MessageText(TMessage::PrintIncomplete)));
  if (target.write(pdf) != pdf.size() || !target.flush()) throw failed(target.errorString());
  target.close();
  if (target.error() != QFileDevice::NoError) throw failed(target.errorString());
}

}  // namespace

void TfrmSudoku::PrintPage(QPrinter& printer) {
  const QString refused = Tr(MessageText(TMessage::PrintRefused));
  // The printing engine reports no failed write (a full disk, /dev/full): a page meant for a file
  // is composed into a private spool file, checked whole and copied with every write checked.
  // The chosen file is opened first, as the engine would, so one that cannot be opened fails the
  // job before anything is composed.
  const QString fileName = printer.outputFileName();
  QFile file(fileName);
  std::optional<QTemporaryDir> spool;
  QString spooled;
  if (!fileName.isEmpty()) {
    spool.emplace();
    spooled = spool->filePath(QStringLiteral("page.pdf"));
    if (!spool->isValid() || !file.open(QIODevice::WriteOnly)) throw PrintFailure(refused);
    printer.setOutputFileName(spooled);
  }

  QPainter canvas;
  if (!canvas.begin(&printer)) throw PrintFailure(refused);
  // The grid as the player sees it now, marks included, painted whole by the screen's own code at
  // the printer's resolution: neither the blank area beside a small grid nor the part of a large
  // one scrolled out of view ends up on paper.
  const TDrawGrid* grid = ui->sg1;
  const QSize page(canvas.device()->width(), canvas.device()->height());
  const QImage waterMark = FWaterMark ? FWaterMark() : QImage();
  const TPageLayout layout = LayOutPage(printer, page, grid->ContentSize(), FGame.BoxSize());
  ComposePage(canvas, layout, waterMark.isNull() ? nullptr : &waterMark,
              [grid](QPainter& p, const QRect& target) { grid->RenderContent(p, target); });
  if (!canvas.end()) {
    throw PrintFailure(Tr(MessageText(TMessage::PrintNotSent)));
  }

  if (!fileName.isEmpty()) {
    printer.setOutputFileName(fileName);
    WritePage(spooled, file);
  }
}

void TfrmSudoku::ActPrintExecute() {
  QPrinter printer(QPrinter::HighResolution);
  if (FServices.printDialog && FServices.printDialog->Execute(this, printer)) {
    SetWindowSizeFor(FGame.BoxSize());
    // The closed dialog leaves the screen once the window system hears of it, in a pass of the
    // event loop; the pause lets none through, and the dialog would stay frozen on the window.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
    FServices.time->Pause(1000);
    try {
      PrintPage(printer);
    } catch (const std::exception& failure) {
      ShowMessage(QString::fromStdString(failure.what()));
      return;
    }
    FServices.time->Pause(1000);
  }
  if (ui->sg1->isVisible()) ui->sg1->setFocus();
}
