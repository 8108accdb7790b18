#pragma once
// Screen XF303: creates, changes and deletes the fixed-length patterns of the pattern master
// through the pattern store. Every change is written to the master at once by the store.
#include <windows.h>

#include <string>

#include "framework/DialogBase.h"
#include "framework/EditableNameList.h"
#include "transfer/FixedPatternForm.h"

class CApMsgInfoList;

namespace xf {

class CPatternStore;

class CKorxf303Dlg : public kor::CDialogBase, private kor::CEditableNameList::Owner {
public:
    // Neither the store nor the message table is kept beyond the screen's life or freed by it.
    CKorxf303Dlg(HICON icon, CPatternStore* store, CApMsgInfoList* messages, std::string helpPath,
                 HWND parent);

    // The message of id with its words, as a box owned by the screen; the pressed button.
    int ShowMessage(int id, const char* word1 = nullptr, const char* word2 = nullptr,
                    const char* word3 = nullptr, const char* word4 = nullptr,
                    const char* word5 = nullptr);

    // True when the form, with name in its name field, differs from the fixed-length pattern
    // listed under name (or from a cleared form when none is listed under it).
    bool IsModified(const std::string& name);
    FixedPatternForm ReadForm() const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    // Enter moves to the next field; on one of the screen's buttons it presses that button.
    void OnOK() override;
    void OnClose() override { OnBtnBack(); }

private:
    void ClearForm();
    void FillPatternCombo();
    void ShowForm(const FixedPatternForm& form);
    void EnableKindDependentItems();
    void UpdateButtonStates() override;
    void LoadSelectedPattern();
    void OnBtnUpdate();
    void OnBtnDeletePattern();
    void OnBtnClear();
    void OnBtnBack();
    void ShowFault(const FormFault& fault);

    // The name list's questions.
    bool IsFormModified(const std::string& name) override { return IsModified(name); }
    void LoadChosenItem() override { LoadSelectedPattern(); }
    int AskDiscardForChoice() override { return ShowMessage(80); }

    HICON m_icon;
    CPatternStore* m_store;
    CApMsgInfoList* m_messages;
    std::string m_helpPath;  // kept, never opened
    kor::CEditableNameList m_names;
};

}  // namespace xf
