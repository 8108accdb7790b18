// The editable name list: typed names become provisional items, a choice over unsaved changes
// asks first, and a declined or pointless choice brings the name being edited back.
#include "framework/EditableNameList.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "FrameworkTestDialog.h"
#include "framework/App.h"
#include "framework/DialogBase.h"

namespace {

class NameListDialog : public kor::CDialogBase, public kor::CEditableNameList::Owner {
public:
    NameListDialog() : CDialogBase(IDD_FRAMEWORK_TEST) {}
    ~NameListDialog() override { DestroyWindow(); }

    kor::CEditableNameList list;
    bool modified = false;
    std::deque<int> answers;
    int questions = 0;
    std::vector<std::string> loads;  // the current name at each load
    int buttonUpdates = 0;
    std::vector<std::string> askedNames;  // the name of each modification test
    std::string textAtButtons;            // the field's text at the last button update

    bool IsFormModified(const std::string& name) override {
        askedNames.push_back(name);
        return modified;
    }
    void LoadChosenItem() override { loads.push_back(list.CurrentName()); }
    int AskDiscardForChoice() override {
        ++questions;
        if (answers.empty()) return IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void UpdateButtonStates() override {
        ++buttonUpdates;
        textAtButtons = list.Text();
    }

protected:
    BOOL OnInitDialog() override {
        list.Attach(Item(IDC_FT_COMBO_EDITABLE), this);
        return TRUE;
    }
    bool OnCommand(int id, int code, HWND) override {
        return id == IDC_FT_COMBO_EDITABLE && list.OnCommand(code);
    }
};

class EditableNameListTest : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        ASSERT_TRUE(dialog.Create());
        combo = dialog.Item(IDC_FT_COMBO_EDITABLE);
        dialog.list.Fill({{"A", 0}, {"B", 1}, {"C", 2}});
    }

    // Types text over the field's whole content, key by key as a user would.
    void Type(const wchar_t* text) {
        HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
        ASSERT_NE(edit, nullptr);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, WM_CHAR, VK_BACK, 0);
        for (const wchar_t* c = text; *c; ++c) SendMessageW(edit, WM_CHAR, *c, 0);
    }
    void Notify(int code) {
        SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_FT_COMBO_EDITABLE, code),
                     reinterpret_cast<LPARAM>(combo));
    }
    void OpenList() { Notify(CBN_DROPDOWN); }
    void Choose(int index) {
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Notify(CBN_SELCHANGE);
    }
    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        const kor::CComboView view(combo);
        for (int i = 0; i < view.GetCount(); ++i) items.push_back(view.GetLBText(i));
        return items;
    }
    std::string Text() const { return dialog.list.Text(); }

    NameListDialog dialog;
    HWND combo = nullptr;
};

using Names = std::vector<std::string>;

TEST_F(EditableNameListTest, TypingFollowsTheCurrentNameAndOpeningAddsItAsProvisionalItem) {
    Type(L"New");
    EXPECT_EQ(dialog.list.CurrentName(), "New");
    EXPECT_EQ(Items(), (Names{"A", "B", "C"}));
    OpenList();
    EXPECT_EQ(Items(), (Names{"A", "B", "C", "New"}));
    EXPECT_TRUE(dialog.list.HasProvisional());
    EXPECT_EQ(kor::CComboView(combo).GetItemData(3), kor::CEditableNameList::kProvisionalData);

    // Typing on replaces the provisional item at the next opening: there is never a second.
    Type(L"Newer");
    EXPECT_EQ(Items(), (Names{"A", "B", "C", "New"}));
    OpenList();
    EXPECT_EQ(Items(), (Names{"A", "B", "C", "Newer"}));
    EXPECT_EQ(dialog.list.CurrentName(), "Newer");
}

TEST_F(EditableNameListTest, TypingAStoredNameDropsTheProvisionalItem) {
    Type(L"New");
    OpenList();
    Type(L"B");
    OpenList();
    EXPECT_EQ(Items(), (Names{"A", "B", "C"}));
    EXPECT_FALSE(dialog.list.HasProvisional());
    // Typing on from the stored name never takes that stored name out of the list.
    Type(L"Bx");
    OpenList();
    EXPECT_EQ(Items(), (Names{"A", "B", "C", "Bx"}));
}

TEST_F(EditableNameListTest, AProvisionalItemAloneInTheListIsReplacedToo) {
    dialog.list.Fill({});
    Type(L"A");
    OpenList();
    Type(L"AB");
    OpenList();
    EXPECT_EQ(Items(), (Names{"AB"}));
}

TEST_F(EditableNameListTest, ChoosingWithoutChangesLoadsAtOnce) {
    Choose(1);
    EXPECT_EQ(dialog.questions, 0);
    EXPECT_EQ(dialog.loads, (Names{"B"}));
    EXPECT_EQ(dialog.list.CurrentName(), "B");
}

// Choices over unsaved changes: the question, and what the list and the field show after it.
struct ChoiceCase {
    const char* name;
    bool typeNewName;  // "New" typed and the list opened before the choice (a provisional item)
    int first;         // the item chosen first without changes (-1: none)
    int chosen;
    int answer;
    int questions;
    Names loads;  // after the first choice
    Names items;
    std::string text;
    std::string current;
    bool provisional;
};
void PrintTo(const ChoiceCase& c, std::ostream* os) {
    *os << c.name;
}

class ChoiceTest : public EditableNameListTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChoiceTest, QuestionAndOutcome) {
    const ChoiceCase& c = GetParam();
    if (c.first >= 0) Choose(c.first);
    dialog.loads.clear();
    if (c.typeNewName) {
        Type(L"New");
        OpenList();
    }
    dialog.modified = true;
    dialog.answers = {c.answer};
    Choose(c.chosen);
    EXPECT_EQ(dialog.questions, c.questions);
    EXPECT_EQ(dialog.loads, c.loads);
    EXPECT_EQ(Items(), c.items);
    EXPECT_EQ(Text(), c.text);
    EXPECT_EQ(dialog.list.CurrentName(), c.current);
    EXPECT_EQ(dialog.list.HasProvisional(), c.provisional);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChoiceTest,
    testing::Values(
        ChoiceCase{"DeclinedPutsThePreviousNameBack",
                   false,
                   0,
                   2,
                   IDCANCEL,
                   1,
                   {},
                   {"A", "B", "C"},
                   "A",
                   "A",
                   false},
        ChoiceCase{"AcceptedLoadsTheChoice",
                   false,
                   0,
                   2,
                   IDOK,
                   1,
                   {"C"},
                   {"A", "B", "C"},
                   "C",
                   "C",
                   false},
        ChoiceCase{
            "TheSameItemAsksNothing", false, 1, 1, IDOK, 0, {}, {"A", "B", "C"}, "B", "B", false},
        ChoiceCase{"DeclinedKeepsTheProvisionalItem",
                   true,
                   0,
                   1,
                   IDCANCEL,
                   1,
                   {},
                   {"A", "B", "C", "New"},
                   "New",
                   "New",
                   true},
        ChoiceCase{"AcceptedDropsTheProvisionalItem",
                   true,
                   0,
                   1,
                   IDOK,
                   1,
                   {"B"},
                   {"A", "B", "C"},
                   "B",
                   "B",
                   false},
        ChoiceCase{"TheProvisionalItemItselfAsksNothing",
                   true,
                   -1,
                   3,
                   IDOK,
                   0,
                   {},
                   {"A", "B", "C", "New"},
                   "New",
                   "New",
                   true}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

TEST_F(EditableNameListTest, ADeclinedChoiceBringsBackATypedNameAsProvisionalItem) {
    Type(L"Typed");  // never opened: no item yet
    dialog.modified = true;
    dialog.answers = {IDCANCEL};
    Choose(0);
    EXPECT_EQ(dialog.questions, 1);
    EXPECT_EQ(Items(), (Names{"A", "B", "C", "Typed"}));
    EXPECT_EQ(Text(), "Typed");
    EXPECT_TRUE(dialog.list.HasProvisional());
}

TEST_F(EditableNameListTest, AChoiceWithAnEmptyCurrentNameIsAcceptedWithoutQuestion) {
    dialog.modified = true;
    Choose(2);
    EXPECT_EQ(dialog.questions, 0);
    EXPECT_EQ(dialog.loads, (Names{"C"}));
}

TEST_F(EditableNameListTest, NothingChosenKeepsTheCurrentNameAndLoadsNothing) {
    Choose(1);
    dialog.loads.clear();
    Choose(-1);
    EXPECT_EQ(dialog.list.CurrentName(), "B");
    EXPECT_EQ(Text(), "B");
    EXPECT_TRUE(dialog.loads.empty());
    EXPECT_EQ(dialog.questions, 0);
}

// A user's choice is notified while the field still shows the previous name; a program's
// CB_SETCURSEL has already put the chosen one there. Either way the form is tested under the
// name being edited and the screen then reads the chosen name.
class ChoiceOrderTest : public EditableNameListTest, public testing::WithParamInterface<bool> {};

TEST_P(ChoiceOrderTest, TheScreenReadsTheChosenName) {
    const bool fieldStillOld = GetParam();
    Choose(0);
    dialog.loads.clear();
    dialog.askedNames.clear();
    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    if (fieldStillOld) SetWindowTextW(combo, L"A");
    Notify(CBN_SELCHANGE);
    EXPECT_EQ(dialog.askedNames, (Names{"A"}));
    EXPECT_EQ(dialog.questions, 0);
    EXPECT_EQ(dialog.loads, (Names{"C"}));
    EXPECT_EQ(dialog.list.SelectedData(), 2);
    EXPECT_EQ(Text(), "C");
    EXPECT_EQ(dialog.textAtButtons, "C");
}

INSTANTIATE_TEST_SUITE_P(Orders, ChoiceOrderTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "FieldStillOld" : "FieldUpdated");
                         });

TEST_F(EditableNameListTest, LeavingTheFieldPutsTheCurrentNameBack) {
    Choose(1);
    SetWindowTextW(combo, L"Elsewhere");  // changed without the user typing
    const int before = dialog.buttonUpdates;
    Notify(CBN_KILLFOCUS);
    EXPECT_EQ(Text(), "B");
    EXPECT_EQ(dialog.buttonUpdates, before + 1);
}

TEST_F(EditableNameListTest, NamesDifferingInCaseAreTwoNames) {
    dialog.list.Fill({{"abc", 0}});
    EXPECT_EQ(dialog.list.Find("ABC"), -1);
    Type(L"ABC");
    OpenList();
    EXPECT_EQ(Items(), (Names{"abc", "ABC"}));
}

TEST_F(EditableNameListTest, FillForgetsTheProvisionalItem) {
    Type(L"New");
    OpenList();
    dialog.list.Fill({{"X", 7}});
    EXPECT_FALSE(dialog.list.HasProvisional());
    EXPECT_EQ(dialog.list.Select("X"), 0);
    EXPECT_EQ(dialog.list.SelectedData(), 7);
}

}  // namespace
