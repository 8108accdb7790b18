#include "localtax/ApMsgInfoList.h"

#include <gtest/gtest.h>

#include <string>

#include "support/MessageNumber.h"
#include "support/MessageScript.h"
#include "support/TestPaths.h"

namespace tx {
namespace {

std::string Line(const char* id, const char* type, const char* icon, const char* text) {
    return std::string("\"") + id + "\",\"" + type + "\",\"" + icon + "\",\"" + text + "\"\r\n";
}

const std::string kMaster = Line("1", "1", "32", "処理を終了します。よろしいですか？") +
                            Line("47", "0", "16", "内部エラーです。<%s:%s>") +
                            Line("48", "0", "64", "%sが完了しました。%sを確認してください。");

// A program folder (without its trailing backslash) holding the given master.
std::string FolderWith(const std::string& content) {
    std::string dir = kortest::ScratchDirOfTest();
    EXPECT_TRUE(kortest::WriteBytes(dir + CApMsgInfoList::kFileName, content));
    dir.pop_back();
    return dir;
}

TEST(TaxMessageTable, LoadsTheMasterOfTheProgramFolder) {
    CApMsgInfoList table;
    ASSERT_EQ(table.Load(FolderWith(kMaster)), 0u);
    EXPECT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.GetText(1), "処理を終了します。よろしいですか？");
}

TEST(TaxMessageTable, LoadFailuresGiveThisToolsCodesAndKeepTheTable) {
    CApMsgInfoList table;
    const std::string folder = FolderWith(kMaster);
    ASSERT_EQ(table.Load(folder), 0u);
    const std::string missing = kortest::ScratchDir("TaxMessageTableMissing");
    const std::string tooLong = "C:\\" + std::string(250, 'a');
    struct {
        std::string folder;
        DWORD result;
    } const cases[] = {
        {"", CApMsgInfoList::kCannotOpen},
        {missing.substr(0, missing.size() - 1), CApMsgInfoList::kCannotOpen},
        {tooLong, CApMsgInfoList::kCannotOpen},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.Load(c.folder), c.result) << c.folder;
        EXPECT_EQ(table.Count(), 3u) << c.folder;
    }
}

TEST(TaxMessageTable, ALineOutOfFormatIsABrokenMaster) {
    CApMsgInfoList table;
    EXPECT_EQ(table.Load(FolderWith(Line("1", "0", "16", "a") + "\"2\",\"0\",\"16\"\r\n")),
              CApMsgInfoList::kBroken);
}

TEST(TaxMessageTable, TheFaultMessageShowsOnlyTheFileNameOfItsFirstWord) {
    CApMsgInfoList table;
    ASSERT_EQ(table.Load(FolderWith(kMaster)), 0u);
    struct {
        const char* word;
        const char* shown;
    } const cases[] = {
        {"C:\\src\\localtax\\TaxWriter.cpp", "TaxWriter.cpp"},
        {"KorTx300Dlg", "KorTx300Dlg"},
        // "表" ends in the byte of a backslash: the name is not cut inside it.
        {"D:\\一覧表.cpp", "一覧表.cpp"},
        {"D:\\src\\", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.FormatMessage(kortest::MessageNo(47), c.word, "642"),
                  std::string("内部エラーです。<") + c.shown + ":642>")
            << c.word;
    }
    // Other messages keep their words whole.
    EXPECT_EQ(table.FormatMessage(kortest::MessageNo(48), "C:\\a\\b", "C:\\c"),
              "C:\\a\\bが完了しました。C:\\cを確認してください。");
}

// Shared code takes the table as the shared class and shows the local-tax texts through it.
int ShowThroughSharedTable(::CApMsgInfoList& messages, const char* word) {
    return messages.ShowMessage(nullptr, kortest::MessageNo(47), word, "12");
}

TEST(TaxMessageTable, ShowsItsOwnBoxesWithCaptionAndStyleOfTheEntry) {
    CApMsgInfoList table;
    ASSERT_EQ(table.Load(FolderWith(kMaster)), 0u);
    kortest::MessageScript script({IDCANCEL});
    EXPECT_EQ(table.ShowMessage(nullptr, kortest::MessageNo(1)), IDCANCEL);
    EXPECT_EQ(ShowThroughSharedTable(table, "C:\\work\\ReadEngine.cpp"), IDOK);
    ASSERT_EQ(script.Shown().size(), 2u);
    EXPECT_EQ(script.Shown()[0].text, "処理を終了します。よろしいですか？");
    EXPECT_EQ(script.Shown()[0].caption, "確認");
    EXPECT_EQ(script.Shown()[0].style, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(script.Shown()[1].text, "内部エラーです。<ReadEngine.cpp:12>");
    EXPECT_EQ(script.Shown()[1].caption, "エラー");
    EXPECT_EQ(script.Shown()[1].style, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

}  // namespace
}  // namespace tx
