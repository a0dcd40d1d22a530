// Virtual-key codes and the shift mask the key handler works with.
#pragma once

namespace sonarch::key {

constexpr short Tab = 9;
constexpr short Enter = 13;
constexpr short Shift = 16;
constexpr short Ctrl = 17;
constexpr short Alt = 18;
constexpr short Escape = 27;
constexpr short Space = 32;
constexpr short Left = 37;
constexpr short Up = 38;
constexpr short Right = 39;
constexpr short Down = 40;
constexpr short Digit0 = 48;
constexpr short Digit1 = 49;
constexpr short LetterA = 65;
constexpr short B = 66;
constexpr short D = 68;
constexpr short J = 74;
constexpr short S = 83;
constexpr short X = 88;
constexpr short Z = 90;
constexpr short Keypad0 = 96;
constexpr short F1 = 112;
constexpr short F9 = 120;
constexpr short F10 = 121;
constexpr short F11 = 122;
constexpr short F12 = 123;
constexpr short Comma = 188;
constexpr short Period = 190;
constexpr short Grave = 192;

// Shift mask bits; the handler always compares whole masks.
constexpr short ShiftMask = 1;
constexpr short CtrlMask = 2;
constexpr short AltMask = 4;

}  // namespace sonarch::key
