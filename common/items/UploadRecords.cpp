#include "common/items/UploadRecords.h"

#include <string>

namespace {

constexpr FieldFill kText = FieldFill::kText;
constexpr FieldFill kZero = FieldFill::kZeroPad;

using Header = HeaderSource;

// Header record.
constexpr RecordField<Header> kHeader[] = {
    {0, 1, kText, nullptr, "1"},
    {1, 2, kText, [](const Header& h) { return h.typeCode; }},
    {3, 1, kText, nullptr, "0"},
    {4, 10, kText, [](const Header& h) { return h.code; }},
    {14, 40, kText, [](const Header& h) { return h.name; }},
    {54, 2, kZero, [](const Header& h) { return h.month; }},
    {56, 2, kZero, [](const Header& h) { return h.day; }},
    {58, 4, kText, nullptr, "0998"},
    {62, 15, kText, nullptr, "ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ"},
    {77, 3, kZero, [](const Header& h) { return h.branchCode; }},
    {80, 15, kText, [](const Header& h) { return h.branchName; }},
    {95, 1, kZero, [](const Header& h) { return h.accountType; }},
    {96, 7, kZero, [](const Header& h) { return h.accountNumber; }},
};

struct TrailerSource {
    std::string count;
    std::string total;
};

// Trailer record, as far as every tool's is the same.
constexpr RecordField<TrailerSource> kTrailer[] = {
    {0, 1, kText, nullptr, "8"},
    {1, 6, kZero, [](const TrailerSource& t) -> std::string_view { return t.count; }},
    {7, 12, kZero, [](const TrailerSource& t) -> std::string_view { return t.total; }},
};

// End record.
constexpr RecordField<TrailerSource> kEnd[] = {
    {0, 1, kText, nullptr, "9"},
};

}  // namespace

void CountRecord(RecordTotals& totals, const CItemRecord& record, int amountItem) {
    if (record.deleteFlag == 1) return;
    ++totals.count;
    // An amount holds digits only once read; the value is that of its leading digits.
    std::uint64_t value = 0;
    for (const char* p = record.Text(amountItem); p && *p >= '0' && *p <= '9'; ++p)
        value = value * 10 + static_cast<std::uint64_t>(*p - '0');
    totals.total += value;
}

bool FitsTrailer(const RecordTotals& totals) {
    return totals.count <= kMaxTrailerCount && totals.total <= kMaxTrailerTotal;
}

void PutHeaderRecord(char* record, const HeaderSource& header) {
    PutFields<Header>(record, kHeader, header);
}

CRecordFileBuilder::CRecordFileBuilder(CRecordFrame& frame, const RecordFileLayout& layout,
                                       const std::function<void(int)>& step)
    : m_frame(frame), m_layout(layout), m_step(step) {}

void CRecordFileBuilder::Advance() {
    ++m_records;
    if (m_step) m_step(m_records);
}

void CRecordFileBuilder::Header() {
    PutHeaderRecord(m_frame.AddRecord(), m_layout.header);
    Advance();
}

void CRecordFileBuilder::Data(const CItemRecord& detail) {
    if (detail.deleteFlag == 1) return;
    m_layout.data(m_frame.AddRecord(), detail);
    Advance();
}

void CRecordFileBuilder::TrailerAndEnd(const RecordTotals& totals) {
    const TrailerSource trailer{std::to_string(totals.count), std::to_string(totals.total)};
    char* const record = m_frame.AddRecord();
    PutFields<TrailerSource>(record, kTrailer, trailer);
    PutFields<RecordTotals>(record, m_layout.trailerTail, totals);
    Advance();
    PutFields<TrailerSource>(m_frame.AddRecord(), kEnd, trailer);
    Advance();
    m_frame.Finish();
}
