#include "MainScreenHost.h"

#include "common/MasterText.h"
#include "framework/App.h"
#include "framework/Cp932.h"
#include "framework/GridClass.h"
#include "support/TestPaths.h"

namespace dbtest {

namespace {

using kortest::ReadBytes;
using kortest::WriteBytes;

// A comma pattern taking item k from column k.
std::string CommaPattern(const char* name, const char* lengthCode, const char* lineBreak) {
    std::vector<std::string> fields = {"03", "口座振替", "1", name};
    for (int item = 0; item < db::kItemCount; ++item) {
        fields.push_back(std::to_string(item));
        fields.push_back("");
    }
    for (const char* option : {"1", "1", "0", "", "1", "2", "3", "9"}) fields.push_back(option);
    fields.push_back(lengthCode);
    fields.push_back(lineBreak);
    fields.push_back("0");
    fields.push_back("1");
    return CMasterText::FormatFields(fields);
}

}  // namespace

const std::vector<std::string> kFixturePatternLines = {
    CommaPattern("振替カンマ", "1", "1"),
    CommaPattern("振替改行なし", "3", "0"),
};

// name, code, branch code, branch name, account type, account number, description
const std::vector<std::string> kFixtureConsignorLines = {
    "\"ｶ)ｲﾀｸｼｬ\",\"0123456789\",\"001\",\"ﾎﾝﾃﾝ\",\"1\",\"1234567\",\"委託社　普通\"",
    "\"ｶ)ﾉｳｾﾞｲ\",\"0000054321\",\"002\",\"ｼﾃﾝ\",\"3\",\"7654321\",\"委託社　納税準備\"",
    "\"ｶ)ｺﾜﾚ\",\"0000011111\",\"003\",\"本店\",\"1\",\"1111111\",\"壊れた行\"",
};

const char kTwoDebits[] =
    "0998,ｶｴﾃﾞｷﾞﾝｺｳ,123,ｼﾃﾝB,1,7654321,ﾔﾏﾀﾞ ﾊﾅｺ,1234,1,CUST-01\r\n"
    "0998,ｶｴﾃﾞｷﾞﾝｺｳ,210,ｼﾌﾞﾔ,2,1111111,ｶ)ｻｸﾗｼｮｳｶｲ,320000,0,CUST-02\r\n";

void MainScreenTest::SetUp() {
    kor::InitCommonControlClasses();
    kor::RegisterGridClass();
    folder = kortest::ScratchDirOfTest();
    const std::string master = ReadBytes(KOR_DB_MESSAGE_MASTER_PATH);
    ASSERT_FALSE(master.empty()) << KOR_DB_MESSAGE_MASTER_PATH;
    ASSERT_TRUE(WriteBytes(folder + "mstKORDB001.ini", master));
    ASSERT_EQ(m_messages.Load(folder + "mstKORDB001.ini"), 0u);
    WriteMaster("mstKORDB301.ini", kFixturePatternLines);
    WriteMaster("mstKORDB302.ini", kFixtureConsignorLines);
    screen = std::make_unique<CTestedScreen>(folder);
}

void MainScreenTest::TearDown() {
    screen.reset();
}

void MainScreenTest::WriteMaster(const std::string& name,
                                 const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    ASSERT_TRUE(WriteBytes(folder + name, bytes));
}

std::string MainScreenTest::WriteFile(const std::string& name, const std::string& bytes) const {
    const std::string path = folder + name;
    EXPECT_TRUE(WriteBytes(path, bytes)) << path;
    return path;
}

void MainScreenTest::Open() {
    ASSERT_TRUE(screen->Create());
    // Test programs run side by side on one display: none takes the foreground.
    ShowWindow(Hwnd(), SW_SHOWNA);
}

void MainScreenTest::Click(int id) const {
    SendMessageW(Item(id), BM_CLICK, 0, 0);
}

void MainScreenTest::Select(int comboId, int index) const {
    SendMessageW(Item(comboId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(comboId)));
}

void MainScreenTest::SetText(int id, const std::string& text) const {
    SetWindowTextW(Item(id), kor::ToWide(text).c_str());
}

std::string MainScreenTest::Text(int id) const {
    wchar_t text[1024] = {};
    GetWindowTextW(Item(id), text, 1024);
    return kor::ToCp932(text);
}

std::vector<std::string> MainScreenTest::ComboTexts(int id) const {
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageW(Item(id), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(text));
        texts.push_back(kor::ToCp932(text));
    }
    return texts;
}

std::string MainScreenTest::Message(int id, const char* word1, const char* word2) {
    return m_messages.FormatMessage(id, word1, word2);
}

std::vector<std::string> MainScreenTest::TakeShown() {
    std::vector<std::string> texts;
    const std::vector<kor::MessageBoxRequest>& shown = script.Shown();
    for (; m_taken < shown.size(); ++m_taken) texts.push_back(shown[m_taken].text);
    return texts;
}

std::string MainScreenTest::ReadFile(int pattern, int consignor, const std::string& name,
                                     const std::string& bytes) {
    const std::string path = WriteFile(name, bytes);
    Select(IDC_DB300_PATTERN, pattern);
    Select(IDC_DB300_CONSIGNOR_LIST, consignor);
    SetText(IDC_DB300_INPUT, path);
    Click(IDC_DB300_READ);
    return path;
}

}  // namespace dbtest
