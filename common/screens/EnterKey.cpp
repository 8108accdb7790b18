#include "common/screens/EnterKey.h"

namespace {

// The child of dialog that holds window (the edit inside a combo box belongs to the combo).
HWND DirectChild(HWND dialog, HWND window) {
    while (window && GetParent(window) != dialog) window = GetParent(window);
    return window;
}

}  // namespace

void PressOrMoveOnEnter(HWND dialog, std::initializer_list<int> buttons) {
    HWND focus = DirectChild(dialog, GetFocus());
    if (!focus) return;
    const int id = GetDlgCtrlID(focus);
    for (int button : buttons) {
        if (id == button) {
            SendMessageW(focus, BM_CLICK, 0, 0);
            return;
        }
    }
    if (HWND next = GetNextDlgTabItem(dialog, focus, FALSE))
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}
