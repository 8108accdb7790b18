#pragma once
// Screen XF305: the requesters of the requester master, shown and chosen by their description,
// created, changed and deleted through the requester store. Every change is written to the
// master at once by the store.
#include <windows.h>

#include <string>

#include "framework/DialogBase.h"
#include "framework/EditableNameList.h"
#include "framework/Ime.h"
#include "transfer/RequesterForm.h"

class CApMsgInfoList;

namespace xf {

class CRequesterStore;

class CKorxf305Dlg : public kor::CDialogBase, private kor::CEditableNameList::Owner {
public:
    // The store is handed over with SetStore before the run; none of the pointers is kept
    // beyond the screen's life or freed by it.
    CKorxf305Dlg(HICON icon, CApMsgInfoList* messages, std::string helpPath, HWND parent);
    void SetStore(CRequesterStore* store) { m_store = store; }

    // The message of id with its words, as a box owned by the screen; the pressed button.
    int ShowMessage(int id, const char* word1 = nullptr, const char* word2 = nullptr,
                    const char* word3 = nullptr, const char* word4 = nullptr,
                    const char* word5 = nullptr);

    // True when the form, with description in its description field, differs from the
    // requester listed under description (or from an empty form when none is listed under it,
    // or while a provisional item exists).
    bool IsModified(const std::string& description);
    // The form as text.
    RequesterForm ReadForm() const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override { ConfirmAndClose(); }

private:
    void InitControls();
    void LoadRequesterList();
    void FillDescriptionCombo();
    void ShowSelectedRequester();
    void ShowForm(const RequesterForm& form);
    void ClearEdits();
    void UpdateButtonStates() override;
    void ResetForm();
    void OnBtnUpdate();
    void OnBtnDelete();
    void ConfirmAndClose();
    void OnKillfocusAccountNumber();
    void OnKillfocusRequesterCode();
    void ShowFault(const FormFault& fault);

    // The name list's questions.
    bool IsFormModified(const std::string& name) override { return IsModified(name); }
    void LoadChosenItem() override;
    int AskDiscardForChoice() override { return ShowMessage(109); }

    HICON m_icon;
    CApMsgInfoList* m_messages;
    std::string m_helpPath;  // kept, never opened
    CRequesterStore* m_store = nullptr;
    int m_selected = -1;  // list position of the requester last shown
    kor::CEditableNameList m_descriptions;
    kor::ImeModes m_imeModes;
};

}  // namespace xf
