#include "transfer/PatternLine.h"

#include <vector>

#include "common/MasterText.h"

namespace xf {

namespace {

constexpr int kFileClassField = 2;
constexpr int kOutputLengthField = 36;
constexpr int kLineBreakField = 37;

// The fields of a stored line, always 40 (the missing ones of an older line empty).
std::vector<std::string> FieldsOf(std::string_view line) {
    return PatternFields(line, kPatternLayout);
}

// Fields 0 to 37, then 38 and 39 when the line has output options (field 36 or 37 set). A line
// without them (written before they existed) gets 120-byte records with line breaks; false
// then, and the caller sets the title rows and the data row.
bool CopyFields(const std::vector<std::string>& fields, CPatternBase& pattern) {
    for (int i = 0; i <= kLineBreakField; ++i) pattern.SetField(i, fields[i]);
    if (!fields[kOutputLengthField].empty() || !fields[kLineBreakField].empty()) {
        pattern.SetField(38, fields[38]);
        pattern.SetField(39, fields[39]);
        return true;
    }
    pattern.SetField(kOutputLengthField, "1");
    pattern.SetField(kLineBreakField, "1");
    return false;
}

}  // namespace

bool IsPatternLine(std::string_view line) {
    return ::IsPatternLine(line, kPatternLayout);
}

CPatternEntry PatternEntryOf(std::string_view line, int index) {
    const std::vector<std::string> fields = FieldsOf(line);
    CPatternEntry entry;
    entry.kind = CPatternBase::ToInt(fields[0].c_str());
    entry.fileClass = CPatternBase::ToInt(fields[kFileClassField].c_str());
    entry.name = fields[3];
    entry.index = index;
    return entry;
}

bool ParsePatternLine(std::string_view line, CFixedPattern& pattern) {
    const std::vector<std::string> fields = FieldsOf(line);
    if (!IsFixedLengthClass(CPatternBase::ToInt(fields[kFileClassField].c_str()))) return false;
    CFixedPattern parsed;
    if (!CopyFields(fields, parsed)) {
        parsed.SetField(38, "1");
        parsed.SetField(39, "2");
    }
    pattern = parsed;
    return true;
}

bool ParsePatternLine(std::string_view line, CDelimPattern& pattern) {
    const std::vector<std::string> fields = FieldsOf(line);
    if (IsFixedLengthClass(CPatternBase::ToInt(fields[kFileClassField].c_str()))) return false;
    CDelimPattern parsed;
    if (!CopyFields(fields, parsed)) {
        const bool noTitle = std::string_view(parsed.dataFormat) == "2";
        parsed.SetField(38, noTitle ? "0" : "1");
        parsed.SetField(39, noTitle ? "1" : "2");
    }
    pattern = parsed;
    return true;
}

std::optional<std::string> FormatPatternLine(const CPatternBase& pattern) {
    std::vector<std::string> fields;
    fields.reserve(kPatternLineFields);
    for (int i = 0; i < kPatternLineFields; ++i) {
        fields.push_back(pattern.GetField(i));
        if (!CMasterText::IsStorable(fields.back())) return std::nullopt;
    }
    return CMasterText::FormatFields(fields);
}

int CheckFixedPositions(const CFixedPattern& pattern, int* item) {
    return pattern.ItemFields().CheckPositions(pattern.RecordLength(), item);
}

}  // namespace xf
