// The main screen's start (masters, lists, first state), its browse buttons and its closing.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h.
#include <commctrl.h>
#include <commdlg.h>

#include <optional>
#include <string>
#include <vector>

#include "MainScreenHost.h"
#include "framework/Cp932.h"
#include "framework/FileDialogSeam.h"
#include "framework/UniqueHandle.h"

namespace {

using kortest::MainScreenTest;

constexpr char kBrokenB[] = "処理に必要なファイルが破損しています。再インストールして下さい。<B>";
constexpr char kBrokenC[] = "処理に必要なファイルが破損しています。再インストールして下さい。<C>";

std::wstring Path(const std::string& cp932) {
    return kor::ToWide(cp932);
}

// --- Masters at the start ----------------------------------------------------------------------

TEST_F(MainScreenTest, AMissingMessageMasterEndsTheScreenWithTextB) {
    DeleteFileW(Path(folder + "mstKORXF001.ini").c_str());
    EXPECT_EQ(screen->DoModal(), 2);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, kBrokenB);
    EXPECT_EQ(script.Shown()[0].caption, "エラー");
    EXPECT_EQ(script.Shown()[0].style & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
}

TEST_F(MainScreenTest, ABrokenMessageMasterEndsTheScreenWithTextB) {
    WriteFile("mstKORXF001.ini", "\"1\",\"1\",\"32\"\r\n");
    EXPECT_EQ(screen->DoModal(), 2);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, kBrokenB);
}

TEST_F(MainScreenTest, ABrokenPatternMasterEndsTheScreenWithTextC) {
    WriteMaster("mstKORXF301.ini", {kortest::kFixturePatternLines[0], "\"01\",\"short line\""});
    EXPECT_EQ(screen->DoModal(), 2);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, kBrokenC);
    EXPECT_EQ(script.Shown()[0].caption, "エラー");
}

TEST_F(MainScreenTest, AnUnreadableRequesterMasterEndsTheScreenWithTextC) {
    const kor::UniqueFile held(CreateFileW(Path(folder + "mstKORXF302.ini").c_str(), GENERIC_READ,
                                           0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_EQ(screen->DoModal(), 2);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, kBrokenC);
}

TEST_F(MainScreenTest, MissingPatternAndRequesterMastersAreEmptyLists) {
    DeleteFileW(Path(folder + "mstKORXF301.ini").c_str());
    DeleteFileW(Path(folder + "mstKORXF302.ini").c_str());
    Open();
    EXPECT_TRUE(script.Shown().empty());
    EXPECT_EQ(SendMessageW(Item(IDC_XF300_PATTERN), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(Item(IDC_XF300_REQUESTER_LIST), CB_GETCOUNT, 0, 0), 0);
}

// --- First state -------------------------------------------------------------------------------

TEST_F(MainScreenTest, StartsWithTheListsFilledAndTheDataButtonsOff) {
    Open();
    EXPECT_TRUE(script.Shown().empty());
    EXPECT_EQ(Text(IDC_XF300_VERSION), "(Ver4.11)");

    const HWND patterns = Item(IDC_XF300_PATTERN);
    ASSERT_EQ(SendMessageW(patterns, CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageW(patterns, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Text(IDC_XF300_PATTERN), "総合カンマ");
    const HWND requesters = Item(IDC_XF300_REQUESTER_LIST);
    ASSERT_EQ(SendMessageW(requesters, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Text(IDC_XF300_REQUESTER_LIST), "テスト商事　総合");

    // Months and days in order (the day list sorts: " 9" before "10"), the first chosen.
    ASSERT_EQ(SendMessageW(Item(IDC_XF300_MONTH), CB_GETCOUNT, 0, 0), 12);
    ASSERT_EQ(SendMessageW(Item(IDC_XF300_DAY), CB_GETCOUNT, 0, 0), 31);
    EXPECT_EQ(Text(IDC_XF300_MONTH), " 1");
    EXPECT_EQ(Text(IDC_XF300_DAY), " 1");
    Select(IDC_XF300_DAY, 9);
    EXPECT_EQ(Text(IDC_XF300_DAY), "10");
    Select(IDC_XF300_MONTH, 11);
    EXPECT_EQ(Text(IDC_XF300_MONTH), "12");

    // A general pattern has no salary/bonus choice.
    EXPECT_EQ(IsDlgButtonChecked(Hwnd(), IDC_XF300_SALARY), BST_CHECKED);
    EXPECT_FALSE(Enabled(IDC_XF300_SALARY));
    EXPECT_FALSE(Enabled(IDC_XF300_BONUS));

    for (int id : {IDC_XF300_CORRECT, IDC_XF300_OUTPUT_DATA, IDC_XF300_CHECK})
        EXPECT_FALSE(Enabled(id)) << id;
    for (int id : {IDC_XF300_FIXED_PATTERN, IDC_XF300_DELIM_PATTERN, IDC_XF300_REQUESTER,
                   IDC_XF300_READ, IDC_XF300_EXIT, IDC_XF300_BROWSE_INPUT, IDC_XF300_BROWSE_OUTPUT})
        EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(MainScreenTest, ASalaryPatternOffersSalaryAndBonusAndChoosingResetsToSalary) {
    Open();
    Select(IDC_XF300_PATTERN, kortest::kSalaryComma);
    EXPECT_TRUE(Enabled(IDC_XF300_SALARY));
    EXPECT_TRUE(Enabled(IDC_XF300_BONUS));
    CheckRadioButton(Hwnd(), IDC_XF300_SALARY, IDC_XF300_BONUS, IDC_XF300_BONUS);
    Select(IDC_XF300_PATTERN, kortest::kSalaryComma);
    EXPECT_EQ(IsDlgButtonChecked(Hwnd(), IDC_XF300_SALARY), BST_CHECKED);
    Select(IDC_XF300_PATTERN, kortest::kGeneralComma);
    EXPECT_FALSE(Enabled(IDC_XF300_BONUS));
}

TEST_F(MainScreenTest, TheSystemMenuOpensTheAboutBox) {
    Open();
    const HMENU menu = GetSystemMenu(Hwnd(), FALSE);
    wchar_t text[128] = {};
    ASSERT_GT(GetMenuStringW(menu, 16, text, 128, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, L"Korxf300 のﾊﾞｰｼﾞｮﾝ情報(&A)...");
}

TEST_F(MainScreenTest, TheRequesterTipShowsTheRequesterChosenWhenItAppears) {
    Open();
    const HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
    HWND own = nullptr;
    for (HWND w = tip; w; w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr)) {
        if (GetWindow(w, GW_OWNER) == Hwnd()) own = w;
    }
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(SendMessageW(own, TTM_GETTOOLCOUNT, 0, 0), 1);

    // What the tip asks for when it is about to show.
    const auto tipText = [&] {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = own;
        info.hdr.idFrom = reinterpret_cast<UINT_PTR>(Item(IDC_XF300_REQUESTER_LIST));
        info.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(Hwnd(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? kor::ToCp932(info.lpszText) : std::string();
    };
    std::string text = tipText();
    EXPECT_EQ(text.substr(0, text.find('\n')), "振込依頼人名(ｶﾅ)　ﾃｽﾄｼｮｳｼﾞ(ｶ");
    Select(IDC_XF300_REQUESTER_LIST, kortest::kOtherAccountRequester);
    text = tipText();
    EXPECT_NE(text.find("科目　　　　　　　その他"), std::string::npos) << text;
    EXPECT_NE(text.find("区分　　　　　　　なし"), std::string::npos) << text;
}

// --- Browsing ----------------------------------------------------------------------------------

TEST_F(MainScreenTest, BrowseInputAsksForATextFileAndTakesTheChosenPath) {
    std::vector<kor::FileDialogRequest> asked;
    std::optional<std::string> answer = std::string("Z:\\data\\顧客.csv");
    const kor::FileDialogHandler previous =
        kor::SetFileDialogHandler([&](const kor::FileDialogRequest& r) {
            asked.push_back(r);
            return answer;
        });
    Open();
    Click(IDC_XF300_BROWSE_INPUT);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_FALSE(asked[0].save);
    EXPECT_EQ(asked[0].owner, Hwnd());
    EXPECT_EQ(asked[0].filter, "ﾃｷｽﾄﾌｧｲﾙ (*.txt *.csv)|*.csv;*.txt|すべてのﾌｧｲﾙ (*.*)|*.*||");
    EXPECT_EQ(asked[0].defaultExt, "csv;txt");
    EXPECT_EQ(asked[0].flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(Text(IDC_XF300_INPUT), "Z:\\data\\顧客.csv");

    // The output dialog starts from the input's name; a cancel leaves the edit alone.
    answer = std::nullopt;
    SetText(IDC_XF300_OUTPUT, "kept");
    Click(IDC_XF300_BROWSE_OUTPUT);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].fileName, "Z:\\data\\顧客_out.txt");
    EXPECT_EQ(asked[1].filter, asked[0].filter);
    EXPECT_EQ(Text(IDC_XF300_OUTPUT), "kept");
    answer = std::string("Z:\\data\\振込.txt");
    Click(IDC_XF300_BROWSE_OUTPUT);
    EXPECT_EQ(Text(IDC_XF300_OUTPUT), "Z:\\data\\振込.txt");
    kor::SetFileDialogHandler(previous);
}

// --- Closing -----------------------------------------------------------------------------------

TEST_F(MainScreenTest, TheCloseBoxAsksFirstAndCancelKeepsTheScreen) {
    script.Answer(IDCANCEL);
    script.Answer(IDOK);
    const INT_PTR result = RunModal([](HWND hwnd) {
        SendMessageW(hwnd, WM_CLOSE, 0, 0);  // answered Cancel: stays
        EXPECT_TRUE(IsWindow(hwnd));
        SendMessageW(hwnd, WM_CLOSE, 0, 0);  // answered OK: ends
    });
    EXPECT_EQ(result, IDOK);
    const std::vector<std::string> shown = TakeShown();
    EXPECT_EQ(shown, std::vector<std::string>(2, Message(1)));
}

TEST_F(MainScreenTest, ExitWarnsOfAnErrorFreeReadNotYetOutput) {
    const INT_PTR result = RunModal([this](HWND) {
        ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv",
                 kortest::kTwoTransfers);
        TakeShown();
        Click(IDC_XF300_EXIT);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(71), Message(1)}));
}

TEST_F(MainScreenTest, ExitWithoutADataSetOnlyAsks) {
    script.Answer(IDCANCEL);
    Open();
    Click(IDC_XF300_EXIT);
    EXPECT_EQ(TakeShown(), std::vector<std::string>{Message(1)});
    EXPECT_TRUE(IsWindow(Hwnd()));
}

}  // namespace
