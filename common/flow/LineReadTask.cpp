#include "common/flow/LineReadTask.h"

#include <exception>

#include "common/base/FileAccess.h"
#include "common/base/StrUtil.h"
#include "common/flow/ReadResult.h"

namespace {

constexpr char kReadingTitle[] = "読込中です．．．";
constexpr char kEndOfFile = '\x1A';

int ReadResultOf(CutResult cut) {
    switch (cut) {
        case CutResult::kOk:
            return kReadOk;
        case CutResult::kNoLines:
            return kReadNoLines;
        case CutResult::kNoLineMade:
            return kReadNoRecords;
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

std::string ReadSampleLine(const std::string& path, int* status, int lineNumber,
                           const LineLimits& limits) {
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
            CutSeparatedLines(head, limits, lines);
            if (lineNumber >= 1 && static_cast<size_t>(lineNumber) <= lines.size())
                line.assign(lines[static_cast<size_t>(lineNumber) - 1]);
        }
    }
    if (status) *status = result;
    return line;
}
