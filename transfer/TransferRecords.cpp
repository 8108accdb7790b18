#include "transfer/TransferRecords.h"

#include <span>
#include <string>
#include <string_view>

#include "common/RecordLayout.h"

namespace xf {

namespace {

constexpr FieldFill kText = FieldFill::kText;
constexpr FieldFill kZero = FieldFill::kZeroPad;
constexpr FieldFill kZeroOrBlank = FieldFill::kZeroPadOrBlank;

struct HeaderSource {
    const CDataSet& data;
    const CRequesterInfo& requester;
};

struct TrailerSource {
    std::string count;
    std::string total;
};

std::string_view TypeCode(const HeaderSource& h) {
    if (h.data.transferKind == kKindGeneral) return "21";
    return h.data.bonusFlag == 1 ? "12" : "11";
}
std::string_view RequesterCode(const HeaderSource& h) {
    return h.requester.requesterCode[0] ? h.requester.requesterCode : "0000000000";
}

// Header record.
constexpr RecordField<HeaderSource> kHeader[] = {
    {0, 1, kText, nullptr, "1"},
    {1, 2, kText, TypeCode},
    {3, 1, kText, nullptr, "0"},
    {4, 10, kText, RequesterCode},
    {14, 40, kText, [](const HeaderSource& h) -> std::string_view { return h.requester.name; }},
    {54, 2, kZero, [](const HeaderSource& h) -> std::string_view { return h.data.month; }},
    {56, 2, kZero, [](const HeaderSource& h) -> std::string_view { return h.data.day; }},
    {58, 4, kText, nullptr, "0998"},
    {62, 15, kText, nullptr, "ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ"},
    {77, 3, kZero,
     [](const HeaderSource& h) -> std::string_view { return h.requester.branchCode; }},
    {80, 15, kText,
     [](const HeaderSource& h) -> std::string_view { return h.requester.branchName; }},
    {95, 1, kZero,
     [](const HeaderSource& h) -> std::string_view { return h.requester.accountType; }},
    {96, 7, kZero,
     [](const HeaderSource& h) -> std::string_view { return h.requester.accountNumber; }},
};

using Detail = CDetailRecord;

// Data record, positions 0-90: the same for every transfer.
constexpr RecordField<Detail> kDataCommon[] = {
    {0, 1, kText, nullptr, "2"},
    ItemField<Detail>(1, 4, kZeroOrBlank, kBankCode),
    ItemField<Detail>(5, 15, kText, kBankName),
    ItemField<Detail>(20, 3, kZeroOrBlank, kBranchCode),
    ItemField<Detail>(23, 15, kText, kBranchName),
    {38, 4, kText, nullptr, "0000"},
    ItemField<Detail>(42, 1, kZero, kAccountType),
    ItemField<Detail>(43, 7, kZero, kAccountNumber),
    ItemField<Detail>(50, 30, kText, kAccountName),
    ItemField<Detail>(80, 10, kZero, kAmount),
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

// Trailer record.
constexpr RecordField<TrailerSource> kTrailer[] = {
    {0, 1, kText, nullptr, "8"},
    {1, 6, kZero, [](const TrailerSource& t) -> std::string_view { return t.count; }},
    {7, 12, kZero, [](const TrailerSource& t) -> std::string_view { return t.total; }},
};

// End record.
constexpr RecordField<TrailerSource> kEnd[] = {
    {0, 1, kText, nullptr, "9"},
};

std::span<const RecordField<Detail>> DataTail(const CDataSet& data, const Detail& d) {
    if (data.transferKind != kKindGeneral) return kSalaryCodes;
    if (d.Text(kEdiInfo)[0]) return kGeneralEdi;
    if (d.Text(kRequesterNumber)[0]) return kGeneralRequesterNumber;
    return kGeneralCodes;
}

// The value of the amount's leading digits (an amount holds digits only once read).
std::uint64_t AmountOf(const Detail& d) {
    std::uint64_t value = 0;
    for (const char* p = d.Text(kAmount); *p >= '0' && *p <= '9'; ++p)
        value = value * 10 + (*p - '0');
    return value;
}

}  // namespace

TransferTotals CountTransfers(const CDataSet& data) {
    TransferTotals totals;
    for (const auto& d : data.details) {
        if (d->deleteFlag == 1) continue;
        ++totals.count;
        totals.total += AmountOf(*d);
    }
    return totals;
}

bool FitsTrailer(const TransferTotals& totals) {
    return totals.count <= kMaxTrailerCount && totals.total <= kMaxTrailerTotal;
}

int TransferRecordSize(int lengthCode) {
    switch (lengthCode) {
        case 1:
            return 120;
        case 2:
            return 126;
        case 3:
            return 128;
        default:
            return 0;
    }
}

void BuildTransferFile(const CDataSet& data, const TransferTotals& totals, CRecordFrame& frame,
                       const std::function<void(int)>& step) {
    int n = 0;
    const auto advance = [&] {
        if (step) step(++n);
    };
    const CRequesterInfo noRequester;
    const HeaderSource header{data, data.requester ? *data.requester : noRequester};
    PutFields<HeaderSource>(frame.AddRecord(), kHeader, header);
    advance();
    for (const auto& d : data.details) {
        if (d->deleteFlag == 1) continue;
        char* const record = frame.AddRecord();
        PutFields<Detail>(record, kDataCommon, *d);
        PutFields<Detail>(record, DataTail(data, *d), *d);
        advance();
    }
    const TrailerSource trailer{std::to_string(totals.count), std::to_string(totals.total)};
    PutFields<TrailerSource>(frame.AddRecord(), kTrailer, trailer);
    advance();
    PutFields<TrailerSource>(frame.AddRecord(), kEnd, trailer);
    advance();
    frame.Finish();
}

}  // namespace xf
