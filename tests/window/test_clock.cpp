// The game's one clock: the panel, the congratulation and the kept game tell the same time, to the
// second, whatever the wall clock does (a daylight-saving change, a jump while playing, a change
// back while the game is closed) and past a day.
#include <QRegularExpression>
#include <ctime>

#include "TDigitalClock.h"
#include "WindowDriver.h"

namespace {

// What happens between Play and the last entry.
struct TEvent {
  enum class TKind { Play, WallClock, Restart } kind;
  qint64 seconds;  // Play: time played; WallClock: the wall clock moved alone; Restart: time closed
};
using TEvents = QList<TEvent>;

qint64 KeptSeconds(const TWindow& w) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("\nelapsed-ms (\\d+)\n")).match(*w.Fakes.Store.Kept);
  return m.hasMatch() ? m.captured(1).toLongLong() / 1000 : -1;
}

}  // namespace

Q_DECLARE_METATYPE(TEvents)

class TestClock : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // A zone with daylight saving; 2024-03-31 02:00 does not exist there (clocks go to 03:00).
    qputenv("TZ", "Europe/Rome");
    tzset();
  }
  void init() { UILanguage = QStringLiteral("EN"); }

  void oneTimeEverywhere_data() {
    using enum TEvent::TKind;
    QTest::addColumn<TEvents>("events");
    QTest::addColumn<qint64>("played");
    QTest::newRow("an hour across the spring change") << TEvents{{Play, 3600}} << qint64(3600);
    QTest::newRow("the wall clock jumps a day ahead while playing")
        << TEvents{{Play, 600}, {WallClock, 86400}, {Play, 5}} << qint64(605);
    QTest::newRow("the wall clock goes back while the game is closed")
        << TEvents{{Play, 125}, {Restart, -86400}, {Play, 61}} << qint64(186);
    QTest::newRow("past a day") << TEvents{{Play, 25 * 3600 + 7}} << qint64(25 * 3600 + 7);
    QTest::newRow("past a day, resumed")
        << TEvents{{Play, 23 * 3600}, {Restart, 3600}, {Play, 2 * 3600 + 1}}
        << qint64(25 * 3600 + 1);
  }
  void oneTimeEverywhere() {
    QFETCH(TEvents, events);
    QFETCH(qint64, played);
    TWindow w(&BuiltInPuzzles());  // a resumed puzzle must have one solution
    w.Fakes.Time.Current = QDateTime(QDate(2024, 3, 31), QTime(1, 30));
    w.Reach(gsPlaying);
    for (const TEvent& e : events) {
      switch (e.kind) {
        case TEvent::TKind::Play:
          w.Fakes.Time.AdvanceSeconds(e.seconds);
          break;
        case TEvent::TKind::WallClock:
          w.Fakes.Time.Current = w.Fakes.Time.Current.addSecs(e.seconds);
          break;
        case TEvent::TKind::Restart:
          // Another run: the monotonic clock starts afresh, the wall clock is wherever it is.
          w.Form->close();
          w.Form.reset();
          w.Fakes.Time.Current = w.Fakes.Time.Current.addSecs(e.seconds);
          w.Fakes.Time.Monotonic = 1000;
          w.Fakes.Confirm.Script = {TConfirmAnswer::Yes};
          w.Open();
          QCOMPARE(w.Game().State(), gsPlaying);
          break;
      }
    }
    // Every open cell but the last, then the last: the congratulation.
    QPoint last(-1, -1);
    for (int row = 0; row < 9; ++row)
      for (int column = 0; column < 9; ++column)
        if (w.Game().GivenGrid()[row][column] == ' ') {
          if (last.x() >= 0) {
            GoToCell(w.Form.get(), last.x(), last.y());
            w.Press(Qt::Key(w.Solution(last)));
          }
          last = {column, row};
        }
    auto* clock = w.Find<TDigitalClock>("Clock1");
    clock->Refresh();
    QCOMPARE(clock->Text(), TDigitalClock::Format(played * 1000));
    QCOMPARE(KeptSeconds(w), played);
    QVERIFY(w.Messages().isEmpty());
    GoToCell(w.Form.get(), last.x(), last.y());
    w.Press(Qt::Key(w.Solution(last)));
    QCOMPARE(w.Messages(),
             QStringList{QStringLiteral(
                             "Congratulations !\r\nYou've successfully completed\r\nthe "
                             "Sudoku puzzle in:%1: hours, :%2 min. and %3 seconds.\r\nA new best "
                             "time for 9x9, level Simple!")
                             .arg(played / 3600)
                             .arg(played / 60 % 60)
                             .arg(played % 60)});
    // Finished, the game is no longer kept.
    QVERIFY(!w.Fakes.Store.Kept);
  }
};

QTEST_MAIN(TestClock)
#include "test_clock.moc"
