#include "common/base/FileAccess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"

namespace {

using kortest::FolderEntries;
using kortest::HoldOpen;
using kortest::ReadBytes;
using kortest::ScratchDir;
using kortest::WriteBytes;

std::string AllByteValues(size_t size) {
    std::string s(size, '\0');
    for (size_t i = 0; i < size; ++i) s[i] = static_cast<char>(i * 7 + i / 256);
    return s;
}

// --- Reading -------------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    const char* content;  // null: no file
    bool heldOpen;
    int result;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadAllTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadAllTest, ResultAndData) {
    const ReadCase& c = GetParam();
    const std::string path = ScratchDir(std::string("ReadAll_") + c.name) + "in.txt";
    if (c.content) {
        ASSERT_TRUE(WriteBytes(path, c.content));
    }
    kor::UniqueFile holder;
    if (c.heldOpen) {
        holder = HoldOpen(path);
        ASSERT_TRUE(holder);
    }
    std::string data = "untouched";
    EXPECT_EQ(CFileAccess(path).ReadAll(data), c.result);
    EXPECT_EQ(data, c.result == CFileAccess::kOk ? c.content : "untouched");
    std::string head = "untouched";
    EXPECT_EQ(CFileAccess(path).ReadHead(head, 4000), c.result);
    EXPECT_EQ(head, c.result == CFileAccess::kOk ? c.content : "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadAllTest,
    testing::Values(ReadCase{"Empty", "", false, CFileAccess::kOk},
                    ReadCase{"Text", "\"1\",\"ﾃｽﾄ\",\"表示\"\r\n\x1A", false, CFileAccess::kOk},
                    ReadCase{"Missing", nullptr, false, CFileAccess::kCannotOpen},
                    ReadCase{"HeldOpen", "held", true, CFileAccess::kCannotOpen}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadAll, KeepsEveryByteOfALargeFile) {
    const std::string path = ScratchDir("ReadAll_Large") + "big.bin";
    const std::string bytes = AllByteValues(3 * 1024 * 1024 + 17);
    ASSERT_TRUE(WriteBytes(path, bytes));
    std::string data;
    ASSERT_EQ(CFileAccess(path).ReadAll(data), CFileAccess::kOk);
    EXPECT_EQ(data.size(), bytes.size());
    EXPECT_TRUE(data == bytes);
}

TEST(ReadHead, StopsAtNOrAtTheEnd) {
    const std::string path = ScratchDir("ReadHead") + "in.txt";
    ASSERT_TRUE(WriteBytes(path, "0123456789"));
    const struct {
        size_t n;
        const char* expected;
    } cases[] = {{0, ""}, {4, "0123"}, {10, "0123456789"}, {4000, "0123456789"}};
    for (const auto& c : cases) {
        std::string data;
        EXPECT_EQ(CFileAccess(path).ReadHead(data, c.n), CFileAccess::kOk) << c.n;
        EXPECT_EQ(data, c.expected) << c.n;
    }
}

// --- Writing -------------------------------------------------------------------------------

TEST(WriteAll, ReplacesTheContentAndLeavesNothingElse) {
    const std::string dir = ScratchDir("WriteAll_Replace");
    const std::string path = dir + "out.txt";
    ASSERT_TRUE(WriteBytes(path, std::string(5000, 'x')));
    const std::string bytes = AllByteValues(70000);
    EXPECT_EQ(CFileAccess(path).WriteAll(bytes), CFileAccess::kOk);
    EXPECT_TRUE(ReadBytes(path) == bytes);
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"out.txt"});
}

TEST(WriteAll, CreatesANewFileUnderAShiftJisName) {
    const std::string dir = ScratchDir("WriteAll_New");
    const std::string path = dir + "表ソ出力.txt";  // second bytes 0x5C
    EXPECT_EQ(CFileAccess(path).WriteAll("1ﾃｽﾄ\r\n"), CFileAccess::kOk);
    EXPECT_EQ(ReadBytes(path), "1ﾃｽﾄ\r\n");
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"表ソ出力.txt"});
    EXPECT_EQ(CFileAccess(path).WriteAll(""), CFileAccess::kOk);
    EXPECT_EQ(GetFileAttributesW(kor::ToWide(path).c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(ReadBytes(path), "");
}

// How a write is made to fail, with the old file in place beforehand.
enum class Obstacle { kNoFolder, kHeldOpen, kReadOnly, kTargetIsFolder };

struct WriteFailCase {
    const char* name;
    Obstacle obstacle;
};
void PrintTo(const WriteFailCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteAllFailureTest : public testing::TestWithParam<WriteFailCase> {};

TEST_P(WriteAllFailureTest, LeavesTheOldFileAndNoTemporaryFile) {
    const WriteFailCase& c = GetParam();
    const std::string dir = ScratchDir(std::string("WriteAll_") + c.name);
    const std::string old = "\"old\",\"ﾃﾞｰﾀ\"\r\n";
    std::string path = dir + "out.txt";
    ASSERT_TRUE(WriteBytes(path, old));
    kor::UniqueFile holder;
    switch (c.obstacle) {
        case Obstacle::kNoFolder:
            path = dir + "missing\\out.txt";
            break;
        case Obstacle::kHeldOpen:
            holder = HoldOpen(path);
            ASSERT_TRUE(holder);
            break;
        case Obstacle::kReadOnly:
            ASSERT_TRUE(SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY));
            break;
        case Obstacle::kTargetIsFolder:
            path = dir + "sub";
            ASSERT_TRUE(CreateDirectoryW(kor::ToWide(path).c_str(), nullptr));
            break;
    }
    const std::vector<std::string> before = FolderEntries(dir);

    EXPECT_EQ(CFileAccess(path).WriteAll("new content"), CFileAccess::kCannotCreate);

    holder.reset();
    EXPECT_EQ(ReadBytes(dir + "out.txt"), old);
    EXPECT_EQ(FolderEntries(dir), before);
    SetFileAttributesW(kor::ToWide(dir + "out.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteAllFailureTest,
    testing::Values(WriteFailCase{"NoFolder", Obstacle::kNoFolder},
                    WriteFailCase{"HeldOpen", Obstacle::kHeldOpen},
                    WriteFailCase{"ReadOnly", Obstacle::kReadOnly},
                    WriteFailCase{"TargetIsFolder", Obstacle::kTargetIsFolder}),
    [](const testing::TestParamInfo<WriteFailCase>& info) { return std::string(info.param.name); });

// --- Path questions ------------------------------------------------------------------------

struct PathNameCase {
    const char* path;
    BOOL valid;
};
void PrintTo(const PathNameCase& c, std::ostream* os) {
    *os << '"' << c.path << '"';
}

class IsValidPathNameTest : public testing::TestWithParam<PathNameCase> {};

TEST_P(IsValidPathNameTest, Answer) {
    EXPECT_EQ(CFileAccess::IsValidPathName(GetParam().path), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsValidPathNameTest,
    testing::Values(PathNameCase{"", FALSE}, PathNameCase{"C:\\data\\in.csv", TRUE},
                    PathNameCase{"C:\\data\\in?.csv", FALSE},
                    PathNameCase{"C:\\data\\in:1.csv", FALSE},  // a second colon
                    PathNameCase{"C:\\data\\a*.csv", FALSE}, PathNameCase{"C:\\data/in.csv", FALSE},
                    PathNameCase{"C:\\da\"ta\\in.csv", FALSE}, PathNameCase{"C:\\<in>.csv", FALSE},
                    PathNameCase{"C:\\in|out.csv", FALSE}, PathNameCase{"data\\in.csv", TRUE},
                    PathNameCase{"C:", FALSE},
                    PathNameCase{"C:\\表\\ソ.csv", TRUE},  // 0x95 0x5C, 0x83 0x5C
                    PathNameCase{"C:\\ポ\\in.csv", TRUE},  // 0x83 0x7C
                    PathNameCase{"C:\\ポ?\\in.csv", FALSE}));

struct DriveCase {
    const char* path;  // '#' stands for a drive letter this machine does not have
    int code;
};
void PrintTo(const DriveCase& c, std::ostream* os) {
    *os << '"' << c.path << '"';
}

class CheckOutputDriveTest : public testing::TestWithParam<DriveCase> {};

TEST_P(CheckOutputDriveTest, Code) {
    std::string path = GetParam().path;
    if (path[0] == '#') path[0] = kortest::MissingDriveLetter();
    ASSERT_NE(path[0], '\0');
    EXPECT_EQ(CFileAccess::CheckOutputDrive(path, FALSE), GetParam().code);
    EXPECT_EQ(CFileAccess::CheckOutputDrive(path, TRUE), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckOutputDriveTest,
    testing::Values(DriveCase{"C:\\data\\out.txt", 0}, DriveCase{"c:\\out.txt", 0},
                    DriveCase{"Z:\\work\\out.txt", 0}, DriveCase{"#:\\data\\out.txt", -2},
                    DriveCase{"out.txt", -1}, DriveCase{"data\\out.txt", -1},
                    DriveCase{"C:out.txt", -1}, DriveCase{"\\\\server\\share\\out.txt", -1}));

TEST(CheckOutputDrive, RemovableDriveCodes) {
    const struct {
        BOOL ready;
        int status;
        int code;
    } cases[] = {{TRUE, 0, 2},   {TRUE, 999, 2}, {FALSE, 0, 2},    {FALSE, 1, -3},
                 {FALSE, 3, -4}, {FALSE, 2, -5}, {FALSE, 999, -6}, {FALSE, 7, -6}};
    for (const auto& c : cases) {
        EXPECT_EQ(CFileAccess::RemovableDriveCode(c.ready, c.status), c.code)
            << c.ready << "/" << c.status;
    }
}

TEST(GetFreeSpace, CappedAtOneGigabyte) {
    ULARGE_INTEGER free{};
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:\\", nullptr, nullptr, &free));
    ASSERT_GT(free.QuadPart, 0x40000000ull) << "the test needs more than 1 GiB free on C:";
    EXPECT_EQ(CFileAccess::GetFreeSpace("C:\\data\\out.txt"), 0x40000000u);
}

TEST(GetFreeSpace, NoSuchDriveHasNoRoom) {
    const std::string path = std::string(1, kortest::MissingDriveLetter()) + ":\\out.txt";
    EXPECT_EQ(CFileAccess::GetFreeSpace(path), 0u);
}

}  // namespace
