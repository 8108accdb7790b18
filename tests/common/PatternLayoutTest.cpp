// The pattern-line layout of a made-up tool that numbers its ten fields from 1 (eight in older
// lines) and reports an item beyond the record as 20.
#include "common/PatternLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr PatternLayout kLayout = {10, 8, 1, 20, 3, 3, 8};

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

}  // namespace
