#include "debit/ConvertEngine.h"

namespace db {

namespace {

// The two names come before the two codes: an empty or invalid name makes its code required.
constexpr int kExtractionOrder[kItemCount] = {kBankName,      kBranchName,    kBankCode,
                                              kBranchCode,    kAccountType,   kAccountNumber,
                                              kDepositorName, kAmount,        kNewCode,
                                              kCustomerNumber};

// Every record of this tool takes the same account types.
constexpr int kAccountTypes[] = {1, 2, 3, 9};
std::span<const int> AccountTypeTargets(int) {
    return kAccountTypes;
}

}  // namespace

const ReaderProfile& CConvertEngine::Profile() {
    static const ReaderProfile profile{DebitItems(),
                                       kExtractionOrder,
                                       LineLimits{kMaxDataLines, kMaxLineBytes},
                                       AccountTypeTargets,
                                       {"1", "2", "3", "9"},
                                       kForbiddenChars};
    return profile;
}

void CConvertEngine::SetPattern(const ReadSettings* fixed, const ReadSettings* delim,
                                const CPatternEntry* entry, const CConsignorInfo* consignor) {
    m_consignor.reset();
    if (consignor) m_consignor = *consignor;
    SetReadSettings(CombineReadSettings(fixed, delim, entry));
}

void CConvertEngine::SetConvertInfo(int zeroOption, int blankOption,
                                    const std::string& ordinaryCode,
                                    const std::string& currentCode,
                                    const std::string& taxReserveCode,
                                    const std::string& otherCode) {
    m_consignor.reset();
    CReadEngine::SetConvertInfo(zeroOption, blankOption, ordinaryCode, currentCode,
                                taxReserveCode, otherCode);
}

int CConvertEngine::ReadFile(int, const std::string& path) {
    auto dataSet = std::make_unique<CDataSet>();
    if (m_consignor) dataSet->consignor = std::make_unique<CConsignorInfo>(*m_consignor);
    const ReadSettings& settings = Settings();
    dataSet->ordinaryCode = settings.accountCodes[0];
    dataSet->currentCode = settings.accountCodes[1];
    dataSet->taxReserveCode = settings.accountCodes[2];
    dataSet->otherCode = settings.accountCodes[3];
    return ReadInto(std::move(dataSet), path);
}

}  // namespace db
