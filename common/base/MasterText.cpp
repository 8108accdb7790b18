#include "common/base/MasterText.h"

#include "common/base/StrUtil.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSeparator = "\",\"";

}  // namespace

std::string_view CMasterText::LineEndOf(std::string_view text) {
    return CStrUtil::Find(text, kLineEnd, 0) != std::string_view::npos ? kLineEnd : "\n";
}

std::vector<std::string> CMasterText::CutLines(std::string_view text, std::string_view* rest) {
    const std::string_view lineEnd = LineEndOf(text);
    std::vector<std::string> lines;
    size_t begin = 0;
    for (size_t end; (end = CStrUtil::Find(text, lineEnd, begin)) != std::string_view::npos;
         begin = end + lineEnd.size())
        lines.emplace_back(text.substr(begin, end - begin));
    if (rest) *rest = text.substr(begin);
    return lines;
}

bool CMasterText::IsBlankRest(std::string_view rest) {
    // Blanks, line-end bytes or the end byte 0x1A that old editors put after the text.
    return rest.find_first_not_of(" \t\r\n\x1A") == std::string_view::npos;
}

std::vector<std::string> CMasterText::SplitLines(std::string_view text) {
    std::string_view rest;
    std::vector<std::string> lines = CutLines(text, &rest);
    // A last line without its line end counts unless it is blank.
    if (!IsBlankRest(rest)) lines.emplace_back(rest);
    return lines;
}

std::string CMasterText::JoinLines(std::span<const std::string> lines) {
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + kLineEnd.size();
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

int CMasterText::CountSeparators(std::string_view line) {
    return CStrUtil::CountDelimiters(line, kSeparator);
}

std::vector<std::string> CMasterText::SplitFields(std::string_view line) {
    if (!line.empty() && line.front() == '"') line.remove_prefix(1);
    if (!line.empty() && line.back() == '"') line.remove_suffix(1);
    std::vector<std::string> fields;
    size_t begin = 0;
    for (size_t end; (end = CStrUtil::Find(line, kSeparator, begin)) != std::string_view::npos;
         begin = end + kSeparator.size())
        fields.emplace_back(line.substr(begin, end - begin));
    fields.emplace_back(line.substr(begin));
    return fields;
}

std::string CMasterText::FormatFields(std::span<const std::string> fields) {
    std::string line = "\"";
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) line += kSeparator;
        line += fields[i];
    }
    line += '"';
    return line;
}

bool CMasterText::IsStorable(std::string_view field) {
    return field.find_first_of("\"\r\n") == std::string_view::npos;
}

std::optional<std::string> CMasterText::FormatStorable(std::span<const std::string> fields) {
    for (const std::string& field : fields)
        if (!IsStorable(field)) return std::nullopt;
    return FormatFields(fields);
}

bool CMasterText::HoldsControlByte(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return true;
    }
    return false;
}

int CMasterText::FirstControlField(std::span<const std::string> fields) {
    for (size_t i = 0; i < fields.size(); ++i)
        if (HoldsControlByte(fields[i])) return static_cast<int>(i);
    return -1;
}
