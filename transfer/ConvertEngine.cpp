#include "transfer/ConvertEngine.h"

#include <optional>
#include <string_view>

namespace xf {

namespace {

// The two names come before the two codes: an empty or invalid name makes its code required.
constexpr int kExtractionOrder[kItemCount] = {
    kBankName,    kBranchName, kBankCode,      kBranchCode,    kAccountType, kAccountNumber,
    kAccountName, kAmount,     kCustomerCode1, kCustomerCode2, kEdiInfo,     kRequesterNumber};

// What a read takes from one transfer pattern.
ReadSettings PatternSettings(const CPatternBase& pattern) {
    ReadSettings settings;
    settings.kind = pattern.Kind();
    settings.zeroOption = AmountOptionOf(pattern.zeroCheck);
    settings.blankOption = AmountOptionOf(pattern.blankCheck);
    settings.accountCodes = {pattern.accountTypeCodes[kOrdinaryCode],
                             pattern.accountTypeCodes[kCheckingCode],
                             pattern.accountTypeCodes[kSavingsCode],
                             pattern.accountTypeCodes[kOtherCode]};
    return settings;
}

ReadSettings FixedSettings(const CFixedPattern& pattern) {
    ReadSettings settings = PatternSettings(pattern);
    settings.fileClass = kFixedLengthFile;
    settings.recordLength = pattern.RecordLength();
    settings.places = FixedItemPlaces(pattern.ItemFields());
    return settings;
}

ReadSettings DelimSettings(const CDelimPattern& pattern) {
    ReadSettings settings = PatternSettings(pattern);
    settings.fileClass = pattern.FileClass();
    settings.dataRow = pattern.DataRow();
    settings.headingLine = std::string_view(pattern.dataFormat) == "1";
    settings.places = SeparatedItemPlaces(pattern.ItemFields());
    return settings;
}

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
    const std::optional<ReadSettings> fixedSettings =
        fixed ? std::optional(FixedSettings(*fixed)) : std::nullopt;
    const std::optional<ReadSettings> delimSettings =
        delim ? std::optional(DelimSettings(*delim)) : std::nullopt;
    SetReadSettings(CombineReadSettings(fixedSettings ? &*fixedSettings : nullptr,
                                        delimSettings ? &*delimSettings : nullptr, entry));
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
