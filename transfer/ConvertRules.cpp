#include "transfer/ConvertRules.h"

#include "common/ConversionSteps.h"

namespace xf {

namespace {

std::string_view WithoutLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

// An amount option of the pattern that counts: 1 error, 2 skip the line; 0 otherwise.
int OptionOf(int code) {
    return code == 1 || code == 2 ? code : 0;
}

}  // namespace

int CheckTransferDate(std::string_view month, std::string_view day) {
    return kor::CheckConversionDate(month, day);
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
