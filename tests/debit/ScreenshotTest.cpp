// Not a check: shows a screen of the direct-debit tool with data, as a user sees it, and keeps it
// on screen for tools/screenshots.sh, which photographs the X display. Run only on request
// (--gtest_also_run_disabled_tests); KOR_SHOT_HOLD_MS says how long it stays, and
// KOR_SHOT_READY_FILE names a file that receives the window's rectangle ("x y width height")
// once it is drawn. The main screen has read a customer file (for DB301 with one amount
// mistyped) and written the direct-debit file; every other screen is opened by its button on the
// main screen, the about box over it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "MainScreenHost.h"
#include "support/ScreenshotShots.h"

namespace {

using kortest::Shot;

const Shot kShots[] = {
    {.screen = "DB300", .button = 0},
    {.screen = "DB301", .button = IDC_DB300_CORRECT, .mistyped = true},
    {.screen = "DB302", .button = IDC_DB300_CHECK},
    {.screen = "DB303", .button = IDC_DB300_FIXED_PATTERN},
    {.screen = "DB304", .button = IDC_DB300_DELIM_PATTERN},
    {.screen = "DB305", .button = IDC_DB300_CONSIGNOR},
    {.screen = "ABOUT", .button = kortest::kAboutShot},
};

class DebitScreenshot : public dbtest::MainScreenTest, public testing::WithParamInterface<Shot> {};

TEST_P(DebitScreenshot, DISABLED_Shows) {
    const Shot& shot = GetParam();
    Open();
    ShowWindow(Hwnd(), SW_SHOW);
    Select(IDC_DB300_MONTH, 5);
    Select(IDC_DB300_DAY, 26);
    std::string bytes = dbtest::kTwoDebits;
    // An amount mistyped: its yellow cell is in view when the correction screen opens.
    if (shot.mistyped) bytes.replace(bytes.find("320000"), 6, "32O000");
    ReadFile(dbtest::kComma, dbtest::kOrdinaryConsignor, "口座振替データ.csv", bytes);
    SetText(IDC_DB300_OUTPUT, folder + "振替データ.txt");
    if (!shot.mistyped) Click(IDC_DB300_OUTPUT_DATA);
    TakeShown();
    kortest::ShowShot(Hwnd(), shot, IDD_ABOUTBOX, "Kordb300");
}

INSTANTIATE_TEST_SUITE_P(Screens, DebitScreenshot, testing::ValuesIn(kShots),
                         [](const auto& info) { return std::string(info.param.screen); });

}  // namespace
