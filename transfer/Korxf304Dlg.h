#pragma once
// Screen XF304: creates, changes and deletes the separated patterns of the pattern master. The
// user reads one line of a sample customer file, sees its fields listed and assigns them to the
// output items. Every change is written to the master at once by the pattern store.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "common/FieldItem.h"
#include "common/ScreenBase.h"
#include "framework/ByteLimitedEdit.h"
#include "framework/EditableNameList.h"
#include "transfer/DelimPatternForm.h"

class CApMsgInfoList;

namespace xf {

class CPatternStore;

// The template and control ids of the screen. The radio groups list their buttons in the order
// of the codes they stand for.
struct Korxf304Controls {
    UINT dialog;
    std::array<int, 2> kind;       // general, salary
    std::array<int, 3> separator;  // comma, TAB, blank: the codes 1, 2 and 4
    std::array<int, 2> zero;       // a zero amount: error, skip
    std::array<int, 2> blank;      // a blank amount: error, skip
    std::array<int, 3> output;     // 120, 126, 128 bytes
    std::array<int, 2> lineBreak;  // with, without
    int define, undefine, cancelAll, update, deletePattern, back;
    int browse, read, samplePath;
    int titleRows, dataRow;
    int sourceList, itemList;
    std::array<int, 4> accountTypes;  // for the codes 1, 2, 4 and 9
    int name;
    int version;
};
// The transfer tool's.
extern const Korxf304Controls kKorxf304Controls;

class CKorxf304Dlg : public CScreenBase, private kor::CEditableNameList::Owner {
public:
    CKorxf304Dlg(HICON icon, HWND parent, const Korxf304Controls& ids = kKorxf304Controls);
    // Before the run. Neither the store nor the message table is kept beyond the screen's life
    // or freed by it.
    void SetContext(CPatternStore* store, CApMsgInfoList* messages, std::string helpPath);

    // True when the form, with name in its name field, differs from the separated pattern
    // listed under name (or from a cleared form when no item of the list bears name).
    bool IsModified(const std::string& name);
    DelimPatternForm ReadForm() const;
    const std::vector<CFieldItem>& Items() const { return m_items; }

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
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

    Korxf304Controls m_ids;
    CPatternStore* m_store = nullptr;
    std::string m_helpPath;  // kept, never opened
    kor::CEditableNameList m_names;
    // The name and the account-type texts go into master fields of fixed width in bytes.
    kor::CByteLimitedEdit m_nameLimit;
    std::array<kor::CByteLimitedEdit, 4> m_accountTypeLimits;
    std::vector<CFieldItem> m_items;         // the twelve output items, in item order
    std::vector<std::string> m_sourceTexts;  // the lines of the source list
};

}  // namespace xf
