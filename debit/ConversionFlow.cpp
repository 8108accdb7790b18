#include "debit/ConversionFlow.h"

#include "debit/ConsignorCheck.h"
#include "debit/ConvertEngine.h"
#include "debit/DebitWriter.h"
#include "debit/MessageIds.h"

namespace db {

namespace {

constexpr kor::ConversionTexts kTexts = {.partyWord = "委託情報",
                                         .openFailedText = "読み込みオープンエラー"};

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

// The consignor screen's names of its fields, by ConsignorField, for the refusal of a damaged
// consignor.
constexpr const char* kConsignorFieldNames[] = {
    "",           "登録内容の説明", "委託者名(ｶﾅ)", "委託者コード",
    "支店コード", "支店名(ｶﾅ)",     "科目",         "口座番号",
};

// The names of the consignor master line's fields, in line order.
constexpr const char* kConsignorLineLabels[] = {
    "委託者名(ｶﾅ)", "委託者コード", "支店コード",     "支店名(ｶﾅ)",
    "科目",         "口座番号",     "登録内容の説明",
};

const char* ConsignorFault(const CConsignorInfo* consignor) {
    if (!consignor) return nullptr;
    const FormFault fault = CheckConsignor(*consignor);
    const char* checkFault = nullptr;
    if (fault) {
        const auto field = static_cast<size_t>(fault.field);
        checkFault = field < std::size(kConsignorFieldNames) ? kConsignorFieldNames[field] : "";
    }
    return kor::StoredPartyFault(consignor->controlField, kConsignorLineLabels, checkFault);
}

}  // namespace

CConversionFlow::CConversionFlow(CFlowMessages& messages, CApMsgInfoList* table, HWND parent,
                                 const kor::CPathProbe& probe)
    : m_steps(messages, kStepMessages, kTexts, probe), m_table(table), m_parent(parent) {}

FlowResult CConversionFlow::Read(CPatternStore& patterns, const ConvertChoices& choices,
                                 std::unique_ptr<CDataSet>& data) {
    const kor::ReadRequest request =
        kor::ReadRequestOf(choices.screen, choices.party != nullptr, ConsignorFault(choices.party));
    std::string name;
    if (const FlowResult checked = m_steps.CheckRead(request, &name);
        checked.stage == FlowResult::kCheck)
        return checked;

    data.reset();
    const auto chosen = kor::ChoosePattern(patterns, choices.screen.patternIndex);
    if (!chosen.entry) return m_steps.StopAtChosenPattern(patterns, choices.screen.patternIndex);

    CConvertEngine engine(m_table, m_parent);
    engine.SetPattern(chosen.fixed, chosen.delim, chosen.entry, choices.party);
    const int code = engine.ReadFile(0, name);
    data = engine.GetDataSet();
    const FlowResult result = m_steps.TakeReadResult(engine, code, data != nullptr);
    if (!result.Done()) {
        data.reset();
        return result;
    }
    data->kind = kKindAccountTransfer;  // the only kind of this tool, whatever the pattern says
    kor::CompleteReadData(*data, kor::ReadDetailsOf(chosen.Pattern(), choices.screen, name));
    data->errorFree = m_steps.ShowReadOutcome(engine);
    return result;
}

FlowResult CConversionFlow::Output(const std::string& outputText, CDataSet& data) {
    std::string path;
    if (const FlowResult checked =
            m_steps.CheckOutput(kor::CConversionSteps::OutputRequestOf(outputText, data), &path);
        checked.stage == FlowResult::kCheck)
        return checked;

    CDebitWriter writer(m_table, m_parent);
    writer.SetData(&data, path);
    const FlowResult result = m_steps.Write(writer);
    if (kor::CConversionSteps::MarkOutput(result.code, data)) data.outputFileName = path;
    return result;
}

}  // namespace db
