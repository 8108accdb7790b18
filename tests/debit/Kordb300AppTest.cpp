// The real program: one instance at a time, beside a running transfer tool.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "debit/Kordb300App.h"
#include "framework/Cp932.h"
#include "support/ProgramProcess.h"

namespace {

using kortest::ProgramProcess;

const std::wstring kProgram = kor::ToWide(KOR_DB_PROGRAM);
const std::wstring kTransferProgram = kor::ToWide(KOR_XF_PROGRAM);
const std::wstring kMainCaption = L"Ventrana 自社作成データ変換ツール（口座振替）";
const std::wstring kTransferCaption =
    L"Ventrana 自社作成データ変換ツール（総合振込・給与賞与振込）";

TEST(Kordb300Program, RunsBesideTheTransferToolAndASecondInstanceEndsAtOnce) {
    const kortest::ProgramStartLock lock;
    ProgramProcess transfer(kTransferProgram);
    ASSERT_TRUE(transfer.Started());
    ASSERT_NE(transfer.WaitForWindow(kTransferCaption, 30000), nullptr) << "no transfer tool";

    ProgramProcess first(kProgram);
    ASSERT_TRUE(first.Started());
    EXPECT_NE(first.WaitForWindow(kMainCaption, 30000), nullptr) << "no main screen";

    ProgramProcess second(kProgram);
    ASSERT_TRUE(second.Started());
    int shown = 0;
    EXPECT_TRUE(second.EndsWithin(10000, &shown));
    EXPECT_EQ(shown, 0);
    EXPECT_FALSE(first.VisibleWindows().empty());
    EXPECT_FALSE(transfer.VisibleWindows().empty());
}

TEST(Kordb300Program, TheImportToolBlocksTheStart) {
    const kortest::ProgramStartLock lock;
    const kor::UniqueKernelHandle own(CreateMutexW(nullptr, TRUE, db::kInstanceMutex));
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
