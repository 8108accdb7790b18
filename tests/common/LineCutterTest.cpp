#include "common/base/LineCutter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The transfer tool's limits: 4000 bytes a line.
constexpr int kLineBytes = 4000;
using Lines = std::vector<std::string>;

struct CutCase {
    const char* note;
    std::string text;
    int size;  // line limit, or record length
    CutResult result;
    Lines pieces;
    int faultLine;
};

void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.note;
}

Lines Strings(const std::vector<std::string_view>& views) {
    return Lines(views.begin(), views.end());
}

const std::string k4000(4000, 'x');
const std::string k4001(4001, 'x');

class SeparatedCutTest : public testing::TestWithParam<CutCase> {};

TEST_P(SeparatedCutTest, Cuts) {
    const CutCase& c = GetParam();
    std::vector<std::string_view> lines{"stale"};
    int fault = 0;
    EXPECT_EQ(CutSeparatedLines(c.text, {c.size, kLineBytes}, lines, &fault), c.result);
    EXPECT_EQ(Strings(lines), c.pieces);
    EXPECT_EQ(fault, c.faultLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SeparatedCutTest,
    testing::Values(
        CutCase{"CR LF lines", "a\r\nb\r\n", 10, CutResult::kOk, {"a", "b"}, 0},
        CutCase{"last line without CR LF", "a\r\nb", 10, CutResult::kOk, {"a", "b"}, 0},
        CutCase{"empty line kept", "a\r\n\r\nb\r\n", 10, CutResult::kOk, {"a", "", "b"}, 0},
        CutCase{"one line, no break", "a,b", 10, CutResult::kOk, {"a,b"}, 0},
        CutCase{"LF only", "a\nb\n", 10, CutResult::kNoLines, {}, 0},
        CutCase{"CR only", "a\rb\r", 10, CutResult::kNoLineMade, {}, 0},
        CutCase{"CR and LF apart", "a\rb\nc\r", 10, CutResult::kNoLineMade, {}, 0},
        CutCase{
            "stray CR stays in its line", "a\rb\r\nc\r\n", 10, CutResult::kOk, {"a\rb", "c"}, 0},
        CutCase{
            "stray LF stays in its line", "a\r\nb\nc\r\n", 10, CutResult::kOk, {"a", "b\nc"}, 0},
        CutCase{"CR at the end", "a\r\nb\r", 10, CutResult::kOk, {"a", "b\r"}, 0},
        CutCase{"at the limit", "a\r\nb\r\nc", 3, CutResult::kOk, {"a", "b", "c"}, 0},
        CutCase{"above the limit", "a\r\nb\r\nc", 2, CutResult::kTooManyLines, {}, 0},
        CutCase{"final CR LF is no line", "a\r\nb\r\n", 2, CutResult::kOk, {"a", "b"}, 0},
        CutCase{"4000 bytes", k4000 + "\r\n", 10, CutResult::kOk, {k4000}, 0},
        CutCase{"4001 bytes", "a\r\n" + k4001 + "\r\nb", 10, CutResult::kLineTooLong, {}, 2},
        CutCase{"4001 bytes at the end", k4001, 10, CutResult::kLineTooLong, {}, 1},
        // A tail without data is no line; lines of blanks before a CR LF are
        // lines (the reader passes over them).
        CutCase{"blank tail", "a\r\n \x81\x40\x1A", 10, CutResult::kOk, {"a"}, 0},
        CutCase{"tail of blanks and data", "a\r\n  b", 10, CutResult::kOk, {"a", "  b"}, 0},
        CutCase{"blank lines kept",
                "a\r\n \r\n\x1A\r\nb",
                10,
                CutResult::kOk,
                {"a", " ", "\x1A", "b"},
                0},
        CutCase{"blank tail is not counted", "a\r\nb\r\n ", 2, CutResult::kOk, {"a", "b"}, 0},
        CutCase{"blank tail above 4000 bytes",
                "a\r\n" + std::string(4001, ' '),
                10,
                CutResult::kOk,
                {"a"},
                0},
        CutCase{"only blanks", " \x81\x40 ", 10, CutResult::kNoLines, {}, 0},
        CutCase{"only the end-of-file byte", "\x1A", 10, CutResult::kNoLines, {}, 0},
        CutCase{"no text", "", 10, CutResult::kNoLines, {}, 0}));

struct DataCase {
    const char* text;
    bool noData;
};

void PrintTo(const DataCase& c, std::ostream* os) {
    *os << testing::PrintToString(std::string(c.text));
}

class HoldsNoDataTest : public testing::TestWithParam<DataCase> {};

TEST_P(HoldsNoDataTest, TellsBlanksFromData) {
    EXPECT_EQ(HoldsNoData(GetParam().text), GetParam().noData);
}

// "\x81\x40" is the full-width blank; its bytes count only as that character.
INSTANTIATE_TEST_SUITE_P(Cases, HoldsNoDataTest,
                         testing::Values(DataCase{"", true}, DataCase{"   ", true},
                                         DataCase{"\x81\x40\x81\x40", true},
                                         DataCase{" \x1A\x81\x40 \x1A", true}, DataCase{",", false},
                                         DataCase{"\t", false}, DataCase{" \r", false},
                                         DataCase{"@", false}, DataCase{"\x81", false},
                                         DataCase{"\x81\x81\x40", false}, DataCase{"  0", false}));

class FixedCutTest : public testing::TestWithParam<CutCase> {};

TEST_P(FixedCutTest, Cuts) {
    const CutCase& c = GetParam();
    std::vector<std::string_view> records{"stale"};
    int fault = 0;
    EXPECT_EQ(CutFixedRecords(c.text, c.size, {3, kLineBytes}, records, &fault), c.result);
    EXPECT_EQ(Strings(records), c.pieces);
    EXPECT_EQ(fault, c.faultLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedCutTest,
    testing::Values(
        CutCase{"no break", "AAABBB", 3, CutResult::kOk, {"AAA", "BBB"}, 0},
        CutCase{"LF", "AAA\nBBB\n", 3, CutResult::kOk, {"AAA", "BBB"}, 0},
        CutCase{"CR LF", "AAA\r\nBBB\r\n", 3, CutResult::kOk, {"AAA", "BBB"}, 0},
        CutCase{"CR", "AAA\rBBB\r", 3, CutResult::kOk, {"AAA", "BBB"}, 0},
        CutCase{"one record exactly", "AAA", 3, CutResult::kOk, {"AAA"}, 0},
        CutCase{"shorter than a record", "AA", 3, CutResult::kBadRecordSize, {}, 0},
        CutCase{"not a multiple", "AAA\r\nBBBB\r\n", 3, CutResult::kBadRecordSize, {}, 0},
        CutCase{"LF inside a record", "AAA\nB\nC\n", 3, CutResult::kBadRecordSize, {}, 2},
        CutCase{"another break", "AAA\rBBBX", 3, CutResult::kBadRecordSize, {}, 2},
        CutCase{"LF as last data byte", "AA\nBB\n", 3, CutResult::kOk, {"AA\n", "BB\n"}, 0},
        CutCase{"record length 0", "AAA", 0, CutResult::kBadRecordLength, {}, 0},
        CutCase{"record length 4001", k4001, 4001, CutResult::kBadRecordLength, {}, 0},
        CutCase{"record length 4000",
                k4000 + "\r\n" + k4000 + "\r\n",
                4000,
                CutResult::kOk,
                {k4000, k4000},
                0},
        CutCase{"above the limit", "AAAABBBBCCCCDDDD", 4, CutResult::kTooManyLines, {}, 0},
        CutCase{"above the limit, not a multiple",
                "AAAABBBBCCCCDDDDE",
                4,
                CutResult::kTooManyLines,
                {},
                0}));

}  // namespace
