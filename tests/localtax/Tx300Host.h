#pragma once
// The local-tax main screen in a program folder of its own, driven through its controls: the
// folder holds the built message master and the masters a test writes (the demo pattern and
// requester, or others); message boxes are answered by a script and compared with the message
// master's texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "localtax/KorTx300Dlg.h"
#include "resources/localtax/KorTx300DlgRes.h"
#include "support/GridScreenTest.h"
#include "support/ScreenTest.h"
#include "support/TestPaths.h"

namespace txtest {

using Texts = std::vector<std::string>;

inline const std::string kDemo = std::string(KOR_TX_DEMO_DIR) + "\\";

// The numbered file the demo customer file gives with the demo masters, record by record:
// 120 bytes each, blank-filled, CR LF after each and no end byte.
inline std::string DemoOutputFile() {
    const auto padded = [](std::string text, size_t width) {
        text.resize(width, ' ');
        return text;
    };
    const auto record = [&](const std::string& text) { return padded(text, 120) + "\r\n"; };
    const std::string header =
        "1990"
        "0000000000"
        "000"
        "000000"
        "0000" +
        padded("ｶ)ﾃｽﾄｼｮｳｼﾞ", 20) + padded("ｹｲﾘﾌﾞ", 20) + padded("ﾄｳｷｮｳﾄﾁﾖﾀﾞｸ", 25) +
        padded("ﾏﾙﾉｳﾁ1-1", 25);
    // Code, name, number, change mark; then the counts and amounts zero-filled: salary,
    // retirement and payment (count, amount), retirees, allowance, the two retirement taxes.
    const std::string details[] = {
        "2131016" + padded("ﾁﾖﾀﾞｸ", 15) + padded("A-12", 15) + "0" +
            "00003"
            "000045000"
            "00001"
            "000020000"
            "00004"
            "000065000"
            "001"
            "0005000000"
            "000012000"
            "000008000",
        "2131024" + padded("ﾁﾕｳｵｳｸ", 15) + padded("B-7", 15) + "0" +
            "00002"
            "000030000"
            "00000"
            "000000000"
            "00002"
            "000030000"
            "000"
            "0000000000"
            "000000000"
            "000000000",
        "2131032" + padded("ﾐﾅﾄｸ", 15) + padded("C-3", 15) + "1" +
            "00005"
            "001250000"
            "00000"
            "000000000"
            "00005"
            "001250000"
            "000"
            "0000000000"
            "000000000"
            "000000000",
    };
    // The file's totals: count and amount of the salary, retirement and payment sets.
    const std::string trailer =
        "8"
        "0000010"
        "00001325000"
        "0000001"
        "00000020000"
        "0000011"
        "00001345000";
    std::string file = record(header);
    for (const std::string& detail : details) file += record(detail);
    return file + record(trailer) + record("9");
}

class Tx300Test : public kortest::ScreenTest {
protected:
    void SetUp() override {
        // The grid of the correction and check screens, as the program registers it.
        kortest::RegisterGridScreenClasses();
        MakeProgramFolder(std::string(KOR_TX_PROGRAM_DIR) + "\\mstKORTX001.ini", "mstKORTX001.ini");
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
    // Reads bytes (the demo customer file when empty) as the input file name.
    void ReadFile(const std::string& bytes = {}, const std::string& name = "chihouzei.csv") {
        SetText(
            IDC_TX300_INPUT,
            WriteFile(name, bytes.empty() ? kortest::ReadBytes(kDemo + "chihouzei.csv") : bytes));
        Click(IDC_TX300_READ);
    }
    void ReadDemoFile() { ReadFile(); }

    std::unique_ptr<CKorTx300Dlg> screen;
};

}  // namespace txtest
