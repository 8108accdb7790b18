// The settings screens opened from the main screen DB300 and driven through their controls: a
// fixed-length pattern saved on DB303, a separated pattern saved on DB304 from a sample of the
// customer file and a consignor saved on DB305 are listed on the main screen at once, and each
// pattern reads a small customer file for that consignor.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "MainScreenHost.h"
#include "resources/debit/Kordb303DlgRes.h"
#include "resources/debit/Kordb304DlgRes.h"
#include "resources/debit/Kordb305DlgRes.h"
#include "support/ScreenActions.h"
#include "support/SubScreen.h"

namespace dbtest {
namespace {

using kortest::SubScreen;
using Texts = std::vector<std::string>;

// Saves "新しい固定長" on DB303: the required items of a 55-byte record.
void SaveFixedPattern(HWND dialog) {
    kortest::EnterNewName(dialog, IDC_DB303_NAME, L"新しい固定長");
    kortest::SetEdits(dialog, {{IDC_DB303_RECORD_LENGTH, L"55"},
                               {IDC_DB303_BANK_CODE_START, L"1"},
                               {IDC_DB303_BANK_CODE_LENGTH, L"4"},
                               {IDC_DB303_BRANCH_CODE_START, L"5"},
                               {IDC_DB303_BRANCH_CODE_LENGTH, L"3"},
                               {IDC_DB303_ACCOUNT_TYPE_START, L"8"},
                               {IDC_DB303_ACCOUNT_TYPE_LENGTH, L"1"},
                               {IDC_DB303_ACCOUNT_NUMBER_START, L"9"},
                               {IDC_DB303_ACCOUNT_NUMBER_LENGTH, L"7"},
                               {IDC_DB303_DEPOSITOR_START, L"16"},
                               {IDC_DB303_DEPOSITOR_LENGTH, L"30"},
                               {IDC_DB303_AMOUNT_START, L"46"},
                               {IDC_DB303_AMOUNT_LENGTH, L"10"}});
    kortest::UpdateAndLeave(dialog, IDC_DB303_UPDATE, IDC_DB303_BACK);
}

// Saves "新しいカンマ" on DB304 from the first line of sample: item k from its column k.
void SaveDelimPattern(HWND dialog, const std::string& sample) {
    kortest::EnterNewName(dialog, IDC_DB304_NAME, L"新しいカンマ");
    std::vector<std::pair<int, int>> itemColumns;
    for (int k = 0; k < db::kItemCount; ++k) itemColumns.emplace_back(k, k);
    kortest::DefineFromSample(dialog,
                              {.titleRows = IDC_DB304_TITLE_ROWS,
                               .dataRow = IDC_DB304_DATA_ROW,
                               .samplePath = IDC_DB304_SAMPLE_PATH,
                               .read = IDC_DB304_READ,
                               .sourceList = IDC_DB304_SOURCE_LIST,
                               .itemList = IDC_DB304_ITEM_LIST,
                               .define = IDC_DB304_DEFINE},
                              sample, itemColumns);
    kortest::UpdateAndLeave(dialog, IDC_DB304_UPDATE, IDC_DB304_BACK);
}

// Saves "新しい委託者" on DB305.
void SaveConsignor(HWND dialog) {
    kortest::Type(GetDlgItem(dialog, IDC_DB305_DESCRIPTION), L"新しい委託者");
    kortest::SetEdits(dialog, {{IDC_DB305_NAME, L"ｼﾝｷ ｼｮｳｼﾞ"},
                               {IDC_DB305_CODE, L"0000000099"},
                               {IDC_DB305_BRANCH_CODE, L"001"},
                               {IDC_DB305_BRANCH_NAME, L"ﾎﾝﾃﾝ"},
                               {IDC_DB305_ACCOUNT_NUMBER, L"1234567"}});
    kortest::UpdateAndLeave(dialog, IDC_DB305_UPDATE, IDC_DB305_BACK);
}

TEST_F(MainScreenTest, PatternsAndAConsignorSavedOnTheirScreensAreListedAndRead) {
    Open();
    const std::string csv = WriteFile("debits.csv", kTwoDebits);
    const int patterns = static_cast<int>(ComboTexts(IDC_DB300_PATTERN).size());
    const int consignors = static_cast<int>(ComboTexts(IDC_DB300_CONSIGNOR_LIST).size());

    ASSERT_EQ(SubScreen::Run(Hwnd(), IDC_DB300_FIXED_PATTERN, IDC_DB303_UPDATE, SaveFixedPattern),
              1);
    ASSERT_EQ(SubScreen::Run(Hwnd(), IDC_DB300_DELIM_PATTERN, IDC_DB304_ITEM_LIST,
                             [&csv](HWND dialog) { SaveDelimPattern(dialog, csv); }),
              1);
    ASSERT_EQ(SubScreen::Run(Hwnd(), IDC_DB300_CONSIGNOR, IDC_DB305_UPDATE, SaveConsignor), 1);
    // Each save asked before adding and reported its success.
    EXPECT_EQ(TakeShown(), (Texts{Message(3), Message(110, "パターン情報", "「ファイル読込」"),
                                  Message(3), Message(110, "パターン情報", "「ファイル読込」"),
                                  Message(3), Message(69, "委託者情報", "「ファイル読込」")}));

    const Texts patternNames = ComboTexts(IDC_DB300_PATTERN);
    ASSERT_EQ(patternNames.size(), static_cast<size_t>(patterns + 2));
    EXPECT_EQ(patternNames[patterns], "新しい固定長");
    EXPECT_EQ(patternNames[patterns + 1], "新しいカンマ");
    const Texts consignorNames = ComboTexts(IDC_DB300_CONSIGNOR_LIST);
    ASSERT_EQ(consignorNames.size(), static_cast<size_t>(consignors + 1));
    EXPECT_EQ(consignorNames[consignors], "新しい委託者");

    // The fixed-length pattern reads 55-byte records.
    const auto record = [](const std::string& codes, const std::string& name,
                           const std::string& amount) {
        return codes + name + std::string(30 - name.size(), ' ') + amount;
    };
    const std::string record1 = record("099812317654321", "ﾔﾏﾀﾞ ﾊﾅｺ", "0000001234");
    const std::string record2 = record("099821021111111", "ｶ)ｻｸﾗｼｮｳｶｲ", "0000320000");
    ASSERT_EQ(record1.size(), 55u);
    ASSERT_EQ(record2.size(), 55u);
    ReadFile(patterns, consignors, "fixed.dat", record1 + "\r\n" + record2 + "\r\n");
    EXPECT_EQ(TakeShown(), (Texts{Message(24, "読込"), Message(67, "読込", "変換後ファイル")}));
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(screen->DataSet()->details.size(), 2u);
    EXPECT_EQ(screen->DataSet()->totalText, "321234");
    ASSERT_NE(screen->DataSet()->consignor, nullptr);
    EXPECT_STREQ(screen->DataSet()->consignor->description, "新しい委託者");
    EXPECT_STREQ(screen->DataSet()->consignor->code, "0000000099");

    // The separated pattern reads the file its sample came from.
    Select(IDC_DB300_PATTERN, patterns + 1);
    Select(IDC_DB300_CONSIGNOR_LIST, consignors);
    SetText(IDC_DB300_INPUT, csv);
    Click(IDC_DB300_READ);
    EXPECT_EQ(TakeShown(), (Texts{Message(24, "読込"), Message(67, "読込", "変換後ファイル")}));
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(screen->DataSet()->details.size(), 2u);
    EXPECT_EQ(screen->DataSet()->totalText, "321234");
    EXPECT_EQ(screen->DataSet()->patternIndex, patterns + 1);
}

}  // namespace
}  // namespace dbtest
