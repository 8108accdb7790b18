// Screen XF303 on its real template: the checks of "更新" in their order with their messages and
// focus, saving and deleting through the pattern store, the kind-dependent fields, Enter, and the
// questions of the name list and of leaving.
#include "transfer/Korxf303Dlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FormCase.h"
#include "ScreenSupport.h"
#include "SettingsScreenTest.h"
#include "ValidForms.h"
#include "framework/Cp932.h"
#include "resources/transfer/Korxf303DlgRes.h"
#include "support/MessageScript.h"
#include "transfer/PatternStore.h"

namespace {

using xf::FixedPatternForm;
using xftest::MessageIds;
using Ids = std::vector<int>;
using Names = std::vector<std::string>;

constexpr int StartId(int k) {
    return IDC_XF303_ITEM_FIRST + 2 * k;
}
constexpr int LengthId(int k) {
    return IDC_XF303_ITEM_FIRST + 2 * k + 1;
}

std::string Master() {
    FixedPatternForm salary = xftest::ValidFixedForm("固定B");
    salary.general = false;
    xf::CDelimPattern csv;
    csv.SetField(0, "01");
    csv.SetField(2, "1");
    csv.SetField(3, "CSV1");
    return xftest::PatternLine(xf::ToFixedPattern(xftest::ValidFixedForm("固定A"))) +
           xftest::PatternLine(csv) + xftest::PatternLine(xf::ToFixedPattern(salary));
}

class Xf303Test : public xftest::SettingsScreenTest<xf::CPatternStore> {
protected:
    void SetUp() override { LoadMaster(Master()); }
    void Open() { OpenScreen(screen); }
    void TypeName(const char* name) {
        xftest::Type(screen.Item(IDC_XF303_NAME), kor::ToWide(name).c_str());
    }
    // Fills the form's fields (not the kind and the options).
    void Fill(const FixedPatternForm& f) {
        TypeName(f.name.c_str());
        screen.SetItemText(IDC_XF303_RECORD_LENGTH, f.recordLength);
        for (int k = 0; k < xf::kItemCount; ++k) {
            screen.SetItemText(StartId(k), f.start[k]);
            screen.SetItemText(LengthId(k), f.length[k]);
        }
        for (int i = 0; i < 4; ++i)
            screen.SetItemText(IDC_XF303_ACCOUNT_TYPE_FIRST + i, f.accountTypes[i]);
    }
    // Presses the down arrow in the name field, as a user chooses the next item.
    void PressDownInTheName() { SendMessageW(screen.Item(IDC_XF303_NAME), WM_KEYDOWN, VK_DOWN, 0); }
    void Choose(int index) {
        screen.Combo(IDC_XF303_NAME).SetCurSel(index);
        xftest::Notify(hwnd, IDC_XF303_NAME, CBN_SELCHANGE);
    }
    Names Listed() const {
        Names out;
        const kor::CComboView list = screen.Combo(IDC_XF303_NAME);
        for (int i = 0; i < list.GetCount(); ++i) out.push_back(list.GetLBText(i));
        return out;
    }
    Names StoredNames() const {
        xf::CPatternStore fresh;
        EXPECT_EQ(fresh.Load(path), 1);
        Names out;
        for (const auto& e : fresh.GetList()) out.push_back(e->name);
        return out;
    }
    void PressEnter() {
        HWND focus = GetFocus();
        MSG msg{focus, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        IsDialogMessageW(hwnd, &msg);
    }

    xf::CKorxf303Dlg screen{nullptr, &store, &messages, nullptr};
};

TEST_F(Xf303Test, OpensClearedWithTheFixedLengthPatternsListed) {
    Open();
    EXPECT_EQ(Listed(), (Names{"固定A", "固定B"}));
    EXPECT_EQ(screen.Combo(IDC_XF303_NAME).GetItemData(1), 2);  // its line in the master
    EXPECT_EQ(screen.Combo(IDC_XF303_NAME).GetCurSel(), -1);
    EXPECT_TRUE(screen.Button(IDC_XF303_GENERAL).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_XF303_OUTPUT_120).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_XF303_LINE_BREAK).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_XF303_ZERO_ERROR).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_XF303_BLANK_ERROR).IsChecked());
    EXPECT_EQ(screen.GetItemText(IDC_XF303_VERSION), "(Ver4.11)");
    EXPECT_FALSE(screen.Window(IDC_XF303_UPDATE).IsEnabled());
    EXPECT_FALSE(screen.Window(IDC_XF303_DELETE).IsEnabled());
    // Digit limits: the length of the bank code takes one digit, that of the bank name two.
    xftest::Type(screen.Item(LengthId(0)), L"123");
    xftest::Type(screen.Item(LengthId(1)), L"123");
    xftest::Type(screen.Item(StartId(1)), L"12345");
    EXPECT_EQ(screen.GetItemText(LengthId(0)), "1");
    EXPECT_EQ(screen.GetItemText(LengthId(1)), "12");
    EXPECT_EQ(screen.GetItemText(StartId(1)), "1234");
}

TEST_F(Xf303Test, ChoosingAPatternShowsItAndEnablesDelete) {
    Open();
    Choose(1);
    EXPECT_TRUE(screen.Button(IDC_XF303_SALARY).IsChecked());
    EXPECT_EQ(screen.GetItemText(LengthId(6)), "30");
    EXPECT_FALSE(screen.Window(StartId(10)).IsEnabled());
    EXPECT_FALSE(screen.Window(IDC_XF303_ACCOUNT_TYPE_FIRST + 3).IsEnabled());
    EXPECT_TRUE(screen.Window(IDC_XF303_DELETE).IsEnabled());
    screen.Button(IDC_XF303_GENERAL).Click();
    EXPECT_TRUE(screen.Window(StartId(10)).IsEnabled());
    EXPECT_TRUE(screen.Window(LengthId(11)).IsEnabled());
    EXPECT_TRUE(screen.Window(IDC_XF303_ACCOUNT_TYPE_FIRST + 2).IsEnabled());
}

// The combo box tells of a user's choice before it shows the chosen name in its field; a
// program's choice shows it first. The pattern shown and the delete button follow the choice
// either way, and a choice from an unchanged pattern asks nothing.
TEST_F(Xf303Test, ChoosingWithTheArrowKeyLoadsThePatternAndEnablesDelete) {
    Open();
    kortest::MessageScript script;
    PressDownInTheName();
    ASSERT_EQ(screen.Combo(IDC_XF303_NAME).GetCurSel(), 0);
    EXPECT_EQ(screen.GetItemText(IDC_XF303_NAME), "固定A");
    EXPECT_TRUE(screen.Button(IDC_XF303_GENERAL).IsChecked());
    EXPECT_EQ(screen.GetItemText(StartId(6)), "16");
    EXPECT_TRUE(screen.Window(IDC_XF303_UPDATE).IsEnabled());
    EXPECT_TRUE(screen.Window(IDC_XF303_DELETE).IsEnabled());

    PressDownInTheName();
    ASSERT_EQ(screen.Combo(IDC_XF303_NAME).GetCurSel(), 1);
    EXPECT_EQ(screen.GetItemText(IDC_XF303_NAME), "固定B");
    EXPECT_TRUE(screen.Button(IDC_XF303_SALARY).IsChecked());
    EXPECT_TRUE(screen.Window(IDC_XF303_DELETE).IsEnabled());

    Choose(0);
    EXPECT_TRUE(screen.Button(IDC_XF303_GENERAL).IsChecked());
    EXPECT_TRUE(screen.Window(IDC_XF303_DELETE).IsEnabled());
    EXPECT_TRUE(script.Shown().empty());
}

// The field of a case is the control that takes the focus.
using CheckCase = xftest::FormCase<FixedPatternForm>;

class Xf303CheckTest : public Xf303Test, public testing::WithParamInterface<CheckCase> {};

TEST_P(Xf303CheckTest, MessageAndFocus) {
    const CheckCase& c = GetParam();
    Open();
    FixedPatternForm form = xftest::ValidFixedForm("新規");
    c.change(form);
    Fill(form);
    kortest::MessageScript script({IDCANCEL});
    xftest::Click(hwnd, IDC_XF303_UPDATE);
    ASSERT_FALSE(script.Shown().empty());
    EXPECT_EQ(script.Shown()[0].text, messages.Text(c.message, c.word1, c.word2));
    EXPECT_EQ(xftest::FocusedId(hwnd), c.field);
    EXPECT_EQ(screen.FieldInError(), c.field);
    EXPECT_EQ(StoredNames(), (Names{"固定A", "CSV1", "固定B"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Xf303CheckTest,
    testing::Values(
        CheckCase{"EmptyName", [](auto& f) { f.name.clear(); }, 10, "変換パターン名", nullptr,
                  IDC_XF303_NAME},
        CheckCase{"StartZeroBeforeAnyLengthCheck",
                  [](auto& f) { f.start[7] = "0", f.length[1] = "99", f.start[1] = "60"; }, 107,
                  nullptr, nullptr, StartId(7)},
        CheckCase{"RecordLength4001", [](auto& f) { f.recordLength = "4001"; }, 101,
                  "変換前データレコード長", "4000 byte", IDC_XF303_RECORD_LENGTH},
        CheckCase{"OptionalStart5Length0", [](auto& f) { f.start[1] = "5", f.length[1] = "0"; }, 82,
                  nullptr, nullptr, LengthId(1)},
        CheckCase{"LengthAboveMaximum", [](auto& f) { f.length[5] = "8"; }, 48, "口座番号", "7",
                  LengthId(5)},
        CheckCase{"OverlapReportsTheLaterItem", [](auto& f) { f.start[2] = "4"; }, 14, nullptr,
                  nullptr, StartId(2)},
        CheckCase{"ItemBeyondTheRecord", [](auto& f) { f.recordLength = "50"; }, 15, nullptr,
                  nullptr, StartId(7)},
        // Twenty characters fit the field, but not the 20 bytes that the pattern holds.
        CheckCase{"FullWidthAccountType",
                  [](auto& f) { f.accountTypes[0] = "普通預金普通預金普通預金普通預金普通預金"; },
                  48, "変換前科目", "20", IDC_XF303_ACCOUNT_TYPE_FIRST},
        CheckCase{"NameOfASeparatedPattern", [](auto& f) { f.name = "CSV1"; }, 100,
                  "「ＣＳＶ・ＴＡＢ・スペースパターン」", nullptr, IDC_XF303_NAME}),
    xftest::CaseName<FixedPatternForm>);

TEST_F(Xf303Test, RecordLength4000IsAcceptedAndANewNameAppendedAfterMessage3) {
    Open();
    FixedPatternForm form = xftest::ValidFixedForm("新規");
    form.recordLength = "4000";
    Fill(form);
    screen.Button(IDC_XF303_NO_LINE_BREAK).Click();
    screen.SetItemText(IDC_XF303_ACCOUNT_TYPE_FIRST, "ﾌﾂｳ");
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF303_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3, 110}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(110, "パターン情報", "「ファイル読込」"));
    EXPECT_EQ(StoredNames(), (Names{"固定A", "CSV1", "固定B", "新規"}));
    const xf::CFixedPattern* stored = store.GetFixedPattern(3);
    ASSERT_NE(stored, nullptr);
    EXPECT_STREQ(stored->recordLength, "4000");
    EXPECT_STREQ(stored->lineBreakCode, "0");
    EXPECT_STREQ(stored->accountTypeCodes[xf::kOrdinaryCode], "ﾌﾂｳ");
    EXPECT_EQ(Listed(), (Names{"固定A", "固定B", "新規"}));
    EXPECT_EQ(screen.Combo(IDC_XF303_NAME).GetCurSel(), 2);
    EXPECT_TRUE(screen.Window(IDC_XF303_DELETE).IsEnabled());
    EXPECT_FALSE(screen.IsModified("新規"));
}

TEST_F(Xf303Test, AStoredNameIsOverwrittenAfterMessage16) {
    Open();
    Choose(0);
    screen.SetItemText(LengthId(6), "20");
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF303_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{16, 110}));
    xf::CPatternStore fresh;
    ASSERT_EQ(fresh.Load(path), 1);
    EXPECT_EQ(fresh.GetFixedPattern(0)->LengthText(6), "20");
    EXPECT_EQ(fresh.GetList().size(), 3u);
}

TEST_F(Xf303Test, AFailedWriteIsReportedAndNeverCalledASuccess) {
    Open();
    Fill(xftest::ValidFixedForm("新規"));
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF303_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3, 104}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(104, "更新処理"));
    EXPECT_EQ(store.GetList().size(), 3u);
}

TEST_F(Xf303Test, DeleteAsksAndClearsTheForm) {
    Open();
    {
        kortest::MessageScript script;
        xftest::Click(hwnd, IDC_XF303_DELETE);  // disabled for a user; the handler still refuses
        ASSERT_EQ(script.Shown().size(), 1u);
        EXPECT_EQ(script.Shown()[0].text, "変換パターンが未選択");
    }
    Choose(1);
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF303_DELETE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{2}));
    EXPECT_EQ(StoredNames(), (Names{"固定A", "CSV1"}));
    EXPECT_EQ(Listed(), (Names{"固定A"}));
    EXPECT_TRUE(screen.Button(IDC_XF303_GENERAL).IsChecked());
    EXPECT_EQ(screen.GetItemText(StartId(0)), "");
}

TEST_F(Xf303Test, EnterMovesToTheNextFieldAndPressesTheScreensButtons) {
    Open();
    screen.FocusItem(IDC_XF303_RECORD_LENGTH);
    ASSERT_EQ(xftest::FocusedId(hwnd), IDC_XF303_RECORD_LENGTH);
    PressEnter();
    EXPECT_EQ(xftest::FocusedId(hwnd), StartId(0));
    PressEnter();
    EXPECT_EQ(xftest::FocusedId(hwnd), LengthId(0));

    TypeName("新規");
    xftest::Notify(hwnd, IDC_XF303_NAME, CBN_KILLFOCUS);
    screen.FocusItem(IDC_XF303_UPDATE);
    kortest::MessageScript script({IDCANCEL});
    PressEnter();
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{10}));  // the record length is empty
}

TEST_F(Xf303Test, DecliningAnotherChoicePutsTheTypedNameBack) {
    Open();
    TypeName("新規");
    xftest::Notify(hwnd, IDC_XF303_NAME, CBN_DROPDOWN);
    EXPECT_EQ(Listed(), (Names{"固定A", "固定B", "新規"}));
    kortest::MessageScript script({IDCANCEL});
    Choose(0);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{80}));
    EXPECT_EQ(screen.GetItemText(IDC_XF303_NAME), "新規");
    EXPECT_EQ(screen.GetItemText(StartId(0)), "");
}

struct LeaveCase {
    const char* name;
    std::function<void(xf::CKorxf303Dlg&, HWND)> act;
    std::vector<int> answers;
    Ids messages;
    INT_PTR result;
};
void PrintTo(const LeaveCase& c, std::ostream* os) {
    *os << c.name;
}

class Xf303LeaveTest : public Xf303Test, public testing::WithParamInterface<LeaveCase> {};

TEST_P(Xf303LeaveTest, QuestionAndResult) {
    const LeaveCase& c = GetParam();
    kortest::MessageScript script({c.answers.begin(), c.answers.end()});
    const INT_PTR result = xftest::RunModal(screen, [&](HWND dialog) {
        hwnd = dialog;
        c.act(screen, dialog);
        xftest::Click(dialog, IDC_XF303_BACK);
    });
    EXPECT_EQ(MessageIds(script.Shown()), c.messages);
    EXPECT_EQ(result, c.result);
}

void TypeNew(xf::CKorxf303Dlg& screen, HWND) {
    xftest::Type(screen.Item(IDC_XF303_NAME), L"新規");
}
void ChooseFirst(xf::CKorxf303Dlg& screen, HWND dialog) {
    screen.Combo(IDC_XF303_NAME).SetCurSel(0);
    xftest::Notify(dialog, IDC_XF303_NAME, CBN_SELCHANGE);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Xf303LeaveTest,
    testing::Values(LeaveCase{"Cleared", [](auto&, HWND) {}, {}, {}, IDOK},
                    LeaveCase{"StoredPatternUnchanged", ChooseFirst, {}, {}, IDOK},
                    LeaveCase{
                        "TypedNameOnlyDeclined", TypeNew, {IDCANCEL}, {80}, xftest::kStillOpen},
                    LeaveCase{"TypedNameOnlyAccepted", TypeNew, {IDOK}, {80}, IDOK},
                    LeaveCase{"StoredPatternChanged",
                              [](auto& screen, HWND dialog) {
                                  ChooseFirst(screen, dialog);
                                  screen.Button(IDC_XF303_BLANK_SKIP).Click();
                              },
                              {IDCANCEL},
                              {80},
                              xftest::kStillOpen}),
    [](const testing::TestParamInfo<LeaveCase>& info) { return std::string(info.param.name); });

}  // namespace
