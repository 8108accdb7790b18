#include "common/flow/ReadEngine.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "common/base/FileAccess.h"
#include "common/base/LineCutter.h"

namespace {

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
    : CLineReadTask(messages, parent, questions, dialog), m_reader(profile) {
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
    return ReadLines(path, m_reader.Profile().limits.maxLines);
}

int CReadEngine::LoadLines(const std::string& path) {
    return LoadFile(path, IsFixedLength(), m_settings.recordLength, m_settings.dataRow,
                    m_reader.Profile().limits);
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
    const std::vector<std::string_view>& lines = Lines();
    for (size_t i = first; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
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

    if (serial == 0) return first >= lines.size() ? kReadNoLines : kReadNoRecords;
    return kReadOk;
}

std::string CReadEngine::ReadSampleLine(const std::string& path, int* status,
                                        int lineNumber) const {
    return ::ReadSampleLine(path, status, lineNumber, m_reader.Profile().limits);
}
