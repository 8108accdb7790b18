#include "transfer/Korxf305Dlg.h"

#include <cstring>
#include <utility>
#include <vector>

#include "common/ApMsgInfoList.h"
#include "resources/transfer/Korxf305DlgRes.h"
#include "transfer/RequesterStore.h"
#include "transfer/ScreenVersion.h"

namespace xf {

const Korxf305Controls kKorxf305Controls = {
    IDD_KORXF305,           {IDC_XF305_GENERAL, IDC_XF305_SALARY, IDC_XF305_NO_KIND},
    IDC_XF305_BACK,         IDC_XF305_UPDATE,
    IDC_XF305_DELETE,       IDC_XF305_DESCRIPTION,
    IDC_XF305_NAME,         IDC_XF305_REQUESTER_CODE,
    IDC_XF305_BRANCH_CODE,  IDC_XF305_BRANCH_NAME,
    IDC_XF305_ACCOUNT_TYPE, IDC_XF305_ACCOUNT_NUMBER,
    IDC_XF305_VERSION,
};

CKorxf305Dlg::CKorxf305Dlg(HICON icon, CApMsgInfoList* messages, std::string helpPath, HWND parent,
                           const Korxf305Controls& ids)
    : CScreenBase(ids.dialog, parent, messages, icon, kProgramName),
      m_ids(ids),
      m_helpPath(std::move(helpPath)) {}

BOOL CKorxf305Dlg::OnInitDialog() {
    ShowScreenIcon();
    m_descriptions.Attach(Item(m_ids.description), this);
    InitControls();
    return TRUE;
}

void CKorxf305Dlg::InitControls() {
    SetScreenLabels(0, "", m_ids.version, kScreenVersion);
    SetFieldInError(0);
    const std::pair<int, int> limits[] = {{m_ids.description, 74},   {m_ids.name, 40},
                                          {m_ids.requesterCode, 10}, {m_ids.branchCode, 3},
                                          {m_ids.branchName, 15},    {m_ids.accountNumber, 7}};
    static_assert(std::size(limits) == std::tuple_size_v<decltype(m_limits)>);
    for (size_t i = 0; i < std::size(limits); ++i)
        m_limits[i].Attach(Item(limits[i].first), limits[i].second);
    CheckRadio(m_ids.kind, m_ids.kind[2]);
    const kor::CComboView types = Combo(m_ids.accountType);
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
    if (m_selected >= 0) Combo(m_ids.description).SetCurSel(m_selected);
}

void CKorxf305Dlg::ClearEdits() {
    for (int id :
         {m_ids.name, m_ids.requesterCode, m_ids.branchCode, m_ids.branchName, m_ids.accountNumber})
        SetItemText(id, "");
}

void CKorxf305Dlg::ShowSelectedRequester() {
    ClearEdits();
    if (m_store && m_selected >= 0 && static_cast<size_t>(m_selected) < m_store->GetList().size()) {
        CheckRadio(m_ids.kind, 0);
        ShowForm(FromRequester(*m_store->GetList()[static_cast<size_t>(m_selected)]));
    }
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKorxf305Dlg::ShowForm(const RequesterForm& form) {
    SetItemText(m_ids.name, form.name);
    SetItemText(m_ids.requesterCode, form.requesterCode);
    SetItemText(m_ids.branchCode, form.branchCode);
    SetItemText(m_ids.branchName, form.branchName);
    SetItemText(m_ids.accountNumber, form.accountNumber);
    int typeIndex = -1;
    for (size_t i = 0; i < std::size(kRequesterAccountTypes); ++i) {
        if (kRequesterAccountTypes[i].value == form.accountType) typeIndex = static_cast<int>(i);
    }
    Combo(m_ids.accountType).SetCurSel(typeIndex);
    CheckRadio(m_ids.kind, m_ids.kind[form.kind == "1" ? 0 : form.kind == "2" ? 1 : 2]);
}

RequesterForm CKorxf305Dlg::ReadForm() const {
    RequesterForm form;
    form.description = m_descriptions.Text();
    form.name = GetItemText(m_ids.name);
    form.requesterCode = GetItemText(m_ids.requesterCode);
    form.branchCode = GetItemText(m_ids.branchCode);
    form.branchName = GetItemText(m_ids.branchName);
    form.accountNumber = GetItemText(m_ids.accountNumber);
    const kor::CComboView types = Combo(m_ids.accountType);
    const int typeIndex = types.GetCurSel();
    form.accountType = typeIndex >= 0 ? static_cast<int>(types.GetItemData(typeIndex)) : -1;
    const int kind = CheckedRadio(m_ids.kind);
    if (kind == m_ids.kind[0]) form.kind = "1";
    if (kind == m_ids.kind[1]) form.kind = "2";
    return form;
}

void CKorxf305Dlg::UpdateButtonStates() {
    const std::string text = m_descriptions.Text();
    if (text.empty()) {
        EnableItem(m_ids.update, false);
        EnableItem(m_ids.deleteRequester, false);
        return;
    }
    EnableItem(m_ids.update, true);
    const kor::CComboView combo = Combo(m_ids.description);
    const int selection = combo.GetCurSel();
    EnableItem(m_ids.deleteRequester, selection >= 0 && !m_descriptions.HasProvisional() &&
                                          combo.GetLBText(selection) == text &&
                                          selection == m_selected);
}

bool CKorxf305Dlg::IsModified(const std::string& description) {
    const CRequesterInfo* reference = nullptr;
    const int index = m_descriptions.Find(description);
    if (m_store && index >= 0 && !m_descriptions.HasProvisional()) {
        const LPARAM position = Combo(m_ids.description).GetItemData(index);
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
    if (id == m_ids.description) return m_descriptions.OnCommand(code);
    if (id == m_ids.name || id == m_ids.branchName) {
        if (code == EN_SETFOCUS) kor::OpenKanaIme(control, &m_imeModes);
        if (code == EN_KILLFOCUS) kor::CloseIme(control);
        return true;
    }
    if (id == m_ids.accountNumber) {
        if (code == EN_KILLFOCUS) OnKillfocusAccountNumber();
        return true;
    }
    if (id == m_ids.requesterCode) {
        if (code == EN_KILLFOCUS) OnKillfocusRequesterCode();
        return true;
    }
    return false;
}

bool CKorxf305Dlg::OnButtonClicked(int id) {
    if (id == m_ids.update) {
        OnBtnUpdate();
    } else if (id == m_ids.deleteRequester) {
        OnBtnDelete();
    } else if (id == m_ids.back) {
        ConfirmAndClose();
    } else {
        return false;
    }
    return true;
}

void CKorxf305Dlg::OnKillfocusAccountNumber() {
    const std::string text = GetItemText(m_ids.accountNumber);
    const std::string padded = PadAccountNumber(text);
    if (padded != text) SetItemText(m_ids.accountNumber, padded);
}

void CKorxf305Dlg::OnKillfocusRequesterCode() {
    const std::string text = GetItemText(m_ids.requesterCode);
    const std::string padded = PadRequesterCode(text);
    if (padded != text) SetItemText(m_ids.requesterCode, padded);
}

int CKorxf305Dlg::ControlOf(int field) const {
    switch (field) {
        case RequesterForm::kDescription:
            return m_ids.description;
        case RequesterForm::kName:
            return m_ids.name;
        case RequesterForm::kRequesterCode:
            return m_ids.requesterCode;
        case RequesterForm::kBranchCode:
            return m_ids.branchCode;
        case RequesterForm::kBranchName:
            return m_ids.branchName;
        case RequesterForm::kAccountType:
            return m_ids.accountType;
        case RequesterForm::kAccountNumber:
            return m_ids.accountNumber;
        default:
            return 0;
    }
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
    Combo(m_ids.accountType).SetCurSel(0);
    CheckRadio(m_ids.kind, m_ids.kind[2]);
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
