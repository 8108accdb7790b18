// The local-tax data correction screen on its real template, driven through its grid as a user
// would: which cells take edits and how long a text they take, what an edited count or amount
// shows, 更新 taking the rows back with the item sets' rules, the light-blue corrected cells,
// the question before changes are dropped and the error list's count.
#include "localtax/KorTx301Dlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TaxScreenTest.h"
#include "TaxTestData.h"
#include "framework/MetafilePrinter.h"
#include "framework/PrinterSeam.h"
#include "localtax/GridHelper.h"
#include "resources/localtax/KorTx301DlgRes.h"

namespace {

using tx::CGridHelper;
using tx::CKorTx301Dlg;

constexpr int kDelete = 2;
constexpr int kCol = CGridHelper::kFirstItemCol;  // column of item 0

// Serials 1..4 in one group; 2 has a salary amount in error, 4 a municipality name in error.
std::unique_ptr<tx::CDataSet> CorrectionData() {
    auto set = txtest::ValidData({4});
    txtest::SetError(*set->groups[0]->details[1], tx::kSalaryTaxAmount, "00001234x");
    txtest::SetError(*set->groups[0]->details[3], tx::kMunicipalityName, "ﾁﾖﾀﾞ{");
    return set;
}

class KorTx301Test : public txtest::TaxScreenTest<CKorTx301Dlg> {
protected:
    // The item sets of the last read: salary and payment.
    void Open(std::unique_ptr<tx::CDataSet> set, int retirementSet = 0) {
        OpenWith(std::move(set), [&](tx::CDataSet* data, ::CApMsgInfoList* table) {
            return std::make_unique<CKorTx301Dlg>(RGB(205, 255, 205), nullptr, data, 1,
                                                  retirementSet, 1, table);
        });
    }
    void ToggleDelete(int row) { kortest::PressSpaceOnCell(grid(), row, kDelete); }
    long Checked(int row) { return grid().Cell(CVSFlexGrid::kCellChecked, row, kDelete); }
    COLORREF Back(int row, int col) {
        return static_cast<COLORREF>(grid().Cell(CVSFlexGrid::kCellBackColor, row, col));
    }
};

TEST_F(KorTx301Test, OpensOnTheErrorViewWithTheDetailsInError) {
    Open(CorrectionData());
    EXPECT_EQ(screen->GetItemText(IDC_TX301_VERSION), "(Ver4.01)");
    char caption[64] = {};
    GetWindowTextA(screen->GetSafeHwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "データ補正（特別徴収地方税）");
    EXPECT_TRUE(screen->Button(IDC_TX301_VIEW_ERRORS).IsChecked());
    EXPECT_EQ(Column(0), (std::vector<std::string>{"2", "4"}));
    EXPECT_EQ(grid().Cols(), 17);
    Click(IDC_TX301_VIEW_ALL);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(KorTx301Test, YellowCellsTakeTheirItemsLengthAndOtherCellsRefuseEdits) {
    auto set = txtest::ValidData({2});
    for (int item = 0; item < tx::kItemCount; ++item)
        txtest::SetError(*set->groups[0]->details[0], item);
    Open(std::move(set));
    Click(IDC_TX301_VIEW_ALL);
    const int lengths[] = {6, 15, 15, 1, 5, 9, 5, 9, 5, 9, 3, 10, 9, 9};
    for (int col = 0; col < 17; ++col) {
        if (col == kDelete) continue;
        for (int row = 1; row <= 2; ++row) {
            Select(row, col);
            SendMessageW(GridWindow(), WM_KEYDOWN, VK_F2, 0);
            EXPECT_EQ(Editing(), row == 1 && col >= kCol) << row << "," << col;
            if (!Editing()) continue;
            EXPECT_EQ(grid().EditMaxLength(), lengths[col - kCol]) << col;
            SendMessageW(Editor(), WM_KEYDOWN, VK_ESCAPE, 0);
        }
    }
    EXPECT_FALSE(screen->IsModified());
}

TEST_F(KorTx301Test, TheDeleteBoxTicksOnlyOnARowInErrorAndCountsAsAChange) {
    Open(CorrectionData());
    Click(IDC_TX301_VIEW_ALL);
    ToggleDelete(1);  // detail 1 is valid
    EXPECT_EQ(Checked(1), CVSFlexGrid::kUnchecked);
    EXPECT_FALSE(screen->IsModified());
    ToggleDelete(2);
    EXPECT_EQ(Checked(2), CVSFlexGrid::kChecked);
    EXPECT_TRUE(screen->IsModified());
    EXPECT_EQ(Detail(1).edited, 1);
}

TEST_F(KorTx301Test, AnEditedAmountShowsNormalised) {
    auto set = txtest::ValidData({1});
    for (int item : {tx::kSalaryTaxAmount, tx::kSalaryTaxCount, tx::kRetirees})
        txtest::SetError(*set->groups[0]->details[0], item);
    Open(std::move(set));
    struct Case {
        int item;
        const wchar_t* typed;
        const char* shown;
    } cases[] = {
        {tx::kSalaryTaxAmount, L"000", "0"},  {tx::kSalaryTaxAmount, L"1234567", "1,234,567"},
        {tx::kSalaryTaxAmount, L"1\b", " "},  // typed, then rubbed out
        {tx::kSalaryTaxCount, L"12a", "12a"}, {tx::kRetirees, L"123", "123"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Type(1, kCol + c.item, c.typed));
        EXPECT_EQ(grid().TextMatrix(1, kCol + c.item), c.shown);
    }
    EXPECT_EQ(Detail(0).EditedMark(tx::kSalaryTaxAmount), 1);
    EXPECT_EQ(Detail(0).edited, 1);
    EXPECT_TRUE(screen->IsModified());
}

TEST_F(KorTx301Test, UpdateTakesTheCorrectionsBackAndShowsThemLightBlue) {
    Open(CorrectionData());
    ASSERT_TRUE(Type(1, kCol + tx::kSalaryTaxAmount, L"12345"));
    ASSERT_TRUE(Type(2, kCol + tx::kMunicipalityName, L"ﾐﾅﾄｸ"));
    Click(IDC_TX301_UPDATE);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#3", "#53"}));
    EXPECT_EQ(Detail(1).Text(tx::kSalaryTaxAmount), "000012345");
    EXPECT_EQ(Detail(1).Status(tx::kSalaryTaxAmount), tx::kStatusCorrected);
    EXPECT_EQ(Detail(1).error, 0);
    EXPECT_EQ(Detail(1).edited, 0);
    EXPECT_EQ(Detail(3).Text(tx::kMunicipalityName), "ﾐﾅﾄｸ           ");
    EXPECT_EQ(Detail(3).Status(tx::kMunicipalityName), tx::kStatusCorrected);
    EXPECT_EQ(grid().Rows(), 1);  // no detail in error is left
    EXPECT_FALSE(screen->IsModified());
    Click(IDC_TX301_VIEW_ALL);
    EXPECT_EQ(Back(2, kCol + tx::kSalaryTaxAmount), CGridHelper::kCorrectedColor);
    EXPECT_EQ(grid().TextMatrix(2, kCol + tx::kSalaryTaxAmount), "12,345");
}

TEST_F(KorTx301Test, UpdateWithErrorsLeftPutsTheFocusOnTheFirstYellowCell) {
    Open(CorrectionData());
    ASSERT_TRUE(Type(2, kCol + tx::kMunicipalityName, L"ﾐﾅﾄｸ"));
    ToggleDelete(1);  // detail 2 is not output: its error does not count
    Click(IDC_TX301_UPDATE);
    EXPECT_EQ(Shown().back(), "#53");
    EXPECT_EQ(Detail(1).output, 0);

    ToggleDelete(1);  // taken for output again
    ASSERT_TRUE(Type(1, kCol + tx::kSalaryTaxAmount, L"9x"));
    Click(IDC_TX301_UPDATE);
    EXPECT_EQ(Shown().back(), "#54");
    EXPECT_EQ(Detail(1).output, 1);
    EXPECT_EQ(Detail(1).Status(tx::kSalaryTaxAmount), tx::kStatusError);
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(grid().Col(), kCol + tx::kSalaryTaxAmount);
}

TEST_F(KorTx301Test, ZeroRetirementSetBesideAFilledSalaryIsValidAfterUpdate) {
    auto set = txtest::ValidData({1});
    set->zeroAmount = tx::kHandlingError;
    txtest::SetError(*set->groups[0]->details[0], tx::kRetirementTaxAmount, "00000000x");
    Open(std::move(set), 1);
    ASSERT_TRUE(Type(1, kCol + tx::kRetirementTaxAmount, L"0"));
    Click(IDC_TX301_UPDATE);
    EXPECT_EQ(Shown().back(), "#53");
    EXPECT_EQ(Detail(0).Status(tx::kRetirementTaxAmount), tx::kStatusCorrected);
    EXPECT_EQ(Detail(0).Status(tx::kRetirees), tx::kStatusRead);
}

TEST_F(KorTx301Test, DroppingChangesAsksFirst) {
    Open(CorrectionData());
    ASSERT_TRUE(Type(1, kCol + tx::kSalaryTaxAmount, L"5"));
    script.Answer(IDCANCEL);
    Click(IDC_TX301_VIEW_ALL);
    EXPECT_TRUE(screen->Button(IDC_TX301_VIEW_ERRORS).IsChecked());
    EXPECT_FALSE(screen->Button(IDC_TX301_VIEW_ALL).IsChecked());
    EXPECT_EQ(grid().Rows(), 3);
    script.Answer(IDCANCEL);
    Click(IDC_TX301_BACK);
    script.Answer(IDCANCEL);
    SendMessageW(screen->GetSafeHwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(screen->GetSafeHwnd()));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#43[更新]", "#43[更新]", "#43[更新]"}));
    EXPECT_TRUE(screen->IsModified());

    Click(IDC_TX301_VIEW_ALL);  // answered OK: the changes are dropped
    EXPECT_EQ(grid().Rows(), 5);
    EXPECT_FALSE(screen->IsModified());
}

TEST_F(KorTx301Test, UpdateOnAnEmptyGridSaysThereIsNoData) {
    Open(txtest::ValidData({2}));  // the error view has no row
    Click(IDC_TX301_UPDATE);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, "対象となるデータが存在しません。");
    EXPECT_EQ(script.Shown()[0].caption, "エラー");
    EXPECT_EQ(script.Shown()[0].style & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(KorTx301Test, TheErrorListCountsItsPagesFirst) {
    auto set = txtest::ValidData({12});
    for (size_t i = 0; i < 11; ++i)
        txtest::SetError(*set->groups[0]->details[i], tx::kSalaryTaxAmount);
    Open(std::move(set));
    kor::CMetafilePrinter printer(true, true);
    kor::ScopedPrinterStandIn use(printer);
    script.Answer(IDCANCEL);
    Click(IDC_TX301_ERROR_LIST);
    EXPECT_EQ(Shown(), std::vector<std::string>{"#21[2]"});
    EXPECT_TRUE(printer.Jobs().empty());
    Click(IDC_TX301_ERROR_LIST);  // OK prints
    ASSERT_EQ(printer.Jobs().size(), 1u);
    EXPECT_EQ(printer.Jobs()[0].pages.size(), 2u);
}

TEST_F(KorTx301Test, TheErrorListWithoutErrorsOrPrinterShowsItsMessage) {
    auto set = txtest::ValidData({2});
    txtest::SetError(*set->groups[0]->details[0], tx::kSalaryTaxAmount);
    set->groups[0]->details[0]->output = 0;  // a deleted detail is not listed
    Open(std::move(set));
    Click(IDC_TX301_ERROR_LIST);
    kor::CMetafilePrinter none(false, false);
    kor::ScopedPrinterStandIn use(none);
    dataSet->groups[0]->details[0]->output = 1;
    Click(IDC_TX301_ERROR_LIST);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#31", "#21[1]", "#55"}));
}

}  // namespace
