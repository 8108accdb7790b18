// Screen DB303 on its real template: the fixed-length patterns listed and shown (the hidden
// type-9 row too), the checks of "更新" with their messages and focus on the direct-debit ids,
// the position check, saving and deleting through the pattern store, and leaving.
#include "debit/Kordb303Dlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DebitScreenSupport.h"
#include "common/base/MasterText.h"
#include "debit/PatternStore.h"
#include "framework/Cp932.h"
#include "resources/debit/Kordb303DlgRes.h"
#include "support/FixedScreenTest.h"
#include "support/MessageScript.h"

namespace {

using kortest::MessageIds;
using Ids = std::vector<int>;
using Fields = std::vector<std::string>;

std::string FixedLine(const std::string& name) {
    Fields f = {"03", "口座振込", "03", name};
    for (const char* p : {"1", "4", "",   "",   "5",  "3",  "", "", "8",  "1",
                          "9", "7", "16", "30", "46", "10", "", "", "56", "20"})
        f.push_back(p);
    for (const char* o : {"1", "2", "", "75", "ﾌﾂｳ", "ﾄｳｻﾞ", "ﾉｳｾﾞｲ", "ｿﾉﾀ", "2", "0", "1", "2"})
        f.push_back(o);
    return CMasterText::FormatFields(f) + "\r\n";
}

std::string DelimLine(const std::string& name) {
    Fields f = {"03", "口座振込", "01", name};
    for (int k = 0; k < db::kItemCount; ++k) {
        f.push_back(std::to_string(k + 1));
        f.push_back("見本");
    }
    for (const char* o : {"1", "1", "", "", "", "", "", "", "1", "1", "0", "1"}) f.push_back(o);
    return CMasterText::FormatFields(f) + "\r\n";
}

class Db303Test
    : public kortest::FixedScreenTest<db::CPatternStore, dbtest::TaggedMessages, db::CKordb303Dlg> {
protected:
    Db303Test() : FixedScreenTest(db::kKordb303Controls) {}
    void SetUp() override { LoadMaster(FixedLine("固定A") + DelimLine("CSVA")); }
    // A new pattern with the required items of a valid 100-byte record.
    void FillNew(const wchar_t* name) {
        kortest::Type(screen.Item(IDC_DB303_NAME), name);
        Set(IDC_DB303_RECORD_LENGTH, "100");
        const std::pair<int, const char*> fields[] = {
            {IDC_DB303_BANK_CODE_START, "1"},      {IDC_DB303_BANK_CODE_LENGTH, "4"},
            {IDC_DB303_BRANCH_CODE_START, "5"},    {IDC_DB303_BRANCH_CODE_LENGTH, "3"},
            {IDC_DB303_ACCOUNT_TYPE_START, "8"},   {IDC_DB303_ACCOUNT_TYPE_LENGTH, "1"},
            {IDC_DB303_ACCOUNT_NUMBER_START, "9"}, {IDC_DB303_ACCOUNT_NUMBER_LENGTH, "7"},
            {IDC_DB303_DEPOSITOR_START, "16"},     {IDC_DB303_DEPOSITOR_LENGTH, "30"},
            {IDC_DB303_AMOUNT_START, "46"},        {IDC_DB303_AMOUNT_LENGTH, "10"}};
        for (const auto& [id, text] : fields) Set(id, text);
    }
};

TEST_F(Db303Test, ListsTheFixedPatternsAndShowsTheChosenOneWithTheHiddenRow) {
    Open();
    const kor::CComboView names = screen.Combo(IDC_DB303_NAME);
    ASSERT_EQ(names.GetCount(), 1);
    EXPECT_EQ(names.GetLBText(0), "固定A");
    EXPECT_EQ(Get(IDC_DB303_VERSION), "(Ver4.11)");
    EXPECT_TRUE(screen.Button(IDC_DB303_OUTPUT_120).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_DB303_LINE_BREAK).IsChecked());
    EXPECT_FALSE(IsWindowVisible(screen.Item(IDC_DB303_ACCOUNT_TYPE_FIRST + 3)));

    Choose(0);
    EXPECT_EQ(Get(IDC_DB303_RECORD_LENGTH), "75");
    // The depositor name's start edit lies out of the ids' sequence.
    EXPECT_EQ(Get(IDC_DB303_DEPOSITOR_START), "16");
    EXPECT_EQ(Get(IDC_DB303_DEPOSITOR_LENGTH), "30");
    EXPECT_EQ(Get(IDC_DB303_CUSTOMER_NUMBER_START), "56");
    EXPECT_EQ(Get(IDC_DB303_ACCOUNT_TYPE_FIRST + 2), "ﾉｳｾﾞｲ");
    EXPECT_EQ(Get(IDC_DB303_ACCOUNT_TYPE_FIRST + 3), "ｿﾉﾀ");
    EXPECT_TRUE(screen.Button(IDC_DB303_ZERO_ERROR).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_DB303_BLANK_SKIP).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_DB303_OUTPUT_126).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_DB303_NO_LINE_BREAK).IsChecked());
    EXPECT_TRUE(screen.Window(IDC_DB303_DELETE).IsEnabled());
}

struct CheckCase {
    const char* name;
    int id;  // the field changed from a valid new form
    const char* text;
    Ids messages;  // the boxes shown (every question declined)
    int focus;     // the control in error, 0 for none
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class Db303CheckTest : public Db303Test, public testing::WithParamInterface<CheckCase> {};

TEST_P(Db303CheckTest, MessageAndFocus) {
    const CheckCase& c = GetParam();
    Open();
    FillNew(L"新規");
    if (c.id == IDC_DB303_NAME) {
        kortest::Type(screen.Item(c.id), kor::ToWide(c.text).c_str());
    } else if (c.id != 0) {
        Set(c.id, c.text);
    }
    kortest::MessageScript script({IDCANCEL});
    kortest::Click(hwnd, IDC_DB303_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), c.messages);
    EXPECT_EQ(screen.FieldInError(), c.focus);
    if (c.focus != 0 && IsWindowVisible(screen.Item(c.focus))) {
        EXPECT_EQ(kortest::FocusedId(hwnd), c.focus);
    }
    EXPECT_EQ(store.GetList().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Db303CheckTest,
    testing::Values(
        CheckCase{"Valid", 0, "", {3}, 0},
        CheckCase{"OptionalStartWithoutLength",
                  IDC_DB303_BANK_NAME_START,
                  "60",
                  {10},
                  IDC_DB303_BANK_NAME_LENGTH},
        CheckCase{"DepositorLengthEmpty",
                  IDC_DB303_DEPOSITOR_LENGTH,
                  "",
                  {10},
                  IDC_DB303_DEPOSITOR_LENGTH},
        CheckCase{"NewCodeLength2", IDC_DB303_NEW_CODE_LENGTH, "2", {10}, IDC_DB303_NEW_CODE_START},
        CheckCase{"CustomerNumberStartZero",
                  IDC_DB303_CUSTOMER_NUMBER_START,
                  "0",
                  {10},
                  IDC_DB303_CUSTOMER_NUMBER_LENGTH},
        CheckCase{"QuoteInHiddenType9",
                  IDC_DB303_ACCOUNT_TYPE_FIRST + 3,
                  "\"",
                  {108},
                  IDC_DB303_ACCOUNT_TYPE_FIRST + 3},
        CheckCase{"RecordLengthAbove4000",
                  IDC_DB303_RECORD_LENGTH,
                  "4001",
                  {102},
                  IDC_DB303_RECORD_LENGTH},
        CheckCase{
            "AmountBeyondTheRecord", IDC_DB303_RECORD_LENGTH, "54", {15}, IDC_DB303_AMOUNT_START},
        CheckCase{"DepositorOverlapsTheAccountNumber",
                  IDC_DB303_DEPOSITOR_START,
                  "15",
                  {14},
                  IDC_DB303_DEPOSITOR_START},
        CheckCase{"NameOfASeparatedPattern", IDC_DB303_NAME, "CSVA", {100}, IDC_DB303_NAME}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST_F(Db303Test, AStartZeroOfAnOptionalItemIsRefusedWith107) {
    Open();
    FillNew(L"新規");
    Set(IDC_DB303_CUSTOMER_NUMBER_START, "0");
    Set(IDC_DB303_CUSTOMER_NUMBER_LENGTH, "5");
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB303_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{107}));
    EXPECT_EQ(screen.FieldInError(), IDC_DB303_CUSTOMER_NUMBER_START);
}

TEST_F(Db303Test, ANewPatternIsAddedAfterMessage3AndListed) {
    Open();
    FillNew(L"新規");
    Set(IDC_DB303_ACCOUNT_TYPE_FIRST + 2, "3");
    screen.CheckRadio(IDC_DB303_OUTPUT_120, IDC_DB303_OUTPUT_128, IDC_DB303_OUTPUT_128);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB303_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 110}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(110, "パターン情報", "「ファイル読込」"));
    const db::CFixedPattern* p = Stored("新規");
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p->kindCode, "03");
    EXPECT_STREQ(p->kindName, "口座振込");
    EXPECT_EQ(p->FileClass(), 3);
    EXPECT_EQ(p->Start(6), 16);
    EXPECT_STREQ(p->accountTypeCodes[2], "3");
    EXPECT_EQ(p->OutputLengthCode(), 3);
    EXPECT_EQ(screen.Combo(IDC_DB303_NAME).GetCount(), 2);
    EXPECT_TRUE(screen.Window(IDC_DB303_DELETE).IsEnabled());
}

TEST_F(Db303Test, ResavingKeepsTheHiddenType9Code) {
    Open();
    Choose(0);
    Set(IDC_DB303_RECORD_LENGTH, "80");
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB303_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{16, 110}));
    const db::CFixedPattern* p = Stored("固定A");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->RecordLength(), 80);
    EXPECT_STREQ(p->accountTypeCodes[3], "ｿﾉﾀ");
    EXPECT_EQ(fresh.GetList().size(), 2u);
}

TEST_F(Db303Test, AFailedWriteIsReportedAndNeverCalledASuccess) {
    Open();
    FillNew(L"新規");
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB303_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 104}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(104, "更新処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
}

TEST_F(Db303Test, DeleteAsksFirstAndReportsAFailedWrite) {
    Open();
    Choose(0);
    {
        kortest::MessageScript script({IDCANCEL});
        kortest::Click(hwnd, IDC_DB303_DELETE);
        EXPECT_EQ(MessageIds(script.Shown()), (Ids{2}));
        EXPECT_EQ(store.GetList().size(), 2u);
    }
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB303_DELETE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{2, 104}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(104, "削除処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
}

TEST_F(Db303Test, DeleteRemovesThePatternAndClearsTheForm) {
    Open();
    Choose(0);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB303_DELETE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{2}));
    EXPECT_EQ(Stored("固定A"), nullptr);
    EXPECT_EQ(fresh.GetList().size(), 1u);
    EXPECT_EQ(screen.Combo(IDC_DB303_NAME).GetCount(), 0);
    EXPECT_EQ(Get(IDC_DB303_RECORD_LENGTH), "");
}

using LeaveCase = kortest::FixedLeaveCase;

class Db303LeaveTest : public Db303Test, public testing::WithParamInterface<LeaveCase> {};

TEST_P(Db303LeaveTest, QuestionAndResult) {
    Leave(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Db303LeaveTest,
    testing::Values(LeaveCase{"Untouched", -1, nullptr, {}, {}, IDOK},
                    LeaveCase{"Unchanged", 0, nullptr, {}, {}, IDOK},
                    LeaveCase{"ChangedDeclined", 0, "99", {IDCANCEL}, {80}, kortest::kStillOpen},
                    LeaveCase{"ChangedAccepted", -1, "99", {IDOK}, {80}, IDOK}),
    kortest::FixedLeaveCaseName);

}  // namespace
