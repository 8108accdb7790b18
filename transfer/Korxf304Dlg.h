#pragma once
// Screen XF304: creates, changes and deletes the separated patterns of the pattern master. The
// user reads one line of a sample customer file, sees its fields listed and assigns them to the
// output items. Every change is written to the master at once by the pattern store.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/DialogBase.h"
#include "framework/EditableNameList.h"
#include "transfer/DelimPatternForm.h"
#include "transfer/FieldItem.h"

class CApMsgInfoList;

namespace xf {

class CPatternStore;

class CKorxf304Dlg : public kor::CDialogBase, private kor::CEditableNameList::Owner {
public:
    CKorxf304Dlg(HICON icon, HWND parent);
    // Before the run. Neither the store nor the message table is kept beyond the screen's life
    // or freed by it.
    void SetContext(CPatternStore* store, CApMsgInfoList* messages, std::string helpPath);

    // The message of id with its words, as a box owned by the screen; the pressed button.
    int ShowMessage(int id, const char* word1 = nullptr, const char* word2 = nullptr,
                    const char* word3 = nullptr, const char* word4 = nullptr,
                    const char* word5 = nullptr);

    // True when the form, with name in its name field, differs from the separated pattern
    // listed under name (or from a cleared form when no item of the list bears name).
    bool IsModified(const std::string& name);
    DelimPatternForm ReadForm() const;
    const std::vector<CFieldItem>& Items() const { return m_items; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override { ConfirmAndClose(); }
    void OnDestroy() override { m_items.clear(); }

private:
    void ClearAll();
    void ResetItems();
    void FillPatternCombo();
    void LoadSelectedPattern();
    void LoadPatternToControls();
    void ShowRadios(const DelimPatternForm& form);
    void SetAccountTypes(const DelimPatternForm& form);
    void SetKind(int kind);
    void RebuildItemList();
    void ShowItemLine(int k);
    void UpdateButtonStates() override;
    void OnBtnBrowseSample();
    void OnBtnReadSample();
    bool CheckSamplePath(const std::string& path);
    void OnBtnDefine();
    void OnBtnUndefine();
    void OnBtnCancelAll();
    void OnBtnUpdate();
    void OnBtnDeletePattern();
    void ConfirmAndClose();
    void ShowFault(const FormFault& fault);
    bool General() const;

    // The name list's questions.
    bool IsFormModified(const std::string& name) override { return IsModified(name); }
    void LoadChosenItem() override;
    int AskDiscardForChoice() override { return ShowMessage(80); }

    HICON m_icon;
    CPatternStore* m_store = nullptr;
    CApMsgInfoList* m_messages = nullptr;
    std::string m_helpPath;  // kept, never opened
    kor::CEditableNameList m_names;
    std::vector<CFieldItem> m_items;         // the twelve output items, in item order
    std::vector<std::string> m_sourceTexts;  // the lines of the source list
};

}  // namespace xf
