// Every key code of the game and its hosts, named once: Windows virtual-key
// codes, which the key handler works with, and the shift mask beside them.
#pragma once

namespace sonarch {

// One key as the key handler receives it.
struct KeyStroke {
    short code = 0;
    short shift = 0;
};

namespace key {

constexpr short Backspace = 8;
constexpr short Tab = 9;
constexpr short Clear = 12;  // keypad 5 with Num Lock off
constexpr short Enter = 13;
constexpr short Shift = 16;
constexpr short Ctrl = 17;
constexpr short Alt = 18;
constexpr short Pause = 19;
constexpr short CapsLock = 20;
constexpr short Escape = 27;
constexpr short Space = 32;
constexpr short PageUp = 33;
constexpr short PageDown = 34;
constexpr short End = 35;
constexpr short Home = 36;
constexpr short Left = 37;
constexpr short Up = 38;
constexpr short Right = 39;
constexpr short Down = 40;
constexpr short PrintScreen = 44;
constexpr short Insert = 45;
constexpr short Delete = 46;
constexpr short Digit0 = 48;  // the digits are '0'..'9'
constexpr short Digit1 = 49;
constexpr short LetterA = 65;  // the letters are 'A'..'Z'
constexpr short A = 65;
constexpr short B = 66;
constexpr short C = 67;
constexpr short D = 68;
constexpr short F = 70;
constexpr short G = 71;
constexpr short H = 72;
constexpr short J = 74;
constexpr short L = 76;
constexpr short M = 77;
constexpr short N = 78;
constexpr short O = 79;
constexpr short P = 80;
constexpr short S = 83;
constexpr short X = 88;
constexpr short Z = 90;
constexpr short LeftWindows = 91;
constexpr short RightWindows = 92;
constexpr short Menu = 93;
constexpr short Keypad0 = 96;  // keypad digits 96..105
constexpr short KeypadMultiply = 106;
constexpr short KeypadPlus = 107;
constexpr short KeypadMinus = 109;
constexpr short KeypadDecimal = 110;
constexpr short KeypadDivide = 111;
constexpr short F1 = 112;  // F1..F24 are 112..135
constexpr short F2 = 113;
constexpr short F3 = 114;
constexpr short F4 = 115;
constexpr short F9 = 120;
constexpr short F10 = 121;
constexpr short F11 = 122;
constexpr short F12 = 123;
constexpr short F13 = 124;
constexpr short NumLock = 144;
constexpr short ScrollLock = 145;
constexpr short Semicolon = 186;
constexpr short Equals = 187;
constexpr short Comma = 188;
constexpr short Minus = 189;
constexpr short Period = 190;
constexpr short Slash = 191;
constexpr short Grave = 192;  // the key left of 1
constexpr short LeftBracket = 219;
constexpr short Backslash = 220;
constexpr short RightBracket = 221;
constexpr short Apostrophe = 222;
constexpr short ExtraBackslash = 226;  // the key beside left Shift on European keyboards
// A code Windows leaves unassigned, for the terminal's Backspace: it erases in
// a search and stands in for Ctrl everywhere else, as the terminal cannot
// send Ctrl on its own.
constexpr short TerminalBackspace = 232;

// Shift mask bits; the handler always compares whole masks.
constexpr short ShiftMask = 1;
constexpr short CtrlMask = 2;
constexpr short AltMask = 4;

}  // namespace key
}  // namespace sonarch
