// Tests of what a screen reader gets from the game window: the grid's cell names in every state,
// size and language, its focus following the arrow keys, the news of changed cells, and a name for
// every control.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>
#include <vector>

#include "TDigitalClock.h"
#include "WindowDriver.h"

namespace {

// The name-change and focus events sent, with the name of what each is about as it was then.
using TNames = std::vector<std::pair<int, QString>>;  // child index (−1: the object itself), name
TNames NameChanges, Focus;

void Record(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  const QString name = iface ? iface->text(QAccessible::Name) : QString();
  // Cells only: buttons and the clock change their names too.
  if (event->type() == QAccessible::NameChanged && event->child() >= 0)
    NameChanges.emplace_back(event->child(), name);
  if (event->type() == QAccessible::Focus) Focus.emplace_back(event->child(), name);
}

QAccessibleInterface* Table(const TWindow& w) {
  return QAccessible::queryAccessibleInterface(w.Grid());
}
QString NameOf(const TWindow& w, QPoint cell) {
  return Table(w)->tableInterface()->cellAt(cell.y(), cell.x())->text(QAccessible::Name);
}
QString Where(QPoint cell, bool italian = false) {
  return QString(italian ? "Riga %1, colonna %2, " : "Row %1, column %2, ")
      .arg(cell.y() + 1)
      .arg(cell.x() + 1);
}
int IndexOf(const TWindow& w, QPoint cell) {
  return cell.y() * w.Game().Side() + cell.x();
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
    NameChanges.clear();
    Focus.clear();
    UILanguage = QStringLiteral("EN");
  }

  void cellsReadWhatTheGridShows_data() {
    QTest::addColumn<int>("boxSize");
    QTest::addColumn<GameState>("state");
    QTest::addColumn<bool>("italian");
    for (const int size : {3, 4, 5})
      for (const GameState state : {gsPuzzleView, gsSolutionView, gsPlaying, gsPlayingSolution})
        QTest::addRow("%d %d", size, int(state)) << size << state << false;
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
    const int side = boxSize * boxSize;
    QAccessibleInterface* table = Table(w);
    QCOMPARE(table->tableInterface()->rowCount(), side);
    QCOMPARE(table->tableInterface()->columnCount(), side);
    QCOMPARE(
        table->text(QAccessible::Name),
        QString(italian ? "Griglia del Sudoku %1\u00d7%1" : "Sudoku grid %1\u00d7%1").arg(side));

    const bool solution = state == gsSolutionView || state == gsPlayingSolution;
    const QPoint given = w.FirstCell(true);
    const QPoint open = w.FirstCell(false);
    QCOMPARE(NameOf(w, given), Where(given, italian) + QLatin1Char(w.Solution(given)) +
                                   (italian ? ", dato iniziale" : ", given"));
    QCOMPARE(NameOf(w, open),
             Where(open, italian) + (solution  ? QString(QLatin1Char(w.Solution(open)))
                                     : italian ? "vuota"
                                               : "empty"));
    QVERIFY(NameOf(w, {side - 1, side - 1}).startsWith(Where({side - 1, side - 1}, italian)));
  }

  void focusFollowsTheArrowKeys() {
    TWindow w;
    w.Reach(gsPlaying);
    QAccessibleInterface* table = Table(w);
    QTRY_COMPARE(table->focusChild(), table->tableInterface()->cellAt(0, 0));
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down}) w.Press(key);
    QVERIFY(!Focus.empty());
    QCOMPARE(Focus.back().first, IndexOf(w, {1, 2}));
    QVERIFY2(Focus.back().second.startsWith(Where({1, 2})), qPrintable(Focus.back().second));
    QCOMPARE(table->focusChild(), table->tableInterface()->cellAt(2, 1));
    w.Press(Qt::Key_End);
    QVERIFY(Focus.back().second.startsWith(Where({8, 2})));
  }

  // Every change that alters what a cell says is reported for the cells a reader read before, the
  // entry first; nothing for a cell that still reads the same.
  void changedCellsAreReported() {
    TWindow w;
    w.Reach(gsPlaying);
    w.Press(Qt::Key_F8);
    // A cell to fill and a given of its row (every row of the test puzzles has givens).
    const QPoint open = w.FirstCell(false);
    QPoint given(-1, open.y());
    for (int column = 0; column < 9; ++column)
      if (w.Game().GivenGrid()[open.y()][column] != ' ') given.setX(column);
    QVERIFY(given.x() >= 0);
    for (const QPoint cell : {open, given}) (void)NameOf(w, cell);
    const QString symbol(QLatin1Char(w.Play(given)));
    GoToCell(w.Form.get(), open.x(), open.y());
    const auto reported = [&](Qt::Key key) {
      NameChanges.clear();
      w.Press(key);
      return NameChanges;
    };

    QCOMPARE(reported(static_cast<Qt::Key>(symbol[0].unicode())),
             (TNames{{IndexOf(w, open), Where(open) + symbol + ", conflict"},
                     {IndexOf(w, given), Where(given) + symbol + ", given, conflict"}}));
    QCOMPARE(reported(Qt::Key_F8),
             (TNames{{IndexOf(w, open), Where(open) + symbol},
                     {IndexOf(w, given), Where(given) + symbol + ", given"}}));
    QCOMPARE(reported(Qt::Key_F6),
             (TNames{{IndexOf(w, open), Where(open) + QLatin1Char(w.Solution(open))}}));
    w.Press(Qt::Key_F6);
    w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
    QCOMPARE(reported(Qt::Key_F5), (TNames{{IndexOf(w, open), Where(open) + "empty"}}));

    // A new puzzle: the cells that read otherwise now, each with its new name.
    for (int cell = 0; cell < 81; ++cell) (void)NameOf(w, {cell % 9, cell / 9});
    const TNames renewed = reported(Qt::Key_F10);
    QVERIFY(!renewed.empty());
    for (const auto& [child, name] : renewed) QCOMPARE(name, NameOf(w, {child % 9, child / 9}));
  }

  // Every control reads as its caption, or, where the caption is only a sign, as what it does.
  void everyControlHasAName_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("larger");
    QTest::addColumn<QString>("smaller");
    QTest::addColumn<QString>("grid9");  // the size choices name the grid, not the box
    QTest::newRow("English") << "EN"
                             << "Larger font and grid"
                             << "Smaller font and grid"
                             << "9\u00d79 grid, 3\u00d73 boxes";
    QTest::newRow("Italian") << "IT"
                             << "Caratteri e griglia pi\u00f9 grandi"
                             << "Caratteri e griglia pi\u00f9 piccoli"
                             << "Griglia 9\u00d79, riquadri 3\u00d73";
  }
  void everyControlHasAName() {
    QFETCH(QString, language);
    QFETCH(QString, larger);
    QFETCH(QString, smaller);
    QFETCH(QString, grid9);
    TWindow w;
    UILanguage = language;
    w.Form->ApplyLanguage();
    w.Reach(gsPlaying);
    const auto nameOf = [](QWidget* widget) {
      return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed();
    };
    const QMap<QString, QString> signs{{"+", larger}, {"-", smaller}};
    for (QAbstractButton* button : w.Form->findChildren<QAbstractButton*>()) {
      const QString caption = button->text().trimmed();
      if (!button->isVisibleTo(w.Form.get())) continue;
      // A button showing only a sign is named by its tooltip, which says its key.
      if (button->parentWidget() != w.Form->findChild<QWidget*>("cbg1"))
        QCOMPARE(nameOf(button),
                 caption.isEmpty() ? button->toolTip() : signs.value(caption, caption));
      else if (caption == QLatin1String("3x3"))
        QCOMPARE(nameOf(button), grid9);
      else  // 16×16 and 25×25 the same way
        QVERIFY2(nameOf(button).contains(QChar(0xd7)), qPrintable(nameOf(button)));
    }
    for (QGroupBox* group : w.Form->findChildren<QGroupBox*>())
      if (group->isVisibleTo(w.Form.get())) QCOMPARE(nameOf(group), group->title().trimmed());
    auto* link = w.Find<QLineEdit>("cxHyperLinkEdit2");
    QCOMPARE(nameOf(link), link->text());
    auto* clock = w.Find<TDigitalClock>("Clock1");
    QCOMPARE(nameOf(clock), clock->Text());
    QCOMPARE(QAccessible::queryAccessibleInterface(w.Form.get())->role(), QAccessible::Window);
  }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
