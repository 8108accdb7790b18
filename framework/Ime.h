#pragma once
// The input method of an edit field: half-width katakana for the kana fields of the screens.
#include <windows.h>

namespace kor {

// Conversion mode of half-width katakana: native, katakana and roman input, not full shape.
inline constexpr DWORD kHalfWidthKanaConversion = 0x13;

// The modes an input method had before a change.
struct ImeModes {
    DWORD conversion = 0;
    DWORD sentence = 0;
};

// Opens the input method of window in half-width katakana, keeping its sentence mode; the
// modes it had before go to before (when given). False when the window has no input context.
bool OpenKanaIme(HWND window, ImeModes* before = nullptr);
// Closes the input method of window; false when it has no input context.
bool CloseIme(HWND window);

}  // namespace kor
