#include "common/base/MasterText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(MasterText, SplitLinesKeepsALastLineWithoutLineEnd) {
    EXPECT_EQ(CMasterText::SplitLines(""), Lines{});
    EXPECT_EQ(CMasterText::SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(CMasterText::SplitLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(CMasterText::SplitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    // Nothing but an end byte or blanks after the last line end is no line.
    EXPECT_EQ(CMasterText::SplitLines("a\r\n\x1A"), Lines{"a"});
    EXPECT_EQ(CMasterText::SplitLines("a\r\n \n"), Lines{"a"});
    // A bare LF is no line end.
    EXPECT_EQ(CMasterText::SplitLines("a\nb\r\n"), (Lines{"a\nb"}));
}

TEST(MasterText, AMasterWithoutCrLfEndsItsLinesWithLfAlone) {
    // The whole file saved by another editor or a version-control checkout.
    const struct {
        const char* name;
        const char* text;
        Lines lines;
    } cases[] = {
        {"LF only", "a\nb\n", {"a", "b"}},
        {"last without line end", "a\nb", {"a", "b"}},
        {"empty line", "a\n\nb\n", {"a", "", "b"}},
        {"end byte after the last line", "a\n\x1A", {"a"}},
        // A CR that no LF follows ends no line.
        {"CR alone", "a\rb\n", {"a\rb"}},
    };
    for (const auto& c : cases) EXPECT_EQ(CMasterText::SplitLines(c.text), c.lines) << c.name;

    std::string_view rest;
    EXPECT_EQ(CMasterText::CutLines("a\nb\nc", &rest), (Lines{"a", "b"}));
    EXPECT_EQ(rest, "c");
    EXPECT_EQ(CMasterText::CutLines("a\r\nb\nc", &rest), Lines{"a"});
    EXPECT_EQ(rest, "b\nc");
}

TEST(MasterText, ControlBytesAreFoundInAnyField) {
    using namespace std::string_literals;
    EXPECT_FALSE(CMasterText::HoldsControlByte("ｱｲｳ ABC 123 ソ表 ~"));
    for (const std::string& bad : {"a\0b"s, "\tx"s, "x\x1F"s, "x\x7F"s, "\r"s})
        EXPECT_TRUE(CMasterText::HoldsControlByte(bad)) << static_cast<int>(bad.back());
    EXPECT_EQ(CMasterText::FirstControlField(Lines{"ｱ", "1", "2"}), -1);
    EXPECT_EQ(CMasterText::FirstControlField(Lines{"ｱ", "1\0"s, "\t"}), 1);
}

TEST(MasterText, JoinLinesEndsEveryLine) {
    EXPECT_EQ(CMasterText::JoinLines(Lines{}), "");
    EXPECT_EQ(CMasterText::JoinLines(Lines{"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(MasterText, FieldsRoundTrip) {
    const Lines fields = {"ｶﾅ", "", "ソ表", "12"};
    const std::string line = CMasterText::FormatFields(fields);
    EXPECT_EQ(line, "\"ｶﾅ\",\"\",\"ソ表\",\"12\"");
    EXPECT_EQ(CMasterText::CountSeparators(line), 3);
    EXPECT_EQ(CMasterText::SplitFields(line), fields);
    EXPECT_EQ(CMasterText::SplitFields("\"\""), Lines{""});
}

TEST(MasterText, StorableFieldsHoldNoQuoteOrLineEnd) {
    EXPECT_TRUE(CMasterText::IsStorable("ｱｲｳ, 123"));
    EXPECT_FALSE(CMasterText::IsStorable("a\"b"));
    EXPECT_FALSE(CMasterText::IsStorable("a\rb"));
    EXPECT_FALSE(CMasterText::IsStorable("a\nb"));
}

}  // namespace
