// The real program: one instance at a time, beside a running transfer tool.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "debit/Kordb300App.h"
#include "framework/Cp932.h"
#include "support/ProgramStartChecks.h"

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

    kortest::ExpectSecondInstanceEnds(kProgram, kMainCaption);
    EXPECT_FALSE(transfer.VisibleWindows().empty());
}

TEST(Kordb300Program, TheImportToolBlocksTheStart) {
    const kortest::ProgramStartLock lock;
    kortest::ExpectImportToolBlocksTheStart(kProgram, db::kInstanceMutex, kMainCaption);
}

}  // namespace
