// The correction and check screens open from the main screen with the data set of the read, and
// the main screen's buttons follow what happened there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainScreenHost.h"
#include "ScreenSupport.h"
#include "framework/Cp932.h"
#include "resources/transfer/Korxf301DlgRes.h"
#include "resources/transfer/Korxf302DlgRes.h"
#include "resources/transfer/Korxf303DlgRes.h"
#include "resources/transfer/Korxf304DlgRes.h"
#include "resources/transfer/Korxf305DlgRes.h"
#include "support/SubScreen.h"

namespace {

using kortest::MainScreenTest;
using kortest::PressBack;
using kortest::SubScreen;

class SubScreenTest : public MainScreenTest {};

TEST_F(SubScreenTest, CorrectionAndCheckOpenWithTheDataSetOfTheRead) {
    Open();
    SelectDate(3, 15);
    ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv", kortest::kTwoTransfers);
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_TRUE(Enabled(IDC_XF300_CORRECT));
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));

    EXPECT_EQ(SubScreen::Run(Hwnd(), IDC_XF300_CORRECT, IDC_XF301_BACK, PressBack(IDC_XF301_BACK)),
              1);
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));  // nothing written yet

    SetText(IDC_XF300_OUTPUT, folder + "out.txt");
    Click(IDC_XF300_OUTPUT_DATA);
    ASSERT_EQ(screen->DataSet()->outputDone, 1);
    EXPECT_TRUE(Enabled(IDC_XF300_CHECK));

    EXPECT_EQ(SubScreen::Run(Hwnd(), IDC_XF300_CHECK, IDC_XF302_BACK, PressBack(IDC_XF302_BACK)),
              1);
    // Leaving the correction screen without an update keeps a written file current.
    EXPECT_EQ(SubScreen::Run(Hwnd(), IDC_XF300_CORRECT, IDC_XF301_BACK, PressBack(IDC_XF301_BACK)),
              1);
    EXPECT_TRUE(Enabled(IDC_XF300_CHECK));
}

// A fixed-length pattern saved on its settings screen is listed on the main screen at once and
// reads a customer file: the name, the record length and the positions of the required items.
TEST_F(SubScreenTest, APatternSavedOnItsScreenIsListedAndReads) {
    Open();
    const int before = screen->Combo(IDC_XF300_PATTERN).GetCount();
    const int found =
        SubScreen::Run(Hwnd(), IDC_XF300_FIXED_PATTERN, IDC_XF303_UPDATE, [](HWND dialog) {
            xftest::Type(GetDlgItem(dialog, IDC_XF303_NAME), L"新しい固定長");
            SetDlgItemTextW(dialog, IDC_XF303_RECORD_LENGTH, L"35");
            // Bank code, branch code, account type, account number, account name, amount.
            const wchar_t* positions[][2] = {{L"1", L"4"},   {L"", L""},    {L"5", L"3"},
                                             {L"", L""},     {L"8", L"1"},  {L"9", L"7"},
                                             {L"16", L"10"}, {L"26", L"10"}};
            for (int k = 0; k < 8; ++k) {
                SetDlgItemTextW(dialog, IDC_XF303_ITEM_FIRST + 2 * k, positions[k][0]);
                SetDlgItemTextW(dialog, IDC_XF303_ITEM_FIRST + 2 * k + 1, positions[k][1]);
            }
            SendMessageW(GetDlgItem(dialog, IDC_XF303_UPDATE), BM_CLICK, 0, 0);
            PostMessageW(GetDlgItem(dialog, IDC_XF303_BACK), BM_CLICK, 0, 0);
        });
    ASSERT_EQ(found, 1);
    const kor::CComboView patterns = screen->Combo(IDC_XF300_PATTERN);
    ASSERT_EQ(patterns.GetCount(), before + 1);
    EXPECT_EQ(patterns.GetLBText(before), "新しい固定長");
    TakeShown();

    SelectDate(3, 15);
    const std::string record1 =
        "0005"
        "001"
        "1"
        "1234567"
        "ﾔﾏﾀﾞ ﾀﾛｳ  "
        "0000015000";
    const std::string record2 =
        "0009"
        "210"
        "2"
        "7654321"
        "ｽｽﾞｷ ﾊﾅｺ  "
        "0000008800";
    ReadFile(before, kortest::kGeneralRequester, "fixed.dat", record1 + "\r\n" + record2 + "\r\n");
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "読込"),
                                                     Message(67, "読込", "変換後ファイル")}));
    EXPECT_EQ(screen->DataSet()->details.size(), 2u);
    EXPECT_EQ(screen->DataSet()->totalText, "23800");
}

// A separated pattern defined on its settings screen from a sample of the customer file itself
// reads that file from the main screen.
TEST_F(SubScreenTest, ASeparatedPatternDefinedFromASampleReadsTheFile) {
    Open();
    const std::string input = WriteFile("in.csv", kortest::kTwoTransfers);
    const int before = screen->Combo(IDC_XF300_PATTERN).GetCount();
    const int found =
        SubScreen::Run(Hwnd(), IDC_XF300_DELIM_PATTERN, IDC_XF304_DEFINE, [&input](HWND dialog) {
            xftest::Type(GetDlgItem(dialog, IDC_XF304_NAME), L"新しいカンマ");
            xftest::Notify(dialog, IDC_XF304_NAME, CBN_KILLFOCUS);
            // No title line: the data start on line 1.
            SendDlgItemMessageW(dialog, IDC_XF304_TITLE_ROWS, CB_SETCURSEL, 0, 0);
            SendDlgItemMessageW(dialog, IDC_XF304_DATA_ROW, CB_SETCURSEL, 0, 0);
            SetDlgItemTextW(dialog, IDC_XF304_ACCOUNT_TYPE_1, L"普通");
            SetDlgItemTextW(dialog, IDC_XF304_ACCOUNT_TYPE_2, L"当座");
            SetDlgItemTextW(dialog, IDC_XF304_SAMPLE_PATH, kor::ToWide(input).c_str());
            xftest::Click(dialog, IDC_XF304_READ);
            // Items 0 to 9 from the columns of the same numbers.
            for (int k = 0; k < 10; ++k) {
                SendDlgItemMessageW(dialog, IDC_XF304_SOURCE_LIST, LB_SETCURSEL, k, 0);
                SendDlgItemMessageW(dialog, IDC_XF304_ITEM_LIST, LB_SETCURSEL, k, 0);
                xftest::Click(dialog, IDC_XF304_DEFINE);
            }
            xftest::Click(dialog, IDC_XF304_UPDATE);
            PostMessageW(GetDlgItem(dialog, IDC_XF304_BACK), BM_CLICK, 0, 0);
        });
    ASSERT_EQ(found, 1);
    const kor::CComboView patterns = screen->Combo(IDC_XF300_PATTERN);
    ASSERT_EQ(patterns.GetCount(), before + 1);
    EXPECT_EQ(patterns.GetLBText(before), "新しいカンマ");
    TakeShown();

    SelectDate(3, 15);
    Select(IDC_XF300_PATTERN, before);
    Select(IDC_XF300_REQUESTER_LIST, kortest::kGeneralRequester);
    SetText(IDC_XF300_INPUT, input);
    Click(IDC_XF300_READ);
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "読込"),
                                                     Message(67, "読込", "変換後ファイル")}));
    EXPECT_EQ(screen->DataSet()->details.size(), 2u);
    EXPECT_EQ(screen->DataSet()->totalText, "335000");
}

// A requester saved on its screen is listed on the main screen at once and heads a read.
TEST_F(SubScreenTest, ARequesterSavedOnItsScreenIsListedAndUsedByTheRead) {
    Open();
    const int before = screen->Combo(IDC_XF300_REQUESTER_LIST).GetCount();
    const int found =
        SubScreen::Run(Hwnd(), IDC_XF300_REQUESTER, IDC_XF305_UPDATE, [](HWND dialog) {
            xftest::Type(GetDlgItem(dialog, IDC_XF305_DESCRIPTION), L"新しい依頼人");
            SetDlgItemTextW(dialog, IDC_XF305_NAME, L"ｼﾝｷ ｼﾖｳｼﾞ");
            SetDlgItemTextW(dialog, IDC_XF305_BRANCH_CODE, L"003");
            SetDlgItemTextW(dialog, IDC_XF305_ACCOUNT_NUMBER, L"0000001");
            xftest::Click(dialog, IDC_XF305_GENERAL);
            xftest::Click(dialog, IDC_XF305_UPDATE);
            PostMessageW(GetDlgItem(dialog, IDC_XF305_BACK), BM_CLICK, 0, 0);
        });
    ASSERT_EQ(found, 1);
    const kor::CComboView requesters = screen->Combo(IDC_XF300_REQUESTER_LIST);
    ASSERT_EQ(requesters.GetCount(), before + 1);
    EXPECT_EQ(requesters.GetLBText(before), "新しい依頼人");
    TakeShown();

    SelectDate(3, 15);
    ReadFile(kortest::kGeneralComma, before, "in.csv", kortest::kTwoTransfers);
    ASSERT_NE(screen->DataSet(), nullptr);
    ASSERT_NE(screen->DataSet()->requester, nullptr);
    EXPECT_STREQ(screen->DataSet()->requester->description, "新しい依頼人");
    EXPECT_STREQ(screen->DataSet()->requester->name, "ｼﾝｷ ｼﾖｳｼﾞ");
}

}  // namespace
