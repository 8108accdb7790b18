// The data check screen on its real template: read-only rows of the error-free records, the
// hidden sort order and the serial order restored on closing.
#include "transfer/Korxf302Dlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GridScreenTest.h"
#include "SampleData.h"
#include "resources/transfer/Korxf302DlgRes.h"
#include "transfer/RecordOrder.h"

namespace {

using xf::CKorxf302Dlg;
using xftest::Record;
using xftest::SetItem;

class Korxf302Test : public xftest::GridScreenTest<CKorxf302Dlg> {
protected:
    void ChooseSortOrder(int order) { ChooseInCombo(IDC_XF302_SORT_ORDER, order); }
};

// Serials 1..5; 2 has an error and 4 a warning; account numbers fall with the serial.
std::unique_ptr<xf::CDataSet> CheckedDataSet() {
    auto set = xftest::ValidDataSet(5);
    const char* numbers[] = {"9000000", "8000000", "7000000", "6000000", "7000000"};
    for (int i = 0; i < 5; ++i) SetItem(Record(*set, i), xf::kAccountNumber, numbers[i], 0);
    SetItem(Record(*set, 1), xf::kBankCode, "1x", xf::kResultError);
    SetItem(Record(*set, 3), xf::kAccountName, "ﾔﾏﾀﾞ", xf::kResultWarning);
    return set;
}

TEST_F(Korxf302Test, ShowsTheErrorFreeRecordsReadOnly) {
    Open(CheckedDataSet());
    EXPECT_EQ(screen->GetItemText(IDC_XF302_VERSION), "(Ver4.11)");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "3", "5"}));
    EXPECT_EQ(Column(10), (std::vector<std::string>{"1,001", "1,003", "1,005"}));
    EXPECT_TRUE(grid().ColHidden(1));
    EXPECT_TRUE(grid().ColHidden(2));
    EXPECT_FALSE(grid().ColHidden(13));
    EXPECT_EQ(grid().Editable(), CVSFlexGrid::kEditNone);
    // The sort order list is there, hidden and disabled, showing the data set's order.
    const kor::CComboView sortOrder = screen->Combo(IDC_XF302_SORT_ORDER);
    EXPECT_EQ(sortOrder.GetCount(), 3);
    EXPECT_EQ(sortOrder.GetLBText(2), "預金者名(ｶﾅ)順");
    EXPECT_EQ(sortOrder.GetCurSel(), 0);
    EXPECT_FALSE(IsWindowVisible(sortOrder.Hwnd()));
    EXPECT_FALSE(sortOrder.IsEnabled());
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(Korxf302Test, ASalaryDataSetHidesTheGeneralTransferColumns) {
    Open(xftest::ValidDataSet(2, xf::kKindSalaryBonus));
    EXPECT_TRUE(grid().ColHidden(13));
    EXPECT_TRUE(grid().ColHidden(14));
}

TEST_F(Korxf302Test, NoErrorFreeRecordLeavesTheTitleRow) {
    auto set = xftest::ValidDataSet(1);
    SetItem(Record(*set, 0), xf::kAmount, "", xf::kResultError);
    Open(std::move(set));
    EXPECT_EQ(grid().Rows(), 1);
    EXPECT_EQ(grid().TextMatrix(0, 3), "金融機関コード");
}

struct CloseCase {
    const char* name;
    bool closeBox;  // else the back button
};

class Korxf302Close : public Korxf302Test, public testing::WithParamInterface<CloseCase> {};

TEST_P(Korxf302Close, SortingByAccountNumberAndClosingRestoresTheSerialOrder) {
    Open(CheckedDataSet());
    ChooseSortOrder(xf::kOrderAccountNumber);
    EXPECT_EQ(dataSet->sortOrder, xf::kOrderAccountNumber);
    EXPECT_EQ(Serials(), (std::vector<int>{4, 3, 5, 2, 1}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"3", "5", "1"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"1", "2", "4"}));  // positions after sorting
    EXPECT_EQ(grid().Editable(), CVSFlexGrid::kEditNone);
    if (GetParam().closeBox) {
        SendMessageW(screen->GetSafeHwnd(), WM_CLOSE, 0, 0);
    } else {
        screen->Button(IDC_XF302_BACK).Click();
    }
    EXPECT_EQ(Serials(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(dataSet->sortOrder, xf::kOrderSerial);
    EXPECT_TRUE(script.Shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Close, Korxf302Close,
                         testing::Values(CloseCase{"BackButton", false},
                                         CloseCase{"CloseBox", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Korxf302Test, SortingByAccountNameShowsTheRowsInThatOrder) {
    auto set = xftest::ValidDataSet(3);
    const char* names[] = {"ﾔﾏﾀﾞ", "ｲﾄｳ", "ABC"};
    for (int i = 0; i < 3; ++i) SetItem(Record(*set, i), xf::kAccountName, names[i], 0);
    Open(std::move(set));
    ChooseSortOrder(xf::kOrderAccountName);
    EXPECT_EQ(Column(9), (std::vector<std::string>{"ABC", "ｲﾄｳ", "ﾔﾏﾀﾞ"}));
    ChooseSortOrder(xf::kOrderSerial);
    EXPECT_EQ(Column(9), (std::vector<std::string>{"ﾔﾏﾀﾞ", "ｲﾄｳ", "ABC"}));
}

// Run modally: the back button ends the run with 1.
CKorxf302Dlg* g_running = nullptr;

void CALLBACK PressBack(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (g_running) PostMessageW(g_running->Item(IDC_XF302_BACK), BM_CLICK, 0, 0);
}

TEST_F(Korxf302Test, TheBackButtonEndsAModalRunWithOne) {
    dataSet = CheckedDataSet();
    dataSet->sortOrder = xf::kOrderAccountName;
    xf::SortRecords(dataSet->details, xf::kOrderAccountName);
    CKorxf302Dlg modal(nullptr, dataSet.get(), messages.get());
    g_running = &modal;
    ASSERT_NE(SetTimer(nullptr, 0, 10, PressBack), 0u);
    EXPECT_EQ(modal.DoModal(), 1);
    g_running = nullptr;
    EXPECT_EQ(Serials(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(dataSet->sortOrder, xf::kOrderSerial);
}

}  // namespace
