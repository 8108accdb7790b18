#include "transfer/ConvertRules.h"

#include "common/flow/ConversionSteps.h"
#include "transfer/TransferItems.h"

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

void CompleteDataSet(CDataSet& data, const CPatternEntry& entry, int bonus,
                     const kor::ReadDetails& read) {
    data.transferKind = entry.kind;
    data.bonusFlag = data.transferKind == kKindSalaryBonus && bonus == 1 ? 1 : 0;
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
