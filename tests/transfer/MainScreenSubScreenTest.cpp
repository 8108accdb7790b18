// The correction and check screens open from the main screen with the data set of the read, and
// the main screen's buttons follow what happened there.
#include <gtest/gtest.h>

#include <string>

#include "MainScreenHost.h"
#include "resources/transfer/Korxf301DlgRes.h"
#include "resources/transfer/Korxf302DlgRes.h"

namespace {

using kortest::MainScreenTest;

// While a screen of the main screen runs modally, a thread timer looks for the visible dialog
// owned by the main screen and presses its back button.
struct SubScreenCloser {
    static inline HWND owner = nullptr;
    static inline int backId = 0;
    static inline int opened = 0;

    static BOOL CALLBACK Find(HWND hwnd, LPARAM lp) {
        if (GetWindow(hwnd, GW_OWNER) == owner && IsWindowVisible(hwnd) &&
            GetDlgItem(hwnd, backId)) {
            *reinterpret_cast<HWND*>(lp) = hwnd;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK Step(HWND, UINT, UINT_PTR id, DWORD) {
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &SubScreenCloser::Find,
                          reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) return;
        KillTimer(nullptr, id);
        ++opened;
        PostMessageW(GetDlgItem(dialog, backId), BM_CLICK, 0, 0);
    }
    // Presses the main screen's button and closes the screen it opens.
    static void Run(HWND mainScreen, int button, int back) {
        owner = mainScreen;
        backId = back;
        opened = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &SubScreenCloser::Step);
        SendMessageW(GetDlgItem(mainScreen, button), BM_CLICK, 0, 0);
        KillTimer(nullptr, timer);
    }
};

class SubScreenTest : public MainScreenTest {};

TEST_F(SubScreenTest, CorrectionAndCheckOpenWithTheDataSetOfTheRead) {
    Open();
    SelectDate(3, 15);
    ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv", kortest::kTwoTransfers);
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_TRUE(Enabled(IDC_XF300_CORRECT));
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));

    SubScreenCloser::Run(Hwnd(), IDC_XF300_CORRECT, IDC_XF301_BACK);
    EXPECT_EQ(SubScreenCloser::opened, 1);
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));  // nothing written yet

    SetText(IDC_XF300_OUTPUT, folder + "out.txt");
    Click(IDC_XF300_OUTPUT_DATA);
    ASSERT_EQ(screen->DataSet()->outputDone, 1);
    EXPECT_TRUE(Enabled(IDC_XF300_CHECK));

    SubScreenCloser::Run(Hwnd(), IDC_XF300_CHECK, IDC_XF302_BACK);
    EXPECT_EQ(SubScreenCloser::opened, 1);
    // Leaving the correction screen without an update keeps a written file current.
    SubScreenCloser::Run(Hwnd(), IDC_XF300_CORRECT, IDC_XF301_BACK);
    EXPECT_EQ(SubScreenCloser::opened, 1);
    EXPECT_TRUE(Enabled(IDC_XF300_CHECK));
}

}  // namespace
