#include "debit/Kordb303Dlg.h"

#include <utility>

#include "common/ApMsgInfoList.h"
#include "common/EnterKey.h"
#include "common/PatternScreenSteps.h"
#include "debit/PatternStore.h"
#include "debit/ScreenVersion.h"
#include "framework/PlainMessage.h"
#include "resources/debit/Kordb303DlgRes.h"

namespace db {

namespace {

using Field = FixedFormField;

// The group's button at index, or 0 (none) for an index outside it.
template <size_t N>
int RadioAt(const std::array<int, N>& group, int index) {
    return index >= 0 && index < static_cast<int>(N) ? group[index] : 0;
}

}  // namespace

const Kordb303Controls kKordb303Controls = {
    IDD_KORDB303,
    IDC_DB303_BACK,
    IDC_DB303_CLEAR,
    IDC_DB303_UPDATE,
    IDC_DB303_DELETE,
    {IDC_DB303_ZERO_ERROR, IDC_DB303_ZERO_SKIP},
    {IDC_DB303_BLANK_ERROR, IDC_DB303_BLANK_SKIP},
    {IDC_DB303_OUTPUT_120, IDC_DB303_OUTPUT_126, IDC_DB303_OUTPUT_128},
    {IDC_DB303_LINE_BREAK, IDC_DB303_NO_LINE_BREAK},
    IDC_DB303_RECORD_LENGTH,
    {IDC_DB303_ACCOUNT_TYPE_FIRST, IDC_DB303_ACCOUNT_TYPE_FIRST + 1,
     IDC_DB303_ACCOUNT_TYPE_FIRST + 2, IDC_DB303_ACCOUNT_TYPE_FIRST + 3},
    {IDC_DB303_BANK_CODE_START, IDC_DB303_BANK_NAME_START, IDC_DB303_BRANCH_CODE_START,
     IDC_DB303_BRANCH_NAME_START, IDC_DB303_ACCOUNT_TYPE_START, IDC_DB303_ACCOUNT_NUMBER_START,
     IDC_DB303_DEPOSITOR_START, IDC_DB303_AMOUNT_START, IDC_DB303_NEW_CODE_START,
     IDC_DB303_CUSTOMER_NUMBER_START},
    {IDC_DB303_BANK_CODE_LENGTH, IDC_DB303_BANK_NAME_LENGTH, IDC_DB303_BRANCH_CODE_LENGTH,
     IDC_DB303_BRANCH_NAME_LENGTH, IDC_DB303_ACCOUNT_TYPE_LENGTH, IDC_DB303_ACCOUNT_NUMBER_LENGTH,
     IDC_DB303_DEPOSITOR_LENGTH, IDC_DB303_AMOUNT_LENGTH, IDC_DB303_NEW_CODE_LENGTH,
     IDC_DB303_CUSTOMER_NUMBER_LENGTH},
    IDC_DB303_NAME,
    IDC_DB303_VERSION,
};

CKordb303Dlg::CKordb303Dlg(HICON icon, CPatternStore* store, CApMsgInfoList* messages,
                           std::string helpPath, HWND parent, const Kordb303Controls& ids)
    : CScreenBase(ids.dialog, parent, messages, icon, kProgramName),
      m_ids(ids),
      m_store(store),
      m_helpPath(std::move(helpPath)) {}

BOOL CKordb303Dlg::OnInitDialog() {
    ShowScreenIcon();
    SetScreenLabels(0, "", m_ids.version, kScreenVersion);
    m_names.Attach(Item(m_ids.name), this);
    Edit(m_ids.recordLength).LimitText(4);
    for (int k = 0; k < kItemCount; ++k) {
        Edit(m_ids.start[k]).LimitText(4);
        Edit(m_ids.length[k]).LimitText(LengthDigitsOf(DebitItems()[static_cast<size_t>(k)]));
    }
    for (size_t i = 0; i < m_accountTypeLimits.size(); ++i)
        m_accountTypeLimits[i].Attach(Item(m_ids.accountTypes[i]), CPatternBase::kAccountTypeWidth);
    ClearForm();
    m_nameLimit.Attach(Item(m_ids.name), CPatternBase::kNameWidth);
    return TRUE;
}

void CKordb303Dlg::ClearForm() {
    ShowForm(FixedPatternForm{});
    FillPatternCombo();
    UpdateButtonStates();
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKordb303Dlg::FillPatternCombo() {
    FillPatternNameList(m_names, m_store, true);
}

void CKordb303Dlg::ShowForm(const FixedPatternForm& form) {
    SetItemText(m_ids.recordLength, form.recordLength);
    for (int k = 0; k < kItemCount; ++k) {
        SetItemText(m_ids.start[k], form.start[k]);
        SetItemText(m_ids.length[k], form.length[k]);
    }
    CheckRadio(m_ids.zero, m_ids.zero[form.zeroCheck == 2 ? 1 : 0]);
    CheckRadio(m_ids.blank, m_ids.blank[form.blankCheck == 2 ? 1 : 0]);
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i)
        SetItemText(m_ids.accountTypes[i], form.accountTypes[i]);
    CheckRadio(m_ids.output, RadioAt(m_ids.output, form.outputLength - 1));
    CheckRadio(m_ids.lineBreak, m_ids.lineBreak[form.lineBreak == 1 ? 0 : 1]);
}

FixedPatternForm CKordb303Dlg::ReadForm() const {
    FixedPatternForm form;
    form.name = m_names.Text();
    form.recordLength = GetItemText(m_ids.recordLength);
    for (int k = 0; k < kItemCount; ++k) {
        form.start[k] = GetItemText(m_ids.start[k]);
        form.length[k] = GetItemText(m_ids.length[k]);
    }
    form.zeroCheck = Button(m_ids.zero[1]).IsChecked() ? 2 : 1;
    form.blankCheck = Button(m_ids.blank[1]).IsChecked() ? 2 : 1;
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i)
        form.accountTypes[i] = GetItemText(m_ids.accountTypes[i]);
    const int output = CheckedRadio(m_ids.output);
    form.outputLength = output == m_ids.output[1] ? 2 : output == m_ids.output[2] ? 3 : 1;
    form.lineBreak = Button(m_ids.lineBreak[1]).IsChecked() ? 0 : 1;
    return form;
}

void CKordb303Dlg::UpdateButtonStates() {
    const std::string name = m_names.Text();
    const bool stored = m_store && !name.empty() && m_store->Find(name, 1) == 1;
    EnableItem(m_ids.update, !name.empty());
    EnableItem(m_ids.deletePattern, stored);
}

bool CKordb303Dlg::IsModified(const std::string& name) {
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

void CKordb303Dlg::LoadSelectedPattern() {
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
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

bool CKordb303Dlg::OnButtonClicked(int id) {
    if (id == m_ids.update) {
        OnBtnUpdate();
    } else if (id == m_ids.clear) {
        OnBtnClear();
    } else if (id == m_ids.back) {
        OnBtnBack();
    } else if (id == m_ids.deletePattern) {
        OnBtnDeletePattern();
    } else {
        return false;
    }
    return true;
}

bool CKordb303Dlg::OnCommand(int id, int code, HWND) {
    return id == m_ids.name && m_names.OnCommand(code);
}

void CKordb303Dlg::OnOK() {
    PressOrMoveOnEnter(GetSafeHwnd(), {m_ids.back, m_ids.clear, m_ids.update, m_ids.deletePattern});
}

int CKordb303Dlg::ControlOf(int field) const {
    if (field == Field::kName) return m_ids.name;
    if (field == Field::kRecordLength) return m_ids.recordLength;
    for (int k = 0; k < kItemCount; ++k) {
        if (field == Field::StartField(k)) return m_ids.start[k];
        if (field == Field::LengthField(k)) return m_ids.length[k];
    }
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i) {
        if (field == Field::AccountTypeField(static_cast<int>(i))) return m_ids.accountTypes[i];
    }
    return 0;
}

void CKordb303Dlg::ShowFault(const FormFault& fault) {
    ShowMessage(fault.message, fault.Word1(), fault.Word2());
    const int control = ControlOf(fault.field);
    SetFieldInError(control);
    // The hidden row of account type 9 cannot take the focus.
    if (IsWindowVisible(Item(control))) FocusItem(control);
}

void CKordb303Dlg::OnBtnUpdate() {
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
        ShowFault(FormFault{positions == kPatternLayout.overrunResult ? 15 : 14, {}, {},
                            Field::StartField(item - 1)});
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
        return;
    }
    const std::string name = pattern.name;
    if (m_store->Find(name, -1) == 1) {
        ShowFault(FormFault{100, "「ＣＳＶ・ＴＡＢ・スペースパターン」", {}, Field::kName});
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
        return;
    }
    const bool saved = SavePatternAfterAsking({this, m_store}, name, 1, [&](int index) {
        return m_store->SaveFixed(index, pattern);
    });
    if (saved) {
        m_names.SetCurrentName(name);
        FillPatternCombo();
        m_names.Select(name);
        LoadSelectedPattern();
    }
    UpdateButtonStates();
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKordb303Dlg::OnBtnDeletePattern() {
    if (!DeletePatternAfterAsking({this, m_store}, m_names)) return;
    m_names.SetCurrentName({});
    ClearForm();
}

void CKordb303Dlg::OnBtnClear() {
    ClearForm();
    m_names.SetCurrentName({});
}

void CKordb303Dlg::OnBtnBack() {
    if (IsModified(m_names.Text()) || m_names.HasProvisional()) {
        if (ShowMessage(80) != IDOK) return;
    }
    EndDialog(IDOK);
}

}  // namespace db
