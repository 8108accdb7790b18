#include "ActivationGuard.h"

namespace kortest {

namespace {

thread_local HWND t_allowed = nullptr;

LRESULT CALLBACK RefuseActivation(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && reinterpret_cast<HWND>(wp) != t_allowed) return 1;
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

ActivationGuard::ActivationGuard()
    : m_hook(SetWindowsHookExW(WH_CBT, RefuseActivation, nullptr, GetCurrentThreadId())) {}

ActivationGuard::~ActivationGuard() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    t_allowed = nullptr;
}

void ActivationGuard::Allow(HWND hwnd) {
    t_allowed = hwnd;
}

}  // namespace kortest
