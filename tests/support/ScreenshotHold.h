#pragma once
// What a screenshot test does once its window is up, for tests/support/screenshot.sh: writes the
// window's rectangle ("x y width height") into the file KOR_SHOT_READY_FILE names and keeps the
// window's messages going for KOR_SHOT_HOLD_MS milliseconds while the display is photographed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "support/TestPaths.h"

namespace kortest {

inline void HoldForScreenshot(HWND shown) {
    UpdateWindow(shown);
    RECT rect{};
    GetWindowRect(shown, &rect);
    if (const char* ready = std::getenv("KOR_SHOT_READY_FILE")) {
        char text[64];
        std::snprintf(text, sizeof text, "%ld %ld %ld %ld\n", rect.left, rect.top,
                      rect.right - rect.left, rect.bottom - rect.top);
        WriteBytes(ready, text);
    }
    const char* hold = std::getenv("KOR_SHOT_HOLD_MS");
    const ULONGLONG until = GetTickCount64() + (hold ? std::strtoul(hold, nullptr, 10) : 0);
    while (GetTickCount64() < until) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(20);
    }
}

}  // namespace kortest
