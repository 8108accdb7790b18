#include "common/flow/ConversionSteps.h"

#include <utility>

#include "common/base/PathNames.h"
#include "common/base/RecordFrame.h"
#include "common/base/StrUtil.h"
#include "common/flow/ReadEngine.h"
#include "common/flow/ReadResult.h"
#include "common/flow/RecordFileWriter.h"

namespace kor {

namespace {

constexpr char kReadFailedText[] = "読み込みエラー";
constexpr char kOutputFailedText[] = "振込データ出力に失敗しました。";

constexpr char kInputWord[] = "変換前ファイル名";
constexpr char kOutputWord[] = "変換後ファイル名";
constexpr char kPatternWord[] = "データ変換パターン";

// The message of each path fault; the words of 54 and 70 name the file edits.
struct PathMessage {
    PathFault fault;
    int id;
};
constexpr PathMessage kPathMessages[] = {
    {PathFault::kNoName, 54},         {PathFault::kBadName, 22},
    {PathFault::kDriveUnusable, 106}, {PathFault::kDriveNotReady, 32},
    {PathFault::kWriteProtected, 51}, {PathFault::kMediumUnusable, 52},
    {PathFault::kReadOnlyDrive, 23},  {PathFault::kNoFolder, 23},
    {PathFault::kNoFile, 5},          {PathFault::kIsFolder, 54},
    {PathFault::kCannotRead, 85},     {PathFault::kSameAsInput, 70},
    {PathFault::kOutputExists, 4},    {PathFault::kCannotWrite, 66},
    {PathFault::kDiskFull, 60},       {PathFault::kDriveFull, 61},
};

int MessageOf(PathFault fault) {
    for (const PathMessage& m : kPathMessages) {
        if (m.fault == fault) return m.id;
    }
    return 0;
}

// The message of each reader result but the two of fixed texts and the one that names a line.
struct ReadMessage {
    int result;
    int id;
    const char* word;
};
constexpr ReadMessage kReadMessages[] = {
    {kReadNoLines, 9, "振込明細"},     {kReadTooManyLines, 6, nullptr},
    {kReadBadRecordSize, 91, nullptr}, {kReadNoRecords, 81, nullptr},
    {kReadEmptyFile, 53, nullptr},     {kReadBadRecordLength, 113, nullptr},
    {kReadCancelled, 19, nullptr},
};

std::string_view WithoutLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

// The number a month or day text holds; 0 when it is empty or holds anything but digits.
int NumberOf(std::string_view text) {
    text = WithoutLeadingBlanks(text);
    if (text.empty() || text.size() > 2) return 0;
    int n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

int CheckConversionDate(std::string_view month, std::string_view day) {
    constexpr int kDaysIn[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int m = NumberOf(month);
    const int d = NumberOf(day);
    if (m < 1 || m > 12 || d < 1 || d > 31) return 10;
    return d > kDaysIn[m - 1] ? 50 : 0;
}

FlowResult CConversionSteps::Stop(int message, FlowField focus, bool inError) {
    FlowResult result;
    result.code = message;
    result.focus = focus;
    result.inError = inError;
    return result;
}

bool CConversionSteps::Ask(PathFault fault) {
    m_question = MessageOf(fault);
    const int answer = m_messages.ShowMessage(m_question);
    // Only an existing output has Cancel for "stop" and anything else for "overwrite".
    return fault == PathFault::kOutputExists ? answer != IDCANCEL : answer == IDOK;
}

FlowResult CConversionSteps::StopAtPath(PathFault fault, FlowField field) {
    if (fault == PathFault::kCancelled) return Stop(m_question, field, true);
    const int id = MessageOf(fault);
    const char* name = field == FlowField::kInput ? kInputWord : kOutputWord;
    switch (fault) {
        case PathFault::kNoName:
        case PathFault::kIsFolder:
            m_messages.ShowMessage(id, name);
            break;
        case PathFault::kCannotRead:
            m_messages.ShowMessage(id, "読込");
            break;
        case PathFault::kSameAsInput:
            m_messages.ShowMessage(id, kOutputWord, kInputWord);
            break;
        default:
            m_messages.ShowMessage(id);
            break;
    }
    return Stop(id, field, true);
}

FlowResult CConversionSteps::StopAtPattern() {
    m_messages.ShowMessage(11, kPatternWord);
    return Stop(11, FlowField::kPattern);
}

FlowResult CConversionSteps::StopAtUnusablePattern(const std::string& name) {
    m_messages.ShowMessage(115, name.c_str());
    return Stop(kUnusablePatternMessage, FlowField::kPattern);
}

FlowResult CConversionSteps::CheckRead(const ReadRequest& request, std::string* input) {
    if (!request.partyChosen) {
        m_messages.ShowMessage(38, m_texts.partyWord);
        return Stop(38);
    }
    // A master edited by hand or damaged would put its faults into the header record.
    if (request.partyFaultField) {
        m_messages.ShowMessage(114, request.partyFaultField);
        return Stop(114);
    }
    if (request.patternIndex < 0) return StopAtPattern();
    switch (CheckConversionDate(request.month, request.day)) {
        case 10:
            m_messages.ShowMessage(10, "振込指定日");
            return Stop(10, FlowField::kMonth);
        case 50:
            m_messages.ShowMessage(50);
            return Stop(50, FlowField::kDay);
        default:
            break;
    }
    const std::string name = NormalizePathText(request.input);
    const PathFault pathFault = CheckInputPath(
        name, [this](PathFault fault) { return Ask(fault); }, m_probe);
    if (pathFault != PathFault::kNone) return StopAtPath(pathFault, FlowField::kInput);
    if (m_messages.ShowMessage(24, "読込") != IDOK) return Stop(24);
    *input = name;
    FlowResult result;
    result.stage = FlowResult::kRead;
    return result;
}

void CConversionSteps::ShowReadFailure(int result, int faultLine) {
    switch (result) {
        case kReadCannotOpen:
            m_messages.ShowFixedBox(m_texts.openFailedText, MB_OK);
            return;
        case kReadFailed:
            m_messages.ShowFixedBox(kReadFailedText, MB_OK);
            return;
        case kReadLineTooLong:
            m_messages.ShowMessage(111, std::to_string(faultLine).c_str());
            return;
        default:
            break;
    }
    for (const ReadMessage& m : kReadMessages) {
        if (m.result == result) m_messages.ShowMessage(m.id, m.word);
    }
}

int CConversionSteps::ShowReadOutcome(bool totalsOverflow, int errorCount, bool warnings) {
    if (totalsOverflow) {
        // The records can be corrected (fewer of them fit), but not written as they are.
        m_messages.ShowMessage(112);
        return 0;
    }
    if (errorCount == 0) {
        m_messages.ShowMessage(67, "読込", "変換後ファイル");
        return 1;
    }
    m_messages.ShowMessage(68, "読込", "変換後ファイル");
    if (warnings) m_messages.ShowMessage(97, "", "");
    return 0;
}

const char* StoredPartyFault(int controlField, std::span<const char* const> lineLabels,
                             const char* checkFault) {
    if (controlField < 0) return checkFault;
    const auto at = static_cast<size_t>(controlField);
    return at < lineLabels.size() ? lineLabels[at] : "";
}

ReadRequest ReadRequestOf(const ScreenChoices& choices, bool partyChosen,
                          const char* partyFaultField) {
    ReadRequest request;
    request.partyChosen = partyChosen;
    request.partyFaultField = partyFaultField;
    request.patternIndex = choices.patternIndex;
    request.month = choices.month;
    request.day = choices.day;
    request.input = choices.input;
    return request;
}

ReadDetails ReadDetailsOf(const CPatternBase* pattern, const ScreenChoices& choices,
                          std::string inputName) {
    ReadDetails read;
    read.pattern = pattern;
    read.month = choices.month;
    read.day = choices.day;
    read.inputName = std::move(inputName);
    read.patternIndex = choices.patternIndex;
    return read;
}

std::string DateText(std::string_view listed) {
    while (!listed.empty() && listed.front() == ' ') listed.remove_prefix(1);
    return std::string(listed);
}

FlowResult CConversionSteps::TakeReadResult(const CReadEngine& engine, int code, bool madeData) {
    FlowResult result;
    result.stage = FlowResult::kRead;
    result.code = code;
    if (code != kReadOk || !madeData) {
        ShowReadFailure(code, engine.GetFaultLine());
        if (code == kReadOk) result.code = kReadNoRecords;
    }
    return result;
}

int CConversionSteps::ShowReadOutcome(const CReadEngine& engine) {
    return ShowReadOutcome(engine.HasTotalOverflow(), engine.GetErrorCount(),
                           engine.HasWarnings() != 0);
}

FlowResult CConversionSteps::CheckOutput(const OutputRequest& request, std::string* path) {
    std::string typed;
    CStrUtil::CutMbcs(request.outputText, typed, MAX_PATH - 1);
    const std::string name = NormalizePathText(typed);
    const auto ask = [this](PathFault fault) { return Ask(fault); };

    const PathFault pathFault = CheckOutputPath(name, request.inputName, ask, m_probe);
    if (pathFault != PathFault::kNone) return StopAtPath(pathFault, FlowField::kOutput);
    if (request.recordsFault != 0) {
        m_messages.ShowMessage(request.recordsFault);
        return Stop(request.recordsFault, FlowField::kOutput);
    }
    const std::uint64_t size =
        CRecordFrame::EstimateFileSize(request.lengthCode, request.lineBreak, request.keptRecords);
    switch (const PathFault room = CheckFreeSpace(name, size, ask, m_probe)) {
        case PathFault::kNone:
            break;
        case PathFault::kCancelled:
            return Stop(m_question, FlowField::kOutput);
        default:
            m_messages.ShowMessage(MessageOf(room));
            return Stop(MessageOf(room), FlowField::kOutput);
    }
    if (m_messages.ShowMessage(24, "出力") != IDOK) return Stop(24);
    *path = name;
    FlowResult result;
    result.stage = FlowResult::kWrite;
    return result;
}

void CConversionSteps::ShowWriteOutcome(int result) {
    if (result == kWritten) {
        m_messages.ShowMessage(75);
    } else if (result == kTotalsTooLarge) {
        m_messages.ShowMessage(112);
    } else {
        m_messages.ShowFixedBox(kOutputFailedText, MB_OK | MB_ICONERROR);
    }
}

FlowResult CConversionSteps::Write(CRecordFileWriter& writer) {
    FlowResult result;
    result.stage = FlowResult::kWrite;
    result.code = writer.Run();
    ShowWriteOutcome(result.code);
    return result;
}

}  // namespace kor
