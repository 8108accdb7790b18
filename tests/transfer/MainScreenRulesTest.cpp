// The main screen's rules that need no window: file-name text, whether two names are one file,
// the expected output size and the requester tip.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "framework/Cp932.h"
#include "support/TestPaths.h"
#include "transfer/OutputSize.h"
#include "transfer/PathNames.h"
#include "transfer/RequesterTip.h"

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
    for (const Case& c : cases) EXPECT_EQ(xf::TrimLeadingBlanks(c.text), c.trimmed) << c.text;
}

TEST(PathNames, SlashesBecomeBackslashesWithoutTouchingDoubleByteCharacters) {
    EXPECT_EQ(xf::NormalizePathText("  C:/data/in.csv"), "C:\\data\\in.csv");
    // "表" and "ソ" end in the byte of a backslash; they stay as they are.
    EXPECT_EQ(xf::NormalizePathText("C:/表/ソ.csv"), "C:\\表\\ソ.csv");
}

TEST(PathNames, TheLastBackslashIsFoundOnCharacterBoundaries) {
    EXPECT_EQ(xf::LastBackslash("C:\\表"), 2u);
    EXPECT_EQ(xf::LastBackslash("C:\\a\\"), 4u);
    EXPECT_EQ(xf::LastBackslash("表ソ"), std::string::npos);
    EXPECT_EQ(xf::LastBackslash(""), std::string::npos);
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
        xf::SplitPath(c.path, root, folder, file);
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
    for (const Case& c : cases) EXPECT_EQ(xf::DefaultOutputName(c.input), c.output) << c.input;
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
    for (const std::string& name : same) EXPECT_TRUE(xf::IsSameFile(name, input)) << name;
}

TEST_F(SameFileTest, OtherNamesAreOtherFiles) {
    ASSERT_TRUE(kortest::WriteBytes(dir + "Input.txt", "other\r\n"));
    const std::string other[] = {
        dir + "Input.txt", dir + "Input.csv.out", dir + "sub\\Input.csv", dir + "sub", "",
    };
    for (const std::string& name : other) EXPECT_FALSE(xf::IsSameFile(name, input)) << name;
}

TEST_F(SameFileTest, AHardLinkToTheInputIsTheSameFile) {
    const std::string link = dir + "link.txt";
    if (!CreateHardLinkW(kor::ToWide(link).c_str(), kor::ToWide(input).c_str(), nullptr))
        GTEST_SKIP() << "no hard links on this file system";
    EXPECT_TRUE(xf::IsSameFile(link, input));
}

// --- Output size -------------------------------------------------------------------------------

TEST(OutputSize, SlotTimesRecordsAndThreeFrameRecords) {
    struct Case {
        int lengthCode, lineBreak, records;
        std::uint64_t size;
    };
    const Case cases[] = {
        {1, 1, 1, 122 * 4},
        {1, 0, 1, 120 * 4},
        {2, 1, 10, 128 * 13},
        {2, 0, 10, 126 * 13},
        {3, 1, 2, 130 * 5},
        {3, 0, 0, 128 * 3},
        {3, 1, 50000, 130 * 50003ull},
        {0, 1, 1, 130 * 4},  // a code no screen stores: the longest record
        {7, 0, 1, 128 * 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(xf::EstimateOutputSize(c.lengthCode, c.lineBreak, c.records), c.size)
            << c.lengthCode << " " << c.lineBreak << " " << c.records;
    }
}

TEST(OutputSize, TheFileNeedsAFifthMoreRoomThanItsSize) {
    EXPECT_TRUE(xf::FitsInFreeSpace(1000, 1200));
    EXPECT_FALSE(xf::FitsInFreeSpace(1000, 1199));
    EXPECT_TRUE(xf::FitsInFreeSpace(130ull * 50003, 0x40000000));
    EXPECT_FALSE(xf::FitsInFreeSpace(1, 0));
}

// --- Requester tip -----------------------------------------------------------------------------

TEST(RequesterTip, ListsTheBankSideDataOfTheRequester) {
    xf::CRequesterInfo r;
    std::strcpy(r.name, "ﾃｽﾄｼｮｳｼﾞ(ｶ");
    std::strcpy(r.requesterCode, "0000012345");
    std::strcpy(r.branchCode, "001");
    std::strcpy(r.branchName, "ﾎﾝﾃﾝ");
    std::strcpy(r.accountType, "2");
    std::strcpy(r.accountNumber, "1234567");
    std::strcpy(r.transferKind, "1");
    EXPECT_EQ(xf::RequesterTipText(r),
              "振込依頼人名(ｶﾅ)　ﾃｽﾄｼｮｳｼﾞ(ｶ\n"
              "依頼人コード　　　0000012345\n"
              "金融機関コード　　0998\n"
              "金融機関名(ｶﾅ)　　ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ\n"
              "支店コード　　　　001\n"
              "支店名(ｶﾅ)　　　　ﾎﾝﾃﾝ\n"
              "科目　　　　　　　当座預金\n"
              "口座番号　　　　　1234567\n"
              "区分　　　　　　　総合振込");
}

TEST(RequesterTip, AccountTypeAndKindTexts) {
    struct Case {
        const char* code;
        const char* accountType;
        const char* kind;
    };
    const Case cases[] = {
        {"1", "普通預金", "総合振込"},
        {"2", "当座預金", "給与賞与振込"},
        {"4", "貯蓄預金", "なし"},
        {"9", "その他", "なし"},
        {"3", "", "なし"},
        {"", "", "なし"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(xf::AccountTypeText(c.code), c.accountType) << c.code;
        EXPECT_EQ(xf::RequesterKindText(c.code), c.kind) << c.code;
    }
}

}  // namespace
