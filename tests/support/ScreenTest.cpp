#include "ScreenTest.h"

#include "framework/Cp932.h"
#include "support/MessageNumber.h"
#include "support/TestPaths.h"

namespace kortest {

void ScreenTest::MakeProgramFolder(const std::string& builtMaster, const std::string& name) {
    folder = ScratchDirOfTest();
    const std::string master = ReadBytes(builtMaster);
    ASSERT_FALSE(master.empty()) << builtMaster;
    ASSERT_TRUE(WriteBytes(folder + name, master));
    ASSERT_EQ(m_messages.Load(folder + name), 0u);
}

void ScreenTest::WriteMaster(const std::string& name, const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    ASSERT_TRUE(WriteBytes(folder + name, bytes));
}

std::string ScreenTest::WriteFile(const std::string& name, const std::string& bytes) const {
    const std::string path = folder + name;
    EXPECT_TRUE(WriteBytes(path, bytes)) << path;
    return path;
}

void ScreenTest::Click(int id) const {
    SendMessageW(Item(id), BM_CLICK, 0, 0);
}

void ScreenTest::Select(int comboId, int index) const {
    SendMessageW(Item(comboId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(comboId)));
}

void ScreenTest::SetText(int id, const std::string& text) const {
    SetWindowTextW(Item(id), kor::ToWide(text).c_str());
}

std::string ScreenTest::Text(int id) const {
    wchar_t text[1024] = {};
    GetWindowTextW(Item(id), text, 1024);
    return kor::ToCp932(text);
}

std::string ScreenTest::Message(int id, const char* word1, const char* word2) {
    return m_messages.FormatMessage(kortest::MessageNo(id), word1, word2);
}

std::vector<std::string> ScreenTest::TakeShown() {
    std::vector<std::string> texts;
    const std::vector<kor::MessageBoxRequest>& shown = script.Shown();
    for (; m_taken < shown.size(); ++m_taken) texts.push_back(shown[m_taken].text);
    return texts;
}

}  // namespace kortest
