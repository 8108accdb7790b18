#pragma once
// The direct-debit main screen in a program folder of its own, driven through its controls: the
// program folder holds the built message master and small pattern and consignor masters;
// message boxes are answered by a script and compared with the message master's texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/ApMsgInfoList.h"
#include "debit/Kordb300Dlg.h"
#include "resources/debit/Kordb300DlgRes.h"
#include "support/MessageScript.h"

namespace dbtest {

// The patterns of the fixture's pattern master, by position.
enum FixturePattern {
    kComma = 0,    // comma, items in columns 0-9, 120-byte records with CR LF
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

class MainScreenTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a master of the program folder: each line followed by CR LF.
    void WriteMaster(const std::string& name, const std::vector<std::string>& lines) const;
    // A file in the program folder with these bytes; its full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

    // Creates the screen modeless and shows it without taking the foreground.
    void Open();

    HWND Hwnd() const { return screen->GetSafeHwnd(); }
    HWND Item(int id) const { return GetDlgItem(Hwnd(), id); }
    void Click(int id) const;
    void Select(int comboId, int index) const;
    void SetText(int id, const std::string& text) const;
    std::string Text(int id) const;
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::vector<std::string> ComboTexts(int id) const;

    // The text of message id with its words, as the screen formats it.
    std::string Message(int id, const char* word1 = nullptr, const char* word2 = nullptr);
    // The texts of the boxes shown since the last call.
    std::vector<std::string> TakeShown();

    // Writes the input file into the program folder, chooses pattern, consignor and input and
    // presses the read button; the input's full path.
    std::string ReadFile(int pattern, int consignor, const std::string& name,
                         const std::string& bytes);

    std::string folder;  // the program folder, with a trailing backslash
    kortest::MessageScript script;
    std::unique_ptr<CTestedScreen> screen;

private:
    CApMsgInfoList m_messages;
    size_t m_taken = 0;
};

}  // namespace dbtest
