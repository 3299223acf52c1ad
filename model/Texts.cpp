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
    {TCaption::LevelHighName, {"Alto", "High"}},
    {TCaption::LevelBeyond, {"oltre Alto", "beyond high"}},
    {TCaption::LevelLabel, {"Livello: ", "Level: "}},
    {TCaption::OwnLevelLabel, {"Sudoku proprio: ", "Own puzzle: "}},
    {TCaption::Highlight, {"Evidenzia [F11]", "Highlight [F11]"}},
    {TCaption::FillNotes, {"Riempi note [Maiusc+F2]", "Fill notes [Shift+F2]"}},
    {TCaption::Statistics, {"Statistiche [Maiusc+F12]", "Statistics [Shift+F12]"}},
    {TCaption::Pause, {"Pausa [F12]", "Pause [F12]"}},
    {TCaption::GoOn, {"Riprendi [F12]", "Go on [F12]"}},
    {TCaption::StatisticsTitle, {"Statistiche", "Statistics"}},
    {TCaption::StatisticsClose, {"Chiudi", "Close"}},
    {TCaption::StatisticsNoGame, {"Nessuna partita finita", "No game finished yet"}},
    {TCaption::StatisticsFinished, {"Finite", "Finished"}},
    {TCaption::StatisticsBest, {"Record", "Best"}},
    {TCaption::StatisticsAverage, {"Media", "Average"}},
    {TCaption::OpenPuzzleTitle, {"Apri un sudoku", "Open a puzzle"}},
    {TCaption::OpenPuzzleFilter,
     {"Sudoku (*.sdk *.ss *.txt);;Tutti i file (*)", "Sudoku (*.sdk *.ss *.txt);;All files (*)"}},
    {TCaption::CheckCancel, {"Annulla", "Cancel"}},
    {TCaption::GridShowsPuzzle, {"Lo schema da risolvere", "The puzzle"}},
    {TCaption::GridShowsGame, {"La tua partita", "Your game"}},
    {TCaption::GridShowsSolution, {"La soluzione", "The solution"}},
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
     {"La partita lasciata non si pu\u00f2 riprendere (%1) ed \u00e8 stata messa da parte in "
      "%2.",
      "The game you left cannot be resumed (%1) and was set aside as %2."}},
    {TMessage::StoreFailed,
     {"Non \u00e8 possibile conservare la partita per il prossimo avvio (%1).",
      "The game cannot be kept for the next start (%1)."}},
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
    {TMessage::KeptNotSetAside,
     {"La partita lasciata non si pu\u00f2 riprendere (%1). Non \u00e8 stato possibile metterla "
      "da parte (%2): resta in %3.",
      "The game you left cannot be resumed (%1). It could not be set aside (%2) and stays as "
      "%3."}},
    {TMessage::KeptUnreadable,
     {"Non \u00e8 possibile leggere la partita lasciata (%1). Resta in %2; una nuova partita la "
      "mette prima da parte.",
      "The game you left cannot be read (%1). It stays as %2; a new game sets it aside first."}},
    {TMessage::KeptInUse,
     {"Un'altra finestra di Tessamond sta giocando con la stessa cartella dei dati. Questa "
      "finestra non tocca la sua partita, e le partite giocate qui non vengono conservate per il "
      "prossimo avvio.",
      "Another Tessamond window is playing with the same data folder. This window leaves its "
      "game alone, and the games played here are not kept for the next start."}},
    {TMessage::KeptNotForgotten,
     {"Non \u00e8 stato possibile dimenticare la partita lasciata (%1): il prossimo avvio la "
      "proporr\u00e0 di nuovo.",
      "The game you left could not be forgotten (%1): the next start offers it again."}},
    {TMessage::StoreNoFolder,
     {"non c'\u00e8 una cartella per i dati", "there is no folder for data"}},
    {TMessage::StoreFolderIsLink,
     {"la sua cartella \u00e8 un collegamento simbolico", "its folder is a symbolic link"}},
    {TMessage::StoreFileIsFolder,
     {"al suo posto c'\u00e8 una cartella", "a folder stands in its place"}},
    {TMessage::StoreFileIsLink,
     {"al suo posto c'\u00e8 un collegamento simbolico", "a symbolic link stands in its place"}},
    {TMessage::StoreFileIsSpecial,
     {"al suo posto c'\u00e8 una pipe o un dispositivo", "a pipe or a device stands in its place"}},
    {TMessage::StoreNoPermission, {"permesso negato", "permission denied"}},
    {TMessage::StoreReadOnly, {"il disco \u00e8 di sola lettura", "the disk is read-only"}},
    {TMessage::StoreDiskFull, {"il disco \u00e8 pieno", "the disk is full"}},
    {TMessage::StoreInUse,
     {"un'altra finestra di Tessamond la usa", "another Tessamond window uses it"}},
    {TMessage::StoreSystemError, {"errore di sistema: %1", "system error: %1"}},
    {TMessage::FinishedGenerate,
     {"Questa partita \u00e8 finita: premi [F5] per abbandonarla, poi [F10] per un nuovo schema.",
      "This game is finished: press [F5] to quit it, then [F10] for a new puzzle."}},
    {TMessage::HintOnGiven,
     {"Questa casella \u00e8 un dato iniziale: il suo simbolo \u00e8 gi\u00e0 quello giusto.",
      "This cell is a given of the puzzle: its symbol is already the right one."}},
    {TMessage::NewBestTime,
     {"\r\nNuovo record per %1, livello %2!", "\r\nA new best time for %1, level %2!"}},
    {TMessage::TimesPlotAxis,
     {"le ultime %1 partite, dalla prima", "the last %1 games, oldest first"}},
    {TMessage::GridName, {"Griglia del Sudoku %1\u00d7%1", "Sudoku grid %1\u00d7%1"}},
    {TMessage::ClipboardNoText,
     {"Gli appunti non contengono testo da incollare.", "The clipboard holds no text to paste."}},
    {TMessage::FileUnreadable,
     {"Il file \u201c%1\u201d non si pu\u00f2 leggere.",
      "The file \u201c%1\u201d cannot be read."}},
    {TMessage::CheckingPuzzle,
     {"Controllo del sudoku: una sola soluzione?", "Checking the puzzle: exactly one solution?"}},
    {TMessage::OwnEmpty,
     {"Non c'\u00e8 nessun sudoku da leggere: il testo \u00e8 vuoto.",
      "There is no puzzle to read: the text is empty."}},
    {TMessage::OwnTooLong,
     {"Questo testo \u00e8 troppo lungo per essere un sudoku.",
      "This text is too long to be a puzzle."}},
    {TMessage::OwnBinary,
     {"Questo non \u00e8 il testo di un sudoku: contiene dati binari.",
      "This is not the text of a puzzle: it holds binary data."}},
    {TMessage::OwnBadSide,
     {"Una griglia %1 non \u00e8 una misura di questo gioco (9\u00d79, 16\u00d716, 25\u00d725).",
      "A %1 grid is not a size this game plays (9\u00d79, 16\u00d716, 25\u00d725)."}},
    {TMessage::OwnBadCount,
     {"Il testo contiene %1 caselle; un sudoku ne ha 81 (9\u00d79), 256 (16\u00d716) o 625 "
      "(25\u00d725).",
      "The text holds %1 cells; a puzzle has 81 (9\u00d79), 256 (16\u00d716) or 625 "
      "(25\u00d725)."}},
    {TMessage::OwnBadSymbol,
     {"Riga %1: %2 non \u00e8 un simbolo di un sudoku %3 (%4).",
      "Line %1: %2 is not a symbol of a %3 puzzle (%4)."}},
    {TMessage::OwnSymbols9,
     {"1\u20139, con . o 0 per una casella vuota", "1\u20139, with . or 0 for a blank"}},
    {TMessage::OwnSymbols16,
     {"0\u20139 e A\u2013F (oppure 1\u20139 e A\u2013G), con . per una casella vuota",
      "0\u20139 and A\u2013F (or 1\u20139 and A\u2013G), with . for a blank"}},
    {TMessage::OwnSymbols25,
     {"A\u2013Y, con . per una casella vuota", "A\u2013Y, with . for a blank"}},
    {TMessage::OwnRepeat,
     {"Questo sudoku non ha soluzione: %1%2 ha gi\u00e0 un %3",
      "This puzzle has no solution: %1%2 already has a %3"}},
    {TMessage::UnitRow, {"la riga ", "row "}},
    {TMessage::UnitColumn, {"la colonna ", "column "}},
    {TMessage::UnitBox, {"il riquadro ", "box "}},
    {TMessage::OwnNoSolution, {"Questo sudoku non ha soluzione.", "This puzzle has no solution."}},
    {TMessage::OwnManySolutions,
     {"Questo sudoku ha pi\u00f9 di una soluzione; aggiungi dei numeri dati",
      "This puzzle has more than one solution; add givens"}},
    {TMessage::OwnAcceptedBeyond,
     {"Sudoku accettato: una sola soluzione, oltre i livelli del gioco (serve %1).",
      "Puzzle accepted: one solution, beyond the game's levels (it needs %1)."}},
    {TMessage::OwnAcceptedLevel,
     {"Sudoku accettato: una sola soluzione, livello %1 (%2%3).",
      "Puzzle accepted: one solution, level %1 (%2%3)."}},
    {TMessage::OwnHardest, {"; tecnica pi\u00f9 difficile: %1", "; hardest technique: %1"}},
    {TMessage::SavedAtLine, {"riga %1: %2", "line %1: %2"}},
    {TMessage::SavedTooLarge, {"troppo grande", "too large"}},
    {TMessage::SavedEmpty, {"vuoto", "empty"}},
    {TMessage::SavedTruncated, {"troncato", "truncated"}},
    {TMessage::SavedNotOurs, {"non \u00e8 una partita di Tessamond", "not a Tessamond game"}},
    {TMessage::SavedOtherVersion, {"di un'altra versione", "from another version"}},
    {TMessage::SavedExpected, {"atteso \"%1\"", "\"%1\" expected"}},
    {TMessage::SavedBadValue, {"valore non valido", "bad value"}},
    {TMessage::SavedCellCount, {"%1 caselle invece di %2", "%1 cells instead of %2"}},
    {TMessage::SavedForeign, {"carattere estraneo", "a character that is no symbol"}},
    {TMessage::SavedBreaksRules, {"la soluzione viola le regole", "the solution breaks the rules"}},
    {TMessage::SavedDisagrees,
     {"la soluzione contraddice le caselle date", "the solution disagrees with the givens"}},
    {TMessage::SavedGivenChanged, {"una casella data \u00e8 cambiata", "a given was changed"}},
    {TMessage::SavedBadNotes, {"note non valide", "notes out of order or no symbols"}},
    {TMessage::SavedNotesOnGiven, {"note su una casella data", "notes on a given"}},
    {TMessage::SavedBadMove, {"mossa non valida", "bad move"}},
    {TMessage::SavedIdleMove, {"mossa che non cambia nulla", "a move that changes nothing"}},
    {TMessage::SavedMovesElsewhere,
     {"le mosse non portano alla griglia del giocatore",
      "the moves do not lead to the player's grid"}},
    {TMessage::SavedMoreAfterMoves, {"altro dopo le mosse", "more after the moves"}},
    {TMessage::SavedMoreAfterNotes, {"altro dopo le note", "more after the notes"}},
    {TMessage::SavedTooLong,
     {"un tempo di gioco di pi\u00f9 di un anno", "a playing time of more than a year"}},
    {TMessage::SavedWrongSize, {"dimensioni non valide", "a wrong size"}},
    {TMessage::SavedManySolutions,
     {"lo schema ha pi\u00f9 di una soluzione", "the puzzle has more than one solution"}},
    {TMessage::SavedOtherSolution,
     {"lo schema non porta alla soluzione conservata",
      "the puzzle does not lead to the kept solution"}},
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
