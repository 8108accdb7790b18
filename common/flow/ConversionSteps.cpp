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

DateFault CheckConversionDate(std::string_view month, std::string_view day) {
    constexpr int kDaysIn[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int m = NumberOf(month);
    const int d = NumberOf(day);
    if (m < 1 || m > 12 || d < 1 || d > 31) return DateFault::kMissing;
    return d > kDaysIn[m - 1] ? DateFault::kNoSuchDay : DateFault::kNone;
}

FlowResult CConversionSteps::Stop(std::optional<MessageId> message, FlowField focus, bool inError) {
    FlowResult result;
    result.stop = message;
    result.focus = focus;
    result.inError = inError;
    return result;
}

MessageId CConversionSteps::ShowWithoutWords(MessageId id) {
    m_messages.ShowMessage(id);
    return id;
}

bool CConversionSteps::AskToGoOn(MessageId question) {
    m_question = question;
    return m_messages.ShowMessage(question) == IDOK;
}

bool CConversionSteps::Ask(PathFault fault) {
    const PathMessages& m = m_ids.paths;
    switch (fault) {
        case PathFault::kWriteProtected:
            return AskToGoOn(m.writeProtected);
        case PathFault::kMediumUnusable:
            return AskToGoOn(m.mediumUnusable);
        case PathFault::kOutputExists:
            // Only an existing output has Cancel for "stop" and anything else for "overwrite".
            m_question = m.outputExists;
            return m_messages.ShowMessage(m.outputExists) != IDCANCEL;
        case PathFault::kDiskFull:
            return AskToGoOn(m.diskFull);
        default:
            // The checks ask no other fault; one that did would stop them, unasked.
            m_question.reset();
            return false;
    }
}

MessageId CConversionSteps::ShowPathFault(PathFault fault, FlowField field) {
    const PathMessages& m = m_ids.paths;
    switch (fault) {
        case PathFault::kBadName:
            return ShowWithoutWords(m.badName);
        case PathFault::kDriveUnusable:
            return ShowWithoutWords(m.driveUnusable);
        case PathFault::kDriveNotReady:
            return ShowWithoutWords(m.driveNotReady);
        case PathFault::kWriteProtected:
            return ShowWithoutWords(m.writeProtected);
        case PathFault::kMediumUnusable:
            return ShowWithoutWords(m.mediumUnusable);
        case PathFault::kReadOnlyDrive:
        case PathFault::kNoFolder:
            return ShowWithoutWords(m.noFolder);
        case PathFault::kNoFile:
            return ShowWithoutWords(m.noFile);
        case PathFault::kCannotRead:
            m_messages.ShowMessage(m.cannotRead, "読込");
            return m.cannotRead;
        case PathFault::kSameAsInput:
            m_messages.ShowMessage(m.sameAsInput, kOutputWord, kInputWord);
            return m.sameAsInput;
        case PathFault::kOutputExists:
            return ShowWithoutWords(m.outputExists);
        case PathFault::kCannotWrite:
            return ShowWithoutWords(m.cannotWrite);
        case PathFault::kDiskFull:
            return ShowWithoutWords(m.diskFull);
        case PathFault::kDriveFull:
            return ShowWithoutWords(m.driveFull);
        case PathFault::kNone:
        case PathFault::kCancelled:
        case PathFault::kNoName:
        case PathFault::kIsFolder:
            break;
    }
    m_messages.ShowMessage(m.noName, field == FlowField::kInput ? kInputWord : kOutputWord);
    return m.noName;
}

FlowResult CConversionSteps::StopAtPath(PathFault fault, FlowField field) {
    if (fault == PathFault::kCancelled) return Stop(m_question, field, true);
    return Stop(ShowPathFault(fault, field), field, true);
}

FlowResult CConversionSteps::StopAtPattern() {
    m_messages.ShowMessage(m_ids.noPattern, kPatternWord);
    return Stop(m_ids.noPattern, FlowField::kPattern);
}

FlowResult CConversionSteps::StopAtUnusablePattern(const std::string& name) {
    m_messages.ShowMessage(m_ids.unusablePattern, name.c_str());
    return Stop(m_ids.unusablePattern, FlowField::kPattern);
}

FlowResult CConversionSteps::CheckRead(const ReadRequest& request, std::string* input) {
    if (!request.partyChosen) {
        m_messages.ShowMessage(m_ids.noParty, m_texts.partyWord);
        return Stop(m_ids.noParty);
    }
    // A master edited by hand or damaged would put its faults into the header record.
    if (request.partyFaultField) {
        m_messages.ShowMessage(m_ids.unsoundParty, request.partyFaultField);
        return Stop(m_ids.unsoundParty);
    }
    if (request.patternIndex < 0) return StopAtPattern();
    switch (CheckConversionDate(request.month, request.day)) {
        case DateFault::kMissing:
            m_messages.ShowMessage(m_ids.noDate, "振込指定日");
            return Stop(m_ids.noDate, FlowField::kMonth);
        case DateFault::kNoSuchDay:
            m_messages.ShowMessage(m_ids.noSuchDay);
            return Stop(m_ids.noSuchDay, FlowField::kDay);
        case DateFault::kNone:
            break;
    }
    const std::string name = NormalizePathText(request.input);
    const PathFault pathFault = CheckInputPath(
        name, [this](PathFault fault) { return Ask(fault); }, m_probe);
    if (pathFault != PathFault::kNone) return StopAtPath(pathFault, FlowField::kInput);
    if (m_messages.ShowMessage(m_ids.startQuestion, "読込") != IDOK)
        return Stop(m_ids.startQuestion);
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
            m_messages.ShowMessage(m_ids.lineTooLong, std::to_string(faultLine).c_str());
            return;
        case kReadNoLines:
            m_messages.ShowMessage(m_ids.noDetailLines, "振込明細");
            return;
        case kReadTooManyLines:
            ShowWithoutWords(m_ids.tooManyLines);
            return;
        case kReadBadRecordSize:
            ShowWithoutWords(m_ids.badRecordSize);
            return;
        case kReadNoRecords:
            ShowWithoutWords(m_ids.noRecords);
            return;
        case kReadEmptyFile:
            ShowWithoutWords(m_ids.emptyFile);
            return;
        case kReadBadRecordLength:
            ShowWithoutWords(m_ids.badRecordLength);
            return;
        case kReadCancelled:
            ShowWithoutWords(m_ids.readCancelled);
            return;
        default:
            break;
    }
}

int CConversionSteps::ShowReadOutcome(bool totalsOverflow, int errorCount, bool warnings) {
    if (totalsOverflow) {
        // The records can be corrected (fewer of them fit), but not written as they are.
        m_messages.ShowMessage(m_ids.totalsTooLarge);
        return 0;
    }
    if (errorCount == 0) {
        m_messages.ShowMessage(m_ids.readWithoutErrors, "読込", "変換後ファイル");
        return 1;
    }
    m_messages.ShowMessage(m_ids.readWithErrors, "読込", "変換後ファイル");
    if (warnings) m_messages.ShowMessage(m_ids.warnings, "", "");
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
    switch (request.recordsFault) {
        case RecordsFault::kInError:
            m_messages.ShowMessage(m_ids.errorsToWrite);
            return Stop(m_ids.errorsToWrite, FlowField::kOutput);
        case RecordsFault::kAllDeleted:
            m_messages.ShowMessage(m_ids.nothingToWrite);
            return Stop(m_ids.nothingToWrite, FlowField::kOutput);
        case RecordsFault::kNone:
            break;
    }
    const std::uint64_t size =
        CRecordFrame::EstimateFileSize(request.lengthCode, request.lineBreak, request.keptRecords);
    switch (const PathFault room = CheckFreeSpace(name, size, ask, m_probe)) {
        case PathFault::kNone:
            break;
        case PathFault::kCancelled:
            return Stop(m_question, FlowField::kOutput);
        default:
            return Stop(ShowPathFault(room, FlowField::kOutput), FlowField::kOutput);
    }
    if (m_messages.ShowMessage(m_ids.startQuestion, "出力") != IDOK)
        return Stop(m_ids.startQuestion);
    *path = name;
    FlowResult result;
    result.stage = FlowResult::kWrite;
    return result;
}

void CConversionSteps::ShowWriteOutcome(int result) {
    if (result == kWritten) {
        m_messages.ShowMessage(m_ids.written);
    } else if (result == kTotalsTooLarge) {
        m_messages.ShowMessage(m_ids.totalsTooLarge);
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
