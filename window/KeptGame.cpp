// The game kept between runs as the window meets it: written after every change, offered at the
// next start, set aside or left in place when it cannot be resumed, and every failure told with
// its real reason.
#include <string_view>

#include "Language.h"
#include "SavedGameChecks.h"
#include "Texts.h"
#include "TfrmSudoku.h"

namespace {

// Why the store failed, as a phrase that fits inside the messages below.
TBilingual StoreReason(const TStoreResult& result) {
  switch (result.error) {
    case TStoreError::None:
      break;
    case TStoreError::NoFolder:
      return MessageText(TMessage::StoreNoFolder);
    case TStoreError::FolderIsLink:
      return MessageText(TMessage::StoreFolderIsLink);
    case TStoreError::FileIsFolder:
      return MessageText(TMessage::StoreFileIsFolder);
    case TStoreError::FileIsLink:
      return MessageText(TMessage::StoreFileIsLink);
    case TStoreError::FileIsSpecial:
      return MessageText(TMessage::StoreFileIsSpecial);
    case TStoreError::NoPermission:
      return MessageText(TMessage::StoreNoPermission);
    case TStoreError::ReadOnly:
      return MessageText(TMessage::StoreReadOnly);
    case TStoreError::DiskFull:
      return MessageText(TMessage::StoreDiskFull);
    case TStoreError::InUse:
      return MessageText(TMessage::StoreInUse);
    case TStoreError::Other:
      return MessageText(TMessage::StoreSystemError, {SameText(result.detail.toStdString())});
  }
  return {};
}

TBilingual Named(const QString& name) {
  return SameText(name.toStdString());
}

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

void TfrmSudoku::StoreGame() {
  if (!FServices.store || !FGame.KeepsGame()) return;
  const std::string text = FGame.SaveText();
  const TStoreResult written = FServices.store->Write(QByteArray::fromStdString(text));
  // A window that shares the folder said so at its start.
  if (written || written.error == TStoreError::InUse || FStoreFailed) return;
  FStoreFailed = true;
  ShowMessage(Tr(MessageText(TMessage::StoreFailed, {StoreReason(written)})));
}

void TfrmSudoku::ForgetGame() {
  if (!FServices.store) return;
  const TStoreResult forgotten = FServices.store->Discard();
  if (forgotten || forgotten.error == TStoreError::InUse) return;
  ShowMessage(Tr(MessageText(TMessage::KeptNotForgotten, {StoreReason(forgotten)})));
}

void TfrmSudoku::SetAsideKeptGame(const TBilingual& reason) {
  const TSetAside aside = FServices.store->SetAside();
  if (aside.result)
    ShowMessage(Tr(MessageText(TMessage::SetAside, {reason, Named(aside.name)})));
  else
    ShowMessage(Tr(MessageText(TMessage::KeptNotSetAside, {reason, StoreReason(aside.result),
                                                           Named(FServices.store->Where())})));
}

void TfrmSudoku::OfferResume() {
  if (!FServices.store || FGame.State() != GameState::gsEmpty) return;
  if (FServices.store->Claim().error == TStoreError::InUse) {
    ShowMessage(Tr(MessageText(TMessage::KeptInUse)));
    return;
  }
  FServices.store->Recover(
      [](const QByteArray& bytes) { return LoadKeptGame(View(bytes)).game.has_value(); });
  const TStoreRead read = FServices.store->Read(static_cast<qint64>(MaxSavedGameBytes));
  if (!read.bytes) {
    switch (read.result.error) {
      case TStoreError::None:  // nothing kept
        return;
      case TStoreError::FileIsFolder:
      case TStoreError::FileIsLink:
      case TStoreError::FileIsSpecial:
        // Never a game of this window's making: out of the way, so that the next one can be kept.
        SetAsideKeptGame(StoreReason(read.result));
        return;
      default:
        // A file that may be fine once it can be read stays where it is.
        ShowMessage(Tr(MessageText(TMessage::KeptUnreadable,
                                   {StoreReason(read.result), Named(FServices.store->Where())})));
        return;
    }
  }
  const TSavedGameRead loaded = LoadKeptGame(View(*read.bytes));
  if (!loaded.game) {
    SetAsideKeptGame(loaded.reason);
    return;
  }
  const TConfirmAnswer answer = FServices.confirm->AskYesNo(this, Tr(TsdGame::ResumeQuestion()));
  // Only a No forgets the game; a box closed without an answer leaves it for the next start,
  // unless a new game takes its place first.
  if (answer == TConfirmAnswer::No) ForgetGame();
  if (answer != TConfirmAnswer::Yes) return;
  Process(FGame.Resume(*loaded.game));
}
