#pragma once
// What the tests of the settings screens (patterns, requesters) set up alike: the master in a
// folder of its own under the test's scratch folder, loaded into the store; the tagged message
// table; a script that answers any box a test does not script; the screen shown modeless.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/App.h"
#include "framework/Cp932.h"
#include "framework/DialogBase.h"
#include "support/MessageScript.h"
#include "support/ScreenActions.h"
#include "support/TestPaths.h"

namespace kortest {

// Messages is the tool's TaggedMessages.
template <class Store, class Messages>
class SettingsScreenTest : public testing::Test {
protected:
    // Writes master as the store's file in dir + "master\" and loads it.
    void LoadMaster(const std::string& master) {
        kor::InitCommonControlClasses();
        dir = ScratchDirOfTest();
        folder = dir + "master\\";
        CreateDirectoryW(kor::ToWide(folder).c_str(), nullptr);
        path = folder + Store::kFileName;
        ASSERT_TRUE(WriteBytes(path, master));
        ASSERT_EQ(store.Load(path), 1);
    }
    // Creates screen and shows it without activation.
    void OpenScreen(kor::CDialogBase& screen) {
        ASSERT_TRUE(screen.Create());
        hwnd = screen.GetSafeHwnd();
        ShowScreen(hwnd);
    }
    // Takes the master's folder away, so that the next write of the master fails.
    void BreakTheMasterFolder() {
        DeleteFileW(kor::ToWide(path).c_str());
        ASSERT_TRUE(RemoveDirectoryW(kor::ToWide(folder).c_str()));
    }

    std::string dir, folder, path;
    MessageScript unexpected;  // answers any box that a test does not script
    Messages messages;
    Store store;
    HWND hwnd = nullptr;
};

}  // namespace kortest
