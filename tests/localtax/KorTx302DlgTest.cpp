// The local-tax data check screen on its real template: read-only rows of the output data set's
// details without error, group after group, corrected items shown as valid, and the result list
// and totals sheet counted, confirmed and printed.
#include "localtax/KorTx302Dlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TaxScreenTest.h"
#include "TaxTestData.h"
#include "framework/MetafilePrinter.h"
#include "framework/PrinterSeam.h"
#include "localtax/GridHelper.h"
#include "resources/localtax/KorTx302DlgRes.h"

namespace {

using tx::CGridHelper;
using tx::CKorTx302Dlg;

constexpr int kCol = CGridHelper::kFirstItemCol;

class KorTx302Test : public txtest::TaxScreenTest<CKorTx302Dlg> {
protected:
    void Open(std::unique_ptr<tx::CDataSet> set) {
        OpenWith(std::move(set), [](tx::CDataSet* data, ::CApMsgInfoList* table) {
            return std::make_unique<CKorTx302Dlg>(RGB(205, 255, 205), nullptr, data, table);
        });
    }
};

// Two output files: 12 details and 3; detail 2 of the first has a corrected amount, detail 3 of
// the second is in error.
std::unique_ptr<tx::CDataSet> OutputData() {
    auto set = txtest::ValidData({12, 3});
    set->groups[0]->details[1]->SetStatus(tx::kSalaryTaxAmount, tx::kStatusCorrected);
    txtest::SetError(*set->groups[1]->details[2], tx::kTaxPaid);
    return set;
}

TEST_F(KorTx302Test, ShowsTheDetailsWithoutErrorReadOnlyWithCorrectionsAsValid) {
    Open(OutputData());
    EXPECT_EQ(screen->GetItemText(IDC_TX302_VERSION), "(Ver4.01)");
    char caption[64] = {};
    GetWindowTextA(screen->GetSafeHwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "データ確認（特別徴収地方税）");
    EXPECT_EQ(grid().Rows(), 1 + 12 + 2);
    EXPECT_TRUE(grid().ColHidden(CGridHelper::kColPosition));
    EXPECT_TRUE(grid().ColHidden(CGridHelper::kColDelete));
    EXPECT_EQ(grid().Editable(), CVSFlexGrid::kEditNone);
    EXPECT_EQ(dataSet->groups[0]->details[1]->Status(tx::kSalaryTaxAmount), tx::kStatusRead);
    EXPECT_NE(static_cast<COLORREF>(
                  grid().Cell(CVSFlexGrid::kCellBackColor, 2, kCol + tx::kSalaryTaxAmount)),
              CGridHelper::kCorrectedColor);
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(KorTx302Test, ThePrintButtonsConfirmTheirPageCountAndPrint) {
    Open(OutputData());
    kor::CMetafilePrinter printer(true, true);
    kor::ScopedPrinterStandIn use(printer);
    script.Answer(IDCANCEL);
    Click(IDC_TX302_PRINT_LIST);
    EXPECT_TRUE(printer.Jobs().empty());
    Click(IDC_TX302_PRINT_LIST);    // 10 details a page, each file from a new page
    Click(IDC_TX302_PRINT_TOTALS);  // one page a file
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#21[3]", "#21[3]", "#21[2]"}));
    ASSERT_EQ(printer.Jobs().size(), 2u);
    EXPECT_EQ(printer.Jobs()[0].pages.size(), 3u);
    EXPECT_EQ(printer.Jobs()[1].pages.size(), 2u);
}

TEST_F(KorTx302Test, PrintingWithoutPrinterSaysItFailed) {
    Open(OutputData());
    kor::CMetafilePrinter none(false, false);
    kor::ScopedPrinterStandIn use(none);
    Click(IDC_TX302_PRINT_TOTALS);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"#21[2]", "#55"}));
}

}  // namespace
