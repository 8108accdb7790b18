#pragma once
// What the banks' upload files of every tool have in common: a header record laid out the same
// way (only its sources differ), the start of every data record, the trailer with the count
// and total of the data records, the end record, and their assembly into a record frame. Each
// tool adds the fields where its records differ (common/base/RecordLayout.h).
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "common/base/RecordFrame.h"
#include "common/base/RecordLayout.h"
#include "common/items/ItemRecord.h"
#include "common/items/TrailerLimits.h"

// What the trailer carries: the data records written and the sum of their amounts.
struct RecordTotals {
    int count = 0;
    std::uint64_t total = 0;
};

// Adds one record whose delete flag is not 1 and the value of its amount's leading digits.
void CountRecord(RecordTotals& totals, const CItemRecord& record, int amountItem);
// Counts the records of a detail list whose delete flag is not 1 and adds up their amounts.
template <class DetailList>
RecordTotals CountRecords(const DetailList& details, int amountItem) {
    RecordTotals totals;
    for (const auto& d : details) CountRecord(totals, *d, amountItem);
    return totals;
}
// True when the count and the total fit the trailer's digits.
bool FitsTrailer(const RecordTotals& totals);

// The header record's texts; the record writes codes and numbers zero-filled, names as they
// stand, month and day with a leading '0' when they have one digit.
struct HeaderSource {
    std::string_view typeCode;  // 2 characters
    std::string_view code;      // 10: the requester's or the consignor's code
    std::string_view name;      // 40
    std::string_view month;
    std::string_view day;
    std::string_view branchCode;     // 3
    std::string_view branchName;     // 15
    std::string_view accountType;    // 1
    std::string_view accountNumber;  // 7
};
void PutHeaderRecord(char* record, const HeaderSource& header);

// The items of a tool's item table that the first 90 bytes of a data record carry.
struct DataRecordItems {
    int bankCode;
    int bankName;
    int branchCode;
    int branchName;
    int accountType;
    int accountNumber;
    int accountName;
    int amount;
};

// The fields every data record starts with: "2", the bank and branch codes (blank when empty)
// and names, account type and number, account name and amount. Bytes 38-41 and from 90 on are
// the tool's.
constexpr std::array<RecordField<CItemRecord>, 9> DataRecordStart(const DataRecordItems& i) {
    constexpr FieldFill kText = FieldFill::kText;
    constexpr FieldFill kZero = FieldFill::kZeroPad;
    constexpr FieldFill kZeroOrBlank = FieldFill::kZeroPadOrBlank;
    return {{
        {0, 1, kText, nullptr, "2"},
        ItemField<CItemRecord>(1, 4, kZeroOrBlank, i.bankCode),
        ItemField<CItemRecord>(5, 15, kText, i.bankName),
        ItemField<CItemRecord>(20, 3, kZeroOrBlank, i.branchCode),
        ItemField<CItemRecord>(23, 15, kText, i.branchName),
        ItemField<CItemRecord>(42, 1, kZero, i.accountType),
        ItemField<CItemRecord>(43, 7, kZero, i.accountNumber),
        ItemField<CItemRecord>(50, 30, kText, i.accountName),
        ItemField<CItemRecord>(80, 10, kZero, i.amount),
    }};
}

// The width of the type code an account type item is stored as once read.
inline constexpr int kAccountTypeCodeWidth = 1;

// True when every field of fields that takes an item's text is as wide as the item is in the
// item table (an account type: as its type code), so that the record neither cuts a stored
// text nor pads one the item table never lets fill its field.
constexpr bool FieldsFitItems(std::span<const RecordField<CItemRecord>> fields,
                              std::span<const ItemSpec> items) {
    for (const RecordField<CItemRecord>& f : fields) {
        if (f.text || f.item < 0) continue;
        if (static_cast<size_t>(f.item) >= items.size()) return false;
        const ItemSpec& item = items[static_cast<size_t>(f.item)];
        const int width =
            item.chars == ItemChars::kAccountType ? kAccountTypeCodeWidth : item.recordWidth;
        if (f.width != width) return false;
    }
    return true;
}

// How a tool fills its records: the header's texts, the data record of one detail, and the
// trailer's fields after the count and the total (none when empty).
struct RecordFileLayout {
    HeaderSource header;
    std::function<void(char* record, const CItemRecord& detail)> data;
    std::span<const RecordField<RecordTotals>> trailerTail;
};

// Puts the records one after the other: the header, then the data record of every detail
// after the last (in list order, passing over the deleted ones), the trailer and the end
// record, then the end byte. step(n) is called after the n-th record (n from 1), when given.
class CRecordFileBuilder {
public:
    CRecordFileBuilder(CRecordFrame& frame, const RecordFileLayout& layout,
                       const std::function<void(int)>& step);
    void Header();
    void Data(const CItemRecord& detail);
    void TrailerAndEnd(const RecordTotals& totals);

private:
    void Advance();

    CRecordFrame& m_frame;
    const RecordFileLayout& m_layout;
    const std::function<void(int)>& m_step;
    int m_records = 0;
};

template <class DetailList>
void BuildRecordFile(const DetailList& details, const RecordTotals& totals,
                     const RecordFileLayout& layout, CRecordFrame& frame,
                     const std::function<void(int)>& step = {}) {
    CRecordFileBuilder builder(frame, layout, step);
    builder.Header();
    for (const auto& d : details) builder.Data(*d);
    builder.TrailerAndEnd(totals);
}
