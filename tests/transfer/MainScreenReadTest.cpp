// The main screen's read: every check before it in order, each result of the reader with its
// message, and the state the screen is left in.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MainScreenHost.h"
#include "common/base/MasterText.h"
#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"

namespace {

using kortest::MainScreenTest;

// --- Checks before the read ----------------------------------------------------------------------

class ReadCheckTest;

struct CheckCase {
    const char* name;
    // Runs before the screen opens (masters).
    std::function<void(ReadCheckTest&)> beforeOpen;
    // Runs once it is open (controls); the input text.
    std::function<std::string(ReadCheckTest&)> input;
    int message;
    const char* word;
    int focus;         // the control that has the focus afterwards; 0: not looked at
    int fieldInError;  // the edit painted yellow
};

class ReadCheckTest : public MainScreenTest, public testing::WithParamInterface<CheckCase> {
public:
    using MainScreenTest::folder;
    using MainScreenTest::Select;
    using MainScreenTest::WriteFile;
    using MainScreenTest::WriteMaster;
};

void NoChange(ReadCheckTest&) {}

// Every byte of a literal, a NUL inside it included.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// An existing customer file, named with the separators given.
std::string ExistingInput(ReadCheckTest& t, char separator) {
    std::string path = t.WriteFile("in.csv", kortest::kTwoTransfers);
    for (char& ch : path) {
        if (ch == '\\') ch = separator;
    }
    return path;
}

// A requester master of one line: the general requester of the fixture with field k (0 name,
// 1 branch code, 2 branch name, 3 account type, 4 account number, 5 description, 6 requester
// code) as given, as a hand edit or a damaged file leaves it; with count 5, a line of the old
// form of five fields (description and code empty, the name listed).
std::function<void(ReadCheckTest&)> DamagedRequester(int k, std::string text, size_t count = 8) {
    return [k, text, count](ReadCheckTest& t) {
        std::vector<std::string> fields = {"ﾃｽﾄｼｮｳｼﾞ(ｶ",       "001",        "ﾎﾝﾃﾝ", "1", "1234567",
                                           "テスト商事　総合", "0000012345", "1"};
        fields[k] = text;
        fields.resize(count);
        std::string line;
        for (const std::string& field : fields)
            line += (line.empty() ? "\"" : ",\"") + field + "\"";
        t.WriteMaster("mstKORXF302.ini", {line});
    };
}

const CheckCase kChecks[] = {
    {"NoRequester", [](ReadCheckTest& t) { t.WriteMaster("mstKORXF302.ini", {}); },
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 38, "依頼人情報", 0, 0},
    // A damaged requester is refused before the input is looked at, naming its field.
    {"RequesterNameWithCr", DamagedRequester(0, "ﾃｽﾄ\rｼｮｳｼﾞ"),
     [](ReadCheckTest&) { return std::string(); }, 114, "振込依頼人名(ｶﾅ)", 0, 0},
    {"RequesterNameWithLf", DamagedRequester(0, "ﾃｽﾄ\nｼｮｳｼﾞ"),
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 114, "振込依頼人名(ｶﾅ)", 0, 0},
    // The last field of a line keeps a lead byte whose second byte was cut off.
    {"AccountNumberCutInACharacter", DamagedRequester(4, "123456\x83", 5),
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 114, "口座番号", 0, 0},
    {"AccountNumberWithEndByte",
     DamagedRequester(4,
                      "12345\x1A"
                      "7"),
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 114, "口座番号", 0, 0},
    {"AccountNumberWithLetter", DamagedRequester(4, "12345O7"),
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 114, "口座番号", 0, 0},
    {"BranchCodeDoubleByte", DamagedRequester(1, "１1"),
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 114, "支店コード", 0, 0},
    // A control byte in any field, a NUL above all, which would cut the field short.
    {"RequesterNameWithNul", DamagedRequester(0, Bytes("ﾃｽﾄ\0ｼｮｳｼﾞ")),
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 114, "振込依頼人名(ｶﾅ)", 0, 0},
    {"RequesterCodeWithNul",
     DamagedRequester(6, Bytes("00000\0"
                               "12345")),
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 114, "依頼人コード", 0, 0},
    {"DescriptionWithTab", DamagedRequester(5, "テスト\t商事"),
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 114, "登録内容の説明", 0, 0},
    {"KindWithControlByte", DamagedRequester(7, "1\x1F"),
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 114, "区分", 0, 0},
    {"NoPattern", [](ReadCheckTest& t) { t.WriteMaster("mstKORXF301.ini", {}); },
     [](ReadCheckTest& t) { return ExistingInput(t, '\\'); }, 11, "データ変換パターン",
     IDC_XF300_PATTERN, 0},
    {"NoMonth", NoChange,
     [](ReadCheckTest& t) {
         t.Select(IDC_XF300_MONTH, -1);
         return ExistingInput(t, '\\');
     },
     10, "振込指定日", IDC_XF300_MONTH, 0},
    {"NoDay", NoChange,
     [](ReadCheckTest& t) {
         t.Select(IDC_XF300_DAY, -1);
         return ExistingInput(t, '\\');
     },
     10, "振込指定日", IDC_XF300_MONTH, 0},
    {"April31", NoChange,
     [](ReadCheckTest& t) {
         t.Select(IDC_XF300_MONTH, 3);
         t.Select(IDC_XF300_DAY, 30);
         return ExistingInput(t, '\\');
     },
     50, nullptr, IDC_XF300_DAY, 0},
    {"February30", NoChange,
     [](ReadCheckTest& t) {
         t.Select(IDC_XF300_MONTH, 1);
         t.Select(IDC_XF300_DAY, 29);
         return ExistingInput(t, '\\');
     },
     50, nullptr, IDC_XF300_DAY, 0},
    {"EmptyInput", NoChange, [](ReadCheckTest&) { return std::string("  "); }, 54,
     "変換前ファイル名", IDC_XF300_INPUT, IDC_XF300_INPUT},
    {"NoFolder", NoChange, [](ReadCheckTest&) { return std::string("in.csv"); }, 54,
     "変換前ファイル名", IDC_XF300_INPUT, IDC_XF300_INPUT},
    {"NoFileName", NoChange, [](ReadCheckTest& t) { return t.folder; }, 54, "変換前ファイル名",
     IDC_XF300_INPUT, IDC_XF300_INPUT},
    {"BadCharacter", NoChange, [](ReadCheckTest& t) { return t.folder + "a*b.csv"; }, 22, nullptr,
     IDC_XF300_INPUT, IDC_XF300_INPUT},
    {"NoSuchDrive", NoChange,
     [](ReadCheckTest&) {
         return std::string(1, kortest::MissingDriveLetter()) + ":\\data\\in.csv";
     },
     106, nullptr, IDC_XF300_INPUT, IDC_XF300_INPUT},
    {"NoSuchFolder", NoChange, [](ReadCheckTest& t) { return t.folder + "none\\in.csv"; }, 23,
     nullptr, IDC_XF300_INPUT, IDC_XF300_INPUT},
    {"NoSuchFile", NoChange, [](ReadCheckTest& t) { return t.folder + "none.csv"; }, 5, nullptr,
     IDC_XF300_INPUT, IDC_XF300_INPUT},
    {"AFolder", NoChange,
     [](ReadCheckTest& t) {
         const std::string sub = t.folder + "sub";
         CreateDirectoryW(kor::ToWide(sub).c_str(), nullptr);
         return sub;
     },
     54, "変換前ファイル名", IDC_XF300_INPUT, IDC_XF300_INPUT},
    // What passes every check is asked about (message 24), here answered Cancel.
    {"February29", NoChange,
     [](ReadCheckTest& t) {
         t.Select(IDC_XF300_MONTH, 1);
         t.Select(IDC_XF300_DAY, 28);
         return ExistingInput(t, '\\');
     },
     24, "読込", 0, 0},
    {"SlashSeparators", NoChange, [](ReadCheckTest& t) { return " " + ExistingInput(t, '/'); }, 24,
     "読込", 0, 0},
    {"FullWidthBlankInFront", NoChange,
     [](ReadCheckTest& t) { return "　" + ExistingInput(t, '\\'); }, 24, "読込", 0, 0},
};

TEST_P(ReadCheckTest, StopsAtTheFirstFailureWithItsMessageAndFocus) {
    const CheckCase& c = GetParam();
    c.beforeOpen(*this);
    Open();
    SetText(IDC_XF300_INPUT, c.input(*this));
    script.Answer(IDCANCEL);
    Click(IDC_XF300_READ);
    EXPECT_EQ(TakeShown(), std::vector<std::string>{Message(c.message, c.word)});
    if (c.focus != 0) {
        EXPECT_EQ(GetFocus(), Item(c.focus));
    }
    EXPECT_EQ(screen->FieldInError(), c.fieldInError);
    EXPECT_EQ(screen->DataSet(), nullptr);
    EXPECT_FALSE(Enabled(IDC_XF300_OUTPUT_DATA));
}

INSTANTIATE_TEST_SUITE_P(MainScreen, ReadCheckTest, testing::ValuesIn(kChecks),
                         [](const testing::TestParamInfo<CheckCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MainScreenTest, AFieldInErrorTurnsBackOnceTheInputPasses) {
    Open();
    SetText(IDC_XF300_INPUT, folder + "none.csv");
    Click(IDC_XF300_READ);
    EXPECT_EQ(screen->FieldInError(), IDC_XF300_INPUT);
    script.Answer(IDCANCEL);
    SetText(IDC_XF300_INPUT, WriteFile("in.csv", kortest::kTwoTransfers));
    Click(IDC_XF300_READ);
    EXPECT_EQ(screen->FieldInError(), 0);
}

// --- A stored pattern that cannot be used ---------------------------------------------------

// The fixture's pattern line at position with its output record-length code (field 36) and
// line-break code (field 37) as given, under name.
std::string WithOutputCodes(int position, const char* name, const char* length,
                            const char* lineBreak) {
    std::vector<std::string> fields =
        CMasterText::SplitFields(kortest::kFixturePatternLines[static_cast<size_t>(position)]);
    fields[3] = name;
    fields[36] = length;
    fields[37] = lineBreak;
    return CMasterText::FormatFields(fields);
}

TEST_F(MainScreenTest, AStoredPatternWithOutputCodesNoneOfOursIsNamedAndNothingIsRead) {
    // As a hand edit leaves them; codes of an older line (both empty) would take the defaults.
    const struct {
        const char* name;
        int shape;
        const char* length;
        const char* lineBreak;
    } cases[] = {
        {"長さ4", kortest::kGeneralComma, "4", "1"}, {"長さ0", kortest::kGeneralFixed, "0", "0"},
        {"長さ空", kortest::kGeneralComma, "", "1"}, {"改行2", kortest::kGeneralFixed, "1", "2"},
        {"改行空", kortest::kGeneralComma, "2", ""},
    };
    std::vector<std::string> lines;
    for (const auto& c : cases)
        lines.push_back(WithOutputCodes(c.shape, c.name, c.length, c.lineBreak));
    WriteMaster("mstKORXF301.ini", lines);
    Open();
    for (size_t i = 0; i < std::size(cases); ++i) {
        script.Answer(IDOK);
        ReadFile(static_cast<int>(i), kortest::kGeneralRequester, "in.csv", kortest::kTwoTransfers);
        EXPECT_EQ(TakeShown(),
                  (std::vector<std::string>{Message(24, "読込"), Message(115, cases[i].name)}))
            << cases[i].name;
        EXPECT_EQ(GetFocus(), Item(IDC_XF300_PATTERN)) << cases[i].name;
        EXPECT_EQ(screen->DataSet(), nullptr) << cases[i].name;
        EXPECT_FALSE(Enabled(IDC_XF300_OUTPUT_DATA)) << cases[i].name;
    }
}

// --- The pattern against the requester
// ------------------------------------------------------------

TEST_F(MainScreenTest, ASalaryPatternRefusesARequesterWithAnOtherAccount) {
    Open();
    ReadFile(kortest::kSalaryComma, kortest::kOtherAccountRequester, "in.csv",
             kortest::kTwoTransfers);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "読込"), Message(49)}));
    EXPECT_EQ(GetFocus(), Item(IDC_XF300_INPUT));
    EXPECT_EQ(screen->DataSet(), nullptr);
}

TEST_F(MainScreenTest, ARequesterFixedToTheOtherKindIsRefused) {
    Open();
    ReadFile(kortest::kGeneralComma, kortest::kSalaryRequester, "in.csv", kortest::kTwoTransfers);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "読込"), Message(103)}));
    EXPECT_EQ(GetFocus(), Item(IDC_XF300_PATTERN));
    EXPECT_EQ(screen->DataSet(), nullptr);
}

// --- Results of the reader -----------------------------------------------------------------------

struct ReaderCase {
    const char* name;
    int pattern;
    std::string bytes;
    bool holdOpen;         // another program has the file open, alone
    std::string expected;  // a fixed text, or empty for the message below
    int message;
    const char* word;
};

class ReaderResultTest : public MainScreenTest, public testing::WithParamInterface<ReaderCase> {};

std::string Lines(int count, const std::string& line) {
    std::string text;
    text.reserve(static_cast<size_t>(count) * (line.size() + 2));
    for (int i = 0; i < count; ++i) text += line + "\r\n";
    return text;
}

const ReaderCase kReaderCases[] = {
    {"CannotOpen", kortest::kGeneralComma, kortest::kTwoTransfers, true,
     "読み込みオープンエラー　　", 0, nullptr},
    // Line feeds alone (a file from another system) make no lines.
    {"NoCrLf", kortest::kGeneralComma, "0005,ﾐｽﾞﾎ,001\n0009,ﾐﾂｲｽﾐﾄﾓ,210\n", false, "", 9,
     "振込明細"},
    // Carriage returns alone make no line either.
    {"CrOnly", kortest::kGeneralComma, "0005,ﾐｽﾞﾎ,001\r0009,ﾐﾂｲｽﾐﾄﾓ,210\r", false, "", 81, nullptr},
    {"TooManyLines", kortest::kGeneralComma, Lines(50001, "1"), false, "", 6, nullptr},
    {"RecordsDoNotDivide", kortest::kGeneralFixed, std::string(36, '1'), false, "", 91, nullptr},
    {"NoRecordKept", kortest::kGeneralZeroSkips,
     "0005,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,普通,1234567,ﾔﾏﾀﾞ ﾀﾛｳ,0,C001,\r\n", false, "", 81, nullptr},
    {"EmptyFile", kortest::kGeneralComma, "", false, "", 53, nullptr},
    {"LineTooLong", kortest::kGeneralComma,
     std::string(kortest::kTwoTransfers) + std::string(4001, '1') + "\r\n", false, "", 111, "3"},
    {"PatternWithoutRecordLength", kortest::kFixedWithoutLength, std::string(35, '1'), false, "",
     113, nullptr},
};

TEST_P(ReaderResultTest, EachFailureHasItsMessageAndLeavesNoDataSet) {
    const ReaderCase& c = GetParam();
    Open();
    // A data set from an earlier read goes with the new read.
    ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "first.csv",
             kortest::kTwoTransfers);
    ASSERT_NE(screen->DataSet(), nullptr);
    TakeShown();

    const std::string path = WriteFile("in.dat", c.bytes);
    kor::UniqueFile held;
    if (c.holdOpen)
        held.reset(CreateFileW(kor::ToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               0, nullptr));
    Select(IDC_XF300_PATTERN, c.pattern);
    SetText(IDC_XF300_INPUT, path);
    Click(IDC_XF300_READ);
    const std::string failure = c.expected.empty() ? Message(c.message, c.word) : c.expected;
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "読込"), failure}));
    EXPECT_EQ(screen->DataSet(), nullptr);
    for (int id : {IDC_XF300_CORRECT, IDC_XF300_OUTPUT_DATA, IDC_XF300_CHECK})
        EXPECT_FALSE(Enabled(id)) << id;
}

INSTANTIATE_TEST_SUITE_P(MainScreen, ReaderResultTest, testing::ValuesIn(kReaderCases),
                         [](const testing::TestParamInfo<ReaderCase>& info) {
                             return std::string(info.param.name);
                         });

// --- A successful read ---------------------------------------------------------------------------

TEST_F(MainScreenTest, AReadWithoutErrorsFillsTheDataSetAndAllowsCorrectionAndOutput) {
    Open();
    SelectDate(3, 15);
    const std::string path = ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv",
                                      kortest::kTwoTransfers);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "読込"),
                                                     Message(67, "読込", "変換後ファイル")}));
    const xf::CDataSet* data = screen->DataSet();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->details.size(), 2u);
    EXPECT_EQ(data->countText, "2");
    EXPECT_EQ(data->totalText, "335000");
    EXPECT_EQ(data->transferKind, 1);
    EXPECT_EQ(data->bonusFlag, 0);
    EXPECT_EQ(data->month, "3");
    EXPECT_EQ(data->day, "15");
    EXPECT_EQ(data->inputFileName, path);
    EXPECT_EQ(data->patternIndex, 0);
    EXPECT_EQ(data->outputLengthCode, 1);
    EXPECT_EQ(data->lineBreak, 1);
    EXPECT_EQ(data->zeroOption, 1);
    EXPECT_EQ(data->errorFree, 1);
    EXPECT_EQ(data->outputDone, 0);
    ASSERT_NE(data->requester, nullptr);
    EXPECT_STREQ(data->requester->description, "テスト商事　総合");

    EXPECT_TRUE(Enabled(IDC_XF300_CORRECT));
    EXPECT_TRUE(Enabled(IDC_XF300_OUTPUT_DATA));
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));
    EXPECT_TRUE(Enabled(IDC_XF300_OUTPUT_DATA));
    EXPECT_TRUE(Enabled(IDC_XF300_CORRECT));
    EXPECT_FALSE(Enabled(IDC_XF300_CHECK));
}

TEST_F(MainScreenTest, ABonusReadOfASalaryPatternSetsTheBonusFlag) {
    Open();
    Select(IDC_XF300_PATTERN, kortest::kSalaryComma);
    CheckRadioButton(Hwnd(), IDC_XF300_SALARY, IDC_XF300_BONUS, IDC_XF300_BONUS);
    Select(IDC_XF300_REQUESTER_LIST, kortest::kSalaryRequester);
    SetText(IDC_XF300_INPUT, WriteFile("in.csv", kortest::kTwoTransfers));
    Click(IDC_XF300_READ);
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(screen->DataSet()->transferKind, 2);
    EXPECT_EQ(screen->DataSet()->bonusFlag, 1);
    EXPECT_EQ(screen->DataSet()->outputLengthCode, 2);
    EXPECT_EQ(screen->DataSet()->lineBreak, 0);
}

TEST_F(MainScreenTest, AReadWithErrorsSaysSoAndStillAllowsCorrection) {
    Open();
    ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv",
             "00X5,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,普通,1234567,ﾔﾏﾀﾞ ﾀﾛｳ,15000,C001,\r\n");
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "読込"),
                                                     Message(68, "読込", "変換後ファイル")}));
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(screen->DataSet()->errorFree, 0);
    EXPECT_TRUE(Enabled(IDC_XF300_CORRECT));
    EXPECT_TRUE(Enabled(IDC_XF300_OUTPUT_DATA));
}

TEST_F(MainScreenTest, AReadWithWarningsAddsTheWarningMessage) {
    Open();
    ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv",
             "0005,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,普通,1234567,ﾔﾏﾀﾞ ﾀﾛｳ ﾀﾛｳ ﾀﾛｳ ﾀﾛｳ ﾀﾛｳ ﾀﾛｳ ﾀﾛｳ,15000,C001,\r\n");
    EXPECT_EQ(TakeShown(),
              (std::vector<std::string>{Message(24, "読込"), Message(68, "読込", "変換後ファイル"),
                                        Message(97, "", "")}));
    ASSERT_NE(screen->DataSet(), nullptr);
    EXPECT_EQ(screen->DataSet()->errorFree, 0);
}

TEST_F(MainScreenTest, CancellingTheQuestionKeepsTheDataSetOfTheLastRead) {
    Open();
    ReadFile(kortest::kGeneralComma, kortest::kGeneralRequester, "in.csv", kortest::kTwoTransfers);
    const xf::CDataSet* first = screen->DataSet();
    ASSERT_NE(first, nullptr);
    TakeShown();
    script.Answer(IDCANCEL);
    Click(IDC_XF300_READ);
    EXPECT_EQ(TakeShown(), std::vector<std::string>{Message(24, "読込")});
    EXPECT_EQ(screen->DataSet(), first);
    // The buttons are off until the next read all the same.
    EXPECT_FALSE(Enabled(IDC_XF300_OUTPUT_DATA));
}

}  // namespace
