#include "transfer/ConversionFlow.h"

#include <ctime>
#include <string_view>

#include "common/PathNames.h"
#include "common/RecordFrame.h"
#include "common/StrUtil.h"
#include "transfer/ConvertEngine.h"
#include "transfer/ConvertRules.h"
#include "transfer/RequesterForm.h"
#include "transfer/TransferWriter.h"

namespace xf {

namespace {

constexpr char kOpenFailedText[] = "読み込みオープンエラー　　";
constexpr char kReadFailedText[] = "読み込みエラー";
constexpr char kOutputFailedText[] = "振込データ出力に失敗しました。";

constexpr char kInputWord[] = "変換前ファイル名";
constexpr char kOutputWord[] = "変換後ファイル名";

// The message of each path fault; the words of 54 and 70 name the file edits.
struct PathMessage {
    kor::PathFault fault;
    int id;
};
constexpr PathMessage kPathMessages[] = {
    {kor::PathFault::kNoName, 54},         {kor::PathFault::kBadName, 22},
    {kor::PathFault::kDriveUnusable, 106}, {kor::PathFault::kDriveNotReady, 32},
    {kor::PathFault::kWriteProtected, 51}, {kor::PathFault::kMediumUnusable, 52},
    {kor::PathFault::kReadOnlyDrive, 23},  {kor::PathFault::kNoFolder, 23},
    {kor::PathFault::kNoFile, 5},          {kor::PathFault::kIsFolder, 54},
    {kor::PathFault::kCannotRead, 85},     {kor::PathFault::kSameAsInput, 70},
    {kor::PathFault::kOutputExists, 4},    {kor::PathFault::kCannotWrite, 66},
    {kor::PathFault::kDiskFull, 60},       {kor::PathFault::kDriveFull, 61},
};

int MessageOf(kor::PathFault fault) {
    for (const PathMessage& m : kPathMessages) {
        if (m.fault == fault) return m.id;
    }
    return 0;
}

// The name of a requester field in the refusal of a damaged requester.
const char* RequesterFieldName(int field) {
    switch (field) {
        case RequesterForm::kDescription:
            return "登録内容の説明";
        case RequesterForm::kName:
            return "振込依頼人名(ｶﾅ)";
        case RequesterForm::kRequesterCode:
            return "依頼人コード";
        case RequesterForm::kBranchCode:
            return "支店コード";
        case RequesterForm::kBranchName:
            return "支店名(ｶﾅ)";
        case RequesterForm::kAccountType:
            return "科目";
        case RequesterForm::kAccountNumber:
            return "口座番号";
        default:
            return "";
    }
}

}  // namespace

FlowResult CConversionFlow::Stop(int message, FlowField focus, bool inError) {
    FlowResult result;
    result.code = message;
    result.focus = focus;
    result.inError = inError;
    return result;
}

bool CConversionFlow::Ask(kor::PathFault fault) {
    m_question = MessageOf(fault);
    const int answer = m_messages.ShowMessage(m_question);
    // Only an existing output has Cancel for "stop" and anything else for "overwrite".
    return fault == kor::PathFault::kOutputExists ? answer != IDCANCEL : answer == IDOK;
}

FlowResult CConversionFlow::StopAtPath(kor::PathFault fault, FlowField field) {
    if (fault == kor::PathFault::kCancelled) return Stop(m_question, field, true);
    const int id = MessageOf(fault);
    const char* name = field == FlowField::kInput ? kInputWord : kOutputWord;
    switch (fault) {
        case kor::PathFault::kNoName:
        case kor::PathFault::kIsFolder:
            m_messages.ShowMessage(id, name);
            break;
        case kor::PathFault::kCannotRead:
            m_messages.ShowMessage(id, "読込");
            break;
        case kor::PathFault::kSameAsInput:
            m_messages.ShowMessage(id, kOutputWord, kInputWord);
            break;
        default:
            m_messages.ShowMessage(id);
            break;
    }
    return Stop(id, field, true);
}

FlowResult CConversionFlow::Read(CPatternStore& patterns, const ConvertChoices& choices,
                                 std::unique_ptr<CDataSet>& data) {
    if (!choices.requester) {
        m_messages.ShowMessage(38, "依頼人情報");
        return Stop(38);
    }
    // A requester master edited by hand or damaged would put its faults into the header record.
    if (const FormFault fault = CheckStoredRequester(*choices.requester)) {
        m_messages.ShowMessage(114, RequesterFieldName(fault.field));
        return Stop(114);
    }
    if (choices.patternIndex < 0) {
        m_messages.ShowMessage(11, "データ変換パターン");
        return Stop(11, FlowField::kPattern);
    }
    switch (CheckTransferDate(choices.month, choices.day)) {
        case 10:
            m_messages.ShowMessage(10, "振込指定日");
            return Stop(10, FlowField::kMonth);
        case 50:
            m_messages.ShowMessage(50);
            return Stop(50, FlowField::kDay);
        default:
            break;
    }
    const std::string name = kor::NormalizePathText(choices.input);
    const kor::PathFault pathFault = kor::CheckInputPath(
        name, [this](kor::PathFault fault) { return Ask(fault); }, m_probe);
    if (pathFault != kor::PathFault::kNone) return StopAtPath(pathFault, FlowField::kInput);
    if (m_messages.ShowMessage(24, "読込") != IDOK) return Stop(24);

    data.reset();
    const int index = choices.patternIndex;
    if (static_cast<size_t>(index) >= patterns.GetList().size()) {
        m_messages.ShowMessage(11, "データ変換パターン");
        return Stop(11, FlowField::kPattern);
    }
    const CPatternEntry& entry = *patterns.GetList()[index];
    const CFixedPattern* fixed = nullptr;
    const CDelimPattern* delim = nullptr;
    if (IsFixedLengthClass(entry.fileClass)) {
        fixed = patterns.GetFixedPattern(index);
    } else {
        delim = patterns.GetDelimPattern(index);
    }
    if (!fixed && !delim) {
        // The stored line does not read as the pattern its entry names.
        m_messages.ShowMessage(11, "データ変換パターン");
        return Stop(11, FlowField::kPattern);
    }
    switch (CheckPatternForRequester(entry, *choices.requester)) {
        case 49:
            m_messages.ShowMessage(49);
            return Stop(49, FlowField::kInput);
        case 103:
            m_messages.ShowMessage(103);
            return Stop(103, FlowField::kPattern);
        default:
            break;
    }

    CConvertEngine engine(m_table, m_parent);
    engine.SetPattern(fixed, delim, &entry, choices.requester);
    FlowResult result;
    result.stage = FlowResult::kRead;
    result.code = engine.ReadFile(name);
    // Only a successful read gives a data set; a failed one leaves none.
    data = engine.GetDataSet();
    if (result.code != kReadOk || !data) {
        data.reset();
        ShowReadFailure(result.code, engine.GetFaultLine());
        if (result.code == kReadOk) result.code = kReadNoRecords;
        return result;
    }
    ReadChoices read;
    read.entry = &entry;
    read.fixed = fixed;
    read.delim = delim;
    read.bonus = choices.bonus;
    read.month = choices.month;
    read.day = choices.day;
    read.inputName = name;
    read.patternIndex = index;
    CompleteDataSet(*data, read);
    if (engine.HasTotalOverflow()) {
        // The records can be corrected (fewer of them fit), but not written as they are.
        m_messages.ShowMessage(112);
        data->errorFree = 0;
    } else if (engine.GetErrorCount() == 0) {
        m_messages.ShowMessage(67, "読込", "変換後ファイル");
        data->errorFree = 1;
    } else {
        m_messages.ShowMessage(68, "読込", "変換後ファイル");
        if (engine.HasWarnings()) m_messages.ShowMessage(97, "", "");
        data->errorFree = 0;
    }
    data->outputDone = 0;
    return result;
}

void CConversionFlow::ShowReadFailure(int result, int faultLine) {
    switch (result) {
        case kReadCannotOpen:
            m_messages.ShowFixedBox(kOpenFailedText, MB_OK);
            break;
        case kReadFailed:
            m_messages.ShowFixedBox(kReadFailedText, MB_OK);
            break;
        case kReadNoLines:
            m_messages.ShowMessage(9, "振込明細");
            break;
        case kReadTooManyLines:
            m_messages.ShowMessage(6);
            break;
        case kReadBadRecordSize:
            m_messages.ShowMessage(91);
            break;
        case kReadNoRecords:
            m_messages.ShowMessage(81);
            break;
        case kReadEmptyFile:
            m_messages.ShowMessage(53);
            break;
        case kReadLineTooLong:
            m_messages.ShowMessage(111, std::to_string(faultLine).c_str());
            break;
        case kReadBadRecordLength:
            m_messages.ShowMessage(113);
            break;
        case kReadCancelled:
            m_messages.ShowMessage(19);
            break;
        default:
            break;
    }
}

FlowResult CConversionFlow::Output(const std::string& outputText, CDataSet& data) {
    std::string typed;
    CStrUtil::CutMbcs(outputText, typed, MAX_PATH - 1);
    const std::string path = kor::NormalizePathText(typed);
    const auto ask = [this](kor::PathFault fault) { return Ask(fault); };

    const kor::PathFault pathFault =
        kor::CheckOutputPath(path, data.inputFileName, ask, m_probe);
    if (pathFault != kor::PathFault::kNone) return StopAtPath(pathFault, FlowField::kOutput);
    switch (CheckRecordsForOutput(data)) {
        case 20:
            m_messages.ShowMessage(20);
            return Stop(20, FlowField::kOutput);
        case 39:
            m_messages.ShowMessage(39);
            return Stop(39, FlowField::kOutput);
        default:
            break;
    }
    int records = 0;
    for (const auto& record : data.details) {
        if (record->deleteFlag != 1) ++records;
    }
    const std::uint64_t size =
        CRecordFrame::EstimateFileSize(data.outputLengthCode, data.lineBreak, records);
    switch (const kor::PathFault room = kor::CheckFreeSpace(path, size, ask, m_probe)) {
        case kor::PathFault::kNone:
            break;
        case kor::PathFault::kCancelled:
            return Stop(m_question, FlowField::kOutput);
        default:
            m_messages.ShowMessage(MessageOf(room));
            return Stop(MessageOf(room), FlowField::kOutput);
    }
    if (m_messages.ShowMessage(24, "出力") != IDOK) return Stop(24);

    CTransferWriter writer(m_table, m_parent);
    writer.SetData(&data, path);
    FlowResult result;
    result.stage = FlowResult::kWrite;
    result.code = writer.Run();
    m_writtenCount = writer.Totals().count;
    m_writtenTotal = writer.Totals().total;
    if (result.code == CTransferWriter::kWritten) {
        m_messages.ShowMessage(75);
        data.outputDone = 1;
        data.outputTime = static_cast<std::int64_t>(std::time(nullptr));
    } else if (result.code == CTransferWriter::kTotalsTooLarge) {
        m_messages.ShowMessage(112);
    } else {
        m_messages.ShowFixedBox(kOutputFailedText, MB_OK | MB_ICONERROR);
    }
    return result;
}

}  // namespace xf
