#include "transfer/Korxf303Dlg.h"

#include <span>
#include <vector>

#include "resources/transfer/Korxf303DlgRes.h"
#include "transfer/PatternStore.h"
#include "transfer/ScreenMessages.h"
#include "transfer/ScreenVersion.h"

namespace xf {

namespace {

// Start and length edits of item k lie side by side in the transfer tool's template.
std::vector<int> ItemIds(int offset) {
    std::vector<int> ids;
    for (int k = 0; k < kItemCount; ++k) ids.push_back(IDC_XF303_ITEM_FIRST + 2 * k + offset);
    return ids;
}

FixedPatternScreenText Text() {
    return {.programName = kProgramName,
            .version = kScreenVersion,
            .items = TransferItems(),
            .messages = {.discard = Msg::kDiscardPattern,
                         .overlap = Msg::kItemOverlaps,
                         .overrun = Msg::kItemBeyondRecord,
                         .separatedName = Msg::kOtherShapeName,
                         .steps = kPatternStepMessages}};
}

}  // namespace

// clang-format off
const Korxf303Controls kKorxf303Controls = {
    .shared =
        {
            .dialog = IDD_KORXF303,
            .back = IDC_XF303_BACK,
            .clear = IDC_XF303_CLEAR,
            .update = IDC_XF303_UPDATE,
            .deletePattern = IDC_XF303_DELETE,
            .zero = {IDC_XF303_ZERO_ERROR, IDC_XF303_ZERO_SKIP},
            .blank = {IDC_XF303_BLANK_ERROR, IDC_XF303_BLANK_SKIP},
            .output = {IDC_XF303_OUTPUT_120, IDC_XF303_OUTPUT_126, IDC_XF303_OUTPUT_128},
            .lineBreak = {IDC_XF303_LINE_BREAK, IDC_XF303_NO_LINE_BREAK},
            .recordLength = IDC_XF303_RECORD_LENGTH,
            .accountTypes = {IDC_XF303_ACCOUNT_TYPE_FIRST, IDC_XF303_ACCOUNT_TYPE_FIRST + 1,
                             IDC_XF303_ACCOUNT_TYPE_FIRST + 2, IDC_XF303_ACCOUNT_TYPE_FIRST + 3},
            .start = ItemIds(0),
            .length = ItemIds(1),
            .name = IDC_XF303_NAME,
            .version = IDC_XF303_VERSION,
        },
    .kind = {IDC_XF303_GENERAL, IDC_XF303_SALARY},
};
// clang-format on

CKorxf303Dlg::CKorxf303Dlg(HICON icon, CPatternStore* store, CApMsgInfoList* messages, HWND parent,
                           const Korxf303Controls& ids)
    : CFixedPatternScreen(ids.shared, Text(), icon, store, messages, parent),
      m_kind(ids.kind),
      m_store(store) {}

void CKorxf303Dlg::ShowForm(const FixedPatternForm& form) {
    CheckRadio(m_kind, m_kind[form.general ? 0 : 1]);
    ShowFields(form);
    EnableKindDependentItems();
}

FixedPatternForm CKorxf303Dlg::ReadForm() const {
    FixedPatternForm form;
    ReadFields(form);
    form.general = Button(m_kind[0]).IsChecked();
    return form;
}

void CKorxf303Dlg::EnableKindDependentItems() {
    const bool general = Button(m_kind[0]).IsChecked();
    const std::span<const ItemSpec> items = TransferItems();
    for (int k = 0; k < kItemCount; ++k) {
        if (!items[static_cast<size_t>(k)].generalOnly) continue;
        EnableItem(Ids().start[k], general);
        EnableItem(Ids().length[k], general);
    }
    EnableItem(Ids().accountTypes[2], general);
    EnableItem(Ids().accountTypes[3], general);
}

void CKorxf303Dlg::ResetOwnFields() {
    CheckRadio(m_kind, m_kind[0]);
    EnableKindDependentItems();
}

bool CKorxf303Dlg::OnButtonClicked(int id) {
    if (id != m_kind[0] && id != m_kind[1]) return CFixedPatternScreen::OnButtonClicked(id);
    EnableKindDependentItems();
    return true;
}

bool CKorxf303Dlg::ShowStored(int position) {
    const CFixedPattern* pattern = m_store->GetFixedPattern(position);
    if (!pattern) return false;
    FixedPatternForm form = ReadForm();
    LoadFixedPattern(*pattern, form);
    ShowForm(form);
    return true;
}

bool CKorxf303Dlg::IsFormModifiedFrom(int position, const std::string& name) {
    FixedPatternForm form = ReadForm();
    form.name = name;
    return IsFixedPatternModified(form,
                                  position < 0 ? nullptr : m_store->GetFixedPattern(position));
}

std::unique_ptr<CFixedPatternBase> CKorxf303Dlg::FormPattern() const {
    return std::make_unique<CFixedPattern>(ToFixedPattern(ReadForm()));
}

}  // namespace xf
