// The access-check library on its own, called as the programs call it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"

namespace {

using IsFileAccessFn = int(WINAPI*)(const char* path, int mode);

// Gives the file a DACL of one entry: the current user may do what rights allow, nothing more.
// null rights: a null DACL (everyone may do everything).
bool SetOwnRights(const std::string& path, const DWORD* rights) {
    SECURITY_DESCRIPTOR sd;
    if (!InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION)) return false;
    std::vector<BYTE> user;
    std::vector<BYTE> acl;
    if (rights) {
        kor::UniqueKernelHandle token;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
        DWORD size = 0;
        GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
        user.resize(size);
        if (!GetTokenInformation(token.get(), TokenUser, user.data(), size, &size)) return false;
        const PSID sid = reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
        acl.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid));
        auto* dacl = reinterpret_cast<ACL*>(acl.data());
        if (!InitializeAcl(dacl, static_cast<DWORD>(acl.size()), ACL_REVISION) ||
            !AddAccessAllowedAce(dacl, ACL_REVISION, *rights, sid) ||
            !SetSecurityDescriptorDacl(&sd, TRUE, dacl, FALSE))
            return false;
    } else if (!SetSecurityDescriptorDacl(&sd, TRUE, nullptr, FALSE)) {
        return false;
    }
    return SetFileSecurityW(kor::ToWide(path).c_str(), DACL_SECURITY_INFORMATION, &sd) != 0;
}

class AccessLibraryTest : public testing::Test {
protected:
    void SetUp() override {
        m_library.reset(LoadLibraryW(KOR_NTSERV_DLL));
        ASSERT_TRUE(m_library);
        // The plain, undecorated name on both architectures.
        const FARPROC proc = GetProcAddress(m_library.get(), "IsFileAccess");
        ASSERT_NE(proc, nullptr);
        m_isFileAccess = reinterpret_cast<IsFileAccessFn>(reinterpret_cast<void (*)()>(proc));
        m_dir = kortest::ScratchDir(std::string("AccessLibrary_") +
                                    testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(kortest::WriteBytes(m_dir + "file.txt", "data"));
        ASSERT_TRUE(kortest::WriteBytes(m_dir + "表ソ.txt", "data"));
        ASSERT_TRUE(CreateDirectoryW(kor::ToWide(m_dir + "sub").c_str(), nullptr));
    }

    kor::UniqueModule m_library;
    IsFileAccessFn m_isFileAccess = nullptr;
    std::string m_dir;
};

TEST_F(AccessLibraryTest, OwnFilesAndFoldersAreReadableAndWritable) {
    for (const char* relative : {"file.txt", "表ソ.txt", "sub", "sub\\", ""}) {
        const std::string path = m_dir + relative;
        EXPECT_NE(m_isFileAccess(path.c_str(), 1), 0) << path;
        EXPECT_NE(m_isFileAccess(path.c_str(), 2), 0) << path;
    }
    EXPECT_EQ(kortest::FolderEntries(m_dir),
              (std::vector<std::string>{"file.txt", "sub", "表ソ.txt"}));
    EXPECT_EQ(kortest::ReadBytes(m_dir + "file.txt"), "data");
}

TEST_F(AccessLibraryTest, FollowsTheFilesSecurity) {
    const std::string path = m_dir + "readonly-acl.txt";
    ASSERT_TRUE(kortest::WriteBytes(path, "data"));
    const DWORD readOnly = FILE_GENERIC_READ;
    ASSERT_TRUE(SetOwnRights(path, &readOnly));
    EXPECT_NE(m_isFileAccess(path.c_str(), 1), 0);
    EXPECT_EQ(m_isFileAccess(path.c_str(), 2), 0);
    const DWORD writeOnly = FILE_GENERIC_WRITE;
    ASSERT_TRUE(SetOwnRights(path, &writeOnly));
    EXPECT_EQ(m_isFileAccess(path.c_str(), 1), 0);
    EXPECT_NE(m_isFileAccess(path.c_str(), 2), 0);
    ASSERT_TRUE(SetOwnRights(path, nullptr));
    EXPECT_NE(m_isFileAccess(path.c_str(), 1), 0);
    EXPECT_NE(m_isFileAccess(path.c_str(), 2), 0);
}

TEST_F(AccessLibraryTest, RefusesWhatCannotBeAsked) {
    const std::string missing = m_dir + "missing.txt";
    EXPECT_EQ(m_isFileAccess(missing.c_str(), 1), 0);
    EXPECT_EQ(m_isFileAccess(missing.c_str(), 2), 0);
    const std::string file = m_dir + "file.txt";
    EXPECT_EQ(m_isFileAccess(file.c_str(), 0), 0);
    EXPECT_EQ(m_isFileAccess(file.c_str(), 3), 0);
    EXPECT_EQ(m_isFileAccess("", 1), 0);
    EXPECT_EQ(m_isFileAccess(nullptr, 1), 0);
}

}  // namespace
