// The checks of the input and output names before a read and a write, on a probe that plays
// the drive, the folders and the access rights, with the user's answers to the questions.
#include "common/flow/PathCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using kor::PathFault;
using Kind = kor::CPathProbe::Kind;

constexpr char kFolder[] = "C:\\data\\";
constexpr char kInput[] = "C:\\data\\in.csv";
constexpr char kOutput[] = "C:\\data\\out.txt";

class FakeProbe : public kor::CPathProbe {
public:
    // The drive results in turn; the last one stays.
    std::vector<int> drives{0};
    // The free space measured in turn; the last one stays.
    std::vector<std::uint64_t> room{0x40000000};
    std::map<std::string, Kind> kinds;  // every other path is missing
    std::set<std::string> unreadable, unwritable;
    std::string sameAs;  // the name that is the input under another spelling

    int CheckDrive(const std::string&, bool writeTest) const override {
        writeTests.push_back(writeTest);
        return drives[std::min(driveCalls++, drives.size() - 1)];
    }
    std::uint64_t FreeSpace(const std::string&) const override {
        return room[std::min(roomCalls++, room.size() - 1)];
    }
    Kind KindOf(const std::string& path) const override {
        const auto it = kinds.find(path);
        return it == kinds.end() ? Kind::kMissing : it->second;
    }
    bool CanRead(const std::string& path) const override { return !unreadable.count(path); }
    bool CanWrite(const std::string& path) const override { return !unwritable.count(path); }
    bool IsSameFile(const std::string& a, const std::string& b) const override {
        return a == b || a == sameAs;
    }

    mutable size_t driveCalls = 0;
    mutable size_t roomCalls = 0;
    mutable std::vector<bool> writeTests;
};

// The user: answers the questions in turn (then "stop") and remembers them.
struct User {
    std::deque<bool> answers;
    std::vector<PathFault> asked;

    kor::PathQuestion Question() {
        return [this](PathFault fault) {
            asked.push_back(fault);
            if (answers.empty()) return false;
            const bool answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

FakeProbe ProbeWithInput() {
    FakeProbe probe;
    probe.kinds = {{kFolder, Kind::kFolder}, {kInput, Kind::kFile}};
    return probe;
}

struct DriveCase {
    const char* name;
    std::vector<int> drives;
    std::deque<bool> answers;
    PathFault fault;
    std::vector<PathFault> asked;
};
void PrintTo(const DriveCase& c, std::ostream* os) {
    *os << c.name;
}

class InputDriveTest : public testing::TestWithParam<DriveCase> {};

TEST_P(InputDriveTest, AnUnusableMediumIsAskedAgainUntilTheUserStops) {
    const DriveCase& c = GetParam();
    FakeProbe probe = ProbeWithInput();
    probe.drives = c.drives;
    User user{c.answers, {}};
    EXPECT_EQ(kor::CheckInputPath(kInput, user.Question(), probe), c.fault);
    EXPECT_EQ(user.asked, c.asked);
    // A read never tests writing.
    EXPECT_EQ(std::count(probe.writeTests.begin(), probe.writeTests.end(), true), 0);
}

constexpr PathFault kUnusable = PathFault::kMediumUnusable;
INSTANTIATE_TEST_SUITE_P(
    Cases, InputDriveTest,
    testing::Values(
        DriveCase{"FixedDrive", {0}, {}, PathFault::kNone, {}},
        DriveCase{"ReadyRemovable", {2}, {}, PathFault::kNone, {}},
        DriveCase{"CdRomIsReadable", {1}, {}, PathFault::kNone, {}},
        DriveCase{"UnformattedThenMended", {-5, 0}, {true}, PathFault::kNone, {kUnusable}},
        DriveCase{"OtherMediumFaultTwice",
                  {-6, -6, 2},
                  {true, true},
                  PathFault::kNone,
                  {kUnusable, kUnusable}},
        DriveCase{
            "UserStops", {-5, -5}, {true, false}, PathFault::kCancelled, {kUnusable, kUnusable}},
        DriveCase{"NoMedium", {-3}, {}, PathFault::kDriveNotReady, {}},
        DriveCase{"UnknownKind", {-1}, {}, PathFault::kDriveUnusable, {}},
        DriveCase{"NoSuchDrive", {-2}, {}, PathFault::kDriveUnusable, {}}),
    [](const testing::TestParamInfo<DriveCase>& info) { return std::string(info.param.name); });

class OutputDriveTest : public testing::TestWithParam<DriveCase> {};

TEST_P(OutputDriveTest, AWriteProtectedOrUnusableMediumIsAskedAgainUntilTheUserStops) {
    const DriveCase& c = GetParam();
    FakeProbe probe = ProbeWithInput();
    probe.drives = c.drives;
    User user{c.answers, {}};
    EXPECT_EQ(kor::CheckOutputPath(kOutput, kInput, user.Question(), probe), c.fault);
    EXPECT_EQ(user.asked, c.asked);
    EXPECT_EQ(std::count(probe.writeTests.begin(), probe.writeTests.end(), false), 0);
}

constexpr PathFault kProtected = PathFault::kWriteProtected;
INSTANTIATE_TEST_SUITE_P(
    Cases, OutputDriveTest,
    testing::Values(
        DriveCase{"FixedDrive", {0}, {}, PathFault::kNone, {}},
        DriveCase{"ReadyRemovable", {2}, {}, PathFault::kNone, {}},
        DriveCase{"ProtectedThenMended", {-4, 2}, {true}, PathFault::kNone, {kProtected}},
        DriveCase{"ProtectedThenUnformatted",
                  {-4, -5, 0},
                  {true, true},
                  PathFault::kNone,
                  {kProtected, kUnusable}},
        DriveCase{"AnyOtherCodeIsAnUnusableMedium", {7, 0}, {true}, PathFault::kNone, {kUnusable}},
        DriveCase{"UserStops", {-6}, {false}, PathFault::kCancelled, {kUnusable}},
        DriveCase{"CdRom", {1}, {}, PathFault::kReadOnlyDrive, {}},
        DriveCase{"NoMedium", {-3}, {}, PathFault::kDriveNotReady, {}},
        DriveCase{"NoSuchDrive", {-2}, {}, PathFault::kDriveUnusable, {}}),
    [](const testing::TestParamInfo<DriveCase>& info) { return std::string(info.param.name); });

TEST(InputPath, EachFaultOfNameFolderFileAndRights) {
    struct Case {
        const char* path;
        PathFault fault;
    };
    const Case cases[] = {
        {"", PathFault::kNoName},
        {"in.csv", PathFault::kNoName},
        {"C:\\data\\", PathFault::kNoName},
        {"C:\\data\\in?.csv", PathFault::kBadName},
        {"C:\\none\\in.csv", PathFault::kNoFolder},
        {"C:\\data\\missing.csv", PathFault::kNoFile},
        {"C:\\data\\sub", PathFault::kIsFolder},
        {"C:\\data\\locked.csv", PathFault::kCannotRead},
        {kInput, PathFault::kNone},
    };
    FakeProbe probe = ProbeWithInput();
    probe.kinds["C:\\data\\sub"] = Kind::kFolder;
    probe.kinds["C:\\data\\locked.csv"] = Kind::kFile;
    probe.unreadable = {"C:\\data\\locked.csv"};
    for (const Case& c : cases) {
        User user;
        EXPECT_EQ(kor::CheckInputPath(c.path, user.Question(), probe), c.fault) << c.path;
        EXPECT_TRUE(user.asked.empty()) << c.path;
    }
}

TEST(OutputPath, EachFaultOfNameFolderAndRights) {
    struct Case {
        const char* path;
        PathFault fault;
    };
    const Case cases[] = {
        {"", PathFault::kNoName},
        {"C:\\data\\", PathFault::kNoName},
        {"C:\\data\\out*.txt", PathFault::kBadName},
        {"C:\\none\\out.txt", PathFault::kNoFolder},
        {"C:\\data\\IN.CSV", PathFault::kSameAsInput},
        {"C:\\data\\sub", PathFault::kIsFolder},
        {"C:\\locked\\out.txt", PathFault::kCannotWrite},  // a new file in a closed folder
        {kOutput, PathFault::kNone},
    };
    FakeProbe probe = ProbeWithInput();
    probe.kinds["C:\\data\\sub"] = Kind::kFolder;
    probe.kinds["C:\\locked\\"] = Kind::kFolder;
    probe.unwritable = {"C:\\locked\\"};
    probe.sameAs = "C:\\data\\IN.CSV";
    for (const Case& c : cases) {
        User user;
        EXPECT_EQ(kor::CheckOutputPath(c.path, kInput, user.Question(), probe), c.fault) << c.path;
        EXPECT_TRUE(user.asked.empty()) << c.path;
    }
}

TEST(OutputPath, AnExistingOutputIsOverwrittenOnlyWhenTheUserAgreesAndItCanBeWritten) {
    struct Case {
        bool agrees;
        bool writable;
        PathFault fault;
    };
    const Case cases[] = {
        {true, true, PathFault::kNone},
        {true, false, PathFault::kCannotWrite},
        {false, true, PathFault::kCancelled},
    };
    for (const Case& c : cases) {
        FakeProbe probe = ProbeWithInput();
        probe.kinds[kOutput] = Kind::kFile;
        if (!c.writable) probe.unwritable = {kOutput};
        User user{{c.agrees}, {}};
        EXPECT_EQ(kor::CheckOutputPath(kOutput, kInput, user.Question(), probe), c.fault);
        EXPECT_EQ(user.asked, std::vector<PathFault>{PathFault::kOutputExists});
    }
}

TEST(FreeSpace, TheFileNeedsAFifthMoreRoomThanItsSize) {
    EXPECT_TRUE(kor::FitsInFreeSpace(1000, 1200));
    EXPECT_FALSE(kor::FitsInFreeSpace(1000, 1199));
    EXPECT_TRUE(kor::FitsInFreeSpace(130ull * 50003, 0x40000000));
    EXPECT_FALSE(kor::FitsInFreeSpace(1, 0));
}

TEST(FreeSpace, AFullRemovableDiskMayBeChangedAFullFixedDriveEndsTheCheck) {
    struct Case {
        const char* name;
        int drive;
        std::vector<std::uint64_t> room;
        std::deque<bool> answers;
        PathFault fault;
        size_t questions;
    };
    const Case cases[] = {
        {"room enough", 0, {1200}, {}, PathFault::kNone, 0},
        {"fixed drive full", 0, {1199}, {}, PathFault::kDriveFull, 0},
        {"disk changed twice", 2, {10, 500, 5000}, {true, true}, PathFault::kNone, 2},
        {"user stops", 2, {10}, {true, false}, PathFault::kCancelled, 2},
        {"disk taken out", -3, {10}, {}, PathFault::kDriveFull, 0},
    };
    for (const Case& c : cases) {
        FakeProbe probe;
        probe.drives = {c.drive};
        probe.room = c.room;
        User user{c.answers, {}};
        EXPECT_EQ(kor::CheckFreeSpace(kOutput, 1000, user.Question(), probe), c.fault) << c.name;
        EXPECT_EQ(user.asked, std::vector<PathFault>(c.questions, PathFault::kDiskFull)) << c.name;
    }
}

}  // namespace
