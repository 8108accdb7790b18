#include "localtax/TaxRecords.h"

#include <cstdio>
#include <string_view>

#include "common/base/RecordLayout.h"

namespace tx {

namespace {

constexpr int kRecordBytes = 120;
constexpr int kFrameRecords = 3;  // header, trailer, end record
constexpr std::int64_t kCountLimit = 9'999'999;
constexpr std::int64_t kAmountLimit = 99'999'999'999;
constexpr int kCountDigits = 7;
constexpr int kAmountDigits = 11;

constexpr FieldFill kText = FieldFill::kText;
constexpr FieldFill kZeroPad = FieldFill::kZeroPad;

using Group = CTaxGroup;
using Detail = CDetailRecord;

template <int Item>
std::string_view HeaderText(const Group& group) {
    return group.Header(Item);
}

constexpr RecordField<Group> kHeader[] = {
    {0, 4, kText, nullptr, "1990"},
    {4, 10, kText, HeaderText<kConsignorCode>},
    {14, 3, kText, HeaderText<kBranchNumber>},
    {17, 6, kText, HeaderText<kPaymentDate>},
    {23, 4, kText, HeaderText<kPaymentMonth>},
    {27, 40, kText, HeaderText<kPayerName>},
    {67, 50, kText, HeaderText<kAddress>},
};

constexpr RecordField<Detail> kData[] = {
    {0, 1, kText, nullptr, "2"},
    ItemField<Detail>(1, 6, kText, kMunicipalityCode),
    ItemField<Detail>(7, 15, kText, kMunicipalityName),
    ItemField<Detail>(22, 15, kText, kDesignationNumber),
    ItemField<Detail>(37, 1, kText, kChangeMark),
    ItemField<Detail>(38, 5, kZeroPad, kSalaryTaxCount),
    ItemField<Detail>(43, 9, kZeroPad, kSalaryTaxAmount),
    ItemField<Detail>(52, 5, kZeroPad, kRetirementTaxCount),
    ItemField<Detail>(57, 9, kZeroPad, kRetirementTaxAmount),
    ItemField<Detail>(66, 5, kZeroPad, kPaymentCount),
    ItemField<Detail>(71, 9, kZeroPad, kTaxPaid),
    ItemField<Detail>(80, 3, kZeroPad, kRetirees),
    ItemField<Detail>(83, 10, kZeroPad, kRetirementAllowance),
    ItemField<Detail>(93, 9, kZeroPad, kMunicipalRetirementTax),
    ItemField<Detail>(102, 9, kZeroPad, kPrefecturalRetirementTax),
};

// The trailer's six texts, in the order of FileTotals.
struct TrailerTexts {
    std::array<std::string, 6> texts;
};

template <int Index>
std::string_view TotalText(const TrailerTexts& trailer) {
    return trailer.texts[Index];
}

constexpr RecordField<TrailerTexts> kTrailer[] = {
    {0, 1, kText, nullptr, "8"},
    {1, kCountDigits, kText, TotalText<0>},
    {8, kAmountDigits, kText, TotalText<1>},
    {19, kCountDigits, kText, TotalText<2>},
    {26, kAmountDigits, kText, TotalText<3>},
    {37, kCountDigits, kText, TotalText<4>},
    {44, kAmountDigits, kText, TotalText<5>},
};

constexpr RecordField<Group> kEnd[] = {
    {0, 1, kText, nullptr, "9"},
};

bool IsCount(size_t index) {
    return index % 2 == 0;
}

// The value's decimal digits, with '0' in front up to width.
std::string Digits(std::int64_t value, int width) {
    std::string text = std::to_string(value);
    if (text.size() < static_cast<size_t>(width))
        text.insert(0, static_cast<size_t>(width) - text.size(), '0');
    return text;
}

TrailerTexts TextsOf(const FileTotals& totals) {
    TrailerTexts trailer;
    for (size_t i = 0; i < totals.sums.size(); ++i)
        trailer.texts[i] = Digits(totals.sums[i], IsCount(i) ? kCountDigits : kAmountDigits);
    return trailer;
}

bool IsTaken(const CDetailRecord& detail) {
    return detail.output != 0 && detail.error == 0;
}

}  // namespace

std::string OutputFileName(int number) {
    char name[40];
    std::snprintf(name, sizeof name, "CHIHOU_ZEI_OUT_%03d.TXT", number);
    return name;
}

void ZeroFillNumbers(CDetailRecord& detail) {
    for (int item = kFirstNumericItem; item < kItemCount; ++item) {
        if (detail.Text(item).empty())
            detail.SetText(item, std::string(static_cast<size_t>(TaxItemAt(item).width), '0'));
    }
}

std::unique_ptr<CDataSet> BuildOutputGroups(const CDataSet& data, const std::string& folder) {
    auto output = std::make_unique<CDataSet>();
    output->recordLengthKind = data.recordLengthKind;
    output->lineBreak = data.lineBreak;
    int fileNumber = 0;
    for (const auto& source : data.groups) {
        CTaxGroup* file = nullptr;
        for (const auto& detail : source->details) {
            if (!IsTaken(*detail)) continue;
            if (!file || file->detailCount == kDetailsPerFile) {
                auto group = std::make_unique<CTaxGroup>(*source);
                group->fileName = folder + OutputFileName(++fileNumber);
                group->detailCount = 0;
                file = group.get();
                output->groups.push_back(std::move(group));
            }
            auto copy = std::make_unique<CDetailRecord>(*detail);
            ZeroFillNumbers(*copy);
            file->details.push_back(std::move(copy));
            ++file->detailCount;
        }
    }
    return output;
}

int RecordBytes(int lengthKind) {
    const int size = CRecordFrame::RecordSizeOfLengthCode(lengthKind);
    return size ? size : kRecordBytes;
}

int RecordSlot(int lengthKind, int lineBreak) {
    return RecordBytes(lengthKind) + (lineBreak ? 2 : 0);
}

std::uint64_t SetFileSizes(CDataSet& output) {
    const int slot = RecordSlot(output.recordLengthKind, output.lineBreak);
    std::uint64_t total = 0;
    for (auto& group : output.groups) {
        group->fileSize = slot * (static_cast<int>(group->details.size()) + kFrameRecords);
        total += static_cast<std::uint64_t>(group->fileSize);
    }
    return total;
}

void FileTotals::Add(const CDetailRecord& detail) {
    for (size_t i = 0; i < sums.size(); ++i)
        sums[i] += detail.Number(kSalaryTaxCount + static_cast<int>(i));
}

bool FileTotals::WithinLimits() const {
    for (size_t i = 0; i < sums.size(); ++i) {
        if (sums[i] > (IsCount(i) ? kCountLimit : kAmountLimit)) return false;
    }
    return true;
}

FileTotals SumDetails(const CTaxGroup& group) {
    FileTotals totals;
    for (const auto& detail : group.details) totals.Add(*detail);
    return totals;
}

void StoreTotals(CTaxGroup& group, const FileTotals& totals) {
    const TrailerTexts trailer = TextsOf(totals);
    for (int kind = 0; kind < kTotalsCount; ++kind) {
        group.totals[static_cast<size_t>(kind)] = {
            trailer.texts[2 * static_cast<size_t>(kind)],
            trailer.texts[2 * static_cast<size_t>(kind) + 1]};
    }
}

void BuildTaxFile(const CTaxGroup& group, const FileTotals& totals, CRecordFrame& frame,
                  const std::function<void(int)>& step) {
    frame.Reserve(group.details.size() + kFrameRecords);
    int done = 0;
    PutFields<Group>(frame.AddRecord(), kHeader, group);
    step(++done);
    for (const auto& detail : group.details) {
        PutFields<Detail>(frame.AddRecord(), kData, *detail);
        step(++done);
    }
    PutFields<TrailerTexts>(frame.AddRecord(), kTrailer, TextsOf(totals));
    step(++done);
    PutFields<Group>(frame.AddRecord(), kEnd, group);
    step(++done);
}

}  // namespace tx
