// The real main window on fake services, and the steps a player takes, all through what the
// window shows: keys go through its platform window (the way a user's key comes), clicks go to
// the controls found by their names, and the game is read from the model the window shows.
#pragma once

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <memory>
#include <optional>

#include "Fakes.h"
#include "Language.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"

using enum GameState;

// The platform window's key path: press and release, as the window system delivers them.
inline void PressKey(QWidget* form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(form->windowHandle(), key, modifiers);
}

// A key as the platform reports it, with the physical key's scan code.
inline void PressNativeKey(QWidget* form, Qt::Key key, Qt::KeyboardModifiers modifiers,
                           quint32 scanCode) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, modifiers, scanCode, 0, 0);
    QApplication::sendEvent(form->windowHandle(), &event);
  }
}

inline TDrawGrid* GridOf(const QWidget* form) {
  return form->findChild<TDrawGrid*>(QStringLiteral("sg1"));
}

// Selects a box size in cbg1 as a player does, with a click on its item.
inline void ChooseSize(const QWidget* form, int boxSize) {
  auto* item = form->findChild<QRadioButton*>(QStringLiteral("cbg1Item%1").arg(boxSize - 3));
  QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, item->rect().center());
}

// Makes a cell current the way the arrow keys and clicks do, through the grid's own current cell
// (which scrolls it into view), and gives the grid the focus.
inline void GoToCell(const QWidget* form, int column, int row) {
  TDrawGrid* grid = GridOf(form);
  grid->setFocus();
  grid->SetCurrentCell(column, row);
}

struct TWindow {
  TFakeServices Fakes;
  TFakePuzzleSource Source;
  std::unique_ptr<TfrmSudoku> Form;

  // Shown (its first show runs) and active, so the grid can take the focus as for a user. `kept`:
  // the game the store holds from an earlier run.
  explicit TWindow(const IPuzzleSource* puzzles = nullptr,
                   std::optional<QByteArray> kept = std::nullopt)
      : Puzzles(puzzles) {
    Fakes.Store.Kept = std::move(kept);
    Open();
  }
  ~TWindow() {
    if (Form) Form->close();
  }
  // The player closes the window and starts the game again: a new window on the same services,
  // and so on the game they kept.
  void Restart() {
    Form->close();
    Form.reset();
    Open();
  }

  void Open() {
    Form = std::make_unique<TfrmSudoku>(Fakes.Services(), Puzzles ? *Puzzles : Source);
    // Open answers with ChosenFile instead of the system's dialog.
    Form->SetFileChooser([this](QWidget*) { return ChosenFile; });
    Form->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
    Form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    QCoreApplication::processEvents();  // what the window does once it is up: the resume question
  }
  const IPuzzleSource* Puzzles = nullptr;
  QString ChosenFile;

  const TsdGame& Game() const { return Form->Game(); }
  TDrawGrid* Grid() const { return GridOf(Form.get()); }
  template <typename T = QWidget>
  T* Find(const char* name) const {
    return Form->findChild<T*>(QString::fromLatin1(name));
  }
  QAction* Action(const char* name) const { return Find<QAction>(name); }
  QMenu* Menu() const { return Find<QMenu>("popm1"); }
  QStringList& Messages() { return Fakes.Messages.Shown; }

  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    PressKey(Form.get(), key, modifiers);
  }
  void Generate(int boxSize) {
    ChooseSize(Form.get(), boxSize);
    Press(Qt::Key_F10);
  }
  // Brings the window into a state through the keys a player uses: F10, then F5 and F6 as needed.
  void Reach(GameState state, int boxSize = 3) {
    if (state == gsEmpty) return;
    Generate(boxSize);
    if (state == gsSolutionView) Press(Qt::Key_F6);
    if (state == gsPlaying || state == gsPlayingSolution) Press(Qt::Key_F5);
    if (state == gsPlayingSolution) Press(Qt::Key_F6);
  }
  // A left click in the middle of a cell in view.
  void ClickCell(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Grid()->viewport(), button, Qt::NoModifier,
                      Grid()->CellRect(column, row).center());
  }

  // The first cell, row by row, that is (or is not) a given.
  QPoint FirstCell(bool given) const {
    const int side = Game().Side();
    for (int row = 0; row < side; ++row)
      for (int column = 0; column < side; ++column)
        if ((Game().GivenGrid()[row][column] != ' ') == given) return {column, row};
    return {-1, -1};
  }
  char Play(QPoint cell) const { return Game().PlayGrid()[cell.y()][cell.x()]; }
  char Solution(QPoint cell) const { return Game().SolutionGrid()[cell.y()][cell.x()]; }

  QStringList MenuCaptions() const {
    QStringList captions;
    for (QAction* item : Menu()->actions()) captions << item->text();
    return captions;
  }
  QAction* MenuItem(const QString& caption) const {
    for (QAction* item : Menu()->actions())
      if (item->text() == caption) return item;
    return nullptr;
  }
};
