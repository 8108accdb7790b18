#pragma once
// Padding, trimming, field splitting and byte-width cutting of Shift-JIS text. Every search
// steps over double-byte characters as units, so a second byte that happens to equal a
// delimiter, a quote or the searched character is never taken for it. Lengths are bytes.
#include <string>
#include <string_view>
#include <vector>

class CStrUtil {
public:
    // Right-aligns the zero-terminated text in buffer to width by putting fill in front as
    // often as the result stays within width. The buffer needs width + 1 bytes. Returns 1;
    // 0 (and nothing changed) when buffer or fill is absent or fill is empty.
    static int PadLeft(char* buffer, const char* fill, int width);
    // Appends fill to the zero-terminated text in buffer as often as the result stays within
    // width. The buffer needs width + 1 bytes. Nothing changes when buffer or fill is absent,
    // fill is empty or the text is already longer than width.
    static void PadRight(char* buffer, const char* fill, int width);

    static void TrimRightStr(std::string& s, char ch);
    static void TrimLeftStr(std::string& s, char ch);
    static std::string TrimRight(std::string_view s, std::string_view ch);
    static std::string TrimLeft(std::string_view s, std::string_view ch);
    // The text without its leading and trailing blanks (half-width only).
    static std::string_view TrimBlanks(std::string_view s);
    // The digits without their leading zeros, one "0" kept for a text of zeros only; an empty
    // text stays empty.
    static std::string StripZeros(std::string_view s);
    // "," between groups of three characters counted from the right; the text is not checked
    // for digits.
    static std::string FormatThousands(std::string_view s);
    // The text read as a 64-bit integer as strtoll reads it (leading blanks, a sign, digits up
    // to the first other character; nothing gives 0, an overflow the nearest limit), in
    // decimal with "," between groups of three digits; a minus sign stays in front.
    static std::string FormatInt64(std::string_view s);
    // Leading zeros removed, each up to a "0" followed by another character: a "0" followed by
    // a blank stays, and a text of zeros only gives "0". A text of one character or none stays
    // as it is.
    static std::string StripLeadingZerosKeepZero(std::string_view s);
    // Within the first length bytes of buffer, every full-width space becomes two blanks and
    // every zero byte one blank; returns length.
    static int BlankFullWidthSpaces(char* buffer, int length);
    // Trailing ch become zero bytes; an all-ch text becomes empty.
    static void TrimRightBuf(char* buffer, char ch);
    // Leading ch are removed; an all-ch text is left as it is.
    static void TrimLeftBuf(char* buffer, char ch);

    // Field n (from 0) of a line split by delimiter, without quoting. found (when given) is 1
    // when the line has that field, else 0 and the result is empty.
    static std::string GetField(std::string_view line, int n, std::string_view delimiter,
                                int* found = nullptr);
    // As GetField, but a field may be enclosed in quote; delimiters inside a closed quoted
    // field do not split it. A doubled quote is no escape.
    static std::string GetQuotedField(std::string_view line, int n, std::string_view delimiter,
                                      std::string_view quote, int* found = nullptr);
    // Every field of a line in one pass, as GetQuotedField finds them: fields[n] is the text of
    // field n, and a line has exactly fields.size() fields. The views point into line.
    static void SplitQuotedFields(std::string_view line, std::string_view delimiter,
                                  std::string_view quote, std::vector<std::string_view>& fields);

    // Non-overlapping occurrences of delimiter in text.
    static int CountDelimiters(std::string_view text, std::string_view delimiter);
    // Occurrences of ch in the first length bytes of a zero-terminated buffer.
    static int CountCharInBuf(const char* buffer, char ch, int length);

    // Zeroes width bytes of buffer and copies s into it, cut to width bytes without splitting a
    // double-byte character. Zero-terminated only when s is shorter than width.
    static void CopyToBuffer(std::string_view s, char* buffer, int width);
    // out = s cut to at most n bytes on a character boundary; returns the bytes dropped.
    static int CutMbcs(std::string_view s, std::string& out, int n);
    // Removes every ch from a zero-terminated buffer.
    static void RemoveChar(char* buffer, char ch);

    // Byte length of the character that starts at s[i] (2 for a lead byte with a second byte).
    static size_t CharLength(std::string_view s, size_t i);
    // Position of needle in s at or after from (a character boundary), on character
    // boundaries only; npos when absent.
    static size_t Find(std::string_view s, std::string_view needle, size_t from = 0);
};
