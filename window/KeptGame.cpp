// The game kept between runs as the window meets it: written after every change, offered at the
// next start, set aside or left in place when it cannot be resumed, and every failure told with
// its real reason.
#include <string_view>

#include "Language.h"
#include "SavedGameChecks.h"
#include "TfrmSudoku.h"

namespace {

std::string Utf8(const QString& text) {
  return text.toStdString();
}

// Why the store failed, as a phrase that fits inside the messages below.
TBilingual StoreReason(const TStoreResult& result) {
  switch (result.error) {
    case TStoreError::None:
      break;
    case TStoreError::NoFolder:
      return {"non c'\u00e8 una cartella per i dati", "there is no folder for data"};
    case TStoreError::FolderIsLink:
      return {"la sua cartella \u00e8 un collegamento simbolico", "its folder is a symbolic link"};
    case TStoreError::FileIsFolder:
      return {"al suo posto c'\u00e8 una cartella", "a folder stands in its place"};
    case TStoreError::FileIsLink:
      return {"al suo posto c'\u00e8 un collegamento simbolico",
              "a symbolic link stands in its place"};
    case TStoreError::FileIsSpecial:
      return {"al suo posto c'\u00e8 una pipe o un dispositivo",
              "a pipe or a device stands in its place"};
    case TStoreError::NoPermission:
      return {"permesso negato", "permission denied"};
    case TStoreError::ReadOnly:
      return {"il disco \u00e8 di sola lettura", "the disk is read-only"};
    case TStoreError::DiskFull:
      return {"il disco \u00e8 pieno", "the disk is full"};
    case TStoreError::InUse:
      return {"un'altra finestra di Tessamond la usa", "another Tessamond window uses it"};
    case TStoreError::Other:
      return {"errore di sistema: " + Utf8(result.detail), "system error: " + Utf8(result.detail)};
  }
  return {};
}

TBilingual SetAsideMessage(const TBilingual& reason, const QString& name) {
  return {"La partita lasciata non si pu\u00f2 riprendere (" + reason.italian +
              ") ed \u00e8 stata messa da parte in " + Utf8(name) + ".",
          "The game you left cannot be resumed (" + reason.english + ") and was set aside as " +
              Utf8(name) + "."};
}

TBilingual NotSetAsideMessage(const TBilingual& reason, const TBilingual& why,
                              const QString& where) {
  return {"La partita lasciata non si pu\u00f2 riprendere (" + reason.italian +
              "). Non \u00e8 stato possibile metterla da parte (" + why.italian + "): resta in " +
              Utf8(where) + ".",
          "The game you left cannot be resumed (" + reason.english +
              "). It could not be set aside (" + why.english + ") and stays as " + Utf8(where) +
              "."};
}

TBilingual UnreadableMessage(const TBilingual& why, const QString& where) {
  return {"Non \u00e8 possibile leggere la partita lasciata (" + why.italian + "). Resta in " +
              Utf8(where) + "; una nuova partita la mette prima da parte.",
          "The game you left cannot be read (" + why.english + "). It stays as " + Utf8(where) +
              "; a new game sets it aside first."};
}

TBilingual InUseMessage() {
  return {
      "Un'altra finestra di Tessamond sta giocando con la stessa cartella dei dati. Questa "
      "finestra non tocca la sua partita, e le partite giocate qui non vengono conservate "
      "per il prossimo avvio.",
      "Another Tessamond window is playing with the same data folder. This window leaves its "
      "game alone, and the games played here are not kept for the next start."};
}

TBilingual StoreFailedMessage(const TBilingual& why) {
  return {"Non \u00e8 possibile conservare la partita per il prossimo avvio (" + why.italian + ").",
          "The game cannot be kept for the next start (" + why.english + ")."};
}

TBilingual NotForgottenMessage(const TBilingual& why) {
  return {"Non \u00e8 stato possibile dimenticare la partita lasciata (" + why.italian +
              "): il prossimo avvio la proporr\u00e0 di nuovo.",
          "The game you left could not be forgotten (" + why.english +
              "): the next start offers it again."};
}

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

void TfrmSudoku::StoreGame() {
  if (!FServices.store || !FGame.GameRunning()) return;
  const std::string text = FGame.SaveText();
  const TStoreResult written = FServices.store->Write(QByteArray::fromStdString(text));
  // A window that shares the folder said so at its start.
  if (written || written.error == TStoreError::InUse || FStoreFailed) return;
  FStoreFailed = true;
  ShowMessage(Tr(StoreFailedMessage(StoreReason(written))));
}

void TfrmSudoku::ForgetGame() {
  if (!FServices.store) return;
  const TStoreResult forgotten = FServices.store->Discard();
  if (forgotten || forgotten.error == TStoreError::InUse) return;
  ShowMessage(Tr(NotForgottenMessage(StoreReason(forgotten))));
}

void TfrmSudoku::SetAsideKeptGame(const TBilingual& reason) {
  const TSetAside aside = FServices.store->SetAside();
  if (aside.result)
    ShowMessage(Tr(SetAsideMessage(reason, aside.name)));
  else
    ShowMessage(
        Tr(NotSetAsideMessage(reason, StoreReason(aside.result), FServices.store->Where())));
}

void TfrmSudoku::OfferResume() {
  if (!FServices.store || FGame.State() != GameState::gsEmpty) return;
  if (FServices.store->Claim().error == TStoreError::InUse) {
    ShowMessage(Tr(InUseMessage()));
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
        ShowMessage(Tr(UnreadableMessage(StoreReason(read.result), FServices.store->Where())));
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
  if (FGame.State() == GameState::gsPlaying) StartClock();
}
