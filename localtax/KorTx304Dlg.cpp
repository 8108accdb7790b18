#include "localtax/KorTx304Dlg.h"

#include "localtax/MessageIds.h"
#include "localtax/PatternBase.h"
#include "localtax/PatternSteps.h"
#include "localtax/ScreenVersion.h"
#include "localtax/SysEnv.h"
#include "localtax/TaxItems.h"
#include "resources/localtax/KorTx304DlgRes.h"

namespace tx {

namespace {

constexpr char kSampleLabel[] = "変換前ファイル名";
// A master that cannot be written is reported as an internal fault of this screen.
constexpr char kScreenSource[] = "KorTx304Dlg";

// The payment set is required too while the salary or the retirement set is in use.
const DelimItemSet kItemSets[kItemSetCount] = {
    {ItemsOfSet(kSalarySet)},
    {ItemsOfSet(kRetirementSet)},
    {ItemsOfSet(kPaymentSet), (1u << kSalarySet) | (1u << kRetirementSet)},
};

DelimScreenMessages ScreenMessages() {
    return {.form = {.noName = Msg::kRequiredEmpty,
                     .nameTooLong = Msg::kTooLong,
                     .quoteOrComma = Msg::kQuoteOrComma,
                     .itemUnassigned = Msg::kItemUnassigned,
                     .textTooLong = Msg::kTooLong,
                     .setAlone = Msg::kPaymentSetAlone,
                     .setAloneWord = "定義"},
            .steps = PatternStepsOf(kScreenSource),
            .fixedLengthName = Msg::kOtherShapeName,
            .redefine = Msg::kRedefineItem,
            .discard = Msg::kDiscardPattern,
            .noLineBreak = Msg::kNoDetailLines,
            .noLineBreakWord = "地方税明細",
            .samplePath = std::nullopt};
}

// Every pattern is stored as the local-tax kind; the reader gives its own statuses of a file
// that cannot be read.
DelimPatternScreenText Text() {
    return {
        .programName = kProgramName,
        .version = CSysEnv::GetVersionText(),
        .items = PatternItems(),
        .layout = kPatternLayout,
        .kind = {.code = kKindCode, .name = kKindName, .carriesGeneralOnly = true, .cleared = true},
        .rowsMessage = Msg::kDataRowBeforeTitles,
        .messages = ScreenMessages(),
        .sampleCodes = {kSampleNoLineBreak, kTaxReadCannotOpen, kTaxReadFailed},
        .itemSets = kItemSets,
        .noTitleRows = "なし",
        .selectsFirstItem = true};
}

}  // namespace

const KorTx304Controls kKorTx304Controls = {
    .dialog = IDD_KORTX304,
    .separator = {IDC_TX304_CSV, IDC_TX304_TAB, IDC_TX304_SPACE},
    .zero = {IDC_TX304_ZERO_ERROR, IDC_TX304_ZERO_SKIP},
    .blank = {IDC_TX304_BLANK_ERROR, IDC_TX304_BLANK_SKIP},
    .output = {IDC_TX304_OUTPUT_120, IDC_TX304_OUTPUT_126, IDC_TX304_OUTPUT_128},
    .lineBreak = {IDC_TX304_LINE_BREAK, IDC_TX304_NO_LINE_BREAK},
    .define = IDC_TX304_DEFINE,
    .undefine = IDC_TX304_UNDEFINE,
    .cancelAll = IDC_TX304_CANCEL_ALL,
    .update = IDC_TX304_UPDATE,
    .deletePattern = IDC_TX304_DELETE,
    .back = IDC_TX304_BACK,
    .browse = IDC_TX304_BROWSE,
    .read = IDC_TX304_READ,
    .samplePath = IDC_TX304_SAMPLE_PATH,
    .titleRows = IDC_TX304_TITLE_ROWS,
    .dataRow = IDC_TX304_DATA_ROW,
    .sourceList = IDC_TX304_SOURCE_LIST,
    .itemList = IDC_TX304_ITEM_LIST,
    .accountTypes = {},  // no account types
    .name = IDC_TX304_NAME,
    .version = IDC_TX304_VERSION,
    .handlingGroups = {IDC_TX304_ZERO_GROUP, IDC_TX304_BLANK_GROUP},
};

CKorTx304Dlg::CKorTx304Dlg(HICON icon, HWND parent, const KorTx304Controls& ids)
    : CDelimPatternScreenOf(ids, Text(), icon, parent) {}

bool CKorTx304Dlg::CheckSamplePath(const std::string& path) {
    SetFieldInError(0);
    if (path.empty()) {
        ShowMessage(Msg::kNoPathName, kSampleLabel);
        SetFieldInError(Ids().samplePath);
        FocusItem(Ids().samplePath);
        return false;
    }
    return Messages() && CSysEnv::ShowAccessError(GetSafeHwnd(), *Messages(), path, true, true);
}

}  // namespace tx
