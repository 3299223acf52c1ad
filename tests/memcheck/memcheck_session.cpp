// A scripted game session for the leak check: every size generated from the shipped catalogue,
// played with keys, clicks and the context menu, printed to PDF, quit, and the window closed.
// `make memcheck` runs it under valgrind; it also runs on its own and exits 0 when the session
// went as a player would expect.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTextStream>

#include "Fakes.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"
#include "Tfrmhlpi.h"
#include "ui_TfrmSudoku.h"

namespace {

QTextStream& Out() {
  static QTextStream out(stdout);
  return out;
}

int Failures = 0;

void Expect(bool condition, const QString& what) {
  if (!condition) {
    Out() << "memcheck session: FAILED: " << what << Qt::endl;
    ++Failures;
  }
}

void Press(TfrmSudoku& form, Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target ? target : &form, key);
  QApplication::processEvents();
}

// Clicks a cell and types its answer, as a player does.
void Answer(TfrmSudoku& form, int column, int row) {
  TDrawGrid* grid = form.ui->sg1;
  grid->SetCurrentCell(column, row);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                    grid->CellRect(column, row).center());
  Press(form, static_cast<Qt::Key>(form.FSolutionGrid[row][column]));
}

void PlayOneSize(TfrmSudoku& form, TFakeServices& fakes, int sizeIndex, const QString& pdf) {
  const int boxSize = 3 + sizeIndex;
  form.ui->cbg1->SetItemIndex(sizeIndex);
  Press(form, Qt::Key_F10);
  Expect(form.FGameState == gsPuzzleView && form.FBoard && form.FBoard->GetDimension() == boxSize,
         QStringLiteral("Generate at box size %1").arg(boxSize));
  if (!form.FBoard) return;
  Press(form, Qt::Key_F6);
  Press(form, Qt::Key_F6);
  Press(form, Qt::Key_F5);
  Expect(form.FGameState == gsPlaying, QStringLiteral("Play at box size %1").arg(boxSize));

  const int side = form.FBoard->GetSide();
  int typed = 0;
  for (int row = 0; row < side && typed < side; ++row)
    for (int column = 0; column < side && typed < side; ++column)
      if (form.FGivenGrid[row][column] == ' ') {
        Answer(form, column, row);
        ++typed;
      }
  Press(form, Qt::Key_F8);  // conflicts marked
  Press(form, Qt::Key_F9);  // timer hidden
  Press(form, Qt::Key_F4);  // hint
  Press(form, Qt::Key_F9);

  // The context menu on the current cell: its delete item.
  QWidget* viewport = form.ui->sg1->viewport();
  const QPoint at = form.ui->sg1->CellRect(form.ui->sg1->Col(), form.ui->sg1->Row()).center();
  QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, at);
  QContextMenuEvent request(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
  QApplication::sendEvent(viewport, &request);
  Expect(form.popm1->isVisible(), QStringLiteral("context menu at box size %1").arg(boxSize));
  if (form.popm1->isVisible() && !form.popm1->actions().isEmpty()) {
    QAction* first = form.popm1->actions().first();
    QTest::mouseClick(form.popm1, Qt::LeftButton, Qt::NoModifier,
                      form.popm1->actionGeometry(first).center());
  }
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  form.activateWindow();

  // Print to PDF, then the rest of the puzzle to completion.
  fakes.PrintDialog.Confirm = true;
  fakes.PrintDialog.OutputFile = pdf;
  Press(form, Qt::Key_F7);
  for (int row = 0; row < side; ++row)
    for (int column = 0; column < side; ++column)
      if (form.FPlayGrid[row][column] != form.FSolutionGrid[row][column]) Answer(form, column, row);
  Expect(!fakes.Messages.Shown.isEmpty() &&
             fakes.Messages.Shown.last().startsWith(QLatin1String("Congratulations")),
         QStringLiteral("completion at box size %1").arg(boxSize));

  // Quit refused, then confirmed.
  fakes.Confirm.Script = {TConfirmAnswer::No, TConfirmAnswer::Yes};
  Press(form, Qt::Key_F5);
  Expect(form.FGameState == gsPlaying, QStringLiteral("quit refused at box size %1").arg(boxSize));
  Press(form, Qt::Key_F5);
  Expect(form.FGameState == gsPuzzleView,
         QStringLiteral("quit confirmed at box size %1").arg(boxSize));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessamond"));
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

  {
    TFakeServices fakes;
    auto* form = new TfrmSudoku(fakes.Services(), BuiltInPuzzles());
    form->setAttribute(Qt::WA_DeleteOnClose);
    Tfrmhlpi holder;
    form->SetWaterMark([&holder] { return holder.WaterMark(); });
    form->show();
    form->activateWindow();
    QApplication::processEvents();

    for (int sizeIndex = 0; sizeIndex < 3; ++sizeIndex) {
      PlayOneSize(*form, fakes, sizeIndex,
                  folder + QStringLiteral("/memcheck-%1.pdf").arg(sizeIndex + 3));
    }
    Press(*form, Qt::Key_F1);
    Expect(fakes.Urls.Opened.size() == 1, QStringLiteral("help opened once"));

    // Closing the window ends the session, as the close button does.
    form->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  Out() << "memcheck session: " << (Failures == 0 ? "done" : "FAILED") << Qt::endl;
  return Failures == 0 ? 0 : 1;
}
