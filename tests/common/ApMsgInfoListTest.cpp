#include "common/base/ApMsgInfoList.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "support/MessageNumber.h"
#include "support/MessageScript.h"
#include "support/TestPaths.h"

namespace {

using kortest::WriteBytes;

constexpr DWORD kBadLine = 0x80000002;
constexpr char kUnknown[] = "設定外のメッセージIDを要求";

std::string Line(const std::string& id, const std::string& type, const std::string& icon,
                 const std::string& text) {
    return "\"" + id + "\",\"" + type + "\",\"" + icon + "\",\"" + text + "\"";
}

// A line of exactly n bytes, quotes included.
std::string LineOfBytes(size_t n) {
    const std::string frame = Line("7", "0", "16", "");
    return Line("7", "0", "16", std::string(n - frame.size(), 'a'));
}

std::string WriteMaster(const std::string& name, const std::string& content) {
    const std::string path = kortest::ScratchDirOfTest(name) + "mstKORXF001.ini";
    EXPECT_TRUE(WriteBytes(path, content));
    return path;
}

// --- The master file's format -----------------------------------------------------------------

struct LoadCase {
    const char* name;
    std::string content;
    DWORD result;
    size_t entries;  // in the table afterwards
};
void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadFormatTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadFormatTest, ResultAndEntries) {
    const LoadCase& c = GetParam();
    CApMsgInfoList table;
    EXPECT_EQ(table.Load(WriteMaster(c.name, c.content)), c.result);
    EXPECT_EQ(table.Count(), c.entries);
}

const std::string kOk1 = Line("1", "1", "32", "処理を終了します。よろしいですか？") + "\r\n";
const std::string kOk2 = Line("2", "0", "16", "%sを入力してください。") + "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadFormatTest,
    testing::Values(
        LoadCase{"EmptyFile", "", 0, 0}, LoadCase{"TwoLines", kOk1 + kOk2, 0, 2},
        LoadCase{"Line418Bytes", LineOfBytes(418) + "\r\n", 0, 1},
        LoadCase{"Line419Bytes", kOk1 + LineOfBytes(419) + "\r\n" + kOk2, kBadLine, 1},
        LoadCase{"FourthSeparator", kOk1 + Line("3", "0", "16", "a\",\"b") + "\r\n", kBadLine, 1},
        LoadCase{"ThreeFields", "\"3\",\"0\",\"16\"\r\n" + kOk1, kBadLine, 0},
        LoadCase{"EmptyLine", kOk1 + "\r\n" + kOk2, kBadLine, 1},
        LoadCase{"LastLineWithoutCrLf", kOk1 + Line("2", "0", "16", "a"), 0, 1},
        LoadCase{"OnlyLineWithoutCrLf", Line("2", "0", "16", "a"), 0, 0},
        // Saved by another editor or a version-control checkout.
        LoadCase{"LinesEndedByLfAlone",
                 Line("1", "1", "32", "a") + "\n" + Line("2", "0", "16", "b") + "\n", 0, 2},
        LoadCase{"EmptyLfLine", Line("1", "1", "32", "a") + "\n\n", kBadLine, 1},
        // In a file of CR LF lines a LF is no line end.
        LoadCase{"LfInACrLfFile", Line("1", "1", "32", "a") + "\n" + kOk2, kBadLine, 0},
        LoadCase{"TextWithCommasAndQuotes", Line("4", "0", "64", "a,b \"c\" d,\"") + "\r\n", 0, 1}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(LoadMaster, PathErrorsLeaveTheTableAsItWas) {
    CApMsgInfoList table;
    ASSERT_EQ(table.Load(WriteMaster("Errors", kOk1 + kOk2)), 0u);
    EXPECT_EQ(table.Load(""), 0x80000001u);
    EXPECT_EQ(table.Load(kortest::ScratchDirOfTest() + "none.ini"), 0x8000000Bu);
    EXPECT_EQ(table.Count(), 2u);
}

TEST(LoadMaster, ASecondLoadReplacesTheEntries) {
    CApMsgInfoList table;
    ASSERT_EQ(table.Load(WriteMaster("First", kOk1 + kOk2)), 0u);
    ASSERT_EQ(table.Load(WriteMaster("Second", Line("2", "0", "64", "後") + "\r\n")), 0u);
    EXPECT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.GetText(1), kUnknown);
    EXPECT_EQ(table.GetText(2), "後");
}

TEST(LoadMaster, FieldsReadAsLeadingIntegersAndTextVerbatim) {
    CApMsgInfoList table;
    ASSERT_EQ(table.Load(WriteMaster("Fields", Line(" 12x", "4abc", "48", "a,b \"c\" ソ表") +
                                                   "\r\n" + Line("", "z", "", "零") + "\r\n")),
              0u);
    EXPECT_EQ(table.GetText(12), "a,b \"c\" ソ表");
    EXPECT_EQ(table.GetStyle(), static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    EXPECT_EQ(table.GetText(0), "零");
    EXPECT_EQ(table.GetStyle(), 0u);
}

// --- Lookup ---------------------------------------------------------------------------------

// Lines ended by CR LF.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

const std::string kMaster = Lines({
    Line("1", "0", "16", "エラー%s"),
    Line("10", "1", "32", "%sを入力してください。"),
    Line("10", "0", "16", "二番目の10"),
    Line("11", "4", "48", "一行目\\n二行目"),
    Line("12", "5", "64", "表n ソn\\n"),
    Line("13", "3", "0", "アイコンなし"),
    Line("14", "9", "99", "範囲外"),
    Line("20", "2", "64", "%sと%sと%s"),
    Line("21", "0", "64", "100% %d %% 終了"),
    Line("10000", "0", "16", "大きすぎるID"),
});

class MessageTableTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(table.Load(WriteMaster("Lookup", kMaster)), 0u); }
    CApMsgInfoList table;
};

struct LookupCase {
    int id;
    const char* text;
    const char* caption;
    UINT style;
};
void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << "id " << c.id;
}

class LookupTest : public MessageTableTest, public testing::WithParamInterface<LookupCase> {};

TEST_P(LookupTest, TextCaptionAndStyle) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(table.GetText(c.id), c.text);
    EXPECT_EQ(table.GetCaption(), c.caption);
    EXPECT_EQ(table.GetStyle(), c.style);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupTest,
    testing::Values(LookupCase{1, "エラー%s", "エラー", MB_OK | MB_ICONERROR},
                    // The first of two lines with one id wins.
                    LookupCase{10, "%sを入力してください。", "確認", MB_OKCANCEL | MB_ICONQUESTION},
                    LookupCase{11, "一行目\n二行目", "確認", MB_YESNO | MB_ICONEXCLAMATION},
                    // "表" and "ソ" end in the byte of a backslash: no line break is made of them.
                    LookupCase{12, "表n ソn\n", "確認", MB_RETRYCANCEL | MB_ICONINFORMATION},
                    LookupCase{13, "アイコンなし", "確認", MB_YESNOCANCEL},
                    LookupCase{14, "範囲外", "確認", 0},
                    LookupCase{20, "%sと%sと%s", "確認", MB_ABORTRETRYIGNORE | MB_ICONINFORMATION}),
    [](const testing::TestParamInfo<LookupCase>& info) {
        return "Id" + std::to_string(info.param.id);
    });

TEST_F(MessageTableTest, AnUnknownIdKeepsTheCaptionAndStyleOfTheMessageBefore) {
    table.GetText(1);
    EXPECT_EQ(table.GetText(5), kUnknown);
    EXPECT_EQ(table.GetCaption(), "エラー");
    EXPECT_EQ(table.GetStyle(), static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(table.GetText(-1), kUnknown);
    EXPECT_EQ(table.GetCaption(), "エラー");
}

TEST_F(MessageTableTest, AnUnknownIdAsFirstMessageGivesAPlainConfirmation) {
    EXPECT_EQ(table.GetText(5), kUnknown);
    EXPECT_EQ(table.GetCaption(), "確認");
    EXPECT_EQ(table.GetStyle(), 0u);
}

TEST_F(MessageTableTest, IdsAbove9999AreNeverLookedUp) {
    table.GetText(10);
    for (int id : {10000, 10010, 2147483647}) {
        EXPECT_EQ(table.GetText(id), kUnknown);
        EXPECT_EQ(table.GetCaption(), "確認");
        EXPECT_EQ(table.GetStyle(), static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
    }
}

TEST(MessageTable, WithoutEntriesEveryIdIsUnknownAndTheCaptionStaysEmpty) {
    CApMsgInfoList table;
    EXPECT_EQ(table.GetText(1), kUnknown);
    EXPECT_EQ(table.GetCaption(), "");
    EXPECT_EQ(table.GetStyle(), 0u);
    EXPECT_EQ(table.FormatMessage(kortest::MessageNo(1), "x"), kUnknown);
}

// --- Inserted words -------------------------------------------------------------------------

struct FormatCase {
    const char* name;
    int id;
    std::array<const char*, 5> words;
    const char* text;
};
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class FormatTest : public MessageTableTest, public testing::WithParamInterface<FormatCase> {};

TEST_P(FormatTest, FinishedText) {
    const FormatCase& c = GetParam();
    const auto& w = c.words;
    EXPECT_EQ(table.FormatMessage(kortest::MessageNo(c.id), w[0], w[1], w[2], w[3], w[4]), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatTest,
    testing::Values(FormatCase{"OneWord", 10, {"振込金額"}, "振込金額を入力してください。"},
                    FormatCase{"ThreeWords", 20, {"a", "b", "c"}, "aとbとc"},
                    FormatCase{"FewerWordsThanPlaces", 20, {"a"}, "aとと"},
                    FormatCase{"AMissingWordBeforeAGivenOne", 20, {nullptr, "b"}, "とbと"},
                    FormatCase{"MoreWordsThanPlaces", 20, {"a", "b", "c", "d", "e"}, "aとbとc"},
                    FormatCase{"NoWordKeepsThePlaces", 20, {}, "%sと%sと%s"},
                    FormatCase{
                        "WordsAreNotFormatsThemselves", 20, {"%s", "%d", "%n"}, "%sと%dと%n"},
                    FormatCase{"OtherConversionsStayLiteral", 21, {"x"}, "100% %d %% 終了"},
                    FormatCase{"LineBreaksWithWords", 11, {"x"}, "一行目\n二行目"},
                    FormatCase{"EmptyWord", 10, {""}, "を入力してください。"},
                    FormatCase{"APathWordStaysWhole", 1, {"C:\\a\\b.ini"}, "エラーC:\\a\\b.ini"},
                    FormatCase{"UnknownIdIgnoresWords", 99, {"x"}, kUnknown},
                    FormatCase{"IdAbove9999IgnoresWords", 10000, {"x"}, kUnknown}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

// --- The message box ------------------------------------------------------------------------

TEST_F(MessageTableTest, ShowMessagePassesTextCaptionStyleAndOwnerThroughTheSeam) {
    kortest::MessageScript script({IDCANCEL, IDOK});
    const HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    EXPECT_EQ(table.ShowMessage(owner, kortest::MessageNo(10), "振込金額"), IDCANCEL);
    EXPECT_EQ(table.ShowMessage(nullptr, kortest::MessageNo(11)), IDOK);
    ASSERT_EQ(script.Shown().size(), 2u);
    const kor::MessageBoxRequest& first = script.Shown()[0];
    EXPECT_EQ(first.owner, owner);
    EXPECT_EQ(first.text, "振込金額を入力してください。");
    EXPECT_EQ(first.caption, "確認");
    EXPECT_EQ(first.style, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
    const kor::MessageBoxRequest& second = script.Shown()[1];
    EXPECT_EQ(second.owner, nullptr);
    EXPECT_EQ(second.text, "一行目\n二行目");
    EXPECT_EQ(second.style, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
}

TEST_F(MessageTableTest, ShowMessageOfAnUnknownIdShowsTheFixedText) {
    kortest::MessageScript script;
    table.ShowMessage(nullptr, kortest::MessageNo(1), "x");
    table.ShowMessage(nullptr, kortest::MessageNo(4711), "x");
    ASSERT_EQ(script.Shown().size(), 2u);
    EXPECT_EQ(script.Shown()[1].text, kUnknown);
    EXPECT_EQ(script.Shown()[1].caption, "エラー");
    EXPECT_EQ(script.Shown()[1].style, static_cast<UINT>(MB_ICONERROR));
}

}  // namespace
