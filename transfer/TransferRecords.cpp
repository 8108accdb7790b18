#include "transfer/TransferRecords.h"

#include <span>
#include <string_view>

#include "common/base/RecordLayout.h"
#include "transfer/TransferItemTable.h"

namespace xf {

namespace {

constexpr FieldFill kText = FieldFill::kText;
constexpr FieldFill kZero = FieldFill::kZeroPad;

std::string_view TypeCode(const CDataSet& data) {
    if (data.transferKind == kKindGeneral) return "21";
    return data.bonusFlag == 1 ? "12" : "11";
}

using Detail = CItemRecord;

// Data record, positions 0-90: the same for every transfer.
constexpr auto kDataStart = DataRecordStart({kBankCode, kBankName, kBranchCode, kBranchName,
                                             kAccountType, kAccountNumber, kAccountName, kAmount});
constexpr RecordField<Detail> kDataFixed[] = {
    {38, 4, kText, nullptr, "0000"},
    {90, 1, kText, nullptr, "0"},
};

// Data record, positions 91-112, general transfer with EDI information.
constexpr RecordField<Detail> kGeneralEdi[] = {
    ItemField<Detail>(91, 20, kText, kEdiInfo),
    {111, 1, kText, nullptr, "7"},
    {112, 1, kText, nullptr, "Y"},
};
// ... general transfer with a requester number and no EDI information.
constexpr RecordField<Detail> kGeneralRequesterNumber[] = {
    ItemField<Detail>(91, 10, kText, kCustomerCode1),
    ItemField<Detail>(101, 10, kZero, kRequesterNumber),
    {111, 1, kText, nullptr, "7"},
    {112, 1, kText, nullptr, "X"},
};
// ... general transfer with neither.
constexpr RecordField<Detail> kGeneralCodes[] = {
    ItemField<Detail>(91, 10, kText, kCustomerCode1),
    ItemField<Detail>(101, 10, kText, kCustomerCode2),
    {111, 1, kText, nullptr, "7"},
};
// ... salary or bonus transfer.
constexpr RecordField<Detail> kSalaryCodes[] = {
    ItemField<Detail>(91, 10, kText, kCustomerCode1),
    ItemField<Detail>(101, 10, kText, kCustomerCode2),
};

// Every field of an item is as wide as the item.
static_assert(FieldsFitItems(kDataStart, kItemTable));
static_assert(FieldsFitItems(kGeneralEdi, kItemTable));
static_assert(FieldsFitItems(kGeneralRequesterNumber, kItemTable));
static_assert(FieldsFitItems(kGeneralCodes, kItemTable));
static_assert(FieldsFitItems(kSalaryCodes, kItemTable));

std::span<const RecordField<Detail>> DataTail(const CDataSet& data, const Detail& d) {
    if (data.transferKind != kKindGeneral) return kSalaryCodes;
    if (d.Text(kEdiInfo)[0]) return kGeneralEdi;
    if (d.Text(kRequesterNumber)[0]) return kGeneralRequesterNumber;
    return kGeneralCodes;
}

}  // namespace

TransferTotals CountTransfers(const CDataSet& data) {
    return CountRecords(data.details, kAmount);
}

void BuildTransferFile(const CDataSet& data, const TransferTotals& totals, CRecordFrame& frame,
                       const std::function<void(int)>& step) {
    const CRequesterInfo noRequester;
    const CRequesterInfo& r = data.requester ? *data.requester : noRequester;
    const RecordFileLayout layout{
        {TypeCode(data), r.requesterCode[0] ? r.requesterCode : "0000000000", r.name, data.month,
         data.day, r.branchCode, r.branchName, r.accountType, r.accountNumber},
        [&data](char* record, const Detail& d) {
            PutFields<Detail>(record, kDataStart, d);
            PutFields<Detail>(record, kDataFixed, d);
            PutFields<Detail>(record, DataTail(data, d), d);
        },
        {}};
    BuildRecordFile(data.details, totals, layout, frame, step);
}

}  // namespace xf
