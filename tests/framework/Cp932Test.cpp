#include "framework/Cp932.h"

#include <gtest/gtest.h>

namespace {

// The sources are UTF-8 and the narrow literals are compiled to CP932: these bytes are what the
// programs write to files and compare with. "ソ" and "表" end in 0x5C, which is also "\".
TEST(Cp932, NarrowLiteralsAreCp932Bytes) {
    EXPECT_EQ(std::string("ソ"), std::string("\x83\x5C"));
    EXPECT_EQ(std::string("表"), std::string("\x95\x5C"));
    EXPECT_EQ(std::string("ｶﾅ"), std::string("\xB6\xC5"));
    EXPECT_EQ(std::string("振込"), std::string("\x90\x55\x8D\x9E"));
}

TEST(Cp932, RoundTripThroughUtf16) {
    const std::string text = "金融機関コード ｶﾅ ABC ソ表";
    const std::wstring wide = kor::ToWide(text);
    EXPECT_EQ(wide, L"金融機関コード ｶﾅ ABC ソ表");
    EXPECT_EQ(kor::ToCp932(wide), text);
}

TEST(Cp932, LeadBytes) {
    EXPECT_TRUE(kor::IsSjisLeadByte(0x81));
    EXPECT_TRUE(kor::IsSjisLeadByte(0x9F));
    EXPECT_TRUE(kor::IsSjisLeadByte(0xE0));
    EXPECT_TRUE(kor::IsSjisLeadByte(0xFC));
    EXPECT_FALSE(kor::IsSjisLeadByte(0x80));
    EXPECT_FALSE(kor::IsSjisLeadByte(0xA0));
    EXPECT_FALSE(kor::IsSjisLeadByte(0xB6));  // half-width katakana is one byte
    EXPECT_FALSE(kor::IsSjisLeadByte(0x5C));
}

}  // namespace
