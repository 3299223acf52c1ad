// The player's own puzzles in the window: paste, open, copy, the keys for them and type-in, and
// the check that runs beside the GUI thread with a progress box the player can cancel.
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include "KeyCodes.h"
#include "Language.h"
#include "OwnPuzzle.h"
#include "PuzzleFormats.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

constexpr int InsertKey = 45;
constexpr int ReturnKey = 13;
constexpr int EscapeKey = 27;
// A check that ends sooner shows no progress at all.
constexpr int ProgressDelayMs = 500;

}  // namespace

std::optional<TCommand> TfrmSudoku::OwnPuzzleKey(int keyCode, Qt::KeyboardModifiers held) const {
  if (FGame.TypingIn() && held == Qt::NoModifier) {
    if (keyCode == ReturnKey) return TCommand::ConfirmTypeIn;
    if (keyCode == EscapeKey) return TCommand::CancelTypeIn;
  }
  if (held == Qt::ShiftModifier && keyCode == InsertKey) return FGame.ControlKey('V');
  if (held == Qt::ControlModifier && keyCode == InsertKey) {
    if (FGame.PuzzleLine().empty()) return std::nullopt;
    return TCommand::Copy;
  }
  if (held == Qt::ControlModifier && keyCode >= 'A' && keyCode <= 'Z')
    return FGame.ControlKey(static_cast<char>(keyCode));
  return std::nullopt;
}

void TfrmSudoku::SetFileChooser(std::function<QString(QWidget*)> chooser) {
  FChooseFile = std::move(chooser);
}

void TfrmSudoku::PastePuzzle() {
  if (!FGame.TakesOwnPuzzle() || CheckingPuzzle()) return;
  const QString text = QGuiApplication::clipboard()->text();
  if (text.isEmpty()) {
    ShowMessage(Tr(MessageText(TMessage::ClipboardNoText)));
    FocusGrid();
    return;
  }
  CheckPuzzle(text.toUtf8());
}

void TfrmSudoku::OpenPuzzle() {
  if (!FGame.TakesOwnPuzzle() || CheckingPuzzle()) return;
  const QString path = FChooseFile ? FChooseFile(this)
                                   : QFileDialog::getOpenFileName(
                                         this, Tr(CaptionText(TCaption::OpenPuzzleTitle)),
                                         QString(), Tr(CaptionText(TCaption::OpenPuzzleFilter)));
  if (path.isEmpty()) {
    FocusGrid();
    return;
  }
  OpenPuzzleFile(path);
}

void TfrmSudoku::OpenPuzzleFile(const QString& path) {
  if (!FGame.TakesOwnPuzzle() || CheckingPuzzle()) return;
  QFile file(path);
  const QString name = QFileInfo(path).fileName();
  // Only a regular file: a FIFO or a device would block the window or never end.
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
    ShowMessage(Tr(MessageText(TMessage::FileUnreadable, {SameText(name.toStdString())})));
    FocusGrid();
    return;
  }
  // One byte past the limit is enough to tell a file too large for a puzzle.
  CheckPuzzle(file.read(static_cast<qint64>(tsdtools::MaxPuzzleInputBytes) + 1));
}

void TfrmSudoku::CopyPuzzle() {
  const std::string line = FGame.PuzzleLine();
  if (line.empty()) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(line));
}

void TfrmSudoku::CheckPuzzle(const QByteArray& text) {
  if (CheckingPuzzle()) return;
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  auto result = std::make_shared<TPuzzleCheck>();
  FCheckCancel = cancel;
  FCheckResult = result;
  FCheckThread = QThread::create([text, cancel, result] {
    *result = CheckPuzzleText(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), cancel.get());
  });
  connect(FCheckThread, &QThread::finished, this, [this] { PuzzleChecked(); });

  FCheckProgressTimer = new QTimer(this);
  FCheckProgressTimer->setSingleShot(true);
  connect(FCheckProgressTimer, &QTimer::timeout, this, [this] {
    if (!CheckingPuzzle() || FCheckProgress) return;
    FCheckProgress = new QProgressDialog(Tr(MessageText(TMessage::CheckingPuzzle)),
                                         Tr(CaptionText(TCaption::CheckCancel)), 0, 0, this);
    FCheckProgress->setObjectName(QStringLiteral("dlgCheckProgress"));
    FCheckProgress->setWindowTitle(QStringLiteral("Tessamond"));
    FCheckProgress->setWindowModality(Qt::WindowModal);
    FCheckProgress->setMinimumDuration(0);
    FCheckProgress->setAutoClose(false);
    FCheckProgress->setAutoReset(false);
    connect(FCheckProgress, &QProgressDialog::canceled, this, [this] {
      if (FCheckCancel) FCheckCancel->store(true);
    });
    FCheckProgress->show();
  });
  FCheckProgressTimer->start(ProgressDelayMs);
  FCheckThread->start();
}

void TfrmSudoku::PuzzleChecked() {
  if (!FCheckThread) return;
  FCheckThread->deleteLater();
  FCheckThread = nullptr;
  if (FCheckProgressTimer) {
    FCheckProgressTimer->stop();
    FCheckProgressTimer->deleteLater();
    FCheckProgressTimer = nullptr;
  }
  if (FCheckProgress) {
    FCheckProgress->hide();
    FCheckProgress->deleteLater();
    FCheckProgress = nullptr;
  }
  const std::shared_ptr<TPuzzleCheck> result = std::move(FCheckResult);
  FCheckCancel.reset();
  if (result) Process(FGame.InstallOwnPuzzle(*result));
}

void TfrmSudoku::StopPuzzleCheck() {
  if (!FCheckThread) return;
  if (FCheckCancel) FCheckCancel->store(true);
  FCheckThread->wait();
  FCheckThread->disconnect(this);
  delete FCheckThread;
  FCheckThread = nullptr;
  FCheckResult.reset();
}
