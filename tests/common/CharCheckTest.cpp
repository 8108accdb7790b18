#include "common/CharCheck.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct CharCase {
    const char* text;
    const char* extra;
    bool kanaAlnum;
    bool digits;
};
void PrintTo(const CharCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class CharCheckTest : public testing::TestWithParam<CharCase> {};

TEST_P(CharCheckTest, Classes) {
    const CharCase& c = GetParam();
    const int len = static_cast<int>(std::strlen(c.text));
    EXPECT_EQ(CCharCheck::IsKanaAlnum(c.text, len, c.extra), c.kanaAlnum);
    EXPECT_EQ(CCharCheck::IsDigits(c.text, len, c.extra), c.digits);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CharCheckTest,
    testing::Values(CharCase{"", nullptr, true, false}, CharCase{"0123456789", nullptr, true, true},
                    CharCase{"ABCxyz", nullptr, true, false},
                    CharCase{"ｦｱﾝﾞﾟ", nullptr, true, false},  // 0xA6..0xDF
                    CharCase{"\xA5", nullptr, false, false},  // half-width middle dot
                    CharCase{"\xA1", nullptr, false, false},  // half-width full stop
                    CharCase{"ｱ ｲ", nullptr, false, false},   // a space is not allowed...
                    CharCase{"ｱ ｲ", " ", true, false},        // ...unless it is extra
                    CharCase{"12-3", "-", true, true}, CharCase{"ア", nullptr, false, false},
                    CharCase{"１", nullptr, false, false}));

TEST(CharCheck, QuoteOrComma) {
    EXPECT_TRUE(CCharCheck::HasNoQuoteOrComma("ﾃｽﾄ ﾊﾟﾀｰﾝ"));
    EXPECT_FALSE(CCharCheck::HasNoQuoteOrComma("a,b"));
    EXPECT_FALSE(CCharCheck::HasNoQuoteOrComma("a\"b"));
    EXPECT_TRUE(CCharCheck::HasNoQuoteOrComma(""));
}

}  // namespace
