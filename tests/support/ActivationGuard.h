#pragma once
// Test programs run side by side on one display. When a window of one program takes the
// foreground, Wine tells the program that had it to activate no window, and a program whose
// window loses the X input focus does the same to itself: the thread's focus goes (an open cell
// editor then closes). While a guard lives, its thread refuses to be left without an active
// window while that window is shown; activating one of its own windows, or another after
// hiding one, works as usual, so focus is tested as alone.
#include <windows.h>

namespace kortest {

class ActivationGuard {
public:
    ActivationGuard();
    ~ActivationGuard();
    ActivationGuard(const ActivationGuard&) = delete;
    ActivationGuard& operator=(const ActivationGuard&) = delete;

private:
    HHOOK m_hook;
};

}  // namespace kortest
