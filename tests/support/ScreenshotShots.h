#pragma once
// The screens a tool's screenshot test shows, one table line each, for tools/screenshots.sh:
// the main screen itself, a screen its button opens, or the about box over it.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "framework/AboutDlg.h"
#include "support/ScreenshotHold.h"
#include "support/SubScreen.h"

namespace kortest {

struct Shot {
    const char* screen;     // the picture's name: the screen code, or "ABOUT"
    int button;             // the main screen's button that opens it; 0: the main screen itself,
                            // kAboutShot: the about box
    bool mistyped = false;  // the customer file read has an item in error
};
inline constexpr int kAboutShot = -1;

inline void PrintTo(const Shot& shot, std::ostream* out) {
    *out << shot.screen;
}

// Shows what shot names over the main screen (which has its data) and holds it for the picture.
inline void ShowShot(HWND mainScreen, const Shot& shot, int aboutBox, const char* programName) {
    if (shot.button == 0) {
        HoldForScreenshot(mainScreen);
    } else if (shot.button == kAboutShot) {
        kor::CAboutDlg about(aboutBox, programName, mainScreen);
        ASSERT_TRUE(about.Create());
        ShowWindow(about.GetSafeHwnd(), SW_SHOW);
        HoldForScreenshot(about.GetSafeHwnd());
    } else {
        EXPECT_EQ(SubScreen::Run(mainScreen, shot.button, 0,
                                 [](HWND screen) {
                                     HoldForScreenshot(screen);
                                     PostMessageW(screen, WM_CLOSE, 0, 0);
                                 }),
                  1)
            << shot.screen;
    }
}

}  // namespace kortest
