// The local-tax main screen driven through its controls: its start over the masters, a read and
// an output of the demo file into a folder, the checks before a read and the exit questions.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Tx300Host.h"
#include "support/TestPaths.h"

namespace {

using txtest::kDemo;
using txtest::Texts;
using txtest::Tx300Test;

TEST_F(Tx300Test, StartsWithTheMastersAndTheButtonsOfADataSetDisabled) {
    WithDemoMasters();
    Open();
    EXPECT_EQ(Text(IDC_TX300_VERSION), "(Ver4.01)");
    EXPECT_EQ(ComboCount(IDC_TX300_PATTERN), 1);
    EXPECT_EQ(SendMessageW(Item(IDC_TX300_PATTERN), CB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(Text(IDC_TX300_NAME1).empty());
    for (int id : {IDC_TX300_CORRECT, IDC_TX300_CHECK, IDC_TX300_OUTPUT_DATA})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(TakeShown().empty());
    // The two lines of each settings button, centred by the button, without padding blanks.
    const std::pair<int, const char*> captions[] = {
        {IDC_TX300_FIXED_PATTERN, "パターン登録\n(固定長)"},
        {IDC_TX300_DELIM_PATTERN, "パターン登録\n(CSV・TAB・ｽﾍﾟｰｽ)"},
        {IDC_TX300_REQUESTER, "依頼人情報\n登録"},
    };
    for (const auto& [id, caption] : captions) EXPECT_EQ(Text(id), caption) << id;
}

// Minimised, the screen is shown by the program icon, which it also gives for dragging.
TEST_F(Tx300Test, AMinimisedScreenGivesTheProgramIconForDragging) {
    Open();
    ASSERT_NE(screen->ScreenIcon(), nullptr);
    // Minimised and restored without activation: test programs share the display, and this
    // one must not take the foreground from another.
    ShowWindow(Hwnd(), SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(IsIconic(Hwnd()));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(Hwnd(), WM_QUERYDRAGICON, 0, 0)),
              screen->ScreenIcon());
    ShowWindow(Hwnd(), SW_SHOWNOACTIVATE);
}

TEST_F(Tx300Test, AnUnreadablePatternMasterEndsTheStartWithTextC) {
    WriteMaster("mstKORTX301.ini", {"\"03\",\"short line\""});
    Open();
    EXPECT_EQ(TakeShown(),
              Texts{"処理に必要なファイルが破損しています。再インストールして下さい。<C>"});
}

TEST_F(Tx300Test, ReadsAndWritesTheNumberedFileIntoTheFolder) {
    WithDemoMasters();
    Open();
    ReadDemoFile();
    EXPECT_EQ(TakeShown(), (Texts{Message(18, "読込"), Message(48, "読込", "変換後ファイル")}));
    ASSERT_NE(screen->ReadData(), nullptr);
    EXPECT_TRUE(Enabled(IDC_TX300_CORRECT));
    EXPECT_TRUE(Enabled(IDC_TX300_OUTPUT_DATA));
    EXPECT_FALSE(Enabled(IDC_TX300_CHECK));

    const std::string out = kortest::ScratchDirOfTest();
    SetText(IDC_TX300_OUTPUT, out);
    Click(IDC_TX300_OUTPUT_DATA);
    ASSERT_NE(screen->OutputData(), nullptr);
    EXPECT_TRUE(Enabled(IDC_TX300_CHECK));
    const std::string file = kortest::ReadBytes(out + "CHIHOU_ZEI_OUT_001.TXT");
    EXPECT_EQ(file.size(), 6u * 122u);
    EXPECT_EQ(file.substr(0, 27), "1990" + std::string(10, '0') + "000" + "000000" + "0000");
    EXPECT_EQ(file, txtest::DemoOutputFile());
    EXPECT_EQ(TakeShown(),
              (Texts{Message(18, "出力"), Message(70, "CHIHOU_ZEI_OUT_001.TXT", "1")}));

    // Written: the exit asks only whether to end.
    Click(IDC_TX300_EXIT);
    EXPECT_EQ(TakeShown(), Texts{Message(1)});
}

TEST_F(Tx300Test, ExitAfterAReadWithoutOutputWarnsFirstAndCancelStays) {
    WithDemoMasters();
    Open();
    ReadDemoFile();
    TakeShown();
    script.Answer(IDOK);
    script.Answer(IDCANCEL);
    Click(IDC_TX300_EXIT);
    EXPECT_EQ(TakeShown(), (Texts{Message(52), Message(1)}));
    EXPECT_TRUE(IsWindow(Hwnd()));
    EXPECT_NE(screen->ReadData(), nullptr);
}

TEST_F(Tx300Test, ChecksBeforeTheReadStopWithTheirMessageAndFocus) {
    // No requester master: refused, the name lines stay empty.
    WriteFile("mstKORTX301.ini", kortest::ReadBytes(kDemo + "mstKORTX301.ini"));
    Open();
    ReadDemoFile();
    EXPECT_EQ(TakeShown(), Texts{Message(30, "依頼人情報")});
    EXPECT_EQ(Text(IDC_TX300_NAME1), "");
    EXPECT_EQ(screen->ReadData(), nullptr);
    screen.reset();

    // With a requester but no input path: message 42, the input edit in error and focused.
    WithDemoMasters();
    Open();
    SetText(IDC_TX300_INPUT, "　 ");
    Click(IDC_TX300_READ);
    EXPECT_EQ(TakeShown(), Texts{Message(42, "変換前ファイル名")});
    EXPECT_EQ(GetFocus(), Item(IDC_TX300_INPUT));
    EXPECT_FALSE(Enabled(IDC_TX300_OUTPUT_DATA));
}

}  // namespace

namespace {

// A requester master of one line of four fields.
std::string RequesterLine(const std::string& name1, const std::string& name2,
                          const std::string& address1, const std::string& address2) {
    return "\"" + name1 + "\",\"" + name2 + "\",\"" + address1 + "\",\"" + address2 + "\"";
}

struct ReadCheckCase {
    const char* name;
    std::string requester;  // the requester master's line; empty: the demo master
    bool patterns;          // the demo pattern master is there
    std::string input;      // a name in the program folder, or "=" and the text as typed
    int message;
    const char* word;
    int focus;    // where the focus goes, or 0
    int inError;  // the edit drawn yellow, or 0
};

class Tx300ReadChecks : public Tx300Test, public testing::WithParamInterface<ReadCheckCase> {};

// Every check stops before the read: no question 18, no data set, the data buttons disabled.
TEST_P(Tx300ReadChecks, StopBeforeTheReadWithTheirMessageAndFocus) {
    const ReadCheckCase& c = GetParam();
    WithDemoMasters();
    if (!c.patterns) DeleteFileA((folder + "mstKORTX301.ini").c_str());
    if (!c.requester.empty()) WriteMaster("mstKORTX302.ini", {c.requester});
    Open();
    WriteFile("chihouzei.csv", kortest::ReadBytes(kDemo + "chihouzei.csv"));
    SetText(IDC_TX300_INPUT, c.input.starts_with('=') ? c.input.substr(1) : folder + c.input);
    Click(IDC_TX300_READ);
    EXPECT_EQ(TakeShown(), Texts{Message(c.message, c.word)});
    EXPECT_EQ(screen->ReadData(), nullptr);
    if (c.focus) {
        EXPECT_EQ(GetFocus(), Item(c.focus));
    }
    EXPECT_EQ(screen->FieldInError(), c.inError);
    for (int id : {IDC_TX300_CORRECT, IDC_TX300_CHECK, IDC_TX300_OUTPUT_DATA})
        EXPECT_FALSE(Enabled(id)) << id;
}

const std::string kName = "ｶ)ﾃｽﾄｼｮｳｼﾞ";
const std::string kAddress = "ﾄｳｷｮｳﾄ";

INSTANTIATE_TEST_SUITE_P(
    Checks, Tx300ReadChecks,
    testing::Values(
        ReadCheckCase{"RequesterWithoutName", RequesterLine("", "ｹｲﾘ", kAddress, ""), true,
                      "chihouzei.csv", 30, "依頼人情報", 0, 0},
        // A requester master edited by hand: what the requester screen would not store.
        ReadCheckCase{"RequesterWithoutAddress", RequesterLine(kName, "", "", "ﾏﾙﾉｳﾁ"), true,
                      "chihouzei.csv", 114, "住所(ｶﾅ)", 0, 0},
        ReadCheckCase{"RequesterWithControlByte", RequesterLine(kName, "ｹｲ\x01ﾘ", kAddress, ""),
                      true, "chihouzei.csv", 114, "依頼人名(ｶﾅ)", 0, 0},
        ReadCheckCase{"RequesterWithFullWidthAddress", RequesterLine(kName, "", kAddress, "丸の内"),
                      true, "chihouzei.csv", 114, "住所(ｶﾅ)", 0, 0},
        ReadCheckCase{"NoPattern", "", false, "chihouzei.csv", 8, "データ変換パターン",
                      IDC_TX300_PATTERN, 0},
        ReadCheckCase{"NameWithWildcard", "", true, "chihou*.csv", 16, nullptr, IDC_TX300_INPUT,
                      IDC_TX300_INPUT},
        ReadCheckCase{"MissingFile", "", true, "missing.csv", 4, nullptr, IDC_TX300_INPUT,
                      IDC_TX300_INPUT},
        ReadCheckCase{"FolderForFile", "", true, "", 4, nullptr, IDC_TX300_INPUT, IDC_TX300_INPUT},
        ReadCheckCase{"NoDriveLetter", "", true, "=chihouzei.csv", 17, nullptr, IDC_TX300_INPUT,
                      IDC_TX300_INPUT}),
    [](const auto& info) { return std::string(info.param.name); });

struct OutputCheckCase {
    const char* name;
    std::string folder;  // "~": the program folder, "~x": x inside it
    int message;
    const char* word;
};

class Tx300OutputChecks : public Tx300Test, public testing::WithParamInterface<OutputCheckCase> {};

// A folder check stops before the question 18 with the folder edit focused and yellow; the read
// data stay, and the output can follow once the folder is mended.
TEST_P(Tx300OutputChecks, StopWithTheirMessageAndTheFolderInError) {
    const OutputCheckCase& c = GetParam();
    WithDemoMasters();
    Open();
    ReadDemoFile();
    TakeShown();
    std::string typed = c.folder;
    if (typed.starts_with('~')) typed = folder + typed.substr(1);
    SetText(IDC_TX300_OUTPUT, typed);
    Click(IDC_TX300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), Texts{Message(c.message, c.word)});
    EXPECT_EQ(GetFocus(), Item(IDC_TX300_OUTPUT));
    EXPECT_EQ(screen->FieldInError(), IDC_TX300_OUTPUT);
    EXPECT_EQ(screen->OutputData(), nullptr);
    EXPECT_FALSE(Enabled(IDC_TX300_CHECK));
    EXPECT_TRUE(Enabled(IDC_TX300_OUTPUT_DATA));

    SetText(IDC_TX300_OUTPUT, folder);
    Click(IDC_TX300_OUTPUT_DATA);
    EXPECT_NE(screen->OutputData(), nullptr);
    EXPECT_EQ(screen->FieldInError(), 0);
}

INSTANTIATE_TEST_SUITE_P(Checks, Tx300OutputChecks,
                         testing::Values(OutputCheckCase{"Empty", "", 42, "変換後フォルダ"},
                                         OutputCheckCase{"Blanks", " 　", 42, "変換後フォルダ"},
                                         OutputCheckCase{"ForbiddenCharacter", "~out|put", 32,
                                                         nullptr},
                                         OutputCheckCase{"Relative", "out", 17, nullptr},
                                         OutputCheckCase{"Missing", "~missing\\", 17, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

// An output that cannot write its file says so, leaves no file of this run and keeps the data
// as not output.
TEST_F(Tx300Test, AFailedOutputSaysSoAndLeavesNoFile) {
    WithDemoMasters();
    Open();
    ReadDemoFile();
    TakeShown();
    const std::string out = kortest::ScratchDirOfTest("out");
    // A folder in the way of the numbered file.
    ASSERT_TRUE(CreateDirectoryA((out + "CHIHOU_ZEI_OUT_001.TXT").c_str(), nullptr));
    SetText(IDC_TX300_OUTPUT, out);
    Click(IDC_TX300_OUTPUT_DATA);
    EXPECT_EQ(TakeShown(), (Texts{Message(18, "出力"), Message(46)}));
    EXPECT_EQ(screen->OutputData(), nullptr);
    EXPECT_FALSE(Enabled(IDC_TX300_CHECK));
    EXPECT_TRUE(Enabled(IDC_TX300_OUTPUT_DATA));
    EXPECT_EQ(GetFileAttributesA((out + "CHIHOU_ZEI_OUT_001.TXT").c_str()),
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));

    // Not output: the exit warns first.
    script.Answer(IDOK);
    script.Answer(IDCANCEL);
    Click(IDC_TX300_EXIT);
    EXPECT_EQ(TakeShown(), (Texts{Message(52), Message(1)}));
}

}  // namespace

namespace {

// A read that fails after a read and an output leaves no data set at all: both sets are gone,
// the data buttons disabled, and the exit no longer warns of data not output.
TEST_F(Tx300Test, AFailedReadLeavesNoDataSet) {
    WithDemoMasters();
    Open();
    ReadDemoFile();
    SetText(IDC_TX300_OUTPUT, kortest::ScratchDirOfTest("out"));
    Click(IDC_TX300_OUTPUT_DATA);
    ASSERT_NE(screen->OutputData(), nullptr);
    TakeShown();

    SetText(IDC_TX300_INPUT, WriteFile("empty.csv", ""));
    Click(IDC_TX300_READ);
    EXPECT_EQ(TakeShown(), (Texts{Message(18, "読込"), Message(41)}));
    EXPECT_EQ(screen->ReadData(), nullptr);
    EXPECT_EQ(screen->OutputData(), nullptr);
    for (int id : {IDC_TX300_CORRECT, IDC_TX300_CHECK, IDC_TX300_OUTPUT_DATA})
        EXPECT_FALSE(Enabled(id)) << id;
    Click(IDC_TX300_EXIT);
    EXPECT_EQ(TakeShown(), Texts{Message(1)});
}

// The requester master removed after the start: the read empties the name lines and stops.
TEST_F(Tx300Test, ARequesterGoneSinceTheStartEmptiesTheNameLines) {
    WithDemoMasters();
    Open();
    ASSERT_FALSE(Text(IDC_TX300_NAME1).empty());
    ASSERT_TRUE(DeleteFileA((folder + "mstKORTX302.ini").c_str()));
    ReadDemoFile();
    EXPECT_EQ(TakeShown(), Texts{Message(30, "依頼人情報")});
    EXPECT_EQ(Text(IDC_TX300_NAME1), "");
    EXPECT_EQ(Text(IDC_TX300_NAME2), "");
    EXPECT_EQ(screen->ReadData(), nullptr);
}

}  // namespace
