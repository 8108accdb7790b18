#pragma once
// What the local-tax tests of the system utilities and the output share: drives played by a
// stand-in, and a message table whose texts show their id and words ("#27[2]").
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "common/base/ApMsgInfoList.h"
#include "common/base/DriveSeam.h"
#include "support/TestPaths.h"

namespace txtest {

// Every drive is of one type and room; a removable drive answers the statuses of its queue in
// turn, the last one for good.
class FakeDrives : public kor::DriveStandIn {
public:
    UINT type = DRIVE_FIXED;
    bool roomKnown = true;
    kor::DiskRoom room{4096, 1u << 20, 1u << 21};  // 4 GiB free of 8 GiB
    std::deque<int> statuses{0};
    int removableQueries = 0;

    UINT DriveType(const std::wstring&) override { return type; }
    bool Room(const std::wstring&, kor::DiskRoom& out) override {
        if (roomKnown) out = room;
        return roomKnown;
    }
    BOOL RemovableReady(char, bool, int* status) override {
        ++removableQueries;
        const int s = statuses.front();
        if (statuses.size() > 1) statuses.pop_front();
        if (status) *status = s;
        return s == 0;
    }
    // Room of exactly this many free and total bytes.
    void SetBytes(std::uint64_t freeBytes, std::uint64_t totalBytes) {
        room = {1, freeBytes, totalBytes};
    }
};

struct MessageSpec {
    int id;
    int type;   // MB_OK 0, MB_OKCANCEL 1
    int words;  // how many "%s" the text takes
};

// The message table over a master of the given ids, written into the test's scratch folder.
class TaggedTable : public CApMsgInfoList {
public:
    explicit TaggedTable(const std::vector<MessageSpec>& specs) {
        std::string master;
        for (const MessageSpec& m : specs) {
            std::string text = "#" + std::to_string(m.id);
            for (int i = 0; i < m.words; ++i) text += "[%s]";
            master += "\"" + std::to_string(m.id) + "\",\"" + std::to_string(m.type) +
                      "\",\"48\",\"" + text + "\"\r\n";
        }
        const std::string path = kortest::ScratchDirOfTest("messages") + "mstKORTX001.ini";
        EXPECT_TRUE(kortest::WriteBytes(path, master));
        EXPECT_EQ(Load(path), 0u);
    }
};

}  // namespace txtest
