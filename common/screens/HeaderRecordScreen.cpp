#include "common/screens/HeaderRecordScreen.h"

#include <utility>

#include "common/base/ApMsgInfoList.h"
#include "common/patterns/AccountFields.h"

CHeaderRecordScreen::CHeaderRecordScreen(const HeaderRecordControls& ids,
                                         const HeaderRecordScreenText& text,
                                         const HeaderRecordMessages& messageIds, HICON icon,
                                         CApMsgInfoList* messages, HWND parent)
    : CScreenBase(ids.dialog, parent, messages, icon, text.programName),
      m_ids(ids),
      m_text(text),
      m_messageIds(messageIds) {}

BOOL CHeaderRecordScreen::OnInitDialog() {
    ShowScreenIcon();
    m_descriptions.Attach(Item(m_ids.description), this);
    SetScreenLabels(0, "", m_ids.version, m_text.version);
    SetFieldInError(0);
    const int limited[] = {m_ids.description, m_ids.name,       m_ids.code,
                           m_ids.branchCode,  m_ids.branchName, m_ids.accountNumber};
    static_assert(std::size(limited) == std::tuple_size_v<decltype(m_limits)>);
    for (size_t i = 0; i < std::size(limited); ++i)
        m_limits[i].Attach(Item(limited[i]), m_text.widths[i]);
    ResetOwnFields();
    const kor::CComboView types = Combo(m_ids.accountType);
    types.ResetContent();
    for (const AccountTypeChoice& choice : kAccountTypeChoices) {
        const int index = types.AddString(choice.text);
        if (index >= 0) types.SetItemData(index, choice.value);
    }
    types.SetCurSel(0);
    m_selected = -1;
    FillDescriptionCombo();
    ShowSelected();
    UpdateButtonStates();
    return TRUE;
}

int CHeaderRecordScreen::ChosenAccountType() const {
    const kor::CComboView types = Combo(m_ids.accountType);
    const int index = types.GetCurSel();
    return index >= 0 ? static_cast<int>(types.GetItemData(index)) : -1;
}

void CHeaderRecordScreen::ChooseAccountType(int value) const {
    int index = -1;
    for (size_t i = 0; i < std::size(kAccountTypeChoices); ++i) {
        if (kAccountTypeChoices[i].value == value) index = static_cast<int>(i);
    }
    Combo(m_ids.accountType).SetCurSel(index);
}

void CHeaderRecordScreen::FillDescriptionCombo() {
    std::vector<kor::CEditableNameList::Item> items;
    int position = 0;
    for (std::string& description : StoredDescriptions())
        items.push_back({std::move(description), position++});
    m_descriptions.Fill(items);
    if (m_selected >= 0) Combo(m_ids.description).SetCurSel(m_selected);
}

void CHeaderRecordScreen::ClearEdits() {
    for (int id : {m_ids.name, m_ids.code, m_ids.branchCode, m_ids.branchName, m_ids.accountNumber})
        SetItemText(id, "");
}

void CHeaderRecordScreen::ShowSelected() {
    ClearEdits();
    if (m_selected >= 0 && static_cast<size_t>(m_selected) < StoredDescriptions().size())
        ShowStored(static_cast<size_t>(m_selected));
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CHeaderRecordScreen::UpdateButtonStates() {
    const std::string text = m_descriptions.Text();
    EnableItem(m_ids.update, !text.empty());
    const kor::CComboView combo = Combo(m_ids.description);
    const int selection = combo.GetCurSel();
    EnableItem(m_ids.deleteRecord,
               !text.empty() && selection >= 0 && !m_descriptions.HasProvisional() &&
                   combo.GetLBText(selection) == text && selection == m_selected);
}

bool CHeaderRecordScreen::IsModified(const std::string& description) {
    int reference = -1;
    const int index = m_descriptions.Find(description);
    if (HasStore() && index >= 0 && !m_descriptions.HasProvisional()) {
        const LPARAM position = Combo(m_ids.description).GetItemData(index);
        if (position >= 0 && static_cast<size_t>(position) < StoredDescriptions().size())
            reference = static_cast<int>(position);
    }
    return IsFormModifiedFrom(reference, description);
}

void CHeaderRecordScreen::LoadChosenItem() {
    const LPARAM position = m_descriptions.SelectedData();
    // A provisional item stands for no record: the form stays as it is.
    if (position < 0) return;
    m_selected = static_cast<int>(position);
    ShowSelected();
}

bool CHeaderRecordScreen::OnCommand(int id, int code, HWND control) {
    if (id == m_ids.description) return m_descriptions.OnCommand(code);
    if (id == m_ids.name || id == m_ids.branchName) {
        if (code == EN_SETFOCUS) kor::OpenKanaIme(control, &m_imeModes);
        if (code == EN_KILLFOCUS) kor::CloseIme(control);
        return true;
    }
    if (id == m_ids.accountNumber || id == m_ids.code) {
        if (code == EN_KILLFOCUS)
            PadField(id, id == m_ids.code ? PadCustomerCode : PadAccountNumber);
        return true;
    }
    return false;
}

bool CHeaderRecordScreen::OnButtonClicked(int id) {
    if (id == m_ids.update) {
        OnBtnUpdate();
    } else if (id == m_ids.deleteRecord) {
        OnBtnDelete();
    } else if (id == m_ids.back) {
        ConfirmAndClose();
    } else {
        return false;
    }
    return true;
}

void CHeaderRecordScreen::PadField(int id, std::string (*pad)(std::string_view)) {
    const std::string text = GetItemText(id);
    const std::string padded = pad(text);
    if (padded != text) SetItemText(id, padded);
}

int CHeaderRecordScreen::ControlOf(HeaderRecordField field) const {
    switch (field) {
        case HeaderRecordField::kDescription:
            return m_ids.description;
        case HeaderRecordField::kName:
            return m_ids.name;
        case HeaderRecordField::kCode:
            return m_ids.code;
        case HeaderRecordField::kBranchCode:
            return m_ids.branchCode;
        case HeaderRecordField::kBranchName:
            return m_ids.branchName;
        case HeaderRecordField::kAccountType:
            return m_ids.accountType;
        case HeaderRecordField::kAccountNumber:
            return m_ids.accountNumber;
        default:
            return 0;
    }
}

void CHeaderRecordScreen::ShowFault(const FormFault& fault) {
    ShowMessage(*fault.message, fault.Word1(), fault.Word2());
    const int control = ControlOf(static_cast<HeaderRecordField>(fault.field));
    SetFieldInError(control);
    FocusItem(control);
}

void CHeaderRecordScreen::OnBtnUpdate() {
    SetFieldInError(0);
    if (const FormFault fault = CheckForm()) {
        ShowFault(fault);
    } else if (HasStore()) {
        const std::string description = m_descriptions.Text();
        const std::vector<std::string> stored = StoredDescriptions();
        int found = -1;
        for (size_t i = 0; i < stored.size() && found < 0; ++i) {
            if (stored[i] == description) found = static_cast<int>(i);
        }
        const bool append = found < 0;
        const int position = append ? static_cast<int>(stored.size()) : found;
        const HeaderRecordMessages& m = m_messageIds;
        if (ShowMessage(append ? m.addQuestion : m.replaceQuestion) != IDCANCEL) {
            if (StoreForm(position, append) != 1) {
                ShowMessage(m.notWritten, "更新処理");
            } else {
                ShowMessage(m.saved, m_text.savedWord, "「ファイル読込」");
                m_selected = position;
                m_descriptions.SetCurrentName(description);
                FillDescriptionCombo();
                UpdateButtonStates();
            }
        }
    }
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CHeaderRecordScreen::OnBtnDelete() {
    if (ShowMessage(m_messageIds.deleteQuestion) == IDCANCEL) return;
    const LPARAM position = m_descriptions.SelectedData();
    if (!HasStore() || position < 0) return;
    const int result = DeleteStored(static_cast<int>(position));
    ResetForm();
    if (result != 1) ShowMessage(m_messageIds.notWritten, "削除処理");
}

void CHeaderRecordScreen::ResetForm() {
    m_selected = -1;
    m_descriptions.SetCurrentName({});
    FillDescriptionCombo();
    ClearEdits();
    Combo(m_ids.accountType).SetCurSel(0);
    ResetOwnFields();
    UpdateButtonStates();
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CHeaderRecordScreen::ConfirmAndClose() {
    if (!MayLeave(IsModified(m_descriptions.Text()) || m_descriptions.HasProvisional(),
                  m_messageIds.discardOnLeave))
        return;
    EndDialog(IDOK);
}
