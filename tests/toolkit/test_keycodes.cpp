// Key codes from Qt key events: letters whatever Shift, digits from the main row and the keypad,
// function keys, and the physical digit key when the layout reports a symbol.
#include <QKeyEvent>
#include <QTest>

#include "KeyCodes.h"

class TestKeyCodes : public QObject {
  Q_OBJECT

 private slots:
  void translates_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<int>("code");
    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("space") << int(Qt::Key_Space) << none << 65u << 32;
    QTest::newRow("A") << int(Qt::Key_A) << none << 38u << 65;
    QTest::newRow("shift A") << int(Qt::Key_A) << shift << 38u << 65;
    QTest::newRow("Z") << int(Qt::Key_Z) << none << 52u << 90;
    QTest::newRow("0") << int(Qt::Key_0) << none << 19u << 48;
    QTest::newRow("9") << int(Qt::Key_9) << none << 18u << 57;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << 90u << 96;
    QTest::newRow("keypad 9") << int(Qt::Key_9) << keypad << 81u << 105;
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << keypad << 63u << 106;
    QTest::newRow("keypad /") << int(Qt::Key_Slash) << keypad << 106u << 111;
    QTest::newRow("keypad home, NumLock off") << int(Qt::Key_Home) << keypad << 79u << 36;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << 67u << 112;
    QTest::newRow("F4") << int(Qt::Key_F4) << none << 70u << 115;
    QTest::newRow("F10") << int(Qt::Key_F10) << none << 76u << 121;
    QTest::newRow("shift F5") << int(Qt::Key_F5) << shift << 71u << 116;
    QTest::newRow("left") << int(Qt::Key_Left) << none << 113u << 37;
    QTest::newRow("down") << int(Qt::Key_Down) << none << 116u << 40;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << shift << 50u << 16;
    QTest::newRow("US shift 1 is !") << int(Qt::Key_Exclam) << shift << 10u << 49;
    QTest::newRow("US shift 0 is )") << int(Qt::Key_ParenRight) << shift << 19u << 48;
    QTest::newRow("IT shift 3 is pound") << int(Qt::Key_sterling) << shift << 12u << 51;
    QTest::newRow("FR 2 is e acute") << int(Qt::Key_Eacute) << none << 11u << 50;
    QTest::newRow("IT e grave, no digit") << int(Qt::Key_Egrave) << none << 34u << 223;
    QTest::newRow("minus, no digit") << int(Qt::Key_Minus) << none << 20u << 189;
    QTest::newRow("comma") << int(Qt::Key_Comma) << none << 59u << 188;
    QTest::newRow("symbol without scan code") << int(Qt::Key_Exclam) << shift << 0u << 223;
    QTest::newRow("right Windows key") << int(Qt::Key_Super_R) << none << 134u << 92;
    QTest::newRow("dead key has no code") << int(Qt::Key_Dead_Grave) << none << 49u << 0;
  }
  void translates() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(quint32, scanCode);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode, 0, 0);
    QCOMPARE(TKeyCodes::FromEvent(event), code);
  }
};

QTEST_MAIN(TestKeyCodes)
#include "test_keycodes.moc"
