// Not a check: shows a screen of the local-tax tool with data, as a user sees it, and keeps it on
// screen for screens_screenshot.sh, which photographs the X display. Run only on request
// (--gtest_also_run_disabled_tests); KOR_SHOT_HOLD_MS says how long it stays, and
// KOR_SHOT_READY_FILE names a file that receives the window's rectangle ("x y width height")
// once it is drawn. The main screen has read the demo customer file (for TX301 with one
// amount mistyped) and written it into a folder; every other screen is opened by its button on
// the main screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Tx300Host.h"
#include "support/ScreenshotHold.h"
#include "support/SubScreen.h"
#include "support/TestPaths.h"

namespace {

struct Shot {
    const char* screen;  // the screen code, the name of the picture
    int button;          // the main screen's button that opens it; 0: the main screen itself
    bool mistyped;       // the customer file has an item in error
};

const Shot kShots[] = {
    {"TX300", 0, false},
    {"TX301", IDC_TX300_CORRECT, true},
    {"TX302", IDC_TX300_CHECK, false},
    {"TX303", IDC_TX300_FIXED_PATTERN, false},
    {"TX304", IDC_TX300_DELIM_PATTERN, false},
    {"TX305", IDC_TX300_REQUESTER, false},
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
    if (shot.button == 0) {
        kortest::HoldForScreenshot(Hwnd());
    } else {
        EXPECT_EQ(kortest::SubScreen::Run(Hwnd(), shot.button, 0,
                                          [](HWND screen) {
                                              kortest::HoldForScreenshot(screen);
                                              PostMessageW(screen, WM_CLOSE, 0, 0);
                                          }),
                  1)
            << shot.screen;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, TaxScreenshot, testing::ValuesIn(kShots),
                         [](const auto& info) { return std::string(info.param.screen); });

}  // namespace
