#pragma once
// The screens of the header data a tool's file carries (the transfer tool's requesters, the
// direct-debit tool's consignors): records listed and chosen by their description, each with a
// kana name, a customer code, a branch code and name, an account type and an account number,
// created, changed and deleted through the tool's master store. Every change is written to the
// master at once by the store.
//
// This base gives the controls' behaviour (limits in bytes, the account-type list, the kana
// input method, the zero padding of the code and the account number), the description list with
// its provisional item, the steps of a save and a delete with their questions and reports, and
// the question before leaving. The tool's screen gives its records and its form.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "common/base/FormFault.h"
#include "common/patterns/HeaderRecordField.h"
#include "common/screens/ScreenBase.h"
#include "framework/ByteLimitedEdit.h"
#include "framework/EditableNameList.h"
#include "framework/Ime.h"

class CApMsgInfoList;

// The template and control ids of such a screen.
struct HeaderRecordControls {
    UINT dialog;
    int back, update, deleteRecord;
    int description;  // the editable list of descriptions
    int name, code, branchCode, branchName, accountType, accountNumber;
    int version;
};

// What differs between the tools beyond the ids: the program and version texts, the widths in
// bytes of the master fields (description, name, code, branch code, branch name, account
// number), and the word of the message that reports a save.
struct HeaderRecordScreenText {
    const char* programName;
    const char* version;
    std::array<int, 6> widths;
    const char* savedWord;
};

// The screen's messages, as the tool numbers them.
struct HeaderRecordMessages {
    kor::MessageId addQuestion;      // save under a new description? OK saves
    kor::MessageId replaceQuestion;  // the description is stored already: overwrite?
    kor::MessageId saved;            // the saved word, "「ファイル読込」"
    kor::MessageId notWritten;  // "更新処理" or "削除処理": the master could not be written
    kor::MessageId deleteQuestion;  // Cancel keeps the record
    kor::MessageId discardChoice;   // another description chosen: discard the changes?
    kor::MessageId discardOnLeave;  // back: discard the changes?
};

class CHeaderRecordScreen : public CScreenBase, private kor::CEditableNameList::Owner {
public:
    // True when the form, with description in its description field, differs from the record
    // listed under description (or from an empty form when none is listed under it, or while a
    // provisional item exists).
    bool IsModified(const std::string& description);

protected:
    // The message table is not kept beyond the screen's life or freed by it.
    CHeaderRecordScreen(const HeaderRecordControls& ids, const HeaderRecordScreenText& text,
                        const HeaderRecordMessages& messageIds, HICON icon,
                        CApMsgInfoList* messages, HWND parent);

    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override { ConfirmAndClose(); }

    const HeaderRecordControls& Ids() const { return m_ids; }
    std::string DescriptionText() const { return m_descriptions.Text(); }
    // The value of the chosen account type, -1 when none is chosen.
    int ChosenAccountType() const;
    // Chooses the account type of value (none when the list has no such choice).
    void ChooseAccountType(int value) const;

    // The tool's part. Positions are those of the store's list.
    virtual bool HasStore() const = 0;
    virtual std::vector<std::string> StoredDescriptions() const = 0;
    // Shows the stored record at position in the emptied form.
    virtual void ShowStored(size_t position) = 0;
    // True when the form, with description, differs from the stored record at position, or,
    // for position -1, from an empty form.
    virtual bool IsFormModifiedFrom(int position, const std::string& description) = 0;
    // The first failing check of the form, or no fault (its field a HeaderRecordField).
    virtual FormFault CheckForm() const = 0;
    // Stores the form's record at position, appended or replacing: 1 when written.
    virtual int StoreForm(int position, bool append) = 0;
    // Deletes the stored record at position: 1 when written.
    virtual int DeleteStored(int position) = 0;
    // Sets the tool's own fields of an empty form; none by default.
    virtual void ResetOwnFields() {}

private:
    void FillDescriptionCombo();
    void ShowSelected();
    void ClearEdits();
    void UpdateButtonStates() override;
    void ResetForm();
    void OnBtnUpdate();
    void OnBtnDelete();
    void ConfirmAndClose();
    // Pads the number field id with pad when it is left.
    void PadField(int id, std::string (*pad)(std::string_view));
    void ShowFault(const FormFault& fault);
    int ControlOf(HeaderRecordField field) const;

    // The name list's questions.
    bool IsFormModified(const std::string& name) override { return IsModified(name); }
    void LoadChosenItem() override;
    int AskDiscardForChoice() override { return ShowMessage(m_messageIds.discardChoice); }

    HeaderRecordControls m_ids;
    HeaderRecordScreenText m_text;
    HeaderRecordMessages m_messageIds;
    int m_selected = -1;  // list position of the record last shown
    kor::CEditableNameList m_descriptions;
    kor::ImeModes m_imeModes;
    // Each field goes into a master field of fixed width in bytes.
    std::array<kor::CByteLimitedEdit, 6> m_limits;
};
