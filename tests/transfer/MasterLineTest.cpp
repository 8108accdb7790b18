#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/base/MasterText.h"
#include "transfer/PatternLine.h"
#include "transfer/RequesterLine.h"

namespace {

using xf::CDelimPattern;
using xf::CFixedPattern;
using Fields = std::vector<std::string>;

// A stored 40-field fixed-length pattern line.
Fields FixedFields() {
    Fields f = {"01", "総合振込", "3", "固定長ﾃｽﾄ"};
    const char* positions[] = {"1",  "4",  "5",  "15", "20", "3",  "23",  "15",
                               "38", "1",  "39", "7",  "46", "30", "76",  "10",
                               "86", "10", "",   "",   "96", "20", "116", "10"};
    for (const char* p : positions) f.push_back(p);
    for (const char* o : {"1", "2", "", "150", "ﾌﾂｳ", "ﾄｳｻﾞ", "ﾁﾖﾁｸ", "ｿﾉﾀ", "3", "0", "2", "3"})
        f.push_back(o);
    return f;
}

// A stored 40-field separated pattern line (comma).
Fields DelimFields() {
    Fields f = {"02", "給与賞与", "1", "CSVﾃｽﾄ"};
    for (int k = 0; k < 12; ++k) {
        f.push_back(k < 10 ? std::to_string(k) : "");
        f.push_back(k < 10 ? "列" + std::to_string(k) : "");
    }
    for (const char* o : {"2", "1", "2", "", "1", "2", "4", "9", "2", "1", "0", "1"})
        f.push_back(o);
    return f;
}

std::string Line(const Fields& f) {
    return CMasterText::FormatFields(f);
}

Fields First36(Fields f) {
    f.resize(36);
    return f;
}

TEST(PatternLine, FortyFieldLinesRoundTrip) {
    for (const Fields& f : {FixedFields(), DelimFields()}) {
        const std::string line = Line(f);
        ASSERT_TRUE(xf::IsPatternLine(line));
        CFixedPattern fixed;
        CDelimPattern delim;
        const bool isFixed = f[2] == "3";
        ASSERT_EQ(xf::ParsePatternLine(line, fixed), isFixed);
        ASSERT_EQ(xf::ParsePatternLine(line, delim), !isFixed);
        const xf::CPatternBase& parsed = isFixed ? static_cast<xf::CPatternBase&>(fixed) : delim;
        for (int i = 0; i < 40; ++i) EXPECT_EQ(parsed.GetField(i), f[i]) << i;
        EXPECT_EQ(xf::FormatPatternLine(parsed), line);
    }
}

TEST(PatternLine, ThirtySixFieldLinesTakeTheDefaults) {
    struct Case {
        const char* name;
        Fields fields;
        const char* dataFormat;
        Fields options;  // fields 36 to 39 after parsing
    };
    const Case cases[] = {
        {"fixed", Fields(), "", {"1", "1", "1", "2"}},
        {"separated", Fields(), "1", {"1", "1", "1", "2"}},
        {"separated without title", Fields(), "2", {"1", "1", "0", "1"}},
    };
    for (const Case& c : cases) {
        Fields f = std::string(c.name) == "fixed" ? FixedFields() : DelimFields();
        f[30] = c.dataFormat;
        const std::string line = Line(First36(f));
        ASSERT_TRUE(xf::IsPatternLine(line)) << c.name;
        std::unique_ptr<xf::CPatternBase> p;
        if (f[2] == "3") {
            auto fixed = std::make_unique<CFixedPattern>();
            ASSERT_TRUE(xf::ParsePatternLine(line, *fixed));
            p = std::move(fixed);
        } else {
            auto delim = std::make_unique<CDelimPattern>();
            ASSERT_TRUE(xf::ParsePatternLine(line, *delim));
            p = std::move(delim);
        }
        for (int i = 0; i < 36; ++i) EXPECT_EQ(p->GetField(i), f[i]) << c.name << " " << i;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(p->GetField(36 + i), c.options[i]) << c.name << i;
        // Saved again it has all 40 fields.
        EXPECT_EQ(CMasterText::CountSeparators(*xf::FormatPatternLine(*p)), 39);
    }
}

TEST(PatternLine, FortyFieldsWithoutOutputOptionsAlsoTakeTheDefaults) {
    Fields f = FixedFields();
    f[36] = f[37] = "";  // title rows and data row are then not taken
    CFixedPattern p;
    ASSERT_TRUE(xf::ParsePatternLine(Line(f), p));
    EXPECT_EQ(Fields({p.outputLengthCode, p.lineBreakCode, p.titleRows, p.dataRow}),
              Fields({"1", "1", "1", "2"}));
}

TEST(PatternLine, OtherFieldCountsAreNoPatternLines) {
    for (int n : {1, 35, 37, 39, 41}) {
        Fields f = FixedFields();
        f.resize(n);
        EXPECT_FALSE(xf::IsPatternLine(Line(f))) << n;
    }
}

TEST(PatternLine, WrongShapeLeavesThePatternAlone) {
    CFixedPattern fixed;
    fixed.SetField(3, "前の");
    EXPECT_FALSE(xf::ParsePatternLine(Line(DelimFields()), fixed));
    EXPECT_STREQ(fixed.name, "前の");
    CDelimPattern delim;
    EXPECT_FALSE(xf::ParsePatternLine(Line(FixedFields()), delim));
}

TEST(PatternLine, EntryOfALine) {
    const CPatternEntry e = xf::PatternEntryOf(Line(DelimFields()), 7);
    EXPECT_EQ(e.kind, 2);
    EXPECT_EQ(e.fileClass, 1);
    EXPECT_EQ(e.name, "CSVﾃｽﾄ");
    EXPECT_EQ(e.index, 7);
}

TEST(PatternLine, AFieldWithAQuoteOrLineEndIsNotFormatted) {
    for (const char* bad : {"a\"b", "a\r\nb"}) {
        CDelimPattern p;
        p.SetField(3, "名前");
        p.SetField(5, bad);  // a separated pattern's item text is taken whole
        EXPECT_FALSE(xf::FormatPatternLine(p).has_value()) << bad;
    }
}

// --- Position check --------------------------------------------------------------------------

struct Item {
    int kind;
    const char* start;
    const char* length;
};

struct PositionCase {
    const char* name;
    const char* recordLength;
    std::vector<Item> items;
    int result;
    int item;
};
void PrintTo(const PositionCase& c, std::ostream* os) {
    *os << c.name;
}

class PositionCheckTest : public testing::TestWithParam<PositionCase> {};

// The required items 0, 2, 4, 5, 6 and 7 side by side from byte 1, optional items unset.
CFixedPattern Required() {
    CFixedPattern p;
    const Item items[] = {{0, "1", "4"}, {2, "5", "3"},   {4, "8", "1"},
                          {5, "9", "7"}, {6, "16", "30"}, {7, "46", "10"}};
    for (const Item& i : items) {
        p.SetField(4 + 2 * i.kind, i.start);
        p.SetField(5 + 2 * i.kind, i.length);
    }
    return p;
}

TEST_P(PositionCheckTest, Finds) {
    const PositionCase& c = GetParam();
    CFixedPattern p = Required();
    p.SetField(31, c.recordLength);
    for (const Item& i : c.items) {
        p.SetField(4 + 2 * i.kind, i.start);
        p.SetField(5 + 2 * i.kind, i.length);
    }
    int item = -1;
    EXPECT_EQ(xf::CheckFixedPositions(p, &item), c.result);
    if (c.result != 0) {
        EXPECT_EQ(item, c.item);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PositionCheckTest,
    testing::Values(
        PositionCase{"AllFit", "55", {}, 0, 0},
        PositionCase{"LastItemBeyondRecord", "54", {}, 17, 8},
        // Customer code 1 ends at 10 and the bank code moves to start at 11: they touch.
        PositionCase{"TouchingItemsPass", "80", {{0, "71", "4"}, {8, "61", "10"}}, 0, 0},
        PositionCase{
            "SharingOneByteFailsWithTheLaterItem", "80", {{0, "70", "4"}, {8, "61", "10"}}, 9, 9},
        PositionCase{"OptionalItemWithoutStartIsSkipped", "55", {{1, "", "15"}}, 0, 0},
        PositionCase{"OptionalItemWithStartIsChecked", "55", {{3, "2", "5"}}, 4, 4},
        PositionCase{"EarlierItemBeyondRecordComesFirst", "55", {{1, "50", "10"}}, 17, 2}),
    [](const testing::TestParamInfo<PositionCase>& info) { return std::string(info.param.name); });

// --- Requester lines -------------------------------------------------------------------------

TEST(RequesterLine, EightAndFiveFieldLines) {
    struct Case {
        Fields fields;
        Fields expected;  // name .. transfer kind after parsing
    };
    const Case cases[] = {
        {{"ｶ)ﾃｽﾄ", "001", "ﾎﾝﾃﾝ", "1", "1234567", "テスト商事", "0123456789", "1"},
         {"ｶ)ﾃｽﾄ", "001", "ﾎﾝﾃﾝ", "1", "1234567", "テスト商事", "0123456789", "1"}},
        {{"ｶ)ﾃｽﾄ", "001", "ﾎﾝﾃﾝ", "1", "1234567", "", "", ""},
         {"ｶ)ﾃｽﾄ", "001", "ﾎﾝﾃﾝ", "1", "1234567", "ｶ)ﾃｽﾄ", "", ""}},
        {{"ｶ)ﾌﾙｲ", "002", "ｼﾃﾝ", "2", "7654321"},
         {"ｶ)ﾌﾙｲ", "002", "ｼﾃﾝ", "2", "7654321", "ｶ)ﾌﾙｲ", "", ""}},
    };
    for (const Case& c : cases) {
        xf::CRequesterInfo r;
        ASSERT_TRUE(xf::ParseRequesterLine(Line(c.fields), 4, r));
        EXPECT_EQ(Fields({r.name, r.branchCode, r.branchName, r.accountType, r.accountNumber,
                          r.description, r.requesterCode, r.transferKind}),
                  c.expected);
        EXPECT_EQ(r.index, 4);
        // Written again: always 8 fields.
        EXPECT_EQ(xf::FormatRequesterLine(r), Line(c.expected));
    }
}

TEST(RequesterLine, OtherFieldCountsMakeNoRequester) {
    for (int n : {1, 4, 6, 7, 9}) {
        Fields f(n, "1");
        xf::CRequesterInfo r;
        r.index = 9;
        EXPECT_FALSE(xf::ParseRequesterLine(Line(f), 0, r)) << n;
        EXPECT_EQ(r.index, 9);
    }
}

TEST(RequesterLine, LongFieldsAreCutToTheirWidth) {
    const Fields f = {std::string(45, 'A'),          "12345",       "B", "1", "123456789",
                      std::string(73, 'x') + "漢字", "01234567890", "12"};
    xf::CRequesterInfo r;
    ASSERT_TRUE(xf::ParseRequesterLine(Line(f), 0, r));
    EXPECT_EQ(std::string(r.name), std::string(40, 'A'));
    EXPECT_EQ(std::string(r.branchCode), "123");
    EXPECT_EQ(std::string(r.accountNumber), "1234567");
    EXPECT_EQ(std::string(r.description), std::string(73, 'x'));  // "漢" does not fit whole
    EXPECT_EQ(std::string(r.requesterCode), "0123456789");
    EXPECT_EQ(std::string(r.transferKind), "1");
}

TEST(RequesterLine, AQuoteInAFieldIsNotFormatted) {
    xf::CRequesterInfo r;
    std::strcpy(r.description, "A\"B");
    EXPECT_FALSE(xf::FormatRequesterLine(r).has_value());
}

}  // namespace

namespace {

// A record-length code outside 1-3 or a line-break code outside 0-1 is no pattern of ours; a
// line without both codes is an older line and takes the defaults.
TEST(PatternLine, OutputCodesOutsideTheirRangeAreRefused) {
    struct Case {
        const char* length;
        const char* lineBreak;
        bool parses;
    };
    const Case cases[] = {{"1", "1", true},  {"3", "0", true},  {"", "", true},
                          {"0", "1", false}, {"4", "1", false}, {"12", "1", false},
                          {"2", "2", false}, {"2", "", false},  {"", "0", false},
                          {"a", "1", false}};
    for (const Case& c : cases) {
        for (Fields f : {FixedFields(), DelimFields()}) {
            f[36] = c.length;
            f[37] = c.lineBreak;
            CFixedPattern fixed;
            CDelimPattern delim;
            const bool parsed = f[2] == "3" ? xf::ParsePatternLine(Line(f), fixed)
                                            : xf::ParsePatternLine(Line(f), delim);
            EXPECT_EQ(parsed, c.parses) << f[2] << " [" << c.length << "][" << c.lineBreak << "]";
        }
    }
}

}  // namespace
