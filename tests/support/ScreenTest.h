#pragma once
// A tool's screen in a program folder of its own, driven through its controls: the folder holds
// a copy of the built message master and the masters a test writes; message boxes are answered
// by a script and compared with the message master's texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/base/ApMsgInfoList.h"
#include "support/MessageScript.h"

namespace kortest {

class ScreenTest : public testing::Test {
protected:
    // The screen's window.
    virtual HWND Hwnd() const = 0;

    // Makes the program folder of the test and copies the built message master into it as
    // name, loaded for Message.
    void MakeProgramFolder(const std::string& builtMaster, const std::string& name);
    // Writes a master of the program folder: each line followed by CR LF.
    void WriteMaster(const std::string& name, const std::vector<std::string>& lines) const;
    // A file in the program folder with these bytes; its full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

    HWND Item(int id) const { return GetDlgItem(Hwnd(), id); }
    void Click(int id) const;
    void Select(int comboId, int index) const;
    void SetText(int id, const std::string& text) const;
    std::string Text(int id) const;
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }

    // The text of message id with its words, as the screen formats it.
    std::string Message(int id, const char* word1 = nullptr, const char* word2 = nullptr);
    // The texts of the boxes shown since the last call.
    std::vector<std::string> TakeShown();

    std::string folder;  // the program folder, with a trailing backslash
    MessageScript script;

private:
    CApMsgInfoList m_messages;
    size_t m_taken = 0;
};

}  // namespace kortest
