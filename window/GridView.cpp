// The grid view: window and grid sizes per box size, the per-cell paint, and the +/- size buttons.
#include <QApplication>
#include <QFontInfo>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStaticText>
#include <QStyle>
#include <algorithm>
#include <array>

#include "NoteGlyphs.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"
#include "WindowPlacement.h"
#include "ui_TfrmSudoku.h"

namespace {

const QColor CellColour(255, 255, 255);
const QColor GivenColour(0, 0, 255);
const QColor EntryColour(0, 0, 0);
const QColor MarkColour(255, 0, 0);
const QColor BoxLineColour(0, 0, 0);
const QColor NoteColour(48, 48, 48);
// Highlighting, when the player turns it on: a faint tint on the current cell's row, column and
// box, and a stronger one under every cell and note holding the current cell's symbol.
const QColor UnitColour(232, 238, 246);
const QColor SameSymbolColour(255, 240, 160);
const QColor LitNoteColour(0, 0, 160);

// The light backgrounds of an explanation's marks (TCellMark), pale enough that blue givens,
// black entries and the red marks stay as readable as on white.
QColor MarkTint(TCellMark mark) {
  switch (mark) {
    case TCellMark::None:
      break;
    case TCellMark::Unit:
      return {238, 238, 238};  // light grey
    case TCellMark::Struck:
      return {228, 214, 242};  // lavender
    case TCellMark::Pattern:
      return {188, 218, 255};  // light blue
    case TCellMark::Reason:
      return {255, 232, 150};  // light amber
    case TCellMark::Placement:
      return {170, 234, 170};  // light green
    case TCellMark::Wrong:
      return {255, 182, 182};  // light red
  }
  return CellColour;
}

struct TGridSizes {
  int extraColWidth;   // default column width = font size + this
  int extraRowHeight;  // default row height = font size + this
  int lineWidth;       // silver lines between cells
  int windowWidth;
  int gridPanelWidth;
};

// Box sizes 3, 4 and 5; nullptr for any other.
const TGridSizes* SizesFor(std::int32_t boxSize) {
  static const TGridSizes sizes[3] = {
      {36, 26, 3, 598, 428},
      {26, 16, 2, 752, 582},
      {26, 16, 2, 752, 582},
  };
  if (boxSize < 3 || boxSize > 5) return nullptr;
  return &sizes[boxSize - 3];
}

constexpr int WindowHeight = 688;

// Laid-out symbols and the metrics of "8" for one font. Laying a symbol out is most of the cost
// of a cell; the grid shows at most 25 different symbols in two weights, so each is laid out once
// per font and reused by every later paint.
struct TSymbolCache {
  QFont font;
  bool valid = false;
  int widthOf8 = 0;
  int height = 0;
  int ascent = 0;
  int capHeight = 0;
  std::array<QStaticText, 128> texts;
  std::array<int, 128> widths{};
  std::array<bool, 128> ready{};

  void Use(const QFont& f) {
    if (valid && f == font) return;
    font = f;
    valid = true;
    const QFontMetrics metrics(font);
    widthOf8 = metrics.horizontalAdvance(QLatin1Char('8'));
    height = metrics.height();
    ascent = metrics.ascent();
    capHeight = metrics.capHeight();
    ready.fill(false);
  }

  const QStaticText& Text(char ch) {
    const auto i = static_cast<unsigned char>(ch) & 0x7F;  // callers pass ASCII only
    if (!ready[i]) {
      texts[i].setText(QString(QLatin1Char(ch)));
      texts[i].setTextFormat(Qt::PlainText);
      texts[i].prepare(QTransform(), font);
      widths[i] = QFontMetrics(font).horizontalAdvance(QLatin1Char(ch));
      ready[i] = true;
    }
    return texts[i];
  }
  int Width(char ch) {
    Text(ch);
    return widths[static_cast<unsigned char>(ch) & 0x7F];
  }
};

// One cache per weight: regular entries and bold givens.
TSymbolCache& SymbolCache(bool bold) {
  static TSymbolCache caches[2];
  return caches[bold ? 1 : 0];
}

// The notes of a cell in the grid's font as LayOutNotes places them. Each note is text, so a
// printed page gets it as sharp as the symbols. On the cell with the selection mark each note
// stands on a patch of the cell's colour, which keeps the mark's line from running through it;
// a note of the lit symbol (see THighlight) stands on the symbol's tint.
void DrawNotes(QPainter& canvas, const QRect& cell, TNotes notes, std::string_view symbols,
               int boxSize, const QFont& gridFont, const QColor& ground, bool overMark,
               char litSymbol) {
  const TNoteLayout layout = LayOutNotes(cell, notes, symbols, boxSize, gridFont, canvas.device());
  if (layout.places.empty()) return;
  const QFontMetricsF metrics(layout.font, canvas.device());
  QFont litFont = layout.font;
  litFont.setBold(true);
  const QFontMetricsF litMetrics(litFont, canvas.device());
  for (const TNotePlace& place : layout.places) {
    const bool lit = place.symbol == litSymbol;
    const QString text(QLatin1Char(place.symbol));
    const qreal width = (lit ? litMetrics : metrics).horizontalAdvance(text);
    // Centred on the capital height: the symbols are digits and capitals, none goes below the line.
    const QRectF box = place.box;
    const qreal baseline = std::round(box.center().y() + metrics.capHeight() / 2.0);
    const qreal x = std::round(box.center().x() - width / 2.0);
    const QRectF patch(x - 1, baseline - metrics.capHeight() - 1, width + 2,
                       metrics.capHeight() + 2);
    if (lit)
      canvas.fillRect(patch, SameSymbolColour);
    else if (overMark)
      canvas.fillRect(patch, ground);
    canvas.setFont(lit ? litFont : layout.font);
    canvas.setPen(QPen(lit ? LitNoteColour : NoteColour, 1));
    canvas.drawText(QPointF(x, baseline), text);
  }
}

}  // namespace

void TfrmSudoku::SetWindowSizeFor(std::int32_t boxSize) {
  const TGridSizes* sizes = SizesFor(boxSize);
  if (!sizes) return;
  // The window opens at the size of its box size rather than maximised: a maximised window would
  // ignore the size asked for here. Three things decide the size, the largest winning:
  //  - the size table;
  //  - the layout's minimum, where the table would clip a control (the header and the bottom band
  //    are wider than 598 pixels, and the right column is taller than 688 less the bands);
  //  - room for every cell at the current font size, so that a 25 × 25 grid needs no scrolling on
  //    a screen that can show it whole.
  // The screen's available area bounds them all: below the layout's minimum the window's content
  // scrolls, and below the whole grid the grid does. pnlGrid takes whatever the window leaves
  // beside the right column and between the bands.
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) showNormal();
  QWidget* content = pnlClient;
  if (QLayout* l = content->layout()) l->activate();

  const TDrawGrid* grid = ui->sg1;
  const int side = boxSize * boxSize;
  const int fontSize = FGame.FontSize();
  const int frame = 2 * grid->frameWidth();
  TWindowNeeds needs;
  needs.table = QSize(sizes->windowWidth, WindowHeight);
  needs.minimum = content->minimumSizeHint().expandedTo(content->minimumSize());
  needs.aroundGrid = QSize(ui->pnlRight->width(), ui->pnlTopMain->height() + ui->Panel3->height());
  needs.grid = QSize(side * (fontSize + sizes->extraColWidth + sizes->lineWidth) + frame,
                     side * (fontSize + sizes->extraRowHeight + sizes->lineWidth) + frame);
  needs.barExtent = grid->verticalScrollBar()->sizeHint().width();

  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) {
    resize(ClientSizeFor(needs, QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
    return;
  }
  const QRect area = screen->availableGeometry();
  // The window manager's frame is known once it has framed the window (none without a window
  // manager); until then, room for a usual title bar and border.
  QMargins decorations(
      geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
      frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  FSizedFor = boxSize;
  FFrameGuessed = !FFrameKnown && decorations.isNull();
  if (FFrameGuessed) decorations = QMargins(8, 40, 8, 8);
  const QSize client = ClientSizeFor(needs, area.size().shrunkBy(decorations));
  // Centred when the window is first sized; afterwards it keeps its centre where the user put it,
  // growing and shrinking evenly, and moves only as far as it takes to stay on the screen. The
  // client area goes where the frame leaves it, so a guessed frame moves nothing on later sizes.
  const TWindowPlace place = PlaceWindow(client, area, decorations,
                                         FPlaced ? geometry().marginsAdded(decorations) : QRect());
  FPlaced = true;
  setGeometry(QRect(place.framePos + QPoint(decorations.left(), decorations.top()), place.client));
}

void TfrmSudoku::SetupGrid(std::int32_t boxSize) {
  TDrawGrid* grid = ui->sg1;
  if (grid->isHidden()) grid->show();
  grid->SetCurrentCell(0, 0);
  if (grid->DrawFocusSelected()) grid->SetDrawFocusSelected(false);
  if (const TGridSizes* sizes = SizesFor(boxSize)) {
    const int side = boxSize * boxSize;
    const int fontSize = FGame.FontSize();
    grid->SetRowCount(side);
    grid->SetColCount(side);
    grid->SetDefaultColWidth(fontSize + sizes->extraColWidth);
    grid->SetDefaultRowHeight(fontSize + sizes->extraRowHeight);
    grid->SetGridLineWidth(sizes->lineWidth);
    FBoxLineWidth = 3;
    // The grid's height follows pnlGrid, which it fills.
  }
  update();
  grid->SetCurrentCell(0, 0);
  grid->viewport()->update();
}

void TfrmSudoku::sg1DrawCell(QPainter& canvas, int column, int row, const QRect& rect,
                             bool focused) {
  if (column < 0 || row < 0 || column >= MaxSide || row >= MaxSide) return;
  const QPen savedPen = canvas.pen();  // colour, width and style; the text colour is the pen's
  const QPainter::CompositionMode savedMode = canvas.compositionMode();

  const int left = rect.left();
  const int top = rect.top();
  const int right = rect.left() + rect.width();   // first column outside the cell
  const int bottom = rect.top() + rect.height();  // first row outside the cell

  const TCellView cell = FGame.CellView(row, column);
  // An explanation's tint wins over highlighting, which the next key brings back.
  const THighlight lit = FGame.HighlightAt(row, column);
  QColor ground = MarkTint(cell.mark);
  if (cell.mark == TCellMark::None && lit.sameSymbol)
    ground = SameSymbolColour;
  else if (cell.mark == TCellMark::None && lit.unit)
    ground = UnitColour;
  canvas.fillRect(rect, ground);

  const bool given = cell.given;
  QFont font = canvas.font();
  font.setBold(given);
  canvas.setFont(font);
  const QColor textColour = given ? GivenColour : EntryColour;
  TSymbolCache& symbols = SymbolCache(given);
  symbols.Use(font);

  // The offset takes the whole width of "8", not half of it, so the symbol stands a little left of
  // the centre.
  const int dx = (right - left) / 2 - symbols.widthOf8;
  const int dy = (bottom - top) / 2 - symbols.height / 2;

  if (focused && FGame.ShowsSelection()) {
    canvas.setPen(QPen(MarkColour, 1));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawEllipse(QRect(QPoint(left + 2, top + 2), QPoint(right - 3, bottom - 3)));
  }

  // A space is an empty cell; control characters have no glyph worth showing either.
  if (static_cast<unsigned char>(cell.symbol) > ' ') {
    canvas.setPen(QPen(textColour, 1));
    // A static text's position is the top-left of its line, as the text offset means it.
    if (static_cast<unsigned char>(cell.symbol) < 128)
      canvas.drawStaticText(QPoint(left + dx, top + dy), symbols.Text(cell.symbol));
    else
      canvas.drawText(QPoint(left + dx, top + dy + symbols.ascent),
                      QString(QLatin1Char(cell.symbol)));
  }
  if (cell.symbol == ' ' && cell.notes != 0) {
    const QFont gridFont = canvas.font();
    DrawNotes(canvas, rect, cell.notes, FGame.Symbols(), FGame.BoxSize(), gridFont, ground,
              focused && FGame.ShowsSelection(), lit.noteSymbol);
    canvas.setFont(gridFont);
  }
  if (cell.conflict) {
    canvas.setPen(QPen(MarkColour, 1));
    canvas.drawLine(right - 5, top + 5, left + 5, bottom - 5);
  }

  if (const std::int32_t boxSize = FGame.BoxSize(); boxSize > 0) {
    // Square caps carry a separator over the silver line that follows the cell, so the box lines
    // run unbroken across the grid.
    const QPen boxPen(BoxLineColour, FBoxLineWidth, Qt::SolidLine, Qt::SquareCap);
    if ((column + 1) % boxSize == 0) {
      canvas.setPen(boxPen);
      canvas.drawLine(right, top, right, bottom);
    }
    if ((row + 1) % boxSize == 0) {
      canvas.setPen(boxPen);
      canvas.drawLine(left, bottom, right, bottom);
    }
  }

  canvas.setPen(savedPen);
  canvas.setCompositionMode(savedMode);
}

void TfrmSudoku::btnFontPiuClick() {
  Process(FGame.GrowFont());
}

void TfrmSudoku::btnFontMenoClick() {
  Process(FGame.ShrinkFont());
}

void TfrmSudoku::FollowFontSize(bool cells) {
  TDrawGrid* grid = ui->sg1;
  QFont font = grid->font();
  const int change = FGame.FontSize() - font.pointSize();
  if (change == 0) return;
  font.setPointSize(FGame.FontSize());
  grid->setFont(font);
  if (cells) {
    grid->SetDefaultColWidth(grid->DefaultColWidth() + change);
    grid->SetDefaultRowHeight(grid->DefaultRowHeight() + change);
  }
  update();
}
