#include "common/MasterText.h"

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
