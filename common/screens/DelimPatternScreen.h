#pragma once
// The separated pattern settings screens of the tools: patterns for customer files whose lines
// are split into fields by a comma, a TAB or a blank, listed and chosen by their name, created,
// changed and deleted through the tool's pattern store. The user reads one line of a sample
// customer file, sees its fields listed and assigns them to the output items with the define
// and undefine buttons. Every change is written to the master at once by the store.
//
// This base gives the whole screen over the tool's tables: the name list with its provisional
// item, the sample read with its checks, the two lists, the checks and steps of a save and a
// delete with their questions and reports, and the question before leaving. The tool's screen
// gives its tables (ids, items, message ids, item sets), its pattern store, its sample reader
// and, when it has one, its choice of kind or its own check of the sample path.
#include <windows.h>

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/base/FileAccess.h"
#include "common/flow/LineReadTask.h"
#include "common/items/ItemSpec.h"
#include "common/patterns/DelimPatternFormBase.h"
#include "common/patterns/PatternLayout.h"
#include "common/screens/FieldItem.h"
#include "common/screens/PatternScreenSteps.h"
#include "common/screens/ScreenBase.h"
#include "framework/ByteLimitedEdit.h"
#include "framework/EditableNameList.h"

class CApMsgInfoList;
class CPatternLineStore;

// The template and control ids of such a screen. The radio groups list their buttons in the
// order of the codes they stand for.
struct DelimPatternControls {
    UINT dialog;
    std::array<int, 3> separator;  // comma, TAB, blank: the codes 1, 2 and 4
    std::array<int, 2> zero;       // a zero amount: error, skip
    std::array<int, 2> blank;      // a blank amount: error, skip
    std::array<int, 3> output;     // 120, 126, 128 bytes
    std::array<int, 2> lineBreak;  // with, without
    int define, undefine, cancelAll, update, deletePattern, back;
    int browse, read, samplePath;
    int titleRows, dataRow;
    int sourceList, itemList;
    // In the order of the pattern's four customer codes of account types; 0 for none.
    std::array<int, CPatternBase::kAccountTypeCount> accountTypes;
    int name;
    int version;
    // The group boxes of the zero and the blank choices, for a screen whose choices are open
    // only while an item set is in use; 0 for none.
    std::array<int, 2> handlingGroups = {};
};

// The messages of the sample file's path check (each with the word beside it).
struct SamplePathMessages {
    kor::MessageId noPath;  // the path's label: empty
    kor::MessageId badName;
    kor::MessageId noName;  // the path's label: no folder or no file name, or a folder
    kor::MessageId driveNotReady;
    kor::MessageId driveUnusable;
    kor::MessageId mediumUnusable;  // OK tests again
    kor::MessageId noFolder;
    kor::MessageId noFile;
    kor::MessageId cannotRead;  // "読込"
};

// The ids of the screen's own messages; each tool numbers them its own way.
struct DelimScreenMessages {
    DelimFormMessages form;
    PatternStepMessages steps;
    kor::MessageId fixedLengthName;  // the name is a fixed-length pattern's: "「固定長パターン」"
    kor::MessageId redefine;         // the item has a column already: replace it?
    kor::MessageId discard;          // the changes are not stored: discard them?
    // The sample file holds no line break, with its word.
    kor::MessageId noLineBreak;
    const char* noLineBreakWord;
    // None: the tool checks the sample path itself (CheckSamplePath).
    std::optional<SamplePathMessages> samplePath;
};

// The statuses of the tool's sample reader.
struct SampleReadCodes {
    int noLineBreak = kSampleNoLineBreak;
    int cannotOpen = CFileAccess::kCannotOpen;
    int readError = CFileAccess::kReadError;
};

// What differs between the tools beyond the ids: the program and version texts, the items and
// the pattern line shape, the kind the patterns are stored with (a tool that lets the user
// choose it gives it through ChosenKind), and the message of a data row that does not come
// after the title rows.
struct DelimPatternScreenText {
    const char* programName;
    const char* version;
    std::span<const ItemSpec> items;
    PatternLayout layout;
    DelimPatternKind kind;
    kor::MessageId rowsMessage;
    DelimScreenMessages messages;
    SampleReadCodes sampleCodes = {};
    // Items a pattern leaves out together; with any, the item marks follow the sets in use and
    // the zero and blank choices are open only while a set is in use.
    std::span<const DelimItemSet> itemSets = {};
    const char* noTitleRows = "無し";  // the first choice of the title-row list
    bool selectsFirstItem = false;     // a refilled item list has its first line selected
};

class CDelimPatternScreen : public CScreenBase, private kor::CEditableNameList::Owner {
public:
    // True when the form, with name in its name field, differs from the separated pattern
    // listed under name (or from a cleared form when no item of the list bears name).
    bool IsModified(const std::string& name);
    // The output items in item order.
    const std::vector<CFieldItem>& Items() const { return m_items; }

protected:
    CDelimPatternScreen(const DelimPatternControls& ids, const DelimPatternScreenText& text,
                        HICON icon, HWND parent);

    // Before the run. Neither the store nor the message table is kept beyond the screen's life
    // or freed by it.
    void SetScreenContext(CPatternLineStore* store, CApMsgInfoList* messages);

    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override { ConfirmAndClose(); }
    void OnDestroy() override { m_items.clear(); }

    const DelimPatternControls& Ids() const { return m_ids; }
    // Fills form with the fields that every separated form has.
    void ReadCommonForm(DelimPatternFormBase& form) const;
    // Lists the output items again (as many as ListsGeneralOnlyItems allows).
    void RebuildItemList();

    // The tool's part. Positions are those of the store's list.
    // The separated pattern at position parsed by the tool's store, or null.
    virtual const CDelimPatternBase* StoredPattern(int position) = 0;
    // Stores form as kind at index (or appended, for -1): 1 when written.
    virtual int StorePattern(int index, const DelimPatternFormBase& form,
                             const DelimPatternKind& kind) = 0;
    // Line lineNumber (from 1) of the sample file as the tool's reader takes it, with its
    // status as CReadEngine::ReadSampleLine gives it.
    virtual std::string ReadSampleLine(const std::string& path, int* status,
                                       int lineNumber) const = 0;
    // The kind a save stores; the table's by default.
    virtual DelimPatternKind ChosenKind() const { return m_text.kind; }
    // Shows the kind of pattern (the kind of a cleared form for null); nothing by default.
    virtual void ShowKind(const CDelimPatternBase* /*pattern*/) {}
    // True when the item list shows the items that only general transfers carry.
    virtual bool ListsGeneralOnlyItems() const { return true; }
    // The checks of the sample path before it is read: true when it may be read, else false
    // after one message.
    virtual bool CheckSamplePath(const std::string& path);

private:
    void ClearAll();
    void ResetItems();
    void FillPatternCombo();
    void LoadSelectedPattern();
    void LoadPatternToControls();
    void ShowRadios(const DelimPatternFormBase& form);
    void SetAccountTypes(const DelimPatternFormBase& form);
    void ShowItemLine(int k);
    // Rewrites the lines of the item list whose text changed (the marks follow the sets).
    void ShowChangedItemLines();
    // The item sets in use for the items' columns.
    unsigned ItemSetsInUse() const;
    // Opens the zero and blank choices while an item set is in use (with item sets only).
    void EnableHandlingChoices();
    void UpdateButtonStates() override;
    void OnBtnBrowseSample();
    void OnBtnReadSample();
    void OnBtnDefine();
    void OnBtnUndefine();
    void OnBtnCancelAll();
    void OnBtnUpdate();
    void OnBtnDeletePattern();
    void ConfirmAndClose();
    void ShowFault(const FormFault& fault);
    std::string ItemEntry(int k) const;

    // The name list's questions.
    bool IsFormModified(const std::string& name) override { return IsModified(name); }
    void LoadChosenItem() override;
    int AskDiscardForChoice() override { return ShowMessage(m_text.messages.discard); }

    DelimPatternControls m_ids;
    DelimPatternScreenText m_text;
    CPatternLineStore* m_store = nullptr;
    kor::CEditableNameList m_names;
    // The name and the account-type texts go into master fields of fixed width in bytes.
    kor::CByteLimitedEdit m_nameLimit;
    std::array<kor::CByteLimitedEdit, CPatternBase::kAccountTypeCount> m_accountTypeLimits;
    std::vector<CFieldItem> m_items;         // the output items, in item order
    std::vector<std::string> m_sourceTexts;  // the lines of the source list
};

// A tool's screen over its pattern store (a CPatternStoreOf) and its reader, whose
// ReadSampleLine takes the sample line.
template <class Store, class Engine>
class CDelimPatternScreenOf : public CDelimPatternScreen {
public:
    // Before the run. Neither the store nor the message table is kept beyond the screen's life
    // or freed by it.
    void SetContext(Store* store, CApMsgInfoList* messages) {
        m_store = store;
        SetScreenContext(store, messages);
    }

protected:
    using CDelimPatternScreen::CDelimPatternScreen;

private:
    const CDelimPatternBase* StoredPattern(int position) override {
        return m_store ? m_store->GetDelimPattern(position) : nullptr;
    }
    int StorePattern(int index, const DelimPatternFormBase& form,
                     const DelimPatternKind& kind) override {
        typename Store::DelimPattern pattern;
        StoreDelimForm(form, kind, pattern);
        return m_store->SaveDelim(index, pattern);
    }
    std::string ReadSampleLine(const std::string& path, int* status,
                               int lineNumber) const override {
        return Engine().ReadSampleLine(path, status, lineNumber);
    }

    Store* m_store = nullptr;
};
