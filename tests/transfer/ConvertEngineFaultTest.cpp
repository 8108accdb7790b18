// The reader's limits, its refusals and the faults it must not let through silently.
#include <gtest/gtest.h>

#include <string>

#include "EngineTestSupport.h"
#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"

namespace {

using namespace enginetest;
using namespace xf;

// Items 0 to 7 in columns 0 to 7.
const CDelimPattern& EightColumns() {
    static const CDelimPattern pattern =
        Delim(1, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}});
    return pattern;
}

std::string Line(const std::string& amount) {
    return "0001,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,1,1234567,ﾔﾏﾀﾞ ﾀﾛｳ," + amount + "\r\n";
}

std::string Lines(int count, const std::string& amount = "100") {
    std::string text;
    const std::string line = Line(amount);
    text.reserve(line.size() * static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) text += line;
    return text;
}

ReadOutcome ReadText(const CDelimPattern& pattern, const std::string& text) {
    return ReadDelim(pattern, kKindGeneral, ScratchFile("in.csv", text));
}

TEST(ConvertEngineLimits, FiftyThousandLinesBelowTheDataRow) {
    // Two title lines do not count against the 50,000 data lines.
    const CDelimPattern pattern =
        Delim(1, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}}, "3");
    const std::string titles = "ﾀｲﾄﾙ\r\nﾐﾀﾞｼ\r\n";
    const ReadOutcome full = ReadText(pattern, titles + Lines(kMaxDataLines));
    ASSERT_EQ(full.result, kReadOk);
    EXPECT_EQ(full.set->details.size(), 50000u);
    EXPECT_EQ(full.set->details.back()->serial, 50000);
    EXPECT_EQ(full.set->countText, "50000");
    EXPECT_EQ(full.set->totalText, "5000000");

    const ReadOutcome over = ReadText(pattern, titles + Lines(kMaxDataLines + 1));
    EXPECT_EQ(over.result, kReadTooManyLines);
    EXPECT_FALSE(over.set);
}

TEST(ConvertEngineLimits, FiftyThousandAndOneLinesOrRecords) {
    EXPECT_EQ(ReadText(EightColumns(), Lines(kMaxDataLines + 1)).result, kReadTooManyLines);

    CFixedPattern pattern = Fixed100();
    pattern.SetField(31, "10");
    CConvertEngine engine;
    const CPatternEntry entry = Entry(kKindGeneral, 3);
    engine.SetPattern(&pattern, nullptr, &entry, nullptr);
    std::string records;
    for (int i = 0; i <= kMaxDataLines; ++i) records += "0001000100";
    EXPECT_EQ(Read(engine, ScratchFile("in.dat", records)).result, kReadTooManyLines);
}

// Amount options of the pattern against an amount of 0 or an empty one; the file holds one
// line of 100 first.
struct AmountCase {
    const char* note;
    const char* zeroCheck;
    const char* blankCheck;
    const char* amount;
    int result;
    size_t records;
    int amountResult;  // of the second record, when there is one
    const char* count;
};

void PrintTo(const AmountCase& c, std::ostream* os) {
    *os << c.note;
}

class AmountOptionTest : public testing::TestWithParam<AmountCase> {};

TEST_P(AmountOptionTest, ErrorOrSkip) {
    const AmountCase& c = GetParam();
    CDelimPattern pattern = EightColumns();
    pattern.SetField(28, c.zeroCheck);
    pattern.SetField(29, c.blankCheck);
    const ReadOutcome read = ReadText(pattern, Line("100") + Line(c.amount));
    ASSERT_EQ(read.result, c.result);
    ASSERT_EQ(read.set->details.size(), c.records);
    if (c.records == 2) {
        EXPECT_EQ(read.set->details[1]->Result(xf::kAmount), c.amountResult);
    }
    EXPECT_EQ(read.set->countText, c.count);
    EXPECT_EQ(read.set->totalText, "100");
    EXPECT_EQ(read.set->details.back()->serial, static_cast<int>(c.records));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AmountOptionTest,
    testing::Values(AmountCase{"zero accepted", "", "", "0", 0, 2, 0, "2"},
                    AmountCase{"zero is error", "1", "", "0", 0, 2, kResultError, "1"},
                    AmountCase{"zero skips", "2", "", "0", 0, 1, 0, "1"},
                    AmountCase{"zeros skip", "2", "", "\"0,000\"", 0, 1, 0, "1"},
                    AmountCase{"zero under blank option", "", "2", "0", 0, 2, 0, "2"},
                    AmountCase{"blank accepted", "", "", "", 0, 2, 0, "2"},
                    AmountCase{"blank is error", "", "1", " ", 0, 2, kResultError, "1"},
                    AmountCase{"blank skips", "", "2", "", 0, 1, 0, "1"},
                    AmountCase{"blank under zero option", "2", "", "", 0, 2, 0, "2"},
                    AmountCase{"other option text", "3", "9", "0", 0, 2, 0, "2"}));

TEST(ConvertEngineFaults, SkippedLinesLeaveNoRecordAndNoErrors) {
    CDelimPattern pattern = EightColumns();
    pattern.SetField(28, "2");
    CConvertEngine engine;
    const CPatternEntry entry = Entry(kKindGeneral, 1);
    engine.SetPattern(nullptr, &pattern, &entry, nullptr);
    // The dropped line's bank code error is forgotten with it.
    const ReadOutcome read = Read(engine, ScratchFile("in.csv", "ABCD" + Line("0").substr(4)));
    EXPECT_EQ(read.result, kReadNoRecords);
    EXPECT_FALSE(read.set);
    EXPECT_EQ(engine.GetErrorCount(), 0);
}

// Lines that hold no data between, after and instead of two good lines of 100.
struct NoDataCase {
    const char* note;
    std::string text;
    int result;
    size_t records;  // all free of errors
};

void PrintTo(const NoDataCase& c, std::ostream* os) {
    *os << c.note;
}

class NoDataLineTest : public testing::TestWithParam<NoDataCase> {};

TEST_P(NoDataLineTest, MakesNoRecordAndNoError) {
    const NoDataCase& c = GetParam();
    CConvertEngine engine;
    const CPatternEntry entry = Entry(kKindGeneral, 1);
    engine.SetPattern(nullptr, &EightColumns(), &entry, nullptr);
    const ReadOutcome read = Read(engine, ScratchFile("in.csv", c.text));
    ASSERT_EQ(read.result, c.result);
    EXPECT_EQ(engine.GetErrorCount(), 0);
    if (c.records == 0) {
        EXPECT_FALSE(read.set);
        return;
    }
    ASSERT_EQ(read.set->details.size(), c.records);
    for (const auto& record : read.set->details) EXPECT_FALSE(record->HasFieldError());
    EXPECT_EQ(read.set->details.back()->serial, static_cast<int>(c.records));
    EXPECT_EQ(read.set->countText, std::to_string(c.records));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoDataLineTest,
    testing::Values(
        NoDataCase{"empty line at the end", Lines(2) + "\r\n", kReadOk, 2},
        NoDataCase{"empty lines between", Line("100") + "\r\n\r\n" + Line("100"), kReadOk, 2},
        NoDataCase{"half-width blanks", Line("100") + "   \r\n" + Line("100"), kReadOk, 2},
        NoDataCase{"full-width blanks", Line("100") + "　　\r\n" + Line("100"), kReadOk, 2},
        NoDataCase{"blanks and end bytes", Lines(2) + " 　\x1A\x1A \r\n", kReadOk, 2},
        NoDataCase{"blank tail without CR LF", Lines(2) + "\r\n 　\x1A", kReadOk, 2},
        NoDataCase{"last line without CR LF",
                   Lines(1) + "0001,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,1,1234567,ﾔﾏﾀﾞ ﾀﾛｳ,100", kReadOk, 2},
        NoDataCase{"only empty lines", "\r\n\r\n", kReadNoRecords, 0},
        NoDataCase{"only blanks", "  　", kReadNoLines, 0},
        NoDataCase{"only the end-of-file byte", "\x1A", kReadNoLines, 0}));

TEST(ConvertEngineFaults, LineOfSeparatorsOrCutShortIsARecordInError) {
    const ReadOutcome read = ReadText(EightColumns(), Line("100") + ",,,,,,,\r\n0001,ﾐｽﾞﾎ\r\n");
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 3u);
    EXPECT_TRUE(read.set->details[1]->HasFieldError());
    EXPECT_TRUE(read.set->details[2]->HasFieldError());
    EXPECT_EQ(read.set->details[2]->Result(xf::kAmount), kResultError);
    EXPECT_EQ(read.set->countText, "1");
}

// The amount options leave out a whole line; a line that lacks a column every record needs is
// a record in error whatever its amount.
struct BrokenSkipCase {
    const char* note;
    const char* zeroCheck;
    const char* blankCheck;
    const char* line;
    bool kept;
    int amountResult;
};

void PrintTo(const BrokenSkipCase& c, std::ostream* os) {
    *os << c.note;
}

class BrokenLineSkipTest : public testing::TestWithParam<BrokenSkipCase> {};

TEST_P(BrokenLineSkipTest, KeepsBrokenLinesInError) {
    const BrokenSkipCase& c = GetParam();
    // The amount in column 3, before the names.
    CDelimPattern pattern = Delim(1, {{kBankCode, 0},
                                      {kBranchCode, 1},
                                      {kAccountNumber, 2},
                                      {kAmount, 3},
                                      {kAccountType, 4},
                                      {kBankName, 5},
                                      {kBranchName, 6},
                                      {kAccountName, 7}});
    pattern.SetField(28, c.zeroCheck);
    pattern.SetField(29, c.blankCheck);
    CConvertEngine engine;
    const CPatternEntry entry = Entry(kKindGeneral, 1);
    engine.SetPattern(nullptr, &pattern, &entry, nullptr);
    const ReadOutcome read = Read(engine, ScratchFile("in.csv", std::string(c.line) + "\r\n"));
    if (!c.kept) {
        EXPECT_EQ(read.result, kReadNoRecords);
        EXPECT_EQ(engine.GetErrorCount(), 0);
        return;
    }
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 1u);
    const CDetailRecord& r = *read.set->details[0];
    EXPECT_TRUE(r.HasFieldError());
    EXPECT_EQ(r.Result(xf::kAmount), c.amountResult);
    EXPECT_EQ(r.Result(xf::kAccountName), kResultError);
    EXPECT_GT(engine.GetErrorCount(), 0);
    EXPECT_EQ(read.set->countText, "0");
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenLineSkipTest,
                         testing::Values(BrokenSkipCase{"blank amount skips", "", "2",
                                                        "1,1,1,,1,ﾐｽﾞﾎ,ﾎﾝﾃﾝ,ﾀﾛｳ", false, 0},
                                         BrokenSkipCase{"zero amount skips", "2", "",
                                                        "1,1,1,0,1,ﾐｽﾞﾎ,ﾎﾝﾃﾝ,ﾀﾛｳ", false, 0},
                                         BrokenSkipCase{"amount column missing", "", "2", "1,1,1",
                                                        true, kResultError},
                                         BrokenSkipCase{"blank amount, later columns missing", "",
                                                        "2", "1,1,1,,1", true, kResultValid},
                                         BrokenSkipCase{"zero amount, later columns missing", "2",
                                                        "", "1,1,1,0,1", true, kResultValid}));

TEST(ConvertEngineFaults, MissingColumnsAreItemsInError) {
    // The bank code comes last: a line that ends before it must not pass with an empty code,
    // although an empty column there would (the bank is named).
    const CDelimPattern pattern = Delim(1, {{kBankName, 0},
                                            {kBranchCode, 1},
                                            {kBranchName, 2},
                                            {kAccountType, 3},
                                            {kAccountNumber, 4},
                                            {kAccountName, 5},
                                            {kAmount, 6},
                                            {kCustomerCode1, 7},
                                            {kBankCode, 8}});
    const ReadOutcome read = ReadText(pattern,
                                      "ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,1,1234567,ﾀﾛｳ,100,K1,\r\n"
                                      "ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,1,1234567,ﾀﾛｳ,100\r\n"
                                      "ﾐｽﾞﾎ,001\r\n");
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 3u);
    const CDetailRecord& empty = *read.set->details[0];
    EXPECT_EQ(empty.Result(xf::kBankCode), kResultValid);
    EXPECT_FALSE(empty.HasFieldError());
    const CDetailRecord& missing = *read.set->details[1];
    EXPECT_EQ(missing.Result(xf::kBankCode), kResultError);
    EXPECT_EQ(missing.Result(xf::kCustomerCode1), kResultValid);  // optional: simply empty
    const CDetailRecord& shortLine = *read.set->details[2];
    for (int kind : {kAccountType, kAccountNumber, kAccountName, kAmount, kBankCode})
        EXPECT_EQ(shortLine.Result(kind), kResultError) << kind;
    EXPECT_STREQ(shortLine.Text(xf::kAmount), "");
    EXPECT_EQ(read.set->countText, "1");
    EXPECT_EQ(read.set->totalText, "100");
}

TEST(ConvertEngineFaults, LineAbove4000BytesFailsTheRead) {
    CConvertEngine engine;
    const CPatternEntry entry = Entry(kKindGeneral, 1);
    engine.SetPattern(nullptr, &EightColumns(), &entry, nullptr);
    const std::string longLine = Line("100").substr(0, 30) + std::string(4000, ' ') + "\r\n";
    const ReadOutcome read = Read(engine, ScratchFile("in.csv", Lines(2) + longLine + Lines(1)));
    EXPECT_EQ(read.result, kReadLineTooLong);
    EXPECT_EQ(engine.GetFaultLine(), 3);
    EXPECT_FALSE(read.set);
}

TEST(ConvertEngineFaults, StrayCrKeepsTheLineWholeAndInError) {
    const ReadOutcome read =
        ReadText(EightColumns(), "0001,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,1,1234567,ﾔﾏﾀﾞ\rﾀﾛｳ,500\r\n" + Lines(1));
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 2u);
    const CDetailRecord& r = *read.set->details[0];
    EXPECT_STREQ(r.Text(xf::kBankCode), "0001");
    EXPECT_STREQ(r.Text(xf::kAccountName), "ﾔﾏﾀﾞ\rﾀﾛｳ");
    EXPECT_EQ(r.Result(xf::kAccountName), kResultError);
    EXPECT_STREQ(r.Text(xf::kAmount), "0000000500");
    EXPECT_EQ(read.set->countText, "1");
}

TEST(ConvertEngineFaults, TotalBeyondTwelveDigitsIsFlagged) {
    // 100 amounts of 9,999,999,999 still fit the trailer's 12 digits; 101 do not.
    const ReadOutcome fits = ReadText(EightColumns(), Lines(100, "9999999999"));
    ASSERT_EQ(fits.result, kReadOk);
    EXPECT_EQ(fits.set->totalText, "999999999900");
    EXPECT_EQ(fits.set->totalsOverflow, 0);

    CConvertEngine engine;
    const CPatternEntry entry = Entry(kKindGeneral, 1);
    engine.SetPattern(nullptr, &EightColumns(), &entry, nullptr);
    const ReadOutcome over = Read(engine, ScratchFile("over.csv", Lines(101, "9999999999")));
    ASSERT_EQ(over.result, kReadOk);
    EXPECT_TRUE(engine.HasTotalOverflow());
    EXPECT_EQ(over.set->totalsOverflow, 1);
    EXPECT_EQ(over.set->totalText, "999999999999");
    EXPECT_EQ(over.set->countText, "101");
}

TEST(ConvertEngineFaults, IdentificationClearsItemsBeforeCounting) {
    // An invalid customer code behind EDI information is never written: the record counts.
    CConvertEngine engine;
    const CDelimPattern pattern = Delim(1, kAllInOrder);
    const CPatternEntry entry = Entry(kKindGeneral, 1);
    engine.SetPattern(nullptr, &pattern, &entry, nullptr);
    const ReadOutcome read = Read(engine, ScratchFile("in.csv",
                                                      "1,ﾐｽﾞﾎ,1,ﾎﾝﾃﾝ,1,1,ﾀﾛｳ,700,A*B,,EDI,\r\n"
                                                      "1,ﾐｽﾞﾎ,1,ﾎﾝﾃﾝ,1,1,ﾀﾛｳ,800,K1,C*D,,12\r\n"));
    ASSERT_EQ(read.result, kReadOk);
    EXPECT_EQ(read.set->details[0]->identification, 'Y');
    EXPECT_EQ(read.set->details[1]->identification, 'X');
    EXPECT_FALSE(read.set->details[0]->HasFieldError());
    EXPECT_FALSE(read.set->details[1]->HasFieldError());
    EXPECT_EQ(engine.GetErrorCount(), 0);
    EXPECT_EQ(read.set->countText, "2");
    EXPECT_EQ(read.set->totalText, "1500");
}

TEST(ConvertEngineFaults, LongItemsAreCutWholeAndWarned) {
    CConvertEngine engine;
    const CDelimPattern pattern = Delim(1, kAllInOrder);
    const CPatternEntry entry = Entry(kKindGeneral, 1);
    engine.SetPattern(nullptr, &pattern, &entry, nullptr);
    // 29 single bytes and a double-byte character: 31 bytes, the last character cannot stay.
    const std::string name = std::string(29, 'A') + "山";
    const ReadOutcome read = Read(
        engine,
        ScratchFile("in.csv", "1,ﾐｽﾞﾎ,1,ﾎﾝﾃﾝ,1,1," + name + ",1,,,ABCDEFGHIJKLMNOPQRSTU,\r\n"));
    ASSERT_EQ(read.result, kReadOk);
    const CDetailRecord& r = *read.set->details[0];
    EXPECT_EQ(std::string(r.Text(xf::kAccountName)), std::string(29, 'A'));
    EXPECT_EQ(r.Result(xf::kAccountName), kResultTooLong | kResultError);
    EXPECT_STREQ(r.Text(xf::kEdiInfo), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(r.Result(xf::kEdiInfo), kResultTooLong);
    EXPECT_EQ(engine.HasWarnings(), 1);
    EXPECT_EQ(engine.GetErrorCount(), 2);
}

struct ResultCase {
    const char* note;
    std::string bytes;
    int result;
};

void PrintTo(const ResultCase& c, std::ostream* os) {
    *os << c.note;
}

class ReadResultTest : public testing::TestWithParam<ResultCase> {};

TEST_P(ReadResultTest, RefusesWithoutADataSet) {
    const ResultCase& c = GetParam();
    const CDelimPattern pattern =
        Delim(1, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}}, "3");
    const ReadOutcome read = ReadText(pattern, c.bytes);
    EXPECT_EQ(read.result, c.result);
    EXPECT_FALSE(read.set);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadResultTest,
    testing::Values(ResultCase{"empty file", "", kReadEmptyFile},
                    ResultCase{"LF line breaks", "a\nb\nc\n", kReadNoLines},
                    ResultCase{"CR line breaks", "a\rb\rc\r", kReadNoRecords},
                    ResultCase{"title lines only", "ﾀｲﾄﾙ\r\nﾐﾀﾞｼ\r\n", kReadNoLines},
                    ResultCase{"end-of-file byte only after titles", "ﾀｲﾄﾙ\r\nﾐﾀﾞｼ\r\n\x1A",
                               kReadNoLines},
                    ResultCase{"only the end-of-file byte", "\x1A", kReadNoLines}));

TEST(ConvertEngineFaults, FileThatCannotBeOpened) {
    EXPECT_EQ(ReadDelim(EightColumns(), kKindGeneral, ScratchFile("x", "") + "missing").result,
              kReadCannotOpen);
    // Another program holds the file open.
    const std::string path = ScratchFile("held.csv", Lines(1));
    kor::UniqueFile held(CreateFileW(kor::ToWide(path).c_str(), GENERIC_READ, 0, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_EQ(ReadDelim(EightColumns(), kKindGeneral, path).result, kReadCannotOpen);
}

TEST(ConvertEngine, DataSetIsHandedOverOnlyAfterASuccessfulRead) {
    CConvertEngine engine;
    const CPatternEntry entry = Entry(kKindGeneral, 1);
    engine.SetPattern(nullptr, &EightColumns(), &entry, nullptr);
    ASSERT_EQ(engine.ReadFile(ScratchFile("good.csv", Lines(2))), kReadOk);
    // A failed read afterwards leaves nothing behind, not the earlier set.
    EXPECT_EQ(engine.ReadFile(ScratchFile("bad.csv", "")), kReadEmptyFile);
    EXPECT_FALSE(engine.GetDataSet());
    ASSERT_EQ(engine.ReadFile(ScratchFile("good.csv", Lines(3))), kReadOk);
    std::unique_ptr<CDataSet> set = engine.GetDataSet();
    ASSERT_TRUE(set);
    EXPECT_EQ(set->details.size(), 3u);
    EXPECT_FALSE(engine.GetDataSet());
}

}  // namespace
