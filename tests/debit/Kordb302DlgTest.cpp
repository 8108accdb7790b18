// The direct-debit data check screen on its real template: read-only rows of the records free of
// flags, the result list's page count, the hidden sort order and the serial order restored on
// closing.
#include "debit/Kordb302Dlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DebitScreenTest.h"
#include "DebitTestData.h"
#include "common/items/RecordOrder.h"
#include "framework/MetafilePrinter.h"
#include "framework/PrinterSeam.h"
#include "resources/debit/Kordb302DlgRes.h"

namespace {

using db::CKordb302Dlg;

db::CDetailRecord& Record(db::CDataSet& set, size_t index) {
    return *set.details[index];
}

class Kordb302Test : public dbtest::DebitScreenTest<CKordb302Dlg> {
protected:
    void ChooseSortOrder(int order) { ChooseInCombo(IDC_DB302_SORT_ORDER, order); }
};

// Serials 1..4; 2 has a flagged customer number, 3 a warning on the depositor name; account
// numbers fall with the serial.
std::unique_ptr<db::CDataSet> CheckedData() {
    auto set = dbtest::ValidData(4);
    const char* numbers[] = {"9000000", "8000000", "7000000", "6000000"};
    for (size_t i = 0; i < 4; ++i) Record(*set, i).Store(db::kAccountNumber, numbers[i]);
    Record(*set, 1).SetResult(db::kCustomerNumber, kItemError);
    Record(*set, 2).SetResult(db::kDepositorName, kItemWarning);
    return set;
}

TEST_F(Kordb302Test, ShowsOnlyTheRecordsFreeOfFlagsReadOnly) {
    Open(CheckedData());
    EXPECT_EQ(screen->GetItemText(IDC_DB302_VERSION), "(Ver4.11)");
    char caption[64] = {};
    GetWindowTextA(screen->GetSafeHwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "データ確認（口座振替）　");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "4"}));
    EXPECT_EQ(Column(10), (std::vector<std::string>{"1,234", "1,234"}));
    EXPECT_TRUE(grid().ColHidden(1));
    EXPECT_TRUE(grid().ColHidden(2));
    EXPECT_EQ(grid().Editable(), CVSFlexGrid::kEditNone);
    const kor::CComboView sortOrder = screen->Combo(IDC_DB302_SORT_ORDER);
    EXPECT_EQ(sortOrder.GetCount(), 3);
    EXPECT_EQ(sortOrder.GetLBText(2), "口座名(ｶﾅ)順");
    EXPECT_FALSE(IsWindowVisible(sortOrder.Hwnd()));
    EXPECT_FALSE(sortOrder.IsEnabled());
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(Kordb302Test, TheResultListLeavesOutDeletedRecordsAndACustomerNumberInError) {
    auto set = dbtest::ValidData(32);
    Record(*set, 0).SetResult(db::kCustomerNumber, kItemError);
    Record(*set, 1).deleteFlag = 1;
    Open(std::move(set));
    kor::CMetafilePrinter printer(true, true);
    kor::ScopedPrinterStandIn use(printer);
    script.Answer(IDCANCEL);
    script.Answer(IDCANCEL);
    screen->Button(IDC_DB302_PRINT_LIST).Click();
    screen->Button(IDC_DB302_PRINT_TOTALS).Click();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#27[1]", "#27[1]"}));
}

TEST_F(Kordb302Test, WithoutPrinterOrRecordsThePrintButtonsShowTheirMessages) {
    auto set = dbtest::ValidData(1);
    Record(*set, 0).SetResult(db::kAmount, kItemError);
    Open(std::move(set));
    {
        kor::CMetafilePrinter printer(false, false);
        kor::ScopedPrinterStandIn use(printer);
        screen->Button(IDC_DB302_PRINT_LIST).Click();
        screen->Button(IDC_DB302_PRINT_TOTALS).Click();
    }
    kor::CMetafilePrinter printer(true, true);
    kor::ScopedPrinterStandIn use(printer);
    screen->Button(IDC_DB302_PRINT_LIST).Click();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#76", "#76", "#39"}));
}

TEST_F(Kordb302Test, SortingByAccountNumberAndClosingRestoresTheSerialOrder) {
    Open(CheckedData());
    ChooseSortOrder(db::kOrderAccountNumber);
    EXPECT_EQ(dataSet->sortOrder, db::kOrderAccountNumber);
    EXPECT_EQ(Serials(), (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"4", "1"}));
    screen->Button(IDC_DB302_BACK).Click();
    EXPECT_EQ(Serials(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(dataSet->sortOrder, kOrderSerial);
}

TEST_F(Kordb302Test, SortingByDepositorNameComparesItsBytes) {
    auto set = dbtest::ValidData(3);
    const char* names[] = {"ﾔﾏﾀﾞ", "ｲﾄｳ", "ABC"};
    for (size_t i = 0; i < 3; ++i) Record(*set, i).Store(db::kDepositorName, names[i]);
    Open(std::move(set));
    ChooseSortOrder(db::kOrderDepositorName);
    EXPECT_EQ(Column(9), (std::vector<std::string>{"ABC", "ｲﾄｳ", "ﾔﾏﾀﾞ"}));
    SendMessageW(screen->GetSafeHwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Serials(), (std::vector<int>{1, 2, 3}));
}

}  // namespace
