#pragma once
// The screens of a tool's fixed-length patterns: the patterns of the pattern master listed by
// name, each shown with its record length, the start and length of every item, the handling of
// a zero and a blank amount, the customer's account-type texts, the output record length and the
// line break; created, changed and deleted through the tool's pattern store. Every change is
// written to the master at once by the store.
//
// This base gives the controls' behaviour (digit and byte limits), the name list with its
// provisional item, the steps of a save (the form's checks, the position check, the name of a
// separated pattern refused, the question, the report) and of a delete, Enter and the question
// before leaving. The tool's screen gives its form and its patterns.
#include <windows.h>

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "common/base/FormFault.h"
#include "common/items/ItemSpec.h"
#include "common/patterns/FixedPatternChecks.h"
#include "common/patterns/PatternBase.h"
#include "common/screens/PatternScreenSteps.h"
#include "common/screens/ScreenBase.h"
#include "framework/ByteLimitedEdit.h"
#include "framework/EditableNameList.h"

class CApMsgInfoList;
class CFixedPatternBase;
class CPatternLineStore;

// The template and control ids of such a screen. The radio groups list their buttons in the
// order of the codes they stand for.
struct FixedPatternControls {
    UINT dialog;
    int back, clear, update, deletePattern;
    std::array<int, 2> zero;       // a zero amount: error, skip
    std::array<int, 2> blank;      // a blank amount: error, skip
    std::array<int, 3> output;     // 120, 126, 128 bytes
    std::array<int, 2> lineBreak;  // with, without
    int recordLength;
    // The account-type texts, in the order of the tool's account types (at most
    // CPatternBase::kAccountTypeCount; none for a tool without account types).
    std::vector<int> accountTypes;
    // Start and length edits of each item, in the order of the tool's item table.
    std::vector<int> start;
    std::vector<int> length;
    int name;
    int version;
};

// The messages that the tools number differently: the question before dropping changes, the
// faults of the position check (two items overlap, an item ends beyond the record), a name of a
// separated pattern, and those of the save and delete steps.
struct FixedPatternMessages {
    kor::MessageId discard;
    kor::MessageId overlap;
    kor::MessageId overrun;
    kor::MessageId separatedName;  // "「ＣＳＶ・ＴＡＢ・スペースパターン」"
    PatternStepMessages steps;
};

// What differs between the tools beyond the ids: the program and version texts, the item
// table (one start and length edit per item) and the message numbers.
struct FixedPatternScreenText {
    const char* programName;
    const char* version;
    std::span<const ItemSpec> items;
    FixedPatternMessages messages;
};

class CFixedPatternScreen : public CScreenBase, private kor::CEditableNameList::Owner {
public:
    // True when the form, with name in its name field, differs from the fixed-length pattern
    // listed under name (or from a cleared form when none is listed under it).
    bool IsModified(const std::string& name);

protected:
    // Neither the store nor the message table is kept beyond the screen's life or freed by it.
    CFixedPatternScreen(const FixedPatternControls& ids, const FixedPatternScreenText& text,
                        HICON icon, CPatternLineStore* store, CApMsgInfoList* messages,
                        HWND parent);

    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    // Enter moves to the next field; on one of the screen's buttons it presses that button.
    void OnOK() override;
    void OnClose() override { OnBtnBack(); }

    const FixedPatternControls& Ids() const { return m_ids; }
    // Shows the fields of form, or reads them into form (all but the tool's own).
    void ShowFields(const FixedPatternFields& form);
    void ReadFields(FixedPatternFields& form) const;

    // The tool's part. Positions are those of the store's lines.
    // Shows the stored fixed-length pattern at position: false when there is none.
    virtual bool ShowStored(int position) = 0;
    // True when the form, with name, differs from the stored pattern at position, or, for
    // position -1, from a cleared form.
    virtual bool IsFormModifiedFrom(int position, const std::string& name) = 0;
    // The first failing check of the form that needs only the form, or no fault (its field as
    // FixedFormField numbers it).
    virtual FormFault CheckForm() const = 0;
    // The pattern the form stores.
    virtual std::unique_ptr<CFixedPatternBase> FormPattern() const = 0;
    // Sets the tool's own fields of a cleared form; none by default.
    virtual void ResetOwnFields() {}

private:
    void ClearForm();
    void FillPatternCombo();
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
    int AskDiscardForChoice() override { return ShowMessage(m_text.messages.discard); }

    FixedPatternControls m_ids;
    FixedPatternScreenText m_text;
    CPatternLineStore* m_store;
    kor::CEditableNameList m_names;
    // The name and the account-type texts go into master fields of fixed width in bytes.
    kor::CByteLimitedEdit m_nameLimit;
    std::array<kor::CByteLimitedEdit, CPatternBase::kAccountTypeCount> m_accountTypeLimits;
};
