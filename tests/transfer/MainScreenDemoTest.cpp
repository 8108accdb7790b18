// The demo program folder of tools/run-demo.sh: its customer file reads without an error or a
// warning through its pattern and requester, and the screen writes its transfer file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "MainScreenHost.h"
#include "framework/Cp932.h"
#include "support/TestPaths.h"

namespace {

// A demo source as the demo folder holds it.
std::string DemoFile(const std::string& name) {
    return kortest::DemoFile(KOR_XF_DEMO_DIR, name);
}

using MainScreenDemo = kortest::MainScreenTest;

TEST_F(MainScreenDemo, TheDemoFileReadsCleanAndIsWritten) {
    WriteFile("mstKORXF301.ini", DemoFile("mstKORXF301.utf8"));
    WriteFile("mstKORXF302.ini", DemoFile("mstKORXF302.utf8"));
    const std::string input = WriteFile("demo-transfers.csv", DemoFile("demo-transfers.csv.utf8"));
    Open();
    // The demo's pattern and requester are the ones chosen at the start.
    EXPECT_EQ(SendMessageW(Item(IDC_XF300_PATTERN), CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageW(Item(IDC_XF300_REQUESTER_LIST), CB_GETCOUNT, 0, 0), 1);
    SetText(IDC_XF300_INPUT, input);
    Click(IDC_XF300_READ);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "読込"),
                                                     Message(67, "読込", "変換後ファイル")}));
    ASSERT_NE(screen->DataSet(), nullptr);
    const size_t records = screen->DataSet()->details.size();
    EXPECT_EQ(records, 4u);

    SetText(IDC_XF300_OUTPUT, folder + "demo-transfers_out.txt");
    Click(IDC_XF300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(24, "出力"), Message(75)}));
    const std::string file = kortest::ReadBytes(folder + "demo-transfers_out.txt");
    ASSERT_EQ(file.size(), 122 * (records + 3) + 1);
    EXPECT_EQ(file.substr(0, 14),
              "1210"
              "0000012345");
    EXPECT_EQ(file.substr(122 * (records + 1), 7),
              "8"
              "000004");
}

}  // namespace
