#include "transfer/Korxf304Dlg.h"

#include "resources/transfer/Korxf304DlgRes.h"
#include "transfer/ScreenMessages.h"
#include "transfer/ScreenVersion.h"

namespace xf {

namespace {

// A pattern is stored as a general transfer's unless the salary kind is chosen.
DelimPatternScreenText Text() {
    return {.programName = kProgramName,
            .version = kScreenVersion,
            .items = TransferItems(),
            .layout = kPatternLayout,
            .kind = KindOf(DelimPatternForm{}),
            .rowsMessage = Msg::kDataRowBeforeTitles,
            .messages = {.form = kDelimFormMessages,
                         .steps = kPatternStepMessages,
                         .fixedLengthName = Msg::kOtherShapeName,
                         .redefine = Msg::kRedefineItem,
                         .discard = Msg::kDiscardPattern,
                         .noLineBreak = Msg::kNoDetailLines,
                         .noLineBreakWord = "振込明細",
                         .samplePath = kSamplePathMessages}};
}

}  // namespace

const Korxf304Controls kKorxf304Controls = {
    .screen =
        {
            .dialog = IDD_KORXF304,
            .separator = {IDC_XF304_CSV, IDC_XF304_TAB, IDC_XF304_SPACE},
            .zero = {IDC_XF304_ZERO_ERROR, IDC_XF304_ZERO_SKIP},
            .blank = {IDC_XF304_BLANK_ERROR, IDC_XF304_BLANK_SKIP},
            .output = {IDC_XF304_OUTPUT_120, IDC_XF304_OUTPUT_126, IDC_XF304_OUTPUT_128},
            .lineBreak = {IDC_XF304_LINE_BREAK, IDC_XF304_NO_LINE_BREAK},
            .define = IDC_XF304_DEFINE,
            .undefine = IDC_XF304_UNDEFINE,
            .cancelAll = IDC_XF304_CANCEL_ALL,
            .update = IDC_XF304_UPDATE,
            .deletePattern = IDC_XF304_DELETE,
            .back = IDC_XF304_BACK,
            .browse = IDC_XF304_BROWSE,
            .read = IDC_XF304_READ,
            .samplePath = IDC_XF304_SAMPLE_PATH,
            .titleRows = IDC_XF304_TITLE_ROWS,
            .dataRow = IDC_XF304_DATA_ROW,
            .sourceList = IDC_XF304_SOURCE_LIST,
            .itemList = IDC_XF304_ITEM_LIST,
            .accountTypes = {IDC_XF304_ACCOUNT_TYPE_1, IDC_XF304_ACCOUNT_TYPE_2,
                             IDC_XF304_ACCOUNT_TYPE_4, IDC_XF304_ACCOUNT_TYPE_9},
            .name = IDC_XF304_NAME,
            .version = IDC_XF304_VERSION,
        },
    .kind = {IDC_XF304_GENERAL, IDC_XF304_SALARY},
};

CKorxf304Dlg::CKorxf304Dlg(HICON icon, HWND parent, const Korxf304Controls& ids)
    : CDelimPatternScreenOf(ids.screen, Text(), icon, parent), m_kind(ids.kind) {}

DelimPatternForm CKorxf304Dlg::ReadForm() const {
    DelimPatternForm form;
    ReadCommonForm(form);
    form.kind = CheckedRadio(m_kind) == m_kind[0] ? 1 : CheckedRadio(m_kind) == m_kind[1] ? 2 : 0;
    return form;
}

void CKorxf304Dlg::SetKind(int kind) {
    if (kind != 1 && kind != 2) {
        CheckRadio(m_kind, 0);
        return;
    }
    CheckRadio(m_kind, m_kind[kind - 1]);
    EnableItem(Ids().accountTypes[2], kind == 1);
    EnableItem(Ids().accountTypes[3], kind == 1);
}

void CKorxf304Dlg::ShowKind(const CDelimPatternBase* pattern) {
    SetKind(pattern ? pattern->Kind() : 1);
}

bool CKorxf304Dlg::OnButtonClicked(int id) {
    if (id == m_kind[0] || id == m_kind[1]) {
        SetKind(id == m_kind[0] ? 1 : 2);
        RebuildItemList();
        return true;
    }
    return CDelimPatternScreen::OnButtonClicked(id);
}

}  // namespace xf
