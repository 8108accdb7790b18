#include "common/ReadEngine.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "common/FileAccess.h"
#include "common/LineCutter.h"
#include "common/StrUtil.h"

namespace {

constexpr char kReadingTitle[] = "読込中です．．．";
constexpr char kEndOfFile = '\x1A';

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

const char* SeparatorOf(int fileClass) {
    return fileClass == 1 ? "," : fileClass == 4 ? " " : "\t";
}

}  // namespace

int AmountOptionOf(const char* text) {
    if (!text) return kAmountAccepted;
    if (std::strcmp(text, "1") == 0) return kAmountIsError;
    if (std::strcmp(text, "2") == 0) return kAmountSkipsLine;
    return kAmountAccepted;
}

std::vector<ItemPlace> FixedItemPlaces(const CPatternItemFields& fields) {
    std::vector<ItemPlace> places(static_cast<size_t>(fields.Count()));
    for (int k = 0; k < fields.Count(); ++k) {
        if (fields.First(k).empty() || fields.Second(k).empty()) continue;
        places[static_cast<size_t>(k)] = {true, fields.FirstNumber(k), fields.SecondNumber(k), 0};
    }
    return places;
}

std::vector<ItemPlace> SeparatedItemPlaces(const CPatternItemFields& fields) {
    std::vector<ItemPlace> places(static_cast<size_t>(fields.Count()));
    for (int k = 0; k < fields.Count(); ++k) {
        if (fields.First(k).empty()) continue;
        places[static_cast<size_t>(k)] = {true, 0, 0, fields.FirstNumber(k)};
    }
    return places;
}

ReadSettings CombineReadSettings(const ReadSettings* fixed, const ReadSettings* delim,
                                 const CPatternEntry* entry) {
    ReadSettings settings;
    if (fixed) {
        settings.places = fixed->places;
        settings.recordLength = fixed->recordLength;
    } else if (delim) {
        settings.places = delim->places;
    }
    if (delim) {
        settings.dataRow = delim->dataRow;
        settings.headingLine = delim->headingLine;
        settings.accountCodes = delim->accountCodes;
    } else if (fixed) {
        settings.accountCodes = fixed->accountCodes;
    }
    const int delimBlank = delim ? delim->blankOption : kAmountAccepted;
    const int delimZero = delim ? delim->zeroOption : kAmountAccepted;
    settings.blankOption = delimBlank != kAmountAccepted ? delimBlank
                           : fixed                       ? fixed->blankOption
                                                         : kAmountAccepted;
    settings.zeroOption = delimZero != kAmountAccepted ? delimZero
                          : fixed                      ? fixed->zeroOption
                                                       : kAmountAccepted;
    if (entry) {
        settings.kind = entry->kind;
        settings.fileClass = entry->fileClass;
    } else {
        const ReadSettings* pattern = fixed ? fixed : delim;
        settings.kind = pattern ? pattern->kind : 0;
        settings.fileClass = fixed ? kFixedLengthFile : (delim ? delim->fileClass : 0);
    }
    return settings;
}

CReadEngine::CReadEngine(const ReaderProfile& profile) : m_reader(profile) {
    SetReadSettings({});
}

CReadEngine::CReadEngine(const ReaderProfile& profile, CApMsgInfoList* messages, HWND parent,
                         const CAbortQuestions& questions, const ProgressDialogIds& dialog)
    : CProgressTask(messages, parent, questions, dialog), m_reader(profile) {
    SetReadSettings({});
}

void CReadEngine::SetReadSettings(ReadSettings settings) {
    m_settings = std::move(settings);
    const ReaderProfile& profile = m_reader.Profile();
    for (size_t i = 0; i < m_accountTable.size(); ++i)
        m_accountTable[i] = {m_settings.accountCodes[i], profile.accountTypes[i]};
    std::vector<ItemPlace> places = m_settings.places;
    places.resize(profile.items.size());
    if (IsFixedLength()) {
        m_reader.SetFixedPlaces(std::move(places));
    } else {
        m_reader.SetSeparatedPlaces(std::move(places), SeparatorOf(m_settings.fileClass));
    }
}

void CReadEngine::SetConvertInfo(int zeroOption, int blankOption, const std::string& firstCode,
                                 const std::string& secondCode, const std::string& thirdCode,
                                 const std::string& fourthCode) {
    ReadSettings settings;
    settings.zeroOption = zeroOption;
    settings.blankOption = blankOption;
    settings.accountCodes = {firstCode, secondCode, thirdCode, fourthCode};
    SetReadSettings(std::move(settings));
}

ItemCheckContext CReadEngine::CheckContext(int recordKind) const {
    ItemCheckContext context;
    context.zeroOption = m_settings.zeroOption;
    context.blankOption = m_settings.blankOption;
    context.accountCodes = m_accountTable;
    context.accountTargets = m_reader.Profile().accountTargets(recordKind);
    context.forbidden = m_reader.Profile().forbidden;
    return context;
}

int CReadEngine::ValidateField(std::string& text, int kind, int recordKind, int namesMissing,
                               int* skipLine) {
    bool skip = false;
    const int result =
        m_reader.Check(text, kind, CheckContext(recordKind), namesMissing != 0, &skip);
    if (skip && skipLine) *skipLine = 1;
    return result;
}

std::string CReadEngine::MapAccountType(std::string_view text) const {
    return ::MapAccountType(text, m_accountTable);
}

int CReadEngine::ReadRecords(const std::string& path) {
    m_totals.Reset();
    m_reader.ResetErrorCount();
    m_reader.ResetWarnings();
    m_faultLine = 0;

    m_progressShown = ShowProgress(kReadingTitle, nullptr) != 0;
    SetRange(0, m_reader.Profile().limits.maxLines + 1);
    int result = kReadOk;
    try {
        result = LoadLines(path);
        SetRange(0, static_cast<int>(m_lines.size()) + 1);
        if (m_progressShown && PumpMessages() != 0) result = kReadCancelled;
        if (result == kReadOk) result = ConvertLines();
    } catch (const std::exception&) {
        result = kReadFailed;  // no memory for the records: the read could not be done
    }
    CloseProgress();
    m_progressShown = false;

    m_lines = {};
    m_text = {};
    return result;
}

bool CReadEngine::IsCancelled(int position) {
    return m_progressShown && Step(position) != 0;
}

int CReadEngine::LoadLines(const std::string& path) {
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

    LineLimits limits = m_reader.Profile().limits;
    CutResult cut;
    if (IsFixedLength()) {
        cut = CutFixedRecords(m_text, m_settings.recordLength, limits, m_lines, &m_faultLine);
    } else {
        // Lines above the data row do not count against the limit.
        if (m_settings.dataRow > 1) limits.maxLines += m_settings.dataRow - 1;
        cut = CutSeparatedLines(m_text, limits, m_lines, &m_faultLine);
    }
    int result = ReadResultOf(cut);
    if (result == kReadOk && m_lines.empty()) result = kReadNoRecords;
    return result;
}

int CReadEngine::ConvertLines() {
    size_t first = 0;
    bool skipFileHead = false;
    if (!IsFixedLength()) {
        first = static_cast<size_t>(std::max(0, m_settings.dataRow - 1));
        skipFileHead = m_settings.headingLine;
    }

    const ItemCheckContext context = CheckContext(m_settings.kind);
    int serial = 0;
    for (size_t i = first; i < m_lines.size(); ++i) {
        const std::string_view line = m_lines[i];
        // An empty line (spreadsheets end their files with one) or one of blanks holds nothing
        // to lose: it makes no record.
        const bool noData = !IsFixedLength() && HoldsNoData(line);
        if (!(skipFileHead && i == 0) && !noData) {
            CItemRecord& record = AppendRecord();
            if (m_reader.ConvertLine(line, record, context)) {
                FinishRecord(record);
                if (!record.HasFieldError()) m_totals.Add(record);
                record.serial = ++serial;
            } else {
                RemoveLastRecord();
            }
        }
        if (IsCancelled(static_cast<int>(i) + 2)) return kReadCancelled;
    }

    if (serial == 0) return first >= m_lines.size() ? kReadNoLines : kReadNoRecords;
    return kReadOk;
}

std::string CReadEngine::ReadSampleLine(const std::string& path, int* status,
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
            CutSeparatedLines(head, m_reader.Profile().limits, lines);
            if (lineNumber >= 1 && static_cast<size_t>(lineNumber) <= lines.size())
                line.assign(lines[static_cast<size_t>(lineNumber) - 1]);
        }
    }
    if (status) *status = result;
    return line;
}
