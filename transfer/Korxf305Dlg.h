#pragma once
// Screen XF305: the requesters of the requester master, shown and chosen by their description,
// created, changed and deleted through the requester store. Every change is written to the
// master at once by the store.
#include <windows.h>

#include <array>
#include <string>

#include "common/ScreenBase.h"
#include "framework/ByteLimitedEdit.h"
#include "framework/EditableNameList.h"
#include "framework/Ime.h"
#include "transfer/RequesterForm.h"

class CApMsgInfoList;

namespace xf {

class CRequesterStore;

// The template and control ids of the screen.
struct Korxf305Controls {
    UINT dialog;
    std::array<int, 3> kind;  // general, salary, none
    int back, update, deleteRequester;
    int description;  // the editable list of descriptions
    int name, requesterCode, branchCode, branchName, accountType, accountNumber;
    int version;
};
// The transfer tool's.
extern const Korxf305Controls kKorxf305Controls;

class CKorxf305Dlg : public CScreenBase, private kor::CEditableNameList::Owner {
public:
    // The store is handed over with SetStore before the run; none of the pointers is kept
    // beyond the screen's life or freed by it.
    CKorxf305Dlg(HICON icon, CApMsgInfoList* messages, std::string helpPath, HWND parent,
                 const Korxf305Controls& ids = kKorxf305Controls);
    void SetStore(CRequesterStore* store) { m_store = store; }

    // True when the form, with description in its description field, differs from the
    // requester listed under description (or from an empty form when none is listed under it,
    // or while a provisional item exists).
    bool IsModified(const std::string& description);
    // The form as text.
    RequesterForm ReadForm() const;

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
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
    // The control that shows field of the form.
    int ControlOf(int field) const;

    // The name list's questions.
    bool IsFormModified(const std::string& name) override { return IsModified(name); }
    void LoadChosenItem() override;
    int AskDiscardForChoice() override { return ShowMessage(109); }

    Korxf305Controls m_ids;
    std::string m_helpPath;  // kept, never opened
    CRequesterStore* m_store = nullptr;
    int m_selected = -1;  // list position of the requester last shown
    kor::CEditableNameList m_descriptions;
    kor::ImeModes m_imeModes;
    // Each field goes into a master field of fixed width in bytes.
    std::array<kor::CByteLimitedEdit, 6> m_limits;
};

}  // namespace xf
