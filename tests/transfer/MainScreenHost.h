#pragma once
// A main screen in a program folder of its own, driven through its controls: the program folder
// holds the built message master and small pattern and requester masters; message boxes are
// answered by a script and compared with the message master's texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "resources/transfer/Korxf300DlgRes.h"
#include "support/ScreenTest.h"
#include "transfer/Korxf300Dlg.h"

namespace kortest {

// The patterns of the fixture's pattern master, by position.
enum FixturePattern {
    kGeneralComma = 0,    // general, comma, items in columns 0-9, 120-byte records with CR LF
    kSalaryComma,         // salary/bonus, comma, the same columns, 126-byte records without
    kGeneralFixed,        // general, fixed length of 35 bytes
    kGeneralZeroSkips,    // general, comma, a line with an amount of 0 is left out
    kFixedWithoutLength,  // general, fixed length with no record length
};

// The requesters of the fixture's requester master, by position.
enum FixtureRequester {
    kGeneralRequester = 0,   // transfer kind 1, account type 1
    kSalaryRequester,        // transfer kind 2, account type 1
    kOtherAccountRequester,  // no fixed kind, account type 9
};

extern const std::vector<std::string> kFixturePatternLines;
extern const std::vector<std::string> kFixtureRequesterLines;

class MainScreenTest : public ScreenTest {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND Hwnd() const override { return screen->GetSafeHwnd(); }

    // Creates the screen modeless and shows it without taking the foreground.
    void Open();
    // Runs the screen modally; step runs once inside its loop when the window is shown. The
    // screen's result (xftest::kStillOpen when step left it open).
    INT_PTR RunModal(std::function<void(HWND)> step);

    void SelectDate(int month, int day) const;

    // Writes the input file into the program folder, chooses pattern, requester and input and
    // presses the read button; the input's full path.
    std::string ReadFile(int pattern, int requester, const std::string& name,
                         const std::string& bytes);

    std::unique_ptr<CKorxf300Dlg> screen;
};

// The customer file of the fixture: two valid general transfers for the comma patterns.
extern const char kTwoTransfers[];

}  // namespace kortest
