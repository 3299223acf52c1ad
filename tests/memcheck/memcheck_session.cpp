// A scripted game session for the leak check: every size generated from the shipped catalogue,
// played with keys, clicks, the context menu, notes, undo and redo, printed to PDF, quit; a game
// left in a closed window, resumed in a new one and quit; and the window closed.
// `make memcheck` runs it under valgrind; it also runs on its own and exits 0 when the session
// went as a player would expect.
#include <QContextMenuEvent>
#include <QTextStream>

#include "Tfrmhlpi.h"
#include "WindowDriver.h"

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
  PressKey(&form, key);
  QApplication::processEvents();
}

// Clicks a cell and types its answer, as a player does.
void Answer(TfrmSudoku& form, int column, int row) {
  TDrawGrid* grid = GridOf(&form);
  grid->SetCurrentCell(column, row);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                    grid->CellRect(column, row).center());
  Press(form, static_cast<Qt::Key>(form.Game().SolutionGrid()[row][column]));
}

void PlayOneSize(TfrmSudoku& form, TFakeServices& fakes, int sizeIndex, const QString& pdf) {
  const int boxSize = 3 + sizeIndex;
  const TsdGame& game = form.Game();
  ChooseSize(&form, boxSize);
  Press(form, Qt::Key_F10);
  Expect(game.State() == gsPuzzleView && game.Board() && game.Board()->GetDimension() == boxSize,
         QStringLiteral("Generate at box size %1").arg(boxSize));
  if (!game.Board()) return;
  Press(form, Qt::Key_F6);
  Press(form, Qt::Key_F6);
  Press(form, Qt::Key_F5);
  Expect(game.State() == gsPlaying, QStringLiteral("Play at box size %1").arg(boxSize));

  const int side = game.Side();
  int typed = 0;
  for (int row = 0; row < side && typed < side; ++row)
    for (int column = 0; column < side && typed < side; ++column)
      if (game.GivenGrid()[row][column] == ' ') {
        Answer(form, column, row);
        ++typed;
      }
  // Notes in the next open cells, one undone and redone, and an entry that takes some out.
  Press(form, Qt::Key_F2);
  int noted = 0;
  for (int row = 0; row < side && noted < 3; ++row)
    for (int column = 0; column < side && noted < 3; ++column)
      if (game.PlayGrid()[row][column] == ' ') {
        GridOf(&form)->SetCurrentCell(column, row);
        for (int k = 0; k < 3; ++k) Press(form, static_cast<Qt::Key>(game.Symbols()[k]));
        ++noted;
      }
  PressKey(&form, Qt::Key_Z, Qt::ControlModifier);
  PressKey(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  Press(form, Qt::Key_F2);
  Press(form, static_cast<Qt::Key>(game.Symbols()[0]));
  Expect(game.CanUndo(), QStringLiteral("notes and undo at box size %1").arg(boxSize));
  Press(form, Qt::Key_F8);  // conflicts marked
  Press(form, Qt::Key_F9);  // timer hidden
  Press(form, Qt::Key_F4);  // hint
  Press(form, Qt::Key_F9);

  // The context menu on the current cell: its delete item.
  TDrawGrid* grid = GridOf(&form);
  QWidget* viewport = grid->viewport();
  const QPoint at = grid->CellRect(grid->Col(), grid->Row()).center();
  QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, at);
  QContextMenuEvent request(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
  QApplication::sendEvent(viewport, &request);
  auto* menu = form.findChild<QMenu*>(QStringLiteral("popm1"));
  Expect(menu->isVisible(), QStringLiteral("context menu at box size %1").arg(boxSize));
  if (menu->isVisible() && !menu->actions().isEmpty()) {
    QAction* first = menu->actions().first();
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(first).center());
  }
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  form.activateWindow();

  // Print to PDF, then the rest of the puzzle to completion.
  fakes.PrintDialog.Confirm = true;
  fakes.PrintDialog.OutputFile = pdf;
  Press(form, Qt::Key_F7);
  for (int row = 0; row < side; ++row)
    for (int column = 0; column < side; ++column)
      if (game.PlayGrid()[row][column] != game.SolutionGrid()[row][column])
        Answer(form, column, row);
  Expect(!fakes.Messages.Shown.isEmpty() &&
             fakes.Messages.Shown.last().startsWith(QLatin1String("Congratulations")),
         QStringLiteral("completion at box size %1").arg(boxSize));

  // Quit refused, then confirmed.
  fakes.Confirm.Script = {TConfirmAnswer::No, TConfirmAnswer::Yes};
  Press(form, Qt::Key_F5);
  Expect(game.State() == gsPlaying, QStringLiteral("quit refused at box size %1").arg(boxSize));
  Press(form, Qt::Key_F5);
  Expect(game.State() == gsPuzzleView,
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

    // A game left in a closed window comes back in a new one.
    Press(*form, Qt::Key_F5);
    Answer(*form, form->Game().CurrentColumn(), form->Game().CurrentRow());
    form->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Expect(fakes.Store.Kept.has_value(), QStringLiteral("the game kept when the window closed"));
    fakes.Confirm.Script = {TConfirmAnswer::Yes, TConfirmAnswer::Yes};
    form = new TfrmSudoku(fakes.Services(), BuiltInPuzzles());
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->SetWaterMark([&holder] { return holder.WaterMark(); });
    form->show();
    form->activateWindow();
    QApplication::processEvents();
    Expect(form->Game().State() == gsPlaying, QStringLiteral("the game resumed"));
    Press(*form, Qt::Key_F5);
    Expect(!fakes.Store.Kept, QStringLiteral("the resumed game quit and forgotten"));

    // Closing the window ends the session, as the close button does.
    form->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  Out() << "memcheck session: " << (Failures == 0 ? "done" : "FAILED") << Qt::endl;
  return Failures == 0 ? 0 : 1;
}
