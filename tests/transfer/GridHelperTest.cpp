// The grid helper: the column table, which records get a row in each display mode, how items
// are shown and which cells turn yellow.
#include "transfer/GridHelper.h"

#include <gtest/gtest.h>

#include <string>

#include "SampleData.h"
#include "common/base/StrUtil.h"
#include "framework/DialogBase.h"

namespace {

using xf::CGridHelper;
using xftest::Record;
using xftest::SetItem;

constexpr COLORREF kYellow = RGB(255, 255, 0);

struct TextCase {
    int kind;
    const char* stored;
    bool flagged;
    const char* shown;
};

TEST(GridHelper, CellTextPadsCodesAndFormatsTheAmount) {
    const TextCase cases[] = {
        {xf::kBankCode, "12", false, "0012"},
        {xf::kBankCode, "12", true, "12"},
        {xf::kBankCode, "", false, ""},
        {xf::kBranchCode, "7", false, "007"},
        {xf::kAccountNumber, "123", false, "0000123"},
        {xf::kAccountNumber, "12a", true, "12a"},
        {xf::kRequesterNumber, "5", false, "0000000005"},
        {xf::kAmount, "0001234567", false, "1,234,567"},
        {xf::kAmount, "1500", false, "1,500"},
        {xf::kAmount, "999", false, "999"},
        {xf::kAmount, "0000", true, "0"},
        {xf::kAmount, "0000", false, ""},
        {xf::kAmount, "", true, ""},
        {xf::kAmount, "00012a", true, "12a"},
        {xf::kAmount, "0001234567", true, "1234567"},
        {xf::kAccountName, "ﾔﾏﾀﾞ ﾀﾛｳ", false, "ﾔﾏﾀﾞ ﾀﾛｳ"},
        {xf::kCustomerCode1, "0012", false, "0012"},
        {xf::kAccountType, "ﾌﾂｳ", true, "ﾌﾂｳ"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(CGridHelper::CellText(c.kind, c.stored, c.flagged), c.shown)
            << "kind " << c.kind << " text " << c.stored << " flagged " << c.flagged;
    }
}

TEST(GridHelper, FormatThousandsPutsACommaBeforeEveryGroupOfThree) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"1", "1"},
        {"12", "12"},
        {"123", "123"},
        {"1234", "1,234"},
        {"123456", "123,456"},
        {"1234567", "1,234,567"},
        {"9999999999", "9,999,999,999"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(CStrUtil::FormatThousands(in), out) << in;
}

class GridHelperFill : public testing::Test {
protected:
    int Fill(xf::CDataSet* set, int mode) {
        CGridHelper helper;
        helper.Attach(set, &grid(), mode);
        helper.SetupColumns();
        return helper.Fill();
    }
    CVSFlexGrid& grid() { return window.Grid(); }
    COLORREF Back(int row, int col) {
        return static_cast<COLORREF>(grid().Cell(CVSFlexGrid::kCellBackColor, row, col));
    }

    xftest::GridWindow window;
};

TEST_F(GridHelperFill, ColumnsComeFromTheTable) {
    auto set = xftest::ValidDataSet(1);
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
    ASSERT_EQ(grid().Cols(), 15);
    const auto columns = CGridHelper::Columns();
    for (int c = 0; c < 15; ++c) {
        EXPECT_EQ(grid().TextMatrix(0, c), columns[static_cast<size_t>(c)].title) << c;
        EXPECT_EQ(grid().ColWidth(c), columns[static_cast<size_t>(c)].widthTwips) << c;
        EXPECT_EQ(grid().ColDataType(c), columns[static_cast<size_t>(c)].dataType) << c;
        EXPECT_EQ(grid().ColAlignment(c), columns[static_cast<size_t>(c)].alignment) << c;
    }
    EXPECT_EQ(grid().TextMatrix(0, 10), "振込金額");
    EXPECT_EQ(grid().ColWidth(9), 2800);
    EXPECT_EQ(grid().ColDataType(2), CVSFlexGrid::kTypeCheckBox);
    EXPECT_EQ(grid().ColAlignment(0), CVSFlexGrid::kAlignRight);
    EXPECT_EQ(grid().ColAlignment(1), CVSFlexGrid::kAlignCenter);
    EXPECT_EQ(grid().Editable(), CVSFlexGrid::kEditKeyboardMouse);
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(grid().Col(), 0);
}

struct HiddenCase {
    int transferKind;
    int bonusFlag;
    int mode;
    bool deleteHidden;
    bool ediHidden;
};

TEST_F(GridHelperFill, HiddenColumnsFollowTheModeAndTheTransferKind) {
    const HiddenCase cases[] = {
        {xf::kKindGeneral, 0, CGridHelper::kModeAll, false, false},
        {xf::kKindGeneral, 0, CGridHelper::kModeErrorFree, true, false},
        {xf::kKindSalaryBonus, 0, CGridHelper::kModeAll, false, true},
        {xf::kKindSalaryBonus, 1, CGridHelper::kModeErrorFree, true, true},
        {xf::kKindGeneral, 1, CGridHelper::kModeAll, false, true},
    };
    for (const HiddenCase& c : cases) {
        auto set = xftest::ValidDataSet(2, c.transferKind);
        set->bonusFlag = c.bonusFlag;
        Fill(set.get(), c.mode);
        const std::string what = "kind " + std::to_string(c.transferKind) + " bonus " +
                                 std::to_string(c.bonusFlag) + " mode " + std::to_string(c.mode);
        EXPECT_FALSE(grid().ColHidden(0)) << what;
        EXPECT_TRUE(grid().ColHidden(1)) << what;
        EXPECT_EQ(grid().ColHidden(2), c.deleteHidden) << what;
        for (int col = 3; col <= 12; ++col) EXPECT_FALSE(grid().ColHidden(col)) << what;
        EXPECT_EQ(grid().ColHidden(13), c.ediHidden) << what;
        EXPECT_EQ(grid().ColHidden(14), c.ediHidden) << what;
    }
}

// Records 1 and 3 (list positions 0 and 2) are flagged, 2 and 4 are not; 4 is marked deleted.
std::unique_ptr<xf::CDataSet> MixedDataSet() {
    auto set = xftest::ValidDataSet(4);
    SetItem(Record(*set, 0), xf::kBankCode, "12", xf::kResultError);
    SetItem(Record(*set, 0), xf::kAmount, "0000", xf::kResultError);
    SetItem(Record(*set, 2), xf::kAccountName, "ﾀﾅｶ ﾊﾅｺ ﾀﾅｶ ﾊﾅｺ ﾀﾅｶ ﾊﾅｺ ﾀﾅｶ ﾊﾅｺ",
            xf::kResultTooLong);
    Record(*set, 1).SetResult(xf::kCustomerCode1, 16);  // a high bit alone is no flag
    SetItem(Record(*set, 1), xf::kAmount, "0001234567", 0);
    SetItem(Record(*set, 1), xf::kBankCode, "12", 0);
    Record(*set, 3).deleteFlag = 1;
    return set;
}

struct ModeCase {
    int mode;
    std::vector<int> listPositions;  // of the rows, in order
};

TEST_F(GridHelperFill, EachModeAdmitsItsRecordsInListOrder) {
    const ModeCase cases[] = {
        {CGridHelper::kModeErrorFree, {1, 3}},
        {CGridHelper::kModeAll, {0, 1, 2, 3}},
        {CGridHelper::kModeFlagged, {0, 2}},
    };
    for (const ModeCase& c : cases) {
        auto set = MixedDataSet();
        ASSERT_EQ(Fill(set.get(), c.mode), CGridHelper::kFilled) << c.mode;
        ASSERT_EQ(grid().Rows(), static_cast<int>(c.listPositions.size()) + 1) << c.mode;
        for (size_t i = 0; i < c.listPositions.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            const int pos = c.listPositions[i];
            EXPECT_EQ(grid().TextMatrix(row, 1), std::to_string(pos)) << c.mode;
            EXPECT_EQ(grid().TextMatrix(row, 0), std::to_string(pos + 1)) << c.mode;
        }
    }
}

TEST_F(GridHelperFill, RowsShowTheItemsAndFlaggedCellsAreYellow) {
    auto set = MixedDataSet();
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
    // Row 1: flagged bank code and amount.
    EXPECT_EQ(grid().TextMatrix(1, 3), "12");
    EXPECT_EQ(grid().TextMatrix(1, 10), "0");
    EXPECT_EQ(grid().TextMatrix(1, 4), "ｶｴﾃﾞｷﾞﾝｺｳ");
    EXPECT_EQ(grid().TextMatrix(1, 8), "1234567");
    for (int col = 0; col < 15; ++col) {
        EXPECT_EQ(Back(1, col), col == 3 || col == 10 ? kYellow : CVSFlexGrid::kDefaultColor)
            << col;
    }
    // Row 2: nothing flagged.
    EXPECT_EQ(grid().TextMatrix(2, 3), "0012");
    EXPECT_EQ(grid().TextMatrix(2, 10), "1,234,567");
    for (int col = 0; col < 15; ++col) EXPECT_EQ(Back(2, col), CVSFlexGrid::kDefaultColor) << col;
    // Row 3: a too long account name (warning) is flagged too.
    EXPECT_EQ(Back(3, 9), kYellow);
    // Delete boxes.
    EXPECT_EQ(grid().Cell(CVSFlexGrid::kCellChecked, 1, 2), CVSFlexGrid::kUnchecked);
    EXPECT_EQ(grid().Cell(CVSFlexGrid::kCellChecked, 4, 2), CVSFlexGrid::kChecked);
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(grid().Col(), 0);
}

TEST_F(GridHelperFill, NoRowToShowLeavesTheTitleRowOnly) {
    auto clean = xftest::ValidDataSet(3);
    EXPECT_EQ(Fill(clean.get(), CGridHelper::kModeFlagged), CGridHelper::kNoRows);
    EXPECT_EQ(grid().Rows(), 1);
    EXPECT_EQ(grid().TextMatrix(0, 0), "通番");

    auto empty = xftest::ValidDataSet(0);
    EXPECT_EQ(Fill(empty.get(), CGridHelper::kModeAll), CGridHelper::kNoRows);
    EXPECT_EQ(grid().Rows(), 1);
}

TEST_F(GridHelperFill, RefillingReplacesTheRowsAndTheirColours) {
    auto set = MixedDataSet();
    Fill(set.get(), CGridHelper::kModeAll);
    Fill(set.get(), CGridHelper::kModeErrorFree);
    ASSERT_EQ(grid().Rows(), 3);
    for (int row = 1; row < 3; ++row) {
        for (int col = 0; col < 15; ++col)
            EXPECT_EQ(Back(row, col), CVSFlexGrid::kDefaultColor) << row << "," << col;
    }
}

TEST(GridHelper, NothingToFillWithoutGridOrDataSet) {
    auto set = xftest::ValidDataSet(1);
    xftest::GridWindow window;
    CGridHelper noGrid;
    noGrid.Attach(set.get(), nullptr, CGridHelper::kModeAll);
    EXPECT_EQ(noGrid.Fill(), CGridHelper::kNothingToFill);
    CGridHelper noSet;
    noSet.Attach(nullptr, &window.Grid(), CGridHelper::kModeAll);
    EXPECT_EQ(noSet.Fill(), CGridHelper::kNothingToFill);
}

}  // namespace
