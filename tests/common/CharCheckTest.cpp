#include "common/base/CharCheck.h"

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

TEST(CharCheck, ForbiddenSetAndSingleBytesOnly) {
    const auto check = [](const char* text, const char* extra = nullptr) {
        return CCharCheck::CheckForbidden(text, static_cast<int>(std::strlen(text)), extra, "{}~`");
    };
    EXPECT_TRUE(check(""));
    EXPECT_TRUE(check("ABC-123"));
    EXPECT_TRUE(check("ｶﾌﾞｼｷｶﾞｲｼｬ"));
    EXPECT_TRUE(check("\xA1\xA5 |\""));  // kana punctuation, blank, other printable ASCII
    EXPECT_FALSE(check("A{B"));
    EXPECT_FALSE(check("A`"));
    EXPECT_FALSE(check("A\tB"));
    EXPECT_TRUE(check("A\tB", "\t"));  // a control byte passes only as an extra
    EXPECT_FALSE(check("A{B", "{"));   // a forbidden printable byte stays forbidden
    EXPECT_FALSE(check("ｱ\x7F"));
    EXPECT_FALSE(check("株式"));
    EXPECT_FALSE(check("ｱ\x82\xA0"));  // a double-byte character after a kana
}

TEST(CharCheck, QuoteOrComma) {
    EXPECT_TRUE(CCharCheck::HasNoQuoteOrComma("ﾃｽﾄ ﾊﾟﾀｰﾝ"));
    EXPECT_FALSE(CCharCheck::HasNoQuoteOrComma("a,b"));
    EXPECT_FALSE(CCharCheck::HasNoQuoteOrComma("a\"b"));
    EXPECT_TRUE(CCharCheck::HasNoQuoteOrComma(""));
}

}  // namespace
