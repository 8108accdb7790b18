#include "common/base/SysEnv.h"

#include <gtest/gtest.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/GridClass.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"

namespace {

using kortest::FolderEntries;
using kortest::ReadBytes;
using kortest::ScratchDir;
using kortest::WriteBytes;

bool Exists(const std::string& path) {
    return GetFileAttributesW(kor::ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// --- Machine facts -------------------------------------------------------------------------

TEST(SysEnv, OSCodeOfThisSystemIsTheNtFamily) {
    EXPECT_EQ(CSysEnv::GetOSCode(), 100);
    EXPECT_EQ(CSysEnv::GetOSCode(), 100);
}

TEST(SysEnv, OSCodeTable) {
    const struct {
        DWORD platform, major, minor;
        int code;
    } cases[] = {{0, 3, 10, 31},  {1, 4, 0, 95},  {1, 4, 10, 98},  {1, 4, 90, 99},  {1, 4, 3, 90},
                 {2, 3, 51, 300}, {2, 4, 0, 400}, {2, 5, 0, 2000}, {2, 5, 1, 2001}, {2, 5, 2, 2003},
                 {2, 5, 3, 100},  {2, 6, 1, 100}, {2, 10, 0, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(CSysEnv::OSCodeFor(c.platform, c.major, c.minor), c.code)
            << c.platform << " " << c.major << "." << c.minor;
    }
}

TEST(SysEnv, FoldersModuleAndUser) {
    const CSysEnv& env = CSysEnv::Instance();
    EXPECT_EQ(&env, &CSysEnv::Instance());
    const std::string module = env.ModulePath();
    ASSERT_GT(module.size(), 16u);
    EXPECT_EQ(module.substr(module.size() - 16), "common_tests.exe");
    EXPECT_TRUE(Exists(module));
    EXPECT_TRUE(CSysEnv::FindSystemFile(env.SystemFolder() + "\\kernel32.dll"));
    EXPECT_FALSE(CSysEnv::FindSystemFile(env.SystemFolder() + "\\vsflex8l.ocx"));
    EXPECT_FALSE(CSysEnv::FindSystemFile(env.SystemFolder() + "\\"));
    EXPECT_FALSE(env.ProgramFilesFolder().empty());
    EXPECT_EQ(env.ProgramFilesDrive(), env.ProgramFilesFolder().substr(0, 2));
    EXPECT_FALSE(env.DesktopFolder().empty());
    EXPECT_FALSE(env.UserName().empty());
}

TEST(SysEnv, GridControlIsOurRegisteredWindowClass) {
    const CSysEnv& env = CSysEnv::Instance();
    EXPECT_FALSE(env.IsGridControlInstalled());

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kor::kGridClassName;
    ASSERT_NE(RegisterClassExW(&wc), 0);
    EXPECT_TRUE(env.IsGridControlInstalled());

    ASSERT_TRUE(UnregisterClassW(kor::kGridClassName, GetModuleHandleW(nullptr)));
    EXPECT_FALSE(env.IsGridControlInstalled());
}

TEST(SysEnv, NoPrinterWhenTheSystemHasNone) {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed,
                  &count);
    if (needed > 0) GTEST_SKIP() << "this system has printers";
    EXPECT_FALSE(CSysEnv::Instance().IsPrinterAvailable());
}

TEST(SysEnv, InprocServerOfAProgId) {
    EXPECT_TRUE(CSysEnv::IsInprocServerPresent("Scripting.FileSystemObject"));
    EXPECT_FALSE(CSysEnv::IsInprocServerPresent("Korxf.NoSuchControl"));
}

TEST(SysEnv, NtfsVolumes) {
    EXPECT_TRUE(CSysEnv::IsNtfs("C:\\data\\in.csv"));
    EXPECT_TRUE(CSysEnv::IsNtfs(ScratchDir("Ntfs") + "in.csv"));
    // A volume that cannot be asked counts as NTFS.
    EXPECT_TRUE(CSysEnv::IsNtfs(std::string(1, kortest::MissingDriveLetter()) + ":\\in.csv"));
}

// --- Removable-drive checks ----------------------------------------------------------------

TEST(SysEnv, RemovableStatusCodes) {
    const struct {
        DWORD error;
        bool afterScratchFile;
        int status;
    } cases[] = {{0, false, 0},    {21, false, 1},  {1005, false, 2}, {1785, false, 2},
                 {19, false, 999}, {3, false, 999}, {0, true, 0},     {19, true, 3},
                 {21, true, 999},  {5, true, 999}};
    for (const auto& c : cases) {
        EXPECT_EQ(CSysEnv::RemovableStatus(c.error, c.afterScratchFile), c.status)
            << c.error << (c.afterScratchFile ? " after the scratch file" : "");
    }
}

TEST(SysEnv, RemovableChecksOnAReadyDrive) {
    const std::string scratch = "C:\\CheckFloppyDisk.tmp";
    DeleteFileW(kor::ToWide(scratch).c_str());
    int status = -1;
    EXPECT_TRUE(CSysEnv::CheckRemovable('C', &status));
    EXPECT_EQ(status, 0);
    status = -1;
    EXPECT_TRUE(CSysEnv::CheckRemovableWrite('C', &status));
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(Exists(scratch));
    EXPECT_TRUE(CSysEnv::CheckRemovableWrite('C', nullptr));

    // A file of that name that is already there is someone else's: it stays as it was.
    ASSERT_TRUE(WriteBytes(scratch, "keep me"));
    status = -1;
    EXPECT_TRUE(CSysEnv::CheckRemovableWrite('C', &status));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(scratch), "keep me");
    DeleteFileW(kor::ToWide(scratch).c_str());
}

TEST(SysEnv, RemovableChecksOnAMissingDrive) {
    const char letter = kortest::MissingDriveLetter();
    const UINT previousMode = SetErrorMode(0);
    int status = -1;
    EXPECT_FALSE(CSysEnv::CheckRemovable(letter, &status));
    EXPECT_EQ(status, 999);
    status = -1;
    EXPECT_FALSE(CSysEnv::CheckRemovableWrite(letter, &status));
    EXPECT_EQ(status, 999);
    EXPECT_FALSE(CSysEnv::CheckRemovable(letter, nullptr));
    EXPECT_EQ(SetErrorMode(previousMode), 0u) << "the error mode is put back";
}

// --- Access checks -------------------------------------------------------------------------

struct AccessCase {
    const char* name;
    const char* relative;  // under the test folder, which holds "file.txt", "ro.txt", "sub\"
    int mode;
    BOOL allowed;
};
void PrintTo(const AccessCase& c, std::ostream* os) {
    *os << c.name;
}

// Each case runs with the program's own tests and with the access-check library bound.
class CheckAccessTest : public testing::TestWithParam<std::tuple<AccessCase, bool>> {
protected:
    void SetUp() override {
        const auto& [c, bound] = GetParam();
        m_dir = ScratchDir(std::string("Access_") + c.name + (bound ? "_Bound" : "_Own"));
        ASSERT_TRUE(WriteBytes(m_dir + "file.txt", kContent));
        ASSERT_TRUE(WriteBytes(m_dir + "ro.txt", kContent));
        ASSERT_TRUE(
            SetFileAttributesW(kor::ToWide(m_dir + "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY));
        ASSERT_TRUE(CreateDirectoryW(kor::ToWide(m_dir + "sub").c_str(), nullptr));
    }
    void TearDown() override {
        SetFileAttributesW(kor::ToWide(m_dir + "ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    static constexpr char kContent[] = "\"1\",\"ﾃｽﾄ\"\r\n";
    std::string m_dir;
};

TEST_P(CheckAccessTest, AnswerLeavesTheFolderAsItWas) {
    const auto& [c, bound] = GetParam();
    const CSysEnv env(bound ? KOR_NTSERV_DLL : nullptr);
    ASSERT_EQ(env.HasAccessLibrary(), bound);
    const std::vector<std::string> before = FolderEntries(m_dir);

    EXPECT_EQ(env.CheckAccess(m_dir + c.relative, c.mode), c.allowed);

    EXPECT_EQ(FolderEntries(m_dir), before);
    EXPECT_EQ(FolderEntries(m_dir + "sub"), std::vector<std::string>{});
    EXPECT_EQ(ReadBytes(m_dir + "file.txt"), kContent);
    EXPECT_EQ(ReadBytes(m_dir + "ro.txt"), kContent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckAccessTest,
    testing::Combine(testing::Values(AccessCase{"ReadFile", "file.txt", 1, TRUE},
                                     AccessCase{"WriteFile", "file.txt", 2, TRUE},
                                     AccessCase{"ReadFolder", "", 1, TRUE},
                                     AccessCase{"WriteFolder", "", 2, TRUE},
                                     AccessCase{"WriteFolderWithoutBackslash", "sub", 2, TRUE},
                                     AccessCase{"ReadReadOnly", "ro.txt", 1, TRUE},
                                     AccessCase{"WriteReadOnly", "ro.txt", 2, FALSE},
                                     AccessCase{"ReadMissing", "missing.txt", 1, FALSE},
                                     AccessCase{"WriteMissing", "missing.txt", 2, FALSE},
                                     AccessCase{"WriteMissingFolder", "missing\\", 2, FALSE},
                                     AccessCase{"UnknownMode", "file.txt", 3, FALSE}),
                     testing::Bool()),
    [](const testing::TestParamInfo<std::tuple<AccessCase, bool>>& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) ? "_Bound" : "_Own");
    });

TEST(CheckAccess, FolderWriteTestGoesThroughTheDummyFile) {
    const std::string dir = ScratchDir("Access_DummyBlocked");
    // A folder of that name stops the dummy file from being made: the own test refuses.
    ASSERT_TRUE(CreateDirectoryW(kor::ToWide(dir + "ComSystemDummyFile").c_str(), nullptr));
    const CSysEnv own(nullptr);
    EXPECT_FALSE(own.CanWrite(dir));
    EXPECT_TRUE(own.CanRead(dir));
    // The library asks the folder's security instead.
    const CSysEnv bound(KOR_NTSERV_DLL);
    ASSERT_TRUE(bound.HasAccessLibrary());
    EXPECT_TRUE(bound.CanWrite(dir));
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"ComSystemDummyFile"});
}

TEST(CheckAccess, ADummyFileAlreadyThereIsKept) {
    const std::string dir = ScratchDir("Access_DummyKept");
    ASSERT_TRUE(WriteBytes(dir + "ComSystemDummyFile", "someone's data"));
    const CSysEnv own(nullptr);
    EXPECT_TRUE(own.CanWrite(dir));
    EXPECT_EQ(ReadBytes(dir + "ComSystemDummyFile"), "someone's data");
}

TEST(CheckAccess, AFileHeldOpenByAnotherProgram) {
    const std::string path = ScratchDir("Access_HeldOpen") + "in.csv";
    ASSERT_TRUE(WriteBytes(path, "held"));
    const kor::UniqueFile holder(CreateFileW(kor::ToWide(path).c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    const CSysEnv own(nullptr);
    // Reading is a question of rights; the read itself reports the busy file.
    EXPECT_TRUE(own.CanRead(path));
    EXPECT_FALSE(own.CanWrite(path));
}

// --- Binding the access-check library ------------------------------------------------------

TEST(AccessLibraryBinding, OnlyALibraryWithTheExportIsBound) {
    EXPECT_TRUE(CSysEnv(KOR_NTSERV_DLL).HasAccessLibrary());
    EXPECT_FALSE(CSysEnv(L"Z:\\no\\such\\KorxfNTServ.dll").HasAccessLibrary());
    EXPECT_FALSE(CSysEnv(L"kernel32.dll").HasAccessLibrary());  // loads, lacks IsFileAccess
    // Beside this test program there is none.
    EXPECT_FALSE(CSysEnv::Instance().HasAccessLibrary());
    EXPECT_FALSE(CSysEnv().HasAccessLibrary());
}

TEST(AccessLibraryBinding, NeverFromTheCurrentFolder) {
    std::wstring folder = KOR_NTSERV_DLL;
    folder.resize(folder.find_last_of(L'\\'));
    wchar_t previous[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
    const bool bound = CSysEnv(CSysEnv::kAccessLibrary).HasAccessLibrary();
    SetCurrentDirectoryW(previous);
    EXPECT_FALSE(bound);
}

}  // namespace
