#pragma once
// Character-class tests on Shift-JIS text, byte by byte: the bank formats allow only
// single-byte characters in the fields checked here.
#include <string_view>

class CCharCheck {
public:
    // Digits, Latin letters, half-width katakana and kana signs (0xA6-0xDF), or a byte of extra.
    // TRUE for an empty text.
    static bool IsKanaAlnum(const char* text, int length, const char* extra = nullptr);
    // Digits or a byte of extra; FALSE for an empty text.
    static bool IsDigits(const char* text, int length, const char* extra = nullptr);
    // Printable ASCII (0x20-0x7E) outside forbidden, half-width katakana and kana signs
    // (0xA1-0xDF), or a byte of extra; TRUE for an empty text. Control characters and
    // double-byte characters fail.
    static bool CheckForbidden(const char* text, int length, const char* extra,
                               const char* forbidden);
    // Neither a double quote nor a comma: safe inside the quoted, comma-separated masters.
    static bool HasNoQuoteOrComma(std::string_view s);
};
