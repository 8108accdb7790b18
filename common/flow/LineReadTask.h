#pragma once
// The frame in which every tool's reader reads a customer file: the whole file loaded and cut
// into lines or fixed-length records, then the lines converted by the tool, under the progress
// window "読込中です．．．" with its abort button; the text is released at the end.
#include <string>
#include <string_view>
#include <vector>

#include "common/base/LineCutter.h"
#include "common/base/ProgressTask.h"

// The lines of a customer file: the whole file read (a last end byte 0x1A dropped) into text
// and cut into separated lines (the lines above dataRow not counting against the limit) or
// fixed-length records of recordLength bytes; the lines are views into text. A ReadResult:
// kReadOk, kReadCannotOpen, kReadFailed, kReadEmptyFile, the cut's fault (faultLine, when
// given, names the line), or kReadNoRecords when no line was made.
int LoadFileLines(const std::string& path, bool fixedLength, int recordLength, int dataRow,
                  LineLimits limits, std::string& text, std::vector<std::string_view>& lines,
                  int* faultLine = nullptr);

// The status of ReadSampleLine when the head of the file holds no CR LF.
inline constexpr int kSampleNoLineBreak = 4097;
// How much of a file ReadSampleLine looks at.
inline constexpr size_t kSampleBytes = 4000;

// The sample line of the separated-pattern screens: line lineNumber (from 1) of the first
// kSampleBytes of the file, cut at CR LF as a separated file is cut under limits. status: 0, a
// CFileAccess read code (the file cannot be opened or read), or kSampleNoLineBreak; the text is
// empty unless status is 0.
std::string ReadSampleLine(const std::string& path, int* status, int lineNumber,
                           const LineLimits& limits);

class CLineReadTask : public CProgressTask {
public:
    using CProgressTask::CProgressTask;

    // Number (from 1) of the line or record behind a cut's fault, 0 when the result names none.
    int GetFaultLine() const { return m_faultLine; }

protected:
    // LoadLines, then (when it gave kReadOk and the user did not cancel) ConvertLines: their
    // result, kReadCancelled, or kReadFailed when memory ran out. The bar spans maxLines + 1
    // until the file is cut, then the lines + 1.
    int ReadLines(const std::string& path, int maxLines);
    virtual int LoadLines(const std::string& path) = 0;
    virtual int ConvertLines() = 0;

    // LoadFileLines into the task's text and lines.
    int LoadFile(const std::string& path, bool fixedLength, int recordLength, int dataRow,
                 const LineLimits& limits);
    const std::vector<std::string_view>& Lines() const { return m_lines; }
    // Moves the bar to position (pumping now and then); true when the user cancelled.
    bool IsCancelled(int position);

private:
    std::string m_text;                     // the whole file while it is read
    std::vector<std::string_view> m_lines;  // lines or records, views into m_text
    int m_faultLine = 0;
    bool m_progressShown = false;
};
