// The program folder as the application object finds it from a module's path.
#include "transfer/Korxf300App.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/base/PathNames.h"
#include "framework/Cp932.h"

namespace {

TEST(Korxf300App, TheProgramFolderIsTheModulesDriveAndFolder) {
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    std::string expected = kor::ToCp932(path);
    expected.erase(expected.rfind('\\') + 1);
    const std::string folder = CKorxf300App::GetModuleFolder(GetModuleHandleW(nullptr));
    EXPECT_EQ(folder, expected);
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.substr(1, 2), ":\\");
}

TEST(Korxf300App, TheProgramFolderOfAPathOnADriveOrAShare) {
    struct Case {
        const char* module;
        const char* folder;
    } const cases[] = {
        {"C:\\Program Files\\Ventrana\\Korxf300.exe", "C:\\Program Files\\Ventrana\\"},
        {"D:\\Korxf300.exe", "D:\\"},
        {"\\\\server\\share\\表計算\\Korxf300.exe", "\\\\server\\share\\表計算\\"},
        {"Korxf300.exe", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(kor::ProgramFolderOf(c.module), c.folder) << c.module;
}

TEST(Korxf300App, TheFolderBufferIsZeroedAndCut) {
    const std::string folder = CKorxf300App::GetModuleFolder(nullptr);
    char buffer[260];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(CKorxf300App::GetModuleFolderBuf(nullptr, buffer, sizeof buffer), 1);
    EXPECT_EQ(std::string(buffer), folder);
    EXPECT_EQ(buffer[259], '\0');

    char small[6];
    std::memset(small, 'x', sizeof small);
    CKorxf300App::GetModuleFolderBuf(nullptr, small, sizeof small);
    EXPECT_EQ(std::string(small), folder.substr(0, 5));
}

}  // namespace
