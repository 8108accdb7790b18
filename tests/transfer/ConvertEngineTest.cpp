// Reading customer files end to end: files of every shape through the engine into data sets.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "EngineTestSupport.h"
#include "support/TestPaths.h"

namespace {

using namespace enginetest;
using namespace xf;

std::string Fixture(const char* name) {
    return kortest::FixturePath(std::string("transfer\\") + name);
}

TEST(ConvertEngine, CommaFileOfGeneralTransfers) {
    CConvertEngine engine;
    const CDelimPattern pattern = Delim(1, kAllInOrder, "2");
    const CPatternEntry entry = Entry(kKindGeneral, 1);
    CRequesterInfo requester;
    std::strcpy(requester.name, "ｶ)ｲﾗｲﾆﾝ");
    engine.SetPattern(nullptr, &pattern, &entry, &requester);
    const ReadOutcome read = Read(engine, Fixture("general.csv"));
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_TRUE(read.set);
    const CDataSet& set = *read.set;
    ASSERT_EQ(set.details.size(), 4u);
    ASSERT_TRUE(set.requester);
    EXPECT_STREQ(set.requester->name, "ｶ)ｲﾗｲﾆﾝ");

    // Padded codes, the mapped account type, the amount without its separator; no EDI
    // information and no requester number: both customer codes stay.
    const CDetailRecord& a = *set.details[0];
    EXPECT_EQ(a.serial, 1);
    EXPECT_STREQ(a.Text(xf::kBankCode), "0001");
    EXPECT_STREQ(a.Text(xf::kBankName), "ﾐｽﾞﾎ");
    EXPECT_STREQ(a.Text(xf::kBranchCode), "001");
    EXPECT_STREQ(a.Text(xf::kAccountType), "1");
    EXPECT_STREQ(a.Text(xf::kAccountNumber), "0001234");
    EXPECT_STREQ(a.Text(xf::kAccountName), "ﾔﾏﾀﾞ ﾀﾛｳ");
    EXPECT_STREQ(a.Text(xf::kAmount), "0000001000");
    EXPECT_STREQ(a.Text(xf::kCustomerCode1), "C001");
    EXPECT_STREQ(a.Text(xf::kCustomerCode2), "C002");
    EXPECT_EQ(a.identification, ' ');
    EXPECT_FALSE(a.HasFieldError());

    // EDI information: 'Y', the customer codes and the requester number go.
    const CDetailRecord& b = *set.details[1];
    EXPECT_STREQ(b.Text(xf::kBankName), "ﾐﾂﾋﾞｼ");
    EXPECT_STREQ(b.Text(xf::kAccountType), "2");
    EXPECT_STREQ(b.Text(xf::kEdiInfo), "EDI-1");
    EXPECT_EQ(b.identification, 'Y');
    EXPECT_STREQ(b.Text(xf::kCustomerCode1), "");
    EXPECT_STREQ(b.Text(xf::kCustomerCode2), "");
    EXPECT_STREQ(b.Text(xf::kRequesterNumber), "");

    // A requester number: 'X', zero-filled; customer code 2 goes, code 1 stays.
    const CDetailRecord& c = *set.details[2];
    EXPECT_STREQ(c.Text(xf::kAccountType), "4");
    EXPECT_STREQ(c.Text(xf::kAccountName), "ｽｽﾞｷ ﾊﾅｺ");
    EXPECT_EQ(c.identification, 'X');
    EXPECT_STREQ(c.Text(xf::kRequesterNumber), "0000000055");
    EXPECT_STREQ(c.Text(xf::kCustomerCode1), "C3");
    EXPECT_STREQ(c.Text(xf::kCustomerCode2), "");

    // The last line has no CR LF and is followed by the end-of-file byte: read like the others,
    // kept with its two errors but not counted.
    const CDetailRecord& d = *set.details[3];
    EXPECT_EQ(d.serial, 4);
    EXPECT_STREQ(d.Text(xf::kAccountName), "山田");
    EXPECT_EQ(d.Result(xf::kAccountName), kResultError);
    EXPECT_EQ(d.Result(xf::kAmount), kResultError);
    EXPECT_STREQ(d.Text(xf::kRequesterNumber), "");
    EXPECT_EQ(d.Result(xf::kRequesterNumber), kResultValid);

    EXPECT_EQ(engine.GetCountText(), "3");
    EXPECT_EQ(engine.GetTotalAmountText(), "26300");
    EXPECT_EQ(set.countText, "3");
    EXPECT_EQ(set.totalText, "26300");
    EXPECT_EQ(set.totalsOverflow, 0);
    EXPECT_EQ(engine.GetErrorCount(), 2);
    EXPECT_EQ(engine.HasWarnings(), 0);
    EXPECT_EQ(set.ordinaryCode, "ﾌﾂｳ");
    EXPECT_EQ(set.otherCode, "ｿﾉﾀ");
}

TEST(ConvertEngine, TabFileOfSalaryTransfersPassesOverItsHeading) {
    // Data row 1 with data format "1": the file's first line is a heading.
    CDelimPattern pattern = Delim(2, {{kAccountName, 0},
                                      {kAmount, 1},
                                      {kBankCode, 2},
                                      {kBankName, 3},
                                      {kBranchCode, 4},
                                      {kBranchName, 5},
                                      {kAccountType, 6},
                                      {kAccountNumber, 7}});
    pattern.SetField(30, "1");
    const ReadOutcome read = ReadDelim(pattern, kKindSalaryBonus, Fixture("salary.tsv"));
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 2u);
    const CDetailRecord& a = *read.set->details[0];
    EXPECT_STREQ(a.Text(xf::kAccountName), "ﾔﾏﾀﾞ ﾀﾛｳ");
    EXPECT_STREQ(a.Text(xf::kAmount), "0000250000");
    EXPECT_EQ(a.identification, 0);
    EXPECT_FALSE(a.HasFieldError());
    // Account type 4 is no salary account; the quoted amount loses its quotes.
    const CDetailRecord& b = *read.set->details[1];
    EXPECT_EQ(b.Result(xf::kAccountType), kResultError);
    EXPECT_STREQ(b.Text(xf::kAmount), "0000300000");
    EXPECT_EQ(read.set->countText, "1");
    EXPECT_EQ(read.set->totalText, "250000");
}

TEST(ConvertEngine, SpaceFileBelowTwoTitleLines) {
    const CDelimPattern pattern = Delim(4,
                                        {{kBankCode, 0},
                                         {kBranchCode, 1},
                                         {kAccountType, 2},
                                         {kAccountNumber, 3},
                                         {kAccountName, 4},
                                         {kAmount, 5}},
                                        "3");
    const ReadOutcome read = ReadDelim(pattern, kKindGeneral, Fixture("space.txt"));
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 2u);
    EXPECT_STREQ(read.set->details[0]->Text(xf::kAccountName), "ﾔﾏﾀﾞ ﾀﾛｳ");
    EXPECT_STREQ(read.set->details[1]->Text(xf::kAccountName), "ﾀﾅｶ");
    EXPECT_EQ(read.set->countText, "2");
    EXPECT_EQ(read.set->totalText, "75000");
}

// An empty bank or branch code passes only while both names are there and not in error.
TEST(ConvertEngine, EmptyCodesNeedValidNames) {
    const CDelimPattern pattern = Delim(1, kAllInOrder);
    const std::string rest = "1,1234567,ﾀﾛｳ,100,,,,\r\n";
    const std::string text = ",ﾐｽﾞﾎ,,ﾎﾝﾃﾝ," + rest +             // names there: valid
                             ",,,ﾎﾝﾃﾝ," + rest +                 // no bank name
                             ",ﾐｽﾞﾎ,,," + rest +                 // no branch name
                             ",銀行,,ﾎﾝﾃﾝ," + rest +             // bank name in error
                             ",ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ,,ﾎﾝﾃﾝ," + rest;  // only too long: 18
    const ReadOutcome read = ReadDelim(pattern, kKindGeneral, ScratchFile("in.csv", text));
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 5u);
    const int expected[] = {kResultValid, kResultError, kResultError, kResultError, kResultValid};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(read.set->details[i]->Result(xf::kBankCode), expected[i]) << i;
        EXPECT_EQ(read.set->details[i]->Result(xf::kBranchCode), expected[i]) << i;
        EXPECT_STREQ(read.set->details[i]->Text(xf::kBankCode), "") << i;
    }
}

// The records of fixed-crlf.dat with another line break (and without the end-of-file byte).
std::string FixedWithBreak(const std::string& lineBreak) {
    std::string bytes = kortest::ReadBytes(Fixture("fixed-crlf.dat"));
    EXPECT_EQ(bytes.size(), 2 * 102u + 1);
    return bytes.substr(0, 100) + lineBreak + bytes.substr(102, 100) + lineBreak;
}

class FixedBreakTest : public testing::TestWithParam<const char*> {};

TEST_P(FixedBreakTest, ReadsTheSameRecords) {
    const std::string name = std::string("fixed") + std::to_string(std::strlen(GetParam()));
    // The reader opens its file for itself alone: parallel tests read copies of the fixture.
    const std::string path = ScratchFile(name, std::string(GetParam()) == "fixture"
                                                   ? kortest::ReadBytes(Fixture("fixed-crlf.dat"))
                                                   : FixedWithBreak(GetParam()));
    CConvertEngine engine;
    const CFixedPattern pattern = Fixed100();
    const CPatternEntry entry = Entry(kKindGeneral, 3);
    engine.SetPattern(&pattern, nullptr, &entry, nullptr);
    const ReadOutcome read = Read(engine, path);
    ASSERT_EQ(read.result, kReadOk);
    ASSERT_EQ(read.set->details.size(), 2u);
    const CDetailRecord& a = *read.set->details[0];
    EXPECT_STREQ(a.Text(xf::kBankName), "ﾐｽﾞﾎ");
    EXPECT_STREQ(a.Text(xf::kBranchName), "ﾎﾝﾃﾝ");
    EXPECT_STREQ(a.Text(xf::kAccountName), "ﾔﾏﾀﾞ ﾀﾛｳ");
    EXPECT_STREQ(a.Text(xf::kCustomerCode1), "K001");
    EXPECT_EQ(a.identification, ' ');
    const CDetailRecord& b = *read.set->details[1];
    EXPECT_STREQ(b.Text(xf::kAmount), "0000000800");
    EXPECT_STREQ(b.Text(xf::kRequesterNumber), "0000000077");
    EXPECT_EQ(b.identification, 'X');
    EXPECT_FALSE(a.HasFieldError());
    EXPECT_FALSE(b.HasFieldError());
    EXPECT_EQ(read.set->countText, "2");
    EXPECT_EQ(read.set->totalText, "12800");
}

INSTANTIATE_TEST_SUITE_P(Breaks, FixedBreakTest,
                         testing::Values("fixture", "\r\n", "\n", "\r", ""));

const std::string kTwoRecords = std::string(100, '1') + "\r\n" + std::string(100, '1') + "\r\n";

// Record length of the pattern, file content, result.
struct FixedFaultCase {
    const char* note;
    const char* recordLength;
    std::string bytes;
    int result;
};

void PrintTo(const FixedFaultCase& c, std::ostream* os) {
    *os << c.note;
}

class FixedFaultTest : public testing::TestWithParam<FixedFaultCase> {};

TEST_P(FixedFaultTest, RefusesTheFile) {
    const FixedFaultCase& c = GetParam();
    CFixedPattern pattern = Fixed100();
    pattern.SetField(31, c.recordLength);
    CConvertEngine engine;
    const CPatternEntry entry = Entry(kKindGeneral, 3);
    engine.SetPattern(&pattern, nullptr, &entry, nullptr);
    const ReadOutcome read = Read(engine, ScratchFile("in.dat", c.bytes));
    EXPECT_EQ(read.result, c.result);
    EXPECT_FALSE(read.set);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedFaultTest,
    testing::Values(
        FixedFaultCase{"record length 0", "0", kTwoRecords, kReadBadRecordLength},
        FixedFaultCase{"no record length", "", kTwoRecords, kReadBadRecordLength},
        FixedFaultCase{"above 4000", "4001", std::string(4001, '1'), kReadBadRecordLength},
        FixedFaultCase{"shorter than one record", "100", std::string(99, '1'), kReadBadRecordSize},
        FixedFaultCase{"a byte too many", "100", kTwoRecords + "1", kReadBadRecordSize},
        FixedFaultCase{"a record one byte short", "100",
                       std::string(99, '1') + "\r\n" + std::string(101, '1') + "\r\n",
                       kReadBadRecordSize},
        FixedFaultCase{"only the end-of-file byte", "100", "\x1A", kReadBadRecordSize},
        FixedFaultCase{"empty", "100", "", kReadEmptyFile}));

struct SampleCase {
    const char* note;
    std::string bytes;
    int lineNumber;
    int status;
    std::string line;
};

void PrintTo(const SampleCase& c, std::ostream* os) {
    *os << c.note;
}

class SampleLineTest : public testing::TestWithParam<SampleCase> {};

TEST_P(SampleLineTest, ReadsOneLineOfTheHead) {
    const SampleCase& c = GetParam();
    const CConvertEngine engine;
    int status = -1;
    EXPECT_EQ(engine.ReadSampleLine(ScratchFile("sample.csv", c.bytes), &status, c.lineNumber),
              c.line);
    EXPECT_EQ(status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SampleLineTest,
    testing::Values(
        SampleCase{"first", "a,b\r\nc,d\r\ne", 1, 0, "a,b"},
        SampleCase{"second", "a,b\r\nc,d\r\ne", 2, 0, "c,d"},
        SampleCase{"last without CR LF", "a,b\r\nc,d\r\ne", 3, 0, "e"},
        SampleCase{"beyond the end", "a,b\r\nc,d\r\n", 3, 0, ""},
        SampleCase{"end-of-file byte", "a,b\r\n\x1A", 2, 0, ""},
        SampleCase{"no CR LF", "a,b\nc,d\n", 1, CConvertEngine::kSampleNoLineBreak, ""},
        SampleCase{"line cut at 4000 bytes", "a\r\n" + std::string(5000, 'x'), 2, 0,
                   std::string(3997, 'x')},
        SampleCase{"4000 bytes without final CR LF", "a\r\n" + std::string(3997, 'x'), 2, 0,
                   std::string(3997, 'x')},
        SampleCase{"4000 bytes with the end byte", "a\r\n" + std::string(3996, 'x') + "\x1A", 2, 0,
                   std::string(3996, 'x')},
        SampleCase{"character across byte 4000", "a\r\n" + std::string(3996, 'x') + "山\r\n", 2, 0,
                   std::string(3996, 'x')},
        SampleCase{"CR LF across byte 4000", "a\r\n" + std::string(3996, 'x') + "\r\nb\r\n", 2, 0,
                   std::string(3996, 'x')},
        SampleCase{"first CR LF across byte 4000", std::string(3999, 'x') + "\r\n", 1,
                   CConvertEngine::kSampleNoLineBreak, ""},
        SampleCase{"blank tail", "a,b\r\n 　", 2, 0, ""},
        SampleCase{"empty file", "", 1, CConvertEngine::kSampleNoLineBreak, ""}));

TEST(SampleLine, FileThatCannotBeOpened) {
    const CConvertEngine engine;
    int status = -1;
    EXPECT_EQ(engine.ReadSampleLine(ScratchFile("x", "") + "missing", &status, 1), "");
    EXPECT_EQ(status, 11);
}

}  // namespace
