#include "ActivationGuard.h"

namespace kortest {

namespace {

// Another program taking the foreground asks this thread to activate no window. The thread's
// own changes name a window (or follow a destroyed window, whose state Wine clears anyway).
LRESULT CALLBACK RefuseDeactivation(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && !wp) return 1;
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

ActivationGuard::ActivationGuard()
    : m_hook(SetWindowsHookExW(WH_CBT, RefuseDeactivation, nullptr, GetCurrentThreadId())) {}

ActivationGuard::~ActivationGuard() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
}

}  // namespace kortest
