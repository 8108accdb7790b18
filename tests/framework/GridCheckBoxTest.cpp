// Check-box cells: the space bar and a click toggle them, and that is an edit.
#include <gtest/gtest.h>

#include "GridTestHost.h"

namespace {

using kortest::GridTestHost;

constexpr int kBox = 2;

void FillWithBoxes(GridTestHost& host) {
    host.Fill(5, 5);
    CVSFlexGrid& g = host.Grid();
    g.SetColDataType(kBox, CVSFlexGrid::kTypeCheckBox);
    g.SetColAlignment(kBox, CVSFlexGrid::kAlignCenter);
    g.SetCell(CVSFlexGrid::kCellChecked, 1, kBox, 4, kBox, CVSFlexGrid::kUnchecked);
}

TEST(GridCheckBox, SpaceTogglesTheCurrentBoxAsAnEdit) {
    GridTestHost host;
    FillWithBoxes(host);
    host.Grid().SetRow(3);
    host.Grid().SetCol(kBox);
    host.Key(VK_SPACE);
    host.Char(L' ');  // the character that follows the key does not toggle again
    EXPECT_EQ(host.Grid().Cell(CVSFlexGrid::kCellChecked, 3, kBox), CVSFlexGrid::kChecked);
    ASSERT_EQ(host.events.size(), 2u);
    EXPECT_TRUE(host.events[0].before);
    EXPECT_EQ(host.events[0].checked, CVSFlexGrid::kUnchecked);
    EXPECT_FALSE(host.events[1].before);
    EXPECT_EQ(host.events[1].row, 3);
    EXPECT_EQ(host.events[1].col, kBox);
    EXPECT_EQ(host.events[1].checked, CVSFlexGrid::kChecked);
    host.Key(VK_SPACE);
    EXPECT_EQ(host.Grid().Cell(CVSFlexGrid::kCellChecked, 3, kBox), CVSFlexGrid::kUnchecked);
    EXPECT_FALSE(host.EditorShown());
}

TEST(GridCheckBox, ClickOnTheCellSelectsAndToggles) {
    GridTestHost host;
    FillWithBoxes(host);
    host.Click(4, kBox);
    EXPECT_EQ(host.Grid().Row(), 4);
    EXPECT_EQ(host.Grid().Col(), kBox);
    EXPECT_EQ(host.Grid().Cell(CVSFlexGrid::kCellChecked, 4, kBox), CVSFlexGrid::kChecked);
    ASSERT_EQ(host.events.size(), 2u);
    EXPECT_EQ(host.events[1].row, 4);
    // Other rows keep their state; a click on the title of the column toggles nothing.
    EXPECT_EQ(host.Grid().Cell(CVSFlexGrid::kCellChecked, 3, kBox), CVSFlexGrid::kUnchecked);
    host.Click(0, kBox);
    EXPECT_EQ(host.events.size(), 2u);
}

TEST(GridCheckBox, RefusedOrReadOnlyBoxesKeepTheirState) {
    GridTestHost host;
    FillWithBoxes(host);
    host.refuse = [](int row, int) { return row == 1; };
    host.Click(1, kBox);
    EXPECT_EQ(host.Grid().Cell(CVSFlexGrid::kCellChecked, 1, kBox), CVSFlexGrid::kUnchecked);
    ASSERT_EQ(host.events.size(), 1u);  // asked, refused, nothing after
    host.Key(VK_SPACE);
    EXPECT_EQ(host.Grid().Cell(CVSFlexGrid::kCellChecked, 1, kBox), CVSFlexGrid::kUnchecked);

    host.events.clear();
    host.Grid().SetEditable(CVSFlexGrid::kEditNone);
    host.Click(2, kBox);
    host.Key(VK_SPACE);
    EXPECT_EQ(host.Grid().Cell(CVSFlexGrid::kCellChecked, 2, kBox), CVSFlexGrid::kUnchecked);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(host.Grid().Row(), 2);  // a read-only grid still selects
}

TEST(GridCheckBox, KeysThatEditTextDoNotOpenAnEditorOnABox) {
    GridTestHost host;
    FillWithBoxes(host);
    host.Grid().SetRow(1);
    host.Grid().SetCol(kBox);
    host.Key(VK_F2);
    host.Key(VK_RETURN);
    host.Char(L'A');
    EXPECT_FALSE(host.EditorShown());
    EXPECT_TRUE(host.events.empty());
}

}  // namespace
