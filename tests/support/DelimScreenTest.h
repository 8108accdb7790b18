#pragma once
// What the tests of the separated pattern settings screens do alike, through the screen's ids:
// the screen opened on the master, a sample file written and read, the lines of a list and a
// field of the sample assigned to an output item. Screen is the tool's screen, made with no icon
// and no parent.
#include <string>
#include <vector>

#include "common/screens/DelimPatternScreen.h"
#include "support/MessageScript.h"
#include "support/ScreenActions.h"
#include "support/SettingsScreenTest.h"
#include "support/TestPaths.h"

namespace kortest {

template <class Store, class Messages, class Screen>
class DelimScreenTest : public SettingsScreenTest<Store, Messages> {
protected:
    explicit DelimScreenTest(const DelimPatternControls& ids) : m_ids(ids) {}

    void Open() { this->OpenScreen(screen); }
    // Writes bytes as the sample file; its path.
    std::string Sample(const std::string& bytes) {
        const std::string sample = this->dir + "sample.csv";
        EXPECT_TRUE(WriteBytes(sample, bytes));
        return sample;
    }
    void ReadSample(const std::string& sample) {
        screen.SetItemText(m_ids.samplePath, sample);
        Click(this->hwnd, m_ids.read);
    }
    // The master's lines as they stand on disk.
    std::vector<std::string> StoredLines() const {
        const std::string bytes = ReadBytes(this->path);
        std::vector<std::string> lines;
        for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            lines.push_back(bytes.substr(start, end - start));
        return lines;
    }
    std::vector<std::string> ListLines(int id) const {
        std::vector<std::string> out;
        const kor::CListBoxView list = screen.ListBox(id);
        for (int i = 0; i < list.GetCount(); ++i) out.push_back(list.GetItemText(i));
        return out;
    }
    // Assigns line source of the source list to line item of the item list.
    void Define(int source, int item) {
        screen.ListBox(m_ids.sourceList).SetCurSel(source);
        screen.ListBox(m_ids.itemList).SetCurSel(item);
        Click(this->hwnd, m_ids.define);
    }
    // Chooses item index of the name list as the user does.
    void Choose(int index) {
        screen.Combo(m_ids.name).SetCurSel(index);
        Notify(this->hwnd, m_ids.name, CBN_SELCHANGE);
    }
    // Run modally: leaving after choosing item index of the name list, a pattern not separated
    // by commas, and checking the comma asks message discard, and its Cancel keeps the screen
    // open; leaving with the chosen pattern unchanged asks nothing.
    void ExpectLeavingAChangedPatternAsks(int index, int discard) {
        MessageScript script({IDCANCEL});
        const INT_PTR result = RunModal(screen, [&](HWND dialog) {
            this->hwnd = dialog;
            Choose(index);
            screen.CheckRadio(m_ids.separator[0], m_ids.separator[2], m_ids.separator[0]);
            Click(dialog, m_ids.back);
        });
        EXPECT_EQ(MessageIds(script.Shown()), std::vector<int>{discard});
        EXPECT_EQ(result, kStillOpen);
        ExpectLeavingUnchangedAsksNothing(index);
    }
    // Run modally: leaving after choosing item index of the name list asks nothing.
    void ExpectLeavingUnchangedAsksNothing(int index) {
        MessageScript none;
        const INT_PTR unchanged = RunModal(screen, [&](HWND dialog) {
            this->hwnd = dialog;
            Choose(index);
            Click(dialog, m_ids.back);
        });
        EXPECT_EQ(unchanged, IDOK);
        EXPECT_TRUE(none.Shown().empty());
    }

    Screen screen{nullptr, nullptr};

private:
    DelimPatternControls m_ids;
};

}  // namespace kortest
