// The correction and check screens opened from the local-tax main screen: the correction screen
// works on the data set of the read with the item sets of its pattern, and what it corrected is
// what the output writes; the check screen shows the data set of the output.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Tx300Host.h"
#include "framework/VSFlexGrid.h"
#include "localtax/GridHelper.h"
#include "resources/localtax/KorTx301DlgRes.h"
#include "resources/localtax/KorTx302DlgRes.h"
#include "support/GridScreenTest.h"
#include "support/SubScreen.h"
#include "support/TestPaths.h"

namespace {

using kortest::PressBack;
using kortest::SubScreen;
using txtest::Texts;
using txtest::Tx300Test;

constexpr int kCol = tx::CGridHelper::kFirstItemCol;

// The demo customer file with the tax paid of its second line mistyped.
std::string DemoWithMistypedTaxPaid() {
    std::string bytes = kortest::ReadBytes(txtest::kDemo + "chihouzei.csv");
    const std::string line = "2,30000,0,0,0,0";
    const size_t at = bytes.find(line);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) bytes.replace(at, line.size(), "2,3O000,0,0,0,0");
    return bytes;
}

class Tx300SubScreenTest : public Tx300Test {
protected:
    void ExpectDataButtons(bool correct, bool output, bool check) const {
        EXPECT_EQ(Enabled(IDC_TX300_CORRECT), correct);
        EXPECT_EQ(Enabled(IDC_TX300_OUTPUT_DATA), output);
        EXPECT_EQ(Enabled(IDC_TX300_CHECK), check);
    }
};

TEST_F(Tx300SubScreenTest, ACorrectionMadeOnTX301IsWhatTheOutputWrites) {
    WithDemoMasters();
    Open();
    ReadFile(DemoWithMistypedTaxPaid());
    EXPECT_EQ(TakeShown(), (Texts{Message(18, "読込"), Message(49, "読込")}));
    ExpectDataButtons(true, true, false);

    // The taken detail in error stops the output.
    const std::string out = kortest::ScratchDirOfTest("out");
    SetText(IDC_TX300_OUTPUT, out);
    Click(IDC_TX300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), Texts{Message(15)});
    EXPECT_EQ(screen->OutputData(), nullptr);

    std::string before;
    const int found = SubScreen::Run(Hwnd(), IDC_TX300_CORRECT, IDC_TX301_BACK, [&](HWND dialog) {
        CVSFlexGrid grid(GetDlgItem(dialog, IDC_TX301_GRID));
        // The error view: the second detail only.
        before = std::to_string(grid.Rows()) + ":" + grid.TextMatrix(1, 0);
        kortest::TypeInCell(grid, 1, kCol + tx::kTaxPaid, L"30000");
        SendMessageW(GetDlgItem(dialog, IDC_TX301_UPDATE), BM_CLICK, 0, 0);
        PostMessageW(GetDlgItem(dialog, IDC_TX301_BACK), BM_CLICK, 0, 0);
    });
    ASSERT_EQ(found, 1);
    EXPECT_EQ(before, "2:2");
    EXPECT_EQ(TakeShown(), (Texts{Message(3), Message(53)}));
    ExpectDataButtons(true, true, false);
    const tx::CDetailRecord& corrected = *screen->ReadData()->groups[0]->details[1];
    EXPECT_EQ(corrected.Text(tx::kTaxPaid), "000030000");
    EXPECT_EQ(corrected.Status(tx::kTaxPaid), tx::kStatusCorrected);

    Click(IDC_TX300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(),
              (Texts{Message(18, "出力"), Message(70, "CHIHOU_ZEI_OUT_001.TXT", "1")}));
    EXPECT_EQ(kortest::ReadBytes(out + "CHIHOU_ZEI_OUT_001.TXT"), txtest::DemoOutputFile());
    ExpectDataButtons(true, true, true);

    // The check screen shows the output's copy, where the correction counts as read; the read
    // data keep it as a correction.
    std::string shown;
    ASSERT_EQ(SubScreen::Run(Hwnd(), IDC_TX300_CHECK, IDC_TX302_BACK,
                             [&shown](HWND dialog) {
                                 const CVSFlexGrid grid(GetDlgItem(dialog, IDC_TX302_GRID));
                                 shown = grid.TextMatrix(2, kCol + tx::kTaxPaid);
                                 PostMessageW(GetDlgItem(dialog, IDC_TX302_BACK), BM_CLICK, 0, 0);
                             }),
              1);
    EXPECT_EQ(shown, "30,000");
    EXPECT_EQ(screen->OutputData()->groups[0]->details[1]->Status(tx::kTaxPaid), tx::kStatusRead);
    EXPECT_EQ(corrected.Status(tx::kTaxPaid), tx::kStatusCorrected);
}

TEST_F(Tx300SubScreenTest, TX302ShowsTheDataSetOfTheOutput) {
    WithDemoMasters();
    Open();
    ReadFile(DemoWithMistypedTaxPaid());
    // The detail in error is ticked for deletion: the output and its check leave it out.
    ASSERT_EQ(SubScreen::Run(Hwnd(), IDC_TX300_CORRECT, IDC_TX301_BACK,
                             [](HWND dialog) {
                                 CVSFlexGrid grid(GetDlgItem(dialog, IDC_TX301_GRID));
                                 kortest::PressSpaceOnCell(grid, 1, tx::CGridHelper::kColDelete);
                                 SendMessageW(GetDlgItem(dialog, IDC_TX301_UPDATE), BM_CLICK, 0, 0);
                                 PostMessageW(GetDlgItem(dialog, IDC_TX301_BACK), BM_CLICK, 0, 0);
                             }),
              1);
    SetText(IDC_TX300_OUTPUT, kortest::ScratchDirOfTest("out"));
    Click(IDC_TX300_OUTPUT_DATA);
    ASSERT_NE(screen->OutputData(), nullptr);
    TakeShown();

    Texts serials;
    std::string taxPaid;
    const int found = SubScreen::Run(Hwnd(), IDC_TX300_CHECK, IDC_TX302_BACK, [&](HWND dialog) {
        const CVSFlexGrid grid(GetDlgItem(dialog, IDC_TX302_GRID));
        for (int row = 1; row < grid.Rows(); ++row) serials.push_back(grid.TextMatrix(row, 0));
        taxPaid = grid.TextMatrix(2, kCol + tx::kTaxPaid);
        PostMessageW(GetDlgItem(dialog, IDC_TX302_BACK), BM_CLICK, 0, 0);
    });
    ASSERT_EQ(found, 1);
    EXPECT_EQ(serials, (Texts{"1", "3"}));
    EXPECT_EQ(taxPaid, "1,250,000");
    EXPECT_TRUE(TakeShown().empty());
    ExpectDataButtons(true, true, true);

    // The correction screen opens again after the output and leaves the buttons alone.
    EXPECT_EQ(SubScreen::Run(Hwnd(), IDC_TX300_CORRECT, IDC_TX301_BACK, PressBack(IDC_TX301_BACK)),
              1);
    ExpectDataButtons(true, true, true);
}

}  // namespace
