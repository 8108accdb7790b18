#pragma once
// The direct-debit main screen in a program folder of its own, driven through its controls: the
// program folder holds the built message master and small pattern and consignor masters;
// message boxes are answered by a script and compared with the message master's texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "debit/Kordb300Dlg.h"
#include "resources/debit/Kordb300DlgRes.h"
#include "support/ScreenTest.h"

namespace dbtest {

// The patterns of the fixture's pattern master, by position.
enum FixturePattern {
    kComma = 0,     // comma, items in columns 0-9, 120-byte records with CR LF
    kCommaNoBreak,  // the same columns, 128-byte records without CR LF
};

// The consignors of the fixture's consignor master, by position.
enum FixtureConsignor {
    kOrdinaryConsignor = 0,  // account type 1
    kReserveConsignor,       // account type 3, which the consignor screen does not store
    kDamagedConsignor,       // a branch name in double-byte characters
};

extern const std::vector<std::string> kFixturePatternLines;
extern const std::vector<std::string> kFixtureConsignorLines;

// The customer file of the fixture: two valid debits for the comma patterns.
extern const char kTwoDebits[];

// The screen with its settings test open to the tests.
class CTestedScreen : public CKordb300Dlg {
public:
    using CKordb300Dlg::CKordb300Dlg;
    using CKordb300Dlg::HaveSettingsChanged;
};

class MainScreenTest : public kortest::ScreenTest {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND Hwnd() const override { return screen->GetSafeHwnd(); }

    // Creates the screen modeless and shows it without taking the foreground.
    void Open();
    std::vector<std::string> ComboTexts(int id) const;

    // Writes the input file into the program folder, chooses pattern, consignor and input and
    // presses the read button; the input's full path.
    std::string ReadFile(int pattern, int consignor, const std::string& name,
                         const std::string& bytes);

    std::unique_ptr<CTestedScreen> screen;
};

}  // namespace dbtest
