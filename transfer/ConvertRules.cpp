#include "transfer/ConvertRules.h"

#include "common/flow/ConversionSteps.h"

namespace xf {

std::optional<Msg> CheckTransferDate(std::string_view month, std::string_view day) {
    switch (kor::CheckConversionDate(month, day)) {
        case kor::DateFault::kMissing:
            return Msg::kRequiredEmpty;
        case kor::DateFault::kNoSuchDay:
            return Msg::kNoSuchDay;
        case kor::DateFault::kNone:
            break;
    }
    return std::nullopt;
}

std::optional<Msg> CheckPatternForRequester(const CPatternEntry& entry,
                                            const CRequesterInfo& requester) {
    if (entry.kind == kKindSalaryBonus && std::string_view(requester.accountType) == "9")
        return Msg::kSalaryAccountType;
    const int fixedKind = CPatternBase::ToInt(requester.transferKind);
    if (fixedKind != 0 && fixedKind != entry.kind) return Msg::kKindMismatch;
    return std::nullopt;
}

void CompleteDataSet(CDataSet& data, const ReadChoices& c) {
    data.transferKind = c.entry ? c.entry->kind : 0;
    data.bonusFlag = data.transferKind == kKindSalaryBonus && c.bonus == 1 ? 1 : 0;
    kor::ReadDetails read;
    read.pattern = c.delim ? static_cast<const CPatternBase*>(c.delim) : c.fixed;
    read.month = c.month;
    read.day = c.day;
    read.inputName = c.inputName;
    read.patternIndex = c.patternIndex;
    kor::CompleteReadData(data, read);
}

std::optional<Msg> CheckRecordsForOutput(const CDataSet& data) {
    switch (kor::CConversionSteps::OutputRequestOf(std::string(), data).recordsFault) {
        case kor::RecordsFault::kInError:
            return Msg::kErrorsToWrite;
        case kor::RecordsFault::kAllDeleted:
            return Msg::kNothingToWrite;
        case kor::RecordsFault::kNone:
            break;
    }
    return std::nullopt;
}

}  // namespace xf
