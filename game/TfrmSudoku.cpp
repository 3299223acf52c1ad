// The main window's construction: the layout, action bindings, signal wiring and window events.
#include "TfrmSudoku.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGraphicsDropShadowEffect>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "KeyCodes.h"
#include "TActionButton.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"
#include "TsdResources.h"
#include "TsdVersion.h"
#include "ui_TfrmSudoku.h"

namespace {

// The layout asks for Verdana and MS Sans Serif; machines without them get DejaVu Sans, a face of
// similar width, at the same point sizes.
void InstallFontFallbacks() {
  static const bool done = [] {
    for (const char* family : {"Verdana", "MS Sans Serif"})
      QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("DejaVu Sans"));
    return true;
  }();
  (void)done;
}

// The bands place their controls at fixed positions, without a layout; their minimum width is what
// keeps the window from clipping the rightmost control.
void KeepControlsUnclipped(QWidget* band) {
  constexpr int Margin = 8;
  int right = 0;
  for (QWidget* child : band->findChildren<QWidget*>()) {
    QWidget* holder = child->parentWidget();
    QPoint offset;
    while (holder && holder != band) {
      offset += holder->pos();
      holder = holder->parentWidget();
    }
    right = std::max(right, offset.x() + child->geometry().right() + 1);
  }
  band->setMinimumWidth(right + Margin);
}

// Modifiers as the handlers know them: Shift, Ctrl and Alt only (the keypad flag is not one).
Qt::KeyboardModifiers ShiftState(Qt::KeyboardModifiers modifiers) {
  return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

}  // namespace

TfrmSudoku::TfrmSudoku(const TServices& services, const IPuzzleSource& puzzles, QWidget* parent)
    : QWidget(parent), ui(new Ui::TfrmSudoku), FServices(services), FPuzzles(puzzles) {
  TsdInitResources();
  InstallFontFallbacks();
  // Empty until a puzzle is installed, so nothing is painted from a grid that holds no puzzle yet.
  for (TCharGrid* grid : {&FPlayGrid, &FGivenGrid, &FSolutionGrid})
    for (auto& row : *grid) row.fill(' ');
  ui->setupUi(this);
  // The version is the build's; the pictures are read as PNG, without asking every image plugin.
  setWindowTitle(windowTitle().arg(QLatin1String(TsdVersion)));
  ui->StaticText2->setText(ui->StaticText2->text().arg(QLatin1String(TsdVersion)));
  ui->Image1->setPixmap(QPixmap::fromImage(TsdPicture(QStringLiteral("emblem.png"))));
  ui->btnHelp->setIcon(QIcon(QPixmap::fromImage(TsdPicture(QStringLiteral("help.png")))));
  for (QWidget* band : {static_cast<QWidget*>(ui->pnlTopMain), static_cast<QWidget*>(ui->Panel3)})
    KeepControlsUnclipped(band);
  BindControls();
}

TfrmSudoku::~TfrmSudoku() {
  if (qApp) qApp->removeEventFilter(this);
  delete ui;
}

void TfrmSudoku::BindControls() {
  // Buttons name their action in the layout; binding here makes them show and follow it.
  for (TActionButton* button : findChildren<TActionButton*>()) {
    const QString name = button->property("actionName").toString();
    if (name.isEmpty()) continue;
    auto* action = findChild<QAction*>(name);
    Q_ASSERT_X(action, "BindControls", "a button names an action the layout lacks");
    if (action) button->SetAction(action, button->property("keepOwnCaption").toBool());
  }

  connect(ui->ActGenera, &QAction::triggered, this, [this] { ActGeneraExecute(); });
  connect(ui->ActPlay, &QAction::triggered, this, [this] { ActPlayExecute(); });
  connect(ui->ActToggleView, &QAction::triggered, this, [this] { ActToggleViewExecute(); });
  connect(ui->ActPrint, &QAction::triggered, this, [this] { ActPrintExecute(); });
  connect(ui->ActSuggerisci, &QAction::triggered, this, [this] { ActSuggerisciExecute(); });
  connect(ui->ActHelp, &QAction::triggered, this, [this] { ActHelpExecute(); });

  // The grid: painting, keys and mouse go to the window's handlers.
  TDrawGrid* grid = ui->sg1;
  grid->SetDrawCellHandler(
      [this](QPainter& canvas, int column, int row, const QRect& rect, bool focused) {
        sg1DrawCell(canvas, column, row, rect, focused);
      });
  connect(grid, &TDrawGrid::KeyDown, this, [this](QKeyEvent* e) {
    sg1KeyDown(TKeyCodes::FromEvent(*e), ShiftState(e->modifiers()));
  });
  connect(grid, &TDrawGrid::MouseDown, this,
          [this](Qt::MouseButton button, const QPoint& pos, Qt::KeyboardModifiers) {
            sg1MouseDown(button, pos);
          });

  // The context menu, stored with two placeholder items; the input code rebuilds it per state.
  popm1 = new QMenu(this);
  popm1->setObjectName(QStringLiteral("popm1"));
  QAction* n1 = popm1->addAction(QStringLiteral("1"));
  n1->setObjectName(QStringLiteral("N1"));
  n1->setData(int('1'));
  connect(n1, &QAction::triggered, this, [this, n1] { N11Click(n1); });
  QAction* n2 = popm1->addAction(QStringLiteral("2"));
  n2->setObjectName(QStringLiteral("N2"));
  connect(n2, &QAction::triggered, this, [this] { N21Click(); });
  // A scroll area reports its context-menu requests (right click or menu key) in viewport
  // coordinates; the viewport's own request comes from a right click on a scroll bar.
  grid->viewport()->setContextMenuPolicy(Qt::CustomContextMenu);
  auto openMenu = [this, grid](const QPoint& viewportPos) {
    if (FMenuAutoPopup && popm1) popm1->popup(grid->viewport()->mapToGlobal(viewportPos));
  };
  connect(grid, &QWidget::customContextMenuRequested, this, openMenu);
  connect(grid->viewport(), &QWidget::customContextMenuRequested, this, openMenu);

  // Check boxes react to every change of state, also one made by the program.
  connect(ui->cbxControllo, &QCheckBox::toggled, this, [this] { cbxControlloClick(); });
  connect(ui->cbxHideTimer, &QCheckBox::toggled, this, [this] { cbxHideTimerClick(); });
  connect(ui->btnFontPiu, &QPushButton::clicked, this, [this] { btnFontPiuClick(); });
  connect(ui->btnFontMeno, &QPushButton::clicked, this, [this] { btnFontMenoClick(); });
  connect(ui->cbgLivello, &TRadioGroup::ItemClicked, this, [this] { cbgLivelloClick(); });

  ui->Clock1->SetTimeService(FServices.time);

  // The maker's notice in raised lettering.
  auto* raised = new QGraphicsDropShadowEffect(ui->cxLabel3);
  raised->setBlurRadius(0);
  raised->setOffset(1, 1);
  raised->setColor(QColor(255, 255, 255));
  ui->cxLabel3->setGraphicsEffect(raised);
  QFont linkFont = ui->cxHyperLinkEdit2->font();
  linkFont.setUnderline(true);
  ui->cxHyperLinkEdit2->setFont(linkFont);

  // Key preview: the window sees every key pressed in it before the focused control does. The same
  // application-wide filter catches the click on the link field.
  qApp->installEventFilter(this);
}

void TfrmSudoku::SetWaterMark(std::function<QImage()> waterMark) {
  FWaterMark = std::move(waterMark);
}

const QString& TfrmSudoku::SymbolsFor(std::int32_t boxSize) const {
  if (boxSize == 4) return FSymbols4;
  if (boxSize == 5) return FSymbols5;
  return FSymbols3;
}

void TfrmSudoku::ShowMessage(const QString& text) {
  if (FServices.messages) FServices.messages->ShowMessage(this, text);
}

void TfrmSudoku::FocusGrid() {
  if (!ui->sg1->isHidden()) ui->sg1->setFocus();
}

void TfrmSudoku::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (FShown) return;
  FShown = true;
  FormShow();
}

void TfrmSudoku::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

bool TfrmSudoku::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui->cxHyperLinkEdit2 && event->type() == QEvent::MouseButtonRelease) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && FServices.urls)
      FServices.urls->Open(this, QUrl(ui->cxHyperLinkEdit2->text()));
    return false;
  }
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  static bool forwarding = false;
  if (forwarding) return false;
  auto* target = static_cast<QWidget*>(watched);
  if (target->window() != this) return false;

  auto* key = static_cast<QKeyEvent*>(event);
  if (FormKeyDown(TKeyCodes::FromEvent(*key), ShiftState(key->modifiers()))) return true;
  // Not taken: hand the key on ourselves, so that its way up through the parent widgets (when
  // the control ignores it) does not reach the preview a second time.
  QPointer<QWidget> guard(target);
  forwarding = true;
  if (guard) QCoreApplication::sendEvent(guard, key);
  forwarding = false;
  key->accept();
  return true;
}
