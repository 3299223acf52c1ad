// The table of captions and the table of messages.
#include "Texts.h"

#include <array>
#include <cstddef>

namespace {

struct TCaptionRow {
  TCaption id;
  TBilingual text;
};

// In the order of TCaption (checked where a text is looked up).
const TCaptionRow Captions[] = {
    {TCaption::Generate, {"Genera [F10]", "Generate [F10]"}},
    {TCaption::Regenerate, {"Rigenera [F10]", "Generate [F10]"}},
    {TCaption::PlayFirst, {"Gioca [F5]", "Play [F5]"}},
    {TCaption::PlayAction, {"Gioca", "Play [F5]"}},
    {TCaption::Play, {" Gioca [F5] ", " Play [F5] "}},
    {TCaption::Quit, {" Abbandona gioco [F5] ", " Quit game [F5] "}},
    {TCaption::ShowSolutionFirst, {"Visualizza soluzione", "Show solution"}},
    {TCaption::ShowSolution, {" Mostra soluzione [F6] ", " Show solution [F6] "}},
    {TCaption::ShowGame, {" Mostra gioco [F6] ", " Show game [F6] "}},
    {TCaption::Print, {"Stampa [F7]", "Print [F7]"}},
    {TCaption::HideTimer, {"Nascondi timer [F9]", "Hide timer [F9]"}},
    {TCaption::Marking, {"Controllo attivo [F8]", "View errors [F8]"}},
    {TCaption::MarkingOff, {"Disattiva controllo [F8]", "Disable control [F8]"}},
    {TCaption::Notes, {"Note [F2]", "Notes [F2]"}},
    {TCaption::HintButton, {"Suggerimento!", "Hint! [F4]"}},
    {TCaption::Hint, {"Suggerimento! [F4]", "Hint! [F4]"}},
    {TCaption::Explain, {"Spiega [F3]", "Explain [F3]"}},
    {TCaption::Help, {"Guida [F1]", "Help [F1]"}},
    {TCaption::FontSizeTop, {"Dimensione +/-", ""}},
    {TCaption::FontSizeBottom, {"dei caratteri e della griglia", "Font and Grid size +/-"}},
    {TCaption::SizeGroup, {"Dimensione ", "Sudoku size "}},
    {TCaption::LevelGroup, {"Livello di difficolt\u00e0", "Difficulty level "}},
    {TCaption::LevelSimple, {"Semplice", "Simple"}},
    {TCaption::LevelMedium, {"Medio", "Medium"}},
    {TCaption::LevelHigh, {"Alto", "high"}},
    {TCaption::MenuDelete, {"Cancella ", "Delete "}},
};

struct TMessageRow {
  TMessage id;
  TBilingual text;
};

// In the order of TMessage (checked where a text is looked up).
const TMessageRow Messages[] = {
    {TMessage::StartReminder,
     {"Per iniziare a giocare clicka su [Gioca] o premi [F5] !",
      "To start playing click [Play] or press [F5] !"}},
    {TMessage::BackReminder,
     {"Per giocare clicka su [Visualizza gioco] o premi [F6] !",
      "To play click on [View Game] or press [F6] !"}},
    {TMessage::QuitQuestion, {"Abbandona il gioco in corso ?", "Quit the current game ?"}},
    {TMessage::ResumeQuestion, {"Riprendere la partita lasciata?", "Resume the game you left?"}},
    {TMessage::SetAside,
     {"La partita lasciata non si pu\u00f2 riprendere (%1) ed \u00e8 stata messa da parte.",
      "The game you left cannot be resumed (%1) and was set aside."}},
    {TMessage::StoreFailed,
     {"Non \u00e8 possibile conservare la partita per il prossimo avvio.",
      "The game cannot be kept for the next start."}},
    {TMessage::HintSymbol,
     {"Per questa casella il miglior simbolo e' :%1: ", "For this box the best symbol is :%1: "}},
    {TMessage::Congratulation,
     {"Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:%1: ore, :%2 min. e %3 "
      "secondi.",
      "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:%1: hours, :%2 "
      "min. and %3 seconds."}},
    {TMessage::BadSizeIndex, {"index of checkbox errato:%1", "incorrect checkbox index:%1"}},
    {TMessage::NoEntries, {"ENGINE ERROR: 001", "ENGINE ERROR: 001"}},
    {TMessage::NoEntry, {"ENGINE ERROR: 002", "ENGINE ERROR: 002"}},
    {TMessage::GaveUp, {"INTERNAL ERROR ENGINE 10 RETRIES", "INTERNAL ERROR ENGINE 10 RETRIES"}},
    {TMessage::NoBrowser,
     {"Impossibile avviare un browser. La pagina si trova all'indirizzo:",
      "No web browser could be started. The page is at:"}},
    {TMessage::NoBrowserHelp,
     {"Impossibile avviare un browser. Per leggere la guida, apri questa pagina nel tuo browser:",
      "No web browser could be started. To read the help, open this page in your browser:"}},
    {TMessage::PrintRefused,
     {"Stampa non riuscita: la stampante non ha accettato il lavoro.",
      "Printing failed: the printer did not accept the job."}},
    {TMessage::PrintNotSent,
     {"Stampa non riuscita: la pagina non e' stata inviata alla stampante.",
      "Printing failed: the page could not be sent to the printer."}},
    {TMessage::PrintFileFailed,
     {"Stampa non riuscita: impossibile scrivere il file %1 (%2).",
      "Printing failed: the file %1 could not be written (%2)."}},
    {TMessage::PrintIncomplete, {"pagina incompleta", "incomplete page"}},
};

// Replaces %1 ... %9 in one pass, so a text handed in that holds "%2" stays as it is.
std::string Fill(const std::string& text, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '%' && k + 1 < text.size() && text[k + 1] >= '1' && text[k + 1] <= '9') {
      const auto arg = static_cast<std::size_t>(text[k + 1] - '1');
      if (arg < args.size()) {
        out += args[arg];
        ++k;
        continue;
      }
    }
    out += text[k];
  }
  return out;
}

}  // namespace

const TBilingual& CaptionText(TCaption caption) {
  const auto k = static_cast<std::size_t>(caption);
  // The rows follow the enumeration; a row out of place would give another control's caption.
  static const bool inOrder = [] {
    for (std::size_t i = 0; i < std::size(Captions); ++i)
      if (static_cast<std::size_t>(Captions[i].id) != i) return false;
    return true;
  }();
  static const TBilingual none;
  if (!inOrder || k >= std::size(Captions)) return none;
  return Captions[k].text;
}

TBilingual MessageText(TMessage message, const std::vector<TBilingual>& args) {
  const auto k = static_cast<std::size_t>(message);
  static const bool inOrder = [] {
    for (std::size_t i = 0; i < std::size(Messages); ++i)
      if (static_cast<std::size_t>(Messages[i].id) != i) return false;
    return true;
  }();
  if (!inOrder || k >= std::size(Messages)) return {};
  std::vector<std::string> italian;
  std::vector<std::string> english;
  for (const TBilingual& arg : args) {
    italian.push_back(arg.italian);
    english.push_back(arg.english);
  }
  return {Fill(Messages[k].text.italian, italian), Fill(Messages[k].text.english, english)};
}

TBilingual SameText(std::string text) {
  return {text, text};
}
