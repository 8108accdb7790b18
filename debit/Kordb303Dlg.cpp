#include "debit/Kordb303Dlg.h"

#include "debit/PatternStore.h"
#include "debit/ScreenMessages.h"
#include "debit/ScreenVersion.h"
#include "resources/debit/Kordb303DlgRes.h"

namespace db {

const Kordb303Controls kKordb303Controls = {
    .dialog = IDD_KORDB303,
    .back = IDC_DB303_BACK,
    .clear = IDC_DB303_CLEAR,
    .update = IDC_DB303_UPDATE,
    .deletePattern = IDC_DB303_DELETE,
    .zero = {IDC_DB303_ZERO_ERROR, IDC_DB303_ZERO_SKIP},
    .blank = {IDC_DB303_BLANK_ERROR, IDC_DB303_BLANK_SKIP},
    .output = {IDC_DB303_OUTPUT_120, IDC_DB303_OUTPUT_126, IDC_DB303_OUTPUT_128},
    .lineBreak = {IDC_DB303_LINE_BREAK, IDC_DB303_NO_LINE_BREAK},
    .recordLength = IDC_DB303_RECORD_LENGTH,
    .accountTypes = {IDC_DB303_ACCOUNT_TYPE_FIRST, IDC_DB303_ACCOUNT_TYPE_FIRST + 1,
                     IDC_DB303_ACCOUNT_TYPE_FIRST + 2, IDC_DB303_ACCOUNT_TYPE_FIRST + 3},
    .start = {IDC_DB303_BANK_CODE_START, IDC_DB303_BANK_NAME_START, IDC_DB303_BRANCH_CODE_START,
              IDC_DB303_BRANCH_NAME_START, IDC_DB303_ACCOUNT_TYPE_START,
              IDC_DB303_ACCOUNT_NUMBER_START, IDC_DB303_DEPOSITOR_START, IDC_DB303_AMOUNT_START,
              IDC_DB303_NEW_CODE_START, IDC_DB303_CUSTOMER_NUMBER_START},
    .length = {IDC_DB303_BANK_CODE_LENGTH, IDC_DB303_BANK_NAME_LENGTH, IDC_DB303_BRANCH_CODE_LENGTH,
               IDC_DB303_BRANCH_NAME_LENGTH, IDC_DB303_ACCOUNT_TYPE_LENGTH,
               IDC_DB303_ACCOUNT_NUMBER_LENGTH, IDC_DB303_DEPOSITOR_LENGTH, IDC_DB303_AMOUNT_LENGTH,
               IDC_DB303_NEW_CODE_LENGTH, IDC_DB303_CUSTOMER_NUMBER_LENGTH},
    .name = IDC_DB303_NAME,
    .version = IDC_DB303_VERSION,
};

CKordb303Dlg::CKordb303Dlg(HICON icon, CPatternStore* store, CApMsgInfoList* messages, HWND parent,
                           const Kordb303Controls& ids)
    : CFixedPatternScreen(ids,
                          {.programName = kProgramName,
                           .version = kScreenVersion,
                           .items = DebitItems(),
                           .messages = {.discard = Msg::kDiscardPattern,
                                        .overlap = Msg::kItemOverlaps,
                                        .overrun = Msg::kItemBeyondRecord,
                                        .separatedName = Msg::kOtherShapeName,
                                        .steps = kPatternStepMessages}},
                          icon, store, messages, parent),
      m_store(store) {}

FixedPatternForm CKordb303Dlg::ReadForm() const {
    FixedPatternForm form;
    ReadFields(form);
    return form;
}

// The form keeps its output length when the stored code is none of the three.
bool CKordb303Dlg::ShowStored(int position) {
    const CFixedPattern* stored = m_store->GetFixedPattern(position);
    if (stored) {
        FixedPatternForm form = ReadForm();
        LoadFixedPattern(*stored, form);
        ShowFields(form);
    }
    return stored != nullptr;
}

std::unique_ptr<CFixedPatternBase> CKordb303Dlg::FormPattern() const {
    return std::make_unique<CFixedPattern>(ToFixedPattern(ReadForm()));
}

bool CKordb303Dlg::IsFormModifiedFrom(int position, const std::string& name) {
    FixedPatternForm form = ReadForm();
    form.name = name;
    const CFixedPattern* reference = position >= 0 ? m_store->GetFixedPattern(position) : nullptr;
    return IsFixedPatternModified(form, reference);
}

}  // namespace db
