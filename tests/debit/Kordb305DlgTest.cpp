// Screen DB305 on its real template: the consignors listed and shown, padding of the code and
// account number, the checks of "更新" with their messages and focus, saving and deleting
// through the consignor store, the kana input method and the question before leaving.
#include "debit/Kordb305Dlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DebitScreenSupport.h"
#include "debit/ConsignorStore.h"
#include "framework/Cp932.h"
#include "resources/debit/Kordb305DlgRes.h"
#include "support/MessageScript.h"

namespace {

using kortest::MessageIds;
using Ids = std::vector<int>;
using Texts = std::vector<std::string>;

const char kStored[] =
    "\"ｶ)ｲﾀｸ\",\"0123456789\",\"001\",\"ﾎﾝﾃﾝ\",\"1\",\"0001234\",\"本社口座\"\r\n"
    "\"ｶ)ｲﾀｸ\",\"0000000001\",\"\",\"\",\"2\",\"\",\"支店口座\"\r\n";

class Db305Test : public dbtest::HeaderRecordScreenTest<db::CConsignorStore, db::CKordb305Dlg> {
protected:
    Db305Test()
        : HeaderRecordScreenTest({.description = IDC_DB305_DESCRIPTION,
                                  .name = IDC_DB305_NAME,
                                  .branchName = IDC_DB305_BRANCH_NAME,
                                  .deleteRecord = IDC_DB305_DELETE,
                                  .back = IDC_DB305_BACK}) {}
    void SetUp() override { LoadRecords(kStored); }
    // A form that passes every check, under a new description.
    void FillNew(const char* description) {
        kortest::Type(screen.Item(IDC_DB305_DESCRIPTION), kor::ToWide(description).c_str());
        Set(IDC_DB305_NAME, "ｼﾝｷ ｼｮｳｼﾞ");
        Set(IDC_DB305_CODE, "0000000099");
    }
};

TEST_F(Db305Test, OpensWithTheConsignorsListedAndShowsTheChosenOne) {
    Open();
    const kor::CComboView list = screen.Combo(IDC_DB305_DESCRIPTION);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetLBText(0), "本社口座");
    EXPECT_EQ(list.GetCurSel(), -1);
    const kor::CComboView types = screen.Combo(IDC_DB305_ACCOUNT_TYPE);
    ASSERT_EQ(types.GetCount(), 3);
    EXPECT_EQ(types.GetLBText(2), "9:その他");
    EXPECT_EQ(types.GetCurSel(), 0);
    EXPECT_EQ(Get(IDC_DB305_VERSION), "(Ver4.11)");
    EXPECT_FALSE(screen.Window(IDC_DB305_UPDATE).IsEnabled());
    EXPECT_FALSE(screen.Window(IDC_DB305_DELETE).IsEnabled());

    Choose(1);
    EXPECT_EQ(Get(IDC_DB305_NAME), "ｶ)ｲﾀｸ");
    EXPECT_EQ(Get(IDC_DB305_CODE), "0000000001");
    EXPECT_EQ(Get(IDC_DB305_BRANCH_CODE), "");
    EXPECT_EQ(types.GetCurSel(), 1);
    EXPECT_TRUE(screen.Window(IDC_DB305_UPDATE).IsEnabled());
    EXPECT_TRUE(screen.Window(IDC_DB305_DELETE).IsEnabled());
}

TEST_F(Db305Test, CodeAndAccountNumberArePaddedWhenLeft) {
    Open();
    const kortest::PadCase cases[] = {{IDC_DB305_CODE, L"1 23", "0000000123"},
                                      {IDC_DB305_CODE, L"", ""},
                                      {IDC_DB305_ACCOUNT_NUMBER, L"123", "0000123"},
                                      {IDC_DB305_ACCOUNT_NUMBER, L"", ""}};
    kortest::ExpectPaddedWhenLeft(screen, cases);
}

struct CheckCase {
    const char* name;
    int id;  // the field changed from a valid new form
    const char* text;
    int message;
    const char* word;
    int focus;  // the control in error and focused, 0 for none
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class Db305CheckTest : public Db305Test, public testing::WithParamInterface<CheckCase> {};

TEST_P(Db305CheckTest, MessageAndFocus) {
    const CheckCase& c = GetParam();
    Open();
    FillNew("新規口座");
    if (c.id == IDC_DB305_DESCRIPTION) {
        kortest::Type(screen.Item(c.id), kor::ToWide(c.text).c_str());
    } else {
        Set(c.id, c.text);
    }
    kortest::MessageScript script({IDCANCEL});
    kortest::Click(hwnd, IDC_DB305_UPDATE);
    ASSERT_FALSE(script.Shown().empty());
    EXPECT_EQ(script.Shown()[0].text, messages.Text(c.message, c.word));
    EXPECT_EQ(screen.FieldInError(), c.focus);
    if (c.focus != 0) {
        EXPECT_EQ(kortest::FocusedId(hwnd), c.focus);
    }
    EXPECT_EQ(store.GetList().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Db305CheckTest,
    testing::Values(
        CheckCase{"CommaInDescription", IDC_DB305_DESCRIPTION, "a,b", 108, nullptr,
                  IDC_DB305_DESCRIPTION},
        CheckCase{"EmptyCode", IDC_DB305_CODE, "", 10, "委託者コード", IDC_DB305_CODE},
        CheckCase{"FullWidthInName", IDC_DB305_NAME, "ｶﾅ漢字", 18, nullptr, IDC_DB305_NAME},
        CheckCase{"TildeInName", IDC_DB305_NAME, "ｶ~ﾅ", 18, nullptr, IDC_DB305_NAME},
        CheckCase{"LetterInCode", IDC_DB305_CODE, "12A", 18, nullptr, IDC_DB305_CODE},
        CheckCase{"LetterInBranchCode", IDC_DB305_BRANCH_CODE, "0A1", 18, nullptr,
                  IDC_DB305_BRANCH_CODE},
        CheckCase{"FullWidthInBranchName", IDC_DB305_BRANCH_NAME, "本店", 18, nullptr,
                  IDC_DB305_BRANCH_NAME},
        CheckCase{"LetterInAccountNumber", IDC_DB305_ACCOUNT_NUMBER, "12A", 18, nullptr,
                  IDC_DB305_ACCOUNT_NUMBER},
        // Name, branch and account number may stay empty: the new consignor is asked for.
        CheckCase{"HyphenAndSpaceInNameAreAccepted", IDC_DB305_NAME, "ｶ-ﾅ ｶﾅ", 3, nullptr, 0}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST_F(Db305Test, NoAccountTypeChosenAsks11) {
    Open();
    FillNew("新規口座");
    screen.Combo(IDC_DB305_ACCOUNT_TYPE).SetCurSel(-1);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB305_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{11}));
    EXPECT_EQ(script.Shown()[0].text, messages.Text(11, "科目"));
    EXPECT_EQ(screen.FieldInError(), IDC_DB305_ACCOUNT_TYPE);
}

TEST_F(Db305Test, ADescriptionLongerThanTheRecordHoldsIsRefusedNotCut) {
    Open();
    std::string description;
    for (int i = 0; i < 38; ++i) description += "口";
    FillNew(description.c_str());
    // Typing stops at the 74 bytes that the record holds.
    EXPECT_EQ(Get(IDC_DB305_DESCRIPTION).size(), 74u);
    screen.SetItemText(IDC_DB305_DESCRIPTION, description);
    kortest::Notify(hwnd, IDC_DB305_DESCRIPTION, CBN_EDITCHANGE);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB305_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{48}));
    EXPECT_EQ(script.Shown()[0].text, messages.Text(48, "委託者登録内容の説明", "74"));
    EXPECT_EQ(screen.FieldInError(), IDC_DB305_DESCRIPTION);
    EXPECT_EQ(StoredDescriptions(), (Texts{"本社口座", "支店口座"}));
}

TEST_F(Db305Test, ANewDescriptionIsAppendedAfterMessage3) {
    Open();
    FillNew("新規口座");
    screen.Combo(IDC_DB305_ACCOUNT_TYPE).SetCurSel(2);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB305_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3, 69}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(69, "委託者情報", "「ファイル読込」"));
    EXPECT_EQ(StoredDescriptions(), (Texts{"本社口座", "支店口座", "新規口座"}));
    db::CConsignorStore fresh;
    ASSERT_EQ(fresh.Load(path), 1);
    EXPECT_STREQ(fresh.GetList()[2]->accountType, "9");
    EXPECT_STREQ(fresh.GetList()[2]->code, "0000000099");
    EXPECT_STREQ(fresh.GetList()[2]->branchCode, "");
    EXPECT_EQ(screen.Combo(IDC_DB305_DESCRIPTION).GetCurSel(), 2);
    EXPECT_TRUE(screen.Window(IDC_DB305_DELETE).IsEnabled());
}

TEST_F(Db305Test, AnExistingDescriptionIsReplacedAfterMessage16) {
    Open();
    Choose(0);
    Set(IDC_DB305_BRANCH_NAME, "ｼﾝﾎﾝﾃﾝ");
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB305_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{16, 69}));
    db::CConsignorStore fresh;
    ASSERT_EQ(fresh.Load(path), 1);
    ASSERT_EQ(fresh.GetList().size(), 2u);
    EXPECT_STREQ(fresh.GetList()[0]->branchName, "ｼﾝﾎﾝﾃﾝ");
    EXPECT_STREQ(fresh.GetList()[0]->code, "0123456789");
}

TEST_F(Db305Test, CancelOnTheQuestionSavesNothing) {
    Open();
    FillNew("新規口座");
    kortest::MessageScript script({IDCANCEL});
    kortest::Click(hwnd, IDC_DB305_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3}));
    EXPECT_EQ(StoredDescriptions(), (Texts{"本社口座", "支店口座"}));
}

TEST_F(Db305Test, AFailedWriteIsReportedAndNeverCalledASuccess) {
    Open();
    FillNew("新規口座");
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB305_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3, 104}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(104, "更新処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
}

TEST_F(Db305Test, DeleteAsksFirstAndReportsAFailedWrite) {
    ExpectDeleteAsksFirstAndReportsAFailedWrite("支店口座");
}

TEST_F(Db305Test, KanaFieldsOpenHalfWidthKatakanaAndCloseItWhenLeft) {
    Open();
    kortest::ExpectKanaInputInTheNameFields(screen, ids);
}

using kortest::LeaveCase;

class Db305LeaveTest : public Db305Test, public testing::WithParamInterface<LeaveCase> {};

TEST_P(Db305LeaveTest, QuestionAndResult) {
    ExpectLeaving(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Db305LeaveTest,
    testing::Values(
        LeaveCase{"Unchanged", 0, nullptr, nullptr, {}, {}, IDOK},
        // An untouched screen shows type 1, which an empty form holds: nothing to ask.
        LeaveCase{"NothingShown", -1, nullptr, nullptr, {}, {}, IDOK},
        LeaveCase{
            "NewDescriptionDeclined", -1, L"新規", nullptr, {IDCANCEL}, {55}, kortest::kStillOpen},
        LeaveCase{"ChangedAccepted", 1, nullptr, "ｶﾜｯﾀ", {IDOK}, {55}, IDOK}),
    kortest::LeaveCaseName);

}  // namespace
