#pragma once
// The editable name list of the settings screens: a drop-down list with an edit field whose
// typed names behave like items. A typed name that is not stored yet joins the list as a
// provisional item (always the last one) when the list is opened; choosing another item while
// the form holds unsaved changes asks the screen's discard question, and a declined or
// pointless choice is undone: the name being edited comes back, as a provisional item when it
// is no item of the list.
//
// The screen owns one list, routes the notifications of its combo box to OnCommand and answers
// the questions of its Owner. Names are compared byte for byte (the control's own search folds
// the case of letters; two names differing in case are two names).
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/Controls.h"

namespace kor {

class CEditableNameList {
public:
    // Item data of a provisional item: it stands for nothing stored.
    static constexpr LPARAM kProvisionalData = -1;

    class Owner {
    public:
        virtual ~Owner() = default;
        // True when the form, with name in its name field, differs from what is stored under
        // name (or from an empty form when name is stored nowhere). Asked while a choice is
        // made, when the field may already show the chosen item.
        virtual bool IsFormModified(const std::string& name) = 0;
        // Shows the form of the item now selected in the list (nothing selected, or a
        // provisional item: the form may stay as it is).
        virtual void LoadChosenItem() = 0;
        // Asks whether unsaved changes may be discarded for another choice; the pressed button.
        virtual int AskDiscardForChoice() = 0;
        virtual void UpdateButtonStates() = 0;
    };

    struct Item {
        std::string text;
        LPARAM data = 0;
    };

    CEditableNameList() = default;
    // Takes the combo box of a screen being opened; the list starts without a current name.
    void Attach(HWND combo, Owner* owner);

    // Replaces the items, selects none and forgets any provisional item. The current name stays.
    void Fill(const std::vector<Item>& items);
    // Selects the first item whose text equals name (none when absent); its index or -1.
    int Select(std::string_view name);
    // Index of the first item whose text equals name byte for byte, or -1.
    int Find(std::string_view name) const;

    // Routes a notification of the combo box; true when handled.
    bool OnCommand(int code);
    void OnEditChange();
    void OnDropDown();
    void OnKillFocus();
    void OnSelChange();

    const std::string& CurrentName() const { return m_current; }
    void SetCurrentName(std::string name) { m_current = std::move(name); }
    bool HasProvisional() const { return m_provisional; }
    // The text of the name field.
    std::string Text() const { return m_combo.GetText(); }
    // Item data of the selected item; kProvisionalData when none is selected.
    LPARAM SelectedData() const;
    const CComboView& Combo() const { return m_combo; }

private:
    int LastIndex() const { return m_combo.GetCount() - 1; }
    void RemoveProvisionalItem();
    void AppendProvisional(const std::string& name);
    void AcceptChoice(int chosen);
    void UndoChoice();

    CComboView m_combo;
    Owner* m_owner = nullptr;
    std::string m_current;          // the name the screen regards as being edited
    bool m_provisional = false;     // the list holds a provisional item
    std::string m_provisionalName;  // a provisional item to drop at the next opening
    bool m_busy = false;            // the list is changing its own combo box
};

}  // namespace kor
