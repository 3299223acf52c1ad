// The interface language and the captions the window takes from it.
#include "Language.h"

#include <QAction>
#include <QLabel>

#include "TActionButton.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"

QString UILanguage = QStringLiteral("IT");

namespace {

struct TCaption {
  const char* control;
  int item;  // −1: the control's caption (a group's title); ≥ 0: an item of a radio group
  TBilingual text;
};

// Controls first, then actions: a bound button that was given its own caption keeps it when its
// action's caption changes afterwards.
const TCaption Captions[] = {
    {"btnGenera", -1, {"Genera [F10]", "Generate [F10]"}},
    {"btnPlay", -1, {"Gioca [F5]", "Play [F5]"}},
    {"btnToggleView", -1, {"Visualizza soluzione", "Show solution"}},
    {"btnPrint", -1, {"Stampa [F7]", "Print [F7]"}},
    {"cbxHideTimer", -1, {"Nascondi timer [F9]", "Hide timer [F9]"}},
    {"cbxControllo", -1, MarkingCaption},
    {"cbxNote", -1, NotesCaption},
    {"cxButton1", -1, {"Suggerimento!", "Hint! [F4]"}},
    {"StaticText3", -1, {"Dimensione +/-", ""}},
    {"StaticText4", -1, {"dei caratteri e della griglia", "Font and Grid size +/-"}},
    {"btnHelp", -1, {"Guida [F1]", "Help [F1]"}},
    {"cbg1", -1, {"Dimensione ", "Sudoku size "}},
    {"cbgLivello", -1, {"Livello di difficolt\u00e0", "Difficulty level "}},
    {"cbgLivello", 0, {"Semplice", "Simple"}},
    {"cbgLivello", 1, {"Medio", "Medium"}},
    {"cbgLivello", 2, {"Alto", "high"}},
    {"ActPrint", -1, {"Stampa [F7]", "Print [F7]"}},
    {"ActGenera", -1, {"Genera [F10]", "Generate [F10]"}},
    {"ActToggleView", -1, {"Visualizza soluzione", "Show solution"}},
    {"ActPlay", -1, {"Gioca", "Play [F5]"}},
    {"ActSuggerisci", -1, HintCaption},
    {"ActSpiega", -1, {"Spiega [F3]", "Explain [F3]"}},
    {"ActHelp", -1, {"Guida [F1]", "Help [F1]"}},
};

}  // namespace

void TfrmSudoku::ApplyLanguage() {
  for (const TCaption& caption : Captions) {
    const QString name = QString::fromLatin1(caption.control);
    const QString text = Tr(caption.text);
    if (auto* action = findChild<QAction*>(name)) {
      action->setText(text);
    } else if (auto* group = findChild<TRadioGroup*>(name)) {
      if (caption.item < 0)
        group->setTitle(text);
      else
        group->SetItemCaption(caption.item, text);
    } else if (auto* button = findChild<QAbstractButton*>(name)) {
      button->setText(text);
    } else if (auto* label = findChild<QLabel*>(name)) {
      label->setText(text);
    }
  }
  ApplySpokenNames();
  ApplyComfortCaptions();
}
