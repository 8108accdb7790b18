#include "debit/ConvertEngine.h"

#include <iterator>
#include <span>

#include "common/flow/PatternReadSettings.h"

namespace db {

namespace {

// The two names come before the two codes: an empty or invalid name makes its code required.
constexpr int kExtractionOrder[kItemCount] = {
    kBankName,      kBranchName,    kBankCode, kBranchCode, kAccountType,
    kAccountNumber, kDepositorName, kAmount,   kNewCode,    kCustomerNumber};

// Every record of this tool takes the same account types.
constexpr int kAccountTypes[] = {1, 2, 3, 9};

}  // namespace

const ReaderProfile& CConvertEngine::Profile() {
    static const ReaderProfile profile = {
        .items = DebitItems(),
        .order = kExtractionOrder,
        .limits = {kMaxDataLines, kMaxLineBytes},
        .accountTargets = [](int) { return std::span<const int>(kAccountTypes); },
        .accountTypes = {"1", "2", "3", "9"},
        .forbidden = kForbiddenChars,
    };
    return profile;
}

CConvertEngine::CConvertEngine() : CDataSetReadEngine(Profile()) {}

CConvertEngine::CConvertEngine(CApMsgInfoList* messages, HWND parent)
    : CDataSetReadEngine(Profile(), messages, parent, kAbortQuestions, kProgressDialog) {}

void CConvertEngine::SetPattern(const CFixedPattern* fixed, const CDelimPattern* delim,
                                const CPatternEntry* entry, const CConsignorInfo* consignor) {
    m_consignor.reset();
    if (consignor) m_consignor = *consignor;
    SetReadSettings(PatternReadSettings(fixed, delim, entry));
}

void CConvertEngine::SetReadPattern(const ReadSettings* fixed, const ReadSettings* delim,
                                    const CPatternEntry* entry, const CConsignorInfo* consignor) {
    m_consignor.reset();
    if (consignor) m_consignor = *consignor;
    SetReadSettings(CombineReadSettings(fixed, delim, entry));
}

void CConvertEngine::SetConvertInfo(int zeroOption, int blankOption,
                                    const std::string& ordinaryCode, const std::string& currentCode,
                                    const std::string& taxReserveCode,
                                    const std::string& otherCode) {
    m_consignor.reset();
    CReadEngine::SetConvertInfo(zeroOption, blankOption, ordinaryCode, currentCode, taxReserveCode,
                                otherCode);
}

int CConvertEngine::ReadFile(int, const std::string& path) {
    auto dataSet = std::make_unique<CDataSet>();
    if (m_consignor) dataSet->consignor = std::make_unique<CConsignorInfo>(*m_consignor);
    // The pattern's codes for the account types 1, 2, 3 (tax-payment reserve) and 9.
    std::string* const codes[] = {&dataSet->ordinaryCode, &dataSet->currentCode,
                                  &dataSet->taxReserveCode, &dataSet->otherCode};
    for (size_t i = 0; i < std::size(codes); ++i) *codes[i] = Settings().accountCodes[i];
    return ReadInto(std::move(dataSet), path);
}

}  // namespace db
