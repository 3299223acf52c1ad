// Tests of the interface language: the captions ApplyLanguage sets in Italian and English, the
// first show's switch to English, and the texts that stay the same in both languages.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "Fakes.h"
#include "Language.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"

namespace {

struct TExpectedCaption {
  const char* control;
  int item;  // −2: the control's caption, −1: a group's title, ≥ 0: a group's item
  const char* italian;
  const char* english;
};

// The captions in the order ApplyLanguage sets them.
const TExpectedCaption Captions[] = {
    {"btnGenera", -2, "Genera [F10]", "Generate [F10]"},
    {"btnPlay", -2, "Gioca [F5]", "Play [F5]"},
    {"btnToggleView", -2, "Visualizza soluzione", "Show solution"},
    {"btnPrint", -2, "Stampa [F7]", "Print [F7]"},
    {"cbxHideTimer", -2, "Nascondi timer [F9]", "Hide timer [F9]"},
    {"cbxControllo", -2, "Controllo attivo [F8]", "View errors [F8]"},
    {"cbxNote", -2, "Note [F2]", "Notes [F2]"},
    {"cxButton1", -2, "Suggerimento!", "Hint! [F4]"},
    {"StaticText3", -2, "Dimensione +/-", ""},
    {"StaticText4", -2, "dei caratteri e della griglia", "Font and Grid size +/-"},
    {"btnHelp", -2, "Guida [F1]", "Help [F1]"},
    {"cbg1", -1, "Dimensione ", "Sudoku size "},
    {"cbgLivello", -1, "Livello di difficolt\u00e0", "Difficulty level "},
    {"cbgLivello", 0, "Semplice", "Simple"},
    {"cbgLivello", 1, "Medio", "Medium"},
    {"cbgLivello", 2, "Alto", "high"},
    {"ActPrint", -2, "Stampa [F7]", "Print [F7]"},
    {"ActGenera", -2, "Genera [F10]", "Generate [F10]"},
    {"ActToggleView", -2, "Visualizza soluzione", "Show solution"},
    {"ActPlay", -2, "Gioca", "Play [F5]"},
    {"ActSuggerisci", -2, "Suggerimento! [F4]", "Hint! [F4]"},
    {"ActSpiega", -2, "Spiega [F3]", "Explain [F3]"},
    {"ActHelp", -2, "Guida [F1]", "Help [F1]"},
};

QString CaptionOf(const TfrmSudoku& form, const TExpectedCaption& entry) {
  const QString name = QString::fromLatin1(entry.control);
  if (auto* action = form.findChild<QAction*>(name)) return action->text();
  if (auto* group = form.findChild<TRadioGroup*>(name))
    return entry.item == -1 ? group->title() : group->ItemCaption(entry.item);
  if (auto* button = form.findChild<QAbstractButton*>(name)) return button->text();
  if (auto* label = form.findChild<QLabel*>(name)) return label->text();
  return QStringLiteral("<no control %1>").arg(name);
}

// Texts that are the same in both languages: the window caption, the header and the bottom band
// except btnHelp.
QStringList NeutralTexts(const TfrmSudoku& form) {
  QStringList texts = {form.windowTitle()};
  for (const char* label : {"StaticText1", "StaticText2", "cxLabel3"})
    texts << form.findChild<QLabel*>(QString::fromLatin1(label))->text();
  texts << form.findChild<QLineEdit*>(QStringLiteral("cxHyperLinkEdit2"))->text();
  const auto* size = form.findChild<TRadioGroup*>(QStringLiteral("cbg1"));
  for (int item = 0; item < 3; ++item) texts << size->ItemCaption(item);
  for (const char* button : {"btnFontPiu", "btnFontMeno"})
    texts << form.findChild<QAbstractButton*>(QString::fromLatin1(button))->text();
  return texts;
}

struct TLanguageWindow {
  TFakeServices Fakes;
  TFakePuzzleSource Source;
  TfrmSudoku Form{Fakes.Services(), Source};
};

}  // namespace

class TLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { UILanguage = QStringLiteral("IT"); }
  void EveryCaptionInTheLanguageOfTheCode_data();
  void EveryCaptionInTheLanguageOfTheCode();
  void NoItalianCaptionIsLeftOnScreenAfterStart();
  void NeutralTextsAreTheSameInBothLanguages();
  void BoundButtonsKeepOrFollowTheirActionsCaption();
};

// The first show switches to English; afterwards "IT" exactly gives Italian, any other code
// English.
void TLanguageTest::EveryCaptionInTheLanguageOfTheCode_data() {
  QTest::addColumn<QString>("code");  // null: as the first show leaves it
  QTest::newRow("first show") << QString();
  for (const char* code : {"IT", "it", "", "DE", "IT "}) QTest::newRow(code) << QString(code);
}

void TLanguageTest::EveryCaptionInTheLanguageOfTheCode() {
  QFETCH(QString, code);
  TLanguageWindow w;
  w.Form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w.Form));
  QCOMPARE(UILanguage, QStringLiteral("EN"));
  if (!code.isNull()) {
    UILanguage = code;
    w.Form.ApplyLanguage();
  }
  for (const TExpectedCaption& c : Captions)
    QCOMPARE(CaptionOf(w.Form, c), QString::fromUtf8(code == "IT" ? c.italian : c.english));
}

void TLanguageTest::NoItalianCaptionIsLeftOnScreenAfterStart() {
  TLanguageWindow w;
  w.Form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w.Form));
  // Every Italian caption, of the table and as stored in the layout.
  QStringList italian = {QStringLiteral("Guida \n[F1]"), QStringLiteral("Semplice    "),
                         QStringLiteral("Livello di difficolt\u00e0 "), QStringLiteral("Gioca")};
  for (const TExpectedCaption& c : Captions)
    if (QString::fromUtf8(c.italian) != QString::fromUtf8(c.english))
      italian << QString::fromUtf8(c.italian);
  QStringList shown;
  for (QWidget* widget : w.Form.findChildren<QWidget*>()) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown << button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) shown << label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) shown << group->title();
  }
  for (QAction* action : w.Form.findChildren<QAction*>()) shown << action->text();
  for (const QString& text : shown) QVERIFY2(!italian.contains(text), qPrintable(text));
  // The size label: an empty first line above the whole English text.
  QVERIFY(w.Form.findChild<QLabel*>(QStringLiteral("StaticText3"))->text().isEmpty());
}

void TLanguageTest::NeutralTextsAreTheSameInBothLanguages() {
  TLanguageWindow w;
  const QStringList stored = NeutralTexts(w.Form);
  w.Form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w.Form));
  QCOMPARE(NeutralTexts(w.Form), stored);
  UILanguage = QStringLiteral("IT");
  w.Form.ApplyLanguage();
  QCOMPARE(NeutralTexts(w.Form), stored);
  QVERIFY(stored.first().startsWith(QStringLiteral("Tessamond Vers.1.3")));
}

void TLanguageTest::BoundButtonsKeepOrFollowTheirActionsCaption() {
  TLanguageWindow w;
  const auto action = [&](const char* name) {
    return w.Form.findChild<QAction*>(QString::fromLatin1(name));
  };
  const auto button = [&](const char* name) {
    return w.Form.findChild<QAbstractButton*>(QString::fromLatin1(name));
  };
  UILanguage = QStringLiteral("IT");
  w.Form.ApplyLanguage();
  // btnGenera shows its action's caption, so it follows a later change of it ...
  action("ActGenera")->setText(QStringLiteral("Rigenera [F10]"));
  QCOMPARE(button("btnGenera")->text(), QStringLiteral("Rigenera [F10]"));
  // ... while the hint button keeps the shorter caption it was given.
  action("ActSuggerisci")->setText(QStringLiteral("Suggerimento! [F4] "));
  QCOMPARE(button("cxButton1")->text(), QStringLiteral("Suggerimento!"));
}

QTEST_MAIN(TLanguageTest)
#include "test_language.moc"
