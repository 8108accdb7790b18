#pragma once
// What the tests of the fixed-length pattern settings screens do alike, through the screen's
// ids: the screen opened on the master, fields set and read, a stored pattern chosen, the
// pattern stored under a name as a fresh store reads it, and the way out through 戻る with its
// question. Screen is the tool's screen, made with no icon and no parent.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "common/screens/FixedPatternScreen.h"
#include "support/MessageScript.h"
#include "support/ScreenActions.h"
#include "support/SettingsScreenTest.h"

namespace kortest {

// Leaving the screen: a stored pattern shown first or not, a record length set afterwards or
// not, the answers to the boxes, the messages shown and DoModal's result.
struct FixedLeaveCase {
    const char* name;
    int chosen;                // pattern shown first, -1 none
    const char* recordLength;  // record length set afterwards, null for none
    std::vector<int> answers;
    std::vector<int> messages;
    INT_PTR result;
};
inline void PrintTo(const FixedLeaveCase& c, std::ostream* os) {
    *os << c.name;
}
inline std::string FixedLeaveCaseName(const testing::TestParamInfo<FixedLeaveCase>& info) {
    return info.param.name;
}

template <class Store, class Messages, class Screen>
class FixedScreenTest : public SettingsScreenTest<Store, Messages> {
protected:
    explicit FixedScreenTest(const FixedPatternControls& ids) : m_ids(ids) {}

    void Open() { this->OpenScreen(screen); }
    void Set(int id, const char* text) { screen.SetItemText(id, text); }
    std::string Get(int id) const { return screen.GetItemText(id); }
    void Choose(int index) {
        screen.Combo(m_ids.name).SetCurSel(index);
        Notify(this->hwnd, m_ids.name, CBN_SELCHANGE);
    }
    // The stored pattern named name, read by a fresh store; null when none.
    auto Stored(const std::string& name) {
        EXPECT_EQ(fresh.Load(this->path), 1);
        const int index = fresh.IndexOf(name);
        return index < 0 ? nullptr : fresh.GetFixedPattern(index);
    }
    // Runs the screen modally through c and checks its question and result.
    void Leave(const FixedLeaveCase& c) {
        MessageScript script({c.answers.begin(), c.answers.end()});
        const INT_PTR result = RunModal(screen, [&](HWND dialog) {
            this->hwnd = dialog;
            if (c.chosen >= 0) Choose(c.chosen);
            if (c.recordLength) Set(m_ids.recordLength, c.recordLength);
            Click(dialog, m_ids.back);
        });
        EXPECT_EQ(MessageIds(script.Shown()), c.messages);
        EXPECT_EQ(result, c.result);
    }

    Screen screen{nullptr, &this->store, &this->messages, nullptr};
    Store fresh;

private:
    FixedPatternControls m_ids;
};

}  // namespace kortest
