#pragma once
// The start of a real program as every tool has it: one instance at a time, and none while the
// import tool runs. The caller holds a ProgramStartLock.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/screens/ToolApp.h"
#include "framework/UniqueHandle.h"
#include "support/ProgramProcess.h"

namespace kortest {

// A second instance started while the first shows its main screen (captioned mainCaption) ends
// at once with exit code 0 and without a window; the first runs on.
inline void ExpectSecondInstanceEnds(const std::wstring& program, const std::wstring& mainCaption) {
    ProgramProcess first(program);
    ASSERT_TRUE(first.Started());
    ASSERT_NE(first.WaitForWindow(mainCaption, 30000), nullptr) << "no main screen";

    ProgramProcess second(program);
    ASSERT_TRUE(second.Started());
    int shown = 0;
    EXPECT_TRUE(second.EndsWithin(10000, &shown));
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_FALSE(first.VisibleWindows().empty());
}

// While the import tool runs (it holds its mutex, and the program's instance mutex exists too)
// the program shows only the fixed refusal and ends after its OK.
inline void ExpectImportToolBlocksTheStart(const std::wstring& program,
                                           const wchar_t* instanceMutex,
                                           const std::wstring& mainCaption) {
    const kor::UniqueKernelHandle own(CreateMutexW(nullptr, TRUE, instanceMutex));
    const kor::UniqueKernelHandle tool(CreateMutexW(nullptr, TRUE, kor::kImportToolMutex));
    ProgramProcess process(program);
    ASSERT_TRUE(process.Started());
    const HWND box = process.WaitForWindow(L"エラー", 30000);
    ASSERT_NE(box, nullptr) << "no message box";
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    EXPECT_STREQ(text, L"送信パターン情報取込ツール起動中は実行できません。");
    for (HWND hwnd : process.VisibleWindows()) {
        wchar_t caption[256] = {};
        GetWindowTextW(hwnd, caption, 256);
        EXPECT_NE(mainCaption, caption);
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(process.EndsWithin(10000));
}

}  // namespace kortest
