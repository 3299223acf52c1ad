// The one place where Qt key events become the window-system key codes the game's handlers use.
#include "KeyCodes.h"

#include <QKeyEvent>

namespace TKeyCodes {
namespace {

// X11 and Wayland report the XKB keycode (evdev code + 8) as the scan code. The main number row
// "1".."9","0" is keycodes 10..19 on every layout, so it still gives the digit when the layout puts
// a symbol on the unshifted key or the user holds Shift.
constexpr int XkbKeycodeDigit1 = 10;
constexpr int XkbKeycodeDigit0 = 19;

int FromKeypad(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return Numpad0 + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Asterisk:
      return 106;
    case Qt::Key_Plus:
      return 107;
    case Qt::Key_Comma:
      return 108;
    case Qt::Key_Minus:
      return 109;
    case Qt::Key_Period:
      return 110;
    case Qt::Key_Slash:
      return 111;
    default:
      return -1;  // NumLock off: the navigation keys below apply
  }
}

int FromNamedKey(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // Qt already gives the upper case
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return F1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Space:
      return Space;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return 18;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
      return 91;
    case Qt::Key_Super_R:
      return 92;
    case Qt::Key_Menu:
      return 93;
    case Qt::Key_NumLock:
      return 144;
    case Qt::Key_ScrollLock:
      return 145;
    default:
      return 0;
  }
}

// The code of the physical key when Qt's key is a shifted or layout symbol.
int FromPhysicalKey(const QKeyEvent& event) {
#if defined(Q_OS_WIN)
  const int vk = static_cast<int>(event.nativeVirtualKey());
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return vk;
#else
  const int keycode = static_cast<int>(event.nativeScanCode());
  if (keycode >= XkbKeycodeDigit1 && keycode < XkbKeycodeDigit0) {
    return '1' + (keycode - XkbKeycodeDigit1);
  }
  if (keycode == XkbKeycodeDigit0) return '0';
#endif
  return 0;
}

// Any other key that types a character (punctuation, accented letters of the layout) still has a
// code, as on the system the key codes come from: the US punctuation keys their own, the rest the
// code of the "other character" key. They enter nothing, but they are keys like any other.
int FromCharacterKey(int key) {
  switch (key) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
      return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
      return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
      return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
      return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
      return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
      return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
      return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
      return 222;
    default:
      return key > Qt::Key_Space && key < Qt::Key_Escape ? OtherCharacter : 0;
  }
}

}  // namespace

int FromEvent(const QKeyEvent& event) {
  const int key = event.key();
  if (event.modifiers().testFlag(Qt::KeypadModifier)) {
    const int code = FromKeypad(key);
    if (code >= 0) return code;
  }
  if (const int code = FromNamedKey(key); code != 0) return code;
  if (const int code = FromPhysicalKey(event); code != 0) return code;
  return FromCharacterKey(key);
}

}  // namespace TKeyCodes
