#include "debit/Kordb304Dlg.h"

#include "debit/DebitItems.h"
#include "debit/ScreenMessages.h"
#include "debit/ScreenVersion.h"
#include "resources/debit/Kordb304DlgRes.h"

namespace db {

namespace {

// Every pattern is stored as a direct debit ("03", "口座振込").
DelimPatternScreenText Text() {
    return {.programName = kProgramName,
            .version = kScreenVersion,
            .items = DebitItems(),
            .layout = kPatternLayout,
            .kind = {.code = "03", .name = "口座振込", .carriesGeneralOnly = true, .cleared = true},
            .rowsMessage = Msg::kDataRowBeforeTitles,
            .messages = {.form = {.noName = Msg::kRequiredEmpty,
                                  .nameTooLong = Msg::kTooLong,
                                  .quoteOrComma = Msg::kQuoteOrComma,
                                  .itemUnassigned = Msg::kItemUnassigned,
                                  .textTooLong = Msg::kTooLong,
                                  .setAlone = std::nullopt,
                                  .setAloneWord = nullptr},
                         .steps = kPatternStepMessages,
                         .fixedLengthName = Msg::kOtherShapeName,
                         .redefine = Msg::kRedefineItem,
                         .discard = Msg::kDiscardPattern,
                         .noLineBreak = Msg::kNoDetailLines,
                         .noLineBreakWord = "振込明細",
                         .samplePath = kSamplePathMessages}};
}

}  // namespace

const Kordb304Controls kKordb304Controls = {
    .dialog = IDD_KORDB304,
    .separator = {IDC_DB304_CSV, IDC_DB304_TAB, IDC_DB304_SPACE},
    .zero = {IDC_DB304_ZERO_ERROR, IDC_DB304_ZERO_SKIP},
    .blank = {IDC_DB304_BLANK_ERROR, IDC_DB304_BLANK_SKIP},
    .output = {IDC_DB304_OUTPUT_120, IDC_DB304_OUTPUT_126, IDC_DB304_OUTPUT_128},
    .lineBreak = {IDC_DB304_LINE_BREAK, IDC_DB304_NO_LINE_BREAK},
    .define = IDC_DB304_DEFINE,
    .undefine = IDC_DB304_UNDEFINE,
    .cancelAll = IDC_DB304_CANCEL_ALL,
    .update = IDC_DB304_UPDATE,
    .deletePattern = IDC_DB304_DELETE,
    .back = IDC_DB304_BACK,
    .browse = IDC_DB304_BROWSE,
    .read = IDC_DB304_READ,
    .samplePath = IDC_DB304_SAMPLE_PATH,
    .titleRows = IDC_DB304_TITLE_ROWS,
    .dataRow = IDC_DB304_DATA_ROW,
    .sourceList = IDC_DB304_SOURCE_LIST,
    .itemList = IDC_DB304_ITEM_LIST,
    .accountTypes = {IDC_DB304_ACCOUNT_TYPE_1, IDC_DB304_ACCOUNT_TYPE_2, IDC_DB304_ACCOUNT_TYPE_3,
                     IDC_DB304_ACCOUNT_TYPE_9},
    .name = IDC_DB304_NAME,
    .version = IDC_DB304_VERSION,
};

CKordb304Dlg::CKordb304Dlg(HICON icon, HWND parent, const Kordb304Controls& ids)
    : CDelimPatternScreenOf(ids, Text(), icon, parent) {}

}  // namespace db
