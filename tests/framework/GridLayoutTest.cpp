#include "framework/GridLayout.h"

#include <gtest/gtest.h>

namespace {

using kor::GridLayout;
using kor::GridModel;

// 96 dpi, rows of 20 pixels, columns of 1440 twips (96 pixels) with column 1 hidden and
// column 3 of zero width: columns 0, 2, 4 lie at x 0-95, 96-191, 192-287.
struct Fixture {
    Fixture() {
        model.SetCols(5);
        model.SetRows(101);
        for (int c = 0; c < 5; ++c) model.SetColWidth(c, 1440);
        model.SetColHidden(1, true);
        model.SetColWidth(3, 0);
        layout.SetMetrics(20, 96);
        layout.RebuildColumns(model);
        layout.SetClientSize(200, 20 + 5 * 20 + 7);  // a title row, five whole rows, a part
        layout.Clamp(model);
    }
    GridModel model;
    GridLayout layout;
};

struct HitCase {
    int x, y;
    bool hit;
    int row, col;
};

class GridLayoutHit : public ::testing::TestWithParam<HitCase> {};

TEST_P(GridLayoutHit, FindsTheCellUnderAPoint) {
    Fixture f;
    f.layout.SetTopRow(f.model, 10);
    const HitCase& c = GetParam();
    int row = -1, col = -1;
    EXPECT_EQ(f.layout.HitTest(f.model, POINT{c.x, c.y}, row, col), c.hit);
    if (c.hit) {
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(col, c.col);
    }
}

INSTANTIATE_TEST_SUITE_P(Points, GridLayoutHit,
                         ::testing::Values(HitCase{0, 0, true, 0, 0},  // title row
                                           HitCase{95, 19, true, 0, 0},
                                           HitCase{96, 20, true, 10, 2},  // hidden 1 skipped
                                           HitCase{191, 39, true, 10, 2},
                                           HitCase{192, 40, true, 11, 4},  // zero width 3
                                           HitCase{50, 125, true, 15, 0},  // the part row
                                           HitCase{-1, 30, false, 0, 0},
                                           HitCase{50, 127, false, 0, 0},  // below the client
                                           HitCase{200, 30, false, 0, 0}));

TEST(GridLayout, PagesAndTheLastTopRow) {
    Fixture f;
    EXPECT_EQ(f.layout.PageRows(f.model), 5);
    EXPECT_EQ(f.layout.MaxTopRow(f.model), 96);  // rows 96-100 fill the last page
    f.layout.SetTopRow(f.model, 1000);
    EXPECT_EQ(f.layout.TopRow(), 96);
    EXPECT_EQ(f.layout.LastVisibleRow(f.model), 100);
    f.layout.SetTopRow(f.model, 0);  // never a title row
    EXPECT_EQ(f.layout.TopRow(), 1);
    EXPECT_EQ(f.layout.LastVisibleRow(f.model), 6);  // five whole rows and a part of one
    // Fewer rows than a page: nothing to scroll.
    f.model.SetRows(3);
    f.layout.Clamp(f.model);
    EXPECT_EQ(f.layout.MaxTopRow(f.model), 1);
    EXPECT_EQ(f.layout.LastVisibleRow(f.model), 2);
}

TEST(GridLayout, ScrollIntoViewMovesTheLeastAndBothWays) {
    Fixture f;
    f.layout.ScrollIntoView(f.model, 30, 4);
    EXPECT_EQ(f.layout.TopRow(), 26);         // row 30 at the bottom of the page
    EXPECT_EQ(f.layout.ScrollX(), 88);        // column 4 (192-287) ends at the right edge
    f.layout.ScrollIntoView(f.model, 28, 2);  // in view already
    EXPECT_EQ(f.layout.TopRow(), 26);
    EXPECT_EQ(f.layout.ScrollX(), 88);
    f.layout.ScrollIntoView(f.model, 3, 0);
    EXPECT_EQ(f.layout.TopRow(), 3);
    EXPECT_EQ(f.layout.ScrollX(), 0);
}

}  // namespace
