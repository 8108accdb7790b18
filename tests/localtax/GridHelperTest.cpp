// The local-tax grid: its seventeen columns, the rows of every group, which details each display
// mode shows, how each item is shown and coloured, and reading a row back.
#include "localtax/GridHelper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TaxTestData.h"
#include "framework/VSFlexGrid.h"
#include "support/GridWindow.h"

namespace tx {
namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kLightBlue = 0xFFFF00;

class TaxGridTest : public testing::Test {
protected:
    int Fill(CDataSet* set, int mode) {
        CGridHelper helper;
        helper.Attach(set, &grid(), mode);
        helper.SetupColumns();
        return helper.Fill();
    }
    CVSFlexGrid& grid() { return window.Grid(); }
    COLORREF Back(int row, int col) { return window.BackColor(row, col); }
    std::vector<std::string> Column(int col) {
        std::vector<std::string> texts;
        for (int row = 1; row < grid().Rows(); ++row) texts.push_back(grid().TextMatrix(row, col));
        return texts;
    }

    kortest::GridWindow window;
};

TEST_F(TaxGridTest, SeventeenColumnsFromTheTable) {
    auto set = txtest::ValidData({1});
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
    ASSERT_EQ(grid().Cols(), 17);
    struct Column {
        const char* title;
        int width;
        int alignment;
    };
    constexpr int L = CVSFlexGrid::kAlignLeft;
    constexpr int R = CVSFlexGrid::kAlignRight;
    const Column columns[17] = {
        {"通番", 500, R},
        {"ID", 500, CVSFlexGrid::kAlignCenter},
        {"削除", 500, CVSFlexGrid::kAlignCenter},
        {"市区町村ｺｰﾄﾞ", 1200, L},
        {"市区町村名", 1500, L},
        {"指定番号", 1500, L},
        {"異動", 500, R},
        {"給与税件数", 1000, R},
        {"給与税額", 1150, R},
        {"退職税件数", 1000, R},
        {"退職税額", 1150, R},
        {"納入件数", 1000, R},
        {"納税額", 1150, R},
        {"退職明細退職人員", 1550, R},
        {"退職明細退職手当等支払金額", 2450, R},
        {"退職明細市区町村民税額", 2100, R},
        {"退職明細都道府県民税額", 2100, R},
    };
    for (int c = 0; c < 17; ++c) {
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

// Group 0: serials 1-3, the second in error. Group 1: serials 1-2, the first in error and
// ticked for deletion.
std::unique_ptr<CDataSet> TwoGroups() {
    auto set = txtest::ValidData({3, 2});
    txtest::SetError(*set->groups[0]->details[1], kSalaryTaxAmount, "00012a345");
    CDetailRecord& deleted = *set->groups[1]->details[0];
    txtest::SetError(deleted, kMunicipalityName);
    deleted.output = 0;
    return set;
}

struct ModeCase {
    int mode;
    std::vector<std::string> serials;
    std::vector<std::string> positions;
    bool deleteHidden;
};

TEST_F(TaxGridTest, ModesPickTheDetailsOfEveryGroupAndHideColumns) {
    const ModeCase cases[] = {
        {CGridHelper::kModeValid, {"1", "3", "2"}, {"0", "2", "1"}, true},
        {CGridHelper::kModeAll, {"1", "2", "3", "1", "2"}, {"0", "1", "2", "0", "1"}, false},
        {7, {"1", "2", "3", "1", "2"}, {"0", "1", "2", "0", "1"}, false},
        {CGridHelper::kModeErrors, {"2", "1"}, {"1", "0"}, false},
    };
    for (const ModeCase& c : cases) {
        auto set = TwoGroups();
        ASSERT_EQ(Fill(set.get(), c.mode), CGridHelper::kFilled) << c.mode;
        EXPECT_EQ(Column(CGridHelper::kColSerial), c.serials) << c.mode;
        EXPECT_EQ(Column(CGridHelper::kColPosition), c.positions) << c.mode;
        EXPECT_TRUE(grid().ColHidden(CGridHelper::kColPosition)) << c.mode;
        EXPECT_EQ(grid().ColHidden(CGridHelper::kColDelete), c.deleteHidden) << c.mode;
        for (int col = CGridHelper::kFirstItemCol; col < 17; ++col) {
            EXPECT_FALSE(grid().ColHidden(col)) << c.mode << " " << col;
        }
    }
}

TEST_F(TaxGridTest, TheDeleteBoxIsCheckedForADetailNotOutput) {
    auto set = TwoGroups();
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
    std::vector<long> states;
    for (int row = 1; row < grid().Rows(); ++row) {
        states.push_back(grid().Cell(CVSFlexGrid::kCellChecked, row, CGridHelper::kColDelete));
    }
    const long u = CVSFlexGrid::kUnchecked;
    EXPECT_EQ(states, (std::vector<long>{u, u, u, CVSFlexGrid::kChecked, u}));
}

struct CellCase {
    int item;
    const char* text;
    ItemStatus status;
    const char* cell;
};

TEST_F(TaxGridTest, CellsFollowTheItemAndItsStatus) {
    const CellCase cases[] = {
        {kMunicipalityCode, "013101", kStatusRead, "013101"},
        {kMunicipalityName, "ﾁﾖﾀﾞｸ          ", kStatusRead, "ﾁﾖﾀﾞｸ"},
        {kDesignationNumber, "A 1            ", kStatusError, "A 1"},
        {kChangeMark, " ", kStatusRead, ""},
        // Valid numbers lose their leading zeros and get commas; zeros only show "0".
        {kSalaryTaxAmount, "001234567", kStatusRead, "1,234,567"},
        {kSalaryTaxAmount, "001234567", kStatusCorrected, "1,234,567"},
        {kTaxPaid, "000000000", kStatusRead, "0"},
        {kRetirementAllowance, "1234567890", kStatusRead, "1,234,567,890"},
        {kSalaryTaxCount, "", kStatusRead, ""},
        // The retirees never get a comma.
        {kRetirees, "007", kStatusRead, "7"},
        {kRetirees, "000", kStatusRead, "0"},
        // Numbers in error show their digits without commas.
        {kSalaryTaxAmount, "001234567", kStatusError, "1234567"},
        {kTaxPaid, "000000000", kStatusError, "0"},
        {kSalaryTaxCount, "0", kStatusError, "0"},
        {kSalaryTaxCount, "", kStatusError, ""},
        {kRetirementTaxAmount, "00 12", kStatusError, "0 12"},
        {kRetirementTaxAmount, "0012x", kStatusError, "12x"},
        {kRetirementTaxAmount, "12,345", kStatusError, "12,345"},
    };
    for (const CellCase& c : cases) {
        auto set = txtest::ValidData({1});
        CDetailRecord& d = *set->groups[0]->details[0];
        d.SetText(c.item, c.text);
        d.SetStatus(c.item, c.status);
        ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
        const int col = CGridHelper::kFirstItemCol + c.item;
        EXPECT_EQ(grid().TextMatrix(1, col), c.cell) << "item " << c.item << " '" << c.text << "'";
        const COLORREF colour = c.status == kStatusError       ? kYellow
                                : c.status == kStatusCorrected ? kLightBlue
                                                               : CVSFlexGrid::kDefaultColor;
        EXPECT_EQ(Back(1, col), colour) << "item " << c.item << " status " << c.status;
    }
}

TEST_F(TaxGridTest, OnlyItemCellsOfErrorsAndCorrectionsAreColoured) {
    auto set = txtest::ValidData({2});
    CDetailRecord& d = *set->groups[0]->details[1];
    txtest::SetError(d, kPaymentCount);
    d.SetStatus(kMunicipalityName, kStatusCorrected);
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
    for (int row = 1; row <= 2; ++row) {
        for (int col = 0; col < 17; ++col) {
            COLORREF expected = CVSFlexGrid::kDefaultColor;
            if (row == 2 && col == CGridHelper::kFirstItemCol + kPaymentCount) expected = kYellow;
            if (row == 2 && col == CGridHelper::kFirstItemCol + kMunicipalityName)
                expected = kLightBlue;
            EXPECT_EQ(Back(row, col), expected) << row << " " << col;
        }
    }
    EXPECT_TRUE(CGridHelper::IsErrorCell(grid(), 2, CGridHelper::kFirstItemCol + kPaymentCount));
    EXPECT_FALSE(
        CGridHelper::IsErrorCell(grid(), 2, CGridHelper::kFirstItemCol + kMunicipalityName));
}

TEST_F(TaxGridTest, FillRefusesWhatItCannotShow) {
    auto set = txtest::ValidData({2});
    CGridHelper noGrid;
    noGrid.Attach(set.get(), nullptr, CGridHelper::kModeAll);
    EXPECT_EQ(noGrid.Fill(), CGridHelper::kNothingToFill);
    EXPECT_EQ(Fill(nullptr, CGridHelper::kModeAll), CGridHelper::kNothingToFill);
    EXPECT_EQ(Fill(set.get(), 0), CGridHelper::kNothingToFill);

    // No detail in error to show.
    EXPECT_EQ(Fill(set.get(), CGridHelper::kModeErrors), CGridHelper::kNoRows);
    EXPECT_EQ(grid().Rows(), 1);

    // A first group without details stops the filling with the title row alone.
    auto empty = txtest::ValidData({0, 2});
    EXPECT_EQ(Fill(empty.get(), CGridHelper::kModeAll), CGridHelper::kNoRows);
    EXPECT_EQ(grid().Rows(), 1);

    CDataSet noGroups;
    EXPECT_EQ(Fill(&noGroups, CGridHelper::kModeAll), CGridHelper::kNoRows);
}

TEST_F(TaxGridTest, OutputGroupsOfFiveHundredStartEveryFiveHundredRows) {
    auto set = txtest::ValidData({500, 500, 200});
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeValid), CGridHelper::kFilled);
    ASSERT_EQ(grid().Rows(), 1201);
    for (int row : {1, 501, 1001}) {
        EXPECT_EQ(grid().TextMatrix(row, CGridHelper::kColSerial), "1") << row;
        EXPECT_EQ(grid().TextMatrix(row, CGridHelper::kColPosition), "0") << row;
    }
    EXPECT_EQ(grid().TextMatrix(500, CGridHelper::kColSerial), "500");
    EXPECT_EQ(grid().TextMatrix(1200, CGridHelper::kColSerial), "200");
}

TEST_F(TaxGridTest, AShortGroupIsFollowedWithoutEmptyRows) {
    auto set = txtest::ValidData({2, 1});
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeAll), CGridHelper::kFilled);
    EXPECT_EQ(Column(CGridHelper::kColSerial), (std::vector<std::string>{"1", "2", "1"}));
}

TEST_F(TaxGridTest, ARowReadsBackIntoItsDetail) {
    auto set = TwoGroups();
    ASSERT_EQ(Fill(set.get(), CGridHelper::kModeErrors), CGridHelper::kFilled);
    // Row 1: the second detail of group 0; row 2: the first of group 1 (ticked).
    grid().SetTextMatrix(1, CGridHelper::kFirstItemCol + kSalaryTaxAmount, "12,345");
    const CGridHelper::Row first = CGridHelper::ReadRow(grid(), 1);
    EXPECT_EQ(first.position, 1);
    EXPECT_FALSE(first.deleteTicked);
    EXPECT_EQ(first.texts[kSalaryTaxAmount], "12,345");
    EXPECT_EQ(first.texts[kMunicipalityName], "ﾁﾖﾀﾞｸ");
    EXPECT_EQ(first.texts[kMunicipalityCode], "131020");
    EXPECT_EQ(CGridHelper::DetailOfRow(grid(), 1, *set->groups[0]),
              set->groups[0]->details[1].get());

    EXPECT_TRUE(CGridHelper::ReadRow(grid(), 2).deleteTicked);
    EXPECT_EQ(CGridHelper::DetailOfRow(grid(), 2, *set->groups[1]),
              set->groups[1]->details[0].get());

    grid().SetCell(CVSFlexGrid::kCellChecked, 1, CGridHelper::kColDelete, CVSFlexGrid::kChecked);
    EXPECT_TRUE(CGridHelper::ReadRow(grid(), 1).deleteTicked);

    // Rows that name no detail of the group.
    EXPECT_EQ(CGridHelper::DetailOfRow(grid(), 0, *set->groups[0]), nullptr);
    EXPECT_EQ(CGridHelper::DetailOfRow(grid(), 3, *set->groups[0]), nullptr);
    grid().SetTextMatrix(1, CGridHelper::kColPosition, "7");
    EXPECT_EQ(CGridHelper::DetailOfRow(grid(), 1, *set->groups[0]), nullptr);
    grid().SetTextMatrix(1, CGridHelper::kColPosition, "x");
    EXPECT_EQ(CGridHelper::ReadRow(grid(), 1).position, -1);
    EXPECT_EQ(CGridHelper::DetailOfRow(grid(), 1, *set->groups[0]), nullptr);
}

}  // namespace
}  // namespace tx
