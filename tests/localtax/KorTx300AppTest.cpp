// The real program: one instance at a time, and none while the import tool runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/Cp932.h"
#include "localtax/KorTx300App.h"
#include "support/ProgramProcess.h"

namespace {

using kortest::ProgramProcess;

const std::wstring kProgram = kor::ToWide(KOR_TX_PROGRAM_DIR "\\KorTx300.exe");
const std::wstring kMainCaption = L"Ventrana 自社作成データ変換ツール(特別徴収地方税)";

TEST(KorTx300Program, ASecondInstanceEndsAtOnceWithoutAWindow) {
    const kortest::ProgramStartLock lock;
    ProgramProcess first(kProgram);
    ASSERT_TRUE(first.Started());
    ASSERT_NE(first.WaitForWindow(kMainCaption, 30000), nullptr) << "no main screen";

    ProgramProcess second(kProgram);
    ASSERT_TRUE(second.Started());
    int shown = 0;
    EXPECT_TRUE(second.EndsWithin(10000, &shown));
    EXPECT_EQ(shown, 0);
    EXPECT_FALSE(first.VisibleWindows().empty());
}

TEST(KorTx300Program, TheImportToolBlocksTheStart) {
    const kortest::ProgramStartLock lock;
    const kor::UniqueKernelHandle own(CreateMutexW(nullptr, TRUE, tx::kInstanceMutex));
    const kor::UniqueKernelHandle tool(CreateMutexW(nullptr, TRUE, kor::kImportToolMutex));
    ProgramProcess program(kProgram);
    ASSERT_TRUE(program.Started());
    const HWND box = program.WaitForWindow(L"エラー", 30000);
    ASSERT_NE(box, nullptr) << "no message box";
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    EXPECT_STREQ(text, L"送信パターン情報取込ツール起動中は実行できません。");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(program.EndsWithin(10000));
}

}  // namespace
