#include "common/base/StrUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>
#include <vector>

namespace {

struct FieldCase {
    const char* line;
    int n;
    const char* expected;
    int found;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.line << " [" << c.n << "]";
}

class GetFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(GetFieldTest, SplitsWithoutQuotes) {
    const FieldCase& c = GetParam();
    int found = -1;
    EXPECT_EQ(CStrUtil::GetField(c.line, c.n, ",", &found), c.expected);
    EXPECT_EQ(found, c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetFieldTest,
    testing::Values(FieldCase{"a,b,,d", 0, "a", 1}, FieldCase{"a,b,,d", 1, "b", 1},
                    FieldCase{"a,b,,d", 2, "", 1}, FieldCase{"a,b,,d", 3, "d", 1},
                    FieldCase{"a,b,,d", 4, "", 0}, FieldCase{"", 0, "", 1},
                    FieldCase{"\"x,y\",z", 0, "\"x", 1},
                    // "ソ" is 83 5C and "表" 95 5C; "\x83\x7C" ends in '|'
                    FieldCase{"ソ,表", 1, "表", 1}, FieldCase{"\x83\x2C,b", 0, "\x83\x2C", 1}));

TEST(GetField, SecondByteIsNeverADelimiter) {
    // 0x83 0x5C is one character; with "\" as the delimiter it must not split.
    int found = 0;
    EXPECT_EQ(CStrUtil::GetField("ソ\\x", 0, "\\", &found), "ソ");
    EXPECT_EQ(CStrUtil::GetField("ソ\\x", 1, "\\", &found), "x");
    EXPECT_EQ(CStrUtil::GetField("\x83\x7C|y", 1, "|", &found), "y");
    EXPECT_EQ(CStrUtil::GetField("\x83\x7C|y", 0, "|", &found), "\x83\x7C");
}

class GetQuotedFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(GetQuotedFieldTest, Splits) {
    const FieldCase& c = GetParam();
    int found = -1;
    EXPECT_EQ(CStrUtil::GetQuotedField(c.line, c.n, ",", "\"", &found), c.expected);
    EXPECT_EQ(found, c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetQuotedFieldTest,
    testing::Values(FieldCase{"\"x,y\",z", 0, "x,y", 1}, FieldCase{"\"x,y\",z", 1, "z", 1},
                    FieldCase{"\"x,y\",z", 2, "", 0},
                    // a quote followed by something else: taken as unquoted, quotes kept
                    FieldCase{"\"x\"y,z", 0, "\"x\"y", 1}, FieldCase{"\"x\"y,z", 1, "z", 1},
                    // a quoted field that is the last one: there is nothing behind it
                    FieldCase{"a,\"b\"", 1, "b", 1}, FieldCase{"a,\"b\"", 2, "", 0},
                    // unclosed quote: the field runs to the end of the line, quote kept
                    FieldCase{"a,\"bc", 1, "\"bc", 1}, FieldCase{"\"ab,c", 0, "\"ab", 1},
                    FieldCase{"\"ab,c", 1, "c", 1},
                    // a doubled quote is no escape: the first closing quote ends the field
                    FieldCase{"\"a\"\"b\",c", 0, "\"a\"\"b\"", 1},
                    FieldCase{"plain", 0, "plain", 1}, FieldCase{"a,,c", 1, "", 1},
                    FieldCase{"a,", 1, "", 1}, FieldCase{"\"\",x", 0, "", 1},
                    FieldCase{"\"ソ,表\",\"\x83\x7C\"", 0, "ソ,表", 1},
                    FieldCase{"\"ソ,表\",\"\x83\x7C\"", 1, "\x83\x7C", 1}));

TEST(GetQuotedField, TabDelimiter) {
    EXPECT_EQ(CStrUtil::GetQuotedField("\"a\tb\"\tc", 0, "\t", "\""), "a\tb");
    EXPECT_EQ(CStrUtil::GetQuotedField("\"a\tb\"\tc", 1, "\t", "\""), "c");
}

// The one-pass split must give every field exactly as the field-by-field search does.
TEST(SplitQuotedFields, AgreesWithGetQuotedField) {
    const char* const lines[] = {"",
                                 "plain",
                                 "a,b,,d",
                                 "a,",
                                 ",",
                                 "\"x,y\",z",
                                 "\"x\"y,z",
                                 "a,\"b\"",
                                 "a,\"b\",",
                                 "a,\"bc",
                                 "\"ab,c",
                                 "\"a\"\"b\",c",
                                 "\"\",x",
                                 "\"",
                                 "\"\"",
                                 "x\"y\",\"z",
                                 "\"ソ,表\",\"\x83\x7C\"",
                                 "ソ,表,\x83\x2C,b"};
    for (const char* line : lines) {
        std::vector<std::string_view> fields;
        CStrUtil::SplitQuotedFields(line, ",", "\"", fields);
        for (int n = 0; n < static_cast<int>(fields.size()) + 3; ++n) {
            int found = -1;
            const std::string expected = CStrUtil::GetQuotedField(line, n, ",", "\"", &found);
            const bool has = n < static_cast<int>(fields.size());
            EXPECT_EQ(found, has ? 1 : 0) << line << " [" << n << "]";
            if (has) {
                EXPECT_EQ(fields[n], expected) << line << " [" << n << "]";
            }
        }
    }
    std::vector<std::string_view> fields;
    CStrUtil::SplitQuotedFields("\"a b\" c  d", " ", "\"", fields);
    EXPECT_EQ(fields, (std::vector<std::string_view>{"a b", "c", "", "d"}));
}

TEST(CountDelimiters, CountsOnlyEndedLines) {
    EXPECT_EQ(CStrUtil::CountDelimiters("a\r\nb\r\nc", "\r\n"), 2);
    EXPECT_EQ(CStrUtil::CountDelimiters("", "\r\n"), 0);
    EXPECT_EQ(CStrUtil::CountDelimiters("aaaa", "aa"), 2);
    EXPECT_EQ(CStrUtil::CountDelimiters("ソ\\", "\\"), 1);
}

TEST(CountCharInBuf, StopsAtZeroAndLength) {
    const char buf[] = "a,b,c\0,,";
    EXPECT_EQ(CStrUtil::CountCharInBuf(buf, ',', 8), 2);
    EXPECT_EQ(CStrUtil::CountCharInBuf(buf, ',', 2), 1);
    EXPECT_EQ(CStrUtil::CountCharInBuf("ソ\\", '\\', 3), 1);
}

struct CutCase {
    const char* s;
    int n;
    const char* out;
    int dropped;
};
void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.s << " n=" << c.n;
}

class CutMbcsTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutMbcsTest, NeverSplitsACharacter) {
    const CutCase& c = GetParam();
    std::string out = "junk";
    EXPECT_EQ(CStrUtil::CutMbcs(c.s, out, c.n), c.dropped);
    EXPECT_EQ(out, c.out);
}

INSTANTIATE_TEST_SUITE_P(Cases, CutMbcsTest,
                         testing::Values(CutCase{"abcソd", 4, "abc", 3},  // 4th+5th byte one char
                                         CutCase{"abcソd", 5, "abcソ", 1},
                                         CutCase{"abcソd", 6, "abcソd", 0},
                                         CutCase{"abcソd", 60, "abcソd", 0},
                                         CutCase{"ｶﾅｶﾅ", 3, "ｶﾅｶ", 1}, CutCase{"表", 1, "", 2},
                                         CutCase{"ab", 0, "", 2}));

TEST(CopyToBuffer, CutsToWidthAndTerminatesShortText) {
    char buf[6];
    std::memset(buf, 'x', sizeof buf);
    CStrUtil::CopyToBuffer("abcソd", buf, 4);
    EXPECT_EQ(std::string(buf, 4), std::string("abc\0", 4));
    EXPECT_EQ(buf[4], 'x');  // never more than width bytes are touched

    std::memset(buf, 'x', sizeof buf);
    CStrUtil::CopyToBuffer("ab", buf, 5);
    EXPECT_STREQ(buf, "ab");
    EXPECT_EQ(buf[5], 'x');

    std::memset(buf, 'x', sizeof buf);
    CStrUtil::CopyToBuffer("abcde", buf, 5);  // full width: no terminator inside width
    EXPECT_EQ(std::string(buf, 5), "abcde");
}

TEST(PadLeft, RightAlignsToWidth) {
    char buf[16] = "12";
    EXPECT_EQ(CStrUtil::PadLeft(buf, "0", 5), 1);
    EXPECT_STREQ(buf, "00012");
    char full[16] = "123456";
    CStrUtil::PadLeft(full, "0", 5);
    EXPECT_STREQ(full, "123456");
    char two[16] = "1";
    CStrUtil::PadLeft(two, "ab", 6);  // as many whole fills as fit
    EXPECT_STREQ(two, "abab1");
    EXPECT_EQ(CStrUtil::PadLeft(two, "", 6), 0);
    EXPECT_EQ(CStrUtil::PadLeft(nullptr, "0", 6), 0);
}

TEST(PadRight, AppendsWholeFillsWithinWidth) {
    const struct {
        const char* text;
        const char* fill;
        int width;
        const char* expected;
    } cases[] = {
        {"abc", " ", 5, "abc  "}, {"abc", " ", 2, "abc"},   // already too long
        {"abc", " ", 3, "abc"},   {"a", "xy", 6, "axyxy"},  // only whole fills
        {"", "0", 3, "000"},      {"abc", "", 5, "abc"},
    };
    for (const auto& c : cases) {
        char buf[16] = {};
        std::strcpy(buf, c.text);
        CStrUtil::PadRight(buf, c.fill, c.width);
        EXPECT_STREQ(buf, c.expected) << c.text << " / " << c.fill << " / " << c.width;
    }
    char buf[8] = "ab";
    CStrUtil::PadRight(buf, nullptr, 5);
    EXPECT_STREQ(buf, "ab");
}

TEST(BlankFullWidthSpaces, FullWidthSpacesAndZeroBytesWithinTheLength) {
    const struct {
        std::string text;
        int length;
        std::string expected;
    } cases[] = {
        {"a\x81\x40"
         "b",
         4, "a  b"},
        {std::string("a\0b\0", 4), 4, "a b "},
        {"\x81\x40\x81\x40", 2, "  \x81\x40"},  // only within the length
        // "\x88\x81" is one character: its second byte and the "@" after it are no space.
        {"\x88\x81\x40", 3, "\x88\x81\x40"},
        {std::string("\x88\0", 2), 2, "\x88 "},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        std::string buf = c.text;
        EXPECT_EQ(CStrUtil::BlankFullWidthSpaces(buf.data(), c.length), c.length);
        EXPECT_EQ(buf, c.expected);
    }
}

TEST(FormatNumbers, ThousandsAndInt64) {
    const struct {
        const char* text;
        const char* thousands;
    } grouped[] = {
        {"", ""},
        {"1", "1"},
        {"123", "123"},
        {"1234", "1,234"},
        {"1234567", "1,234,567"},
        {"123456789012", "123,456,789,012"},
    };
    for (const auto& c : grouped) EXPECT_EQ(CStrUtil::FormatThousands(c.text), c.thousands);

    const struct {
        const char* text;
        const char* formatted;
    } numbers[] = {
        {"000123456", "123,456"},
        {"  42abc", "42"},
        {"", "0"},
        {"x1", "0"},
        {"+1000", "1,000"},
        {"-1234", "-1,234"},
        {"-123", "-123"},  // no comma between the sign and the digits
        {"9223372036854775807", "9,223,372,036,854,775,807"},
        {"99999999999999999999", "9,223,372,036,854,775,807"},
        {"-99999999999999999999", "-9,223,372,036,854,775,808"},
    };
    for (const auto& c : numbers) EXPECT_EQ(CStrUtil::FormatInt64(c.text), c.formatted) << c.text;
}

TEST(StripLeadingZerosKeepZero, Cases) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", ""},         {"0", "0"},  {"5", "5"},       {"0012", "12"},
        {"000", "0"},     {"00", "0"}, {"1000", "1000"}, {"0 5", "0 5"},
        {"000 5", "0 5"}, {"05", "5"}, {"0a", "a"},      {" 01", " 01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CStrUtil::StripLeadingZerosKeepZero(c.text), c.expected) << "[" << c.text << "]";
    }
}

TEST(Trim, Buffers) {
    char zeros[8] = "000";
    CStrUtil::TrimLeftBuf(zeros, '0');
    EXPECT_STREQ(zeros, "000");
    CStrUtil::TrimRightBuf(zeros, '0');
    EXPECT_STREQ(zeros, "");

    char lead[8] = "0012";
    CStrUtil::TrimLeftBuf(lead, '0');
    EXPECT_STREQ(lead, "12");

    char spaces[16] = "ab  ";
    CStrUtil::TrimRightBuf(spaces, ' ');
    EXPECT_STREQ(spaces, "ab");

    // The second byte of "ソ" is "\": it is not a trailing "\".
    char sjis[16] = "aソ\\";
    CStrUtil::TrimRightBuf(sjis, '\\');
    EXPECT_STREQ(sjis, "aソ");
}

TEST(Trim, Strings) {
    EXPECT_EQ(CStrUtil::TrimRight("ab  ", " "), "ab");
    EXPECT_EQ(CStrUtil::TrimRight("   ", " "), "");
    EXPECT_EQ(CStrUtil::TrimRight(std::string("ab \0 ", 5), " "), "ab");
    EXPECT_EQ(CStrUtil::TrimRight("表", "\\"), "表");
    EXPECT_EQ(CStrUtil::TrimLeft("  ab ", " "), "ab ");
    EXPECT_EQ(CStrUtil::TrimLeft("   ", " "), "");
    EXPECT_EQ(CStrUtil::TrimRight("ab　　", "　"), "ab");  // full-width space as one unit

    std::string s = "  x  ";
    CStrUtil::TrimRightStr(s, ' ');
    EXPECT_EQ(s, "  x");
    CStrUtil::TrimLeftStr(s, ' ');
    EXPECT_EQ(s, "x");
    std::string blanks = "   ";
    CStrUtil::TrimLeftStr(blanks, ' ');
    EXPECT_EQ(blanks, "   ");
}

TEST(RemoveChar, ClosesGaps) {
    char amount[16] = "1,234,567";
    CStrUtil::RemoveChar(amount, ',');
    EXPECT_STREQ(amount, "1234567");
    char sjis[16] = "ソ\\a\\";
    CStrUtil::RemoveChar(sjis, '\\');
    EXPECT_STREQ(sjis, "ソa");
}

}  // namespace
