// The data correction screen on its real template, driven through its grid as a user would:
// which cells take edits, edited amounts, the view radios, updates and leaving the screen.
#include "transfer/Korxf301Dlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GridScreenTest.h"
#include "SampleData.h"
#include "framework/Cp932.h"
#include "framework/GridControl.h"
#include "resources/transfer/Korxf301DlgRes.h"

namespace {

using xf::CKorxf301Dlg;
using xftest::Record;
using xftest::SetItem;

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr int kDelete = 2;
constexpr int kAmountCol = 10;

// Serials 1..5; 2 has an invalid bank code, 4 a zero amount (an error in this data set).
std::unique_ptr<xf::CDataSet> CorrectionDataSet() {
    auto set = xftest::ValidDataSet(5);
    SetItem(Record(*set, 1), xf::kBankCode, "1x", xf::kResultError);
    SetItem(Record(*set, 3), xf::kAmount, "0000000000", xf::kResultError);
    set->countText = "3";
    set->totalText = "3009";
    set->outputDone = 1;
    return set;
}

class Korxf301Test : public xftest::GridScreenTest<CKorxf301Dlg> {
protected:
    // Presses the space bar on the delete box of row.
    void ToggleDelete(int row) { kortest::PressSpaceOnCell(grid(), row, kDelete); }
    long Checked(int row) { return grid().Cell(CVSFlexGrid::kCellChecked, row, kDelete); }
    bool Yellow(int row, int col) {
        return static_cast<COLORREF>(grid().Cell(CVSFlexGrid::kCellBackColor, row, col)) == kYellow;
    }
    bool RadioChecked(int id) { return screen->Button(id).IsChecked(); }
};

TEST_F(Korxf301Test, OpensOnTheErrorViewWithTheFlaggedRecords) {
    Open(CorrectionDataSet());
    EXPECT_EQ(screen->GetItemText(IDC_XF301_VERSION), "(Ver4.11)");
    EXPECT_TRUE(RadioChecked(IDC_XF301_VIEW_ERRORS));
    EXPECT_FALSE(RadioChecked(IDC_XF301_VIEW_ALL));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"2", "4"}));
    EXPECT_FALSE(grid().ColHidden(kDelete));
    EXPECT_TRUE(Yellow(1, 3));
    EXPECT_TRUE(Yellow(2, kAmountCol));
    EXPECT_EQ(grid().TextMatrix(2, kAmountCol), "0");
    EXPECT_EQ(grid().Editable(), CVSFlexGrid::kEditKeyboardMouse);
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(Korxf301Test, OnlyARecordWithAYellowCellCanBeMarkedDeleted) {
    Open(CorrectionDataSet());
    Click(IDC_XF301_VIEW_ALL);
    ASSERT_EQ(grid().Rows(), 6);
    ToggleDelete(1);  // record 1 passes every check
    EXPECT_EQ(Checked(1), CVSFlexGrid::kUnchecked);
    EXPECT_FALSE(screen->IsModified());
    ToggleDelete(2);  // record 2 has a yellow bank code
    EXPECT_EQ(Checked(2), CVSFlexGrid::kChecked);
    EXPECT_TRUE(screen->IsModified());
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(Korxf301Test, CellsWithoutYellowRefuseEditsAndYellowOnesTakeTheirItemsLength) {
    auto set = xftest::ValidDataSet(2);
    for (int kind = 0; kind < xf::kItemCount; ++kind) Record(*set, 0).SetResult(kind, 1);
    Open(std::move(set));
    Click(IDC_XF301_VIEW_ALL);
    const int lengths[] = {4, 15, 3, 15, 20, 7, 30, 10, 10, 10, 20, 10};
    for (int col = 0; col < 15; ++col) {
        if (col == kDelete) continue;
        for (int row = 1; row <= 2; ++row) {
            Select(row, col);
            SendMessageW(GridWindow(), WM_KEYDOWN, VK_F2, 0);
            const bool mayEdit = row == 1 && col >= 3;
            EXPECT_EQ(Editing(), mayEdit) << row << "," << col;
            if (!Editing()) continue;
            EXPECT_EQ(grid().EditMaxLength(), lengths[col - 3]) << col;
            SendMessageW(Editor(), WM_KEYDOWN, VK_ESCAPE, 0);
        }
    }
    EXPECT_FALSE(screen->IsModified());
}

struct AmountCase {
    const wchar_t* typed;
    const char* shown;
};

TEST_F(Korxf301Test, AnEditedAmountIsCheckedAndShownWithSeparatorsWhenItPasses) {
    const AmountCase cases[] = {
        {L"0001500", "1,500"},
        {L"1234567", "1,234,567"},
        {L"00012a", "12a"},
        {L"0000", "0"},  // zero amounts are errors in this data set
    };
    for (const AmountCase& c : cases) {
        Open(CorrectionDataSet());
        Record(*dataSet, 3).SetResult(xf::kAmount, 0x11);
        ASSERT_TRUE(Type(2, kAmountCol, c.typed));
        EXPECT_EQ(grid().TextMatrix(2, kAmountCol), c.shown) << kor::ToCp932(c.typed);
        EXPECT_TRUE(screen->IsModified());
        // The record is only changed by an update; the item will be checked again then.
        EXPECT_STREQ(Record(*dataSet, 3).Text(xf::kAmount), "0000000000");
        EXPECT_EQ(Record(*dataSet, 3).Result(xf::kAmount), 0x01);
    }
}

TEST_F(Korxf301Test, AnEditThatChangesNothingLeavesTheScreenUnmodified) {
    Open(CorrectionDataSet());
    ASSERT_TRUE(Type(1, 3, L"1x"));
    EXPECT_FALSE(screen->IsModified());
}

TEST_F(Korxf301Test, SwitchingTheViewAfterAnEditAsks55AndCancelKeepsTheEdits) {
    Open(CorrectionDataSet());
    ASSERT_TRUE(Type(1, 3, L"0005"));
    script.Answer(IDCANCEL);
    Click(IDC_XF301_VIEW_ALL);
    EXPECT_EQ(Shown(), std::vector<std::string>{"#55"});
    EXPECT_EQ(script.Shown()[0].style & MB_TYPEMASK, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_TRUE(RadioChecked(IDC_XF301_VIEW_ERRORS));
    EXPECT_FALSE(RadioChecked(IDC_XF301_VIEW_ALL));
    EXPECT_EQ(grid().Rows(), 3);
    EXPECT_EQ(grid().TextMatrix(1, 3), "0005");
    EXPECT_TRUE(screen->IsModified());
    // The current view again asks nothing and changes nothing.
    Click(IDC_XF301_VIEW_ERRORS);
    EXPECT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(grid().TextMatrix(1, 3), "0005");
    // OK discards the edits and shows the other view.
    script.Answer(IDOK);
    Click(IDC_XF301_VIEW_ALL);
    EXPECT_EQ(script.Shown().size(), 2u);
    EXPECT_TRUE(RadioChecked(IDC_XF301_VIEW_ALL));
    EXPECT_EQ(grid().Rows(), 6);
    EXPECT_EQ(grid().TextMatrix(2, 3), "1x");
    EXPECT_FALSE(screen->IsModified());
}

TEST_F(Korxf301Test, MarkingEveryErroneousRecordDeletedAndUpdatingGives72) {
    Open(CorrectionDataSet());
    ToggleDelete(1);
    ToggleDelete(2);
    Click(IDC_XF301_UPDATE);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#3", "#72"}));
    EXPECT_EQ(dataSet->errorFree, 1);
    EXPECT_EQ(dataSet->outputDone, 0);
    EXPECT_EQ(Record(*dataSet, 1).deleteFlag, 1);
    EXPECT_EQ(Record(*dataSet, 3).deleteFlag, 1);
    EXPECT_EQ(dataSet->countText, "3");
    EXPECT_EQ(dataSet->totalText, "3009");  // 1001 + 1003 + 1005
    // The deleted records keep their flags and stay in the error view, marked.
    EXPECT_EQ(Column(0), (std::vector<std::string>{"2", "4"}));
    EXPECT_EQ(Checked(1), CVSFlexGrid::kChecked);
    EXPECT_FALSE(screen->IsModified());
}

TEST_F(Korxf301Test, CorrectedItemsPassTheUpdateAndRemainingErrorsGive73AndTheFocus) {
    Open(CorrectionDataSet());
    Click(IDC_XF301_VIEW_ALL);
    ASSERT_TRUE(Type(2, 3, L"0009"));
    ASSERT_TRUE(Type(4, kAmountCol, L"2000"));
    Click(IDC_XF301_UPDATE);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#3", "#72"}));
    EXPECT_STREQ(Record(*dataSet, 1).Text(xf::kBankCode), "0009");
    EXPECT_EQ(Record(*dataSet, 1).Result(xf::kBankCode), 0);
    EXPECT_STREQ(Record(*dataSet, 3).Text(xf::kAmount), "2000");
    EXPECT_EQ(dataSet->countText, "5");
    EXPECT_EQ(dataSet->totalText, "6011");  // 1001 + 1002 + 1003 + 2000 + 1005
    EXPECT_FALSE(Yellow(2, 3));
    EXPECT_EQ(grid().TextMatrix(4, kAmountCol), "2,000");

    // A new error: the update says so and puts the current cell on it.
    Record(*dataSet, 4).SetResult(xf::kAccountNumber, xf::kResultError);
    Click(IDC_XF301_VIEW_ALL);  // refilled: record 5 now shows a yellow account number
    ASSERT_TRUE(Type(5, 8, L"12-4"));
    Click(IDC_XF301_UPDATE);
    EXPECT_EQ(Shown().back(), "#73");
    EXPECT_EQ(dataSet->errorFree, 0);
    EXPECT_EQ(dataSet->countText, "4");
    EXPECT_EQ(dataSet->totalText, "5006");
    EXPECT_EQ(grid().Row(), 5);
    EXPECT_EQ(grid().Col(), 8);
    EXPECT_EQ(GetFocus(), GridWindow());
}

TEST_F(Korxf301Test, CancellingTheUpdateChangesNothing) {
    Open(CorrectionDataSet());
    ASSERT_TRUE(Type(1, 3, L"0009"));
    script.Answer(IDCANCEL);
    Click(IDC_XF301_UPDATE);
    EXPECT_EQ(Shown(), std::vector<std::string>{"#3"});
    EXPECT_STREQ(Record(*dataSet, 1).Text(xf::kBankCode), "1x");
    EXPECT_EQ(dataSet->outputDone, 1);
    EXPECT_TRUE(screen->IsModified());
}

TEST_F(Korxf301Test, UpdatingAnEmptyErrorViewChecksTheRecordsAgain) {
    Open(xftest::ValidDataSet(2));  // no error: the error view shows only its title row
    dataSet->outputDone = 1;
    Click(IDC_XF301_UPDATE);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#3", "#72"}));
    EXPECT_EQ(dataSet->errorFree, 1);
    EXPECT_EQ(dataSet->outputDone, 0);
}

// --- Leaving the screen (run modally) ---------------------------------------------------------

class Korxf301Modal : public Korxf301Test {
protected:
    // Runs the screen modally; steps run one after another inside its modal loop, the queued
    // messages dispatched after each.
    INT_PTR Run(std::vector<std::function<void(CKorxf301Dlg&)>> steps) {
        dataSet = CorrectionDataSet();
        CKorxf301Dlg modal(nullptr, dataSet.get(), messages.get());
        return xftest::RunModal(modal, [&](HWND) {
            for (const auto& step : steps) {
                step(modal);
                xftest::Pump();
            }
        });
    }
};

void EditBankCode(CKorxf301Dlg& d) {
    CVSFlexGrid& g = d.Grid();
    g.SetRow(1);
    g.SetCol(3);
    SendMessageW(g.GetSafeHwnd(), WM_CHAR, L'9', 0);
    const auto control = kor::GridControl::FromWindow(g.GetSafeHwnd()).lock();
    SendMessageW(control->EditorWindow(), WM_KEYDOWN, VK_RETURN, 0);
}

// Marks the first row's record deleted: a change of the check state alone.
void MarkDeleted(CKorxf301Dlg& d) {
    CVSFlexGrid& g = d.Grid();
    g.SetRow(1);
    g.SetCol(kDelete);
    SendMessageW(g.GetSafeHwnd(), WM_KEYDOWN, VK_SPACE, 0);
}

void PressBack(CKorxf301Dlg& d) {
    d.Button(IDC_XF301_BACK).Click();
}

TEST_F(Korxf301Modal, BackWithoutEditsClosesAtOnce) {
    EXPECT_EQ(Run({PressBack}), 1);
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(Korxf301Modal, BackAfterAnEditAsks55AndClosesOnlyOnOk) {
    script.Answer(IDCANCEL);
    script.Answer(IDOK);
    EXPECT_EQ(Run({EditBankCode, PressBack, PressBack}), 1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#55", "#55"}));
}

TEST_F(Korxf301Modal, BackAfterMarkingARecordDeletedAsks55) {
    script.Answer(IDCANCEL);
    script.Answer(IDOK);
    EXPECT_EQ(Run({MarkDeleted, PressBack, PressBack}), 1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#55", "#55"}));
}

TEST_F(Korxf301Modal, TheCloseBoxClosesWithoutAsking) {
    const auto closeBox = [](CKorxf301Dlg& d) { SendMessageW(d.GetSafeHwnd(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(Run({EditBankCode, closeBox}), 1);
    EXPECT_TRUE(script.Shown().empty());
}

}  // namespace
