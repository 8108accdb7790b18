#pragma once
// A settings or grid screen that a main screen runs modally, driven from inside its modal loop.
#include <windows.h>

#include <functional>
#include <utility>

namespace kortest {

// Presses a button of the main screen that runs another screen modally; inside its modal loop a
// thread timer finds that screen (the visible dialog owned by the main screen holding the control
// marker; with marker 0, any visible window the main screen owns) and runs step on it. The
// number of screens found.
struct SubScreen {
    static inline HWND owner = nullptr;
    static inline int marker = 0;
    static inline int found = 0;
    static inline std::function<void(HWND)> step;

    static BOOL CALLBACK Find(HWND hwnd, LPARAM lp) {
        if (GetWindow(hwnd, GW_OWNER) == owner && IsWindowVisible(hwnd) &&
            (marker == 0 || GetDlgItem(hwnd, marker))) {
            *reinterpret_cast<HWND*>(lp) = hwnd;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &SubScreen::Find,
                          reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) return;
        KillTimer(nullptr, id);
        ++found;
        step(dialog);
    }
    static int Run(HWND mainScreen, int button, int markerId, std::function<void(HWND)> onScreen) {
        owner = mainScreen;
        marker = markerId;
        found = 0;
        step = std::move(onScreen);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &SubScreen::Tick);
        SendMessageW(GetDlgItem(mainScreen, button), BM_CLICK, 0, 0);
        KillTimer(nullptr, timer);
        return found;
    }
};

// A step that leaves the screen through its back button.
inline std::function<void(HWND)> PressBack(int backId) {
    return [backId](HWND dialog) { PostMessageW(GetDlgItem(dialog, backId), BM_CLICK, 0, 0); };
}

}  // namespace kortest
