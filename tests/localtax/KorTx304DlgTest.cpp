// Screen TX304 on its real template: the fourteen local-tax items with their marks, which follow
// the item sets as columns are assigned, the checks of "更新" with their messages and focus,
// the sample read as the local-tax reader reads a line, saving, replacing and deleting through
// the pattern store (a pattern just added too, and a master that cannot be written), leaving,
// and the main screen that opens it.
#include "localtax/KorTx304Dlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/base/MasterText.h"
#include "framework/App.h"
#include "framework/Cp932.h"
#include "localtax/ApMsgInfoList.h"
#include "localtax/ConvertEngine.h"
#include "localtax/KorTx300Dlg.h"
#include "localtax/PatternStore.h"
#include "resources/localtax/KorTx300DlgRes.h"
#include "resources/localtax/KorTx304DlgRes.h"
#include "support/DelimScreenTest.h"
#include "support/MessageScript.h"
#include "support/ScreenTest.h"
#include "support/SubScreen.h"
#include "support/TestPaths.h"

namespace {

using kortest::MessageIds;
using Ids = std::vector<int>;
using Fields = std::vector<std::string>;
using Lines = std::vector<std::string>;

constexpr char kMessageMaster[] = KOR_TX_PROGRAM_DIR "\\mstKORTX001.ini";

class TaggedMessages : public kortest::TaggedMessages {
public:
    TaggedMessages() : kortest::TaggedMessages(kMessageMaster) {
        SetFileNameWord(tx::CApMsgInfoList::kFaultMessage);
    }
};

// A separated pattern of TAB-separated lines with the salary and payment sets: items 0 to 5, 8
// and 9 from the column of their own number, zero lines skipped, 126-byte records without line
// breaks, no title line, data from line 1.
std::string DelimLine(const std::string& name) {
    Fields f = {"99", "特別徴収地方税", "02", name};
    for (int k = 0; k < tx::kItemCount; ++k) {
        const bool placed = k <= 5 || k == 8 || k == 9;
        f.push_back(placed ? std::to_string(k) : "");
        f.push_back(placed ? "[" + std::string(k < 9 ? "0" : "") + std::to_string(k + 1) + "]見本"
                           : "");
    }
    for (const char* o : {"2", "1", "", "", "1", "0", "1", "2", "0", "0", "1"}) f.push_back(o);
    return CMasterText::FormatFields(f) + "\r\n";
}

std::string FixedLine(const std::string& name) {
    Fields f = {"99", "特別徴収地方税", "03", name, "1", "6"};
    for (int i = 2; i < 2 * tx::kItemCount; ++i) f.push_back("");
    for (const char* o : {"1", "1", "", "6", "0", "0", "0", "1", "1", "1", "2"}) f.push_back(o);
    return CMasterText::FormatFields(f) + "\r\n";
}

// The mark of an item line: the label takes 28 bytes, then "(必須)" or "(任意)".
std::string MarkOf(const std::string& line) {
    return line.substr(28, 6);
}

class Tx304Test
    : public kortest::DelimScreenTest<tx::CPatternStore, TaggedMessages, tx::CKorTx304Dlg> {
protected:
    Tx304Test() : DelimScreenTest(tx::kKorTx304Controls) {}
    void SetUp() override {
        LoadMaster(FixedLine("固定A") + DelimLine("区切A"));
        screen.SetContext(&store, &messages);
    }
    void TypeName(const std::string& name) {
        kortest::Type(screen.Item(IDC_TX304_NAME), kor::ToWide(name).c_str());
        kortest::Notify(hwnd, IDC_TX304_NAME, CBN_KILLFOCUS);
    }
    // Chooses a stored pattern and leaves the name field.
    void ChooseAndLeave(int index) {
        Choose(index);
        kortest::Notify(hwnd, IDC_TX304_NAME, CBN_KILLFOCUS);
    }
    void Undefine(int item) {
        screen.ListBox(IDC_TX304_ITEM_LIST).SetCurSel(item);
        kortest::Click(hwnd, IDC_TX304_UNDEFINE);
    }
    // A new pattern named name from a sample of ten columns: the municipality code and the
    // salary and payment sets, each item from the column of its own number.
    void FillNew(const std::string& name) {
        TypeName(name);
        ReadSample(Sample("131016,ﾁﾖﾀﾞｸ,A1,1,3,12000,0,0,3,12000\r\n"));
        for (int k : {0, 4, 5, 8, 9}) Define(k, k);
    }
    Lines Marks() const {
        Lines marks;
        for (const std::string& line : ListLines(IDC_TX304_ITEM_LIST))
            marks.push_back(MarkOf(line));
        return marks;
    }
};

TEST_F(Tx304Test, OpensWithTheSeparatedPatternsAndTheFourteenItemsUndefined) {
    Open();
    const kor::CComboView names = screen.Combo(IDC_TX304_NAME);
    ASSERT_EQ(names.GetCount(), 1);
    EXPECT_EQ(names.GetLBText(0), "区切A");
    EXPECT_EQ(screen.GetItemText(IDC_TX304_VERSION), "(Ver4.01)");
    // Every label is padded to 28 bytes, 37 with its mark.
    const Lines items = ListLines(IDC_TX304_ITEM_LIST);
    EXPECT_EQ(items, (Lines{"市区町村コード              (必須) ：未定義",
                            "市区町村名                  (任意) ：未定義",
                            "指定番号                    (任意) ：未定義",
                            "異動                        (任意) ：未定義",
                            "給与税件数                  (任意) ：未定義",
                            "給与税額                    (任意) ：未定義",
                            "退職税件数                  (任意) ：未定義",
                            "退職税額                    (任意) ：未定義",
                            "納入件数                    (任意) ：未定義",
                            "納税額                      (任意) ：未定義",
                            "退職明細退職人員            (任意) ：未定義",
                            "退職明細退職手当等支払金額  (任意) ：未定義",
                            "退職明細市区町村民税額      (任意) ：未定義",
                            "退職明細都道府県民税額      (任意) ：未定義"}));
    for (const std::string& line : items) EXPECT_EQ(line.size(), 37u + 6u) << line;
    EXPECT_EQ(screen.ListBox(IDC_TX304_ITEM_LIST).GetCurSel(), 0);

    const kor::CComboView titles = screen.Combo(IDC_TX304_TITLE_ROWS);
    ASSERT_EQ(titles.GetCount(), 11);
    EXPECT_EQ(titles.GetLBText(0), "なし");
    EXPECT_EQ(titles.GetLBText(10), "10行");
    EXPECT_EQ(screen.Combo(IDC_TX304_DATA_ROW).GetLBText(10), "11行");
    EXPECT_EQ(titles.GetCurSel(), 1);
    EXPECT_EQ(screen.Combo(IDC_TX304_DATA_ROW).GetCurSel(), 1);
    for (int id : {IDC_TX304_CSV, IDC_TX304_ZERO_ERROR, IDC_TX304_BLANK_ERROR, IDC_TX304_OUTPUT_120,
                   IDC_TX304_LINE_BREAK})
        EXPECT_TRUE(screen.Button(id).IsChecked()) << id;
    // Without an item set in use the zero and blank choices are closed.
    for (int id : {IDC_TX304_ZERO_ERROR, IDC_TX304_ZERO_SKIP, IDC_TX304_BLANK_ERROR,
                   IDC_TX304_BLANK_SKIP, IDC_TX304_ZERO_GROUP, IDC_TX304_BLANK_GROUP,
                   IDC_TX304_DEFINE, IDC_TX304_UPDATE, IDC_TX304_DELETE, IDC_TX304_CANCEL_ALL})
        EXPECT_FALSE(screen.Window(id).IsEnabled()) << id;
}

TEST_F(Tx304Test, ChoosingAPatternShowsItWithTheMarksOfItsSets) {
    Open();
    ChooseAndLeave(0);
    const Lines items = ListLines(IDC_TX304_ITEM_LIST);
    ASSERT_EQ(items.size(), 14u);
    EXPECT_EQ(items[5], "給与税額                    (必須) ：[06]見本");
    EXPECT_EQ(items[6], "退職税件数                  (任意) ：未定義");
    EXPECT_EQ(Marks(),
              (Lines{"(必須)", "(任意)", "(任意)", "(任意)", "(必須)", "(必須)", "(任意)", "(任意)",
                     "(必須)", "(必須)", "(任意)", "(任意)", "(任意)", "(任意)"}));
    EXPECT_EQ(screen.Items()[9].column, 9);
    for (int id : {IDC_TX304_TAB, IDC_TX304_ZERO_SKIP, IDC_TX304_BLANK_ERROR, IDC_TX304_OUTPUT_126,
                   IDC_TX304_NO_LINE_BREAK})
        EXPECT_TRUE(screen.Button(id).IsChecked()) << id;
    EXPECT_EQ(screen.Combo(IDC_TX304_TITLE_ROWS).GetCurSel(), 0);
    EXPECT_EQ(screen.Combo(IDC_TX304_DATA_ROW).GetCurSel(), 0);
    EXPECT_TRUE(screen.Window(IDC_TX304_ZERO_SKIP).IsEnabled());
    EXPECT_TRUE(screen.Window(IDC_TX304_BLANK_GROUP).IsEnabled());
    EXPECT_TRUE(screen.Window(IDC_TX304_DELETE).IsEnabled());
    EXPECT_FALSE(screen.IsModified("区切A"));
}

// The marks after defining (item >= 0) or undefining (~item) columns in turn: an item set is
// required as a whole once one of its items has a column, the payment set also while the
// salary or the retirement set is in use.
struct MarkCase {
    const char* name;
    std::vector<int> steps;
    std::vector<int> required;  // beside the municipality code
};
void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << c.name;
}

class Tx304MarkTest : public Tx304Test, public testing::WithParamInterface<MarkCase> {};

TEST_P(Tx304MarkTest, MarksAndChoices) {
    const MarkCase& c = GetParam();
    Open();
    ReadSample(Sample("1,2,3,4,5,6,7,8,9,10,11,12,13,14\r\n"));
    for (int step : c.steps) {
        if (step >= 0) {
            Define(step, step);
        } else {
            Undefine(~step);
        }
    }
    Lines expected(14, "(任意)");
    expected[0] = "(必須)";
    for (int k : c.required) expected[static_cast<size_t>(k)] = "(必須)";
    EXPECT_EQ(Marks(), expected);
    const bool open = !c.required.empty();
    for (int id : {IDC_TX304_ZERO_ERROR, IDC_TX304_ZERO_SKIP, IDC_TX304_BLANK_ERROR,
                   IDC_TX304_BLANK_SKIP, IDC_TX304_ZERO_GROUP, IDC_TX304_BLANK_GROUP})
        EXPECT_EQ(screen.Window(id).IsEnabled(), open) << id;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Tx304MarkTest,
    testing::Values(MarkCase{"NoSet", {0, 1, 2, 3}, {}},
                    MarkCase{"OneSalaryItem", {5}, {4, 5, 8, 9}},
                    MarkCase{"RetireesAloneMarksTheRetirementAndPaymentSets",
                             {10},
                             {6, 7, 8, 9, 10, 11, 12, 13}},
                    MarkCase{"PaymentAlone", {9}, {8, 9}},
                    MarkCase{"LastRetirementItemUndefined", {10, ~10}, {}},
                    MarkCase{"SalaryKeepsThePaymentSet", {4, 10, ~10}, {4, 5, 8, 9}},
                    MarkCase{"PaymentItemKeepsItsSet", {10, 8, ~10}, {8, 9}},
                    MarkCase{"SalaryUndefinedLeavesThePaymentItemsRequired", {4, 9, ~4}, {8, 9}}),
    [](const testing::TestParamInfo<MarkCase>& info) { return std::string(info.param.name); });

TEST_F(Tx304Test, CancellingAllAssignmentsClearsTheMarksAndClosesTheChoices) {
    Open();
    FillNew("新規");
    kortest::Click(hwnd, IDC_TX304_CANCEL_ALL);
    const Lines marks = Marks();
    EXPECT_EQ(Lines(marks.begin() + 1, marks.end()), Lines(13, "(任意)"));
    EXPECT_FALSE(screen.Window(IDC_TX304_ZERO_SKIP).IsEnabled());
    EXPECT_EQ(screen.Items()[4].column, -1);
}

// The checks of "更新" in their order, each from a form that passes all the earlier ones.
struct CheckCase {
    const char* name;
    std::function<void(Tx304Test&)> change;  // made after FillNew("新規")
    int message;                             // the first box shown; every question declined
    const char* word1;
    const char* word2;
    int inError;   // the control in error, 0 for none
    int selected;  // the item then selected in the item list, -1 when not checked
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class Tx304CheckTest : public Tx304Test, public testing::WithParamInterface<CheckCase> {
public:
    void SetName(const char* name) { screen.SetItemText(IDC_TX304_NAME, name); }
    void Rows(int titles, int data) {
        screen.Combo(IDC_TX304_TITLE_ROWS).SetCurSel(titles);
        screen.Combo(IDC_TX304_DATA_ROW).SetCurSel(data);
    }
    using Tx304Test::Define;
    using Tx304Test::Undefine;
};

TEST_P(Tx304CheckTest, MessageAndFocus) {
    const CheckCase& c = GetParam();
    Open();
    FillNew("新規");
    c.change(*this);
    kortest::MessageScript script({IDCANCEL});
    kortest::Click(hwnd, IDC_TX304_UPDATE);
    ASSERT_FALSE(script.Shown().empty());
    EXPECT_EQ(script.Shown()[0].text, messages.Text(c.message, c.word1, c.word2));
    EXPECT_EQ(screen.FieldInError(), c.inError);
    if (c.inError != 0) {
        EXPECT_EQ(kortest::FocusedId(hwnd), c.inError);
    }
    if (c.selected >= 0) {
        EXPECT_EQ(screen.ListBox(IDC_TX304_ITEM_LIST).GetCurSel(), c.selected);
    }
    EXPECT_EQ(StoredLines().size(), 2u);
}

using T = Tx304CheckTest;

INSTANTIATE_TEST_SUITE_P(
    Cases, Tx304CheckTest,
    testing::Values(
        CheckCase{"EmptyName", [](auto& t) { static_cast<T&>(t).SetName(""); }, 7, "変換パターン",
                  nullptr, IDC_TX304_NAME, -1},
        CheckCase{"NameOfAFixedLengthPattern", [](auto& t) { static_cast<T&>(t).SetName("固定A"); },
                  81, "「固定長パターン」", nullptr, IDC_TX304_NAME, -1},
        CheckCase{"CommaInName", [](auto& t) { static_cast<T&>(t).SetName("a,b"); }, 85, nullptr,
                  nullptr, IDC_TX304_NAME, -1},
        CheckCase{"MunicipalityCodeUnassigned", [](auto& t) { static_cast<T&>(t).Undefine(0); }, 35,
                  "市区町村コード", nullptr, IDC_TX304_ITEM_LIST, 0},
        CheckCase{"SalaryTaxAmountUnassigned", [](auto& t) { static_cast<T&>(t).Undefine(5); }, 35,
                  "給与税額", nullptr, IDC_TX304_ITEM_LIST, 5},
        CheckCase{"TaxPaidUnassignedWhileTheSalarySetIsInUse",
                  [](auto& t) { static_cast<T&>(t).Undefine(9); }, 35, "納税額", nullptr,
                  IDC_TX304_ITEM_LIST, 9},
        // One retirement item brings in the whole set: the first one without a column is named.
        CheckCase{"RetirementSetBroughtInByOneItem",
                  [](auto& t) { static_cast<T&>(t).Define(0, 11); }, 35, "退職税件数", nullptr,
                  IDC_TX304_ITEM_LIST, 6},
        CheckCase{"PaymentSetAlone",
                  [](auto& t) {
                      static_cast<T&>(t).Undefine(4);
                      static_cast<T&>(t).Undefine(5);
                  },
                  80, "定義", nullptr, IDC_TX304_ITEM_LIST, 4},
        CheckCase{"TitleRows2DataRow2", [](auto& t) { static_cast<T&>(t).Rows(2, 1); }, 83, nullptr,
                  nullptr, IDC_TX304_DATA_ROW, -1},
        // The data row after the title rows passes: the save then asks before adding.
        CheckCase{"TitleRows2DataRow3", [](auto& t) { static_cast<T&>(t).Rows(2, 2); }, 3, nullptr,
                  nullptr, 0, -1}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

// The line of the sample file that is read: the last title line, or the data line when there
// is none.
struct RowCase {
    const char* name;
    int titles;  // position in the title-row list
    int data;    // position in the data-row list
    const char* first;
};
void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class Tx304RowTest : public Tx304Test, public testing::WithParamInterface<RowCase> {};

TEST_P(Tx304RowTest, LineRead) {
    const RowCase& c = GetParam();
    Open();
    screen.Combo(IDC_TX304_TITLE_ROWS).SetCurSel(c.titles);
    screen.Combo(IDC_TX304_DATA_ROW).SetCurSel(c.data);
    ReadSample(Sample("line1,a\r\nline2,b\r\nline3,c\r\nline4,d\r\n"));
    const Lines sources = ListLines(IDC_TX304_SOURCE_LIST);
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_EQ(sources[0], c.first);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Tx304RowTest,
    testing::Values(RowCase{"NoTitleDataRow3", 0, 2, "[01]line3"},
                    RowCase{"TwoTitleRowsWhateverTheDataRow", 2, 5, "[01]line2"},
                    RowCase{"OneTitleRow", 1, 1, "[01]line1"}),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

TEST_F(Tx304Test, TheSampleIsSplitAsTheReaderSplitsALine) {
    Open();
    ReadSample(Sample("\"131016\",\"ﾁﾖﾀﾞ,ｸ\",\"A-1\",1\r\nnext\r\n"));
    EXPECT_EQ(ListLines(IDC_TX304_SOURCE_LIST),
              (Lines{"[01]131016", "[02]ﾁﾖﾀﾞ,ｸ", "[03]A-1", "[04]1"}));
    EXPECT_TRUE(screen.Window(IDC_TX304_DEFINE).IsEnabled());
    EXPECT_EQ(screen.ListBox(IDC_TX304_SOURCE_LIST).GetCurSel(), 0);

    // A column assigned from the sample is the column the reader takes for the item.
    Define(1, 1);
    EXPECT_EQ(screen.Items()[1].column, 1);
    EXPECT_EQ(screen.Items()[1].text, "[02]ﾁﾖﾀﾞ,ｸ");

    // The space separator.
    screen.CheckRadio(IDC_TX304_CSV, IDC_TX304_SPACE, IDC_TX304_SPACE);
    ReadSample(Sample("131016 \"ﾁﾖﾀﾞ ｸ\" 1\r\n"));
    EXPECT_EQ(ListLines(IDC_TX304_SOURCE_LIST), (Lines{"[01]131016", "[02]ﾁﾖﾀﾞ ｸ", "[03]1"}));
}

TEST_F(Tx304Test, ASampleThatCannotBeReadIsReportedAndListsNothing) {
    Open();
    {
        kortest::MessageScript script;
        ReadSample(Sample("no line break"));
        ASSERT_EQ(script.Shown().size(), 1u);
        EXPECT_EQ(script.Shown()[0].text, messages.Text(6, "地方税明細"));
        EXPECT_TRUE(ListLines(IDC_TX304_SOURCE_LIST).empty());
    }
    {
        // No path: message 42, the path field in error and focused.
        kortest::MessageScript script;
        ReadSample("");
        ASSERT_EQ(script.Shown().size(), 1u);
        EXPECT_EQ(script.Shown()[0].text, messages.Text(42, "変換前ファイル名"));
        EXPECT_EQ(screen.FieldInError(), IDC_TX304_SAMPLE_PATH);
        EXPECT_EQ(kortest::FocusedId(hwnd), IDC_TX304_SAMPLE_PATH);
    }
    {
        // A missing file is refused by the tool's path check with its own message.
        kortest::MessageScript script;
        ReadSample(dir + "missing.csv");
        ASSERT_EQ(script.Shown().size(), 1u);
        EXPECT_EQ(kortest::MessageId(script.Shown()[0]), 4);
        EXPECT_EQ(screen.FieldInError(), 0);
    }
}

// The screen without the path check, as when a file goes between the check and the read.
class UncheckedTx304 : public tx::CKorTx304Dlg {
public:
    using CKorTx304Dlg::CKorTx304Dlg;

private:
    bool CheckSamplePath(const std::string&) override { return true; }
};

class Tx304OpenErrorTest
    : public kortest::DelimScreenTest<tx::CPatternStore, TaggedMessages, UncheckedTx304> {
protected:
    Tx304OpenErrorTest() : DelimScreenTest(tx::kKorTx304Controls) {}
    void SetUp() override {
        LoadMaster(DelimLine("区切A"));
        screen.SetContext(&store, &messages);
    }
};

TEST_F(Tx304OpenErrorTest, AFileTheReaderCannotOpenShowsTheOpenError) {
    Open();
    kortest::MessageScript script;
    ReadSample(dir + "missing.csv");
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, "オープンエラー");
    EXPECT_TRUE(ListLines(IDC_TX304_SOURCE_LIST).empty());
}

TEST(TaxSampleLine, StatusesInTheReadersNumbers) {
    const std::string dir = kortest::ScratchDirOfTest();
    ASSERT_TRUE(kortest::WriteBytes(dir + "s.csv", "a,b\r\nc,\"d\"\r\n"));
    ASSERT_TRUE(kortest::WriteBytes(dir + "n.csv", "a,b"));
    const tx::CConvertEngine engine;
    int status = -1;
    EXPECT_EQ(engine.ReadSampleLine(dir + "s.csv", &status, 2), "c,\"d\"");
    EXPECT_EQ(status, tx::kTaxReadOk);
    EXPECT_EQ(engine.ReadSampleLine(dir + "n.csv", &status, 1), "");
    EXPECT_EQ(status, kSampleNoLineBreak);
    EXPECT_EQ(engine.ReadSampleLine(dir + "missing.csv", &status, 1), "");
    EXPECT_EQ(status, tx::kTaxReadCannotOpen);
}

TEST_F(Tx304Test, ANewPatternIsStoredAsALocalTaxLineWithItsSetFlags) {
    Open();
    FillNew("新規");
    screen.CheckRadio(IDC_TX304_CSV, IDC_TX304_SPACE, IDC_TX304_CSV);
    screen.CheckRadio(IDC_TX304_OUTPUT_120, IDC_TX304_OUTPUT_128, IDC_TX304_OUTPUT_128);
    screen.CheckRadio(IDC_TX304_BLANK_ERROR, IDC_TX304_BLANK_SKIP, IDC_TX304_BLANK_SKIP);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_TX304_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 50}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(50, "パターン情報", "「ファイル読込」"));

    const Lines lines = StoredLines();
    ASSERT_EQ(lines.size(), 3u);
    // 43 fields: kind, kind name, separator, name, fourteen column and text pairs, zero and
    // blank handling, an empty data format and record length, the salary, retirement and
    // payment flags, output length, line break, title rows and data row.
    EXPECT_EQ(lines[2],
              "\"99\",\"特別徴収地方税\",\"01\",\"新規\",\"0\",\"[01]131016\",\"\",\"\",\"\",\"\","
              "\"\",\"\",\"4\",\"[05]3\",\"5\",\"[06]12000\",\"\",\"\",\"\",\"\",\"8\",\"[09]3\","
              "\"9\",\"[10]12000\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"1\",\"2\",\"\",\"\","
              "\"1\",\"0\",\"1\",\"3\",\"1\",\"1\",\"2\"");
    EXPECT_EQ(screen.Combo(IDC_TX304_NAME).GetCount(), 2);
    EXPECT_EQ(screen.Combo(IDC_TX304_NAME).GetCurSel(), 1);
    EXPECT_FALSE(screen.IsModified("新規"));

    // The reader takes the stored pattern with its sets.
    const tx::CDelimPattern* stored = store.GetDelimPattern(2);
    ASSERT_NE(stored, nullptr);
    EXPECT_TRUE(stored->UsesItemSet(tx::kSalarySet));
    EXPECT_FALSE(stored->UsesItemSet(tx::kRetirementSet));
    EXPECT_TRUE(stored->UsesItemSet(tx::kPaymentSet));
}

TEST_F(Tx304Test, APatternJustAddedIsReplacedAndDeletedOnItsOwnLine) {
    Open();
    FillNew("新規");
    const Lines before = StoredLines();
    {
        kortest::MessageScript script({IDOK});
        kortest::Click(hwnd, IDC_TX304_UPDATE);
        ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 50}));
    }
    // Saved again at once: asked as a replacement, written over the line it was added as.
    screen.CheckRadio(IDC_TX304_LINE_BREAK, IDC_TX304_NO_LINE_BREAK, IDC_TX304_NO_LINE_BREAK);
    {
        kortest::MessageScript script({IDOK});
        kortest::Click(hwnd, IDC_TX304_UPDATE);
        ASSERT_EQ(MessageIds(script.Shown()), (Ids{11, 50}));
    }
    Lines lines = StoredLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 2), before);
    const tx::CDelimPattern* replaced = store.GetDelimPattern(2);
    ASSERT_NE(replaced, nullptr);
    EXPECT_STREQ(replaced->name, "新規");
    EXPECT_STREQ(replaced->lineBreakCode, "0");

    // Deleted: its own line goes, the others stay.
    {
        kortest::MessageScript script({IDOK});
        kortest::Click(hwnd, IDC_TX304_DELETE);
        ASSERT_EQ(MessageIds(script.Shown()), (Ids{2}));
    }
    EXPECT_EQ(StoredLines(), before);
    ASSERT_EQ(screen.Combo(IDC_TX304_NAME).GetCount(), 1);
    EXPECT_EQ(screen.Combo(IDC_TX304_NAME).GetLBText(0), "区切A");
    EXPECT_FALSE(screen.Window(IDC_TX304_ZERO_SKIP).IsEnabled());
    EXPECT_TRUE(ListLines(IDC_TX304_SOURCE_LIST).empty());
}

TEST_F(Tx304Test, AFailedSaveIsReportedAndNeverCalledASuccess) {
    Open();
    FillNew("新規");
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_TX304_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 47}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(47, "KorTx304Dlg", "更新処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
    EXPECT_EQ(screen.Combo(IDC_TX304_NAME).GetCount(), 1);
}

TEST_F(Tx304Test, AFailedDeleteIsReportedAndKeepsThePattern) {
    Open();
    ChooseAndLeave(0);
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_TX304_DELETE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{2, 47}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(47, "KorTx304Dlg", "削除処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
    EXPECT_EQ(screen.Combo(IDC_TX304_NAME).GetCount(), 1);
}

// The demo pattern stands in its master as this screen stores it: opened and left unchanged,
// it asks nothing.
TEST_F(Tx304Test, TheDemoPatternIsStoredAsTheScreenStoresIt) {
    LoadMaster(kortest::ReadBytes(std::string(KOR_TX_DEMO_DIR) + "\\mstKORTX301.ini"));
    screen.SetContext(&store, &messages);
    ExpectLeavingUnchangedAsksNothing(0);
}

TEST_F(Tx304Test, LeavingWithAChangedPatternAsks56) {
    ExpectLeavingAChangedPatternAsks(0, 56);
}

// The main screen opens TX304 and lists the pattern saved there at once.
class Tx300DelimPatternTest : public kortest::ScreenTest {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        MakeProgramFolder(kMessageMaster, "mstKORTX001.ini");
        WriteMaster("mstKORTX301.ini",
                    {FixedLine("固定A").substr(0, FixedLine("固定A").size() - 2)});
    }
    void TearDown() override { screen.reset(); }
    HWND Hwnd() const override { return screen->GetSafeHwnd(); }

    std::unique_ptr<CKorTx300Dlg> screen;
};

TEST_F(Tx300DelimPatternTest, APatternSavedOnTx304IsListedOnTheMainScreen) {
    screen = std::make_unique<CKorTx300Dlg>(folder);
    ASSERT_TRUE(screen->Create());
    ShowWindow(Hwnd(), SW_SHOWNA);
    const std::string sample = WriteFile("sample.csv", "131016,ﾁﾖﾀﾞｸ\r\n");
    const auto save = [&sample](HWND dialog) {
        kortest::Type(GetDlgItem(dialog, IDC_TX304_NAME), L"新しいカンマ");
        kortest::Notify(dialog, IDC_TX304_NAME, CBN_KILLFOCUS);
        SetDlgItemTextW(dialog, IDC_TX304_SAMPLE_PATH, kor::ToWide(sample).c_str());
        kortest::Click(dialog, IDC_TX304_READ);
        SendDlgItemMessageW(dialog, IDC_TX304_SOURCE_LIST, LB_SETCURSEL, 0, 0);
        SendDlgItemMessageW(dialog, IDC_TX304_ITEM_LIST, LB_SETCURSEL, 0, 0);
        kortest::Click(dialog, IDC_TX304_DEFINE);
        kortest::Click(dialog, IDC_TX304_UPDATE);
        PostMessageW(GetDlgItem(dialog, IDC_TX304_BACK), BM_CLICK, 0, 0);
    };
    ASSERT_EQ(kortest::SubScreen::Run(Hwnd(), IDC_TX300_DELIM_PATTERN, IDC_TX304_ITEM_LIST, save),
              1);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{
                               Message(3), Message(50, "パターン情報", "「ファイル読込」")}));
    const HWND combo = Item(IDC_TX300_PATTERN);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    wchar_t text[64] = {};
    SendMessageW(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(kor::ToCp932(text), "新しいカンマ");
}

}  // namespace
