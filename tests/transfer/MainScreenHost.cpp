#include "MainScreenHost.h"

#include <utility>

#include "ScreenSupport.h"
#include "framework/App.h"
#include "framework/Cp932.h"
#include "framework/GridClass.h"
#include "support/TestPaths.h"

namespace kortest {

namespace {

std::string CommaPattern(const char* kind, const char* kindName, const char* name,
                         const char* zeroCheck, const char* lengthCode, const char* lineBreak) {
    std::string line = std::string("\"") + kind + "\",\"" + kindName + "\",\"1\",\"" + name + "\"";
    for (int item = 0; item < 12; ++item) {
        const std::string column = item < 10 ? std::to_string(item) : "";
        line += ",\"" + column + "\",\"\"";
    }
    line += std::string(",\"") + zeroCheck +
            "\",\"1\",\"0\",\"\",\"普通\",\"当座\",\"貯蓄\",\"その他\",\"" + lengthCode + "\",\"" +
            lineBreak + "\",\"0\",\"1\"";
    return line;
}

std::string FixedPattern(const char* name, const char* recordLength) {
    // start, length of the twelve items; bank and branch names, codes and EDI not taken.
    const char* const positions[12][2] = {{"1", "4"}, {"", ""},   {"5", "3"},   {"", ""},
                                          {"8", "1"}, {"9", "7"}, {"16", "10"}, {"26", "10"},
                                          {"", ""},   {"", ""},   {"", ""},     {"", ""}};
    std::string line = std::string("\"01\",\"総合振込\",\"3\",\"") + name + "\"";
    for (const auto& p : positions) line += std::string(",\"") + p[0] + "\",\"" + p[1] + "\"";
    line += std::string(",\"1\",\"1\",\"0\",\"") + recordLength +
            "\",\"1\",\"2\",\"4\",\"9\",\"3\",\"1\",\"0\",\"1\"";
    return line;
}

}  // namespace

const std::vector<std::string> kFixturePatternLines = {
    CommaPattern("01", "総合振込", "総合カンマ", "1", "1", "1"),
    CommaPattern("02", "給与振込", "給与カンマ", "1", "2", "0"),
    FixedPattern("総合固定長", "35"),
    CommaPattern("01", "総合振込", "総合ゼロ除外", "2", "1", "1"),
    FixedPattern("長さなし", ""),
};

const std::vector<std::string> kFixtureRequesterLines = {
    "\"ﾃｽﾄｼｮｳｼﾞ(ｶ\",\"001\",\"ﾎﾝﾃﾝ\",\"1\",\"1234567\",\"テスト商事　総合\",\"0000012345\",\"1\"",
    "\"ﾃｽﾄｷﾕｳﾖ\",\"002\",\"ｼﾃﾝ\",\"1\",\"7654321\",\"テスト商事　給与\",\"0000054321\",\"2\"",
    "\"ｿﾉﾀ\",\"003\",\"ｿﾉﾀｼﾃﾝ\",\"9\",\"1111111\",\"その他口座\",\"0000011111\",\"\"",
};

const char kTwoTransfers[] =
    "0005,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,普通,1234567,ﾔﾏﾀﾞ ﾀﾛｳ,15000,C001,\r\n"
    "0009,ﾐﾂｲｽﾐﾄﾓ,210,ｼﾌﾞﾔ,当座,7654321,ｶ)ｻｸﾗｼｮｳｶｲ,320000,C002,C002B\r\n";

void MainScreenTest::SetUp() {
    kor::InitCommonControlClasses();
    kor::RegisterGridClass();
    MakeProgramFolder(KOR_XF_MESSAGE_MASTER_PATH, "mstKORXF001.ini");
    WriteMaster("mstKORXF301.ini", kFixturePatternLines);
    WriteMaster("mstKORXF302.ini", kFixtureRequesterLines);
    screen = std::make_unique<CKorxf300Dlg>(folder);
}

void MainScreenTest::TearDown() {
    screen.reset();
}

void MainScreenTest::Open() {
    ASSERT_TRUE(screen->Create());
    // Test programs run side by side on one display: none takes the foreground.
    ShowWindow(Hwnd(), SW_SHOWNA);
}

INT_PTR MainScreenTest::RunModal(std::function<void(HWND)> step) {
    return xftest::RunModal(*screen, std::move(step));
}

void MainScreenTest::SelectDate(int month, int day) const {
    Select(IDC_XF300_MONTH, month - 1);
    Select(IDC_XF300_DAY, day - 1);
}

std::string MainScreenTest::ReadFile(int pattern, int requester, const std::string& name,
                                     const std::string& bytes) {
    const std::string path = WriteFile(name, bytes);
    Select(IDC_XF300_PATTERN, pattern);
    Select(IDC_XF300_REQUESTER_LIST, requester);
    SetText(IDC_XF300_INPUT, path);
    Click(IDC_XF300_READ);
    return path;
}

}  // namespace kortest
