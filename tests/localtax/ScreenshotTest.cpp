// Not a check: shows a screen of the local-tax tool with data, as a user sees it, and keeps it on
// screen for tools/screenshots.sh, which photographs the X display. Run only on request
// (--gtest_also_run_disabled_tests); KOR_SHOT_HOLD_MS says how long it stays, and
// KOR_SHOT_READY_FILE names a file that receives the window's rectangle ("x y width height")
// once it is drawn. The main screen has read the demo customer file (for TX301 with one
// amount mistyped) and written it into a folder; every other screen is opened by its button on
// the main screen, the about box over it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Tx300Host.h"
#include "resources/localtax/KorTx300DlgRes.h"
#include "support/ScreenshotShots.h"
#include "support/TestPaths.h"

namespace {

using kortest::Shot;

const Shot kShots[] = {
    {.screen = "TX300", .button = 0},
    {.screen = "TX301", .button = IDC_TX300_CORRECT, .mistyped = true},
    {.screen = "TX302", .button = IDC_TX300_CHECK},
    {.screen = "TX303", .button = IDC_TX300_FIXED_PATTERN},
    {.screen = "TX304", .button = IDC_TX300_DELIM_PATTERN},
    {.screen = "TX305", .button = IDC_TX300_REQUESTER},
    {.screen = "ABOUT", .button = kortest::kAboutShot},
};

class TaxScreenshot : public txtest::Tx300Test, public testing::WithParamInterface<Shot> {};

TEST_P(TaxScreenshot, DISABLED_Shows) {
    const Shot& shot = GetParam();
    WithDemoMasters();
    Open();
    ShowWindow(Hwnd(), SW_SHOW);
    std::string bytes = kortest::ReadBytes(txtest::kDemo + "chihouzei.csv");
    // A salary tax amount mistyped: its yellow cell is in view when the correction screen opens.
    if (shot.mistyped) bytes.replace(bytes.find("B-7,0,2,30000"), 13, "B-7,0,2,3O000");
    ReadFile(bytes, "地方税データ.csv");
    SetText(IDC_TX300_OUTPUT, folder + "出力");
    if (!shot.mistyped) {
        CreateDirectoryA((folder + "出力").c_str(), nullptr);
        Click(IDC_TX300_OUTPUT_DATA);
    }
    kortest::ShowShot(Hwnd(), shot, IDD_TX_ABOUTBOX, "KorTx300");
}

INSTANTIATE_TEST_SUITE_P(Screens, TaxScreenshot, testing::ValuesIn(kShots),
                         [](const auto& info) { return std::string(info.param.screen); });

}  // namespace
