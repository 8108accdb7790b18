#include "transfer/Korxf305Dlg.h"

#include <cstring>
#include <utility>
#include <vector>

#include "common/ApMsgInfoList.h"
#include "resources/transfer/Korxf305DlgRes.h"
#include "transfer/RequesterStore.h"
#include "transfer/ScreenVersion.h"

namespace xf {

namespace {

constexpr int kEdits[] = {IDC_XF305_NAME, IDC_XF305_REQUESTER_CODE, IDC_XF305_BRANCH_CODE,
                          IDC_XF305_BRANCH_NAME, IDC_XF305_ACCOUNT_NUMBER};

int ControlOf(int field) {
    switch (field) {
        case RequesterForm::kDescription:
            return IDC_XF305_DESCRIPTION;
        case RequesterForm::kName:
            return IDC_XF305_NAME;
        case RequesterForm::kRequesterCode:
            return IDC_XF305_REQUESTER_CODE;
        case RequesterForm::kBranchCode:
            return IDC_XF305_BRANCH_CODE;
        case RequesterForm::kBranchName:
            return IDC_XF305_BRANCH_NAME;
        case RequesterForm::kAccountType:
            return IDC_XF305_ACCOUNT_TYPE;
        case RequesterForm::kAccountNumber:
            return IDC_XF305_ACCOUNT_NUMBER;
        default:
            return 0;
    }
}

}  // namespace

CKorxf305Dlg::CKorxf305Dlg(HICON icon, CApMsgInfoList* messages, std::string helpPath, HWND parent)
    : CDialogBase(IDD_KORXF305, parent),
      m_icon(icon),
      m_messages(messages),
      m_helpPath(std::move(helpPath)) {}

int CKorxf305Dlg::ShowMessage(int id, const char* word1, const char* word2, const char* word3,
                              const char* word4, const char* word5) {
    if (!m_messages) return IDCANCEL;
    return m_messages->ShowMessage(GetSafeHwnd(), id, word1, word2, word3, word4, word5);
}

BOOL CKorxf305Dlg::OnInitDialog() {
    if (m_icon) SetIcon(m_icon);
    m_descriptions.Attach(Item(IDC_XF305_DESCRIPTION), this);
    InitControls();
    return TRUE;
}

void CKorxf305Dlg::InitControls() {
    SetScreenLabels(0, "", IDC_XF305_VERSION, kScreenVersion);
    SetFieldInError(0);
    Combo(IDC_XF305_DESCRIPTION).LimitText(74);
    Edit(IDC_XF305_NAME).LimitText(40);
    Edit(IDC_XF305_REQUESTER_CODE).LimitText(10);
    Edit(IDC_XF305_BRANCH_CODE).LimitText(3);
    Edit(IDC_XF305_BRANCH_NAME).LimitText(15);
    Edit(IDC_XF305_ACCOUNT_NUMBER).LimitText(7);
    CheckRadio(IDC_XF305_GENERAL, IDC_XF305_NO_KIND, IDC_XF305_NO_KIND);
    const kor::CComboView types = Combo(IDC_XF305_ACCOUNT_TYPE);
    types.ResetContent();
    for (const AccountTypeChoice& choice : kRequesterAccountTypes) {
        const int index = types.AddString(choice.text);
        if (index >= 0) types.SetItemData(index, choice.value);
    }
    types.SetCurSel(0);
    ClearEdits();
    if (m_store && !m_store->GetList().empty()) LoadRequesterList();
    UpdateButtonStates();
}

void CKorxf305Dlg::LoadRequesterList() {
    m_selected = -1;
    FillDescriptionCombo();
    ShowSelectedRequester();
}

void CKorxf305Dlg::FillDescriptionCombo() {
    std::vector<kor::CEditableNameList::Item> items;
    if (m_store) {
        int position = 0;
        for (const auto& requester : m_store->GetList())
            items.push_back({requester->description, position++});
    }
    m_descriptions.Fill(items);
    if (m_selected >= 0) Combo(IDC_XF305_DESCRIPTION).SetCurSel(m_selected);
}

void CKorxf305Dlg::ClearEdits() {
    for (int id : kEdits) SetItemText(id, "");
}

void CKorxf305Dlg::ShowSelectedRequester() {
    ClearEdits();
    if (m_store && m_selected >= 0 && static_cast<size_t>(m_selected) < m_store->GetList().size()) {
        for (int id = IDC_XF305_GENERAL; id <= IDC_XF305_NO_KIND; ++id) Button(id).SetCheck(false);
        ShowForm(FromRequester(*m_store->GetList()[static_cast<size_t>(m_selected)]));
    }
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKorxf305Dlg::ShowForm(const RequesterForm& form) {
    SetItemText(IDC_XF305_NAME, form.name);
    SetItemText(IDC_XF305_REQUESTER_CODE, form.requesterCode);
    SetItemText(IDC_XF305_BRANCH_CODE, form.branchCode);
    SetItemText(IDC_XF305_BRANCH_NAME, form.branchName);
    SetItemText(IDC_XF305_ACCOUNT_NUMBER, form.accountNumber);
    int typeIndex = -1;
    for (size_t i = 0; i < std::size(kRequesterAccountTypes); ++i) {
        if (kRequesterAccountTypes[i].value == form.accountType) typeIndex = static_cast<int>(i);
    }
    Combo(IDC_XF305_ACCOUNT_TYPE).SetCurSel(typeIndex);
    const int kind = form.kind == "1"   ? IDC_XF305_GENERAL
                     : form.kind == "2" ? IDC_XF305_SALARY
                                        : IDC_XF305_NO_KIND;
    CheckRadio(IDC_XF305_GENERAL, IDC_XF305_NO_KIND, kind);
}

RequesterForm CKorxf305Dlg::ReadForm() const {
    RequesterForm form;
    form.description = m_descriptions.Text();
    form.name = GetItemText(IDC_XF305_NAME);
    form.requesterCode = GetItemText(IDC_XF305_REQUESTER_CODE);
    form.branchCode = GetItemText(IDC_XF305_BRANCH_CODE);
    form.branchName = GetItemText(IDC_XF305_BRANCH_NAME);
    form.accountNumber = GetItemText(IDC_XF305_ACCOUNT_NUMBER);
    const kor::CComboView types = Combo(IDC_XF305_ACCOUNT_TYPE);
    const int typeIndex = types.GetCurSel();
    form.accountType = typeIndex >= 0 ? static_cast<int>(types.GetItemData(typeIndex)) : -1;
    switch (CheckedRadio(IDC_XF305_GENERAL, IDC_XF305_NO_KIND)) {
        case IDC_XF305_GENERAL:
            form.kind = "1";
            break;
        case IDC_XF305_SALARY:
            form.kind = "2";
            break;
        default:
            break;
    }
    return form;
}

void CKorxf305Dlg::UpdateButtonStates() {
    const std::string text = m_descriptions.Text();
    if (text.empty()) {
        EnableItem(IDC_XF305_UPDATE, false);
        EnableItem(IDC_XF305_DELETE, false);
        return;
    }
    EnableItem(IDC_XF305_UPDATE, true);
    const kor::CComboView combo = Combo(IDC_XF305_DESCRIPTION);
    const int selection = combo.GetCurSel();
    EnableItem(IDC_XF305_DELETE, selection >= 0 && !m_descriptions.HasProvisional() &&
                                     combo.GetLBText(selection) == text && selection == m_selected);
}

bool CKorxf305Dlg::IsModified(const std::string& description) {
    const CRequesterInfo* reference = nullptr;
    const int index = m_descriptions.Find(description);
    if (m_store && index >= 0 && !m_descriptions.HasProvisional()) {
        const LPARAM position = Combo(IDC_XF305_DESCRIPTION).GetItemData(index);
        const auto& list = m_store->GetList();
        if (position >= 0 && static_cast<size_t>(position) < list.size())
            reference = list[static_cast<size_t>(position)].get();
    }
    RequesterForm form = ReadForm();
    form.description = description;
    return IsRequesterModified(form, reference);
}

void CKorxf305Dlg::LoadChosenItem() {
    const LPARAM position = m_descriptions.SelectedData();
    // A provisional item stands for no requester: the form stays as it is.
    if (position < 0) return;
    m_selected = static_cast<int>(position);
    ShowSelectedRequester();
}

bool CKorxf305Dlg::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_XF305_DESCRIPTION:
            return m_descriptions.OnCommand(code);
        case IDC_XF305_NAME:
        case IDC_XF305_BRANCH_NAME:
            if (code == EN_SETFOCUS) kor::OpenKanaIme(control, &m_imeModes);
            if (code == EN_KILLFOCUS) kor::CloseIme(control);
            return true;
        case IDC_XF305_ACCOUNT_NUMBER:
            if (code == EN_KILLFOCUS) OnKillfocusAccountNumber();
            return true;
        case IDC_XF305_REQUESTER_CODE:
            if (code == EN_KILLFOCUS) OnKillfocusRequesterCode();
            return true;
        default:
            break;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_XF305_UPDATE:
            OnBtnUpdate();
            return true;
        case IDC_XF305_DELETE:
            OnBtnDelete();
            return true;
        case IDC_XF305_BACK:
            ConfirmAndClose();
            return true;
        default:
            return false;
    }
}

void CKorxf305Dlg::OnKillfocusAccountNumber() {
    const std::string text = GetItemText(IDC_XF305_ACCOUNT_NUMBER);
    const std::string padded = PadAccountNumber(text);
    if (padded != text) SetItemText(IDC_XF305_ACCOUNT_NUMBER, padded);
}

void CKorxf305Dlg::OnKillfocusRequesterCode() {
    const std::string text = GetItemText(IDC_XF305_REQUESTER_CODE);
    const std::string padded = PadRequesterCode(text);
    if (padded != text) SetItemText(IDC_XF305_REQUESTER_CODE, padded);
}

void CKorxf305Dlg::ShowFault(const FormFault& fault) {
    ShowMessage(fault.message, fault.Word1(), fault.Word2());
    const int control = ControlOf(fault.field);
    SetFieldInError(control);
    FocusItem(control);
}

void CKorxf305Dlg::OnBtnUpdate() {
    const RequesterForm form = ReadForm();
    SetFieldInError(0);
    if (const FormFault fault = CheckRequesterForm(form)) {
        ShowFault(fault);
    } else if (m_store) {
        const CRequesterInfo record = ToRequester(form);
        const auto& list = m_store->GetList();
        int found = -1;
        for (size_t i = 0; i < list.size() && found < 0; ++i) {
            if (std::strcmp(list[i]->description, record.description) == 0)
                found = static_cast<int>(i);
        }
        const bool append = found < 0;
        const int position = append ? static_cast<int>(list.size()) : found;
        if (ShowMessage(append ? 3 : 16) != IDCANCEL) {
            if (m_store->Update(position, record, append ? CRequesterStore::kAppend : 0) != 1) {
                ShowMessage(104, "更新処理");
            } else {
                ShowMessage(69, "依頼人情報", "「ファイル読込」");
                m_selected = position;
                m_descriptions.SetCurrentName(record.description);
                FillDescriptionCombo();
                UpdateButtonStates();
            }
        }
    }
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKorxf305Dlg::OnBtnDelete() {
    if (ShowMessage(2) == IDCANCEL) return;
    const LPARAM position = m_descriptions.SelectedData();
    if (!m_store || position < 0) return;
    const int result = m_store->Delete(static_cast<int>(position));
    ResetForm();
    if (result != 1) ShowMessage(104, "削除処理");
}

void CKorxf305Dlg::ResetForm() {
    m_selected = -1;
    m_descriptions.SetCurrentName({});
    FillDescriptionCombo();
    ClearEdits();
    Combo(IDC_XF305_ACCOUNT_TYPE).SetCurSel(0);
    CheckRadio(IDC_XF305_GENERAL, IDC_XF305_NO_KIND, IDC_XF305_NO_KIND);
    UpdateButtonStates();
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKorxf305Dlg::ConfirmAndClose() {
    if (IsModified(m_descriptions.Text()) || m_descriptions.HasProvisional()) {
        if (ShowMessage(55) != IDOK) return;
    }
    EndDialog(IDOK);
}

}  // namespace xf
