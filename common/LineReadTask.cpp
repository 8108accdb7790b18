#include "common/LineReadTask.h"

#include <exception>

#include "common/FileAccess.h"
#include "common/ReadResult.h"

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

}  // namespace

int LoadFileLines(const std::string& path, bool fixedLength, int recordLength, int dataRow,
                  LineLimits limits, std::string& text, std::vector<std::string_view>& lines,
                  int* faultLine) {
    lines.clear();
    switch (CFileAccess(path).ReadAll(text)) {
        case CFileAccess::kOk:
            break;
        case CFileAccess::kCannotOpen:
            return kReadCannotOpen;
        default:
            return kReadFailed;
    }
    if (text.empty()) return kReadEmptyFile;
    if (text.size() > 1 && text.back() == kEndOfFile) text.pop_back();

    CutResult cut;
    if (fixedLength) {
        cut = CutFixedRecords(text, recordLength, limits, lines, faultLine);
    } else {
        // Lines above the data row do not count against the limit.
        if (dataRow > 1) limits.maxLines += dataRow - 1;
        cut = CutSeparatedLines(text, limits, lines, faultLine);
    }
    int result = ReadResultOf(cut);
    if (result == kReadOk && lines.empty()) result = kReadNoRecords;
    return result;
}

int CLineReadTask::ReadLines(const std::string& path, int maxLines) {
    m_faultLine = 0;
    m_progressShown = ShowProgress(kReadingTitle, nullptr) != 0;
    SetRange(0, maxLines + 1);
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

int CLineReadTask::LoadFile(const std::string& path, bool fixedLength, int recordLength,
                            int dataRow, const LineLimits& limits) {
    return LoadFileLines(path, fixedLength, recordLength, dataRow, limits, m_text, m_lines,
                         &m_faultLine);
}

bool CLineReadTask::IsCancelled(int position) {
    return m_progressShown && Step(position) != 0;
}
