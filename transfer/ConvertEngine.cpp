#include "transfer/ConvertEngine.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "common/FileAccess.h"
#include "common/StrUtil.h"
#include "transfer/LineCutter.h"

namespace xf {

namespace {

constexpr char kReadingTitle[] = "読込中です．．．";
constexpr char kEndOfFile = '\x1A';

// The two names come before the two codes: an empty or invalid name makes its code required.
constexpr int kExtractionOrder[kItemCount] = {
    kBankName,    kBranchName, kBankCode,      kBranchCode,    kAccountType, kAccountNumber,
    kAccountName, kAmount,     kCustomerCode1, kCustomerCode2, kEdiInfo,     kRequesterNumber};

// Items every bank record needs: a line whose columns end before one of them is broken.
bool IsAlwaysPresent(int kind) {
    return kind == kBankCode || kind == kBranchCode || kind == kAccountType ||
           kind == kAccountNumber || kind == kAccountName || kind == kAmount;
}

// Option text "1" or "2" as a number, else 0.
int AmountOption(const char* text) {
    if (std::strcmp(text, "1") == 0) return kAmountIsError;
    if (std::strcmp(text, "2") == 0) return kAmountSkipsLine;
    return kAmountAccepted;
}

AccountTypeCodes CodesOf(const CPatternBase& pattern) {
    return {pattern.ordinaryCode, pattern.checkingCode, pattern.savingsCode, pattern.otherCode};
}

void ClearItem(CDetailRecord& record, int kind, int& errorCount) {
    const ItemRef item = record.Item(kind);
    std::memset(item.text, 0, static_cast<size_t>(item.width) + 1);
    if (*item.result != kResultValid) --errorCount;
    *item.result = kResultValid;
}

void PadWithZeros(CDetailRecord& record, int kind, int width) {
    char* text = record.Item(kind).text;
    if (text[0] != '\0') CStrUtil::PadLeft(text, "0", width);
}

// The digits of an amount as a number, never above limit + 1.
std::uint64_t AmountValue(std::string_view text, std::uint64_t limit) {
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + static_cast<std::uint64_t>(c - '0'), limit + 1);
    }
    return value;
}

std::string_view TrimBlanks(std::string_view s) {
    const size_t begin = s.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    return s.substr(begin, s.find_last_not_of(' ') - begin + 1);
}

}  // namespace

void CConvertEngine::SetPattern(const CFixedPattern* fixed, const CDelimPattern* delim,
                                const CPatternEntry* entry, const CRequesterInfo* requester) {
    m_fixed.reset();
    m_delim.reset();
    m_requester.reset();
    if (fixed) m_fixed = *fixed;
    if (delim) m_delim = *delim;
    if (requester) m_requester = *requester;

    const CPatternBase* pattern = fixed ? static_cast<const CPatternBase*>(fixed) : delim;
    if (entry) {
        m_transferKind = entry->kind;
        m_fileClass = entry->fileClass;
    } else {
        m_transferKind = pattern ? pattern->Kind() : 0;
        m_fileClass = fixed ? 3 : (delim ? delim->FileClass() : 0);
    }

    const int delimBlank = delim ? AmountOption(delim->blankCheck) : kAmountAccepted;
    const int delimZero = delim ? AmountOption(delim->zeroCheck) : kAmountAccepted;
    m_rules.blankOption = delimBlank != kAmountAccepted ? delimBlank
                          : fixed                       ? AmountOption(fixed->blankCheck)
                                                        : kAmountAccepted;
    m_rules.zeroOption = delimZero != kAmountAccepted ? delimZero
                         : fixed                      ? AmountOption(fixed->zeroCheck)
                                                      : kAmountAccepted;
    if (delim) {
        m_rules.accountCodes = CodesOf(*delim);
    } else if (fixed) {
        m_rules.accountCodes = CodesOf(*fixed);
    } else {
        m_rules.accountCodes = {};
    }
}

void CConvertEngine::SetConvertInfo(int zeroOption, int blankOption,
                                    const std::string& ordinaryCode,
                                    const std::string& checkingCode, const std::string& savingsCode,
                                    const std::string& otherCode) {
    m_fixed.reset();
    m_delim.reset();
    m_requester.reset();
    m_transferKind = 0;
    m_fileClass = 0;
    m_rules.zeroOption = zeroOption;
    m_rules.blankOption = blankOption;
    m_rules.accountCodes = {ordinaryCode, checkingCode, savingsCode, otherCode};
}

int CConvertEngine::ValidateField(std::string& text, int kind, int transferKind, int codesRequired,
                                  int* skipLine) {
    bool skip = false;
    const int result = CheckItem(text, kind, transferKind, codesRequired != 0, m_rules, &skip);
    if (HasErrorBits(result)) ++m_errorCount;
    if (skip && skipLine) *skipLine = 1;
    return result;
}

std::string CConvertEngine::MapAccountType(std::string_view text) const {
    return MapAccountTypeCode(text, m_rules.accountCodes);
}

void CConvertEngine::RevalidateRecord(CDataSet& dataSet, int* hasError) {
    for (const auto& record : dataSet.details) {
        if (record->deleteFlag == 1) continue;
        if (record->HasFieldError()) {
            if (hasError) *hasError = 1;
        } else {
            AddToTotals(*record);
        }
    }
    dataSet.totalText = GetTotalAmountText();
    dataSet.countText = GetCountText();
    dataSet.totalsOverflow = m_totalOverflow ? 1 : 0;
}

int CConvertEngine::ReadFile(const std::string& path) {
    m_dataSet = std::make_unique<CDataSet>();
    if (m_requester) m_dataSet->requester = std::make_unique<CRequesterInfo>(*m_requester);
    m_total = 0;
    m_count = 0;
    m_totalOverflow = false;
    m_errorCount = 0;
    m_warnings = 0;
    m_faultLine = 0;

    m_progressShown = ShowProgress(kReadingTitle, nullptr) != 0;
    SetRange(0, kMaxDataLines + 1);
    int result = kReadOk;
    try {
        result = LoadLines(path);
        SetRange(0, static_cast<int>(m_lines.size()) + 1);
        if (m_progressShown && PumpMessages() != 0) result = kReadCancelled;
        if (result == kReadOk) result = ConvertLines();
    } catch (const std::exception&) {
        result = kReadFailed;  // no memory for the records: the read could not be done
    }
    if (result != kReadOk) m_dataSet.reset();
    CloseProgress();
    m_progressShown = false;

    m_lines = {};
    m_fields = {};
    m_text = {};
    return result;
}

bool CConvertEngine::IsCancelled(int position) {
    return m_progressShown && Step(position) != 0;
}

int CConvertEngine::LoadLines(const std::string& path) {
    m_lines.clear();
    switch (CFileAccess(path).ReadAll(m_text)) {
        case CFileAccess::kOk:
            break;
        case CFileAccess::kCannotOpen:
            return kReadCannotOpen;
        default:
            return kReadFailed;
    }
    if (m_text.empty()) return kReadEmptyFile;
    if (m_text.size() > 1 && m_text.back() == kEndOfFile) m_text.pop_back();

    int result;
    if (IsFixedLength()) {
        const int length = m_fixed ? m_fixed->RecordLength() : 0;
        result = CutFixedRecords(m_text, length, kMaxDataLines, m_lines, &m_faultLine);
    } else {
        // Lines above the data row do not count against the limit.
        const int dataRow = m_delim ? m_delim->DataRow() : 0;
        const int limit = dataRow > 1 ? kMaxDataLines - 1 + dataRow : kMaxDataLines;
        result = CutSeparatedLines(m_text, limit, m_lines, &m_faultLine);
    }
    if (result == kReadOk && m_lines.empty()) result = kReadNoRecords;
    return result;
}

int CConvertEngine::ConvertLines() {
    size_t first = 0;
    bool skipFileHead = false;
    if (!IsFixedLength() && m_delim) {
        first = static_cast<size_t>(std::max(0, m_delim->DataRow() - 1));
        skipFileHead = std::strcmp(m_delim->dataFormat, "1") == 0;
    }
    m_dataSet->details.reserve(m_lines.size() > first ? m_lines.size() - first : 0);

    int serial = 0;
    for (size_t i = first; i < m_lines.size(); ++i) {
        if (!(skipFileHead && i == 0)) {
            const int errorsBefore = m_errorCount;
            std::unique_ptr<CDetailRecord> record = ConvertLine(i);
            if (record) {
                ApplyIdentification(*record);
                if (!record->HasFieldError()) AddToTotals(*record);
                record->serial = ++serial;
                m_dataSet->details.push_back(std::move(record));
            } else {
                m_errorCount = errorsBefore;
            }
        }
        if (IsCancelled(static_cast<int>(i) + 2)) return kReadCancelled;
    }

    if (m_dataSet->details.empty()) return first >= m_lines.size() ? kReadNoLines : kReadNoRecords;
    m_dataSet->ordinaryCode = m_rules.accountCodes.ordinary;
    m_dataSet->checkingCode = m_rules.accountCodes.checking;
    m_dataSet->savingsCode = m_rules.accountCodes.savings;
    m_dataSet->otherCode = m_rules.accountCodes.other;
    m_dataSet->countText = GetCountText();
    m_dataSet->totalText = GetTotalAmountText();
    m_dataSet->totalsOverflow = m_totalOverflow ? 1 : 0;
    return kReadOk;
}

std::unique_ptr<CDetailRecord> CConvertEngine::ConvertLine(size_t index) {
    const std::string_view line = m_lines[index];
    // An empty line (spreadsheets end their files with one) or one of blanks holds nothing
    // to lose: it makes no record.
    if (!IsFixedLength() && HoldsNoData(line)) return nullptr;
    if (!IsFixedLength() && m_delim) {
        const char* separator = m_fileClass == 1 ? "," : m_fileClass == 4 ? " " : "\t";
        CStrUtil::SplitQuotedFields(line, separator, "\"", m_fields);
    }
    // The amount options leave out a whole line, never a broken one.
    const bool broken = std::ranges::any_of(
        kExtractionOrder, [this](int kind) { return IsAlwaysPresent(kind) && !HasColumn(kind); });

    auto record = std::make_unique<CDetailRecord>();
    std::string text;
    int codesRequired = 0;
    for (const int kind : kExtractionOrder) {
        const bool present = ExtractField(line, kind, text);
        if (kind == kAmount) std::erase(text, ',');  // ',' is never a second byte
        if (kind == kBankName) codesRequired = 0;

        int skip = 0;
        int result = ValidateField(text, kind, m_transferKind, codesRequired, &skip);
        if (skip && !broken) return nullptr;
        // A column the line does not have is no empty item: the line is broken.
        if (!present && IsAlwaysPresent(kind) && !HasErrorBits(result)) {
            result |= kResultError;
            ++m_errorCount;
        }
        if ((kind == kBankName || kind == kBranchName) && (text.empty() || result == kResultError))
            codesRequired = 1;
        if (result & kResultWarning) m_warnings = 1;
        TrimFieldText(*record, kind, text, result);
    }
    return record;
}

bool CConvertEngine::ExtractField(std::string_view line, int kind, std::string& text) const {
    text.clear();
    if (m_fixed) {
        if (!m_fixed->HasPosition(kind)) return true;
        const int start = m_fixed->Start(kind);
        const int length = m_fixed->Length(kind);
        if (start < 1 || length < 1 || static_cast<size_t>(start) > line.size()) return true;
        text.assign(line.substr(static_cast<size_t>(start) - 1, static_cast<size_t>(length)));
        return true;
    }
    if (!m_delim || !m_delim->HasColumn(kind)) return true;
    if (!HasColumn(kind)) return false;
    std::string_view field = m_fields[static_cast<size_t>(m_delim->ColumnOf(kind))];
    // Quotes round a field that the split kept whole (a quote inside it) go as well.
    if (!field.empty() && field.front() == '"' && field.back() == '"')
        field = field.size() == 1 ? std::string_view() : field.substr(1, field.size() - 2);
    text.assign(field);
    return true;
}

bool CConvertEngine::HasColumn(int kind) const {
    if (m_fixed || !m_delim || !m_delim->HasColumn(kind)) return true;
    const int column = m_delim->ColumnOf(kind);
    return column >= 0 && static_cast<size_t>(column) < m_fields.size();
}

void CConvertEngine::TrimFieldText(CDetailRecord& record, int kind, std::string& text,
                                   int result) const {
    CStrUtil::TrimRightStr(text, ' ');
    if (kind == kRequesterNumber) text.assign(TrimBlanks(text));
    if (kind == kAccountType) text = MapAccountType(text);
    const ItemRef item = record.Item(kind);
    CStrUtil::CopyToBuffer(text, item.text, item.width);
    *item.result = result;
}

void CConvertEngine::ApplyIdentification(CDetailRecord& record) {
    if (m_transferKind == kKindGeneral) {
        if (record.ediInfo.text[0] != '\0') {
            record.identification = 'Y';
            ClearItem(record, kCustomerCode1, m_errorCount);
            ClearItem(record, kCustomerCode2, m_errorCount);
            ClearItem(record, kRequesterNumber, m_errorCount);
        } else if (record.requesterNumber.text[0] != '\0') {
            record.identification = 'X';
            ClearItem(record, kCustomerCode2, m_errorCount);
            ClearItem(record, kEdiInfo, m_errorCount);
        } else {
            record.identification = ' ';
            ClearItem(record, kEdiInfo, m_errorCount);
            ClearItem(record, kRequesterNumber, m_errorCount);
        }
    }
    PadWithZeros(record, kBankCode, 4);
    PadWithZeros(record, kBranchCode, 3);
    PadWithZeros(record, kAccountNumber, 7);
    PadWithZeros(record, kAmount, 10);
    PadWithZeros(record, kRequesterNumber, 10);
}

void CConvertEngine::AddToTotals(const CDetailRecord& record) {
    if (m_count < kMaxCount) {
        ++m_count;
    } else {
        m_totalOverflow = true;
    }
    const std::uint64_t amount = AmountValue(TrimBlanks(record.amount.text), kMaxTotal);
    if (amount > kMaxTotal - m_total) {
        m_total = kMaxTotal;
        m_totalOverflow = true;
    } else {
        m_total += amount;
    }
}

std::string CConvertEngine::ReadSampleLine(const std::string& path, int* status,
                                           int lineNumber) const {
    // One byte beyond the head tells whether the file ends within it.
    std::string head;
    int result = CFileAccess(path).ReadHead(head, kSampleBytes + 1);
    std::string line;
    if (result == CFileAccess::kOk) {
        const bool wholeFile = head.size() <= kSampleBytes;
        if (wholeFile) {
            if (head.size() > 1 && head.back() == kEndOfFile) head.pop_back();
        } else {
            // The line cut at the end of the head is shown as far as it goes, without half a
            // character or the CR of a CR LF that the head cuts in two.
            std::string cut;
            CStrUtil::CutMbcs(head, cut, static_cast<int>(kSampleBytes));
            head = std::move(cut);
        }
        if (CStrUtil::Find(head, "\r\n") == std::string::npos) {
            result = kSampleNoLineBreak;
        } else {
            if (!wholeFile && head.back() == '\r') head.pop_back();
            std::vector<std::string_view> lines;
            CutSeparatedLines(head, kMaxDataLines, lines);
            if (lineNumber >= 1 && static_cast<size_t>(lineNumber) <= lines.size())
                line.assign(lines[static_cast<size_t>(lineNumber) - 1]);
        }
    }
    if (status) *status = result;
    return line;
}

}  // namespace xf
