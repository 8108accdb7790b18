// The main screen's read and output as one flow: the checks before each with their messages
// and focus, the read completed from the pattern, the numbered files, and the console harness
// on the demo files.
#include "localtax/ConversionFlow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "common/base/MasterText.h"
#include "localtax/ApMsgInfoList.h"
#include "localtax/PatternStore.h"
#include "localtax/ProgressQuestions.h"
#include "localtax/RequesterStore.h"
#include "support/HarnessRun.h"
#include "support/MessageScript.h"
#include "support/TestPaths.h"

namespace tx {
namespace {

const std::string kDemo = std::string(KOR_TX_DEMO_DIR) + "\\";

CRequesterInfo Requester() {
    CRequesterInfo r;
    r.name1 = "ｶ)ﾃｽﾄｼｮｳｼﾞ";
    r.address1 = "ﾄｳｷｮｳﾄ";
    return r;
}

class TaxFlowTest : public testing::Test {
protected:
    void SetUp() override {
        // The delivered master and the demo files, copied: the tool opens its files alone, and
        // tests run side by side.
        demo = kortest::ScratchDirOfTest("inputs");
        for (const std::string& path :
             {std::string(KOR_TX_PROGRAM_DIR "\\mstKORTX001.ini"), kDemo + "mstKORTX301.ini",
              kDemo + "mstKORTX302.ini", kDemo + "chihouzei.csv"}) {
            const std::string bytes = kortest::ReadBytes(path);
            ASSERT_FALSE(bytes.empty()) << path;
            ASSERT_TRUE(kortest::WriteBytes(demo + path.substr(path.rfind('\\') + 1), bytes));
        }
        ASSERT_EQ(messages.Load(demo.substr(0, demo.size() - 1)), 0u);
        ASSERT_EQ(patterns.Load(demo + "mstKORTX301.ini"), 1);
        folder = kortest::ScratchDirOfTest();
        script.onShow = [this](const kor::MessageBoxRequest&) {
            shown.push_back(messages.ShowingId());
        };
    }

    FlowOutcome Read(const CRequesterInfo* requester, int pattern, const std::string& input) {
        return flow.Read(patterns, pattern, requester, input, data, sets);
    }

    tx::CApMsgInfoList messages;
    CPatternStore patterns;
    kortest::MessageScript script;
    std::vector<int> shown;
    CConversionFlow flow{messages, nullptr, kProgressDialog};
    std::unique_ptr<CDataSet> data;
    std::unique_ptr<CDataSet> output;
    ItemSetFlags sets{};
    std::string folder;
    std::string demo;  // the copies, with a trailing backslash
};

TEST_F(TaxFlowTest, ChecksBeforeTheReadStopWithTheirMessageAndField) {
    const CRequesterInfo requester = Requester();
    CRequesterInfo nameless = requester;
    nameless.name1.clear();
    CRequesterInfo damaged = requester;
    damaged.name2 = "ｹｲ\x7fﾘ";
    // A NUL after the 20 bytes that the record keeps of a name line: cut off with the rest.
    const std::string line = "\"" + std::string(20, '\xB1') + std::string(1, '\0') +
                             "\xB2\",\"\",\"\xC4\xB3\xB7\xAE\xB3\",\"\"";
    const std::unique_ptr<CRequesterInfo> nulCutOff = CRequesterStore::ParseEntry(line);
    ASSERT_EQ(nulCutOff->name1, std::string(20, '\xB1'));
    struct Case {
        const char* name;
        const CRequesterInfo* requester;
        int pattern;
        std::string input;
        int message;
        FlowField field;
    };
    const Case cases[] = {
        {"no requester", nullptr, 0, demo + "chihouzei.csv", 30, FlowField::kNone},
        {"requester without a name", &nameless, 0, demo + "chihouzei.csv", 30, FlowField::kNone},
        {"damaged requester", &damaged, 0, demo + "chihouzei.csv", 114, FlowField::kNone},
        {"NUL in a stored line cut off", nulCutOff.get(), 0, demo + "chihouzei.csv", 114,
         FlowField::kNone},
        {"no pattern", &requester, -1, demo + "chihouzei.csv", 8, FlowField::kPattern},
        {"no input", &requester, 0, " 　", 42, FlowField::kInput},
        {"character a name may not hold", &requester, 0, demo + "chihou*.csv", 16,
         FlowField::kInput},
        {"missing file", &requester, 0, demo + "missing.csv", 4, FlowField::kInput},
    };
    for (const Case& c : cases) {
        shown.clear();
        const FlowOutcome out = Read(c.requester, c.pattern, c.input);
        EXPECT_FALSE(out.done) << c.name;
        EXPECT_EQ(out.code, -1) << c.name;
        EXPECT_EQ(out.field, c.field) << c.name;
        EXPECT_EQ(shown, std::vector<int>{c.message}) << c.name;
        EXPECT_EQ(data, nullptr) << c.name;
    }
}

TEST_F(TaxFlowTest, AStoredPatternWithOutputCodesNoneOfOursIsNamedAndNothingIsRead) {
    // Output record-length code (field 39) and line-break code (field 40) as a hand edit
    // leaves them.
    const struct {
        const char* length;
        const char* lineBreak;
    } cases[] = {{"4", "1"}, {"", "0"}, {"1", "2"}};
    const CRequesterInfo requester = Requester();
    for (const auto& c : cases) {
        std::vector<std::string> fields = CMasterText::SplitFields(patterns.Line(0));
        fields[39] = c.length;
        fields[40] = c.lineBreak;
        ASSERT_TRUE(kortest::WriteBytes(folder + "mstKORTX301.ini",
                                        CMasterText::FormatFields(fields) + "\r\n"));
        ASSERT_EQ(patterns.Load(folder + "mstKORTX301.ini"), 1);
        shown.clear();
        const FlowOutcome out = Read(&requester, 0, demo + "chihouzei.csv");
        EXPECT_FALSE(out.done) << c.length << c.lineBreak;
        EXPECT_EQ(out.field, FlowField::kPattern) << c.length << c.lineBreak;
        EXPECT_EQ(shown, (std::vector<int>{18, 115})) << c.length << c.lineBreak;
        EXPECT_EQ(data, nullptr);
    }
}

TEST_F(TaxFlowTest, ReadCompletesTheDataSetAndOutputWritesTheNumberedFile) {
    const CRequesterInfo requester = Requester();
    // Leading blanks, full-width too, and "/" separators are the same path.
    std::string typed = demo + "chihouzei.csv";
    std::replace(typed.begin(), typed.end(), '\\', '/');
    FlowOutcome out = Read(&requester, 0, "　 " + typed);
    ASSERT_TRUE(out.done);
    EXPECT_EQ(shown, (std::vector<int>{18, 48}));
    ASSERT_NE(data, nullptr);
    const CTaxGroup& group = *data->groups.front();
    EXPECT_EQ(group.output, 1);
    EXPECT_EQ(group.details.size(), 3u);
    EXPECT_EQ(sets, (ItemSetFlags{1, 1, 1}));
    EXPECT_EQ(data->recordLengthKind, 1);
    EXPECT_EQ(data->lineBreak, 1);

    shown.clear();
    out = flow.Output(" " + folder, *data, true, output);
    ASSERT_TRUE(out.done);
    EXPECT_EQ(out.code, 0);
    // The changed pattern only warns.
    EXPECT_EQ(shown, (std::vector<int>{59, 18, 70}));
    ASSERT_NE(output, nullptr);
    const std::string file = kortest::ReadBytes(folder + "CHIHOU_ZEI_OUT_001.TXT");
    EXPECT_EQ(file.size(), 6u * 122u);
    EXPECT_EQ(file.substr(0, 27), "1990" + std::string(10, '0') + "000" + "000000" + "0000");
}

TEST_F(TaxFlowTest, AnsweringCancelStopsBeforeReadingOrWriting) {
    const CRequesterInfo requester = Requester();
    script.Answer(IDCANCEL);
    const FlowOutcome read = Read(&requester, 0, demo + "chihouzei.csv");
    EXPECT_FALSE(read.done);
    EXPECT_EQ(read.code, -1);
    EXPECT_EQ(data, nullptr);

    ASSERT_TRUE(Read(&requester, 0, demo + "chihouzei.csv").done);
    script.Answer(IDCANCEL);
    const FlowOutcome written = flow.Output(folder, *data, false, output);
    EXPECT_FALSE(written.done);
    EXPECT_EQ(output, nullptr);
    EXPECT_EQ(kortest::ReadBytes(folder + "CHIHOU_ZEI_OUT_001.TXT"), "");
}

TEST_F(TaxFlowTest, OutputNeedsTakenDetailsWithoutErrors) {
    const CRequesterInfo requester = Requester();
    ASSERT_TRUE(Read(&requester, 0, demo + "chihouzei.csv").done);
    auto& details = data->groups.front()->details;

    // A corrected item (2) is valid.
    details[0]->SetStatus(kTaxPaid, kStatusCorrected);
    EXPECT_EQ(CConversionFlow::CheckOutputData(*data), 1);
    // An item in error on a taken detail stops the output; on a deleted one it does not.
    details[1]->SetStatus(kSalaryTaxAmount, kStatusError);
    EXPECT_EQ(CConversionFlow::CheckOutputData(*data), 2);
    details[1]->output = 0;
    EXPECT_EQ(CConversionFlow::CheckOutputData(*data), 1);
    for (auto& d : details) d->output = 0;
    EXPECT_EQ(CConversionFlow::CheckOutputData(*data), 0);

    struct Case {
        int errorDetailOutput;
        int message;
    };
    for (const Case c : {Case{0, 31}, Case{1, 15}}) {
        details[1]->output = c.errorDetailOutput;
        shown.clear();
        const FlowOutcome out = flow.Output(folder, *data, false, output);
        EXPECT_FALSE(out.done);
        EXPECT_EQ(shown, std::vector<int>{c.message});
    }
    shown.clear();
    EXPECT_EQ(flow.Output(folder + "missing\\", *data, false, output).field, FlowField::kOutput);
    EXPECT_EQ(shown, std::vector<int>{17});
}

TEST(TaxHarness, ConvertsTheDemoFileIntoNumberedFiles) {
    const std::string folder = kortest::ScratchDirOfTest();
    const kortest::HarnessRun run = kortest::RunProgram(
        KOR_CONVERT_PROGRAM, folder,
        {"tx", kDemo + "mstKORTX301.ini", "ﾁﾎｳｾﾞｲCSV", kDemo + "mstKORTX302.ini",
         // No backslash before the closing quote of the argument, which would escape it.
         kDemo + "chihouzei.csv", folder.substr(0, folder.size() - 1)});
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find("message  18\nmessage  48\nmessage  18\nmessage  70\n"
                              "stage    write\nresult   0\ncount    3\ntotal    1345000\n"
                              "errors   0\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("files    1\n"), std::string::npos) << run.output;
    EXPECT_EQ(kortest::ReadBytes(folder + "CHIHOU_ZEI_OUT_001.TXT").size(), 6u * 122u);
}

}  // namespace
}  // namespace tx
