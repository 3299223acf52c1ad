// The main window's construction: the layout, action bindings, signal wiring, window events, and
// carrying out what the game model asks for.
#include "TfrmSudoku.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QFont>
#include <QGraphicsDropShadowEffect>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "Language.h"
#include "PuzzleCatalogue.h"
#include "SpokenTexts.h"
#include "TActionButton.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TLinkEdit.h"
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

}  // namespace

std::int64_t TServiceClock::NowMs() const {
  return FTime ? FTime->MonotonicMs() : QDeadlineTimer::current().deadline();
}

TfrmSudoku::TfrmSudoku(const TServices& services, const IPuzzleSource& puzzles, QWidget* parent)
    : QWidget(parent),
      FServices(services),
      FClock(services.time),
      FGame(puzzles, FClock),
      ui(new Ui::TfrmSudoku) {
  TsdInitResources();
  InstallFontFallbacks();
  ui->setupUi(this);
  // The version is the build's; the pictures are read as PNG, without asking every image plugin.
  setWindowTitle(windowTitle().arg(QLatin1String(TsdVersion)));
  ui->StaticText2->setText(ui->StaticText2->text().arg(QLatin1String(TsdVersion)));
  ShowPictures();
  for (QWidget* band : {static_cast<QWidget*>(ui->pnlTopMain), static_cast<QWidget*>(ui->Panel3)})
    KeepControlsUnclipped(band);
  MakeContentScrollable();
  BindControls();
  InstallScreenReaderSupport();
  SetUpComforts();
}

TfrmSudoku::~TfrmSudoku() {
  StopPuzzleCheck();
  delete ui;
}

void TfrmSudoku::MakeContentScrollable() {
  // Parented to the window first, so that the controls stay in the window while they move, and
  // keep their tab order.
  pnlClient = new QWidget(this);
  pnlClient->setObjectName(QStringLiteral("pnlClient"));
  pnlClient->setLayout(layout());  // takes the layout, and the bands and panels with it
  scrClient = new QScrollArea(this);
  scrClient->setObjectName(QStringLiteral("scrClient"));
  scrClient->setFrameShape(QFrame::NoFrame);
  scrClient->setFocusPolicy(Qt::NoFocus);
  // The content follows the window's size down to its minimum, and scrolls below it.
  scrClient->setWidgetResizable(true);
  scrClient->setWidget(pnlClient);
  // The game panel keeps its room while hidden, so that Play does not change what fits.
  QSizePolicy gamePanel = ui->pnlGameOn->sizePolicy();
  gamePanel.setRetainSizeWhenHidden(true);
  ui->pnlGameOn->setSizePolicy(gamePanel);
  auto* whole = new QVBoxLayout(this);
  whole->setContentsMargins(0, 0, 0, 0);
  whole->addWidget(scrClient);
}

void TfrmSudoku::ShowPictures() {
  const qreal ratio = devicePixelRatioF();
  if (ratio == FPictureRatio) return;
  FPictureRatio = ratio;
  ui->Image1->setPixmap(
      QPixmap::fromImage(TsdPictureFor(QStringLiteral("emblem.png"), QSize(150, 60), ratio)));
  ui->btnHelp->setIcon(QIcon(QPixmap::fromImage(
      TsdPictureFor(QStringLiteral("help.png"), ui->btnHelp->iconSize(), ratio))));
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
  connect(ui->ActSpiega, &QAction::triggered, this, [this] { ActSpiegaExecute(); });
  connect(ui->ActHelp, &QAction::triggered, this, [this] { ActHelpExecute(); });

  // The grid paints from the model and tells it where the current cell went; its keys reach the
  // window through the key preview.
  TDrawGrid* grid = ui->sg1;
  grid->SetDrawCellHandler(
      [this](QPainter& canvas, int column, int row, const QRect& rect, bool focused) {
        sg1DrawCell(canvas, column, row, rect, focused);
      });
  connect(grid, &TDrawGrid::MouseDown, this,
          [this](Qt::MouseButton button, const QPoint& pos, Qt::KeyboardModifiers) {
            sg1MouseDown(button, pos);
          });
  // The player's moves go to the model, which keeps the cell on the board; the grid then shows the
  // model's cell (Process). A cell set on the grid by code is handed to the model alike.
  grid->SetCellRequestHandler([this, grid](int column, int row) {
    Process(FGame.SetCurrentCell(column, row));
    // Also when the cell stays (an arrow at the edge): the grid scrolls it into view.
    grid->SetCurrentCell(FGame.CurrentColumn(), FGame.CurrentRow());
  });
  connect(grid, &TDrawGrid::CurrentCellChanged, this,
          [this](int column, int row) { Process(FGame.SetCurrentCell(column, row)); });

  // The context menu, stored with two placeholder items; the input code rebuilds it per state.
  popm1 = new QMenu(this);
  popm1->setObjectName(QStringLiteral("popm1"));
  QAction* n1 = popm1->addAction(QStringLiteral("1"));
  n1->setObjectName(QStringLiteral("N1"));
  n1->setData(int('1'));
  connect(n1, &QAction::triggered, this, [this] { N11Click('1'); });
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

  // The check boxes and radio groups send the player's choice to the model, which they then show
  // (ShowSettings, with their signals blocked); what they show is never read back. A box is
  // toggled by a click, its key or a screen reader's toggle action: each switches the setting.
  connect(ui->cbxControllo, &QCheckBox::toggled, this, [this] { cbxControlloClick(); });
  connect(ui->cbxHideTimer, &QCheckBox::toggled, this, [this] { cbxHideTimerClick(); });
  connect(ui->cbxNote, &QCheckBox::toggled, this, [this] { cbxNoteClick(); });
  connect(ui->cbg1, &TRadioGroup::ItemClicked, this,
          [this](int index) { Process(FGame.SetBoxSize(3 + index)); });
  connect(ui->cbgLivello, &TRadioGroup::ItemClicked, this, [this](int index) {
    const bool known = index >= 0 && index < static_cast<int>(LevelLetters.size());
    Process(FGame.SetLevel(known ? LevelLetters[static_cast<std::size_t>(index)] : '\0'));
  });
  connect(ui->btnFontPiu, &QPushButton::clicked, this, [this] { btnFontPiuClick(); });
  connect(ui->btnFontMeno, &QPushButton::clicked, this, [this] { btnFontMenoClick(); });
  connect(ui->cxHyperLinkEdit2, &TLinkEdit::Clicked, this, [this] {
    OpenInBrowser(QUrl(ui->cxHyperLinkEdit2->text()), MessageText(TMessage::NoBrowser));
  });

  // The panel's clock shows the model's time, the same the congratulation and the kept game use.
  ui->Clock1->SetElapsedSource([this] { return qint64{FGame.ElapsedMs()}; });
#ifndef QT_NO_SESSIONMANAGER
  // A desktop session that ends asks first: the game goes with the time up to then.
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { StoreGame(); });
#endif

  // The maker's notice in raised lettering.
  auto* raised = new QGraphicsDropShadowEffect(ui->cxLabel3);
  raised->setBlurRadius(0);
  raised->setOffset(1, 1);
  raised->setColor(QColor(255, 255, 255));
  ui->cxLabel3->setGraphicsEffect(raised);
  QFont linkFont = ui->cxHyperLinkEdit2->font();
  linkFont.setUnderline(true);
  ui->cxHyperLinkEdit2->setFont(linkFont);
}

void TfrmSudoku::SetWaterMark(std::function<QImage()> waterMark) {
  FWaterMark = std::move(waterMark);
}

void TfrmSudoku::Process(const TOutcome& outcome) {
  TDrawGrid* grid = ui->sg1;
  // The font before the grid is set up, which sizes the cells for it.
  if (outcome.fontChanged) FollowFontSize(!outcome.setUpGrid);
  if (outcome.setUpGrid) {
    if (outcome.resizeWindow) SetWindowSizeFor(FGame.BoxSize());
    SetupGrid(FGame.BoxSize());
  }
  if (outcome.settingsChanged) ShowSettings();
  // The grid's current cell is the model's; the grid only shows it.
  if (grid->Col() != FGame.CurrentColumn() || grid->Row() != FGame.CurrentRow())
    grid->SetCurrentCell(FGame.CurrentColumn(), FGame.CurrentRow());
  if (outcome.repaint) {
    grid->viewport()->update();
    // Before any message: the congratulation follows the entry that completed the grid.
    ReportCellNames();
  }
  // Kept before any message, so that a process ended while a box is open has lost nothing.
  if (outcome.storeGame) StoreGame();
  if (outcome.forgetGame) ForgetGame();
  if (outcome.storeTimes) StoreTimes();
  if (!outcome.messages.empty()) SpeakPendingNews();
  for (const TBilingual& message : outcome.messages)
    ShowMessage(Tr(message), Tr(SpokenMessage(message)));
  if (outcome.focusGrid) FocusGrid();
  if (outcome.stateChanged) {
    ApplyState();
    ReportCellNames();
  }
  SpeakPendingNews();
  if (outcome.generateCaption) ui->ActGenera->setText(Tr(*outcome.generateCaption));
  if (outcome.checkTypedPuzzle) CheckPuzzle(QByteArray::fromStdString(FGame.TypedPuzzle()));
}

void TfrmSudoku::ShowMessage(const QString& text) {
  ShowMessage(text, QString::fromStdString(SpokenForm(text.toStdString())));
}

void TfrmSudoku::ShowMessage(const QString& text, const QString& spoken) {
  if (FServices.messages) FServices.messages->ShowSpokenMessage(this, text, spoken);
}

void TfrmSudoku::FocusGrid() {
  if (!ui->sg1->isHidden()) ui->sg1->setFocus();
}

void TfrmSudoku::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (FShown) return;
  FShown = true;
  // Key preview: the window's own platform window sees every key pressed in it, once, before Qt
  // hands it to the focused control.
  if (QWindow* platformWindow = windowHandle()) {
    platformWindow->installEventFilter(this);
    // Pictures drawn for the screen the window is on, also after it moved to another one.
    connect(platformWindow, &QWindow::screenChanged, this, [this] { ShowPictures(); });
  }
  ShowPictures();
  FormShow();
  // Asked once the window is up and painted, as a box in front of it.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (FStartPuzzleFile.isEmpty())
          OfferResume();
        else
          OpenPuzzleFile(FStartPuzzleFile);
      },
      Qt::QueuedConnection);
}

void TfrmSudoku::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

bool TfrmSudoku::eventFilter(QObject* watched, QEvent* event) {
  // Every press of a mouse button in the window ends an explanation's marks, before the click
  // does whatever it does (the Explain button then marks anew).
  if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress) ClearMarks();
  // Once shown, the window has its frame (or none): the size worked out with a guessed frame is
  // worked out again with the real one.
  if (watched == windowHandle() && event->type() == QEvent::Expose && !FFrameKnown &&
      windowHandle()->isExposed()) {
    FFrameKnown = true;
    if (FFrameGuessed) SetWindowSizeFor(FSizedFor);
  }
  // While a menu is open, or a control holds the keyboard, keys are theirs.
  if (watched == windowHandle() && event->type() == QEvent::KeyPress &&
      !QApplication::activePopupWidget() && !QWidget::keyboardGrabber()) {
    return PreviewKey(*static_cast<QKeyEvent*>(event));
  }
  return QWidget::eventFilter(watched, event);
}
