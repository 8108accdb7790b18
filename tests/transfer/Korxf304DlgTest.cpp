// Screen XF304 on its real template: the sample line read, checked and listed as the reader
// splits it, assigning its fields to the items, the checks of "更新", saving a pattern that the
// master loads again, deleting, and the question before leaving.
#include "transfer/Korxf304Dlg.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ScreenSupport.h"
#include "framework/Cp932.h"
#include "framework/FileDialogSeam.h"
#include "resources/transfer/Korxf304DlgRes.h"
#include "support/DelimScreenTest.h"
#include "support/MessageScript.h"
#include "support/TestPaths.h"
#include "transfer/PatternStore.h"

namespace {

using xftest::MessageIds;
using Ids = std::vector<int>;
using Lines = std::vector<std::string>;

constexpr int kRequired[] = {0, 2, 4, 5, 6, 7};

std::string Master() {
    xf::CDelimPattern csv;
    csv.SetField(0, "01");
    csv.SetField(2, "1");
    csv.SetField(3, "CSV1");
    csv.SetField(4, "2");
    csv.SetField(5, "[03]0001");
    csv.SetField(36, "1");
    csv.SetField(37, "1");
    csv.SetField(38, "0");
    csv.SetField(39, "1");
    xf::CFixedPattern fixed;
    fixed.SetField(0, "01");
    fixed.SetField(2, "3");
    fixed.SetField(3, "固定A");
    return xftest::PatternLine(csv) + xftest::PatternLine(fixed);
}

class Xf304Test
    : public kortest::DelimScreenTest<xf::CPatternStore, xftest::TaggedMessages, xf::CKorxf304Dlg> {
protected:
    Xf304Test() : DelimScreenTest(xf::kKorxf304Controls.screen) {}
    void SetUp() override {
        LoadMaster(Master());
        screen.SetContext(&store, &messages);
    }
    // A sample of eight fields read, each required item given the field of its own number.
    void AssignRequired() {
        ReadSample(Sample("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"j\"\r\n"));
        for (int k : kRequired) Define(k, k);
    }
    void TypeName(const char* name) {
        xftest::Type(screen.Item(IDC_XF304_NAME), kor::ToWide(name).c_str());
        xftest::Notify(hwnd, IDC_XF304_NAME, CBN_KILLFOCUS);
    }
    void SetRows(int title, int data) {
        screen.Combo(IDC_XF304_TITLE_ROWS).SetCurSel(title);
        screen.Combo(IDC_XF304_DATA_ROW).SetCurSel(data);
    }
};

TEST_F(Xf304Test, OpensWithTheSeparatedPatternsAndEveryItemUndefined) {
    Open();
    const kor::CComboView names = screen.Combo(IDC_XF304_NAME);
    ASSERT_EQ(names.GetCount(), 1);
    EXPECT_EQ(names.GetLBText(0), "CSV1");
    EXPECT_EQ(screen.Combo(IDC_XF304_TITLE_ROWS)
                  .GetLBText(screen.Combo(IDC_XF304_TITLE_ROWS).GetCurSel()),
              "1行");
    EXPECT_EQ(
        screen.Combo(IDC_XF304_DATA_ROW).GetLBText(screen.Combo(IDC_XF304_DATA_ROW).GetCurSel()),
        "2行");
    const Lines items = ListLines(IDC_XF304_ITEM_LIST);
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0], "金融機関コード  (必須) ：未定義");
    EXPECT_EQ(items[11], "振込依頼人番号  (任意) ：未定義");
    EXPECT_TRUE(screen.Button(IDC_XF304_CSV).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_XF304_GENERAL).IsChecked());
    for (int id : {IDC_XF304_DEFINE, IDC_XF304_UPDATE, IDC_XF304_DELETE, IDC_XF304_CANCEL_ALL})
        EXPECT_FALSE(screen.Window(id).IsEnabled()) << id;
    EXPECT_EQ(screen.GetItemText(IDC_XF304_VERSION), "(Ver4.11)");

    // The salary kind lists ten items.
    xftest::Click(hwnd, IDC_XF304_SALARY);
    EXPECT_EQ(ListLines(IDC_XF304_ITEM_LIST).size(), 10u);
    EXPECT_FALSE(screen.Window(IDC_XF304_ACCOUNT_TYPE_9).IsEnabled());
}

TEST_F(Xf304Test, AQuotedSampleIsListedWithoutQuotesAndAQuotedCommaStaysInItsField) {
    Open();
    ReadSample(Sample("\"abc\",\"def\",\"1,234\",x\r\nnext\r\n"));
    EXPECT_EQ(ListLines(IDC_XF304_SOURCE_LIST),
              (Lines{"[01]abc", "[02]def", "[03]1,234", "[04]x"}));
    EXPECT_EQ(screen.ListBox(IDC_XF304_SOURCE_LIST).GetCurSel(), 0);
    EXPECT_TRUE(screen.Window(IDC_XF304_DEFINE).IsEnabled());
    const LRESULT extent =
        SendMessageW(screen.Item(IDC_XF304_SOURCE_LIST), LB_GETHORIZONTALEXTENT, 0, 0);
    EXPECT_GT(extent, 5);
}

TEST_F(Xf304Test, TheLineReadIsTheLastTitleLineOrTheFirstDataLine) {
    Open();
    const std::string sample = Sample("one\r\ntwo\r\nthree\r\nfour\r\n");
    SetRows(0, 1);  // no title, data from line 2
    ReadSample(sample);
    EXPECT_EQ(ListLines(IDC_XF304_SOURCE_LIST), (Lines{"[01]two"}));
    SetRows(2, 5);  // two title lines: the second is read
    ReadSample(sample);
    EXPECT_EQ(ListLines(IDC_XF304_SOURCE_LIST), (Lines{"[01]two"}));
    xftest::Click(hwnd, IDC_XF304_TAB);
    SetRows(0, 2);
    ReadSample(Sample("a,b\tc\r\nx\r\ny\r\n"));
    EXPECT_EQ(ListLines(IDC_XF304_SOURCE_LIST), (Lines{"[01]y"}));
}

struct PathCase {
    const char* name;
    std::string (*path)(const std::string& dir);
    const char* content;  // written to dir + "sample.csv" first; null for none
    int message;
    const char* word;
};
void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class Xf304PathTest : public Xf304Test, public testing::WithParamInterface<PathCase> {};

TEST_P(Xf304PathTest, Message) {
    const PathCase& c = GetParam();
    Open();
    if (c.content) Sample(c.content);
    kortest::MessageScript script;
    ReadSample(c.path(dir));
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, messages.Text(c.message, c.word));
    EXPECT_TRUE(ListLines(IDC_XF304_SOURCE_LIST).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Xf304PathTest,
    testing::Values(PathCase{"Empty", [](const std::string&) { return std::string(); }, nullptr, 10,
                             "変換前ファイル名"},
                    PathCase{"NoFolderSeparator",
                             [](const std::string&) { return std::string("sample.csv"); }, nullptr,
                             54, "変換前ファイル名"},
                    PathCase{"EndingInASeparator", [](const std::string& d) { return d; }, nullptr,
                             54, "変換前ファイル名"},
                    PathCase{"AFolder", [](const std::string& d) { return d + "master"; }, nullptr,
                             54, "変換前ファイル名"},
                    PathCase{"MissingFile", [](const std::string& d) { return d + "none.csv"; },
                             nullptr, 5, nullptr},
                    PathCase{"MissingFolder",
                             [](const std::string& d) { return d + "none\\a.csv"; }, nullptr, 23,
                             nullptr},
                    PathCase{"SlashesTakenAsSeparators",
                             [](const std::string& d) {
                                 std::string p = d + "none/a.csv";
                                 return p;
                             },
                             nullptr, 23, nullptr},
                    PathCase{"NoLineBreak", [](const std::string& d) { return d + "sample.csv"; },
                             "a,b,c", 9, "振込明細"}),
    [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

TEST_F(Xf304Test, DefiningAssignsTheFieldAndRedefiningAsksFirst) {
    Open();
    ReadSample(Sample("\"abc\",\"def\"\r\n"));
    Define(0, 0);
    EXPECT_EQ(ListLines(IDC_XF304_ITEM_LIST)[0], "金融機関コード  (必須) ：[01]abc");
    EXPECT_EQ(screen.ListBox(IDC_XF304_SOURCE_LIST).GetCurSel(), 1);
    EXPECT_EQ(screen.ListBox(IDC_XF304_ITEM_LIST).GetCurSel(), 1);
    EXPECT_EQ(screen.Items()[0].column, 0);
    {
        kortest::MessageScript script({IDCANCEL});
        Define(1, 0);
        EXPECT_EQ(MessageIds(script.Shown()), (Ids{47}));
        EXPECT_EQ(screen.Items()[0].column, 0);
    }
    {
        kortest::MessageScript script({IDOK});
        Define(1, 0);
        EXPECT_EQ(MessageIds(script.Shown()), (Ids{47}));
        EXPECT_EQ(ListLines(IDC_XF304_ITEM_LIST)[0], "金融機関コード  (必須) ：[02]def");
        EXPECT_EQ(screen.ListBox(IDC_XF304_SOURCE_LIST).GetCurSel(), 0);  // back to the first
    }
    screen.ListBox(IDC_XF304_ITEM_LIST).SetCurSel(0);
    xftest::Click(hwnd, IDC_XF304_UNDEFINE);
    EXPECT_EQ(ListLines(IDC_XF304_ITEM_LIST)[0], "金融機関コード  (必須) ：未定義");
    EXPECT_EQ(screen.Items()[0].column, -1);
    kortest::MessageScript script;
    screen.ListBox(IDC_XF304_ITEM_LIST).SetCurSel(-1);
    xftest::Click(hwnd, IDC_XF304_DEFINE);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, "リストが未選択");
}

TEST_F(Xf304Test, BrowsingPutsTheChosenFileIntoThePathField) {
    Open();
    kor::FileDialogRequest asked;
    const std::string chosen = Sample("x\r\n");
    const kor::FileDialogHandler previous =
        kor::SetFileDialogHandler([&](const kor::FileDialogRequest& request) {
            asked = request;
            return std::optional<std::string>(chosen);
        });
    xftest::Click(hwnd, IDC_XF304_BROWSE);
    kor::SetFileDialogHandler(previous);
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(asked.filter, "ﾃｷｽﾄﾌｧｲﾙ (*.txt *.csv)|*.csv;*.txt|すべてのﾌｧｲﾙ (*.*)|*.*||");
    EXPECT_EQ(asked.defaultExt, "csv;txt");
    EXPECT_EQ(screen.GetItemText(IDC_XF304_SAMPLE_PATH), chosen);
}

TEST_F(Xf304Test, CancellingAllAssignmentsLeavesEveryItemUndefined) {
    Open();
    AssignRequired();
    ASSERT_EQ(screen.Items()[7].column, 7);
    xftest::Click(hwnd, IDC_XF304_CANCEL_ALL);
    for (const CFieldItem& item : screen.Items()) EXPECT_EQ(item.column, -1);
    const Lines items = ListLines(IDC_XF304_ITEM_LIST);
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[7], "振込金額        (必須) ：未定義");
}

TEST_F(Xf304Test, UpdateChecksInOrder) {
    Open();
    {
        kortest::MessageScript script;
        xftest::Click(hwnd, IDC_XF304_UPDATE);
        EXPECT_EQ(script.Shown()[0].text, messages.Text(10, "変換パターン"));
    }
    TypeName("固定A");
    {
        kortest::MessageScript script;
        xftest::Click(hwnd, IDC_XF304_UPDATE);
        EXPECT_EQ(script.Shown()[0].text, messages.Text(100, "「固定長パターン」"));
        EXPECT_EQ(xftest::FocusedId(hwnd), IDC_XF304_NAME);
    }
    TypeName("新規");
    ReadSample(Sample("a,b,c,d,e,f,g,h\r\n"));
    for (int k : {0, 2, 4}) Define(k, k);
    {
        kortest::MessageScript script;
        xftest::Click(hwnd, IDC_XF304_UPDATE);
        EXPECT_EQ(script.Shown()[0].text, messages.Text(45, "口座番号"));
        EXPECT_EQ(screen.ListBox(IDC_XF304_ITEM_LIST).GetCurSel(), 5);
        EXPECT_EQ(xftest::FocusedId(hwnd), IDC_XF304_ITEM_LIST);
    }
    for (int k : {5, 6, 7}) Define(k, k);
    SetRows(2, 1);  // title rows 2, data row 2
    {
        kortest::MessageScript script;
        xftest::Click(hwnd, IDC_XF304_UPDATE);
        EXPECT_EQ(MessageIds(script.Shown()), (Ids{102}));
        EXPECT_EQ(xftest::FocusedId(hwnd), IDC_XF304_DATA_ROW);
    }
    SetRows(2, 2);  // data row 3 passes
    kortest::MessageScript script({IDCANCEL});
    xftest::Click(hwnd, IDC_XF304_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3}));
}

TEST_F(Xf304Test, ASavedPatternLoadsAgainAndKeepsNoQuoteOfTheSample) {
    Open();
    TypeName("新規CSV");
    ReadSample(Sample("ab\"c,\"\"d\"\",e,f,g,h,i,j\r\n"));
    EXPECT_EQ(ListLines(IDC_XF304_SOURCE_LIST)[0], "[01]abc");
    for (int k : kRequired) Define(k, k);
    xftest::Click(hwnd, IDC_XF304_SALARY);
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF304_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3, 110}));

    xf::CPatternStore fresh;
    ASSERT_EQ(fresh.Load(path), 1);
    ASSERT_EQ(fresh.GetList().size(), 3u);
    const xf::CDelimPattern* saved = fresh.GetDelimPattern(2);
    ASSERT_NE(saved, nullptr);
    EXPECT_STREQ(saved->name, "新規CSV");
    EXPECT_STREQ(saved->kindCode, "02");
    EXPECT_EQ(saved->ColumnText(0), "0");
    EXPECT_EQ(saved->Text(0), "[01]abc");
    EXPECT_EQ(saved->Text(2), "[03]e");
    EXPECT_EQ(saved->ColumnText(1), "");
    EXPECT_STREQ(saved->titleRows, "1");
    EXPECT_STREQ(saved->dataRow, "2");
    EXPECT_EQ(screen.Combo(IDC_XF304_NAME).GetCurSel(), 1);
    EXPECT_TRUE(screen.Window(IDC_XF304_DELETE).IsEnabled());
    EXPECT_FALSE(screen.IsModified("新規CSV"));
}

TEST_F(Xf304Test, ASalaryPatternStoresItems11And12Empty) {
    Open();
    TypeName("給与");
    AssignRequired();
    Define(8, 10);
    Define(9, 11);
    xftest::Click(hwnd, IDC_XF304_SALARY);
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF304_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 110}));
    const xf::CDelimPattern* saved = store.GetDelimPattern(2);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->ColumnText(10), "");
    EXPECT_EQ(saved->Text(11), "");
}

TEST_F(Xf304Test, AFailedWriteIsReportedAndNeverCalledASuccess) {
    Open();
    TypeName("新規");
    AssignRequired();
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF304_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{3, 104}));
    EXPECT_EQ(store.GetList().size(), 2u);
}

TEST_F(Xf304Test, ChoosingAPatternShowsItAndDeletingItClearsTheScreen) {
    Open();
    screen.Combo(IDC_XF304_NAME).SetCurSel(0);
    xftest::Notify(hwnd, IDC_XF304_NAME, CBN_SELCHANGE);
    EXPECT_EQ(ListLines(IDC_XF304_ITEM_LIST)[0], "金融機関コード  (必須) ：[03]0001");
    EXPECT_EQ(screen.Combo(IDC_XF304_TITLE_ROWS).GetCurSel(), 0);
    EXPECT_EQ(screen.Combo(IDC_XF304_DATA_ROW).GetCurSel(), 0);
    xftest::Notify(hwnd, IDC_XF304_NAME, CBN_KILLFOCUS);
    EXPECT_TRUE(screen.Window(IDC_XF304_DELETE).IsEnabled());
    kortest::MessageScript script({IDOK});
    xftest::Click(hwnd, IDC_XF304_DELETE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{2}));
    xf::CPatternStore fresh;
    ASSERT_EQ(fresh.Load(path), 1);
    ASSERT_EQ(fresh.GetList().size(), 1u);
    EXPECT_EQ(screen.Combo(IDC_XF304_NAME).GetCount(), 0);
    EXPECT_EQ(ListLines(IDC_XF304_ITEM_LIST)[0], "金融機関コード  (必須) ：未定義");
    EXPECT_EQ(screen.Combo(IDC_XF304_TITLE_ROWS).GetCurSel(), 1);
    EXPECT_EQ(screen.Combo(IDC_XF304_DATA_ROW).GetCurSel(), 1);
}

TEST_F(Xf304Test, ANameLongerThanAPatternHoldsIsRefusedBeforeTheShapeCheck) {
    // Cut to the 74 bytes that a pattern holds, the typed name would be a fixed-length one's.
    std::string fixedName;
    for (int i = 0; i < 37; ++i) fixedName += "長";
    xf::CFixedPattern fixed;
    fixed.SetField(0, "01");
    fixed.SetField(2, "3");
    fixed.SetField(3, fixedName);
    LoadMaster(Master() + xftest::PatternLine(fixed));
    Open();
    TypeName((fixedName + "名").c_str());
    // Typing stops at the 74 bytes that a pattern holds: 37 of the 38 characters.
    EXPECT_EQ(screen.GetItemText(IDC_XF304_NAME).size(), 74u);
    // A longer name that gets into the field otherwise is still refused by the update.
    screen.SetItemText(IDC_XF304_NAME, fixedName + "名");
    xftest::Notify(hwnd, IDC_XF304_NAME, CBN_EDITCHANGE);
    xftest::Notify(hwnd, IDC_XF304_NAME, CBN_KILLFOCUS);
    EXPECT_EQ(screen.GetItemText(IDC_XF304_NAME).size(), 76u);
    AssignRequired();
    kortest::MessageScript script({IDCANCEL});
    xftest::Click(hwnd, IDC_XF304_UPDATE);
    ASSERT_FALSE(script.Shown().empty());
    EXPECT_EQ(script.Shown()[0].text, messages.Text(48, "変換パターン名", "74"));
    EXPECT_EQ(xftest::FocusedId(hwnd), IDC_XF304_NAME);
    EXPECT_EQ(store.GetList().size(), 3u);
}

TEST_F(Xf304Test, APatternOfNeitherKindListsTheItemsOfNoGeneralTransfer) {
    xf::CDelimPattern odd;
    odd.SetField(0, "09");
    odd.SetField(2, "1");
    odd.SetField(3, "区分外");
    odd.SetField(36, "1");
    odd.SetField(37, "1");
    odd.SetField(38, "1");
    odd.SetField(39, "2");
    LoadMaster(xftest::PatternLine(odd));
    Open();
    screen.Combo(IDC_XF304_NAME).SetCurSel(0);
    xftest::Notify(hwnd, IDC_XF304_NAME, CBN_SELCHANGE);
    EXPECT_FALSE(screen.Button(IDC_XF304_GENERAL).IsChecked());
    EXPECT_FALSE(screen.Button(IDC_XF304_SALARY).IsChecked());
    EXPECT_EQ(ListLines(IDC_XF304_ITEM_LIST).size(), 10u);
}

TEST_F(Xf304Test, LeavingWithATypedNameAsks80) {
    kortest::MessageScript script({IDCANCEL});
    const INT_PTR result = xftest::RunModal(screen, [&](HWND dialog) {
        hwnd = dialog;
        xftest::Type(screen.Item(IDC_XF304_NAME), L"新規");
        xftest::Click(dialog, IDC_XF304_BACK);
    });
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{80}));
    EXPECT_EQ(result, xftest::kStillOpen);

    kortest::MessageScript none;
    EXPECT_EQ(xftest::RunModal(screen, [](HWND dialog) { xftest::Click(dialog, IDC_XF304_BACK); }),
              IDOK);
    EXPECT_TRUE(none.Shown().empty());
}

// The demo pattern stands in its master as this screen stores it: opened and left unchanged,
// it asks nothing.
TEST_F(Xf304Test, TheDemoPatternIsStoredAsTheScreenStoresIt) {
    LoadMaster(kortest::DemoFile(KOR_XF_DEMO_DIR, "mstKORXF301.utf8"));
    screen.SetContext(&store, &messages);
    ExpectLeavingUnchangedAsksNothing(0);
}

}  // namespace
