#pragma once
// Test programs run side by side on one display, and a window that becomes active takes the
// focus from another program's window (an open cell editor then closes). While a guard lives,
// no window of its thread becomes active but the one allowed (none at first).
#include <windows.h>

namespace kortest {

class ActivationGuard {
public:
    ActivationGuard();
    ~ActivationGuard();
    ActivationGuard(const ActivationGuard&) = delete;
    ActivationGuard& operator=(const ActivationGuard&) = delete;

    // The window that may become active (its focus is looked at), or null for none.
    static void Allow(HWND hwnd);

private:
    HHOOK m_hook;
};

}  // namespace kortest
