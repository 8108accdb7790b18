#include "localtax/ConversionFlow.h"

#include <algorithm>

#include "common/base/ApMsgInfoList.h"
#include "common/flow/ConversionSteps.h"
#include "framework/PlainMessage.h"
#include "localtax/ConvertEngine.h"
#include "localtax/MessageIds.h"
#include "localtax/RequesterForm.h"
#include "localtax/ScreenVersion.h"
#include "localtax/SysEnv.h"
#include "localtax/TaxWriter.h"

namespace tx {

namespace {

// This program's name in the box of an internal refusal, and where the refusal was met.
constexpr char kScreenSource[] = "KorTx300Dlg";
constexpr char kRefusalPlace[] = "642";

// A handling the data set keeps: 1 error or 2 skip; any other value leaves it as it was.
void CopyHandling(std::int16_t& target, int handling) {
    if (handling == 1 || handling == 2) target = static_cast<std::int16_t>(handling);
}

// The names of the requester master line's four fields, in line order.
constexpr const char* kRequesterLineLabels[] = {kRequesterNameLabel, kRequesterNameLabel,
                                                kRequesterAddressLabel, kRequesterAddressLabel};

std::string AsPath(const std::string& text) {
    std::string path = TrimLeadingBlanks(text);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace

std::string TrimLeadingBlanks(std::string_view text) {
    static constexpr std::string_view kWideBlank = "\x81\x40";  // "　"
    for (;;) {
        if (text.starts_with(' ')) {
            text.remove_prefix(1);
        } else if (text.starts_with(kWideBlank)) {
            text.remove_prefix(kWideBlank.size());
        } else {
            return std::string(text);
        }
    }
}

CConversionFlow::CConversionFlow(::CApMsgInfoList& messages, HWND parent,
                                 const ProgressDialogIds& dialog)
    : m_messages(messages), m_parent(parent), m_dialog(dialog) {}

bool CConversionFlow::ValidateBeforeRead(int patternIndex, const CRequesterInfo* requester,
                                         const std::string& path, FlowOutcome& outcome) {
    if (!requester || requester->name1.empty()) {
        m_messages.ShowMessage(m_parent, Msg::kNoRequester, "依頼人情報");
        return false;
    }
    // A master edited by hand or damaged: its lines would go into every file's header.
    const FormFault fault = CheckRequesterForm(*requester);
    if (const char* field =
            kor::StoredPartyFault(requester->controlField, kRequesterLineLabels,
                                  fault ? RequesterFieldLabel(fault.field) : nullptr)) {
        m_messages.ShowMessage(m_parent, Msg::kUnsoundRequester, field);
        return false;
    }
    if (patternIndex < 0) {
        m_messages.ShowMessage(m_parent, Msg::kNothingChosen, "データ変換パターン");
        outcome.field = FlowField::kPattern;
        return false;
    }
    bool usable = true;
    if (path.empty()) {
        m_messages.ShowMessage(m_parent, Msg::kNoPathName, "変換前ファイル名");
        usable = false;
    } else if (!CSysEnv::IsValidPathName(path)) {
        m_messages.ShowMessage(m_parent, Msg::kBadInputPath);
        usable = false;
    } else if (!CSysEnv::ShowAccessError(m_parent, m_messages, path, true, true)) {
        usable = false;
    }
    if (!usable) outcome.field = FlowField::kInput;
    return usable;
}

FlowOutcome CConversionFlow::Read(CPatternStore& patterns, int patternIndex,
                                  const CRequesterInfo* requester, const std::string& inputText,
                                  std::unique_ptr<CDataSet>& data, ItemSetFlags& sets) {
    FlowOutcome outcome;
    const std::string path = AsPath(inputText);
    if (!ValidateBeforeRead(patternIndex, requester, path, outcome)) return outcome;
    if (m_messages.ShowMessage(m_parent, Msg::kStartQuestion, "読込") != IDOK) return outcome;

    data.reset();
    const auto& list = patterns.GetList();
    if (patternIndex >= static_cast<int>(list.size())) return outcome;
    const CPatternEntry& entry = *list[static_cast<size_t>(patternIndex)];
    const CFixedPattern* fixed = nullptr;
    const CDelimPattern* delim = nullptr;
    if (IsFixedLengthClass(entry.fileClass)) {
        fixed = patterns.GetFixedPattern(patternIndex);
    } else {
        delim = patterns.GetDelimPattern(patternIndex);
    }
    const CPatternBase* pattern = delim ? static_cast<const CPatternBase*>(delim) : fixed;
    // A stored line whose output codes are none of ours (edited by hand, say) gives no pattern.
    if (!pattern) {
        m_messages.ShowMessage(m_parent, Msg::kUnusablePattern, entry.name.c_str());
        outcome.field = FlowField::kPattern;
        return outcome;
    }
    for (int set = 0; set < kItemSetCount; ++set) {
        sets[static_cast<size_t>(set)] = pattern->UsesItemSet(set) ? 1 : 0;
    }

    CConvertEngine engine(m_messages, m_parent, m_dialog);
    engine.SetPattern(fixed, delim, &entry, requester);
    outcome.code = engine.ReadFile(path);
    if (outcome.code != kTaxReadOk) {
        ShowReadResult(outcome.code);
        return outcome;
    }
    data = engine.GetDataSet();
    CTaxGroup& group = *data->groups.front();
    group.output = 1;
    group.error = 0;
    CopyHandling(data->zeroAmount, engine.CheckSettings().zeroHandling);
    CopyHandling(data->blankAmount, engine.CheckSettings().blankHandling);
    data->recordLengthKind = static_cast<std::int16_t>(pattern->OutputLengthCode());
    data->lineBreak = static_cast<std::int16_t>(pattern->LineBreak());

    const bool anyError = std::any_of(group.details.begin(), group.details.end(),
                                      [](const auto& d) { return d->error != 0; });
    if (anyError) {
        m_messages.ShowMessage(m_parent, Msg::kReadWithErrors, "読込");
        if (engine.HasErrors() == 1) m_messages.ShowMessage(m_parent, Msg::kItemTooLong);
    } else {
        m_messages.ShowMessage(m_parent, Msg::kReadWithoutErrors, "読込", "変換後ファイル");
    }
    outcome.done = true;
    return outcome;
}

void CConversionFlow::ShowReadResult(int result) {
    switch (result) {
        case kTaxReadCannotOpen:
            kor::ShowPlainMessage(m_parent, "読み込みオープンエラー　　", kProgramName);
            return;
        case kTaxReadFailed:
            kor::ShowPlainMessage(m_parent, "読み込みエラー", kProgramName);
            return;
        case kTaxReadRefused:
            m_messages.ShowMessage(m_parent, Msg::kInternalFault, kScreenSource, kRefusalPlace);
            return;
        case kTaxReadNoLines:
            m_messages.ShowMessage(m_parent, Msg::kNoDetailLines, "地方税明細");
            return;
        case kTaxReadTooManyLines:
            m_messages.ShowMessage(m_parent, Msg::kTooManyLines);
            return;
        case kTaxReadBadRecordSize:
            m_messages.ShowMessage(m_parent, Msg::kBadRecordSize);
            return;
        case kTaxReadNoDetails:
            m_messages.ShowMessage(m_parent, Msg::kNoRecords);
            return;
        case kTaxReadEmptyFile:
            m_messages.ShowMessage(m_parent, Msg::kEmptyFile);
            return;
        case kTaxReadCancelled:
            m_messages.ShowMessage(m_parent, Msg::kReadCancelled);
            return;
        case kTaxReadLineTooLong:
            m_messages.ShowMessage(m_parent, Msg::kLineTooLong);
            return;
        case kTaxReadBadRecordLength:
            m_messages.ShowMessage(m_parent, Msg::kBadRecordLength);
            return;
        default:
            break;
    }
}

int CConversionFlow::CheckOutputData(const CDataSet& data) {
    if (data.groups.empty()) return 0;
    bool seen = false;
    for (const auto& detail : data.groups.front()->details) {
        if (detail->output == 0) continue;
        if (!detail->AllItemsValid()) return 2;
        seen = true;
    }
    return seen ? 1 : 0;
}

FlowOutcome CConversionFlow::Output(const std::string& folderText, const CDataSet& data,
                                    bool patternChanged, std::unique_ptr<CDataSet>& output) {
    FlowOutcome outcome;
    if (patternChanged) m_messages.ShowMessage(m_parent, Msg::kPatternChanged);
    const std::string folder = AsPath(folderText.substr(0, 259));  // the edit takes 259 bytes
    if (!CSysEnv::ShowAccessError(m_parent, m_messages, folder, false, false)) {
        outcome.field = FlowField::kOutput;
        return outcome;
    }
    switch (CheckOutputData(data)) {
        case 0:
            m_messages.ShowMessage(m_parent, Msg::kNothingToWrite);
            return outcome;
        case 2:
            m_messages.ShowMessage(m_parent, Msg::kErrorsToWrite);
            return outcome;
        default:
            break;
    }
    if (m_messages.ShowMessage(m_parent, Msg::kStartQuestion, "出力") != IDOK) return outcome;
    output.reset();
    CTaxWriter writer(m_messages, m_parent, m_dialog);
    outcome.code = writer.Run(data, output, folder);
    outcome.done = outcome.code == CTaxWriter::kWritten;
    return outcome;
}

}  // namespace tx
