// Not a check: shows the main screen as a user sees it after a read and keeps it on screen for
// main_screen_screenshot.sh, which photographs the X display. Run only on request
// (--gtest_also_run_disabled_tests); KOR_SHOT_HOLD_MS says how long it stays, and
// KOR_SHOT_READY_FILE names a file that receives the window's rectangle ("x y width height")
// once it is drawn; KOR_SHOT_ABOUT=1 shows the about box over it and gives the box's rectangle.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "MainScreenHost.h"
#include "framework/AboutDlg.h"
#include "support/ScreenshotHold.h"

namespace {

class MainScreenScreenshot : public kortest::MainScreenTest {};

TEST_F(MainScreenScreenshot, DISABLED_ShowsTheMainScreenAfterARead) {
    Open();
    ShowWindow(Hwnd(), SW_SHOW);
    SelectDate(3, 15);
    const std::string input = ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester,
                                       "顧客データ.csv", kortest::kTwoTransfers);
    SetText(IDC_XF300_OUTPUT, folder + "振込データ.txt");
    UpdateWindow(Hwnd());

    HWND shown = Hwnd();
    kor::CAboutDlg about(IDD_ABOUTBOX, "Korxf300", Hwnd());
    if (const char* a = std::getenv("KOR_SHOT_ABOUT"); a && *a == '1') {
        ASSERT_TRUE(about.Create());
        ShowWindow(about.GetSafeHwnd(), SW_SHOW);
        UpdateWindow(about.GetSafeHwnd());
        shown = about.GetSafeHwnd();
    }
    kortest::HoldForScreenshot(shown);
}

}  // namespace
