#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"
#include "transfer/TransferItems.h"

namespace {

using xf::CDelimPattern;
using xf::CFixedPattern;
using xf::CPatternBase;

std::string Name74() {
    std::string name = "ﾊﾟﾀｰﾝ";                 // 5 single bytes
    for (int i = 0; i < 34; ++i) name += "名";  // 68 bytes
    return name + "Z";                          // 74 bytes
}

TEST(Pattern, FreshPatternHasFortyEmptyFields) {
    const CFixedPattern fixed;
    const CDelimPattern delim;
    for (int i = 0; i < xf::kPatternLayout.fieldCount; ++i) {
        EXPECT_EQ(fixed.GetField(i), "") << i;
        EXPECT_EQ(delim.GetField(i), "") << i;
    }
}

TEST(Pattern, CopyKeepsAFullWidthName) {
    CFixedPattern a;
    a.SetField(3, Name74());
    ASSERT_EQ(std::strlen(a.name), 74u);
    a.SetField(31, "0150");
    a.SetField(4 + 2 * xf::kAmount, "101");
    a.SetField(5 + 2 * xf::kAmount, "10");
    CFixedPattern b;
    b = a;
    EXPECT_EQ(std::string(b.name), Name74());
    EXPECT_EQ(b.RecordLength(), 150);
    EXPECT_EQ(b.Start(xf::kAmount), 101);
    EXPECT_EQ(b.Length(xf::kAmount), 10);

    const CFixedPattern& self = b;
    b = self;
    EXPECT_EQ(std::string(b.name), Name74());

    CDelimPattern d;
    d.SetField(3, Name74());
    d.SetField(5, "ｷﾞﾝｺｳ");
    CDelimPattern e;
    e = d;
    EXPECT_EQ(std::string(e.name), Name74());
    EXPECT_EQ(e.Text(0), "ｷﾞﾝｺｳ");
}

TEST(Pattern, SetFieldCutsToWidthOnCharacterBoundary) {
    CFixedPattern p;
    // 73 single bytes and then a double-byte character: it does not fit whole and is left out.
    p.SetField(3, std::string(73, 'a') + "名");
    EXPECT_EQ(std::string(p.name), std::string(73, 'a'));
    p.SetField(0, "0123");
    EXPECT_EQ(p.GetField(0), "01");
    p.SetField(5 + 2 * xf::kBankName, std::string(60, '9'));  // a length field 50 wide
    EXPECT_EQ(p.GetField(5 + 2 * xf::kBankName).size(), 50u);
    p.SetField(5 + 2 * xf::kAccountNumber, "123456789");  // ...and one 7 wide
    EXPECT_EQ(p.GetField(5 + 2 * xf::kAccountNumber), "1234567");
}

TEST(Pattern, EveryFieldRoundTrips) {
    CFixedPattern fixed;
    CDelimPattern delim;
    for (int i = 0; i < xf::kPatternLayout.fieldCount; ++i) {
        const std::string v = std::to_string(i % 10);
        fixed.SetField(i, v);
        delim.SetField(i, v);
    }
    for (int i = 0; i < xf::kPatternLayout.fieldCount; ++i) {
        EXPECT_EQ(fixed.GetField(i), std::to_string(i % 10)) << i;
        EXPECT_EQ(delim.GetField(i), std::to_string(i % 10)) << i;
    }
    // Fields 4 + 2k / 5 + 2k belong to item k.
    EXPECT_EQ(fixed.StartText(11), "6");  // field 26
    EXPECT_EQ(fixed.LengthText(11), "7");
    EXPECT_EQ(delim.ColumnText(11), "6");
    EXPECT_EQ(delim.Text(11), "7");
    EXPECT_EQ(std::string(fixed.dataRow), "9");
}

TEST(Pattern, DelimItemWithoutColumnIsNotTaken) {
    CDelimPattern p;
    p.SetField(5 + 2 * xf::kEdiInfo, "EDI");
    EXPECT_FALSE(p.HasColumn(xf::kEdiInfo));
    p.SetField(4 + 2 * xf::kEdiInfo, "0");
    EXPECT_TRUE(p.HasColumn(xf::kEdiInfo));  // column 0 is a real column
    EXPECT_EQ(p.ColumnOf(xf::kEdiInfo), 0);
}

TEST(Pattern, NumbersReadAsLeadingDecimal) {
    EXPECT_EQ(CPatternBase::ToInt(""), 0);
    EXPECT_EQ(CPatternBase::ToInt(" 12x"), 12);
    EXPECT_EQ(CPatternBase::ToInt("abc"), 0);
    CDelimPattern p;
    p.SetField(2, "2");
    EXPECT_STREQ(p.Separator(), "\t");
    p.SetField(2, "4");
    EXPECT_STREQ(p.Separator(), " ");
    p.SetField(2, "3");
    EXPECT_STREQ(p.Separator(), "");
}

}  // namespace
