// Printing: the grid as displayed on one decorated page with the rules for its size.
#include "Printing.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QPrinter>
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

// The closed, white-filled box with a 10-pixel black border that header and rules sit in.
void DrawBox(QPainter& canvas, const QRect& box) {
  const int x = box.left();
  const int y = box.top();
  const int w = box.width();
  const int h = box.height();
  canvas.setPen(QPen(QBrush(Qt::black), 10, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  canvas.setBrush(QBrush(Qt::white, Qt::SolidPattern));
  const QPolygon corners{QPoint(x, y), QPoint(x + w - 2, y), QPoint(x + w - 2, y + h - 1),
                         QPoint(x, y + h - 1)};
  canvas.drawPolygon(corners);
}

// Text lines with their top-left corners at (x + one blank's width, y + one blank's height +
// k·step).
void DrawLines(QPainter& canvas, const QFont& font, const QPoint& origin,
               const QStringList& lines) {
  canvas.setFont(font);
  canvas.setPen(Qt::black);
  const QFontMetrics metrics(font, canvas.device());
  const int sx = metrics.horizontalAdvance(QLatin1Char(' '));
  const int sy = metrics.height();
  const int step = sy + 1;
  for (int k = 0; k < lines.size(); ++k) {
    canvas.drawText(QPoint(origin.x() + sx, origin.y() + sy + k * step + metrics.ascent()),
                    lines.at(k));
  }
}

QFont PageFont(int points, bool italic) {
  QFont font(QStringLiteral("Verdana"));
  font.setPointSize(points);
  font.setBold(true);
  font.setItalic(italic);
  return font;
}

}  // namespace

int PercentOf(int value, int percent) {
  const qint64 scaled = static_cast<qint64>(value) * percent;
  return scaled <= 0 ? 0 : static_cast<int>((scaled + 50) / 100);
}

TPageGeometry PageGeometry(const QSize& pageSize, const QSize& gridSize) {
  const int pw = pageSize.width();
  const int ph = pageSize.height();
  const int left = PercentOf(pw, 10);
  const int width = PercentOf(pw, 80);
  const int boxHeight = PercentOf(ph, 10);
  const int gridTop = PercentOf(ph, 20);

  int gridWidth = width;
  int gridHeight = Proportion(width, gridSize.height(), gridSize.width());
  // Keep the rules box on the page: shrink the grid image when it would push the box off.
  const int room = ph - gridTop - boxHeight;
  if (gridHeight > room && room > 0 && gridSize.height() > 0) {
    gridHeight = room;
    gridWidth = Proportion(room, gridSize.width(), gridSize.height());
  }

  TPageGeometry g;
  g.header = QRect(left, PercentOf(ph, 10), width, boxHeight);
  g.grid = QRect(left, gridTop, gridWidth, gridHeight);
  g.rules = QRect(left, gridTop + gridHeight, width, boxHeight);
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

void ComposePage(QPainter& canvas, const QSize& pageSize, const QImage* waterMark,
                 const QImage& gridImage, int boxSize) {
  const TPageGeometry g = PageGeometry(pageSize, gridImage.size());

  if (waterMark && !waterMark->isNull()) {
    const QImage background = waterMark->convertToFormat(QImage::Format_RGB888);
    StretchBitmapTo(canvas, QRect(QPoint(0, 0), pageSize), background);
  }

  DrawBox(canvas, g.header);
  DrawLines(canvas, PageFont(16, true), g.header.topLeft(),
            {QStringLiteral("Qualche attimo di relax offerto da")});

  DrawBox(canvas, g.rules);
  DrawLines(canvas, PageFont(10, false), g.rules.topLeft(), RulesLines(boxSize));

  StretchBitmapTo(canvas, g.grid, gridImage);
}

void StretchBitmapTo(QPainter& canvas, const QRect& target, const QImage& bitmap) {
  if (bitmap.isNull() || target.isEmpty()) return;
  // Plain copy: source pixels replace the destination, no blending with what lies beneath.
  canvas.save();
  canvas.setCompositionMode(QPainter::CompositionMode_Source);
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, true);
  canvas.drawImage(target, bitmap);
  canvas.restore();
}

void TfrmSudoku::PrintPage(QPrinter& printer) {
  QPainter canvas;
  if (!canvas.begin(&printer)) {
    throw std::runtime_error(
        Tr(QStringLiteral("Stampa non riuscita: la stampante non ha accettato il lavoro."),
           QStringLiteral("Printing failed: the printer did not accept the job."))
            .toStdString());
  }
  // The grid as the player sees it now, marks included, in 24 bits per pixel. It is painted whole
  // rather than copied from the screen, so neither the blank area beside a small grid nor the part
  // of a large one scrolled out of view ends up on paper.
  const QImage gridImage = ui->sg1->RenderContent().convertToFormat(QImage::Format_RGB888);
  const QSize page(canvas.device()->width(), canvas.device()->height());
  const QImage waterMark = FWaterMark ? FWaterMark() : QImage();
  ComposePage(canvas, page, waterMark.isNull() ? nullptr : &waterMark, gridImage, FGame.BoxSize());
  if (!canvas.end()) {
    throw std::runtime_error(
        Tr(QStringLiteral("Stampa non riuscita: la pagina non e' stata inviata alla stampante."),
           QStringLiteral("Printing failed: the page could not be sent to the printer."))
            .toStdString());
  }
}

void TfrmSudoku::ActPrintExecute() {
  QPrinter printer(QPrinter::HighResolution);
  if (FServices.printDialog && FServices.printDialog->Execute(this, printer)) {
    SetWindowSizeFor(FGame.BoxSize());
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
