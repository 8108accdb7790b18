#include "transfer/ConvertEngine.h"

#include "common/flow/PatternReadSettings.h"

namespace xf {

namespace {

// The two names come before the two codes: an empty or invalid name makes its code required.
constexpr int kExtractionOrder[kItemCount] = {
    kBankName,    kBranchName, kBankCode,      kBranchCode,    kAccountType, kAccountNumber,
    kAccountName, kAmount,     kCustomerCode1, kCustomerCode2, kEdiInfo,     kRequesterNumber};

}  // namespace

const ReaderProfile& CConvertEngine::Profile() {
    static const ReaderProfile profile{TransferItems(),
                                       kExtractionOrder,
                                       LineLimits{kMaxDataLines, kMaxLineBytes},
                                       AccountTypeTargets,
                                       {"1", "2", "4", "9"}};
    return profile;
}

void CConvertEngine::SetPattern(const CFixedPattern* fixed, const CDelimPattern* delim,
                                const CPatternEntry* entry, const CRequesterInfo* requester) {
    m_requester.reset();
    if (requester) m_requester = *requester;
    SetReadSettings(PatternReadSettings(fixed, delim, entry));
}

void CConvertEngine::SetConvertInfo(int zeroOption, int blankOption,
                                    const std::string& ordinaryCode,
                                    const std::string& checkingCode, const std::string& savingsCode,
                                    const std::string& otherCode) {
    m_requester.reset();
    CReadEngine::SetConvertInfo(zeroOption, blankOption, ordinaryCode, checkingCode, savingsCode,
                                otherCode);
}

int CConvertEngine::ReadFile(const std::string& path) {
    auto dataSet = std::make_unique<CDataSet>();
    if (m_requester) dataSet->requester = std::make_unique<CRequesterInfo>(*m_requester);
    const ReadSettings& settings = Settings();
    dataSet->ordinaryCode = settings.accountCodes[0];
    dataSet->checkingCode = settings.accountCodes[1];
    dataSet->savingsCode = settings.accountCodes[2];
    dataSet->otherCode = settings.accountCodes[3];
    return ReadInto(std::move(dataSet), path);
}

// The record is the one just appended.
void CConvertEngine::FinishRecord(CItemRecord&) {
    CDetailRecord& record = LastRecord();
    if (Settings().kind == kKindGeneral) {
        if (record.Text(kEdiInfo)[0] != '\0') {
            record.identification = 'Y';
            Reader().ClearItem(record, kCustomerCode1);
            Reader().ClearItem(record, kCustomerCode2);
            Reader().ClearItem(record, kRequesterNumber);
        } else if (record.Text(kRequesterNumber)[0] != '\0') {
            record.identification = 'X';
            Reader().ClearItem(record, kCustomerCode2);
            Reader().ClearItem(record, kEdiInfo);
        } else {
            record.identification = ' ';
            Reader().ClearItem(record, kEdiInfo);
            Reader().ClearItem(record, kRequesterNumber);
        }
    }
    CItemReader::PadWithZeros(record);
}

}  // namespace xf
