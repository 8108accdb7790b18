// The direct-debit data correction screen on its real template, driven through its grid as a
// user would: which cells take edits and how long a text they take, the update re-checking the
// ten items in its order, and the error list's count.
#include "debit/Kordb301Dlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DebitScreenTest.h"
#include "DebitTestData.h"
#include "framework/MetafilePrinter.h"
#include "framework/PrinterSeam.h"
#include "resources/debit/Kordb301DlgRes.h"

namespace {

using db::CKordb301Dlg;

constexpr int kDelete = 2;
constexpr int kBranchCodeCol = 5;
constexpr int kBranchNameCol = 6;
constexpr int kCustomerCol = 12;

db::CDetailRecord& Record(db::CDataSet& set, size_t index) {
    return *set.details[index];
}

// Serials 1..4; 2 has a branch name with a forbidden character and an empty branch code (an
// error without a valid branch name), 4 a flagged customer number.
std::unique_ptr<db::CDataSet> CorrectionData() {
    auto set = dbtest::ValidData(4);
    Record(*set, 1).Store(db::kBranchName, "ｼﾃﾝ{", kItemError);
    Record(*set, 1).Store(db::kBranchCode, "", kItemError);
    Record(*set, 3).Store(db::kCustomerNumber, "CUST`", kItemError);
    set->countText = "2";
    set->totalText = "2468";
    set->outputDone = 1;
    return set;
}

class Kordb301Test : public dbtest::DebitScreenTest<CKordb301Dlg> {
protected:
    void ToggleDelete(int row) { kortest::PressSpaceOnCell(grid(), row, kDelete); }
    long Checked(int row) { return grid().Cell(CVSFlexGrid::kCellChecked, row, kDelete); }
};

TEST_F(Kordb301Test, OpensOnTheErrorViewWithTheFlaggedRecords) {
    Open(CorrectionData());
    EXPECT_EQ(screen->GetItemText(IDC_DB301_VERSION), "(Ver4.11)");
    char caption[64] = {};
    GetWindowTextA(screen->GetSafeHwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "データ補正（口座振替）");
    EXPECT_TRUE(screen->Button(IDC_DB301_VIEW_ERRORS).IsChecked());
    EXPECT_FALSE(screen->Button(IDC_DB301_VIEW_ALL).IsChecked());
    EXPECT_EQ(Column(0), (std::vector<std::string>{"2", "4"}));
    EXPECT_EQ(grid().Cols(), 13);
    Click(IDC_DB301_VIEW_ALL);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(Kordb301Test, ADeleteBoxCanBeTickedOnlyOnARowWithAnErroneousCell) {
    Open(CorrectionData());
    Click(IDC_DB301_VIEW_ALL);
    ToggleDelete(1);  // record 1 passes every check
    EXPECT_EQ(Checked(1), CVSFlexGrid::kUnchecked);
    EXPECT_FALSE(screen->IsModified());
    ToggleDelete(4);  // record 4: only its customer number is in error
    EXPECT_EQ(Checked(4), CVSFlexGrid::kChecked);
    EXPECT_TRUE(screen->IsModified());  // a delete mark alone is a change
}

TEST_F(Kordb301Test, FlaggedCellsTakeTheirItemsLengthAndOtherCellsRefuseEdits) {
    auto set = dbtest::ValidData(2);
    for (int kind = 0; kind < db::kItemCount; ++kind) Record(*set, 0).SetResult(kind, kItemError);
    Open(std::move(set));
    Click(IDC_DB301_VIEW_ALL);
    // Bank code to customer number; the new code takes 1 character, the customer number 20.
    const int lengths[] = {4, 15, 3, 15, 20, 7, 30, 10, 1, 20};
    for (int col = 0; col < 13; ++col) {
        if (col == kDelete) continue;
        for (int row = 1; row <= 2; ++row) {
            Select(row, col);
            SendMessageW(GridWindow(), WM_KEYDOWN, VK_F2, 0);
            EXPECT_EQ(Editing(), row == 1 && col >= 3) << row << "," << col;
            if (!Editing()) continue;
            EXPECT_EQ(grid().EditMaxLength(), lengths[col - 3]) << col;
            SendMessageW(Editor(), WM_KEYDOWN, VK_ESCAPE, 0);
        }
    }
    EXPECT_FALSE(screen->IsModified());
}

TEST_F(Kordb301Test, UpdateChecksTheBranchNameBeforeTheEmptyBranchCode) {
    Open(CorrectionData());
    // Only the branch name is corrected; the empty branch code is valid once the name is.
    ASSERT_TRUE(Type(1, kBranchNameCol, L"ｼﾃﾝC"));
    ASSERT_TRUE(Type(2, kCustomerCol, L"CUST-04"));
    Click(IDC_DB301_UPDATE);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#3[読込][変換後ファイル]", "#72"}));
    const db::CDetailRecord& second = Record(*dataSet, 1);
    EXPECT_STREQ(second.Text(db::kBranchName), "ｼﾃﾝC");
    EXPECT_EQ(second.Result(db::kBranchName), kItemValid);
    EXPECT_STREQ(second.Text(db::kBranchCode), "");
    EXPECT_EQ(second.Result(db::kBranchCode), kItemValid);
    EXPECT_STREQ(Record(*dataSet, 3).Text(db::kCustomerNumber), "CUST-04");
    EXPECT_EQ(dataSet->errorFree, 1);
    EXPECT_EQ(dataSet->outputDone, 0);
    EXPECT_EQ(dataSet->countText, "4");
    EXPECT_EQ(dataSet->totalText, "4936");
    EXPECT_EQ(grid().Rows(), 1);  // the error view is empty now
    EXPECT_FALSE(screen->IsModified());
}

TEST_F(Kordb301Test, AnEmptiedBranchNameLeavesTheEmptyBranchCodeInError) {
    Open(CorrectionData());
    ASSERT_TRUE(Type(1, kBranchNameCol, L" "));    // trimmed to nothing
    ASSERT_TRUE(Type(2, kCustomerCol, L"CUST~"));  // still forbidden
    Click(IDC_DB301_UPDATE);
    EXPECT_EQ(Shown().back(), "#73");
    EXPECT_EQ(Record(*dataSet, 1).Result(db::kBranchCode), kItemError);
    EXPECT_EQ(Record(*dataSet, 3).Result(db::kCustomerNumber), kItemError);
    EXPECT_EQ(dataSet->errorFree, 0);
    EXPECT_EQ(dataSet->countText, "2");
    // The current cell is put on the first yellow cell.
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(grid().Col(), kBranchCodeCol);
}

TEST_F(Kordb301Test, ARecordWhoseOnlyErrorIsTheCustomerNumberCountsForTheErrorList) {
    auto set = dbtest::ValidData(31);
    for (size_t i = 0; i < 31; ++i) Record(*set, i).SetResult(db::kCustomerNumber, kItemError);
    Record(*set, 0).deleteFlag = 1;  // deleted records are not listed
    Open(std::move(set));
    kor::CMetafilePrinter printer(true, true);
    kor::ScopedPrinterStandIn use(printer);
    script.Answer(IDCANCEL);
    Click(IDC_DB301_ERROR_LIST);
    EXPECT_EQ(Shown(), std::vector<std::string>{"#27[1]"});
}

TEST_F(Kordb301Test, TheErrorListWithoutPrinterOrErrorsShowsItsMessage) {
    Open(dbtest::ValidData(2));
    {
        kor::CMetafilePrinter printer(false, false);
        kor::ScopedPrinterStandIn use(printer);
        Click(IDC_DB301_ERROR_LIST);
    }
    kor::CMetafilePrinter printer(true, true);
    kor::ScopedPrinterStandIn use(printer);
    Click(IDC_DB301_ERROR_LIST);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#76", "#39"}));
}

}  // namespace
