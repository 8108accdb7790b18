#include "transfer/Korxf303Dlg.h"

#include <utility>

#include "common/ApMsgInfoList.h"
#include "resources/transfer/Korxf303DlgRes.h"
#include "transfer/PatternScreenSteps.h"
#include "transfer/PatternStore.h"
#include "transfer/PlainMessage.h"
#include "transfer/ScreenVersion.h"

namespace xf {

namespace {

constexpr int StartId(int k) {
    return IDC_XF303_ITEM_FIRST + 2 * k;
}
constexpr int LengthId(int k) {
    return IDC_XF303_ITEM_FIRST + 2 * k + 1;
}

int ControlOf(int field) {
    if (field == FixedPatternForm::kName) return IDC_XF303_NAME;
    if (field == FixedPatternForm::kRecordLength) return IDC_XF303_RECORD_LENGTH;
    for (int k = 0; k < kItemCount; ++k) {
        if (field == FixedPatternForm::StartField(k)) return StartId(k);
        if (field == FixedPatternForm::LengthField(k)) return LengthId(k);
    }
    for (int i = 0; i < 4; ++i) {
        if (field == FixedPatternForm::AccountTypeField(i)) return IDC_XF303_ACCOUNT_TYPE_FIRST + i;
    }
    return 0;
}

// The child of dialog that holds window (the edit inside a combo box belongs to the combo).
HWND DirectChild(HWND dialog, HWND window) {
    while (window && GetParent(window) != dialog) window = GetParent(window);
    return window;
}

}  // namespace

CKorxf303Dlg::CKorxf303Dlg(HICON icon, CPatternStore* store, CApMsgInfoList* messages,
                           std::string helpPath, HWND parent)
    : CDialogBase(IDD_KORXF303, parent),
      m_icon(icon),
      m_store(store),
      m_messages(messages),
      m_helpPath(std::move(helpPath)) {}

int CKorxf303Dlg::ShowMessage(int id, const char* word1, const char* word2, const char* word3,
                              const char* word4, const char* word5) {
    if (!m_messages) return IDCANCEL;
    return m_messages->ShowMessage(GetSafeHwnd(), id, word1, word2, word3, word4, word5);
}

BOOL CKorxf303Dlg::OnInitDialog() {
    if (m_icon) SetIcon(m_icon);
    SetScreenLabels(0, "", IDC_XF303_VERSION, kScreenVersion);
    m_names.Attach(Item(IDC_XF303_NAME), this);
    Edit(IDC_XF303_RECORD_LENGTH).LimitText(4);
    for (int k = 0; k < kItemCount; ++k) {
        Edit(StartId(k)).LimitText(4);
        Edit(LengthId(k)).LimitText(kFixedItemRules[k].lengthDigits);
    }
    for (int i = 0; i < 4; ++i) Edit(IDC_XF303_ACCOUNT_TYPE_FIRST + i).LimitText(20);
    ClearForm();
    Combo(IDC_XF303_NAME).LimitText(CPatternBase::kNameWidth);
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
    CheckRadio(IDC_XF303_GENERAL, IDC_XF303_SALARY,
               form.general ? IDC_XF303_GENERAL : IDC_XF303_SALARY);
    SetItemText(IDC_XF303_RECORD_LENGTH, form.recordLength);
    for (int k = 0; k < kItemCount; ++k) {
        SetItemText(StartId(k), form.start[k]);
        SetItemText(LengthId(k), form.length[k]);
    }
    CheckRadio(IDC_XF303_ZERO_ERROR, IDC_XF303_ZERO_SKIP,
               form.zeroCheck == 2 ? IDC_XF303_ZERO_SKIP : IDC_XF303_ZERO_ERROR);
    CheckRadio(IDC_XF303_BLANK_ERROR, IDC_XF303_BLANK_SKIP,
               form.blankCheck == 2 ? IDC_XF303_BLANK_SKIP : IDC_XF303_BLANK_ERROR);
    for (int i = 0; i < 4; ++i) SetItemText(IDC_XF303_ACCOUNT_TYPE_FIRST + i, form.accountTypes[i]);
    CheckRadio(IDC_XF303_OUTPUT_120, IDC_XF303_OUTPUT_128,
               IDC_XF303_OUTPUT_120 + form.outputLength - 1);
    CheckRadio(IDC_XF303_LINE_BREAK, IDC_XF303_NO_LINE_BREAK,
               form.lineBreak == 1 ? IDC_XF303_LINE_BREAK : IDC_XF303_NO_LINE_BREAK);
}

FixedPatternForm CKorxf303Dlg::ReadForm() const {
    FixedPatternForm form;
    form.general = Button(IDC_XF303_GENERAL).IsChecked();
    form.name = m_names.Text();
    form.recordLength = GetItemText(IDC_XF303_RECORD_LENGTH);
    for (int k = 0; k < kItemCount; ++k) {
        form.start[k] = GetItemText(StartId(k));
        form.length[k] = GetItemText(LengthId(k));
    }
    form.zeroCheck = Button(IDC_XF303_ZERO_SKIP).IsChecked() ? 2 : 1;
    form.blankCheck = Button(IDC_XF303_BLANK_SKIP).IsChecked() ? 2 : 1;
    for (int i = 0; i < 4; ++i)
        form.accountTypes[i] = GetItemText(IDC_XF303_ACCOUNT_TYPE_FIRST + i);
    switch (CheckedRadio(IDC_XF303_OUTPUT_120, IDC_XF303_OUTPUT_128)) {
        case IDC_XF303_OUTPUT_126:
            form.outputLength = 2;
            break;
        case IDC_XF303_OUTPUT_128:
            form.outputLength = 3;
            break;
        default:
            form.outputLength = 1;
            break;
    }
    form.lineBreak = Button(IDC_XF303_NO_LINE_BREAK).IsChecked() ? 0 : 1;
    return form;
}

void CKorxf303Dlg::EnableKindDependentItems() {
    const bool general = Button(IDC_XF303_GENERAL).IsChecked();
    for (int k = kEdiInfo; k < kItemCount; ++k) {
        EnableItem(StartId(k), general);
        EnableItem(LengthId(k), general);
    }
    EnableItem(IDC_XF303_ACCOUNT_TYPE_FIRST + 2, general);
    EnableItem(IDC_XF303_ACCOUNT_TYPE_FIRST + 3, general);
}

void CKorxf303Dlg::UpdateButtonStates() {
    const std::string name = m_names.Text();
    const bool stored = m_store && !name.empty() && m_store->Find(name, 1) == 1;
    EnableItem(IDC_XF303_UPDATE, !name.empty());
    EnableItem(IDC_XF303_DELETE, stored);
}

bool CKorxf303Dlg::IsModified(const std::string& name) {
    const CFixedPattern* reference = nullptr;
    const int index = m_names.Find(name);
    if (m_store && index >= 0) {
        const LPARAM position = Combo(IDC_XF303_NAME).GetItemData(index);
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
        ShowPlainMessage(GetSafeHwnd(), "固定長データ取得失敗");
        return;
    }
    FixedPatternForm form = ReadForm();
    LoadFixedPattern(*pattern, form);
    ShowForm(form);
    EnableKindDependentItems();
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

bool CKorxf303Dlg::OnCommand(int id, int code, HWND) {
    if (id == IDC_XF303_NAME) return m_names.OnCommand(code);
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_XF303_UPDATE:
            OnBtnUpdate();
            return true;
        case IDC_XF303_CLEAR:
            OnBtnClear();
            return true;
        case IDC_XF303_BACK:
            OnBtnBack();
            return true;
        case IDC_XF303_DELETE:
            OnBtnDeletePattern();
            return true;
        case IDC_XF303_GENERAL:
        case IDC_XF303_SALARY:
            EnableKindDependentItems();
            return true;
        default:
            return false;
    }
}

void CKorxf303Dlg::OnOK() {
    HWND focus = DirectChild(GetSafeHwnd(), GetFocus());
    if (!focus) return;
    const int id = GetDlgCtrlID(focus);
    if (id >= IDC_XF303_BACK && id <= IDC_XF303_DELETE) {
        Button(id).Click();
        return;
    }
    if (HWND next = GetNextDlgTabItem(GetSafeHwnd(), focus, FALSE))
        SendMessageW(GetSafeHwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
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
        ShowFault(
            FormFault{positions == 17 ? 15 : 14, {}, {}, FixedPatternForm::StartField(item - 1)});
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
    if (SavePatternAsked({GetSafeHwnd(), m_store, m_messages}, pattern)) {
        m_names.SetCurrentName(name);
        FillPatternCombo();
        m_names.Select(name);
        LoadSelectedPattern();
    }
    UpdateButtonStates();
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKorxf303Dlg::OnBtnDeletePattern() {
    if (!DeleteNamedPatternAsked({GetSafeHwnd(), m_store, m_messages}, m_names)) return;
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
