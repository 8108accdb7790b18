// Reading direct-debit customer files end to end: files of every shape through the engine into
// data sets, the limits, the amount options and the refusals.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "EngineTestSupport.h"

namespace {

using namespace dbtest;
using namespace db;

TEST(DebitRead, CommaFileIntoADataSet) {
    CConvertEngine engine;
    const ReadSettings settings = Separated(1, kAllInOrder, 2);
    const CPatternEntry entry = Entry(1);
    CConsignorInfo consignor;
    std::strcpy(consignor.name, "ｶ)ｲﾀｸｼｬ");
    engine.SetReadPattern(nullptr, &settings, &entry, &consignor);
    const std::string text =
        "銀行番号,銀行名,支店番号,支店名,科目,口座番号,名義,金額,新規,顧客番号\r\n"
        "998,ﾐｽﾞﾎ,1,ﾎﾝﾃﾝ,ﾉｳｾﾞｲ,1234,ﾔﾏﾀﾞ ﾀﾛｳ,\"1,000\",1,C-001\r\n"
        "0998,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,ﾌﾂｳ,7654321,ｽｽﾞｷ,250\r\n"  // cut short after the amount
        "0998,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,ﾄｳｻﾞ,1,ﾀﾅｶ{ﾊﾅｺ,300,,\r\n"  // forbidden character
        "0999,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,4,1\r\n"                   // several items missing
        "0998,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,ｿﾉﾀ,2,ｻﾄｳ,50,,";           // no CR LF at the end
    const ReadOutcome read = Read(engine, ScratchFile("in.csv", text));
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_TRUE(read.set);
    const CDataSet& set = *read.set;
    ASSERT_EQ(set.details.size(), 5u);
    ASSERT_TRUE(set.consignor);
    EXPECT_STREQ(set.consignor->name, "ｶ)ｲﾀｸｼｬ");
    EXPECT_EQ(set.kind, 3);
    EXPECT_EQ(set.ordinaryCode, "ﾌﾂｳ");
    EXPECT_EQ(set.currentCode, "ﾄｳｻﾞ");
    EXPECT_EQ(set.taxReserveCode, "ﾉｳｾﾞｲ");
    EXPECT_EQ(set.otherCode, "ｿﾉﾀ");

    // Codes and amount padded, the type mapped, the amount without its comma.
    const CDetailRecord& a = *set.details[0];
    EXPECT_EQ(a.serial, 1);
    EXPECT_STREQ(a.Text(kBankCode), "0998");
    EXPECT_STREQ(a.Text(kBankName), "ﾐｽﾞﾎ");
    EXPECT_STREQ(a.Text(kBranchCode), "001");
    EXPECT_STREQ(a.Text(kBranchName), "ﾎﾝﾃﾝ");
    EXPECT_STREQ(a.Text(kAccountType), "3");
    EXPECT_STREQ(a.Text(kAccountNumber), "0001234");
    EXPECT_STREQ(a.Text(kDepositorName), "ﾔﾏﾀﾞ ﾀﾛｳ");
    EXPECT_STREQ(a.Text(kAmount), "0000001000");
    EXPECT_STREQ(a.Text(kNewCode), "1");
    EXPECT_STREQ(a.Text(kCustomerNumber), "C-001");
    EXPECT_FALSE(a.HasFieldError());

    // Optional items after the amount may be missing from a line.
    const CDetailRecord& b = *set.details[1];
    EXPECT_STREQ(b.Text(kAccountType), "1");
    EXPECT_STREQ(b.Text(kCustomerNumber), "");
    EXPECT_FALSE(b.HasFieldError());

    const CDetailRecord& c = *set.details[2];
    EXPECT_STREQ(c.Text(kAccountType), "2");
    EXPECT_EQ(c.Result(kDepositorName), kItemError);
    EXPECT_TRUE(c.HasFieldError());

    // A line with too few columns: its missing items are checked as empty, the required ones
    // and the amount in error.
    const CDetailRecord& d = *set.details[3];
    EXPECT_EQ(d.Result(kBankCode), kItemError);
    EXPECT_EQ(d.Result(kAccountType), kItemError);
    EXPECT_EQ(d.Result(kDepositorName), kItemError);
    EXPECT_EQ(d.Result(kAmount), kItemError);
    EXPECT_EQ(d.Result(kNewCode), kItemValid);
    EXPECT_STREQ(d.Text(kAmount), "");

    const CDetailRecord& e = *set.details[4];
    EXPECT_EQ(e.serial, 5);
    EXPECT_STREQ(e.Text(kAccountType), "9");
    EXPECT_STREQ(e.Text(kAmount), "0000000050");
    EXPECT_FALSE(e.HasFieldError());

    EXPECT_EQ(set.countText, "3");
    EXPECT_EQ(set.totalText, "1300");
    EXPECT_EQ(set.totalsOverflow, 0);
    EXPECT_EQ(engine.GetCountText(), "3");
    EXPECT_EQ(engine.GetTotalAmountText(), "1300");
    EXPECT_EQ(engine.GetErrorCount(), 5);
    EXPECT_EQ(engine.HasWarnings(), 0);
}

// The same records in a TAB file and in a space file.
class DebitSeparatorTest : public testing::TestWithParam<int> {};

TEST_P(DebitSeparatorTest, ReadsTheColumns) {
    const int fileClass = GetParam();
    const std::string separator = fileClass == 2 ? "\t" : " ";
    std::string text;
    for (const char* amount : {"100", "2000"}) {
        const std::string fields[] = {"998", "ﾐｽﾞﾎ", "1", "ﾎﾝﾃﾝ", "ﾌﾂｳ", "12", "ﾀﾛｳ", amount};
        for (const std::string& field : fields) text += field + separator;
        text.replace(text.size() - 1, 1, "\r\n");
    }
    const ReadOutcome read = ReadText(Separated(fileClass, kAllInOrder), text);
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 2u);
    EXPECT_STREQ(read.set->details[0]->Text(kDepositorName), "ﾀﾛｳ");
    EXPECT_STREQ(read.set->details[1]->Text(kAmount), "0000002000");
    EXPECT_FALSE(read.set->details[1]->HasFieldError());
    EXPECT_EQ(read.set->totalText, "2100");
}

INSTANTIATE_TEST_SUITE_P(Classes, DebitSeparatorTest, testing::Values(2, 4));

// Two records of the same data with each line break, or none, and the end-of-file byte.
struct FixedCase {
    const char* note;
    const char* lineBreak;
    const char* tail;
};

void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << c.note;
}

class DebitFixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(DebitFixedTest, ReadsTheRecords) {
    const FixedCase& c = GetParam();
    const std::string first =
        Record({"0998", "ﾐｽﾞﾎ", "001", "ﾎﾝﾃﾝ", "3", "1234", "ﾔﾏﾀﾞ ﾀﾛｳ", "1000", "1", "K-1"});
    const std::string second =
        Record({" 998", "ﾐｽﾞﾎ", "  1", "ﾎﾝﾃﾝ", "ﾉ", "     12", "ｽｽﾞｷ", "     500", "", ""});
    const ReadOutcome read =
        ReadText(FixedLength(), first + c.lineBreak + second + c.lineBreak + c.tail);
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 2u);
    const CDetailRecord& a = *read.set->details[0];
    EXPECT_STREQ(a.Text(kDepositorName), "ﾔﾏﾀﾞ ﾀﾛｳ");
    EXPECT_STREQ(a.Text(kCustomerNumber), "K-1");
    EXPECT_FALSE(a.HasFieldError());
    const CDetailRecord& b = *read.set->details[1];
    EXPECT_STREQ(b.Text(kBankCode), "0998");
    EXPECT_STREQ(b.Text(kBranchCode), "001");
    EXPECT_STREQ(b.Text(kAccountNumber), "0000012");
    EXPECT_STREQ(b.Text(kAmount), "0000000500");
    EXPECT_EQ(b.Result(kAccountType), kItemError);  // "ﾉ" is no customer code
    EXPECT_EQ(read.set->countText, "1");
    EXPECT_EQ(read.set->totalText, "1000");
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, DebitFixedTest,
    testing::Values(FixedCase{"CR LF", "\r\n", ""}, FixedCase{"LF", "\n", ""},
                    FixedCase{"no line break", "", ""},
                    FixedCase{"CR LF and the end-of-file byte", "\r\n", "\x1A"},
                    FixedCase{"no line break and the end-of-file byte", "", "\x1A"}));

// A short separated line: the items a record needs, columns 0 to 5.
const std::string kLine = "998,1,1,1,ｱ,1\r\n";
const ReadSettings& SixColumns(int dataRow = 1) {
    static ReadSettings settings[4];
    ReadSettings& s = settings[dataRow];
    if (s.places.empty())
        s = Separated(1,
                      {{kBankCode, 0},
                       {kBranchCode, 1},
                       {kAccountType, 2},
                       {kAccountNumber, 3},
                       {kDepositorName, 4},
                       {kAmount, 5}},
                      dataRow);
    return s;
}

std::string Lines(int count, const std::string& line = kLine) {
    std::string text;
    text.reserve(line.size() * static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) text += line;
    return text;
}

// Data lines of a file against the limit of 40,000 (the title lines above the data row besides).
struct LimitCase {
    const char* note;
    int dataRow;
    int dataLines;
    int result;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.note;
}

class DebitLineLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(DebitLineLimitTest, SeparatedLines) {
    const LimitCase& c = GetParam();
    const std::string titles = Lines(c.dataRow - 1, "ﾀｲﾄﾙ\r\n");
    const ReadOutcome read = ReadText(SixColumns(c.dataRow), titles + Lines(c.dataLines));
    ASSERT_EQ(read.result, c.result);
    if (c.result != kReadOk) {
        EXPECT_FALSE(read.set);
        return;
    }
    EXPECT_EQ(read.set->details.size(), static_cast<size_t>(c.dataLines));
    EXPECT_EQ(read.set->details.back()->serial, c.dataLines);
    EXPECT_EQ(read.set->countText, std::to_string(c.dataLines));
}

INSTANTIATE_TEST_SUITE_P(Cases, DebitLineLimitTest,
                         testing::Values(LimitCase{"40,000 lines", 1, 40000, kReadOk},
                                         LimitCase{"40,001 lines", 1, 40001, kReadTooManyLines},
                                         LimitCase{"40,000 below data row 3", 3, 40000, kReadOk},
                                         LimitCase{"40,001 below data row 3", 3, 40001,
                                                   kReadTooManyLines}));

TEST(DebitLineLimit, FixedLengthRecords) {
    ReadSettings settings = FixedLength(10);
    const std::string record = "0998001112";
    EXPECT_EQ(ReadText(settings, Lines(40000, record)).result, kReadOk);
    EXPECT_EQ(ReadText(settings, Lines(40001, record)).result, kReadTooManyLines);
}

TEST(DebitRead, BlankAmountOptionTwoLeavesNoRecordAndNoSerial) {
    ReadSettings settings = SixColumns();
    settings.blankOption = kAmountSkipsLine;
    CConvertEngine engine;
    const CPatternEntry entry = Entry(1);
    engine.SetReadPattern(nullptr, &settings, &entry, nullptr);
    // The left-out line's bank code error is forgotten with it.
    const ReadOutcome read =
        Read(engine, ScratchFile("in.csv", "998,1,1,1,ｱ,100\r\n999,1,1,1,ｱ,\r\n998,1,1,1,ｱ,5\r\n"));
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 2u);
    EXPECT_EQ(read.set->details[0]->serial, 1);
    EXPECT_EQ(read.set->details[1]->serial, 2);
    EXPECT_STREQ(read.set->details[1]->Text(kAmount), "0000000005");
    EXPECT_EQ(read.set->countText, "2");
    EXPECT_EQ(read.set->totalText, "105");
    EXPECT_EQ(engine.GetErrorCount(), 0);
}

TEST(DebitRead, ZeroAmountOptionsInThePattern) {
    // The separated pattern's option first, the fixed-length one's when it has none.
    ReadSettings fixed = FixedLength();
    fixed.zeroOption = kAmountIsError;
    fixed.blankOption = kAmountIsError;
    ReadSettings delim = SixColumns();
    delim.blankOption = kAmountSkipsLine;
    CConvertEngine engine;
    engine.SetReadPattern(&fixed, &delim, nullptr, nullptr);
    EXPECT_EQ(engine.Settings().zeroOption, kAmountIsError);
    EXPECT_EQ(engine.Settings().blankOption, kAmountSkipsLine);
    EXPECT_EQ(engine.Settings().fileClass, kFixedLengthFile);
}

// An empty branch code passes only while both names are there and not in error.
TEST(DebitRead, EmptyBranchCodeNeedsValidNames) {
    const std::string rest = "ﾌﾂｳ,1,ﾀﾛｳ,100\r\n";
    const std::string text = "998,ﾐｽﾞﾎ,,ﾎﾝﾃﾝ," + rest +             // names there: valid
                             "998,,,ﾎﾝﾃﾝ," + rest +                 // no bank name
                             "998,ﾐｽﾞﾎ,,," + rest +                 // no branch name
                             "998,ﾐｽﾞﾎ,,ﾎﾝ{ﾃﾝ," + rest +            // branch name in error
                             "998,ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ,,ﾎﾝﾃﾝ," + rest;  // only too long: 18
    const ReadOutcome read = ReadText(
        Separated(1, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}}), text);
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 5u);
    const int expected[] = {kItemValid, kItemError, kItemError, kItemError, kItemValid};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(read.set->details[i]->Result(kBranchCode), expected[i]) << i;
        EXPECT_STREQ(read.set->details[i]->Text(kBranchCode), "") << i;
        EXPECT_EQ(read.set->details[i]->Result(kBankCode), kItemValid) << i;
    }
}

TEST(DebitRead, TotalBeyondTwelveDigitsIsFlagged) {
    const ReadOutcome fits = ReadText(SixColumns(), Lines(100, "998,1,1,1,ｱ,9999999999\r\n"));
    ASSERT_EQ(fits.result, kReadOk);
    EXPECT_EQ(fits.set->totalText, "999999999900");
    EXPECT_EQ(fits.set->totalsOverflow, 0);

    const ReadOutcome over = ReadText(SixColumns(), Lines(101, "998,1,1,1,ｱ,9999999999\r\n"));
    ASSERT_EQ(over.result, kReadOk);
    EXPECT_EQ(over.set->totalsOverflow, 1);
    EXPECT_EQ(over.set->totalText, "999999999999");
    EXPECT_EQ(over.set->countText, "101");
}

struct RefusalCase {
    const char* note;
    bool fixed;
    int recordLength;
    std::string bytes;
    int result;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.note;
}

class DebitRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(DebitRefusalTest, LeavesNoDataSet) {
    const RefusalCase& c = GetParam();
    const ReadOutcome read =
        ReadText(c.fixed ? FixedLength(c.recordLength) : SixColumns(3), c.bytes);
    EXPECT_EQ(read.result, c.result);
    EXPECT_FALSE(read.set);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DebitRefusalTest,
    testing::Values(RefusalCase{"empty file", false, 0, "", kReadEmptyFile},
                    RefusalCase{"LF line breaks", false, 0, "a\nb\n", kReadNoLines},
                    RefusalCase{"CR line breaks", false, 0, "a\rb\r", kReadNoRecords},
                    RefusalCase{"title lines only", false, 0, "ﾀｲﾄﾙ\r\nﾐﾀﾞｼ\r\n", kReadNoLines},
                    RefusalCase{"only empty lines", false, 0, "ﾀｲﾄﾙ\r\nﾐﾀﾞｼ\r\n\r\n\r\n",
                                kReadNoRecords},
                    RefusalCase{"line above 4000 bytes", false, 0,
                                "a\r\nb\r\n" + std::string(4001, 'x') + "\r\n", kReadLineTooLong},
                    RefusalCase{"record length 0", true, 0, "0998001112\r\n", kReadBadRecordLength},
                    RefusalCase{"record length above 4000", true, 4001, std::string(4001, '1'),
                                kReadBadRecordLength},
                    RefusalCase{"no whole number of records", true, 10, "0998001112\r\n0998",
                                kReadBadRecordSize},
                    RefusalCase{"LF inside a record", true, 10, "0998001112\r\n09\n8001112\r\n",
                                kReadBadRecordSize},
                    RefusalCase{"fixed-length empty file", true, 10, "", kReadEmptyFile}));

TEST(DebitRead, FileThatCannotBeOpened) {
    CConvertEngine engine;
    const ReadSettings settings = SixColumns();
    engine.SetReadPattern(nullptr, &settings, nullptr, nullptr);
    EXPECT_EQ(Read(engine, ScratchFile("x", "") + "missing").result, kReadCannotOpen);
}

TEST(DebitRead, DataSetIsHandedOverOnlyAfterASuccessfulRead) {
    CConvertEngine engine;
    const ReadSettings settings = SixColumns();
    engine.SetReadPattern(nullptr, &settings, nullptr, nullptr);
    ASSERT_EQ(engine.ReadFile(0, ScratchFile("good.csv", Lines(2))), kReadOk);
    // A failed read afterwards leaves nothing behind, not the earlier set.
    EXPECT_EQ(engine.ReadFile(0, ScratchFile("bad.csv", "")), kReadEmptyFile);
    EXPECT_FALSE(engine.GetDataSet());
    ASSERT_EQ(engine.ReadFile(0, ScratchFile("good.csv", Lines(3))), kReadOk);
    std::unique_ptr<CDataSet> set = engine.GetDataSet();
    ASSERT_TRUE(set);
    EXPECT_EQ(set->details.size(), 3u);
    EXPECT_FALSE(engine.GetDataSet());
}

TEST(DebitRevalidate, CountsTheRecordsFreeOfErrorsAndNotDeleted) {
    const ReadOutcome read = ReadText(
        SixColumns(), "998,1,1,1,ｱ,100\r\n998,1,1,1,ｱ,20\r\n999,1,1,1,ｱ,3\r\n998,1,1,1,ｱ,4000\r\n");
    ASSERT_EQ(read.result, kReadOk);
    CDataSet& set = *read.set;
    set.details[1]->deleteFlag = 1;
    CConvertEngine engine;
    int hasError = 0;
    engine.RevalidateRecord(set, &hasError);
    EXPECT_EQ(hasError, 1);
    EXPECT_EQ(set.countText, "2");
    EXPECT_EQ(set.totalText, "4100");
    // The record in error deleted: no error left.
    set.details[2]->deleteFlag = 1;
    CConvertEngine again;
    hasError = 0;
    again.RevalidateRecord(set, &hasError);
    EXPECT_EQ(hasError, 0);
    EXPECT_EQ(set.countText, "2");
}

TEST(DebitSampleLine, ReadsOneLineOfTheHead) {
    const CConvertEngine engine;
    int status = -1;
    EXPECT_EQ(engine.ReadSampleLine(ScratchFile("s.csv", "a,b\r\nc,d\r\n"), &status, 2), "c,d");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(engine.ReadSampleLine(ScratchFile("s.csv", "a,b\nc,d\n"), &status, 1), "");
    EXPECT_EQ(status, CConvertEngine::kSampleNoLineBreak);
}

}  // namespace
