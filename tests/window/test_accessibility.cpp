// Tests of what a screen reader gets from the game window: the grid's cell names in every state,
// size and language, its focus following the arrow keys, the news of changed cells after entries
// and other changes, and a name for every control.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>
#include <array>
#include <vector>

#include "TDigitalClock.h"
#include "WindowDriver.h"

namespace {

struct TRecorded {
  QAccessible::Event type;
  int child;
  QString name;  // the name of what the event is about, as it was then
};
std::vector<TRecorded> Recorded;

void Record(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  Recorded.push_back({event->type(), event->child(), iface ? iface->text(QAccessible::Name) : ""});
}

std::vector<TRecorded> Events(QAccessible::Event type) {
  std::vector<TRecorded> found;
  for (const TRecorded& e : Recorded)
    if (e.type == type) found.push_back(e);
  return found;
}

QAccessibleInterface* Table(const TWindow& w) {
  return QAccessible::queryAccessibleInterface(w.Grid());
}
QString NameOf(const TWindow& w, QPoint cell) {
  return Table(w)->tableInterface()->cellAt(cell.y(), cell.x())->text(QAccessible::Name);
}
QString Where(QPoint cell) {
  return QStringLiteral("Row %1, column %2: ").arg(cell.y() + 1).arg(cell.x() + 1);
}
int IndexOf(const TWindow& w, QPoint cell) {
  return cell.y() * w.Game().Side() + cell.x();
}

// A cell that is not a given, a given in the same row, and a given that shares no row, column or
// box with the first.
std::array<QPoint, 3> OpenCellAndTwoGivens(const TWindow& w) {
  const TsdGame& game = w.Game();
  const QPoint open = w.FirstCell(false);
  std::array<QPoint, 3> cells{open, {-1, -1}, {-1, -1}};
  const auto box = [](QPoint cell) { return QPoint(cell.x() / 3, cell.y() / 3); };
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const QPoint cell(column, row);
      if (game.GivenGrid()[row][column] == ' ') continue;
      if (row == open.y()) cells[1] = cell;
      if (row != open.y() && column != open.x() && box(cell) != box(open)) cells[2] = cell;
    }
  }
  return cells;
}

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // What a screen reader's arrival does on a desktop: no event is sent while nobody listens.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(Record);
  }
  void init() {
    Recorded.clear();
    UILanguage = QStringLiteral("EN");
  }

  void cellsReadWhatTheGridShows_data() {
    QTest::addColumn<int>("boxSize");
    QTest::addColumn<GameState>("state");
    QTest::addColumn<bool>("italian");
    for (const int size : {3, 4, 5})
      for (const GameState state : {gsPuzzleView, gsSolutionView, gsPlaying, gsPlayingSolution})
        QTest::addRow("%dx%d state %d", size * size, size * size, int(state))
            << size << state << false;
    QTest::addRow("9x9 puzzle, Italian") << 3 << gsPuzzleView << true;
    QTest::addRow("16x16 solution, Italian") << 4 << gsPlayingSolution << true;
  }
  void cellsReadWhatTheGridShows() {
    QFETCH(int, boxSize);
    QFETCH(GameState, state);
    QFETCH(bool, italian);
    TWindow w;
    if (italian) {
      UILanguage = QStringLiteral("IT");
      w.Form->ApplyLanguage();
    }
    w.Reach(state, boxSize);
    QCOMPARE(w.Game().State(), state);
    const int side = boxSize * boxSize;
    QAccessibleInterface* table = Table(w);
    QCOMPARE(table->tableInterface()->rowCount(), side);
    QCOMPARE(table->tableInterface()->columnCount(), side);
    QCOMPARE(table->text(QAccessible::Name),
             (italian ? QStringLiteral("Griglia del Sudoku %1\u00d7%1")
                      : QStringLiteral("Sudoku grid %1\u00d7%1"))
                 .arg(side));

    const bool solution = state == gsSolutionView || state == gsPlayingSolution;
    const QPoint given = w.FirstCell(true);
    const QPoint open = w.FirstCell(false);
    const QString symbol(QLatin1Char(w.Solution(given)));
    const QString answer(QLatin1Char(w.Solution(open)));
    if (italian) {
      const QString where = QStringLiteral("Riga %1, colonna %2: ");
      QCOMPARE(NameOf(w, given),
               where.arg(given.y() + 1).arg(given.x() + 1) + symbol + ", dato iniziale");
      QCOMPARE(NameOf(w, open),
               where.arg(open.y() + 1).arg(open.x() + 1) + (solution ? answer : "vuota"));
    } else {
      QCOMPARE(NameOf(w, given), Where(given) + symbol + ", given");
      QCOMPARE(NameOf(w, open), Where(open) + (solution ? answer : "empty"));
    }
    QVERIFY(NameOf(w, {side - 1, side - 1})
                .startsWith(italian ? QStringLiteral("Riga %1, colonna %1: ").arg(side)
                                    : Where({side - 1, side - 1})));
  }

  void focusFollowsTheArrowKeys() {
    TWindow w;
    w.Reach(gsPlaying);
    QAccessibleInterface* table = Table(w);
    QTRY_VERIFY(table->focusChild() != nullptr);
    QCOMPARE(table->focusChild(), table->tableInterface()->cellAt(0, 0));
    w.Press(Qt::Key_Right);
    w.Press(Qt::Key_Down);
    w.Press(Qt::Key_Down);
    std::vector<TRecorded> focus = Events(QAccessible::Focus);
    QVERIFY(!focus.empty());
    QCOMPARE(focus.back().child, IndexOf(w, {1, 2}));
    QVERIFY2(focus.back().name.startsWith(Where({1, 2})), qPrintable(focus.back().name));
    QCOMPARE(table->focusChild(), table->tableInterface()->cellAt(2, 1));
    w.Press(Qt::Key_End);
    QVERIFY(Events(QAccessible::Focus).back().name.startsWith(Where({8, 2})));
  }

  // Every change that alters what a cell says is reported for the cells a reader read before:
  // the entry first, then the given it now conflicts with; nothing for a cell that still reads the
  // same.
  void changedCellsAreReported() {
    TWindow w;
    w.Reach(gsPlaying);
    w.Press(Qt::Key_F8);
    const auto [open, given, elsewhere] = OpenCellAndTwoGivens(w);
    QVERIFY(given.x() >= 0 && elsewhere.x() >= 0);
    for (const QPoint cell : {open, given, elsewhere}) (void)NameOf(w, cell);
    const QString symbol(QLatin1Char(w.Play(given)));
    GoToCell(w.Form.get(), open.x(), open.y());

    const auto namesReported = [&](auto step) {
      Recorded.clear();
      step();
      std::vector<std::pair<int, QString>> names;
      for (const TRecorded& e : Events(QAccessible::NameChanged))
        if (e.child >= 0) names.emplace_back(e.child, e.name);  // a cell, not the grid or a button
      return names;
    };
    using TNames = std::vector<std::pair<int, QString>>;
    QCOMPARE(namesReported([&] { w.Press(static_cast<Qt::Key>(symbol[0].unicode())); }),
             (TNames{{IndexOf(w, open), Where(open) + symbol + ", conflict"},
                     {IndexOf(w, given), Where(given) + symbol + ", given, conflict"}}));
    QCOMPARE(namesReported([&] { w.Press(Qt::Key_F8); }),
             (TNames{{IndexOf(w, open), Where(open) + symbol},
                     {IndexOf(w, given), Where(given) + symbol + ", given"}}));
    const QString answer(QLatin1Char(w.Solution(open)));
    QCOMPARE(namesReported([&] { w.Press(Qt::Key_F6); }),
             (TNames{{IndexOf(w, open), Where(open) + answer}}));
    w.Press(Qt::Key_F6);
    w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
    QCOMPARE(namesReported([&] { w.Press(Qt::Key_F5); }),
             (TNames{{IndexOf(w, open), Where(open) + "empty"}}));
    // A new puzzle of the same size: every cell read before that now reads otherwise.
    for (int cell = 0; cell < 81; ++cell) (void)NameOf(w, {cell % 9, cell / 9});
    const TNames renewed = namesReported([&] { w.Press(Qt::Key_F10); });
    QVERIFY(!renewed.empty());
    for (const auto& [child, name] : renewed) {
      const QPoint cell(child % 9, child / 9);
      QCOMPARE(name, NameOf(w, cell));
    }
  }

  // Every control a player can use reads as its caption, or, where the caption is only a sign, as
  // what the control does.
  void everyControlHasAName_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "EN";
    QTest::newRow("Italian") << "IT";
  }
  void everyControlHasAName() {
    QFETCH(QString, language);
    TWindow w;
    UILanguage = language;
    w.Form->ApplyLanguage();
    w.Reach(gsPlaying);
    const auto nameOf = [](QWidget* widget) {
      return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed();
    };
    const bool italian = language == QLatin1String("IT");
    for (QAbstractButton* button : w.Form->findChildren<QAbstractButton*>()) {
      if (!button->isVisibleTo(w.Form.get())) continue;
      const QString caption = button->text().trimmed();
      if (caption == QLatin1String("+"))
        QCOMPARE(nameOf(button), italian ? QStringLiteral("Caratteri e griglia pi\u00f9 grandi")
                                         : "Larger font and grid");
      else if (caption == QLatin1String("-"))
        QCOMPARE(nameOf(button), italian ? QStringLiteral("Caratteri e griglia pi\u00f9 piccoli")
                                         : "Smaller font and grid");
      else
        QCOMPARE(nameOf(button), caption);
    }
    for (QGroupBox* group : w.Form->findChildren<QGroupBox*>())
      if (group->isVisibleTo(w.Form.get())) QCOMPARE(nameOf(group), group->title().trimmed());
    auto* link = w.Find<QLineEdit>("cxHyperLinkEdit2");
    QCOMPARE(nameOf(link), link->text());
    auto* clock = w.Find<TDigitalClock>("Clock1");
    QCOMPARE(nameOf(clock), clock->Text());
    QVERIFY(
        !QAccessible::queryAccessibleInterface(clock)->text(QAccessible::Description).isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(w.Form.get())->role(), QAccessible::Window);
  }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
