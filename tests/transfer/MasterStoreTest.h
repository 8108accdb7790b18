#pragma once
// What the tests of the master stores (patterns, requesters) share: a scratch folder of the test
// with the master's path in it, the store loaded from a given text, and the ways to make the
// next write of the master fail.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/TestPaths.h"

namespace xftest {

template <class Store>
class MasterStoreTest : public testing::Test {
protected:
    // Also called again by a test to start afresh in an emptied folder.
    void SetUp() override {
        dir = kortest::ScratchDirOfTest();
        path = dir + Store::kFileName;
    }
    // Writes the master and loads it; the load's result.
    int LoadFrom(const std::string& text) {
        EXPECT_TRUE(kortest::WriteBytes(path, text));
        return store.Load(path);
    }

    std::string dir, path;
    Store store;
};

// A way to make the next write of the master at path fail (the master is made writable again
// with SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL)).
struct WriteBlock {
    const char* name;
    void (*block)(const std::wstring& path);
};

inline const WriteBlock kWriteBlocks[] = {
    {"read-only master",
     [](const std::wstring& p) { SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_READONLY); }},
    {"folder in the master's place",
     [](const std::wstring& p) {
         DeleteFileW(p.c_str());
         CreateDirectoryW(p.c_str(), nullptr);
     }},
};

}  // namespace xftest
