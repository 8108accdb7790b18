#pragma once
// The text of the master files: one record a line, every line ended by CR LF; a line is fields
// in double quotes separated by commas, without any escaping (a field never holds a quote). A
// master saved by another editor or a version-control checkout may end every line with LF
// alone: it reads the same, and the next rewrite ends every line with CR LF again.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CMasterText {
public:
    // The line end of a master file's text: CR LF when the text holds one, else LF alone (the
    // whole file saved by another editor or a version-control checkout). A LF inside a CR LF
    // file stays in its line, as it always did.
    static std::string_view LineEndOf(std::string_view text);
    // The lines of a master file's text that end with its line end, without it. rest (when
    // given) is the text after the last line end.
    static std::vector<std::string> CutLines(std::string_view text,
                                             std::string_view* rest = nullptr);
    // The lines of a master file's text, without their line ends. A last line that lacks its
    // line end is a line too, unless it holds nothing but blanks, line-end bytes and 0x1A.
    static std::vector<std::string> SplitLines(std::string_view text);
    // True when the text after the last line end is no line (see SplitLines).
    static bool IsBlankRest(std::string_view rest);
    // Every line followed by CR LF.
    static std::string JoinLines(std::span<const std::string> lines);

    // Separators (quote, comma, quote) in a stored line: one less than its fields.
    static int CountSeparators(std::string_view line);
    // The fields of a stored line: split at the separators, the leading quote of the first
    // and the trailing quote of the last field removed.
    static std::vector<std::string> SplitFields(std::string_view line);
    // A stored line of the fields, each in double quotes, separated by commas.
    static std::string FormatFields(std::span<const std::string> fields);
    // True when a text can be a field of a stored line: no double quote, CR or LF.
    static bool IsStorable(std::string_view field);
    // The stored line of the fields; none when one of them is not storable.
    static std::optional<std::string> FormatStorable(std::span<const std::string> fields);

    // True when a text holds a control byte (0x00 to 0x1F, 0x7F): no field written by a screen
    // does, and a NUL would cut the field short wherever it is copied as a C string. No
    // Shift-JIS second byte is one.
    static bool HoldsControlByte(std::string_view text);
    // The position of the first of fields that holds a control byte, or -1.
    static int FirstControlField(std::span<const std::string> fields);
};
