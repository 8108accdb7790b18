// The file names that the main screens take from their edits, and whether two names are one file.
#include "common/base/PathNames.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/Cp932.h"
#include "support/TestPaths.h"

namespace {

// --- File-name text ---------------------------------------------------------------------------

TEST(PathNames, LeadingBlanksOfBothWidthsAreRemoved) {
    struct Case {
        const char* text;
        const char* trimmed;
    };
    const Case cases[] = {
        {"", ""},
        {"   ", ""},
        {"　　", ""},
        {" 　 C:\\a b.csv ", "C:\\a b.csv "},
        {"C:\\　a", "C:\\　a"},
        {"、a", "、a"},  // lead byte 0x81 like the full-width blank, but another character
    };
    for (const Case& c : cases) EXPECT_EQ(kor::TrimLeadingBlanks(c.text), c.trimmed) << c.text;
}

TEST(PathNames, SlashesBecomeBackslashesWithoutTouchingDoubleByteCharacters) {
    EXPECT_EQ(kor::NormalizePathText("  C:/data/in.csv"), "C:\\data\\in.csv");
    // "表" and "ソ" end in the byte of a backslash; they stay as they are.
    EXPECT_EQ(kor::NormalizePathText("C:/表/ソ.csv"), "C:\\表\\ソ.csv");
}

TEST(PathNames, TheLastBackslashIsFoundOnCharacterBoundaries) {
    EXPECT_EQ(kor::LastBackslash("C:\\表"), 2u);
    EXPECT_EQ(kor::LastBackslash("C:\\a\\"), 4u);
    EXPECT_EQ(kor::LastBackslash("表ソ"), std::string::npos);
    EXPECT_EQ(kor::LastBackslash(""), std::string::npos);
}

TEST(PathNames, SplitPathAssignsOnlyThePiecesThePathHas) {
    struct Case {
        const char* path;
        const char* root;
        const char* folder;
        const char* file;
    };
    const Case cases[] = {
        {"C:\\data\\in.csv", "C:\\", "C:\\data\\", "in.csv"},
        {"C:\\in.csv", "C:\\", "C:\\", "in.csv"},
        {"C:\\data\\", "C:\\", "C:\\data\\", "-"},
        {"in.csv", "-", "-", "in.csv"},
        {"\\\\server\\share\\in.csv", "-", "-", "in.csv"},
        {"C:\\表\\ソ.csv", "C:\\", "C:\\表\\", "ソ.csv"},
        {"Z:/work/out.txt", "Z:\\", "Z:/work/", "out.txt"},
    };
    for (const Case& c : cases) {
        std::string root = "-", folder = "-", file = "-";
        kor::SplitPath(c.path, root, folder, file);
        EXPECT_EQ(root, c.root) << c.path;
        EXPECT_EQ(folder, c.folder) << c.path;
        EXPECT_EQ(file, c.file) << c.path;
    }
}

TEST(PathNames, TheDefaultOutputNameReplacesTheExtensionOfTheFileName) {
    struct Case {
        const char* input;
        const char* output;
    };
    const Case cases[] = {
        {"C:\\data\\in.csv", "C:\\data\\in_out.txt"},
        {"C:\\data\\in.v2.csv", "C:\\data\\in.v2_out.txt"},
        {"C:\\my.dir\\input", "C:\\my.dir\\input_out.txt"},
        {"C:\\表.dir\\ソ", "C:\\表.dir\\ソ_out.txt"},
        {"", "_out.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(kor::DefaultOutputName(c.input), c.output) << c.input;
}

TEST(PathNames, AFullPathNameCompletesARelativeName) {
    wchar_t current[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, current), 0u);
    std::string folder = kor::ToCp932(current);
    if (folder.back() != '\\') folder += '\\';
    EXPECT_EQ(kor::FullPathName("in.csv"), folder + "in.csv");
    EXPECT_EQ(kor::FullPathName("C:\\data\\..\\表.csv"), "C:\\表.csv");
    EXPECT_EQ(kor::FullPathName(""), "");
}

// --- One file under two names ------------------------------------------------------------------

class SameFileTest : public testing::Test {
protected:
    void SetUp() override {
        dir = kortest::ScratchDirOfTest();
        input = dir + "Input.csv";
        ASSERT_TRUE(kortest::WriteBytes(input, "data\r\n"));
        CreateDirectoryW(kor::ToWide(dir + "sub").c_str(), nullptr);
    }
    std::string dir, input;
};

TEST_F(SameFileTest, NamesThatTheSystemResolvesToTheInputAreTheSameFile) {
    std::string slashed = input;
    for (char& ch : slashed) {
        if (ch == '\\') ch = '/';
    }
    const std::string same[] = {
        input,   dir + "INPUT.CSV",          dir + "input.csv",
        slashed, dir + "sub\\..\\Input.csv", dir + ".\\Input.csv",
    };
    for (const std::string& name : same) EXPECT_TRUE(kor::IsSameFile(name, input)) << name;
}

TEST_F(SameFileTest, OtherNamesAreOtherFiles) {
    ASSERT_TRUE(kortest::WriteBytes(dir + "Input.txt", "other\r\n"));
    const std::string other[] = {
        dir + "Input.txt", dir + "Input.csv.out", dir + "sub\\Input.csv", dir + "sub", "",
    };
    for (const std::string& name : other) EXPECT_FALSE(kor::IsSameFile(name, input)) << name;
}

TEST_F(SameFileTest, AHardLinkToTheInputIsTheSameFile) {
    const std::string link = dir + "link.txt";
    if (!CreateHardLinkW(kor::ToWide(link).c_str(), kor::ToWide(input).c_str(), nullptr))
        GTEST_SKIP() << "no hard links on this file system";
    EXPECT_TRUE(kor::IsSameFile(link, input));
}

}  // namespace
