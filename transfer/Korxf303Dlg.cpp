#include "transfer/Korxf303Dlg.h"

#include <array>
#include <span>
#include <utility>

#include "common/ApMsgInfoList.h"
#include "common/EnterKey.h"
#include "framework/PlainMessage.h"
#include "resources/transfer/Korxf303DlgRes.h"
#include "transfer/PatternLine.h"
#include "transfer/PatternScreenSteps.h"
#include "transfer/PatternStore.h"
#include "transfer/ScreenVersion.h"

namespace xf {

namespace {

// Start and length edits of item k lie side by side in the transfer tool's template.
constexpr std::array<int, kItemCount> ItemIds(int offset) {
    std::array<int, kItemCount> ids{};
    for (int k = 0; k < kItemCount; ++k) ids[k] = IDC_XF303_ITEM_FIRST + 2 * k + offset;
    return ids;
}

// The group's button at index, or 0 (none) for an index outside it.
template <size_t N>
int RadioAt(const std::array<int, N>& group, int index) {
    return index >= 0 && index < static_cast<int>(N) ? group[index] : 0;
}

}  // namespace

const Korxf303Controls kKorxf303Controls = {
    IDD_KORXF303,
    IDC_XF303_BACK,
    IDC_XF303_CLEAR,
    IDC_XF303_UPDATE,
    IDC_XF303_DELETE,
    {IDC_XF303_GENERAL, IDC_XF303_SALARY},
    {IDC_XF303_ZERO_ERROR, IDC_XF303_ZERO_SKIP},
    {IDC_XF303_BLANK_ERROR, IDC_XF303_BLANK_SKIP},
    {IDC_XF303_OUTPUT_120, IDC_XF303_OUTPUT_126, IDC_XF303_OUTPUT_128},
    {IDC_XF303_LINE_BREAK, IDC_XF303_NO_LINE_BREAK},
    IDC_XF303_RECORD_LENGTH,
    {IDC_XF303_ACCOUNT_TYPE_FIRST, IDC_XF303_ACCOUNT_TYPE_FIRST + 1,
     IDC_XF303_ACCOUNT_TYPE_FIRST + 2, IDC_XF303_ACCOUNT_TYPE_FIRST + 3},
    ItemIds(0),
    ItemIds(1),
    IDC_XF303_NAME,
    IDC_XF303_VERSION,
};

CKorxf303Dlg::CKorxf303Dlg(HICON icon, CPatternStore* store, CApMsgInfoList* messages,
                           std::string helpPath, HWND parent, const Korxf303Controls& ids)
    : CScreenBase(ids.dialog, parent, messages, icon, kProgramName),
      m_ids(ids),
      m_store(store),
      m_helpPath(std::move(helpPath)) {}

BOOL CKorxf303Dlg::OnInitDialog() {
    ShowScreenIcon();
    SetScreenLabels(0, "", m_ids.version, kScreenVersion);
    m_names.Attach(Item(m_ids.name), this);
    Edit(m_ids.recordLength).LimitText(4);
    for (int k = 0; k < kItemCount; ++k) {
        Edit(m_ids.start[k]).LimitText(4);
        Edit(m_ids.length[k]).LimitText(LengthDigits(k));
    }
    for (int i = 0; i < 4; ++i)
        m_accountTypeLimits[i].Attach(Item(m_ids.accountTypes[i]), CPatternBase::kAccountTypeWidth);
    ClearForm();
    m_nameLimit.Attach(Item(m_ids.name), CPatternBase::kNameWidth);
    return TRUE;
}

void CKorxf303Dlg::ClearForm() {
    ShowForm(FixedPatternForm{});
    FillPatternCombo();
    UpdateButtonStates();
    EnableKindDependentItems();
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKorxf303Dlg::FillPatternCombo() {
    FillPatternNames(m_names, m_store, true);
}

void CKorxf303Dlg::ShowForm(const FixedPatternForm& form) {
    CheckRadio(m_ids.kind, m_ids.kind[form.general ? 0 : 1]);
    SetItemText(m_ids.recordLength, form.recordLength);
    for (int k = 0; k < kItemCount; ++k) {
        SetItemText(m_ids.start[k], form.start[k]);
        SetItemText(m_ids.length[k], form.length[k]);
    }
    CheckRadio(m_ids.zero, m_ids.zero[form.zeroCheck == 2 ? 1 : 0]);
    CheckRadio(m_ids.blank, m_ids.blank[form.blankCheck == 2 ? 1 : 0]);
    for (int i = 0; i < 4; ++i) SetItemText(m_ids.accountTypes[i], form.accountTypes[i]);
    CheckRadio(m_ids.output, RadioAt(m_ids.output, form.outputLength - 1));
    CheckRadio(m_ids.lineBreak, m_ids.lineBreak[form.lineBreak == 1 ? 0 : 1]);
}

FixedPatternForm CKorxf303Dlg::ReadForm() const {
    FixedPatternForm form;
    form.general = Button(m_ids.kind[0]).IsChecked();
    form.name = m_names.Text();
    form.recordLength = GetItemText(m_ids.recordLength);
    for (int k = 0; k < kItemCount; ++k) {
        form.start[k] = GetItemText(m_ids.start[k]);
        form.length[k] = GetItemText(m_ids.length[k]);
    }
    form.zeroCheck = Button(m_ids.zero[1]).IsChecked() ? 2 : 1;
    form.blankCheck = Button(m_ids.blank[1]).IsChecked() ? 2 : 1;
    for (int i = 0; i < 4; ++i) form.accountTypes[i] = GetItemText(m_ids.accountTypes[i]);
    const int output = CheckedRadio(m_ids.output);
    form.outputLength = output == m_ids.output[1] ? 2 : output == m_ids.output[2] ? 3 : 1;
    form.lineBreak = Button(m_ids.lineBreak[1]).IsChecked() ? 0 : 1;
    return form;
}

void CKorxf303Dlg::EnableKindDependentItems() {
    const bool general = Button(m_ids.kind[0]).IsChecked();
    const std::span<const ItemSpec> items = TransferItems();
    for (int k = 0; k < kItemCount; ++k) {
        if (!items[static_cast<size_t>(k)].generalOnly) continue;
        EnableItem(m_ids.start[k], general);
        EnableItem(m_ids.length[k], general);
    }
    EnableItem(m_ids.accountTypes[2], general);
    EnableItem(m_ids.accountTypes[3], general);
}

void CKorxf303Dlg::UpdateButtonStates() {
    const std::string name = m_names.Text();
    const bool stored = m_store && !name.empty() && m_store->Find(name, 1) == 1;
    EnableItem(m_ids.update, !name.empty());
    EnableItem(m_ids.deletePattern, stored);
}

bool CKorxf303Dlg::IsModified(const std::string& name) {
    const CFixedPattern* reference = nullptr;
    const int index = m_names.Find(name);
    if (m_store && index >= 0) {
        const LPARAM position = Combo(m_ids.name).GetItemData(index);
        if (position >= 0) reference = m_store->GetFixedPattern(static_cast<int>(position));
    }
    FixedPatternForm form = ReadForm();
    form.name = name;
    return IsFixedPatternModified(form, reference);
}

void CKorxf303Dlg::LoadSelectedPattern() {
    const LPARAM position = m_names.SelectedData();
    // Nothing chosen, or a provisional item: no stored pattern to show.
    if (!m_store || position < 0) return;
    const CFixedPattern* pattern = m_store->GetFixedPattern(static_cast<int>(position));
    if (!pattern) {
        ShowPlainMessage("固定長データ取得失敗");
        return;
    }
    FixedPatternForm form = ReadForm();
    LoadFixedPattern(*pattern, form);
    ShowForm(form);
    EnableKindDependentItems();
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

bool CKorxf303Dlg::OnButtonClicked(int id) {
    if (id == m_ids.update) {
        OnBtnUpdate();
    } else if (id == m_ids.clear) {
        OnBtnClear();
    } else if (id == m_ids.back) {
        OnBtnBack();
    } else if (id == m_ids.deletePattern) {
        OnBtnDeletePattern();
    } else if (id == m_ids.kind[0] || id == m_ids.kind[1]) {
        EnableKindDependentItems();
    } else {
        return false;
    }
    return true;
}

bool CKorxf303Dlg::OnCommand(int id, int code, HWND) {
    return id == m_ids.name && m_names.OnCommand(code);
}

void CKorxf303Dlg::OnOK() {
    PressOrMoveOnEnter(GetSafeHwnd(), {m_ids.back, m_ids.clear, m_ids.update, m_ids.deletePattern});
}

int CKorxf303Dlg::ControlOf(int field) const {
    if (field == FixedPatternForm::kName) return m_ids.name;
    if (field == FixedPatternForm::kRecordLength) return m_ids.recordLength;
    for (int k = 0; k < kItemCount; ++k) {
        if (field == FixedPatternForm::StartField(k)) return m_ids.start[k];
        if (field == FixedPatternForm::LengthField(k)) return m_ids.length[k];
    }
    for (int i = 0; i < 4; ++i) {
        if (field == FixedPatternForm::AccountTypeField(i)) return m_ids.accountTypes[i];
    }
    return 0;
}

void CKorxf303Dlg::ShowFault(const FormFault& fault) {
    ShowMessage(fault.message, fault.Word1(), fault.Word2());
    const int control = ControlOf(fault.field);
    SetFieldInError(control);
    FocusItem(control);
}

void CKorxf303Dlg::OnBtnUpdate() {
    SetFieldInError(0);
    const FixedPatternForm form = ReadForm();
    if (const FormFault fault = CheckFixedPatternForm(form)) {
        ShowFault(fault);
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
        return;
    }
    if (!m_store) return;
    const CFixedPattern pattern = ToFixedPattern(form);
    int item = 0;
    const int positions = m_store->CheckFixedPositions(pattern, &item);
    if (positions != 0 && item >= 1 && item <= kItemCount) {
        ShowFault(FormFault{positions == kItemBeyondRecord ? 15 : 14, {}, {},
                            FixedPatternForm::StartField(item - 1)});
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
        return;
    }
    const std::string name = pattern.name;
    if (m_store->Find(name, -1) == 1) {
        ShowFault(
            FormFault{100, "「ＣＳＶ・ＴＡＢ・スペースパターン」", {}, FixedPatternForm::kName});
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
        return;
    }
    if (SavePatternAsked({this, m_store}, pattern)) {
        m_names.SetCurrentName(name);
        FillPatternCombo();
        m_names.Select(name);
        LoadSelectedPattern();
    }
    UpdateButtonStates();
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKorxf303Dlg::OnBtnDeletePattern() {
    if (!DeleteNamedPatternAsked({this, m_store}, m_names)) return;
    m_names.SetCurrentName({});
    ClearForm();
}

void CKorxf303Dlg::OnBtnClear() {
    ClearForm();
    m_names.SetCurrentName({});
}

void CKorxf303Dlg::OnBtnBack() {
    if (IsModified(m_names.Text()) || m_names.HasProvisional()) {
        if (ShowMessage(80) != IDOK) return;
    }
    EndDialog(IDOK);
}

}  // namespace xf
