#include "transfer/ConvertEngine.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "common/FileAccess.h"
#include "common/LineCutter.h"
#include "common/StrUtil.h"

namespace xf {

namespace {

constexpr char kReadingTitle[] = "読込中です．．．";
constexpr char kEndOfFile = '\x1A';

// The two names come before the two codes: an empty or invalid name makes its code required.
constexpr int kExtractionOrder[kItemCount] = {
    kBankName,    kBranchName, kBankCode,      kBranchCode,    kAccountType, kAccountNumber,
    kAccountName, kAmount,     kCustomerCode1, kCustomerCode2, kEdiInfo,     kRequesterNumber};

// Option text "1" or "2" as a number, else 0.
int AmountOption(const char* text) {
    if (std::strcmp(text, "1") == 0) return kAmountIsError;
    if (std::strcmp(text, "2") == 0) return kAmountSkipsLine;
    return kAmountAccepted;
}

AccountTypeCodes CodesOf(const CPatternBase& pattern) {
    return {pattern.accountTypeCodes[kOrdinaryCode], pattern.accountTypeCodes[kCheckingCode],
            pattern.accountTypeCodes[kSavingsCode], pattern.accountTypeCodes[kOtherCode]};
}

// The transfer tool's read result of a cut.
int ReadResultOf(CutResult cut) {
    switch (cut) {
        case CutResult::kOk:
            return kReadOk;
        case CutResult::kNoLines:
            return kReadNoLines;
        case CutResult::kTooManyLines:
            return kReadTooManyLines;
        case CutResult::kLineTooLong:
            return kReadLineTooLong;
        case CutResult::kBadRecordSize:
            return kReadBadRecordSize;
        case CutResult::kBadRecordLength:
            return kReadBadRecordLength;
    }
    return kReadFailed;
}

}  // namespace

const ReaderProfile& CConvertEngine::Profile() {
    static const ReaderProfile profile{TransferItems(), kExtractionOrder,
                                       LineLimits{kMaxDataLines, kMaxLineBytes},
                                       AccountTypeTargets};
    return profile;
}

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
        m_fileClass = fixed ? kFixedLengthClass : (delim ? delim->FileClass() : 0);
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
    m_accountTable = AccountCodeTable(m_rules.accountCodes);
    SetItemPlaces();
}

// Item positions come from the fixed-length pattern when there is one.
void CConvertEngine::SetItemPlaces() {
    std::vector<ItemPlace> places(kItemCount);
    if (m_fixed) {
        for (int kind = 0; kind < kItemCount; ++kind) {
            if (!m_fixed->HasPosition(kind)) continue;
            places[static_cast<size_t>(kind)] = {true, m_fixed->Start(kind), m_fixed->Length(kind),
                                                 0};
        }
        m_reader.SetFixedPlaces(std::move(places));
        return;
    }
    if (m_delim) {
        for (int kind = 0; kind < kItemCount; ++kind) {
            if (!m_delim->HasColumn(kind)) continue;
            places[static_cast<size_t>(kind)] = {true, 0, 0, m_delim->ColumnOf(kind)};
        }
    }
    const char* separator = m_fileClass == 1 ? "," : m_fileClass == 4 ? " " : "\t";
    m_reader.SetSeparatedPlaces(std::move(places), separator);
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
    m_accountTable = AccountCodeTable(m_rules.accountCodes);
    SetItemPlaces();
}

ItemCheckContext CConvertEngine::CheckContext(int transferKind) const {
    ItemCheckContext context;
    context.zeroOption = m_rules.zeroOption;
    context.blankOption = m_rules.blankOption;
    context.accountCodes = m_accountTable;
    context.accountTargets = Profile().accountTargets(transferKind);
    return context;
}

int CConvertEngine::ValidateField(std::string& text, int kind, int transferKind, int codesRequired,
                                  int* skipLine) {
    bool skip = false;
    const int result =
        m_reader.Check(text, kind, CheckContext(transferKind), codesRequired != 0, &skip);
    if (skip && skipLine) *skipLine = 1;
    return result;
}

std::string CConvertEngine::MapAccountType(std::string_view text) const {
    return ::MapAccountType(text, m_accountTable);
}

void CConvertEngine::RevalidateRecord(CDataSet& dataSet, int* hasError) {
    for (const auto& record : dataSet.details) {
        if (record->deleteFlag == 1) continue;
        if (record->HasFieldError()) {
            if (hasError) *hasError = 1;
        } else {
            m_totals.Add(*record);
        }
    }
    dataSet.totalText = GetTotalAmountText();
    dataSet.countText = GetCountText();
    dataSet.totalsOverflow = m_totals.Overflowed() ? 1 : 0;
}

int CConvertEngine::ReadFile(const std::string& path) {
    m_dataSet = std::make_unique<CDataSet>();
    if (m_requester) m_dataSet->requester = std::make_unique<CRequesterInfo>(*m_requester);
    m_totals.Reset();
    m_reader.ResetErrorCount();
    m_reader.ResetWarnings();
    m_faultLine = 0;

    m_progressShown = ShowProgress(kReadingTitle, nullptr) != 0;
    SetRange(0, Profile().limits.maxLines + 1);
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

    LineLimits limits = Profile().limits;
    CutResult cut;
    if (IsFixedLength()) {
        const int length = m_fixed ? m_fixed->RecordLength() : 0;
        cut = CutFixedRecords(m_text, length, limits, m_lines, &m_faultLine);
    } else {
        // Lines above the data row do not count against the limit.
        const int dataRow = m_delim ? m_delim->DataRow() : 0;
        if (dataRow > 1) limits.maxLines += dataRow - 1;
        cut = CutSeparatedLines(m_text, limits, m_lines, &m_faultLine);
    }
    int result = ReadResultOf(cut);
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

    const ItemCheckContext context = CheckContext(m_transferKind);
    int serial = 0;
    for (size_t i = first; i < m_lines.size(); ++i) {
        const std::string_view line = m_lines[i];
        // An empty line (spreadsheets end their files with one) or one of blanks holds nothing
        // to lose: it makes no record.
        const bool noData = !IsFixedLength() && HoldsNoData(line);
        if (!(skipFileHead && i == 0) && !noData) {
            auto record = std::make_unique<CDetailRecord>();
            if (m_reader.ConvertLine(line, *record, context)) {
                ApplyIdentification(*record);
                if (!record->HasFieldError()) m_totals.Add(*record);
                record->serial = ++serial;
                m_dataSet->details.push_back(std::move(record));
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
    m_dataSet->totalsOverflow = m_totals.Overflowed() ? 1 : 0;
    return kReadOk;
}

void CConvertEngine::ApplyIdentification(CDetailRecord& record) {
    if (m_transferKind == kKindGeneral) {
        if (record.Text(kEdiInfo)[0] != '\0') {
            record.identification = 'Y';
            m_reader.ClearItem(record, kCustomerCode1);
            m_reader.ClearItem(record, kCustomerCode2);
            m_reader.ClearItem(record, kRequesterNumber);
        } else if (record.Text(kRequesterNumber)[0] != '\0') {
            record.identification = 'X';
            m_reader.ClearItem(record, kCustomerCode2);
            m_reader.ClearItem(record, kEdiInfo);
        } else {
            record.identification = ' ';
            m_reader.ClearItem(record, kEdiInfo);
            m_reader.ClearItem(record, kRequesterNumber);
        }
    }
    CItemReader::PadWithZeros(record);
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
            CutSeparatedLines(head, Profile().limits, lines);
            if (lineNumber >= 1 && static_cast<size_t>(lineNumber) <= lines.size())
                line.assign(lines[static_cast<size_t>(lineNumber) - 1]);
        }
    }
    if (status) *status = result;
    return line;
}

}  // namespace xf
