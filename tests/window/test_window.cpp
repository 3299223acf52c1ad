// Tests of the window's wiring: the key preview ahead of the focused control, the context menu's
// automatic opening.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <string>

#include "Fakes.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

const QString StartPlaying = QStringLiteral("To start playing click [Play] or press [F5] !");

// A valid 9×9 pair by shifted bands, every third cell given.
void FillNineByNine(TFakePuzzleSource& source) {
  const std::string symbols = "123456789";
  std::string puzzle;
  std::string solution;
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const char ch = symbols[static_cast<std::size_t>((r * 3 + r / 3 + c) % 9)];
      solution += ch;
      puzzle += (r + 2 * c) % 3 == 0 ? ch : '?';
    }
  source.Pairs[{3, 'E'}] = {{puzzle, solution}};
}

struct TShownWindow {
  TFakeServices Fakes;
  TFakePuzzleSource Source;
  TfrmSudoku Form{Fakes.Services(), Source};
  Ui::TfrmSudoku* ui = Form.ui;

  TShownWindow() {
    Form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form));
    Form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Form));
  }
  int Count(const QString& message) const {
    return static_cast<int>(Fakes.Messages.Shown.count(message));
  }
};

}  // namespace

class TWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void KeyOnTheGridReachesPreviewThenGridOnce();
  void FunctionKeyTakenByThePreviewNeverReachesTheGrid();
  void PreviewWorksWhicheverControlHasTheFocus();
  void KeysOfOtherWindowsAreNotPreviewed();
  void ContextMenuOpensOnlyWhileAutomaticOpeningIsOn();
};

void TWindowTest::KeyOnTheGridReachesPreviewThenGridOnce() {
  TShownWindow w;
  FillNineByNine(w.Source);
  QTest::keyClick(w.ui->btnGenera, Qt::Key_F10);  // a puzzle, so the grid is shown
  QCOMPARE(w.Form.FGameState, std::uint8_t(gsPuzzleView));
  w.ui->sg1->setFocus();
  w.Fakes.Messages.Shown.clear();
  // F4 is not taken in the puzzle view (the hint is disabled): it goes on to the grid, once.
  QTest::keyClick(w.ui->sg1, Qt::Key_F4);
  QCOMPARE(w.Fakes.Messages.Shown, QStringList{StartPlaying});
  // The same for a symbol key and for a function key with Shift held.
  QTest::keyClick(w.ui->sg1, Qt::Key_5);
  QTest::keyClick(w.ui->sg1, Qt::Key_F10, Qt::ShiftModifier);
  QCOMPARE(w.Count(StartPlaying), 3);
  // An arrow key still moves the current cell after the preview let it pass.
  w.ui->sg1->SetCurrentCell(0, 0);
  QTest::keyClick(w.ui->sg1, Qt::Key_Right);
  QCOMPARE(w.ui->sg1->Col(), 1);
}

void TWindowTest::FunctionKeyTakenByThePreviewNeverReachesTheGrid() {
  TShownWindow w;
  FillNineByNine(w.Source);
  QTest::keyClick(w.ui->btnGenera, Qt::Key_F10);
  w.ui->sg1->setFocus();
  w.Fakes.Messages.Shown.clear();
  QTest::keyClick(w.ui->sg1, Qt::Key_F5);  // Play: taken by the window
  QCOMPARE(w.Form.FGameState, std::uint8_t(gsPlaying));
  QVERIFY(w.Fakes.Messages.Shown.isEmpty());
  QTest::keyClick(w.ui->sg1, Qt::Key_F6);  // Show solution: taken as well
  QCOMPARE(w.Form.FGameState, std::uint8_t(gsPlayingSolution));
  QVERIFY(w.Fakes.Messages.Shown.isEmpty());
}

void TWindowTest::PreviewWorksWhicheverControlHasTheFocus() {
  TShownWindow w;
  w.Source.ForcedCount = 0;  // every attempt fails at once, with a message
  w.ui->btnFontPiu->setFocus();
  QTest::keyClick(w.ui->btnFontPiu, Qt::Key_F10);
  QCOMPARE(w.Count(QStringLiteral("ENGINE ERROR: 001")), 11);
  QCOMPARE(w.Count(QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES")), 1);
  // Sent to the window itself, too.
  w.Fakes.Messages.Shown.clear();
  QTest::keyClick(&w.Form, Qt::Key_F10);
  QCOMPARE(w.Count(QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES")), 1);
}

void TWindowTest::KeysOfOtherWindowsAreNotPreviewed() {
  TShownWindow w;
  w.Source.ForcedCount = 0;
  QWidget other;
  other.show();
  QVERIFY(QTest::qWaitForWindowExposed(&other));
  QTest::keyClick(&other, Qt::Key_F10);
  QVERIFY(w.Fakes.Messages.Shown.isEmpty());
}

void TWindowTest::ContextMenuOpensOnlyWhileAutomaticOpeningIsOn() {
  TShownWindow w;
  FillNineByNine(w.Source);
  TDrawGrid* grid = w.ui->sg1;
  w.Form.SetupGrid(3);  // visible, but still gsEmpty: the menu must not open
  emit grid->viewport()->customContextMenuRequested(QPoint(5, 5));
  QVERIFY(!w.Form.popm1->isVisible());

  w.Form.ActGeneraExecute();
  QCOMPARE(w.Form.FGameState, std::uint8_t(gsPuzzleView));
  emit grid->viewport()->customContextMenuRequested(QPoint(5, 5));
  QVERIFY(w.Form.popm1->isVisible());
  w.Form.popm1->close();
  // The menu key on the grid itself opens it as well.
  emit grid->customContextMenuRequested(QPoint(5, 5));
  QVERIFY(w.Form.popm1->isVisible());
  w.Form.popm1->close();
}

QTEST_MAIN(TWindowTest)
#include "test_window.moc"
