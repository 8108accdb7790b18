#include "debit/DebitRecords.h"

#include "common/base/RecordLayout.h"
#include "debit/DebitItemTable.h"

namespace db {

namespace {

constexpr FieldFill kText = FieldFill::kText;

using Detail = CItemRecord;

// Data record: the start every upload file has (bytes 38-41 stay blank), then the new code, the
// customer number and "0".
constexpr auto kDataStart =
    DataRecordStart({kBankCode, kBankName, kBranchCode, kBranchName, kAccountType, kAccountNumber,
                     kDepositorName, kAmount});
constexpr RecordField<Detail> kDataTail[] = {
    ItemField<Detail>(90, 1, kText, kNewCode),
    ItemField<Detail>(91, 20, kText, kCustomerNumber),
    {111, 1, kText, nullptr, "0"},
};
// Every field of an item is as wide as the item.
static_assert(FieldsFitItems(kDataStart, kItemTable));
static_assert(FieldsFitItems(kDataTail, kItemTable));

// Trailer record after the count and the total.
constexpr RecordField<RecordTotals> kTrailerTail[] = {
    {19, 36, kText, nullptr, "000000000000000000000000000000000000"},
};

}  // namespace

RecordTotals CountDebits(const CDataSet& data) {
    return CountRecords(data.details, kAmount);
}

void BuildDebitFile(const CDataSet& data, const RecordTotals& totals, CRecordFrame& frame,
                    const std::function<void(int)>& step) {
    const CConsignorInfo noConsignor;
    const CConsignorInfo& c = data.consignor ? *data.consignor : noConsignor;
    const RecordFileLayout layout{{"91", c.code, c.name, data.month, data.day, c.branchCode,
                                   c.branchName, c.accountType, c.accountNumber},
                                  [](char* record, const Detail& d) {
                                      PutFields<Detail>(record, kDataStart, d);
                                      PutFields<Detail>(record, kDataTail, d);
                                  },
                                  kTrailerTail};
    BuildRecordFile(data.details, totals, layout, frame, step);
}

}  // namespace db
