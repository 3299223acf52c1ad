// The interface language and the captions the window takes from it.
#include "Language.h"

#include <QAction>

#include "TActionButton.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

QString UILanguage = QStringLiteral("IT");

void TfrmSudoku::ApplyLanguage() {
  // Controls first, then actions: a bound button that was given its own caption keeps it when its
  // action's caption changes afterwards.
  ui->btnGenera->setText(Tr(QStringLiteral("Genera [F10]"), QStringLiteral("Generate [F10]")));
  ui->btnPlay->setText(Tr(QStringLiteral("Gioca [F5]"), QStringLiteral("Play [F5]")));
  ui->btnToggleView->setText(
      Tr(QStringLiteral("Visualizza soluzione"), QStringLiteral("Show solution")));
  ui->btnPrint->setText(Tr(QStringLiteral("Stampa [F7]"), QStringLiteral("Print [F7]")));
  ui->cbxHideTimer->setText(
      Tr(QStringLiteral("Nascondi timer [F9]"), QStringLiteral("Hide timer [F9]")));
  ui->cbxControllo->setText(
      Tr(QStringLiteral("Controllo attivo [F8]"), QStringLiteral("View errors [F8]")));
  ui->cxButton1->setText(Tr(QStringLiteral("Suggerimento!"), QStringLiteral("Hint! [F4]")));
  ui->StaticText3->setText(Tr(QStringLiteral("Dimensione +/-"), QString()));
  ui->StaticText4->setText(Tr(QStringLiteral("dei caratteri e della griglia"),
                              QStringLiteral("Font and Grid size +/-")));
  ui->btnHelp->setText(Tr(QStringLiteral("Guida [F1]"), QStringLiteral("Help [F1]")));
  ui->cbg1->setTitle(Tr(QStringLiteral("Dimensione "), QStringLiteral("Sudoku size ")));
  ui->cbgLivello->setTitle(
      Tr(QStringLiteral("Livello di difficolt\u00e0"), QStringLiteral("Difficulty level ")));
  ui->cbgLivello->SetItemCaption(0, Tr(QStringLiteral("Semplice"), QStringLiteral("Simple")));
  ui->cbgLivello->SetItemCaption(1, Tr(QStringLiteral("Medio"), QStringLiteral("Medium")));
  ui->cbgLivello->SetItemCaption(2, Tr(QStringLiteral("Alto"), QStringLiteral("high")));

  ui->ActPrint->setText(Tr(QStringLiteral("Stampa [F7]"), QStringLiteral("Print [F7]")));
  ui->ActGenera->setText(Tr(QStringLiteral("Genera [F10]"), QStringLiteral("Generate [F10]")));
  ui->ActToggleView->setText(
      Tr(QStringLiteral("Visualizza soluzione"), QStringLiteral("Show solution")));
  ui->ActPlay->setText(Tr(QStringLiteral("Gioca"), QStringLiteral("Play [F5]")));
  ui->ActSuggerisci->setText(
      Tr(QStringLiteral("Suggerimento! [F4]"), QStringLiteral("Hint! [F4]")));
  ui->ActHelp->setText(Tr(QStringLiteral("Guida [F1]"), QStringLiteral("Help [F1]")));
}
