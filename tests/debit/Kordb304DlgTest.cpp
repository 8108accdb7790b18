// Screen DB304 on its real template: the ten direct-debit items, a stored pattern shown (the
// hidden type-9 row too), the checks of "更新" with their messages and focus on the
// direct-debit ids, the sample split as the direct-debit reader splits it, saving, replacing
// and deleting through the pattern store (also when the master cannot be written), and leaving.
#include "debit/Kordb304Dlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DebitScreenSupport.h"
#include "common/base/MasterText.h"
#include "debit/PatternStore.h"
#include "framework/Cp932.h"
#include "resources/debit/Kordb304DlgRes.h"
#include "support/DelimScreenTest.h"
#include "support/MessageScript.h"
#include "support/TestPaths.h"

namespace {

using kortest::MessageIds;
using Ids = std::vector<int>;
using Fields = std::vector<std::string>;
using Lines = std::vector<std::string>;

constexpr int kRequired[] = {0, 2, 4, 5, 6, 7};

// A separated pattern of space-separated lines: item k from column k + 1, the codes of all four
// account types, 126-byte records without line breaks, no title line, data from line 1.
std::string DelimLine(const std::string& name) {
    Fields f = {"03", "口座振込", "04", name};
    for (int k = 0; k < db::kItemCount; ++k) {
        f.push_back(std::to_string(k + 1));
        f.push_back("[0" + std::to_string(k + 2) + "]見本");
    }
    for (const char* o : {"2", "1", "", "", "ﾌﾂｳ", "ﾄｳｻﾞ", "ﾉｳｾﾞｲ", "ｿﾉﾀ", "2", "0", "0", "1"})
        f.push_back(o);
    return CMasterText::FormatFields(f) + "\r\n";
}

std::string FixedLine(const std::string& name) {
    Fields f = {"03", "口座振込", "03", name};
    for (int i = 0; i < 2 * db::kItemCount; ++i) f.push_back("");
    for (const char* o : {"1", "1", "", "75", "", "", "", "", "1", "1", "1", "2"}) f.push_back(o);
    return CMasterText::FormatFields(f) + "\r\n";
}

class Db304Test
    : public kortest::DelimScreenTest<db::CPatternStore, dbtest::TaggedMessages, db::CKordb304Dlg> {
protected:
    Db304Test() : DelimScreenTest(db::kKordb304Controls) {}
    void SetUp() override {
        LoadMaster(FixedLine("固定A") + DelimLine("区切A"));
        screen.SetContext(&store, &messages);
    }
    void TypeName(const std::string& name) {
        kortest::Type(screen.Item(IDC_DB304_NAME), kor::ToWide(name).c_str());
        kortest::Notify(hwnd, IDC_DB304_NAME, CBN_KILLFOCUS);
    }
    // A new pattern named name with every required item given the field of its own number.
    void FillNew(const std::string& name) {
        TypeName(name);
        ReadSample(Sample("0998,ｷﾞﾝｺｳ,001,ｼﾃﾝ,1,1234567,ﾔﾏﾀﾞ,1000,1,C01\r\n"));
        for (int k : kRequired) Define(k, k);
    }
};

TEST_F(Db304Test, OpensWithTheSeparatedPatternsAndTheTenDebitItemsUndefined) {
    Open();
    const kor::CComboView names = screen.Combo(IDC_DB304_NAME);
    ASSERT_EQ(names.GetCount(), 1);
    EXPECT_EQ(names.GetLBText(0), "区切A");
    EXPECT_EQ(screen.GetItemText(IDC_DB304_VERSION), "(Ver4.11)");
    // Every label is padded to 22 bytes with its mark.
    EXPECT_EQ(ListLines(IDC_DB304_ITEM_LIST),
              (Lines{"引落銀行番号 (必須) ：未定義", "引落銀行名   (任意) ：未定義",
                     "引落支店番号 (必須) ：未定義", "引落支店名   (任意) ：未定義",
                     "科目コード   (必須) ：未定義", "口座番号     (必須) ：未定義",
                     "口座名(ｶﾅ)   (必須) ：未定義", "引落金額     (必須) ：未定義",
                     "新規コード   (任意) ：未定義", "顧客番号     (任意) ：未定義"}));
    for (int id : {IDC_DB304_CSV, IDC_DB304_ZERO_ERROR, IDC_DB304_BLANK_ERROR, IDC_DB304_OUTPUT_120,
                   IDC_DB304_LINE_BREAK})
        EXPECT_TRUE(screen.Button(id).IsChecked()) << id;
    EXPECT_EQ(screen.Combo(IDC_DB304_TITLE_ROWS).GetCurSel(), 1);
    EXPECT_EQ(screen.Combo(IDC_DB304_DATA_ROW).GetCurSel(), 1);
    for (int id : {IDC_DB304_DEFINE, IDC_DB304_UPDATE, IDC_DB304_DELETE, IDC_DB304_CANCEL_ALL})
        EXPECT_FALSE(screen.Window(id).IsEnabled()) << id;
    EXPECT_FALSE(IsWindowVisible(screen.Item(IDC_DB304_ACCOUNT_TYPE_9)));
}

TEST_F(Db304Test, ChoosingAPatternShowsItWithTheHiddenType9Code) {
    Open();
    Choose(0);
    const Lines items = ListLines(IDC_DB304_ITEM_LIST);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0], "引落銀行番号 (必須) ：[02]見本");
    EXPECT_EQ(screen.Items()[9].column, 10);
    EXPECT_TRUE(screen.Button(IDC_DB304_SPACE).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_DB304_ZERO_SKIP).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_DB304_OUTPUT_126).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_DB304_NO_LINE_BREAK).IsChecked());
    EXPECT_EQ(screen.GetItemText(IDC_DB304_ACCOUNT_TYPE_3), "ﾉｳｾﾞｲ");
    EXPECT_EQ(screen.GetItemText(IDC_DB304_ACCOUNT_TYPE_9), "ｿﾉﾀ");
    EXPECT_EQ(screen.Combo(IDC_DB304_TITLE_ROWS).GetCurSel(), 0);
    EXPECT_EQ(screen.Combo(IDC_DB304_DATA_ROW).GetCurSel(), 0);
    kortest::Notify(hwnd, IDC_DB304_NAME, CBN_KILLFOCUS);
    EXPECT_TRUE(screen.Window(IDC_DB304_DELETE).IsEnabled());
    EXPECT_FALSE(screen.IsModified("区切A"));
}

TEST_F(Db304Test, TheSampleIsSplitAsTheReaderSplitsADebitLine) {
    Open();
    ReadSample(Sample("\"0998\",\"ｶｴﾃﾞ,ｷﾞﾝｺｳ\",123,\"a\"\"b\"\r\nnext\r\n"));
    EXPECT_EQ(ListLines(IDC_DB304_SOURCE_LIST),
              (Lines{"[01]0998", "[02]ｶｴﾃﾞ,ｷﾞﾝｺｳ", "[03]123", "[04]ab"}));
    EXPECT_TRUE(screen.Window(IDC_DB304_DEFINE).IsEnabled());

    kortest::MessageScript script;
    ReadSample(Sample("no line break"));
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, messages.Text(9, "振込明細"));
    EXPECT_TRUE(ListLines(IDC_DB304_SOURCE_LIST).empty());
}

// The checks of "更新" in their order, each from a form that passes all the earlier ones.
struct CheckCase {
    const char* name;
    std::function<void(kor::CDialogBase&)> change;  // made after FillNew("新規")
    int message;                                    // the first box shown; every question declined
    const char* word1;
    const char* word2;
    int inError;   // the control in error, 0 for none
    int selected;  // the item then selected in the item list, -1 when not checked
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

void SetName(kor::CDialogBase& s, const char* name) {
    s.SetItemText(IDC_DB304_NAME, name);
}

class Db304CheckTest : public Db304Test, public testing::WithParamInterface<CheckCase> {};

TEST_P(Db304CheckTest, MessageAndFocus) {
    const CheckCase& c = GetParam();
    Open();
    FillNew("新規");
    c.change(screen);
    kortest::MessageScript script({IDCANCEL});
    kortest::Click(hwnd, IDC_DB304_UPDATE);
    ASSERT_FALSE(script.Shown().empty());
    EXPECT_EQ(script.Shown()[0].text, messages.Text(c.message, c.word1, c.word2));
    EXPECT_EQ(screen.FieldInError(), c.inError);
    if (c.inError != 0 && IsWindowVisible(screen.Item(c.inError))) {
        EXPECT_EQ(kortest::FocusedId(hwnd), c.inError);
    }
    if (c.selected >= 0) {
        EXPECT_EQ(screen.ListBox(IDC_DB304_ITEM_LIST).GetCurSel(), c.selected);
    }
    EXPECT_EQ(StoredLines().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Db304CheckTest,
    testing::Values(
        CheckCase{"EmptyName", [](auto& s) { SetName(s, ""); }, 10, "変換パターン", nullptr,
                  IDC_DB304_NAME, -1},
        CheckCase{"NameOf75Bytes", [](auto& s) { SetName(s, std::string(75, 'a').c_str()); }, 48,
                  "変換パターン名", "74", IDC_DB304_NAME, -1},
        CheckCase{"NameOfAFixedLengthPattern", [](auto& s) { SetName(s, "固定A"); }, 100,
                  "「固定長パターン」", nullptr, IDC_DB304_NAME, -1},
        CheckCase{"QuoteInName", [](auto& s) { SetName(s, "a\"b"); }, 108, nullptr, nullptr,
                  IDC_DB304_NAME, -1},
        CheckCase{"AccountNumberUnassigned",
                  [](auto& s) {
                      s.ListBox(IDC_DB304_ITEM_LIST).SetCurSel(5);
                      kortest::Click(s.GetSafeHwnd(), IDC_DB304_UNDEFINE);
                  },
                  45, "口座番号", nullptr, IDC_DB304_ITEM_LIST, 5},
        // A text longer than the master field is refused, never cut.
        CheckCase{"AccountType2Of21Bytes",
                  [](auto& s) { s.SetItemText(IDC_DB304_ACCOUNT_TYPE_2, std::string(21, '2')); },
                  48, "変換前科目", "20", IDC_DB304_ACCOUNT_TYPE_2, -1},
        CheckCase{"CommaInAccountType3",
                  [](auto& s) { s.SetItemText(IDC_DB304_ACCOUNT_TYPE_3, "3,"); }, 108, nullptr,
                  nullptr, IDC_DB304_ACCOUNT_TYPE_3, -1},
        // The hidden type-9 text is checked like the others.
        CheckCase{"QuoteInHiddenType9",
                  [](auto& s) { s.SetItemText(IDC_DB304_ACCOUNT_TYPE_9, "\""); }, 108, nullptr,
                  nullptr, IDC_DB304_ACCOUNT_TYPE_9, -1},
        CheckCase{"TitleRows3DataRow3",
                  [](auto& s) {
                      s.Combo(IDC_DB304_TITLE_ROWS).SetCurSel(3);
                      s.Combo(IDC_DB304_DATA_ROW).SetCurSel(2);
                  },
                  103, nullptr, nullptr, IDC_DB304_DATA_ROW, -1},
        // The optional items may stay unassigned; the save then asks before adding.
        CheckCase{"TitleRows3DataRow4",
                  [](auto& s) {
                      s.Combo(IDC_DB304_TITLE_ROWS).SetCurSel(3);
                      s.Combo(IDC_DB304_DATA_ROW).SetCurSel(3);
                  },
                  3, nullptr, nullptr, 0, -1}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST_F(Db304Test, ANewPatternIsStoredAsADirectDebitLineAndListed) {
    Open();
    FillNew("新規");
    Define(9, 9);
    screen.CheckRadio(IDC_DB304_CSV, IDC_DB304_SPACE, IDC_DB304_TAB);
    screen.CheckRadio(IDC_DB304_OUTPUT_120, IDC_DB304_OUTPUT_128, IDC_DB304_OUTPUT_128);
    screen.SetItemText(IDC_DB304_ACCOUNT_TYPE_3, "ﾉｳｾﾞｲ");
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB304_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 110}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(110, "パターン情報", "「ファイル読込」"));

    const Lines lines = StoredLines();
    ASSERT_EQ(lines.size(), 3u);
    // 36 fields numbered from 1: kind, kind name, separator, name, ten column and text pairs,
    // zero and blank handling, an empty data format and record length, the four codes, output
    // length, line break, title rows and data row.
    EXPECT_EQ(
        lines[2],
        "\"03\",\"口座振込\",\"02\",\"新規\",\"0\",\"[01]0998\",\"\",\"\",\"2\",\"[03]001\","
        "\"\",\"\",\"4\",\"[05]1\",\"5\",\"[06]1234567\",\"6\",\"[07]ﾔﾏﾀﾞ\",\"7\",\"[08]1000\","
        "\"\",\"\",\"9\",\"[10]C01\",\"1\",\"1\",\"\",\"\",\"\",\"\",\"ﾉｳｾﾞｲ\",\"\",\"3\",\"1\","
        "\"1\",\"2\"");
    EXPECT_EQ(screen.Combo(IDC_DB304_NAME).GetCount(), 2);
    EXPECT_EQ(screen.Combo(IDC_DB304_NAME).GetCurSel(), 1);
    EXPECT_TRUE(screen.Window(IDC_DB304_DELETE).IsEnabled());
    EXPECT_FALSE(screen.IsModified("新規"));
}

TEST_F(Db304Test, ReplacingAskedWith16KeepsTheHiddenType9Code) {
    Open();
    Choose(0);
    kortest::Notify(hwnd, IDC_DB304_NAME, CBN_KILLFOCUS);
    screen.CheckRadio(IDC_DB304_LINE_BREAK, IDC_DB304_NO_LINE_BREAK, IDC_DB304_LINE_BREAK);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB304_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{16, 110}));
    db::CPatternStore fresh;
    ASSERT_EQ(fresh.Load(path), 1);
    ASSERT_EQ(fresh.GetList().size(), 2u);
    const db::CDelimPattern* p = fresh.GetDelimPattern(1);
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p->lineBreakCode, "1");
    EXPECT_STREQ(p->accountTypeCodes[3], "ｿﾉﾀ");
    EXPECT_STREQ(p->fileClass, "04");
}

TEST_F(Db304Test, AFailedSaveIsReportedAndNeverCalledASuccess) {
    Open();
    FillNew("新規");
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB304_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 104}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(104, "更新処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
    EXPECT_EQ(screen.Combo(IDC_DB304_NAME).GetCount(), 1);
}

TEST_F(Db304Test, DeleteAsksFirstAndReportsAFailedWrite) {
    Open();
    Choose(0);
    kortest::Notify(hwnd, IDC_DB304_NAME, CBN_KILLFOCUS);
    {
        kortest::MessageScript script({IDCANCEL});
        kortest::Click(hwnd, IDC_DB304_DELETE);
        EXPECT_EQ(MessageIds(script.Shown()), (Ids{2}));
    }
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB304_DELETE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{2, 104}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(104, "削除処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
    EXPECT_EQ(screen.Combo(IDC_DB304_NAME).GetCount(), 1);
}

TEST_F(Db304Test, DeleteRemovesThePatternAndClearsTheScreen) {
    Open();
    Choose(0);
    kortest::Notify(hwnd, IDC_DB304_NAME, CBN_KILLFOCUS);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_DB304_DELETE);
    EXPECT_EQ(MessageIds(script.Shown()), (Ids{2}));
    EXPECT_EQ(StoredLines(), (Lines{FixedLine("固定A").substr(0, FixedLine("固定A").size() - 2)}));
    EXPECT_EQ(screen.Combo(IDC_DB304_NAME).GetCount(), 0);
    EXPECT_EQ(ListLines(IDC_DB304_ITEM_LIST)[0], "引落銀行番号 (必須) ：未定義");
    EXPECT_EQ(ListLines(IDC_DB304_ITEM_LIST).size(), 10u);
    EXPECT_EQ(screen.Combo(IDC_DB304_DATA_ROW).GetCurSel(), 1);
}

TEST_F(Db304Test, LeavingWithAChangedPatternAsks80) {
    ExpectLeavingAChangedPatternAsks(0, 80);
}

// The demo pattern stands in its master as this screen stores it: opened and left unchanged,
// it asks nothing.
TEST_F(Db304Test, TheDemoPatternIsStoredAsTheScreenStoresIt) {
    LoadMaster(kortest::DemoFile(KOR_DB_DEMO_DIR, "mstKORDB301.utf8"));
    screen.SetContext(&store, &messages);
    ExpectLeavingUnchangedAsksNothing(0);
}

}  // namespace
