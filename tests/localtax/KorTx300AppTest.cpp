// The real program: one instance at a time, and none while the import tool runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/Cp932.h"
#include "localtax/KorTx300App.h"
#include "support/ProgramStartChecks.h"

namespace {

const std::wstring kProgram = kor::ToWide(KOR_TX_PROGRAM_DIR "\\KorTx300.exe");
const std::wstring kMainCaption = L"Ventrana 自社作成データ変換ツール(特別徴収地方税)";

TEST(KorTx300Program, ASecondInstanceEndsAtOnceWithoutAWindow) {
    const kortest::ProgramStartLock lock;
    kortest::ExpectSecondInstanceEnds(kProgram, kMainCaption);
}

TEST(KorTx300Program, TheImportToolBlocksTheStart) {
    const kortest::ProgramStartLock lock;
    kortest::ExpectImportToolBlocksTheStart(kProgram, tx::kInstanceMutex, kMainCaption);
}

}  // namespace
