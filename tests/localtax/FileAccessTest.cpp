#include "localtax/FileAccess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"

namespace tx {
namespace {

using kortest::FolderEntries;
using kortest::HoldOpen;
using kortest::ReadBytes;
using kortest::ScratchDirOfTest;
using kortest::WriteBytes;

TEST(TaxFileAccess, ReadCodes) {
    const std::string dir = ScratchDirOfTest();
    ASSERT_TRUE(WriteBytes(dir + "in.txt", "\"ﾃｽﾄ\"\r\n\x1A"));
    ASSERT_TRUE(WriteBytes(dir + "held.txt", "held"));
    const kor::UniqueFile holder = HoldOpen(dir + "held.txt");
    ASSERT_TRUE(holder);
    const struct {
        const char* name;
        int all;
        int head;
        const char* data;  // what both reads give; null: untouched
    } cases[] = {
        {"in.txt", CFileAccess::kOk, CFileAccess::kOk, "\"ﾃｽﾄ\"\r\n\x1A"},
        {"missing.txt", CFileAccess::kCannotOpen, CFileAccess::kCannotOpen, nullptr},
        {"held.txt", CFileAccess::kCannotOpen, CFileAccess::kCannotOpen, nullptr},
    };
    for (const auto& c : cases) {
        const CFileAccess file(dir + c.name);
        std::string all = "untouched";
        std::string head = "untouched";
        EXPECT_EQ(file.ReadAll(all), c.all) << c.name;
        EXPECT_EQ(file.ReadHead(head, 4000), c.head) << c.name;
        EXPECT_EQ(all, c.data ? c.data : "untouched") << c.name;
        EXPECT_EQ(head, c.data ? c.data : "untouched") << c.name;
    }
    std::string head;
    EXPECT_EQ(CFileAccess(dir + "in.txt").ReadHead(head, 3), CFileAccess::kOk);
    EXPECT_EQ(head, "\"ﾃｽ");  // half-width katakana: one byte each
}

TEST(TaxFileAccess, WriteAllAndWriteFileReplaceTheWholeFile) {
    const std::string dir = ScratchDirOfTest();
    ASSERT_TRUE(WriteBytes(dir + "out.txt", std::string(3000, 'x')));
    EXPECT_EQ(CFileAccess(dir + "out.txt").WriteAll("新しい内容\r\n"), CFileAccess::kOk);
    EXPECT_EQ(ReadBytes(dir + "out.txt"), "新しい内容\r\n");
    EXPECT_EQ(CFileAccess().WriteFile("表ソ", dir + "CHIHOU_ZEI_OUT_001.TXT"), CFileAccess::kOk);
    EXPECT_EQ(ReadBytes(dir + "CHIHOU_ZEI_OUT_001.TXT"), "表ソ");
    EXPECT_EQ(FolderEntries(dir), (std::vector<std::string>{"CHIHOU_ZEI_OUT_001.TXT", "out.txt"}));
}

// A write that fails is reported as such and leaves the old file, and nothing else, behind.
TEST(TaxFileAccess, AFailedWriteIsNotCreatedAndLeavesTheOldFile) {
    const std::string dir = ScratchDirOfTest();
    const std::string old = "\"ｱｲｳ\",\"\",\"ﾄｳｷｮｳ\",\"\"\r\r\n";
    ASSERT_TRUE(WriteBytes(dir + "held.ini", old));
    ASSERT_TRUE(WriteBytes(dir + "readonly.ini", old));
    ASSERT_TRUE(
        SetFileAttributesW(kor::ToWide(dir + "readonly.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    kor::UniqueFile holder = HoldOpen(dir + "held.ini");
    ASSERT_TRUE(holder);
    const std::vector<std::string> before = FolderEntries(dir);
    for (const char* name : {"held.ini", "readonly.ini", "missing\\out.ini"}) {
        EXPECT_EQ(CFileAccess(dir + name).WriteAll("new"), CFileAccess::kCannotCreate) << name;
        EXPECT_EQ(CFileAccess().WriteFile("new", dir + name), CFileAccess::kCannotCreate) << name;
    }
    holder.reset();
    EXPECT_EQ(ReadBytes(dir + "held.ini"), old);
    EXPECT_EQ(ReadBytes(dir + "readonly.ini"), old);
    EXPECT_EQ(FolderEntries(dir), before);
    SetFileAttributesW(kor::ToWide(dir + "readonly.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace tx
