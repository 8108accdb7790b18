// Not a check: shows a screen of the transfer tool with data, as a user sees it, and keeps it on
// screen for tools/screenshots.sh, which photographs the X display. Run only on request
// (--gtest_also_run_disabled_tests); KOR_SHOT_HOLD_MS says how long it stays, and
// KOR_SHOT_READY_FILE names a file that receives the window's rectangle ("x y width height")
// once it is drawn. The main screen has read a customer file (for XF301 with one amount
// mistyped) and written the transfer file; every other screen is opened by its button on the
// main screen, the about box over it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "MainScreenHost.h"
#include "support/ScreenshotShots.h"

namespace {

using kortest::Shot;

const Shot kShots[] = {
    {.screen = "XF300", .button = 0},
    {.screen = "XF301", .button = IDC_XF300_CORRECT, .mistyped = true},
    {.screen = "XF302", .button = IDC_XF300_CHECK},
    {.screen = "XF303", .button = IDC_XF300_FIXED_PATTERN},
    {.screen = "XF304", .button = IDC_XF300_DELIM_PATTERN},
    {.screen = "XF305", .button = IDC_XF300_REQUESTER},
    {.screen = "ABOUT", .button = kortest::kAboutShot},
};

class TransferScreenshot : public kortest::MainScreenTest,
                           public testing::WithParamInterface<Shot> {};

TEST_P(TransferScreenshot, DISABLED_Shows) {
    const Shot& shot = GetParam();
    Open();
    ShowWindow(Hwnd(), SW_SHOW);
    SelectDate(3, 15);
    std::string bytes = kortest::kTwoTransfers;
    // An amount mistyped: its yellow cell is in view when the correction screen opens.
    if (shot.mistyped) bytes.replace(bytes.find("15000"), 5, "15O00");
    ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "顧客データ.csv", bytes);
    SetText(IDC_XF300_OUTPUT, folder + "振込データ.txt");
    if (!shot.mistyped) Click(IDC_XF300_OUTPUT_DATA);
    TakeShown();
    kortest::ShowShot(Hwnd(), shot, IDD_ABOUTBOX, "Korxf300");
}

INSTANTIATE_TEST_SUITE_P(Screens, TransferScreenshot, testing::ValuesIn(kShots),
                         [](const auto& info) { return std::string(info.param.screen); });

}  // namespace
