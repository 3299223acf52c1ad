// The interface language and the captions the window takes from it.
#include "Language.h"

#include <QAction>
#include <QLabel>

#include "TActionButton.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"

QString UILanguage = QStringLiteral("IT");

namespace {

struct TControlCaption {
  const char* control;
  int item;  // −1: the control's caption (a group's title); ≥ 0: an item of a radio group
  TCaption text;
};

// Which control takes which caption of the table (model/Texts.cpp). Controls first, then actions:
// a bound button that was given its own caption keeps it when its action's caption changes
// afterwards.
const TControlCaption Captions[] = {
    {"btnGenera", -1, TCaption::Generate},
    {"btnPlay", -1, TCaption::PlayFirst},
    {"btnToggleView", -1, TCaption::ShowSolutionFirst},
    {"btnPrint", -1, TCaption::Print},
    {"cbxHideTimer", -1, TCaption::HideTimer},
    {"cbxControllo", -1, TCaption::Marking},
    {"cbxNote", -1, TCaption::Notes},
    {"cxButton1", -1, TCaption::HintButton},
    {"StaticText3", -1, TCaption::FontSizeTop},
    {"StaticText4", -1, TCaption::FontSizeBottom},
    {"btnHelp", -1, TCaption::Help},
    {"cbg1", -1, TCaption::SizeGroup},
    {"cbgLivello", -1, TCaption::LevelGroup},
    {"cbgLivello", 0, TCaption::LevelSimple},
    {"cbgLivello", 1, TCaption::LevelMedium},
    {"cbgLivello", 2, TCaption::LevelHigh},
    {"ActPrint", -1, TCaption::Print},
    {"ActGenera", -1, TCaption::Generate},
    {"ActToggleView", -1, TCaption::ShowSolutionFirst},
    {"ActPlay", -1, TCaption::PlayAction},
    {"ActSuggerisci", -1, TCaption::Hint},
    {"ActSpiega", -1, TCaption::Explain},
    {"ActHelp", -1, TCaption::Help},
};

}  // namespace

void TfrmSudoku::ApplyLanguage() {
  for (const TControlCaption& caption : Captions) {
    const QString name = QString::fromLatin1(caption.control);
    const QString text = Tr(CaptionText(caption.text));
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
