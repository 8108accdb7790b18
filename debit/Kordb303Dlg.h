#pragma once
// Screen DB303: creates, changes and deletes the fixed-length patterns of the direct-debit
// pattern master through the pattern store. Every change is written to the master at once by
// the store.
#include <windows.h>

#include <array>
#include <string>

#include "common/ScreenBase.h"
#include "debit/FixedPatternForm.h"
#include "framework/ByteLimitedEdit.h"
#include "framework/EditableNameList.h"

class CApMsgInfoList;

namespace db {

class CPatternStore;

// The template and control ids of the screen. The radio groups list their buttons in the order
// of the codes they stand for.
struct Kordb303Controls {
    UINT dialog;
    int back, clear, update, deletePattern;
    std::array<int, 2> zero;       // a zero amount: error, skip
    std::array<int, 2> blank;      // a blank amount: error, skip
    std::array<int, 3> output;     // 120, 126, 128 bytes
    std::array<int, 2> lineBreak;  // with, without
    int recordLength;
    std::array<int, CPatternBase::kAccountTypeCount> accountTypes;  // for the codes 1, 2, 3, 9
    // Start and length edits of each item, in item order.
    std::array<int, kItemCount> start;
    std::array<int, kItemCount> length;
    int name;
    int version;
};
// The direct-debit tool's.
extern const Kordb303Controls kKordb303Controls;

class CKordb303Dlg : public CScreenBase, private kor::CEditableNameList::Owner {
public:
    // Neither the store nor the message table is kept beyond the screen's life or freed by it.
    CKordb303Dlg(HICON icon, CPatternStore* store, CApMsgInfoList* messages, std::string helpPath,
                 HWND parent, const Kordb303Controls& ids = kKordb303Controls);

    // True when the form, with name in its name field, differs from the fixed-length pattern
    // listed under name (or from a cleared form when none is listed under it).
    bool IsModified(const std::string& name);
    FixedPatternForm ReadForm() const;

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    // Enter moves to the next field; on one of the screen's buttons it presses that button.
    void OnOK() override;
    void OnClose() override { OnBtnBack(); }

private:
    void ClearForm();
    void FillPatternCombo();
    void ShowForm(const FixedPatternForm& form);
    void UpdateButtonStates() override;
    void LoadSelectedPattern();
    void OnBtnUpdate();
    void OnBtnDeletePattern();
    void OnBtnClear();
    void OnBtnBack();
    void ShowFault(const FormFault& fault);
    // The control that shows field of the form (a FixedFormField number).
    int ControlOf(int field) const;

    // The name list's questions.
    bool IsFormModified(const std::string& name) override { return IsModified(name); }
    void LoadChosenItem() override { LoadSelectedPattern(); }
    int AskDiscardForChoice() override { return ShowMessage(80); }

    Kordb303Controls m_ids;
    CPatternStore* m_store;
    std::string m_helpPath;  // kept, never opened
    kor::CEditableNameList m_names;
    // The name and the account-type texts go into master fields of fixed width in bytes.
    kor::CByteLimitedEdit m_nameLimit;
    std::array<kor::CByteLimitedEdit, CPatternBase::kAccountTypeCount> m_accountTypeLimits;
};

}  // namespace db
