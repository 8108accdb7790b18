// Test programs run side by side on one display: another program that brings a window to the
// foreground must not take the focus from a test's open cell editor (every test program runs
// its tests under the activation guard).
#include <gtest/gtest.h>
#include <windows.h>

#include "GridTestHost.h"
#include "framework/UniqueHandle.h"

namespace {

using kortest::GridTestHost;

// Stands for another program: a window of another thread, shown as a program shows its main
// window, which takes the foreground.
DWORD WINAPI ShowAWindowOfItsOwn(void*) {
    const kor::UniqueWindow other(CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW, 0, 0,
                                                  200, 100, nullptr, nullptr, nullptr, nullptr));
    if (!other) return 1;
    ShowWindow(other.get(), SW_SHOW);
    // Other test programs share the display and may take the foreground at the same moment:
    // this program asks again until its window has it.
    for (int attempt = 0; attempt < 50; ++attempt) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (GetForegroundWindow() == other.get()) return 0;
        SetForegroundWindow(other.get());
        Sleep(10);
    }
    return 2;
}

// Runs ShowAWindowOfItsOwn on a thread of its own while this thread answers its messages.
DWORD RunAnotherProgram(const GridTestHost& host) {
    const kor::UniqueKernelHandle thread(
        CreateThread(nullptr, 0, ShowAWindowOfItsOwn, nullptr, 0, nullptr));
    if (!thread) return 1;
    HANDLE handle = thread.get();
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        host.Pump();
    }
    host.Pump();
    DWORD code = 1;
    GetExitCodeThread(handle, &code);
    return code;
}

TEST(ActivationGuard, AnotherProgramTakingTheForegroundLeavesAnOpenEditorOpen) {
    GridTestHost host;
    host.Fill(5, 5);
    // The test program had the foreground: the other program's window takes it from it.
    SetForegroundWindow(host.Dialog());
    host.Grid().SetRow(2);
    host.Grid().SetCol(1);
    host.Key(VK_RETURN);
    ASSERT_TRUE(host.EditorShown());
    ASSERT_EQ(GetFocus(), host.Editor());
    ASSERT_EQ(RunAnotherProgram(host), 0u);
    EXPECT_TRUE(host.EditorShown());
    EXPECT_EQ(GetFocus(), host.Editor());
    EXPECT_EQ(GetActiveWindow(), host.Dialog());
}

}  // namespace
