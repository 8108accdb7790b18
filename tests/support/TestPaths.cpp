#include "TestPaths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"

namespace kortest {

std::string FixturePath(const std::string& relative) {
    return std::string(KOR_FIXTURE_DIR) + "\\" + relative;
}

namespace {

void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

}  // namespace

std::string ScratchDir(const std::string& name) {
    const std::string dir = std::string(KOR_SCRATCH_DIR) + "\\" + name;
    const std::wstring wdir = kor::ToWide(dir);
    RemoveTree(wdir);
    CreateDirectoryW(kor::ToWide(KOR_SCRATCH_DIR).c_str(), nullptr);
    CreateDirectoryW(wdir.c_str(), nullptr);
    return dir + "\\";
}

std::string ScratchDirOfTest(const std::string& suffix) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "_" + test->name() : "NoTest";
    if (!suffix.empty()) name += "_" + suffix;
    for (char& ch : name) {
        if (ch == '/') ch = '_';
    }
    return ScratchDir(name);
}

std::string ScratchFileOfTest(const std::string& name, const std::string& bytes) {
    static const testing::TestInfo* owner = nullptr;
    static std::string dir;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (owner != test) {
        dir = ScratchDirOfTest();
        owner = test;
    }
    const std::string path = dir + name;
    EXPECT_TRUE(WriteBytes(path, bytes)) << path;
    return path;
}

std::string ReadBytes(const std::string& path) {
    // The tools open their files alone, and tests run side by side: a shared file (a delivered
    // master, a demo file) may be held by another test's tool for a moment.
    kor::UniqueFile f;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const HANDLE h = CreateFileW(kor::ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
        const DWORD error = GetLastError();
        f.reset(h);
        if (f || error != ERROR_SHARING_VIOLATION) break;
        Sleep(20);
    }
    if (!f) return {};
    std::string out;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(f.get(), buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
    return out;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    kor::UniqueFile f(CreateFileW(kor::ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr));
    if (!f) return false;
    DWORD put = 0;
    return WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) &&
           put == bytes.size();
}

std::vector<std::string> FolderEntries(const std::string& dir) {
    std::vector<std::string> names;
    const std::wstring pattern =
        kor::ToWide(dir) + (!dir.empty() && dir.back() == '\\' ? L"*" : L"\\*");
    WIN32_FIND_DATAW fd;
    kor::UniqueFind find(FindFirstFileW(pattern.c_str(), &fd));
    if (!find) return names;
    do {
        const std::wstring name = fd.cFileName;
        if (name != L"." && name != L"..") names.push_back(kor::ToCp932(name));
    } while (FindNextFileW(find.get(), &fd));
    std::sort(names.begin(), names.end());
    return names;
}

char MissingDriveLetter() {
    const DWORD drives = GetLogicalDrives();
    for (int i = 25; i >= 0; --i) {
        if (!(drives & (1u << i))) return static_cast<char>('A' + i);
    }
    return '\0';
}

std::string DemoFile(const std::string& dir, const std::string& name) {
    const std::string utf8 = ReadBytes(dir + "\\" + name);
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                      static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        wide.data(), n);
    std::string text;
    for (char ch : kor::ToCp932(wide)) {
        if (ch == '\n') text += '\r';
        text += ch;
    }
    return text;
}

kor::UniqueFile HoldOpen(const std::string& path) {
    return kor::UniqueFile(CreateFileW(kor::ToWide(path).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       0, nullptr));
}

}  // namespace kortest
