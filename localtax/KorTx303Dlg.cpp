#include "localtax/KorTx303Dlg.h"

#include "localtax/PatternSteps.h"
#include "localtax/PatternStore.h"
#include "localtax/ScreenVersion.h"
#include "localtax/SysEnv.h"
#include "resources/localtax/KorTx303DlgRes.h"

namespace tx {

namespace {

constexpr char kRequired[] = "(必須)";
constexpr char kOptional[] = "(任意)";

// A master that cannot be written is reported as a fault of this screen's step.
constexpr char kScreenSource[] = "KorTx303Dlg";

FixedPatternScreenText Text() {
    return {.programName = kProgramName,
            .version = CSysEnv::GetVersionText(),
            .items = PatternItems(),
            .messages = {.discard = Msg::kDiscardPattern,
                         .overlap = Msg::kItemOverlaps,
                         .overrun = Msg::kItemBeyondRecord,
                         .separatedName = Msg::kOtherShapeName,
                         .steps = PatternStepsOf(kScreenSource)}};
}

}  // namespace

// clang-format off
const KorTx303Controls kKorTx303Controls = {
    .shared =
        {
            .dialog = IDD_KORTX303,
            .back = IDC_TX303_BACK,
            .clear = IDC_TX303_CLEAR,
            .update = IDC_TX303_UPDATE,
            .deletePattern = IDC_TX303_DELETE,
            .zero = {IDC_TX303_ZERO_ERROR, IDC_TX303_ZERO_SKIP},
            .blank = {IDC_TX303_BLANK_ERROR, IDC_TX303_BLANK_SKIP},
            .output = {IDC_TX303_OUTPUT_120, IDC_TX303_OUTPUT_126, IDC_TX303_OUTPUT_128},
            .lineBreak = {IDC_TX303_LINE_BREAK, IDC_TX303_NO_LINE_BREAK},
            .recordLength = IDC_TX303_RECORD_LENGTH,
            .accountTypes = {},  // no account types
            .start = {IDC_TX303_MUNICIPALITY_CODE_START, IDC_TX303_MUNICIPALITY_NAME_START,
                      IDC_TX303_DESIGNATION_START, IDC_TX303_CHANGE_START,
                      IDC_TX303_SALARY_COUNT_START, IDC_TX303_SALARY_AMOUNT_START,
                      IDC_TX303_RETIREMENT_COUNT_START, IDC_TX303_RETIREMENT_AMOUNT_START,
                      IDC_TX303_PAYMENT_COUNT_START, IDC_TX303_TAX_PAID_START,
                      IDC_TX303_RETIREES_START, IDC_TX303_ALLOWANCE_START,
                      IDC_TX303_MUNICIPAL_TAX_START, IDC_TX303_PREFECTURAL_TAX_START},
            .length = {IDC_TX303_MUNICIPALITY_CODE_LENGTH, IDC_TX303_MUNICIPALITY_NAME_LENGTH,
                       IDC_TX303_DESIGNATION_LENGTH, IDC_TX303_CHANGE_LENGTH,
                       IDC_TX303_SALARY_COUNT_LENGTH, IDC_TX303_SALARY_AMOUNT_LENGTH,
                       IDC_TX303_RETIREMENT_COUNT_LENGTH, IDC_TX303_RETIREMENT_AMOUNT_LENGTH,
                       IDC_TX303_PAYMENT_COUNT_LENGTH, IDC_TX303_TAX_PAID_LENGTH,
                       IDC_TX303_RETIREES_LENGTH, IDC_TX303_ALLOWANCE_LENGTH,
                       IDC_TX303_MUNICIPAL_TAX_LENGTH, IDC_TX303_PREFECTURAL_TAX_LENGTH},
            .name = IDC_TX303_NAME,
            .version = IDC_TX303_VERSION,
        },
    .optionGroups = {IDC_TX303_ZERO_GROUP, IDC_TX303_BLANK_GROUP},
    .marks = {IDC_TX303_MARK_SALARY_COUNT, IDC_TX303_MARK_SALARY_AMOUNT,
              IDC_TX303_MARK_RETIREMENT_COUNT, IDC_TX303_MARK_RETIREMENT_AMOUNT,
              IDC_TX303_MARK_PAYMENT_COUNT, IDC_TX303_MARK_TAX_PAID, IDC_TX303_MARK_RETIREES,
              IDC_TX303_MARK_ALLOWANCE, IDC_TX303_MARK_MUNICIPAL_TAX,
              IDC_TX303_MARK_PREFECTURAL_TAX},
};
// clang-format on

CKorTx303Dlg::CKorTx303Dlg(HICON icon, CPatternStore* store, ::CApMsgInfoList* messages,
                           HWND parent, const KorTx303Controls& ids)
    : CFixedPatternScreen(ids.shared, Text(), icon, store, messages, parent),
      m_optionGroups(ids.optionGroups),
      m_marks(ids.marks),
      m_store(store) {}

FixedPatternForm CKorTx303Dlg::ReadForm() const {
    FixedPatternForm form;
    ReadFields(form);
    return form;
}

void CKorTx303Dlg::UpdateRequiredMarks() {
    const ItemSetsInUse sets = ItemSetsOf(ReadForm());
    for (int k = kFirstNumericItem; k < kItemCount; ++k) {
        const bool required = sets[TaxItemAt(k).set];
        SetItemText(m_marks[k - kFirstNumericItem], required ? kRequired : kOptional);
    }
    const bool anySet = sets[kSalarySet] || sets[kRetirementSet] || sets[kPaymentSet];
    for (int id : m_optionGroups) EnableItem(id, anySet);
    for (int id : {Ids().zero[0], Ids().zero[1], Ids().blank[0], Ids().blank[1]})
        EnableItem(id, anySet);
}

// Leaving an edit of a count or an amount shows the sets in use anew.
bool CKorTx303Dlg::OnCommand(int id, int code, HWND control) {
    if (code == EN_KILLFOCUS) {
        for (int k = kFirstNumericItem; k < kItemCount; ++k) {
            if (id == Ids().start[k] || id == Ids().length[k]) {
                UpdateRequiredMarks();
                return true;
            }
        }
    }
    return CFixedPatternScreen::OnCommand(id, code, control);
}

bool CKorTx303Dlg::ShowStored(int position) {
    const CFixedPattern* stored = m_store->GetFixedPattern(position);
    if (!stored) return false;
    FixedPatternForm form = ReadForm();
    LoadFixedPattern(*stored, form);
    ShowFields(form);
    UpdateRequiredMarks();
    return true;
}

bool CKorTx303Dlg::IsFormModifiedFrom(int position, const std::string& name) {
    FixedPatternForm form = ReadForm();
    form.name = name;
    return IsFixedPatternModified(form,
                                  position < 0 ? nullptr : m_store->GetFixedPattern(position));
}

std::unique_ptr<CFixedPatternBase> CKorTx303Dlg::FormPattern() const {
    return std::make_unique<CFixedPattern>(ToFixedPattern(ReadForm()));
}

}  // namespace tx
