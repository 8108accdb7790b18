// The delivered message master of the local-tax tool, loaded as the main screen loads it.
#include <gtest/gtest.h>

#include <string>

#include "localtax/ApMsgInfoList.h"
#include "support/MessageNumber.h"
#include "support/TestPaths.h"

namespace tx {
namespace {

TEST(TaxMessageMaster, TheDeliveredMasterLoadsFromTheProgramFolder) {
    // A copy of the delivered bytes: the table opens its file alone, and tests run side by side.
    const std::string bytes = kortest::ReadBytes(KOR_TX_PROGRAM_DIR "\\mstKORTX001.ini");
    ASSERT_FALSE(bytes.empty());
    const std::string folder = kortest::ScratchDirOfTest();
    ASSERT_TRUE(kortest::WriteBytes(folder + "mstKORTX001.ini", bytes));
    CApMsgInfoList table;
    ASSERT_EQ(table.Load(folder.substr(0, folder.size() - 1)), 0u);
    const struct {
        int id;
        const char* word1;
        const char* word2;
        const char* text;
        UINT style;
    } cases[] = {
        {1, nullptr, nullptr, "処理を終了します。よろしいですか？", MB_OKCANCEL | MB_ICONQUESTION},
        {19, "変換", nullptr, "変換処理を中断します。よろしいですか？",
         MB_OKCANCEL | MB_ICONQUESTION},
        {47, "C:\\src\\localtax\\KorTx305Dlg.cpp", "438",
         "処理中にエラーが発生しました。<KorTx305Dlg.cpp:438>", MB_OK | MB_ICONERROR},
        {70, "CHIHOU_ZEI_OUT_001.TXT ～ CHIHOU_ZEI_OUT_003.TXT", "3",
         "変換後ファイルの出力が完了しました。\nファイル名：CHIHOU_ZEI_OUT_001.TXT ～ "
         "CHIHOU_ZEI_OUT_003.TXT\nファイル数：3",
         MB_OK | MB_ICONINFORMATION},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.FormatMessage(kortest::MessageNo(c.id), c.word1, c.word2), c.text) << c.id;
        EXPECT_EQ(table.GetStyle(), c.style) << c.id;
    }
}

}  // namespace
}  // namespace tx
