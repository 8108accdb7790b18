#pragma once
// What the tests of the header-record screens (the transfer tool's requesters, the direct-debit
// tool's consignors) share: the settings screens' fixture with the screen on the tool's store, a
// user's choice of a description, the master's descriptions as a fresh store reads them, and the
// checks that both screens pass alike: the padding of the number fields, the kana input method,
// a delete and its failed write, and the question before leaving.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "framework/DialogBase.h"
#include "support/ScreenActions.h"
#include "support/SettingsScreenTest.h"

namespace kortest {

// The controls that the shared checks drive.
struct HeaderRecordTestIds {
    int description;
    int name;
    int branchName;
    int deleteRecord;
    int back;
};

// A number field: the text typed, and the text it reads once the user leaves it.
struct PadCase {
    int id;
    const wchar_t* typed;
    const char* after;
};

// Leaving the screen by its back button after some steps, with the boxes answered.
struct LeaveCase {
    const char* name;
    int chosen;            // record shown first, -1 none
    const wchar_t* typed;  // description typed afterwards, null for none
    const char* newName;   // name set afterwards, null for none
    std::vector<int> answers;
    std::vector<int> messages;
    INT_PTR result;
};
void PrintTo(const LeaveCase& c, std::ostream* os);
std::string LeaveCaseName(const testing::TestParamInfo<LeaveCase>& info);

// Chooses item index of the description list as a user does.
void ChooseDescription(kor::CDialogBase& screen, const HeaderRecordTestIds& ids, int index);
// Expects each number field of cases to read its after text once left.
void ExpectPaddedWhenLeft(kor::CDialogBase& screen, std::span<const PadCase> cases);
// Expects each edit of ids to open the input method in half-width katakana when entered and to
// close it when left.
void ExpectKanaInput(kor::CDialogBase& screen, std::span<const int> ids);
// Expects the name and the branch name to open the input method in half-width katakana when
// entered and to close it when left.
void ExpectKanaInputInTheNameFields(kor::CDialogBase& screen, const HeaderRecordTestIds& ids);

// Screen is built from (icon, message table, parent) and takes its store through
// SetStore; Store lists records that have a description.
template <class Store, class Messages, class Screen>
class HeaderRecordScreenTest : public SettingsScreenTest<Store, Messages> {
protected:
    explicit HeaderRecordScreenTest(const HeaderRecordTestIds& testIds) : ids(testIds) {}

    // Writes and loads master, and hands the store to the screen.
    void LoadRecords(const std::string& master) {
        this->LoadMaster(master);
        screen.SetStore(&this->store);
    }
    void Open() { this->OpenScreen(screen); }
    void Set(int id, const char* text) { screen.SetItemText(id, text); }
    std::string Get(int id) const { return screen.GetItemText(id); }
    void Choose(int index) { ChooseDescription(screen, ids, index); }
    // The master as it is on disk, read by a fresh store.
    std::vector<std::string> StoredDescriptions() const {
        Store fresh;
        EXPECT_EQ(fresh.Load(this->path), 1);
        std::vector<std::string> out;
        for (const auto& record : fresh.GetList()) out.push_back(record->description);
        return out;
    }

    // With two records stored, the first shown: a declined delete keeps it; an accepted one
    // deletes it (remaining stays listed) and empties the form; a delete whose write fails is
    // reported with 104 and keeps the record.
    void ExpectDeleteAsksFirstAndReportsAFailedWrite(const std::string& remaining) {
        Open();
        Choose(0);
        {
            MessageScript script({IDCANCEL});
            Click(this->hwnd, ids.deleteRecord);
            EXPECT_EQ(MessageIds(script.Shown()), (std::vector<int>{2}));
            EXPECT_EQ(this->store.GetList().size(), 2u);
        }
        {
            MessageScript script({IDOK});
            Click(this->hwnd, ids.deleteRecord);
            EXPECT_EQ(MessageIds(script.Shown()), (std::vector<int>{2}));
            EXPECT_EQ(StoredDescriptions(), (std::vector<std::string>{remaining}));
            EXPECT_EQ(screen.Combo(ids.description).GetCount(), 1);
            EXPECT_EQ(Get(ids.name), "");
        }
        Choose(0);
        this->BreakTheMasterFolder();
        MessageScript script({IDOK});
        Click(this->hwnd, ids.deleteRecord);
        EXPECT_EQ(MessageIds(script.Shown()), (std::vector<int>{2, 104}));
        EXPECT_EQ(script.Shown()[1].text, this->messages.Text(104, "削除処理"));
        EXPECT_EQ(this->store.GetList().size(), 1u);
    }

    // Runs the screen modal through the steps of c, leaves it by its back button and expects the
    // boxes shown and the run's result.
    void ExpectLeaving(const LeaveCase& c) {
        MessageScript script({c.answers.begin(), c.answers.end()});
        const INT_PTR result = RunModal(screen, [&](HWND dialog) {
            this->hwnd = dialog;
            if (c.chosen >= 0) Choose(c.chosen);
            if (c.typed) Type(screen.Item(ids.description), c.typed);
            if (c.newName) Set(ids.name, c.newName);
            Click(dialog, ids.back);
        });
        EXPECT_EQ(MessageIds(script.Shown()), c.messages);
        EXPECT_EQ(result, c.result);
    }

    HeaderRecordTestIds ids;
    Screen screen{nullptr, &this->messages, nullptr};
};

}  // namespace kortest
