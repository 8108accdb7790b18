#include "framework/EditableNameList.h"

#include <utility>

namespace kor {

namespace {

// Marks the list busy while it changes its own combo box: the edit notifications that the
// changes cause are not the user's typing.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : m_busy(busy), m_before(std::exchange(busy, true)) {}
    ~BusyScope() { m_busy = m_before; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
    bool m_before;
};

}  // namespace

void CEditableNameList::Attach(HWND combo, Owner* owner) {
    m_combo = CComboView(combo);
    m_owner = owner;
    m_current.clear();
    m_provisional = false;
    m_provisionalName.clear();
}

void CEditableNameList::Fill(const std::vector<Item>& items) {
    BusyScope busy(m_busy);
    m_combo.ResetContent();
    for (const Item& item : items) {
        const int index = m_combo.AddString(item.text);
        if (index >= 0) m_combo.SetItemData(index, item.data);
    }
    m_combo.SetCurSel(-1);
    m_provisional = false;
    m_provisionalName.clear();
}

int CEditableNameList::Select(std::string_view name) {
    BusyScope busy(m_busy);
    const int index = Find(name);
    m_combo.SetCurSel(index);
    return index;
}

int CEditableNameList::Find(std::string_view name) const {
    const int count = m_combo.GetCount();
    for (int i = 0; i < count; ++i) {
        if (m_combo.GetLBText(i) == name) return i;
    }
    return -1;
}

LPARAM CEditableNameList::SelectedData() const {
    const int index = m_combo.GetCurSel();
    return index >= 0 ? m_combo.GetItemData(index) : kProvisionalData;
}

bool CEditableNameList::OnCommand(int code) {
    switch (code) {
        case CBN_EDITCHANGE:
            OnEditChange();
            return true;
        case CBN_DROPDOWN:
            OnDropDown();
            return true;
        case CBN_KILLFOCUS:
            OnKillFocus();
            return true;
        case CBN_SELCHANGE:
            OnSelChange();
            return true;
        default:
            return false;
    }
}

void CEditableNameList::OnEditChange() {
    if (m_busy) return;
    // The provisional item still shows the name typed before; it goes at the next opening.
    if (m_provisional && m_provisionalName.empty() && Find(m_current) >= 0)
        m_provisionalName = m_current;
    m_current = Text();
}

void CEditableNameList::OnDropDown() {
    if (m_busy) return;
    BusyScope busy(m_busy);
    if (!m_provisionalName.empty()) {
        if (m_provisional && m_combo.GetLBText(LastIndex()) == m_provisionalName)
            RemoveProvisionalItem();
        m_provisionalName.clear();
    }
    const std::string typed = Text();
    if (!typed.empty() && Find(typed) < 0) {
        if (m_provisional) RemoveProvisionalItem();
        AppendProvisional(typed);
        m_current = typed;
    }
}

void CEditableNameList::OnKillFocus() {
    if (m_busy) return;
    {
        BusyScope busy(m_busy);
        if (Text() != m_current) m_combo.SetText(m_current);
    }
    if (m_owner) m_owner->UpdateButtonStates();
}

void CEditableNameList::OnSelChange() {
    if (m_busy || !m_owner) return;
    BusyScope busy(m_busy);
    // A choice with the mouse or the arrow keys is notified before the combo box puts the
    // chosen text into its field: it goes there now, so that the screen reads the field as it
    // will stay.
    const int chosen = m_combo.GetCurSel();
    if (chosen >= 0) m_combo.SetCurSel(chosen);
    if (!m_provisional && !m_owner->IsFormModified(m_current)) {
        if (chosen >= 0) {
            m_current = m_combo.GetLBText(chosen);
            m_owner->LoadChosenItem();
        } else {
            m_combo.SetText(m_current);  // nothing chosen: the name being edited stays
        }
    } else if (m_current.empty()) {
        AcceptChoice(chosen);
    } else {
        const bool noRealChange =
            m_provisional ? chosen == LastIndex() : chosen < 0 || chosen == Find(m_current);
        if (noRealChange || m_owner->AskDiscardForChoice() != IDOK) {
            UndoChoice();
        } else {
            AcceptChoice(chosen);
        }
    }
    m_owner->UpdateButtonStates();
}

void CEditableNameList::AcceptChoice(int chosen) {
    if (chosen >= 0) m_current = m_combo.GetLBText(chosen);
    if (m_provisional) {
        const int index = Find(m_current);
        if (index >= 0 && index != LastIndex()) RemoveProvisionalItem();
    }
    // A question box may have taken the focus meanwhile and put the old name into the field.
    if (chosen >= 0) m_combo.SetCurSel(Find(m_current));
    m_owner->LoadChosenItem();
}

void CEditableNameList::UndoChoice() {
    const int index = Find(m_current);
    m_combo.SetCurSel(index);
    if (index >= 0) {
        if (m_provisional && m_combo.GetLBText(LastIndex()) != m_current) RemoveProvisionalItem();
        return;
    }
    if (m_provisional) RemoveProvisionalItem();
    AppendProvisional(m_current);
    m_combo.SetCurSel(LastIndex());
}

void CEditableNameList::RemoveProvisionalItem() {
    const int last = LastIndex();
    if (last >= 0) {
        if (m_combo.GetLBText(last) == m_provisionalName) m_provisionalName.clear();
        m_combo.DeleteString(last);
    }
    m_provisional = false;
}

void CEditableNameList::AppendProvisional(const std::string& name) {
    const int index = m_combo.AddString(name);
    if (index >= 0) m_combo.SetItemData(index, kProvisionalData);
    m_provisional = true;
    m_provisionalName.clear();
}

}  // namespace kor
