#include "transfer/ConversionFlow.h"

#include "transfer/ConvertEngine.h"
#include "transfer/ConvertRules.h"
#include "transfer/RequesterForm.h"
#include "transfer/TransferWriter.h"

namespace xf {

namespace {

constexpr kor::ConversionTexts kTexts = {.partyWord = "依頼人情報",
                                         .openFailedText = "読み込みオープンエラー　　"};

constexpr kor::PathMessages kPathMessages = {
    .noName = Msg::kNoPathName,
    .badName = Msg::kBadPathName,
    .driveUnusable = Msg::kDriveUnusable,
    .driveNotReady = Msg::kDriveNotReady,
    .writeProtected = Msg::kWriteProtected,
    .mediumUnusable = Msg::kMediumUnusable,
    .noFolder = Msg::kNoFolder,
    .noFile = Msg::kNoSuchFile,
    .cannotRead = Msg::kCannotRead,
    .sameAsInput = Msg::kOutputIsInput,
    .outputExists = Msg::kOverwriteOutput,
    .cannotWrite = Msg::kCannotWrite,
    .diskFull = Msg::kMediumFull,
    .driveFull = Msg::kDriveFull,
};

constexpr kor::ConversionMessages kStepMessages = {
    .noParty = Msg::kNoPartyChosen,
    .unsoundParty = Msg::kUnsoundParty,
    .noPattern = Msg::kNothingChosen,
    .unusablePattern = Msg::kUnusablePattern,
    .noDate = Msg::kRequiredEmpty,
    .noSuchDay = Msg::kNoSuchDay,
    .startQuestion = Msg::kStartQuestion,
    .paths = kPathMessages,
    .noDetailLines = Msg::kNoDetailLines,
    .tooManyLines = Msg::kTooManyLines,
    .badRecordSize = Msg::kBadRecordSize,
    .noRecords = Msg::kNoRecords,
    .emptyFile = Msg::kEmptyFile,
    .badRecordLength = Msg::kBadRecordLength,
    .readCancelled = Msg::kReadCancelled,
    .lineTooLong = Msg::kLineTooLong,
    .totalsTooLarge = Msg::kTotalsTooLarge,
    .readWithoutErrors = Msg::kReadWithoutErrors,
    .readWithErrors = Msg::kReadWithErrors,
    .warnings = Msg::kWarnings,
    .errorsToWrite = Msg::kErrorsToWrite,
    .nothingToWrite = Msg::kNothingToWrite,
    .written = Msg::kWritten,
};

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

// The names of the requester master line's fields, in line order.
constexpr const char* kRequesterLineLabels[] = {
    "振込依頼人名(ｶﾅ)", "支店コード",     "支店名(ｶﾅ)",   "科目",
    "口座番号",         "登録内容の説明", "依頼人コード", "区分",
};

// The name of the first field of a stored requester that stops a read; null when it is sound
// or none is chosen.
const char* RequesterFault(const CRequesterInfo* requester) {
    if (!requester) return nullptr;
    const FormFault fault = CheckStoredRequester(*requester);
    return kor::StoredPartyFault(requester->controlField, kRequesterLineLabels,
                                 fault ? RequesterFieldName(fault.field) : nullptr);
}

}  // namespace

CConversionFlow::CConversionFlow(CFlowMessages& messages, CApMsgInfoList* table, HWND parent,
                                 const kor::CPathProbe& probe)
    : m_messages(messages),
      m_steps(messages, kStepMessages, kTexts, probe),
      m_table(table),
      m_parent(parent) {}

FlowResult CConversionFlow::Read(CPatternStore& patterns, const ConvertChoices& choices,
                                 std::unique_ptr<CDataSet>& data) {
    const CRequesterInfo* requester = choices.party;
    const kor::ReadRequest request =
        kor::ReadRequestOf(choices.screen, requester != nullptr, RequesterFault(requester));
    std::string name;
    if (const FlowResult checked = m_steps.CheckRead(request, &name);
        checked.stage == FlowResult::kCheck)
        return checked;

    data.reset();
    const int index = choices.screen.patternIndex;
    const auto chosen = kor::ChoosePattern(patterns, index);
    // The stored line does not read as the pattern its entry names.
    if (!chosen.entry) return m_steps.StopAtChosenPattern(patterns, index);
    const CPatternEntry& entry = *chosen.entry;
    const std::optional<Msg> refusal = CheckPatternForRequester(entry, *requester);
    if (refusal == Msg::kSalaryAccountType) {
        m_messages.ShowMessage(Msg::kSalaryAccountType);
        return m_steps.Stop(Msg::kSalaryAccountType, FlowField::kInput);
    }
    if (refusal == Msg::kKindMismatch) {
        m_messages.ShowMessage(Msg::kKindMismatch);
        return m_steps.Stop(Msg::kKindMismatch, FlowField::kPattern);
    }

    CConvertEngine engine(m_table, m_parent);
    engine.SetPattern(chosen.fixed, chosen.delim, &entry, requester);
    const int code = engine.ReadFile(name);
    // Only a successful read gives a data set; a failed one leaves none.
    data = engine.GetDataSet();
    const FlowResult result = m_steps.TakeReadResult(engine, code, data != nullptr);
    if (!result.Done()) {
        data.reset();
        return result;
    }
    CompleteDataSet(*data, entry, choices.bonus,
                    kor::ReadDetailsOf(chosen.Pattern(), choices.screen, name));
    data->errorFree = m_steps.ShowReadOutcome(engine);
    return result;
}

FlowResult CConversionFlow::Output(const std::string& outputText, CDataSet& data) {
    const kor::OutputRequest request = kor::CConversionSteps::OutputRequestOf(outputText, data);
    std::string path;
    if (const FlowResult checked = m_steps.CheckOutput(request, &path);
        checked.stage == FlowResult::kCheck)
        return checked;

    CTransferWriter writer(m_table, m_parent);
    writer.SetData(&data, path);
    const FlowResult result = m_steps.Write(writer);
    m_writtenCount = writer.Totals().count;
    m_writtenTotal = writer.Totals().total;
    // The check screen prints the time of the file last written.
    kor::CConversionSteps::MarkOutput(result.code, data);
    return result;
}

}  // namespace xf
