#include "common/patterns/PatternLine.h"

#include <algorithm>
#include <vector>

#include "common/base/MasterText.h"

namespace {

constexpr size_t kKindIndex = 0;
constexpr size_t kFileClassIndex = 2;
constexpr size_t kNameIndex = 3;

int FileClassOf(const std::vector<std::string>& fields) {
    return CPatternBase::ToInt(fields[kFileClassIndex].c_str());
}

bool IsOneOf(const std::string& text, std::string_view codes) {
    return text.size() == 1 && codes.find(text[0]) != std::string_view::npos;
}

// Copies every field up to the line-break code, then the title rows and the data row when the
// line has output options. A line without them (both codes empty) gets 120-byte records with
// line breaks; the caller then sets the title rows and the data row (legacy true). False when
// the line's output record-length code or line-break code is no code of ours.
bool CopyFields(const std::vector<std::string>& fields, CPatternBase& pattern, bool* legacy) {
    const PatternLayout& layout = pattern.Layout();
    const int outputField = pattern.OptionField(CPatternBase::kOutputLengthOption);
    const int lineBreakField = pattern.OptionField(CPatternBase::kLineBreakOption);
    const std::string& output = fields[static_cast<size_t>(layout.Index(outputField))];
    const std::string& lineBreak = fields[static_cast<size_t>(layout.Index(lineBreakField))];
    *legacy = output.empty() && lineBreak.empty();
    if (!*legacy && (!IsOneOf(output, "123") || !IsOneOf(lineBreak, "01"))) return false;
    for (int n = layout.firstFieldNumber; n <= lineBreakField; ++n)
        pattern.SetField(n, fields[static_cast<size_t>(layout.Index(n))]);
    if (*legacy) {
        pattern.SetField(outputField, "1");
        pattern.SetField(lineBreakField, "1");
        return true;
    }
    for (int option : {CPatternBase::kTitleRowsOption, CPatternBase::kDataRowOption}) {
        const int n = pattern.OptionField(option);
        pattern.SetField(n, fields[static_cast<size_t>(layout.Index(n))]);
    }
    return true;
}

void SetRows(CPatternBase& pattern, const char* titleRows, const char* dataRow) {
    pattern.SetField(pattern.OptionField(CPatternBase::kTitleRowsOption), titleRows);
    pattern.SetField(pattern.OptionField(CPatternBase::kDataRowOption), dataRow);
}

}  // namespace

CPatternEntry PatternEntryOf(std::string_view line, int index) {
    std::vector<std::string> fields = CMasterText::SplitFields(line);
    fields.resize(std::max(fields.size(), kNameIndex + 1));
    CPatternEntry entry;
    entry.kind = CPatternBase::ToInt(fields[kKindIndex].c_str());
    entry.fileClass = FileClassOf(fields);
    entry.name = fields[kNameIndex];
    entry.index = index;
    return entry;
}

bool ParsePatternLine(std::string_view line, CFixedPatternBase& pattern) {
    const std::vector<std::string> fields = PatternFields(line, pattern.Layout());
    if (!IsFixedLengthClass(FileClassOf(fields))) return false;
    CFixedPatternBase parsed(pattern.Items(), pattern.Layout());
    bool legacy = false;
    if (!CopyFields(fields, parsed, &legacy)) return false;
    if (legacy) SetRows(parsed, "1", "2");
    pattern = parsed;
    return true;
}

bool ParsePatternLine(std::string_view line, CDelimPatternBase& pattern) {
    const std::vector<std::string> fields = PatternFields(line, pattern.Layout());
    if (IsFixedLengthClass(FileClassOf(fields))) return false;
    CDelimPatternBase parsed(pattern.Items(), pattern.Layout());
    bool legacy = false;
    if (!CopyFields(fields, parsed, &legacy)) return false;
    if (legacy) {
        const bool noTitle = std::string_view(parsed.dataFormat) == "2";
        SetRows(parsed, noTitle ? "0" : "1", noTitle ? "1" : "2");
    }
    pattern = parsed;
    return true;
}

std::optional<std::string> FormatPatternLine(const CPatternBase& pattern) {
    const PatternLayout& layout = pattern.Layout();
    std::vector<std::string> fields;
    fields.reserve(static_cast<size_t>(layout.fieldCount));
    for (int i = 0; i < layout.fieldCount; ++i) {
        fields.push_back(pattern.GetField(layout.firstFieldNumber + i));
        if (!CMasterText::IsStorable(fields.back())) return std::nullopt;
    }
    return CMasterText::FormatFields(fields);
}

int CheckFixedPositions(const CFixedPatternBase& pattern, int* item) {
    return pattern.ItemFields().CheckPositions(pattern.RecordLength(), item);
}
