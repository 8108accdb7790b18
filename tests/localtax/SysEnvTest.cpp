#include "localtax/SysEnv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SystemStandIns.h"
#include "support/MessageScript.h"
#include "support/ScreenActions.h"
#include "support/TestPaths.h"

namespace tx {
namespace {

using kortest::FolderEntries;
using kortest::ReadBytes;
using kortest::ScratchDirOfTest;
using kortest::WriteBytes;
using txtest::FakeDrives;

struct DriveCase {
    const char* name;
    const char* path;
    UINT type;
    int status;  // of the removable drive's write test
    int code;
};

class CheckOutputDriveCase : public ::testing::TestWithParam<DriveCase> {};

TEST_P(CheckOutputDriveCase, MapsDriveTypeAndMediumStatus) {
    const DriveCase& c = GetParam();
    FakeDrives drives;
    drives.type = c.type;
    drives.statuses = {c.status};
    kor::ScopedDriveStandIn standIn(drives);
    EXPECT_EQ(CSysEnv::CheckOutputDrive(c.path), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CheckOutputDriveCase,
    ::testing::Values(DriveCase{"Relative", "out\\a.txt", DRIVE_FIXED, 0, kNoDriveLetter},
                      DriveCase{"NetworkShare", "\\\\srv\\share\\", DRIVE_REMOTE, 0,
                                kNoDriveLetter},
                      DriveCase{"UnknownType", "Q:\\out\\", DRIVE_UNKNOWN, 0, kNoDriveLetter},
                      DriveCase{"NoSuchDrive", "Q:\\out\\", DRIVE_NO_ROOT_DIR, 0, kNoRootDirectory},
                      DriveCase{"Fixed", "C:\\out\\", DRIVE_FIXED, 0, kNotRemovable},
                      DriveCase{"Network", "N:\\out\\", DRIVE_REMOTE, 0, kNotRemovable},
                      DriveCase{"CdRom", "D:\\", DRIVE_CDROM, 0, kNotRemovable},
                      DriveCase{"RamDisk", "R:\\", DRIVE_RAMDISK, 0, kNotRemovable},
                      DriveCase{"FloppyReady", "A:\\", DRIVE_REMOVABLE, 0, kRemovableReady},
                      DriveCase{"FloppyEmpty", "A:\\", DRIVE_REMOVABLE, 1, kRemovableNotReady},
                      DriveCase{"FloppyUnformatted", "A:\\", DRIVE_REMOVABLE, 2, kUnformatted},
                      DriveCase{"FloppyProtected", "A:\\", DRIVE_REMOVABLE, 3, kWriteProtected},
                      DriveCase{"FloppyOther", "A:\\", DRIVE_REMOVABLE, 999, kRemovableFailure}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TxSysEnvSpace, FreeSpaceIsCappedAndTotalSpaceIsNot) {
    FakeDrives drives;
    drives.room = {4096, 1u << 30, 1u << 30};  // 4 TiB, free and total
    kor::ScopedDriveStandIn standIn(drives);
    EXPECT_EQ(CSysEnv::GetFreeSpace("C:\\out\\"), 1'073'741'824u);
    EXPECT_EQ(CSysEnv::GetTotalSpace("C:\\out\\"), 4'398'046'511'104u);

    drives.SetBytes(1'073'741'823, 1'457'664);
    EXPECT_EQ(CSysEnv::GetFreeSpace("A:\\"), 1'073'741'823u);
    EXPECT_EQ(CSysEnv::GetTotalSpace("A:\\"), 1'457'664u);

    drives.roomKnown = false;
    EXPECT_EQ(CSysEnv::GetFreeSpace("A:\\"), 0u);
    EXPECT_EQ(CSysEnv::GetTotalSpace("A:\\"), 0u);
}

TEST(TxSysEnvChars, FlagCharIsBlankZeroOrOne) {
    for (char c : std::string(" 01")) EXPECT_TRUE(CSysEnv::IsFlagChar(c)) << c;
    for (char c : std::string("2aX\t")) EXPECT_FALSE(CSysEnv::IsFlagChar(c)) << c;
    EXPECT_FALSE(CSysEnv::IsFlagChar('\0'));
}

// The messages of the path check, with the one word message 42 and 61 take.
txtest::TaggedTable& PathMessages() {
    static txtest::TaggedTable table({{4, 0, 0},
                                      {17, 0, 0},
                                      {26, 0, 0},
                                      {32, 0, 0},
                                      {39, 0, 0},
                                      {40, 0, 0},
                                      {42, 0, 1},
                                      {61, 0, 1},
                                      {66, 0, 0}});
    return table;
}

enum class Target {
    kEmpty,
    kScratchFolder,
    kExistingFile,
    kMissingFile,
    kMissingFolder,
    kBadName,
    kNoDriveColon,
    kSlashedFolder,
    kUnwritableFolder
};

struct AccessCase {
    const char* name;
    Target target;
    bool input;
    bool file;
    UINT type;
    int status;
    const char* shown;  // the one message's text, or nullptr when the path is accepted
};

class ShowAccessErrorCase : public ::testing::TestWithParam<AccessCase> {};

TEST_P(ShowAccessErrorCase, ShowsOneMessageOrAccepts) {
    const AccessCase& c = GetParam();
    const std::string dir = ScratchDirOfTest();  // a folder below the drive's root
    ASSERT_TRUE(WriteBytes(dir + "in.txt", "data"));
    std::string path;
    switch (c.target) {
        case Target::kEmpty:
            break;
        case Target::kScratchFolder:
            path = dir;
            break;
        case Target::kExistingFile:
            path = dir + "in.txt";
            break;
        case Target::kMissingFile:
            path = dir + "none.txt";
            break;
        case Target::kMissingFolder:
            path = dir + "none";
            break;
        case Target::kBadName:
            path = dir + "a?b.txt";
            break;
        case Target::kNoDriveColon:
            path = "\\\\srv\\share\\in.txt";
            break;
        case Target::kUnwritableFolder:
            // The write test's scratch file cannot be made where a folder holds its name.
            path = dir + "locked\\";
            ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
            ASSERT_TRUE(CreateDirectoryA((path + "ComSystemDummyFile").c_str(), nullptr));
            break;
        case Target::kSlashedFolder:
            path = dir.substr(0, 3);
            for (char ch : dir.substr(3, dir.size() - 4)) path += ch == '\\' ? '/' : ch;
            break;
    }
    const std::vector<std::string> entries = FolderEntries(dir);
    FakeDrives drives;
    drives.type = c.type;
    drives.statuses = {c.status};
    kor::ScopedDriveStandIn standIn(drives);
    kortest::MessageScript script;
    const BOOL accepted = CSysEnv::ShowAccessError(nullptr, PathMessages(), path, c.input, c.file);
    if (!c.shown) {
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(script.Shown().empty());
    } else {
        EXPECT_FALSE(accepted);
        ASSERT_EQ(script.Shown().size(), 1u);
        EXPECT_EQ(script.Shown()[0].text, c.shown);
    }
    EXPECT_EQ(FolderEntries(dir), entries);
}

constexpr UINT kFixed = DRIVE_FIXED;
constexpr UINT kFloppy = DRIVE_REMOVABLE;

INSTANTIATE_TEST_SUITE_P(
    Messages, ShowAccessErrorCase,
    ::testing::Values(
        AccessCase{"EmptyInputFile", Target::kEmpty, true, true, kFixed, 0,
                   "#42[変換前ファイル名]"},
        AccessCase{"EmptyInputFolder", Target::kEmpty, true, false, kFixed, 0,
                   "#42[変換前フォルダ]"},
        AccessCase{"EmptyOutputFolder", Target::kEmpty, false, false, kFixed, 0,
                   "#42[変換後フォルダ]"},
        AccessCase{"BadCharacter", Target::kBadName, true, true, kFixed, 0, "#32"},
        AccessCase{"NoDriveLetter", Target::kNoDriveColon, true, true, kFixed, 0, "#17"},
        AccessCase{"NoMedium", Target::kScratchFolder, false, false, kFloppy, 1, "#26"},
        AccessCase{"Unformatted", Target::kExistingFile, true, true, kFloppy, 2, "#40"},
        AccessCase{"MediumFailure", Target::kScratchFolder, false, false, kFloppy, 999, "#40"},
        AccessCase{"UnknownDrive", Target::kExistingFile, true, true, DRIVE_UNKNOWN, 0, "#40"},
        AccessCase{"NoSuchDriveFile", Target::kExistingFile, true, true, DRIVE_NO_ROOT_DIR, 0,
                   "#4"},
        AccessCase{"NoSuchDriveFolder", Target::kScratchFolder, false, false, DRIVE_NO_ROOT_DIR, 0,
                   "#17"},
        AccessCase{"ProtectedOutput", Target::kScratchFolder, false, false, kFloppy, 3, "#39"},
        AccessCase{"ProtectedInputIsRead", Target::kExistingFile, true, true, kFloppy, 3, nullptr},
        AccessCase{"FloppyBelowRoot", Target::kScratchFolder, false, false, kFloppy, 0, "#66"},
        AccessCase{"FloppyInputBelowRoot", Target::kExistingFile, true, true, kFloppy, 0, nullptr},
        AccessCase{"MissingFile", Target::kMissingFile, true, true, kFixed, 0, "#4"},
        AccessCase{"MissingFolder", Target::kMissingFolder, false, false, kFixed, 0, "#17"},
        AccessCase{"FileIsFolder", Target::kScratchFolder, true, true, kFixed, 0, "#4"},
        AccessCase{"OutputNotWritable", Target::kUnwritableFolder, false, false, kFixed, 0,
                   "#61[書込]"},
        AccessCase{"InputFile", Target::kExistingFile, true, true, kFixed, 0, nullptr},
        AccessCase{"InputFolder", Target::kScratchFolder, true, false, kFixed, 0, nullptr},
        AccessCase{"OutputFolder", Target::kScratchFolder, false, false, kFixed, 0, nullptr},
        AccessCase{"SlashesAndNoTrailingSeparator", Target::kSlashedFolder, false, false, kFixed, 0,
                   nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TxSysEnvAccess, WriteTestLeavesAnExistingFileUntouched) {
    const std::string dir = ScratchDirOfTest();
    const std::string file = dir + "CHIHOU_ZEI_OUT_001.TXT";
    ASSERT_TRUE(WriteBytes(file, "old content\r\n"));
    EXPECT_TRUE(CSysEnv::CheckAccess(file, kAccessWrite));
    EXPECT_TRUE(CSysEnv::CanWrite(dir));
    EXPECT_EQ(ReadBytes(file), "old content\r\n");
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"CHIHOU_ZEI_OUT_001.TXT"});
}

TEST(TxSysEnvAccess, ModesOnPresentAndMissingPaths) {
    const std::string dir = ScratchDirOfTest();
    const std::string file = dir + "in.txt";
    ASSERT_TRUE(WriteBytes(file, "x"));
    for (int mode : {kAccessExists, kAccessRead, kAccessWrite, kAccessReadWrite}) {
        EXPECT_TRUE(CSysEnv::CheckAccess(file, mode)) << mode;
        EXPECT_FALSE(CSysEnv::CheckAccess(dir + "none.txt", mode)) << mode;
    }
    EXPECT_TRUE(CSysEnv::Exists(dir));
    EXPECT_TRUE(CSysEnv::CanRead(dir));
}

TEST(TxSysEnvProgram, ModuleFolderHoldsTheRunningProgram) {
    const std::string folder = CSysEnv::GetModuleFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(CSysEnv::Exists(folder + "\\localtax_tests.exe"));
}

TEST(TxSysEnvProgram, OwnedMutexReportsASecondCreation) {
    const std::string name = "KorTx300Test_" + std::to_string(GetCurrentProcessId());
    EXPECT_TRUE(CreateOwnedMutex(name));
    EXPECT_FALSE(CreateOwnedMutex(name));
}

}  // namespace
}  // namespace tx
