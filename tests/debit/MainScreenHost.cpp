#include "MainScreenHost.h"

#include "common/base/MasterText.h"
#include "framework/App.h"
#include "framework/Cp932.h"
#include "framework/GridClass.h"
#include "support/TestPaths.h"

namespace dbtest {

namespace {

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
    MakeProgramFolder(KOR_DB_MESSAGE_MASTER_PATH, "mstKORDB001.ini");
    WriteMaster("mstKORDB301.ini", kFixturePatternLines);
    WriteMaster("mstKORDB302.ini", kFixtureConsignorLines);
    screen = std::make_unique<CTestedScreen>(folder);
}

void MainScreenTest::TearDown() {
    screen.reset();
}

void MainScreenTest::Open() {
    ASSERT_TRUE(screen->Create());
    ShowWindow(Hwnd(), SW_SHOWNA);
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
