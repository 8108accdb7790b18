// The pattern-line layout of a made-up tool that numbers its ten fields from 1 (eight in older
// lines) and reports an item beyond the record as 20.
#include "common/patterns/PatternLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/base/MasterText.h"
#include "common/patterns/PatternItems.h"

namespace {

constexpr PatternLayout kLayout = {
    .fieldCount = 10,
    .legacyFieldCount = 8,
    .firstFieldNumber = 1,
    .overrunResult = 20,
    .firstItemField = 3,
    .positionWidth = 3,
    .itemNameWidth = 8,
};

std::string Line(int fields) {
    std::string line = "\"f1\"";
    for (int i = 2; i <= fields; ++i) line += ",\"f" + std::to_string(i) + "\"";
    return line;
}

TEST(PatternLayout, LinesOfTheCurrentOrTheOlderFieldCount) {
    for (int fields = 6; fields <= 12; ++fields)
        EXPECT_EQ(IsPatternLine(Line(fields), kLayout), fields == 10 || fields == 8) << fields;
    const auto fields = PatternFields(Line(8), kLayout);
    ASSERT_EQ(fields.size(), 10u);
    EXPECT_EQ(fields[static_cast<size_t>(kLayout.Index(1))], "f1");
    EXPECT_EQ(fields[static_cast<size_t>(kLayout.Index(8))], "f8");
    EXPECT_EQ(fields[static_cast<size_t>(kLayout.Index(9))], "");
}

TEST(PatternLayout, PositionChecks) {
    struct Case {
        ItemPosition a, b, c;
        int result;
        int item;
    };
    const Case cases[] = {
        {{true, 1, 4}, {true, 5, 3}, {true, 8, 3}, 0, 0},   // end to end, the record filled
        {{true, 1, 4}, {true, 5, 3}, {true, 8, 4}, 20, 3},  // the third ends beyond
        {{true, 1, 4}, {true, 4, 3}, {true, 8, 3}, 2, 2},   // one shared byte
        {{true, 1, 4}, {false, 2, 2}, {true, 9, 2}, 0, 0},  // an unchecked item overlaps
        {{true, 5, 2}, {true, 9, 2}, {true, 1, 6}, 3, 3},   // the later one is named
    };
    for (const Case& c : cases) {
        const ItemPosition positions[] = {c.a, c.b, c.c};
        int item = 0;
        EXPECT_EQ(CheckItemPositions(positions, 10, kLayout, &item), c.result);
        EXPECT_EQ(item, c.item);
    }
}

// Three items of a made-up tool whose lines name their first item field 3; the second item may
// be left out, and the length fields are 1, 2 and 1 bytes wide.
constexpr ItemSpec kItems[] = {
    {.label = "code",
     .recordWidth = 4,
     .need = ItemNeed::kRequired,
     .chars = ItemChars::kDigits,
     .patternLengthWidth = 1},
    {.label = "name", .recordWidth = 40, .optionalInFixed = true, .patternLengthWidth = 2},
    {.label = "sum",
     .recordWidth = 6,
     .need = ItemNeed::kRequired,
     .chars = ItemChars::kAmount,
     .patternLengthWidth = 1},
};

// Fields 3 to 8 are the start and length (or column and text) of each item; 1, 2, 9 and 10
// are the tool's own.
const std::string kLine = "\"f1\",\"f2\",\"1\",\"4\",\"\",\"\",\"5\",\"6\",\"f9\",\"f10\"";

TEST(PatternItems, FixedLengthFieldsReadCheckAndWriteBack) {
    CPatternItemFields fixed(kItems, kLayout, PatternShape::kFixedLength);
    fixed.Read(PatternFields(kLine, kLayout));
    ASSERT_EQ(fixed.Count(), 3);
    EXPECT_EQ(fixed.FirstNumber(2), 5);
    EXPECT_EQ(fixed.SecondNumber(2), 6);
    for (int number : {1, 2, 9, 10}) {
        EXPECT_FALSE(fixed.IsItemField(number)) << number;
        EXPECT_EQ(fixed.Get(number), "") << number;
    }
    // The unplaced optional item is not checked; the last item ends at byte 10.
    int item = 0;
    EXPECT_EQ(fixed.CheckPositions(10, &item), 0);
    EXPECT_EQ(fixed.CheckPositions(9, &item), 20);
    EXPECT_EQ(item, 3);

    std::vector<std::string> fields = PatternFields(kLine, kLayout);
    fixed.Write(fields);
    EXPECT_EQ(CMasterText::FormatFields(fields), kLine);

    // Each field is cut to its own width: starts 3 bytes, the lengths 1 and 2.
    fixed.Set(3, "12345");
    fixed.Set(4, "12");
    fixed.Set(6, "123");
    EXPECT_EQ(fixed.First(0), "123");
    EXPECT_EQ(fixed.Second(0), "1");
    EXPECT_EQ(fixed.Second(1), "12");
    fixed.Write(fields);
    EXPECT_EQ(fields[static_cast<size_t>(kLayout.Index(3))], "123");
    EXPECT_EQ(fields[static_cast<size_t>(kLayout.Index(6))], "12");
    EXPECT_EQ(fields[static_cast<size_t>(kLayout.Index(9))], "f9");
}

TEST(PatternItems, SeparatedTextsHaveNoWidthAndListTextsArePadded) {
    CPatternItemFields delim(kItems, kLayout, PatternShape::kSeparated);
    delim.Set(8, "a long sample text");
    delim.Set(7, "12345");
    EXPECT_EQ(delim.Second(2), "a long sample text");
    EXPECT_EQ(delim.First(2), "123");
    EXPECT_EQ(PatternItemListText(kItems[0], kLayout), "code    (必須) ：");
    EXPECT_EQ(PatternItemListText(kItems[1], kLayout), "name    (任意) ：");
}

}  // namespace
