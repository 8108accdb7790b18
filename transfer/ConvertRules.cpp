#include "transfer/ConvertRules.h"

#include "common/flow/ConversionSteps.h"
#include "transfer/TransferItems.h"

namespace xf {

int CheckTransferDate(std::string_view month, std::string_view day) {
    return kor::CheckConversionDate(month, day);
}

int CheckPatternForRequester(const CPatternEntry& entry, const CRequesterInfo& requester) {
    if (entry.kind == kKindSalaryBonus && std::string_view(requester.accountType) == "9") return 49;
    const int fixedKind = CPatternBase::ToInt(requester.transferKind);
    if (fixedKind != 0 && fixedKind != entry.kind) return 103;
    return 0;
}

void CompleteDataSet(CDataSet& data, const CPatternEntry& entry, int bonus,
                     const kor::ReadDetails& read) {
    data.transferKind = entry.kind;
    data.bonusFlag = data.transferKind == kKindSalaryBonus && bonus == 1 ? 1 : 0;
    kor::CompleteReadData(data, read);
}

int CheckRecordsForOutput(const CDataSet& data) {
    return kor::CConversionSteps::OutputRequestOf(std::string(), data).recordsFault;
}

}  // namespace xf
