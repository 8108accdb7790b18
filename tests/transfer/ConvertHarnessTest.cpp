// The console harness end to end: the tool word, and a damaged requester refused before the
// read as on the main screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "MainScreenHost.h"
#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "support/HarnessRun.h"
#include "support/TestPaths.h"

namespace {

using kortest::HarnessRun;

HarnessRun RunConvert(const std::string& folder, const std::vector<std::string>& args) {
    return kortest::RunProgram(KOR_CONVERT_PROGRAM, folder, args);
}

class ConvertHarnessTest : public testing::Test {
protected:
    void SetUp() override {
        folder = kortest::ScratchDirOfTest();
        std::string patterns;
        for (const std::string& line : kortest::kFixturePatternLines) patterns += line + "\r\n";
        ASSERT_TRUE(kortest::WriteBytes(folder + "patterns.ini", patterns));
        ASSERT_TRUE(kortest::WriteBytes(folder + "in.csv", kortest::kTwoTransfers));
    }
    // The general requester of the fixture with field k as given, in a line of count fields
    // (see MainScreenReadTest).
    void WriteRequester(int k, const std::string& text, size_t count = 8) const {
        std::vector<std::string> fields = {"ﾃｽﾄｼｮｳｼﾞ(ｶ",       "001",        "ﾎﾝﾃﾝ", "1", "1234567",
                                           "テスト商事　総合", "0000012345", "1"};
        if (k >= 0) fields[k] = text;
        fields.resize(count);
        std::string line;
        for (const std::string& field : fields)
            line += (line.empty() ? "\"" : ",\"") + field + "\"";
        ASSERT_TRUE(kortest::WriteBytes(folder + "requesters.ini", line + "\r\n"));
    }
    HarnessRun Convert(const char* tool = "xf", const char* requester = "テスト商事　総合") const {
        return RunConvert(folder, {tool, "patterns.ini", "総合カンマ", "requesters.ini", requester,
                                   "3", "15", "salary", "in.csv", "out.txt"});
    }
    bool Written() const {
        return GetFileAttributesW(kor::ToWide(folder + "out.txt").c_str()) !=
               INVALID_FILE_ATTRIBUTES;
    }

    std::string folder;
};

TEST_F(ConvertHarnessTest, TheTransferToolWritesTheFile) {
    WriteRequester(-1, "");
    const HarnessRun run = Convert();
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find("stage    write\nresult   0\ncount    2\ntotal    335000\n"),
              std::string::npos)
        << run.output;
    EXPECT_TRUE(Written());
}

TEST_F(ConvertHarnessTest, AnyOtherToolWordOrNoneIsAUsageError) {
    WriteRequester(-1, "");
    for (const char* tool : {"db", "tx", "XF", "patterns.ini"}) {
        const HarnessRun run = Convert(tool);
        EXPECT_EQ(run.exitCode, 2u) << tool;
        EXPECT_NE(run.output.find("usage: convert xf "), std::string::npos) << run.output;
    }
    // The form without a tool word.
    const HarnessRun old =
        RunConvert(folder, {"patterns.ini", "総合カンマ", "requesters.ini", "テスト商事　総合", "3",
                            "15", "salary", "in.csv", "out.txt"});
    EXPECT_EQ(old.exitCode, 2u);
    EXPECT_FALSE(Written());
}

TEST_F(ConvertHarnessTest, ADamagedRequesterIsRefusedBeforeTheRead) {
    struct Case {
        const char* name;
        int field;
        std::string text;
        size_t count = 8;
    };
    const Case cases[] = {
        {"CR in the name", 0, "ﾃｽﾄ\rｼｮｳｼﾞ"},
        {"LF in the name", 0, "ﾃｽﾄ\nｼｮｳｼﾞ"},
        // The last field of an old five-field line keeps a lead byte cut off from its character.
        {"lead byte cut off at the end of the account number", 4, "123456\x83", 5},
        {"end byte in the account number", 4,
         "12345\x1A"
         "7"},
        {"letter in the account number", 4, "12345O7"},
        {"double-byte branch code", 1, "１1"},
    };
    for (const Case& c : cases) {
        WriteRequester(c.field, c.text, c.count);
        // A line of five fields is listed by its name.
        const HarnessRun run = Convert("xf", c.count == 5 ? "ﾃｽﾄｼｮｳｼﾞ(ｶ" : "テスト商事　総合");
        EXPECT_EQ(run.exitCode, 1u) << c.name;
        EXPECT_NE(run.output.find("stage    check\nresult   114\n"), std::string::npos)
            << c.name << "\n"
            << run.output;
        EXPECT_FALSE(Written()) << c.name;
    }
}

// The direct-debit form: its masters, no salary/bonus word, and the file of its own layout.
TEST_F(ConvertHarnessTest, TheDirectDebitToolWritesItsFile) {
    ASSERT_TRUE(kortest::WriteBytes(
        folder + "db-patterns.ini",
        "\"03\",\"口座振込\",\"01\",\"口振カンマ\",\"0\",\"\",\"1\",\"\",\"2\",\"\",\"3\",\"\","
        "\"4\",\"\",\"5\",\"\",\"6\",\"\",\"7\",\"\",\"8\",\"\",\"9\",\"\",\"1\",\"1\",\"2\",\"\","
        "\"ﾌﾂｳ\",\"ﾄｳｻﾞ\",\"ﾉｳｾﾞｲ\",\"ｿﾉﾀ\",\"1\",\"0\",\"0\",\"1\"\r\n"));
    ASSERT_TRUE(kortest::WriteBytes(folder + "consignors.ini",
                                    "\"ｶ)ｲﾀｸｼｬ\",\"0000012345\",\"001\",\"ﾎﾝﾃﾝ\",\"1\","
                                    "\"1234567\",\"委託者　一\"\r\n"));
    ASSERT_TRUE(kortest::WriteBytes(folder + "debits.csv",
                                    "998,ﾐｽﾞﾎ,1,ﾎﾝﾃﾝ,ﾉｳｾﾞｲ,12,ﾔﾏﾀﾞ,\"1,000\",1,C1\r\n"
                                    "0998,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,ﾌﾂｳ,7,ｽｽﾞｷ,250,,\r\n"));
    const HarnessRun run =
        RunConvert(folder, {"db", "db-patterns.ini", "口振カンマ", "consignors.ini", "委託者　一",
                            "3", "5", "debits.csv", "out.txt"});
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find("stage    write\nresult   0\ncount    2\ntotal    1250\n"),
              std::string::npos)
        << run.output;
    // Header, two data records, trailer and end record of 120 bytes without line breaks.
    const std::string file = kortest::ReadBytes(folder + "out.txt");
    ASSERT_EQ(file.size(), 5u * 120 + 1);
    EXPECT_EQ(file.substr(0, 15),
              "19100000012345"
              "ｶ");
    EXPECT_EQ(file.substr(54, 8), "03050998");
    EXPECT_EQ(file.substr(120, 5), "20998");
    EXPECT_EQ(file.substr(120 + 42, 8), "30000012");
    EXPECT_EQ(file.substr(120 + 80, 12),
              "0000001000"
              "1"
              "C");
    EXPECT_EQ(file.substr(360, 19), "8000002000000001250");
    EXPECT_EQ(file.back(), '\x1A');
}

}  // namespace
