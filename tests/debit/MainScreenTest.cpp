// The direct-debit main screen driven through its controls: its start, a read, an output, the
// settings-changed question, a damaged consignor and the refusal of records in error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainScreenHost.h"
#include "common/base/MasterText.h"
#include "debit/ConsignorTip.h"
#include "debit/DebitWriter.h"
#include "support/TestPaths.h"

namespace dbtest {
namespace {

using kortest::ReadBytes;
using Texts = std::vector<std::string>;

TEST_F(MainScreenTest, StartsWithItsMastersAndListsConsignorsAndPatterns) {
    Open();
    EXPECT_EQ(Text(IDC_DB300_VERSION), "(Ver4.11)");
    EXPECT_EQ(ComboTexts(IDC_DB300_PATTERN), (Texts{"振替カンマ", "振替改行なし"}));
    EXPECT_EQ(ComboTexts(IDC_DB300_CONSIGNOR_LIST),
              (Texts{"委託社　普通", "委託社　納税準備", "壊れた行"}));
    EXPECT_EQ(ComboTexts(IDC_DB300_MONTH).size(), 12u);
    EXPECT_EQ(ComboTexts(IDC_DB300_DAY).size(), 31u);
    EXPECT_EQ(Text(IDC_DB300_MONTH), " 1");
    EXPECT_FALSE(Enabled(IDC_DB300_CORRECT));
    EXPECT_FALSE(Enabled(IDC_DB300_CHECK));
    EXPECT_FALSE(Enabled(IDC_DB300_OUTPUT_DATA));
    EXPECT_TRUE(TakeShown().empty());
}

// Every read of this tool is an account transfer, whatever kind code a hand-edited pattern
// line carries.
TEST_F(MainScreenTest, TheDataSetIsAnAccountTransferWhateverThePatternsKindCode) {
    for (const char* code : {"01", "02", "09"}) {
        std::string line = kFixturePatternLines[kComma];
        line.replace(1, 2, code);
        WriteMaster("mstKORDB301.ini", {line});
        screen = std::make_unique<CTestedScreen>(folder);
        Open();
        ReadFile(kComma, kOrdinaryConsignor, "debits.csv", kTwoDebits);
        ASSERT_NE(screen->DataSet(), nullptr) << code;
        EXPECT_EQ(screen->DataSet()->kind, 3) << code;
        TakeShown();
    }
}

TEST_F(MainScreenTest, ABrokenPatternMasterEndsTheStartWithTextC) {
    WriteMaster("mstKORDB301.ini", {"\"03\",\"short line\""});
    Open();
    EXPECT_EQ(TakeShown(),
              Texts{"処理に必要なファイルが破損しています。再インストールして下さい。<C>"});
}

TEST_F(MainScreenTest, ReadsTheCustomerFileAndCompletesTheDataSet) {
    Open();
    Select(IDC_DB300_MONTH, 5);
    Select(IDC_DB300_DAY, 26);
    const std::string input = ReadFile(kComma, kOrdinaryConsignor, "debits.csv", kTwoDebits);
    EXPECT_EQ(TakeShown(), (Texts{Message(24, "読込"), Message(67, "読込", "変換後ファイル")}));
    const db::CDataSet* data = screen->DataSet();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->details.size(), 2u);
    EXPECT_EQ(data->month, "6");
    EXPECT_EQ(data->day, "27");
    EXPECT_EQ(data->inputFileName, input);
    EXPECT_EQ(data->kind, 3);
    EXPECT_EQ(data->patternIndex, kComma);
    EXPECT_EQ(data->outputLengthCode, 1);
    EXPECT_EQ(data->lineBreak, 1);
    EXPECT_EQ(data->zeroOption, 1);
    EXPECT_EQ(data->errorFree, 1);
    ASSERT_NE(data->consignor, nullptr);
    EXPECT_STREQ(data->consignor->code, "0123456789");
    EXPECT_TRUE(Enabled(IDC_DB300_CORRECT));
    EXPECT_TRUE(Enabled(IDC_DB300_OUTPUT_DATA));
    EXPECT_FALSE(Enabled(IDC_DB300_CHECK));
}

// The demo program folder of tools/run-demo.sh: its customer file reads without an error or a
// warning through its pattern and consignor, and the screen writes its file.
TEST_F(MainScreenTest, TheDemoFileReadsCleanAndIsWritten) {
    WriteFile("mstKORDB301.ini", kortest::DemoFile(KOR_DB_DEMO_DIR, "mstKORDB301.utf8"));
    WriteFile("mstKORDB302.ini", kortest::DemoFile(KOR_DB_DEMO_DIR, "mstKORDB302.utf8"));
    const std::string input =
        WriteFile("demo-debits.csv", kortest::DemoFile(KOR_DB_DEMO_DIR, "demo-debits.csv.utf8"));
    Open();
    EXPECT_EQ(ComboTexts(IDC_DB300_PATTERN).size(), 1u);
    EXPECT_EQ(ComboTexts(IDC_DB300_CONSIGNOR_LIST).size(), 1u);
    SetText(IDC_DB300_INPUT, input);
    Click(IDC_DB300_READ);
    EXPECT_EQ(TakeShown(), (Texts{Message(24, "読込"), Message(67, "読込", "変換後ファイル")}));
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(screen->DataSet()->details.size(), 3u);
    SetText(IDC_DB300_OUTPUT, folder + "demo-debits_out.txt");
    Click(IDC_DB300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), (Texts{Message(24, "出力"), Message(75)}));
    EXPECT_EQ(ReadBytes(folder + "demo-debits_out.txt").size(), 122u * (3 + 3) + 1);
}

TEST_F(MainScreenTest, ARecordInErrorIsReadWithMessage68) {
    Open();
    ReadFile(kComma, kOrdinaryConsignor, "bad.csv",
             "0998,ｶｴﾃﾞｷﾞﾝｺｳ,123,ｼﾃﾝB,1,7654321,ﾔﾏﾀﾞ ﾊﾅｺ,0,1,CUST-01\r\n");
    const Texts shown = TakeShown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[1], Message(68, "読込", "変換後ファイル"));
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(screen->DataSet()->errorFree, 0);
}

TEST_F(MainScreenTest, ADamagedConsignorIsRefusedBeforeAnythingIsRead) {
    Open();
    ReadFile(kComma, kDamagedConsignor, "debits.csv", kTwoDebits);
    EXPECT_EQ(TakeShown(), Texts{Message(114, "支店名(ｶﾅ)")});
    EXPECT_EQ(screen->DataSet(), nullptr);
    EXPECT_FALSE(Enabled(IDC_DB300_OUTPUT_DATA));
}

// Every byte of a literal, a NUL inside it included.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

TEST_F(MainScreenTest, AConsignorFieldHoldingAControlByteIsRefusedNamingTheField) {
    // A NUL would cut the field short (the header got the name up to it); the others are no
    // text the consignor screen would save either.
    const struct {
        size_t field;  // in the master line
        std::string text;
        const char* word;
    } cases[] = {
        {0, Bytes("ｶ)ｲﾀｸ\0ｼｬ"), "委託者名(ｶﾅ)"},
        {1,
         Bytes("01234\0"
               "6789"),
         "委託者コード"},
        {3, Bytes("ﾎﾝ\0"), "支店名(ｶﾅ)"},
        {5,
         "12345\x7F"
         "7",
         "口座番号"},
        {6, "委託社\t普通", "登録内容の説明"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> fields =
            CMasterText::SplitFields(kFixtureConsignorLines[kOrdinaryConsignor]);
        fields[c.field] = c.text;
        WriteMaster("mstKORDB302.ini", {CMasterText::FormatFields(fields)});
        screen = std::make_unique<CTestedScreen>(folder);
        Open();
        ReadFile(kComma, kOrdinaryConsignor, "debits.csv", kTwoDebits);
        EXPECT_EQ(TakeShown(), Texts{Message(114, c.word)}) << c.word;
        EXPECT_EQ(screen->DataSet(), nullptr) << c.word;
        screen.reset();
    }
}

TEST_F(MainScreenTest, AStoredPatternWithOutputCodesNoneOfOursIsNamedAndNothingIsRead) {
    // Specified byte (field 33) and line break (field 34) as a hand edit leaves them.
    const struct {
        const char* name;
        const char* length;
        const char* lineBreak;
    } cases[] = {{"長さ4", "4", "1"}, {"長さ空", "", "0"}, {"改行2", "2", "2"}};
    std::vector<std::string> lines;
    for (const auto& c : cases) {
        std::vector<std::string> fields = CMasterText::SplitFields(kFixturePatternLines[kComma]);
        fields[3] = c.name;
        fields[32] = c.length;
        fields[33] = c.lineBreak;
        lines.push_back(CMasterText::FormatFields(fields));
    }
    WriteMaster("mstKORDB301.ini", lines);
    Open();
    for (size_t i = 0; i < std::size(cases); ++i) {
        script.Answer(IDOK);
        ReadFile(static_cast<int>(i), kOrdinaryConsignor, "debits.csv", kTwoDebits);
        EXPECT_EQ(TakeShown(), (Texts{Message(24, "読込"), Message(115, cases[i].name)}))
            << cases[i].name;
        EXPECT_EQ(GetFocus(), Item(IDC_DB300_PATTERN)) << cases[i].name;
        EXPECT_EQ(screen->DataSet(), nullptr) << cases[i].name;
        EXPECT_FALSE(Enabled(IDC_DB300_OUTPUT_DATA)) << cases[i].name;
    }
}

TEST_F(MainScreenTest, NoConsignorChosenNamesTheConsignorInMessage38) {
    WriteMaster("mstKORDB302.ini", {});
    Open();
    ReadFile(kComma, 0, "debits.csv", kTwoDebits);
    EXPECT_EQ(TakeShown(), Texts{Message(38, "委託情報")});
}

TEST_F(MainScreenTest, OutputsTheDirectDebitFileAsTheWriterLaysItOut) {
    Open();
    ReadFile(kCommaNoBreak, kOrdinaryConsignor, "debits.csv", kTwoDebits);
    TakeShown();
    ASSERT_NE(screen->DataSet(), nullptr);
    const std::string output = folder + "out.txt";
    SetText(IDC_DB300_OUTPUT, " " + output);
    Click(IDC_DB300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), (Texts{Message(24, "出力"), Message(75)}));

    const db::CDataSet& data = *screen->DataSet();
    EXPECT_EQ(data.outputDone, 1);
    EXPECT_TRUE(data.outputTime.has_value());
    EXPECT_EQ(data.outputFileName, output);
    EXPECT_TRUE(Enabled(IDC_DB300_CHECK));

    // The same data set written by the writer alone.
    const std::string expected = folder + "expected.txt";
    db::CDebitWriter writer;
    writer.SetData(&data, expected);
    ASSERT_EQ(writer.Run(), 0);
    const std::string bytes = ReadBytes(output);
    EXPECT_EQ(bytes, ReadBytes(expected));
    // Header, two debits, trailer and end record of 128 bytes without line breaks, the end byte.
    EXPECT_EQ(bytes.size(), 5u * 128 + 1);
    EXPECT_NE(bytes.find("0123456789"), std::string::npos);  // the consignor's code
}

TEST_F(MainScreenTest, AnOutputNameWithSlashesIsKeptWithBackslashes) {
    Open();
    ReadFile(kComma, kOrdinaryConsignor, "debits.csv", kTwoDebits);
    ASSERT_NE(screen->DataSet(), nullptr);
    std::string typed = folder + "slash.txt";
    for (char& c : typed) {
        if (c == '\\') c = '/';
    }
    SetText(IDC_DB300_OUTPUT, typed);
    Click(IDC_DB300_OUTPUT_DATA);
    EXPECT_EQ(screen->DataSet()->outputFileName, folder + "slash.txt");
}

struct SettingsCase {
    const char* name;
    int pattern, month, day, consignor;  // the choices after the read (pattern 0, 1 Jan, 0)
    int code;
};

class SettingsChangedTest : public MainScreenTest,
                            public testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsChangedTest, GivesTheCodeOfTheFirstChangeAndMessage83) {
    const SettingsCase& c = GetParam();
    Open();
    ReadFile(kComma, kOrdinaryConsignor, "debits.csv", kTwoDebits);
    TakeShown();
    Select(IDC_DB300_PATTERN, c.pattern);
    Select(IDC_DB300_MONTH, c.month);
    Select(IDC_DB300_DAY, c.day);
    Select(IDC_DB300_CONSIGNOR_LIST, c.consignor);
    EXPECT_EQ(screen->HaveSettingsChanged(), c.code);

    // Message 83 goes on whatever its answer; the question to go on stops the output.
    script.Answer(IDCANCEL);
    script.Answer(IDCANCEL);
    SetText(IDC_DB300_OUTPUT, folder + "out.txt");
    Click(IDC_DB300_OUTPUT_DATA);
    const Texts shown = TakeShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front() == Message(83), c.code != 0) << shown.front();
}

const SettingsCase kSettingsCases[] = {
    {"Nothing", 0, 0, 0, 0, 0}, {"Pattern", 1, 0, 0, 0, 1},   {"Month", 0, 1, 0, 0, 3},
    {"Day", 0, 0, 1, 0, 4},     {"Consignor", 0, 0, 0, 1, 2}, {"PatternAndDay", 1, 0, 1, 0, 1},
};

INSTANTIATE_TEST_SUITE_P(MainScreen, SettingsChangedTest, testing::ValuesIn(kSettingsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Only the new code or only the customer number carries an error flag.
class FlaggedItemTest : public MainScreenTest, public testing::WithParamInterface<int> {};

TEST_P(FlaggedItemTest, RefusesTheOutputWithMessage20) {
    Open();
    ReadFile(kComma, kOrdinaryConsignor, "debits.csv", kTwoDebits);
    TakeShown();
    ASSERT_NE(screen->DataSet(), nullptr);
    screen->DataSet()->details[1]->SetResult(GetParam(), 1);
    SetText(IDC_DB300_OUTPUT, folder + "out.txt");
    Click(IDC_DB300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), Texts{Message(20)});
    EXPECT_EQ(ReadBytes(folder + "out.txt"), "");
    EXPECT_EQ(screen->DataSet()->outputDone, 0);
}

INSTANTIATE_TEST_SUITE_P(MainScreen, FlaggedItemTest,
                         testing::Values(db::kNewCode, db::kCustomerNumber));

TEST(ConsignorTip, ListsTheConsignorsBankDataWithTheAccountTypeAsText) {
    db::CConsignorInfo c{"ｶ)ｲﾀｸｼｬ", "0123456789", "001", "ﾎﾝﾃﾝ", "3", "1234567", "説明", 0};
    EXPECT_EQ(db::ConsignorTipText(c),
              "委託者名(ｶﾅ)　　　ｶ)ｲﾀｸｼｬ\n"
              "委託者コード　　　0123456789\n"
              "金融機関コード　　0998\n"
              "金融機関名(ｶﾅ)　　ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ\n"
              "支店コード　　　　001\n"
              "支店名(ｶﾅ)　　　　ﾎﾝﾃﾝ\n"
              "科目　　　　　　　納税準備預金\n"
              "口座番号　　　　　1234567");
    const struct {
        const char* type;
        const char* text;
    } cases[] = {{"1", "普通預金"}, {"2", "当座預金"}, {"3", "納税準備預金"},
                 {"4", ""},         {"9", "その他"},   {"", ""}};
    for (const auto& t : cases) EXPECT_EQ(db::AccountTypeText(t.type), t.text) << t.type;
}

}  // namespace
}  // namespace dbtest
