// The direct-debit grid: its thirteen columns, which records each display mode shows, how each
// item is shown and which cells turn yellow.
#include "debit/GridHelper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DebitTestData.h"
#include "framework/DialogBase.h"
#include "support/GridWindow.h"

namespace db {
namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);

// Fills the window's grid from the data set as a screen of that display mode does.
int FillGrid(kortest::GridWindow& window, CDataSet* set, int mode) {
    CGridHelper helper;
    helper.Attach(set, &window.Grid(), mode);
    helper.SetupColumns();
    return helper.Fill();
}

class DebitGridTest : public testing::Test {
protected:
    int Fill(CDataSet* set, int mode) { return FillGrid(window, set, mode); }
    CVSFlexGrid& grid() { return window.Grid(); }
    COLORREF Back(int row, int col) { return window.BackColor(row, col); }

    kortest::GridWindow window;
};

TEST_F(DebitGridTest, ThirteenColumnsFromTheTable) {
    auto set = dbtest::ValidData(1);
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
    ASSERT_EQ(grid().Cols(), 13);
    struct Column {
        const char* title;
        int width;
        int alignment;
    };
    const Column columns[13] = {
        {"通番", 550, CVSFlexGrid::kAlignRight},
        {"ID", 500, CVSFlexGrid::kAlignCenter},
        {"削除", 500, CVSFlexGrid::kAlignCenter},
        {"引落銀行番号", 1400, CVSFlexGrid::kAlignLeft},
        {"引落銀行名", 1500, CVSFlexGrid::kAlignLeft},
        {"引落支店番号", 1200, CVSFlexGrid::kAlignLeft},
        {"引落支店名", 1500, CVSFlexGrid::kAlignLeft},
        {"科目コード", 1000, CVSFlexGrid::kAlignLeft},
        {"口座番号", 1000, CVSFlexGrid::kAlignLeft},
        {"口座名(ｶﾅ)", 2800, CVSFlexGrid::kAlignLeft},
        {"引落金額", 1270, CVSFlexGrid::kAlignRight},
        {"新規コード", 1000, CVSFlexGrid::kAlignLeft},
        {"顧客番号", 2700, CVSFlexGrid::kAlignLeft},
    };
    for (int c = 0; c < 13; ++c) {
        EXPECT_EQ(grid().TextMatrix(0, c), columns[c].title) << c;
        EXPECT_EQ(grid().ColWidth(c), columns[c].width) << c;
        EXPECT_EQ(grid().ColAlignment(c), columns[c].alignment) << c;
        EXPECT_EQ(grid().ColDataType(c),
                  c == 2 ? CVSFlexGrid::kTypeCheckBox : CVSFlexGrid::kTypeText)
            << c;
    }
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(grid().Col(), 0);
    EXPECT_EQ(grid().Editable(), CVSFlexGrid::kEditKeyboardMouse);
}

struct CellCase {
    int item;
    const char* text;
    int result;
    const char* cell;
};

TEST_F(DebitGridTest, CellsPadTheThreeCodesAndFormatTheAmount) {
    const CellCase cases[] = {
        {kBankCode, "998", kItemValid, "0998"},
        {kBankCode, "998", kItemError, "998"},
        {kBankCode, "", kItemValid, ""},
        {kBranchCode, "12", kItemValid, "012"},
        {kAccountNumber, "4567", kItemValid, "0004567"},
        {kAccountNumber, "45x", kItemError, "45x"},
        {kAmount, "0001234567", kItemValid, "1,234,567"},
        {kAmount, "000120", kItemError, "120"},
        {kAmount, "0001234567", kItemTooLong, "1234567"},
        {kAmount, "0000000000", kItemError, "0"},
        {kAmount, "0000000000", kItemValid, "0"},
        {kAmount, "0", kItemValid, "0"},
        // Only the bank code, branch code and account number are padded.
        {kNewCode, "1", kItemValid, "1"},
        {kCustomerNumber, "12", kItemValid, "12"},
        {kAccountType, "3", kItemValid, "3"},
        {kBankName, "ｷﾞﾝｺｳ", kItemValid, "ｷﾞﾝｺｳ"},
    };
    for (const CellCase& c : cases) {
        auto set = dbtest::ValidData(1);
        set->details[0]->Store(c.item, c.text, c.result);
        ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
        const int col = CGridHelper::kFirstItemCol + c.item;
        EXPECT_EQ(grid().TextMatrix(1, col), c.cell) << "item " << c.item << " " << c.text;
        EXPECT_EQ(Back(1, col), HasErrorBits(c.result) ? kYellow : CVSFlexGrid::kDefaultColor)
            << "item " << c.item;
    }
}

// List positions 0 and 2 are flagged, 1 and 3 are not; 3 is marked deleted.
std::unique_ptr<CDataSet> MixedData() {
    auto set = dbtest::ValidData(4);
    set->details[0]->Store(kAmount, "000120", kItemError);
    set->details[2]->SetResult(kDepositorName, kItemTooLong);
    set->details[1]->SetResult(kCustomerNumber, 0x10);  // a high bit alone is no flag
    set->details[3]->deleteFlag = 1;
    return set;
}

struct ModeCase {
    int mode;
    bool deleteHidden;
    std::vector<int> shown;  // list positions of the rows, top to bottom
};

TEST_F(DebitGridTest, EachModeShowsItsRecordsAndColumns) {
    const ModeCase cases[] = {
        {CGridHelper::kModeErrorFree, true, {1, 3}},
        {CGridHelper::kModeAll, false, {0, 1, 2, 3}},
        {CGridHelper::kModeFlagged, false, {0, 2}},
    };
    for (const ModeCase& c : cases) {
        auto set = MixedData();
        ASSERT_EQ(Fill(set.get(), c.mode), CGridHelper::kFilled) << c.mode;
        std::vector<bool> hidden;
        for (int col = 0; col < 13; ++col) hidden.push_back(grid().ColHidden(col));
        std::vector<bool> expectHidden(13, false);
        expectHidden[1] = true;
        expectHidden[2] = c.deleteHidden;
        EXPECT_EQ(hidden, expectHidden) << c.mode;
        // Each row: its list position, the record's serial number and its delete box.
        std::vector<int> positions;
        for (int row = 1; row < grid().Rows(); ++row) {
            const int pos = std::stoi(grid().TextMatrix(row, 1));
            positions.push_back(pos);
            EXPECT_EQ(grid().TextMatrix(row, 0), std::to_string(set->details[pos]->serial));
            EXPECT_EQ(
                grid().Cell(CVSFlexGrid::kCellChecked, row, 2),
                set->details[pos]->deleteFlag ? CVSFlexGrid::kChecked : CVSFlexGrid::kUnchecked);
        }
        EXPECT_EQ(positions, c.shown) << c.mode;
    }
}

TEST_F(DebitGridTest, OnlyFlaggedCellsAreYellow) {
    auto set = MixedData();
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
    for (int col = 0; col < 13; ++col) {
        EXPECT_EQ(Back(1, col), col == 10 ? kYellow : CVSFlexGrid::kDefaultColor) << col;
        EXPECT_EQ(Back(2, col), CVSFlexGrid::kDefaultColor) << col;
        EXPECT_EQ(Back(3, col), col == 9 ? kYellow : CVSFlexGrid::kDefaultColor) << col;
    }
}

TEST_F(DebitGridTest, ErrorFlagsOfTheTenItems) {
    auto set = MixedData();
    std::array<bool, kItemCount> flags{};
    flags.fill(true);
    EXPECT_FALSE(CGridHelper::GetErrorFlags(*set->details[1], flags));
    for (bool f : flags) EXPECT_FALSE(f);
    EXPECT_TRUE(CGridHelper::GetErrorFlags(*set->details[2], flags));
    for (int i = 0; i < kItemCount; ++i) EXPECT_EQ(flags[i], i == kDepositorName) << i;
}

TEST_F(DebitGridTest, NothingToFillOrNoRowToShow) {
    auto clean = dbtest::ValidData(2);
    EXPECT_EQ(Fill(clean.get(), CGridHelper::kModeFlagged), CGridHelper::kNoRows);
    EXPECT_EQ(grid().Rows(), 1);
    EXPECT_EQ(grid().TextMatrix(0, 3), "引落銀行番号");
    auto empty = dbtest::ValidData(0);
    EXPECT_EQ(Fill(empty.get(), CGridHelper::kModeAll), CGridHelper::kNoRows);

    CGridHelper noGrid;
    noGrid.Attach(clean.get(), nullptr, CGridHelper::kModeAll);
    EXPECT_EQ(noGrid.Fill(), CGridHelper::kNothingToFill);
    CGridHelper noSet;
    noSet.Attach(nullptr, &grid(), CGridHelper::kModeAll);
    EXPECT_EQ(noSet.Fill(), CGridHelper::kNothingToFill);
}

}  // namespace
}  // namespace db
