// The local-tax main screen driven through its controls: its start over the masters, a read and
// an output of the demo file into a folder, the checks before a read and the exit questions.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/App.h"
#include "framework/Cp932.h"
#include "localtax/KorTx300Dlg.h"
#include "resources/localtax/KorTx300DlgRes.h"
#include "support/ScreenTest.h"
#include "support/TestPaths.h"

namespace {

using Texts = std::vector<std::string>;

const std::string kDemo = std::string(KOR_TX_DEMO_DIR) + "\\";

class Tx300Test : public kortest::ScreenTest {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        MakeProgramFolder(std::string(KOR_TX_PROGRAM_DIR) + "\\mstKORTX001.ini",
                          "mstKORTX001.ini");
    }
    void TearDown() override { screen.reset(); }
    HWND Hwnd() const override { return screen->GetSafeHwnd(); }

    void WithDemoMasters() const {
        for (const char* name : {"mstKORTX301.ini", "mstKORTX302.ini"})
            WriteFile(name, kortest::ReadBytes(kDemo + name));
    }
    void Open() {
        screen = std::make_unique<CKorTx300Dlg>(folder);
        ASSERT_TRUE(screen->Create());
        ShowWindow(Hwnd(), SW_SHOWNA);
    }
    int ComboCount(int id) const {
        return static_cast<int>(SendMessageW(Item(id), CB_GETCOUNT, 0, 0));
    }
    void ReadDemoFile() {
        SetText(IDC_TX300_INPUT, WriteFile("chihouzei.csv", kortest::ReadBytes(kDemo + "chihouzei.csv")));
        Click(IDC_TX300_READ);
    }

    std::unique_ptr<CKorTx300Dlg> screen;
};

TEST_F(Tx300Test, StartsWithTheMastersAndTheButtonsOfADataSetDisabled) {
    WithDemoMasters();
    Open();
    EXPECT_EQ(Text(IDC_TX300_VERSION), "(Ver4.01)");
    EXPECT_EQ(ComboCount(IDC_TX300_PATTERN), 1);
    EXPECT_EQ(SendMessageW(Item(IDC_TX300_PATTERN), CB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(Text(IDC_TX300_NAME1).empty());
    for (int id : {IDC_TX300_CORRECT, IDC_TX300_CHECK, IDC_TX300_OUTPUT_DATA})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(TakeShown().empty());
}

TEST_F(Tx300Test, AnUnreadablePatternMasterEndsTheStartWithTextC) {
    WriteMaster("mstKORTX301.ini", {"\"03\",\"short line\""});
    Open();
    EXPECT_EQ(TakeShown(),
              Texts{"処理に必要なファイルが破損しています。再インストールして下さい。<C>"});
}

TEST_F(Tx300Test, ReadsAndWritesTheNumberedFileIntoTheFolder) {
    WithDemoMasters();
    Open();
    ReadDemoFile();
    EXPECT_EQ(TakeShown(), (Texts{Message(18, "読込"), Message(48, "読込", "変換後ファイル")}));
    ASSERT_NE(screen->ReadData(), nullptr);
    EXPECT_TRUE(Enabled(IDC_TX300_CORRECT));
    EXPECT_TRUE(Enabled(IDC_TX300_OUTPUT_DATA));
    EXPECT_FALSE(Enabled(IDC_TX300_CHECK));

    const std::string out = kortest::ScratchDirOfTest();
    SetText(IDC_TX300_OUTPUT, out);
    Click(IDC_TX300_OUTPUT_DATA);
    ASSERT_NE(screen->OutputData(), nullptr);
    EXPECT_TRUE(Enabled(IDC_TX300_CHECK));
    const std::string file = kortest::ReadBytes(out + "CHIHOU_ZEI_OUT_001.TXT");
    EXPECT_EQ(file.size(), 6u * 122u);
    EXPECT_EQ(file.substr(0, 27), "1990" + std::string(10, '0') + "000" + "000000" + "0000");
    TakeShown();

    // Written: the exit asks only whether to end.
    Click(IDC_TX300_EXIT);
    EXPECT_EQ(TakeShown(), Texts{Message(1)});
}

TEST_F(Tx300Test, ExitAfterAReadWithoutOutputWarnsFirstAndCancelStays) {
    WithDemoMasters();
    Open();
    ReadDemoFile();
    TakeShown();
    script.Answer(IDOK);
    script.Answer(IDCANCEL);
    Click(IDC_TX300_EXIT);
    EXPECT_EQ(TakeShown(), (Texts{Message(52), Message(1)}));
    EXPECT_TRUE(IsWindow(Hwnd()));
    EXPECT_NE(screen->ReadData(), nullptr);
}

TEST_F(Tx300Test, ChecksBeforeTheReadStopWithTheirMessageAndFocus) {
    // No requester master: refused, the name lines stay empty.
    WriteFile("mstKORTX301.ini", kortest::ReadBytes(kDemo + "mstKORTX301.ini"));
    Open();
    ReadDemoFile();
    EXPECT_EQ(TakeShown(), Texts{Message(30, "依頼人情報")});
    EXPECT_EQ(Text(IDC_TX300_NAME1), "");
    EXPECT_EQ(screen->ReadData(), nullptr);
    screen.reset();

    // With a requester but no input path: message 42, the input edit in error and focused.
    WithDemoMasters();
    Open();
    SetText(IDC_TX300_INPUT, "　 ");
    Click(IDC_TX300_READ);
    EXPECT_EQ(TakeShown(), Texts{Message(42, "変換前ファイル名")});
    EXPECT_EQ(GetFocus(), Item(IDC_TX300_INPUT));
    EXPECT_FALSE(Enabled(IDC_TX300_OUTPUT_DATA));
}

}  // namespace
