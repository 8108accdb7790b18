#include "localtax/ConvertEngine.h"

#include <algorithm>

#include "common/base/FileAccess.h"
#include "common/base/LineCutter.h"
#include "common/base/StrUtil.h"
#include "common/flow/LineReadTask.h"
#include "common/flow/ReadEngine.h"
#include "common/flow/ReadResult.h"
#include "common/items/ItemCheck.h"
#include "localtax/DetailChecks.h"

namespace tx {

namespace {

// The shared results this reader passes on unchanged.
static_assert(int{kReadOk} == kTaxReadOk && int{kReadCannotOpen} == kTaxReadCannotOpen &&
              int{kReadFailed} == kTaxReadFailed && int{kReadNoLines} == kTaxReadNoLines &&
              int{kReadTooManyLines} == kTaxReadTooManyLines &&
              int{kReadBadRecordSize} == kTaxReadBadRecordSize &&
              int{kReadNoRecords} == kTaxReadNoDetails && int{kReadEmptyFile} == kTaxReadEmptyFile);

// The reader's result of a shared read result: the same numbers but for the two faults whose
// numbers this tool gives other meanings.
int TaxResultOf(int readResult) {
    switch (readResult) {
        case kReadLineTooLong:
            return kTaxReadLineTooLong;
        case kReadBadRecordLength:
            return kTaxReadBadRecordLength;
        default:
            return readResult;
    }
}

// Two lines of the requester cut to width each (never inside a double-byte character) and
// padded with blanks to it, joined.
std::string HeaderLines(const std::string& first, const std::string& second, int width) {
    std::string joined;
    for (const std::string* line : {&first, &second}) {
        std::string cut;
        CStrUtil::CutMbcs(*line, cut, width);
        cut.resize(static_cast<size_t>(width), ' ');
        joined += cut;
    }
    return joined;
}

// How the counts and amounts in use of one line stand: the zero and blank handlings judge the
// whole line, not one item.
struct LineCounts {
    int used = 0;
    int zeros = 0;
    int blanks = 0;

    bool AllZero() const { return used > 0 && zeros == used; }
    bool AllBlank() const { return used > 0 && blanks == used; }
    bool EachZeroOrBlank() const { return zeros + blanks == used; }
};

// The state of a count or amount that the check found zero or blank under a handling, or whose
// column the line lacks: a line that is all zero or all blank (or each) is accepted under
// handling 2 and in error under handling 1; a single zero or blank among other values is
// accepted (the cross-item checks judge it).
int SettledState(const LineCounts& line, const ItemCheckSettings& settings) {
    const int z = settings.zeroHandling;
    const int b = settings.blankHandling;
    if ((b == kHandlingAccept && line.AllBlank()) || (z == kHandlingAccept && line.AllZero()) ||
        (z == kHandlingAccept && b == kHandlingAccept && line.EachZeroOrBlank()))
        return kCheckValid;
    if ((b == kHandlingError && line.AllBlank()) || (z == kHandlingError && line.AllZero()) ||
        ((z == kHandlingError || b == kHandlingError) && line.EachZeroOrBlank()))
        return kCheckError;
    return kCheckValid;
}

}  // namespace

void CConvertEngine::SetPattern(const CFixedPattern* fixed, const CDelimPattern* delim,
                                const CPatternEntry* entry, const CRequesterInfo* requester) {
    m_fixed = fixed;
    m_delim = delim;
    m_requester = requester;
    if (entry) {
        m_fileClass = entry->fileClass;
    } else {
        m_fileClass = fixed ? kFixedLengthClass : delim ? delim->FileClass() : 0;
    }
    m_check = {};
    const CPatternBase* options = delim ? static_cast<const CPatternBase*>(delim) : fixed;
    if (!options) return;
    const auto handling = [](int code) {
        return code == kHandlingError || code == kHandlingAccept ? code : kHandlingNone;
    };
    m_check.zeroHandling = handling(options->ZeroCheck());
    m_check.blankHandling = handling(options->BlankCheck());
    for (int set = 0; set < kItemSetCount; ++set)
        m_check.sets[static_cast<size_t>(set)] = options->UsesItemSet(set);
}

bool CConvertEngine::IsFixedLength() const {
    return IsFixedLengthClass(m_fileClass);
}

std::unique_ptr<CTaxGroup> CConvertEngine::NewGroup() const {
    const CRequesterInfo none;
    const CRequesterInfo& r = m_requester ? *m_requester : none;
    auto group = std::make_unique<CTaxGroup>();
    group->SetHeader(kConsignorCode, "0000000000");
    group->SetHeader(kBranchNumber, "000");
    group->SetHeader(kPaymentDate, "000000");
    group->SetHeader(kPaymentMonth, "0000");
    group->SetHeader(kPayerName, HeaderLines(r.name1, r.name2, CRequesterInfo::kNameLineWidth));
    group->SetHeader(kAddress,
                     HeaderLines(r.address1, r.address2, CRequesterInfo::kAddressLineWidth));
    for (int item = 0; item < kHeaderItemCount; ++item) group->SetHeaderStatus(item, kStatusRead);
    return group;
}

int CConvertEngine::ReadFile(const std::string& path) {
    if (m_dataSet) {
        m_dataSet.reset();
        return kTaxReadRefused;
    }
    m_tooLong = false;
    // No pattern of the file's shape: nothing says where the items are.
    if (IsFixedLength() ? !m_fixed : !m_delim) return kTaxReadRefused;
    auto dataSet = std::make_unique<CDataSet>();
    CTaxGroup& group = *dataSet->groups.emplace_back(NewGroup());
    ValidateGroup(group);
    if (group.error != 0) return kTaxReadRefused;

    m_group = &group;
    const int result = TaxResultOf(ReadLines(path, kMaxLines));
    m_group = nullptr;
    m_fields = {};

    if (result == kTaxReadOk) m_dataSet = std::move(dataSet);
    return result;
}

int CConvertEngine::LoadLines(const std::string& path) {
    const bool fixed = IsFixedLength();
    return LoadFile(path, fixed, fixed ? m_fixed->RecordLength() : 0,
                    fixed ? 0 : m_delim->DataRow(), {kMaxLines, kMaxLineBytes});
}

int CConvertEngine::ConvertLines() {
    size_t first = 0;
    bool heading = false;
    if (!IsFixedLength()) {
        first = static_cast<size_t>(std::max(0, m_delim->DataRow() - 1));
        heading = std::string_view(m_delim->dataFormat) == "1";
    }
    m_places = IsFixedLength() ? FixedItemPlaces(m_fixed->ItemFields())
                               : SeparatedItemPlaces(m_delim->ItemFields());
    m_places.resize(kItemCount);

    int serial = 0;
    const std::vector<std::string_view>& lines = Lines();
    for (size_t i = first; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        // An empty line (spreadsheets end their files with one) or one of blanks holds nothing
        // to lose: it makes no detail.
        const bool noData = !IsFixedLength() && HoldsNoData(line);
        if (!(heading && i == 0) && !noData) {
            auto detail = std::make_unique<CDetailRecord>();
            ConvertLine(line, *detail);
            detail->serial = ++serial;
            m_group->details.push_back(std::move(detail));
        }
        if (IsCancelled(static_cast<int>(i) + 2)) return kTaxReadCancelled;
    }
    if (serial == 0) return first >= lines.size() ? kTaxReadNoLines : kTaxReadNoDetails;
    return kTaxReadOk;
}

std::string CConvertEngine::ReadSampleLine(const std::string& path, int* status,
                                           int lineNumber) const {
    int read = 0;
    std::string line = ::ReadSampleLine(path, &read, lineNumber, {kMaxLines, kMaxLineBytes});
    // The file faults in this reader's numbers.
    if (read == ::CFileAccess::kCannotOpen) read = kTaxReadCannotOpen;
    if (read == ::CFileAccess::kReadError) read = kTaxReadFailed;
    if (status) *status = read;
    return line;
}

void CConvertEngine::ConvertLine(std::string_view line, CDetailRecord& detail) {
    const bool fixed = IsFixedLength();
    if (!fixed) CStrUtil::SplitQuotedFields(line, m_delim->Separator(), "\"", m_fields);

    std::array<std::string, kItemCount> texts;
    std::array<bool, kItemCount> present{};
    LineCounts counts;
    for (int item = 0; item < kItemCount; ++item) {
        std::string& text = texts[static_cast<size_t>(item)];
        present[static_cast<size_t>(item)] =
            ExtractItem(line, m_places[static_cast<size_t>(item)], fixed, m_fields, text);
        if (TaxItemAt(item).commasRemoved) std::erase(text, ',');  // ',' is never a second byte
        if (!IsNumericItem(item) || !m_check.IsRequired(item)) continue;
        std::string value = text;
        NormalizeItemText(value);
        ++counts.used;
        if (value.empty()) {
            ++counts.blanks;
        } else if (IsZeroText(value)) {
            ++counts.zeros;
        }
    }

    for (int item = 0; item < kItemCount; ++item) {
        std::string& text = texts[static_cast<size_t>(item)];
        int state = kCheckError;
        if (present[static_cast<size_t>(item)]) {
            ZeroBlank zeroBlank = ZeroBlank::kNone;
            state = ValidateField(text, item, &zeroBlank);
            if (zeroBlank != ZeroBlank::kNone) state = SettledState(counts, m_check);
        } else if (IsNumericItem(item)) {
            // A count or amount beyond the line's columns is judged as a blank one.
            state = SettledState(counts, m_check);
        }
        // A municipality code, name, designation number or change mark beyond the line's
        // columns stays in error: the line is kept for the user to see and correct.
        if (state == kCheckTooLong) m_tooLong = true;
        StoreItem(text, state, item, detail);
    }
    detail.output = 1;
    ValidateDetail(detail);
}

}  // namespace tx
