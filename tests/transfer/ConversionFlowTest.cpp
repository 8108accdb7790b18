// One conversion without a window: the messages the flow shows at the drive, access and room
// checks, with the answers that retry or stop, on a probe that plays the drive.
#include "transfer/ConversionFlow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "MainScreenHost.h"
#include "framework/Cp932.h"
#include "support/TestPaths.h"

namespace {

// The user: every message shown, answered from a queue (OK once it is empty).
class Recorder : public CFlowMessages {
public:
    std::deque<int> answers;
    std::vector<int> shown;  // ids; 0 for a fixed text

    int ShowMessage(kor::MessageId id, const char*, const char*) override {
        shown.push_back(id.Value());
        return Next();
    }
    int ShowFixedBox(const char*, UINT) override {
        shown.push_back(0);
        return Next();
    }

private:
    int Next() {
        if (answers.empty()) return IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The real folders and files; the drive, the rights and the room as a test sets them.
class DriveProbe : public kor::CPathProbe {
public:
    std::vector<int> drives{0};  // in turn; the last one stays
    std::vector<std::uint64_t> room{0x40000000};
    bool readable = true;
    bool writable = true;

    int CheckDrive(const std::string&, bool) const override {
        return drives[std::min(driveCalls++, drives.size() - 1)];
    }
    std::uint64_t FreeSpace(const std::string&) const override {
        return room[std::min(roomCalls++, room.size() - 1)];
    }
    bool CanRead(const std::string&) const override { return readable; }
    bool CanWrite(const std::string&) const override { return writable; }

private:
    mutable size_t driveCalls = 0;
    mutable size_t roomCalls = 0;
};

class ConversionFlowTest : public testing::Test {
protected:
    void SetUp() override {
        dir = kortest::ScratchDirOfTest();
        std::string patterns, requesters;
        for (const std::string& line : kortest::kFixturePatternLines) patterns += line + "\r\n";
        for (const std::string& line : kortest::kFixtureRequesterLines) requesters += line + "\r\n";
        ASSERT_TRUE(kortest::WriteBytes(dir + "patterns.ini", patterns));
        ASSERT_TRUE(kortest::WriteBytes(dir + "requesters.ini", requesters));
        ASSERT_TRUE(kortest::WriteBytes(dir + "in.csv", kortest::kTwoTransfers));
        ASSERT_EQ(patternStore.Load(dir + "patterns.ini"), 1);
        ASSERT_EQ(requesterStore.Load(dir + "requesters.ini"), 1);
        choices.party = requesterStore.GetList()[kortest::kGeneralRequester].get();
        choices.screen.patternIndex = kortest::kGeneralComma;
        choices.screen.month = " 3";
        choices.screen.day = "15";
        choices.screen.input = dir + "in.csv";
    }

    xf::FlowResult Read(const kor::CPathProbe& probe) {
        xf::CConversionFlow flow(user, nullptr, nullptr, probe);
        return flow.Read(patternStore, choices, data);
    }
    // Reads with the real machine, then outputs to out.txt on the probe.
    xf::FlowResult Output(const kor::CPathProbe& probe) {
        Recorder reader;
        xf::CConversionFlow readFlow(reader, nullptr, nullptr);
        EXPECT_TRUE(readFlow.Read(patternStore, choices, data).Done());
        xf::CConversionFlow flow(user, nullptr, nullptr, probe);
        return flow.Output(dir + "out.txt", *data);
    }
    bool Written() const { return !kortest::ReadBytes(dir + "out.txt").empty(); }

    std::string dir;
    xf::CPatternStore patternStore;
    xf::CRequesterStore requesterStore;
    xf::ConvertChoices choices;
    std::unique_ptr<xf::CDataSet> data;
    Recorder user;
};

TEST_F(ConversionFlowTest, AnUnusableInputDiskIsAskedAboutUntilItReadsOrTheUserStops) {
    DriveProbe probe;
    probe.drives = {-5, -6, 0};
    const xf::FlowResult read = Read(probe);
    EXPECT_EQ(user.shown, (std::vector<int>{52, 52, 24, 67}));
    EXPECT_TRUE(read.Done());
    ASSERT_NE(data, nullptr);

    DriveProbe stuck;
    stuck.drives = {-5};
    user.shown.clear();
    user.answers = {IDOK, IDCANCEL};
    const xf::FlowResult stopped = Read(stuck);
    EXPECT_EQ(user.shown, (std::vector<int>{52, 52}));
    EXPECT_EQ(stopped.stage, xf::FlowResult::kCheck);
    EXPECT_EQ(stopped.focus, xf::FlowField::kInput);
    EXPECT_TRUE(stopped.inError);
    EXPECT_NE(data, nullptr);  // nothing read, the data set of before stays
}

// The party, the common controls' choices and the salary or bonus choice reach the data set of
// a read: the date without its leading blank, the pattern's position and the input name; the
// bonus counts for a salary/bonus pattern only.
TEST_F(ConversionFlowTest, TheChoicesOfAReadCompleteItsDataSet) {
    struct Case {
        int pattern;
        int requester;
        int bonus;
        const char* month;
        const char* day;
        const char* monthRead;
        const char* dayRead;
        int kind;
        int bonusFlag;
    };
    const Case cases[] = {
        {kortest::kGeneralComma, kortest::kGeneralRequester, 0, " 3", " 9", "3", "9", 1, 0},
        {kortest::kGeneralComma, kortest::kGeneralRequester, 1, "12", "31", "12", "31", 1, 0},
        {kortest::kSalaryComma, kortest::kSalaryRequester, 1, " 2", "29", "2", "29", 2, 1},
        {kortest::kSalaryComma, kortest::kSalaryRequester, 0, "11", "30", "11", "30", 2, 0},
    };
    for (const Case& c : cases) {
        choices.party = requesterStore.GetList()[c.requester].get();
        choices.screen.patternIndex = c.pattern;
        choices.screen.month = c.month;
        choices.screen.day = c.day;
        choices.bonus = c.bonus;
        DriveProbe probe;
        ASSERT_TRUE(Read(probe).Done()) << c.pattern << " " << c.bonus;
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->transferKind, c.kind);
        EXPECT_EQ(data->bonusFlag, c.bonusFlag) << c.pattern << " " << c.bonus;
        EXPECT_EQ(data->month, c.monthRead);
        EXPECT_EQ(data->day, c.dayRead);
        EXPECT_EQ(data->patternIndex, c.pattern);
        EXPECT_EQ(data->inputFileName, dir + "in.csv");
        EXPECT_EQ(data->outputDone, 0);
        ASSERT_NE(data->requester, nullptr);
        EXPECT_STREQ(data->requester->description, choices.party->description);
    }
}

TEST_F(ConversionFlowTest, AnInputThatCannotBeReadIsRefusedWith85) {
    DriveProbe probe;
    probe.readable = false;
    const xf::FlowResult read = Read(probe);
    EXPECT_EQ(user.shown, std::vector<int>{85});
    EXPECT_EQ(read.stop, xf::Msg::kCannotRead);
    EXPECT_EQ(read.focus, xf::FlowField::kInput);
    EXPECT_TRUE(read.inError);
}

TEST_F(ConversionFlowTest, OutputDriveAndRoomQuestionsRetryOrStop) {
    struct Case {
        const char* name;
        std::vector<int> drives;
        std::vector<std::uint64_t> room;
        std::deque<int> answers;
        std::vector<int> shown;
        bool written;
        bool inError;  // the output edit is the field in error
    };
    const Case cases[] = {
        {"protected, mended", {-4, 0}, {0x40000000}, {}, {51, 24, 75}, true, false},
        {"protected, stopped", {-4}, {0x40000000}, {IDCANCEL}, {51}, false, true},
        {"unformatted, mended", {-5, -6, 2}, {0x40000000}, {}, {52, 52, 24, 75}, true, false},
        {"unformatted, stopped", {-5}, {0x40000000}, {IDOK, IDCANCEL}, {52, 52}, false, true},
        {"full disk, changed", {2}, {100, 0x40000000}, {}, {60, 24, 75}, true, false},
        {"full disk, stopped", {2}, {100}, {IDOK, IDCANCEL}, {60, 60}, false, false},
        {"full fixed drive", {0}, {100}, {}, {61}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileW((kor::ToWide(dir) + L"out.txt").c_str());
        DriveProbe probe;
        probe.drives = c.drives;
        probe.room = c.room;
        user.answers = c.answers;
        user.shown.clear();
        const xf::FlowResult result = Output(probe);
        EXPECT_EQ(user.shown, c.shown);
        EXPECT_EQ(result.Done(), c.written);
        EXPECT_EQ(Written(), c.written);
        if (!c.written) {
            EXPECT_EQ(result.focus, xf::FlowField::kOutput);
            EXPECT_EQ(result.inError, c.inError);
        }
    }
}

TEST_F(ConversionFlowTest, AnOutputThatCannotBeWrittenIsRefusedWith66) {
    for (const bool exists : {false, true}) {
        SCOPED_TRACE(exists ? "existing output" : "new output");
        if (exists) {
            ASSERT_TRUE(kortest::WriteBytes(dir + "out.txt", "old"));
        }
        DriveProbe probe;
        probe.writable = false;
        user.shown.clear();
        const xf::FlowResult result = Output(probe);
        const std::vector<int> expected = exists ? std::vector<int>{4, 66} : std::vector<int>{66};
        EXPECT_EQ(user.shown, expected);
        EXPECT_EQ(result.stop, xf::Msg::kCannotWrite);
        EXPECT_EQ(result.focus, xf::FlowField::kOutput);
        EXPECT_TRUE(result.inError);
    }
    EXPECT_EQ(kortest::ReadBytes(dir + "out.txt"), "old");
}

// A file written once and then not written again leaves the data set not output: the check
// screen never shows the time of a file that the last output did not write.
TEST_F(ConversionFlowTest, AFailedOutputAfterAGoodOneLeavesTheDataNotOutput) {
    DriveProbe probe;
    ASSERT_TRUE(Output(probe).Done());
    ASSERT_EQ(data->outputDone, 1);

    // Another program holds the file open without sharing it.
    const std::wstring wide = kor::ToWide(dir + "out.txt");
    const HANDLE held = CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    xf::CConversionFlow flow(user, nullptr, nullptr, probe);
    user.shown.clear();
    const xf::FlowResult again = flow.Output(dir + "out.txt", *data);
    CloseHandle(held);
    EXPECT_EQ(again.stage, xf::FlowResult::kWrite);
    EXPECT_NE(again.code, 0);
    EXPECT_EQ(user.shown, (std::vector<int>{4, 24, 0}));  // overwrite?, go on?, the failure
    EXPECT_EQ(data->outputDone, 0);
}

}  // namespace
