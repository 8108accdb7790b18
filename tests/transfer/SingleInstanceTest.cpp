// One instance at a time: the real program started twice, and while the import tool runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/Cp932.h"
#include "support/ProgramStartChecks.h"
#include "transfer/Korxf300App.h"

namespace {

// --- The real program, twice ---------------------------------------------------------------------

const std::wstring kProgram = kor::ToWide(KOR_XF_PROGRAM);
const std::wstring kMainCaption = L"Ventrana 自社作成データ変換ツール（総合振込・給与賞与振込）";

// Both cases in one test: each takes the program's real mutex names, which no two tests may
// hold at once.
TEST(SingleInstanceProgram, ASecondInstanceEndsAtOnceAndTheImportToolBlocksTheStart) {
    const kortest::ProgramStartLock lock;
    kortest::ExpectSecondInstanceEnds(kProgram, kMainCaption);
    kortest::ExpectImportToolBlocksTheStart(kProgram, xf::kInstanceMutex, kMainCaption);
}

}  // namespace
