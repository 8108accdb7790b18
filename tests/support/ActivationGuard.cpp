#include "ActivationGuard.h"

namespace kortest {

namespace {

// Another program taking the foreground asks this thread to activate no window while its active
// window is shown. The thread itself hides a window before it lets Wine choose the next one.
LRESULT CALLBACK RefuseDeactivation(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && !wp) {
        const HWND active = reinterpret_cast<const CBTACTIVATESTRUCT*>(lp)->hWndActive;
        if (active && IsWindowVisible(active)) return 1;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

ActivationGuard::ActivationGuard()
    : m_hook(SetWindowsHookExW(WH_CBT, RefuseDeactivation, nullptr, GetCurrentThreadId())) {}

ActivationGuard::~ActivationGuard() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
}

}  // namespace kortest
