// The main screen's output: the transfer file it writes, the checks of the output path and of
// the records, and the state it leaves.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MainScreenHost.h"
#include "framework/Cp932.h"
#include "support/TestPaths.h"

namespace {

using kortest::MainScreenTest;

// text cut or filled with blanks to width.
std::string Field(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// A record of the transfer file: its pieces in order, filled with blanks to size.
std::string Record(const std::vector<std::string>& pieces, size_t size, bool lineBreak) {
    std::string record;
    for (const std::string& piece : pieces) record += piece;
    return Field(record, size) + (lineBreak ? "\r\n" : "");
}

// The transfer file of kTwoTransfers read with the general comma pattern, the general requester
// and 15 March.
std::string ExpectedGeneralFile() {
    return Record({"1", "21", "0", "0000012345", Field("ﾃｽﾄｼｮｳｼﾞ(ｶ", 40), "03", "15", "0998",
                   Field("ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ", 15), "001", Field("ﾎﾝﾃﾝ", 15), "1", "1234567"},
                  120, true) +
           Record({"2", "0005", Field("ﾐｽﾞﾎ", 15), "001", Field("ﾎﾝﾃﾝ", 15), "0000", "1", "1234567",
                   Field("ﾔﾏﾀﾞ ﾀﾛｳ", 30), "0000015000", "0", Field("C001", 10), Field("", 10), "7",
                   " "},
                  120, true) +
           Record({"2", "0009", Field("ﾐﾂｲｽﾐﾄﾓ", 15), "210", Field("ｼﾌﾞﾔ", 15), "0000", "2",
                   "7654321", Field("ｶ)ｻｸﾗｼｮｳｶｲ", 30), "0000320000", "0", Field("C002", 10),
                   Field("C002B", 10), "7", " "},
                  120, true) +
           Record({"8", "000002", "000000335000"}, 120, true) + Record({"9"}, 120, true) + "\x1A";
}

class OutputTest : public MainScreenTest {
protected:
    // Reads kTwoTransfers for 15 March with the general pattern and forgets the boxes.
    void ReadGeneral() {
        Open();
        SelectDate(3, 15);
        input = ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv",
                         kortest::kTwoTransfers);
        ASSERT_NE(screen->DataSet(), nullptr);
        TakeShown();
        output = folder + "out.txt";
        SetText(IDC_XF300_OUTPUT, output);
    }
    bool OutputExists() const {
        return GetFileAttributesW(kor::ToWide(output).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::string input, output;
};

TEST_F(OutputTest, WritesTheTransferFileOfTheReadByteForByte) {
    ReadGeneral();
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "出力"), Message(75)}));
    EXPECT_EQ(kortest::ReadBytes(output), ExpectedGeneralFile());
    const xf::CDataSet* data = screen->DataSet();
    EXPECT_EQ(data->outputDone, 1);
    EXPECT_TRUE(data->outputTime.has_value());
    EXPECT_TRUE(Enabled(IDC_XF300_CHECK));
    EXPECT_TRUE(Enabled(IDC_XF300_OUTPUT_DATA));
    // Nothing but the output appeared beside the input.
    EXPECT_EQ(kortest::FolderEntries(folder),
              (std::vector<std::string>{"in.csv", "mstKORXF001.ini", "mstKORXF301.ini",
                                        "mstKORXF302.ini", "out.txt"}));
}

TEST_F(OutputTest, ABonusFileOf126ByteRecordsWithoutLineBreaks) {
    Open();
    Select(IDC_XF300_PATTERN, kortest::kSalaryComma);
    CheckRadioButton(Hwnd(), IDC_XF300_SALARY, IDC_XF300_BONUS, IDC_XF300_BONUS);
    Select(IDC_XF300_REQUESTER_LIST, kortest::kSalaryRequester);
    SetText(IDC_XF300_INPUT, WriteFile("in.csv", kortest::kTwoTransfers));
    Click(IDC_XF300_READ);
    SetText(IDC_XF300_OUTPUT, folder + "bonus.txt");
    Click(IDC_XF300_OUTPUT_DATA);
    const std::string file = kortest::ReadBytes(folder + "bonus.txt");
    ASSERT_EQ(file.size(), 126u * 5 + 1);
    EXPECT_EQ(file.substr(0, 14),
              "1120"
              "0000054321");
    EXPECT_EQ(file.find("\r\n"), std::string::npos);
    EXPECT_EQ(file.substr(126 * 4, 1), "9");
    EXPECT_EQ(file.back(), '\x1A');
}

// --- Settings changed since the read ------------------------------------------------------------

class SettingsChangeTest;

struct ChangeCase {
    const char* name;
    std::function<void(SettingsChangeTest&)> change;
};

class SettingsChangeTest : public OutputTest, public testing::WithParamInterface<ChangeCase> {
public:
    using MainScreenTest::Hwnd;
    using MainScreenTest::Select;
    using MainScreenTest::SelectDate;
};

const ChangeCase kChanges[] = {
    {"Month", [](SettingsChangeTest& t) { t.SelectDate(4, 15); }},
    {"Day", [](SettingsChangeTest& t) { t.SelectDate(3, 16); }},
    {"Pattern",
     [](SettingsChangeTest& t) { t.Select(IDC_XF300_PATTERN, kortest::kGeneralZeroSkips); }},
    {"Requester",
     [](SettingsChangeTest& t) {
         t.Select(IDC_XF300_REQUESTER_LIST, kortest::kOtherAccountRequester);
     }},
    {"Bonus",
     [](SettingsChangeTest& t) {
         CheckRadioButton(t.Hwnd(), IDC_XF300_SALARY, IDC_XF300_BONUS, IDC_XF300_BONUS);
     }},
};

TEST_P(SettingsChangeTest, WarnsAndWritesTheDataAsRead) {
    ReadGeneral();
    GetParam().change(*this);
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(),
              (std::vector<std::string>{Message(83), Message(24, "出力"), Message(75)}));
    EXPECT_EQ(kortest::ReadBytes(output), ExpectedGeneralFile());
}

INSTANTIATE_TEST_SUITE_P(MainScreen, SettingsChangeTest, testing::ValuesIn(kChanges),
                         [](const testing::TestParamInfo<ChangeCase>& info) {
                             return std::string(info.param.name);
                         });

// --- The output path
// ------------------------------------------------------------------------------

struct PathCase {
    const char* name;
    std::function<std::string(const std::string& folder, const std::string& input)> path;
    int message;
    const char* word1;
    const char* word2;
};

class OutputPathTest : public OutputTest, public testing::WithParamInterface<PathCase> {};

std::string Slashed(std::string path) {
    for (char& ch : path) {
        if (ch == '\\') ch = '/';
    }
    return path;
}

std::string Upper(std::string path) {
    for (char& ch : path) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    return path;
}

const PathCase kPaths[] = {
    {"Empty", [](auto&, auto&) { return std::string("  "); }, 54, "変換後ファイル名", nullptr},
    {"BadCharacter", [](auto& f, auto&) { return f + "out?.txt"; }, 22, nullptr, nullptr},
    {"NoFileName", [](auto& f, auto&) { return f; }, 54, "変換後ファイル名", nullptr},
    {"NoDrive", [](auto&, auto&) { return std::string("out.txt"); }, 106, nullptr, nullptr},
    {"NoSuchDrive",
     [](auto&, auto&) { return std::string(1, kortest::MissingDriveLetter()) + ":\\out.txt"; }, 106,
     nullptr, nullptr},
    {"NoSuchFolder", [](auto& f, auto&) { return f + "none\\out.txt"; }, 23, nullptr, nullptr},
    {"AFolder",
     [](auto& f, auto&) {
         CreateDirectoryW(kor::ToWide(f + "sub").c_str(), nullptr);
         return f + "sub";
     },
     54, "変換後ファイル名", nullptr},
    // The customer's own file is never written over, however it is spelled.
    {"TheInput", [](auto&, auto& in) { return in; }, 70, "変換後ファイル名", "変換前ファイル名"},
    {"TheInputInCapitals", [](auto&, auto& in) { return Upper(in); }, 70, "変換後ファイル名",
     "変換前ファイル名"},
    {"TheInputWithSlashes", [](auto&, auto& in) { return Slashed(in); }, 70, "変換後ファイル名",
     "変換前ファイル名"},
    {"TheInputThroughAFolderAndBack",
     [](auto& f, auto&) {
         CreateDirectoryW(kor::ToWide(f + "sub").c_str(), nullptr);
         return f + "sub\\..\\IN.CSV";
     },
     70, "変換後ファイル名", "変換前ファイル名"},
};

TEST_P(OutputPathTest, RefusesWithItsMessageAndMarksTheOutputName) {
    const PathCase& c = GetParam();
    ReadGeneral();
    SetText(IDC_XF300_OUTPUT, c.path(folder, input));
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), std::vector<std::string>{Message(c.message, c.word1, c.word2)});
    EXPECT_EQ(screen->FieldInError(), IDC_XF300_OUTPUT);
    EXPECT_EQ(GetFocus(), Item(IDC_XF300_OUTPUT));
    EXPECT_EQ(kortest::ReadBytes(input), kortest::kTwoTransfers);
    EXPECT_EQ(screen->DataSet()->outputDone, 0);
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));
}

INSTANTIATE_TEST_SUITE_P(MainScreen, OutputPathTest, testing::ValuesIn(kPaths),
                         [](const testing::TestParamInfo<PathCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(OutputTest, AnExistingFileIsKeptWhenTheUserCancels) {
    ReadGeneral();
    kortest::WriteBytes(output, "old");
    script.Answer(IDCANCEL);
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), std::vector<std::string>{Message(4)});
    EXPECT_EQ(kortest::ReadBytes(output), "old");
    EXPECT_EQ(GetFocus(), Item(IDC_XF300_OUTPUT));

    Click(IDC_XF300_OUTPUT_DATA);  // answered OK: replaced
    EXPECT_EQ(TakeShown(),
              (std::vector<std::string>{Message(4), Message(24, "出力"), Message(75)}));
    EXPECT_EQ(kortest::ReadBytes(output), ExpectedGeneralFile());
}

TEST_F(OutputTest, CancellingTheQuestionWritesNothing) {
    ReadGeneral();
    script.Answer(IDCANCEL);
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), std::vector<std::string>{Message(24, "出力")});
    EXPECT_FALSE(OutputExists());
    EXPECT_EQ(screen->DataSet()->outputDone, 0);
}

// --- The records
// ------------------------------------------------------------------------------------

TEST_F(OutputTest, ADataSetWhoseRecordsAreAllDeletedHasNothingToWrite) {
    ReadGeneral();
    for (const auto& record : screen->DataSet()->details) record->deleteFlag = 1;
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), std::vector<std::string>{Message(39)});
    EXPECT_FALSE(OutputExists());
    EXPECT_EQ(screen->FieldInError(), 0);
}

TEST_F(OutputTest, RecordsWithErrorsAreNotWrittenButDeletedOnesDoNotCount) {
    Open();
    ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv",
             std::string("00X5,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,普通,1234567,ﾔﾏﾀﾞ ﾀﾛｳ,15000,C001,\r\n") +
                 kortest::kTwoTransfers);
    TakeShown();
    output = folder + "out.txt";
    SetText(IDC_XF300_OUTPUT, output);
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), std::vector<std::string>{Message(20)});
    EXPECT_FALSE(OutputExists());

    screen->DataSet()->details[0]->deleteFlag = 1;
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "出力"), Message(75)}));
    const std::string file = kortest::ReadBytes(output);
    ASSERT_EQ(file.size(), 122u * 5 + 1);
    EXPECT_EQ(file.substr(122 * 3, 19), "8000002000000335000");
}

TEST_F(OutputTest, TotalsBeyondTheTrailerAreRefusedWithTheirOwnMessage) {
    Open();
    std::string lines;
    for (int i = 0; i < 101; ++i)
        lines += "0005,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,普通,1234567,ﾔﾏﾀﾞ ﾀﾛｳ,9999999999,C001,\r\n";
    ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv", lines);
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "読込"), Message(112)}));
    // Nothing to warn about at the exit: these data cannot be written as they are.
    EXPECT_EQ(screen->DataSet()->errorFree, 0);
    output = folder + "out.txt";
    SetText(IDC_XF300_OUTPUT, output);
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "出力"), Message(112)}));
    EXPECT_FALSE(OutputExists());
    EXPECT_EQ(screen->DataSet()->outputDone, 0);
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));
}

// --- The buttons over a run
// ---------------------------------------------------------------------------

TEST_F(OutputTest, TheCheckIsAllowedAfterAnOutputUntilAFailedOutputOrTheNextRead) {
    ReadGeneral();
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_TRUE(Enabled(IDC_XF300_CHECK));
    TakeShown();

    // A data set the writer has no layout for: the writer fails.
    screen->DataSet()->outputLengthCode = 9;
    SetText(IDC_XF300_OUTPUT, folder + "second.txt");
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(),
              (std::vector<std::string>{Message(24, "出力"), "振込データ出力に失敗しました。"}));
    EXPECT_EQ(script.Shown().back().style & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));
    EXPECT_EQ(kortest::ReadBytes(folder + "second.txt"), "");

    screen->DataSet()->outputLengthCode = 1;
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_TRUE(Enabled(IDC_XF300_CHECK));
    Click(IDC_XF300_READ);
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));
    EXPECT_TRUE(Enabled(IDC_XF300_OUTPUT_DATA));
    EXPECT_EQ(screen->DataSet()->outputDone, 0);
}

}  // namespace
