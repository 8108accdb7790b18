// One instance at a time: the real program started twice, and while the import tool runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "support/ProgramProcess.h"
#include "transfer/Korxf300App.h"

namespace {

// --- The real program, twice ---------------------------------------------------------------------

using Process = kortest::ProgramProcess;

const std::wstring kProgram = kor::ToWide(KOR_XF_PROGRAM);
const std::wstring kMainCaption = L"Ventrana 自社作成データ変換ツール（総合振込・給与賞与振込）";

// Both cases in one test: each takes the program's real mutex names, which no two tests may
// hold at once.
TEST(SingleInstanceProgram, ASecondInstanceEndsAtOnceAndTheImportToolBlocksTheStart) {
    const kortest::ProgramStartLock lock;
    {
        Process first(kProgram);
        ASSERT_TRUE(first.Started());
        ASSERT_NE(first.WaitForWindow(kMainCaption, 30000), nullptr) << "no main screen";

        Process second(kProgram);
        ASSERT_TRUE(second.Started());
        int shown = 0;
        EXPECT_TRUE(second.EndsWithin(10000, &shown));
        EXPECT_EQ(shown, 0);
        EXPECT_EQ(second.ExitCode(), 0u);
        EXPECT_FALSE(first.VisibleWindows().empty());  // the first one runs on
    }
    {
        // The import tool runs: it holds its mutex, and the instance mutex exists too.
        const kor::UniqueKernelHandle own(CreateMutexW(nullptr, TRUE, xf::kInstanceMutex));
        const kor::UniqueKernelHandle tool(CreateMutexW(nullptr, TRUE, xf::kImportToolMutex));
        Process program(kProgram);
        ASSERT_TRUE(program.Started());
        const HWND box = program.WaitForWindow(L"エラー", 30000);
        ASSERT_NE(box, nullptr) << "no message box";
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        EXPECT_STREQ(text, L"送信パターン情報取込ツール起動中は実行できません。");
        for (HWND hwnd : program.VisibleWindows()) {
            wchar_t caption[256] = {};
            GetWindowTextW(hwnd, caption, 256);
            EXPECT_NE(kMainCaption, caption);
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(program.EndsWithin(10000));
    }
}

}  // namespace
