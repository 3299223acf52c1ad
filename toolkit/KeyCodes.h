// Translates Qt key events into the window system key codes the game's handlers work on.
#pragma once

class QKeyEvent;

// Key codes: space 32, main digits 48–57, letters 65–90 (the upper-case letter whatever Shift or
// Caps Lock), F1–F10 112–121, F12 123, numeric keypad digits 96–105. Other keys translate to codes that are
// none of these (arrows 37–40, punctuation 186–222, and so on), or 0 when the key has no code
// (dead keys, media keys).
namespace TKeyCodes {
inline constexpr int Space = 32;
inline constexpr int F1 = 112;
inline constexpr int F4 = 115;
inline constexpr int F5 = 116;
inline constexpr int F6 = 117;
inline constexpr int F7 = 118;
inline constexpr int F8 = 119;
inline constexpr int F9 = 120;
inline constexpr int F10 = 121;
inline constexpr int F12 = 123;
inline constexpr int Numpad0 = 96;
// A key that types a character outside the US punctuation keys (an accented letter, say).
inline constexpr int OtherCharacter = 223;

int FromEvent(const QKeyEvent& event);
}  // namespace TKeyCodes
