#pragma once
// The text of the master files: one record a line, every line ended by CR LF; a line is fields
// in double quotes separated by commas, without any escaping (a field never holds a quote).
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CMasterText {
public:
    // The lines of a master file's text, without their CR LF. A last line that lacks its
    // CR LF is a line too, unless it holds nothing but blanks, line-end bytes and 0x1A.
    static std::vector<std::string> SplitLines(std::string_view text);
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
};
