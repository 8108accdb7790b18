// Screen XF305 on its real template: padding of the number fields, the checks of "更新" with their
// messages and focus, saving and deleting through the requester store, the kana input method,
// and the questions before leaving or choosing another requester.
#include "transfer/Korxf305Dlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScreenSupport.h"
#include "SettingsScreenTest.h"
#include "framework/Cp932.h"
#include "resources/transfer/Korxf305DlgRes.h"
#include "support/MessageScript.h"
#include "transfer/RequesterStore.h"

namespace {

using xftest::MessageIds;
using Ids = std::vector<int>;

const char kStored[] =
    "\"ｶ)ﾃｽﾄ\",\"001\",\"ﾎﾝﾃﾝ\",\"1\",\"0001234\",\"本社口座\",\"0000000123\",\"1\"\r\n"
    "\"ｶ)ﾃｽﾄ\",\"002\",\"ｼﾃﾝ\",\"2\",\"0007654\",\"支店口座\",\"\",\"\"\r\n";

class Xf305Test : public xftest::HeaderRecordScreenTest<xf::CRequesterStore, xf::CKorxf305Dlg> {
protected:
    Xf305Test()
        : HeaderRecordScreenTest({.description = IDC_XF305_DESCRIPTION,
                                  .name = IDC_XF305_NAME,
                                  .branchName = IDC_XF305_BRANCH_NAME,
                                  .deleteRecord = IDC_XF305_DELETE,
                                  .back = IDC_XF305_BACK}) {}
    void SetUp() override { LoadRecords(kStored); }
    // A form that passes every check, under a new description.
    void FillNew(const char* description) {
        xftest::Type(screen.Item(IDC_XF305_DESCRIPTION), kor::ToWide(description).c_str());
        Set(IDC_XF305_NAME, "ｼﾝｷ ｼﾖｳｼﾞ");
        Set(IDC_XF305_BRANCH_CODE, "003");
        Set(IDC_XF305_ACCOUNT_NUMBER, "0000001");
    }
};

TEST_F(Xf305Test, OpensWithTheRequestersListedAndNoneShown) {
    Open();
    const kor::CComboView list = screen.Combo(IDC_XF305_DESCRIPTION);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetLBText(1), "支店口座");
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(Get(IDC_XF305_NAME), "");
    EXPECT_EQ(screen.Combo(IDC_XF305_ACCOUNT_TYPE).GetLBText(0), "1:普通預金");
    EXPECT_EQ(screen.Combo(IDC_XF305_ACCOUNT_TYPE).GetCurSel(), 0);
    EXPECT_TRUE(screen.Button(IDC_XF305_NO_KIND).IsChecked());
    EXPECT_EQ(Get(IDC_XF305_VERSION), "(Ver4.11)");
    EXPECT_FALSE(screen.Window(IDC_XF305_UPDATE).IsEnabled());
    EXPECT_FALSE(screen.Window(IDC_XF305_DELETE).IsEnabled());

    Choose(1);
    EXPECT_EQ(Get(IDC_XF305_NAME), "ｶ)ﾃｽﾄ");
    EXPECT_EQ(Get(IDC_XF305_BRANCH_NAME), "ｼﾃﾝ");
    EXPECT_EQ(screen.Combo(IDC_XF305_ACCOUNT_TYPE).GetCurSel(), 1);
    EXPECT_TRUE(screen.Button(IDC_XF305_NO_KIND).IsChecked());
    EXPECT_TRUE(screen.Window(IDC_XF305_DELETE).IsEnabled());
}

TEST_F(Xf305Test, NumberFieldsArePaddedWhenLeft) {
    Open();
    const kortest::PadCase cases[] = {{IDC_XF305_REQUESTER_CODE, L"1 23", "0000000123"},
                                      {IDC_XF305_REQUESTER_CODE, L"", ""},
                                      {IDC_XF305_ACCOUNT_NUMBER, L"123", "0000123"},
                                      {IDC_XF305_ACCOUNT_NUMBER, L"", ""}};
    kortest::ExpectPaddedWhenLeft(screen, cases);
}

struct CheckCase {
    const char* name;
    const char* field;  // the field changed from a valid new form
    int id;
    const char* text;
    int message;
    const char* word;
    int focus;  // the field in error and focused, 0 for none
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class Xf305CheckTest : public Xf305Test, public testing::WithParamInterface<CheckCase> {};

TEST_P(Xf305CheckTest, MessageAndFocus) {
    const CheckCase& c = GetParam();
    Open();
    FillNew("新規口座");
    if (c.id == IDC_XF305_DESCRIPTION) {
        xftest::Type(screen.Item(c.id), kor::ToWide(c.text).c_str());
    } else {
        Set(c.id, c.text);
        xftest::Notify(hwnd, c.id, EN_KILLFOCUS);
    }
    kortest::MessageScript script({IDCANCEL});
    xftest::Click(hwnd, IDC_XF305_UPDATE);
    ASSERT_FALSE(script.Shown().empty());
    EXPECT_EQ(script.Shown()[0].text, messages.Text(c.message, c.word));
    EXPECT_EQ(screen.FieldInError(), c.focus);
    if (c.focus != 0) {
        EXPECT_EQ(xftest::FocusedId(hwnd), c.focus);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Xf305CheckTest,
    testing::Values(
        CheckCase{"FullWidthInName", "name", IDC_XF305_NAME, "ｶﾅ漢字", 18, nullptr, IDC_XF305_NAME},
        CheckCase{"EmptyAccountNumberStaysEmpty", "number", IDC_XF305_ACCOUNT_NUMBER, "", 10,
                  "口座番号", IDC_XF305_ACCOUNT_NUMBER},
        CheckCase{"LetterInRequesterCode", "code", IDC_XF305_REQUESTER_CODE, "12A", 18, nullptr,
                  IDC_XF305_REQUESTER_CODE},
        CheckCase{"EmptyBranchCode", "branch", IDC_XF305_BRANCH_CODE, "", 10, "支店コード",
                  IDC_XF305_BRANCH_CODE},
        CheckCase{"CommaInDescription", "description", IDC_XF305_DESCRIPTION, "a,b", 108, nullptr,
                  IDC_XF305_DESCRIPTION},
        // An empty branch name and an empty requester code pass: the new one is asked for.
        CheckCase{"EmptyBranchNameIsAccepted", "branch name", IDC_XF305_BRANCH_NAME, "", 3, nullptr,
                  0}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST_F(Xf305Test, ADescriptionLongerThanTheRecordHoldsIsRefused) {
    Open();
    std::string description;
    for (int i = 0; i < 38; ++i) description += "口";
    FillNew(description.c_str());
    // Typing stops at the 74 bytes that the record holds: 37 of the 38 characters.
    EXPECT_EQ(Get(IDC_XF305_DESCRIPTION).size(), 74u);
    // A longer text that gets into the field otherwise is still refused by the update.
    screen.SetItemText(IDC_XF305_DESCRIPTION, description);
    xftest::Notify(hwnd, IDC_XF305_DESCRIPTION, CBN_EDITCHANGE);
    EXPECT_EQ(Get(IDC_XF305_DESCRIPTION).size(), 76u);
    kortest::MessageScript script({IDCANCEL});
    xftest::Click(hwnd, IDC_XF305_UPDATE);
    ASSERT_FALSE(script.Shown().empty());
    EXPECT_EQ(script.Shown()[0].text, messages.Text(48, "振込依頼人登録内容の説明", "74"));
    EXPECT_EQ(screen.FieldInError(), IDC_XF305_DESCRIPTION);
    EXPECT_EQ(StoredDescriptions(), (std::vector<std::string>{"本社口座", "支店口座"}));
}

TEST_F(Xf305Test, ANewDescriptionIsAppendedAfterMessage3) {
    Open();
    FillNew("新規口座");
    screen.CheckRadio(IDC_XF305_GENERAL, IDC_XF305_NO_KIND, IDC_XF305_SALARY);
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF305_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3, 69}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(69, "依頼人情報", "「ファイル読込」"));
    EXPECT_EQ(StoredDescriptions(), (std::vector<std::string>{"本社口座", "支店口座", "新規口座"}));
    EXPECT_STREQ(store.GetList()[2]->transferKind, "2");
    EXPECT_EQ(screen.Combo(IDC_XF305_DESCRIPTION).GetCurSel(), 2);
    EXPECT_TRUE(screen.Window(IDC_XF305_DELETE).IsEnabled());
}

TEST_F(Xf305Test, AnExistingDescriptionIsOverwrittenAfterMessage16) {
    Open();
    Choose(0);
    Set(IDC_XF305_BRANCH_NAME, "ｼﾝﾎﾝﾃﾝ");
    screen.CheckRadio(IDC_XF305_GENERAL, IDC_XF305_NO_KIND, IDC_XF305_NO_KIND);
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF305_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{16, 69}));
    xf::CRequesterStore fresh;
    ASSERT_EQ(fresh.Load(path), 1);
    ASSERT_EQ(fresh.GetList().size(), 2u);
    EXPECT_STREQ(fresh.GetList()[0]->branchName, "ｼﾝﾎﾝﾃﾝ");
    EXPECT_STREQ(fresh.GetList()[0]->transferKind, "");  // "区分なし" is stored empty
}

TEST_F(Xf305Test, CancelOnTheQuestionSavesNothing) {
    Open();
    FillNew("新規口座");
    kortest::MessageScript script({IDCANCEL});
    xftest::Click(hwnd, IDC_XF305_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3}));
    EXPECT_EQ(store.GetList().size(), 2u);
}

TEST_F(Xf305Test, AFailedWriteIsReportedAndNeverCalledASuccess) {
    Open();
    FillNew("新規口座");
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF305_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3, 104}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(104, "更新処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
}

TEST_F(Xf305Test, DeleteAsksFirstAndReportsAFailedWrite) {
    ExpectDeleteAsksFirstAndReportsAFailedWrite("支店口座");
}

TEST_F(Xf305Test, KanaFieldsOpenHalfWidthKatakanaAndCloseItWhenLeft) {
    Open();
    kortest::ExpectKanaInputInTheNameFields(screen, ids);
}

TEST_F(Xf305Test, ChoosingAnotherRequesterOverChangesAsks109AndDecliningKeepsTheForm) {
    Open();
    Choose(0);
    Set(IDC_XF305_NAME, "ｶﾜｯﾀ");
    kortest::MessageScript script({IDCANCEL, IDOK});
    Choose(1);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{109}));
    EXPECT_EQ(screen.Combo(IDC_XF305_DESCRIPTION).GetCurSel(), 0);
    EXPECT_EQ(Get(IDC_XF305_NAME), "ｶﾜｯﾀ");
    Choose(1);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{109, 109}));
    EXPECT_EQ(Get(IDC_XF305_BRANCH_NAME), "ｼﾃﾝ");
}

using kortest::LeaveCase;

class Xf305LeaveTest : public Xf305Test, public testing::WithParamInterface<LeaveCase> {};

TEST_P(Xf305LeaveTest, QuestionAndResult) {
    ExpectLeaving(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Xf305LeaveTest,
    testing::Values(
        LeaveCase{"Unchanged", 0, nullptr, nullptr, {}, {}, IDOK},
        LeaveCase{"NothingShown", -1, nullptr, nullptr, {}, {}, IDOK},
        LeaveCase{
            "NewDescriptionDeclined", -1, L"新規", nullptr, {IDCANCEL}, {55}, xftest::kStillOpen},
        LeaveCase{"ChangedAccepted", 1, nullptr, "ｶﾜｯﾀ", {IDOK}, {55}, IDOK}),
    kortest::LeaveCaseName);

}  // namespace
