#include "transfer/ConvertRules.h"

namespace xf {

namespace {

std::string_view WithoutLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

// The number a month or day text holds; 0 when it is empty or holds anything but digits.
int NumberOf(std::string_view text) {
    text = WithoutLeadingBlanks(text);
    if (text.empty() || text.size() > 2) return 0;
    int n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

// An amount option of the pattern that counts: 1 error, 2 skip the line; 0 otherwise.
int OptionOf(int code) {
    return code == 1 || code == 2 ? code : 0;
}

}  // namespace

int CheckTransferDate(std::string_view month, std::string_view day) {
    constexpr int kDaysIn[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int m = NumberOf(month);
    const int d = NumberOf(day);
    if (m < 1 || m > 12 || d < 1 || d > 31) return 10;
    return d > kDaysIn[m - 1] ? 50 : 0;
}

int CheckPatternForRequester(const CPatternEntry& entry, const CRequesterInfo& requester) {
    if (entry.kind == kKindSalaryBonus && std::string_view(requester.accountType) == "9") return 49;
    const int fixedKind = CPatternBase::ToInt(requester.transferKind);
    if (fixedKind != 0 && fixedKind != entry.kind) return 103;
    return 0;
}

void CompleteDataSet(CDataSet& data, const ReadChoices& c) {
    const CPatternBase* pattern = c.delim ? static_cast<const CPatternBase*>(c.delim) : c.fixed;
    data.transferKind = c.entry ? c.entry->kind : 0;
    data.bonusFlag = data.transferKind == kKindSalaryBonus && c.bonus == 1 ? 1 : 0;
    data.month = WithoutLeadingBlanks(c.month);
    data.day = WithoutLeadingBlanks(c.day);
    data.inputFileName = c.inputName;
    if (pattern) {
        data.zeroOption = OptionOf(pattern->ZeroCheck());
        data.blankOption = OptionOf(pattern->BlankCheck());
        data.outputLengthCode = pattern->OutputLengthCode();
        data.lineBreak = pattern->LineBreak();
    }
    data.patternIndex = c.patternIndex;
    data.outputDone = 0;
}

int CheckRecordsForOutput(const CDataSet& data) {
    int kept = 0;
    for (const auto& d : data.details) {
        if (d->deleteFlag == 1) continue;
        if (d->HasFieldError()) return 20;
        ++kept;
    }
    return kept == 0 ? 39 : 0;
}

}  // namespace xf
