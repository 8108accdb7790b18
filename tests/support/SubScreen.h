#pragma once
// A settings or grid screen that a main screen runs modally, driven from inside its modal loop.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "framework/Cp932.h"
#include "support/ScreenActions.h"

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

// Steps of a settings screen that saves a new entry.
// Types name into the name combo and leaves it: the screen takes it as a new entry.
inline void EnterNewName(HWND dialog, int nameId, const wchar_t* name) {
    Type(GetDlgItem(dialog, nameId), name);
    Notify(dialog, nameId, CBN_KILLFOCUS);
}
// Sets each edit to its text.
inline void SetEdits(HWND dialog, std::initializer_list<std::pair<int, const wchar_t*>> edits) {
    for (const auto& [id, text] : edits) SetDlgItemTextW(dialog, id, text);
}
// The controls of a separated pattern screen that take a sample and assign its columns.
struct SampleControls {
    int titleRows, dataRow, samplePath, read, sourceList, itemList, define;
};
// Reads the sample file (no title line, data from line 1), then assigns each item the column
// paired with it.
inline void DefineFromSample(HWND dialog, const SampleControls& ids, const std::string& sample,
                             const std::vector<std::pair<int, int>>& itemColumns) {
    SendDlgItemMessageW(dialog, ids.titleRows, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageW(dialog, ids.dataRow, CB_SETCURSEL, 0, 0);
    SetDlgItemTextW(dialog, ids.samplePath, kor::ToWide(sample).c_str());
    Click(dialog, ids.read);
    for (const auto& [item, column] : itemColumns) {
        SendDlgItemMessageW(dialog, ids.sourceList, LB_SETCURSEL, column, 0);
        SendDlgItemMessageW(dialog, ids.itemList, LB_SETCURSEL, item, 0);
        Click(dialog, ids.define);
    }
}
// Presses the update button, then leaves through the back button once the save's boxes are
// answered.
inline void UpdateAndLeave(HWND dialog, int updateId, int backId) {
    SendMessageW(GetDlgItem(dialog, updateId), BM_CLICK, 0, 0);
    PostMessageW(GetDlgItem(dialog, backId), BM_CLICK, 0, 0);
}

// A step that leaves the screen through its back button.
inline std::function<void(HWND)> PressBack(int backId) {
    return [backId](HWND dialog) { PostMessageW(GetDlgItem(dialog, backId), BM_CLICK, 0, 0); };
}

}  // namespace kortest
