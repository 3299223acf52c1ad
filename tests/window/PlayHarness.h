// A shown main window on fake services, with valid puzzles of every size made on the spot, and
// the few steps the play tests share: generate, play, move the cell, type a key.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <memory>
#include <string>

#include "Fakes.h"
#include "KeyCodes.h"
#include "Language.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"
#include "TsdRandom.h"
#include "ui_TfrmSudoku.h"

namespace PlayHarness {

inline std::string SymbolsOf(int boxSize) {
  switch (boxSize) {
    case 3:
      return "123456789";
    case 4:
      return "0123456789ABCDEF";
    default:
      return "ABCDEFGHIJKLMNOPQRSTUVWXY";
  }
}

// A valid solution by the band-shift pattern, and a puzzle that keeps every cell whose
// (row + 2·column) mod 3 is 0: about a third of the cells, spread over every row and column.
inline std::pair<std::string, std::string> MakePair(int boxSize) {
  const int side = boxSize * boxSize;
  const std::string symbols = SymbolsOf(boxSize);
  std::string solution;
  std::string puzzle;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      const char ch =
          symbols[static_cast<std::size_t>((row * boxSize + row / boxSize + column) % side)];
      solution += ch;
      puzzle += (row + 2 * column) % 3 == 0 ? ch : '?';
    }
  }
  return {puzzle, solution};
}

// A catalogue holding one valid level-"E" pair of each size.
inline void FillValid(TFakePuzzleSource& source) {
  for (int boxSize = 3; boxSize <= 5; ++boxSize) source.Pairs[{boxSize, 'E'}] = {MakePair(boxSize)};
}

struct TWindow {
  TFakeServices Fakes;
  TFakePuzzleSource Source;
  std::unique_ptr<TfrmSudoku> Form;

  // Shows the window (its first show runs) and makes it the active window, so the grid can take
  // the focus the way it does for a user.
  explicit TWindow(bool validCatalogue = true) {
    if (validCatalogue) FillValid(Source);
    Form = std::make_unique<TfrmSudoku>(Fakes.Services(), Source);
    Form->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
    Form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  }
  ~TWindow() {
    if (Form) Form->close();
  }

  Ui::TfrmSudoku* Ui() const { return Form->ui; }
  TDrawGrid* Grid() const { return Form->ui->sg1; }
  QStringList& Messages() { return Fakes.Messages.Shown; }

  // Generate for box size 3, 4 or 5 through F10, the way a user asks for a puzzle.
  void Generate(int boxSize) {
    Ui()->cbg1->SetItemIndex(boxSize - 3);
    Press(Qt::Key_F10);
  }
  void GenerateAndPlay(int boxSize) {
    Generate(boxSize);
    Press(Qt::Key_F5);
  }

  // Brings the window into a state through the keys a player uses: F10, then F5 and F6 as needed.
  void Reach(std::uint8_t state, int boxSize = 3) {
    if (state == gsEmpty) return;
    Generate(boxSize);
    if (state == gsSolutionView) Press(Qt::Key_F6);
    if (state == gsPlaying || state == gsPlayingSolution) Press(Qt::Key_F5);
    if (state == gsPlayingSolution) Press(Qt::Key_F6);
  }

  // A key press and release at the focused widget, through the window's key preview.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) target = Form.get();
    QTest::keyClick(target, key, modifiers);
  }
  // A key typed as the platform reports it, with the physical key's scan code.
  void PressNative(Qt::Key key, Qt::KeyboardModifiers modifiers, quint32 scanCode,
                   const QString& text = QString()) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) target = Form.get();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, scanCode, 0, 0, text);
    QApplication::sendEvent(target, &release);
  }

  // Moves the current cell with the arrow keys, as a player does, after giving the grid the focus
  // (a player clicks it first). False when an arrow does not move the cell, so a caller's loop can
  // never spin for ever.
  bool MoveTo(int column, int row) {
    if (!Grid()->hasFocus()) Grid()->setFocus();
    while (Grid()->Col() != column || Grid()->Row() != row) {
      const QPoint before(Grid()->Col(), Grid()->Row());
      if (Grid()->Col() > column)
        Press(Qt::Key_Left);
      else if (Grid()->Col() < column)
        Press(Qt::Key_Right);
      else if (Grid()->Row() > row)
        Press(Qt::Key_Up);
      else
        Press(Qt::Key_Down);
      if (QPoint(Grid()->Col(), Grid()->Row()) == before) return false;
    }
    return true;
  }

  // The first cell, row by row, that is not a given.
  QPoint FirstOpenCell() const {
    const int side = Form->FBoard->GetSide();
    for (int row = 0; row < side; ++row)
      for (int column = 0; column < side; ++column)
        if (Form->FGivenGrid[row][column] == ' ') return {column, row};
    return {-1, -1};
  }
  QPoint FirstGivenCell() const {
    const int side = Form->FBoard->GetSide();
    for (int row = 0; row < side; ++row)
      for (int column = 0; column < side; ++column)
        if (Form->FGivenGrid[row][column] != ' ') return {column, row};
    return {-1, -1};
  }

  QStringList MenuCaptions() const {
    QStringList captions;
    for (QAction* item : Form->popm1->actions()) captions << item->text();
    return captions;
  }
  QAction* MenuItem(const QString& caption) const {
    for (QAction* item : Form->popm1->actions())
      if (item->text() == caption) return item;
    return nullptr;
  }
};

}  // namespace PlayHarness
