#include "transfer/PatternStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MasterStoreTest.h"
#include "common/base/MasterText.h"
#include "framework/Cp932.h"
#include "support/TestPaths.h"
#include "transfer/PatternLine.h"

namespace {

using kortest::ReadBytes;
using kortest::WriteBytes;
using xf::CPatternStore;
using Names = std::vector<std::string>;
using xftest::NamesOf;

// A stored line of a pattern: kind, file class, name, and 40 or 36 fields.
std::string PatternLine(const char* kind, const char* fileClass, const std::string& name,
                        int fields = 40) {
    std::vector<std::string> f = {kind, "ｼｭﾍﾞﾂ", fileClass, name};
    for (int k = 0; k < 12; ++k) {
        f.push_back(std::to_string(1 + 10 * k));
        f.push_back(fileClass == std::string("3") ? "10" : "列");
    }
    for (const char* o : {"1", "1", "1", "120", "1", "2", "4", "9", "3", "0", "1", "2"})
        f.push_back(o);
    f.resize(fields);
    return CMasterText::FormatFields(f);
}

using PatternStoreTest = xftest::MasterStoreTest<CPatternStore>;

TEST_F(PatternStoreTest, Loads) {
    const std::string a = PatternLine("01", "3", "固定A");
    const std::string b = PatternLine("02", "1", "CSV B", 36);
    const std::string bad = PatternLine("01", "3", "壊れ", 38);
    struct Case {
        const char* name;
        std::string text;
        int result;
        Names names;
    };
    const Case cases[] = {
        {"empty file", "", 1, {}},
        {"two lines", a + "\r\n" + b + "\r\n", 1, {"固定A", "CSV B"}},
        {"last line without CR LF", a + "\r\n" + b, 1, {"固定A", "CSV B"}},
        {"bad line stops the load", a + "\r\n" + bad + "\r\n" + b + "\r\n", 0, {"固定A"}},
        {"LF only", a + "\n" + b + "\n", 1, {"固定A", "CSV B"}},
        {"a LF inside CR LF lines", a + "\n" + b + "\r\n", 0, {}},
        {"a note after the last CR LF", a + "\r\n" + "メモ", 1, {"固定A"}},
        {"a broken pattern after the last CR LF", a + "\r\n" + bad, 1, {"固定A"}},
    };
    for (const Case& c : cases) {
        CPatternStore fresh;
        ASSERT_TRUE(WriteBytes(path, c.text));
        EXPECT_EQ(fresh.Load(path), c.result) << c.name;
        EXPECT_EQ(NamesOf(fresh), c.names) << c.name;
        for (size_t i = 0; i < fresh.GetList().size(); ++i) {
            EXPECT_EQ(fresh.GetList()[i]->index, static_cast<int>(i));
        }
    }
}

TEST_F(PatternStoreTest, EntriesCarryKindAndFileClass) {
    ASSERT_EQ(LoadFrom(PatternLine("02", "4", "空白区切り") + "\r\n"), 1);
    ASSERT_EQ(store.GetList().size(), 1u);
    EXPECT_EQ(store.GetList()[0]->kind, 2);
    EXPECT_EQ(store.GetList()[0]->fileClass, 4);
}

TEST_F(PatternStoreTest, UnreadableFileLeavesTheStoreAsItWas) {
    ASSERT_EQ(LoadFrom(PatternLine("01", "3", "A") + "\r\n"), 1);
    EXPECT_EQ(store.Load(dir + "missing.ini"), 0);
    EXPECT_EQ(NamesOf(store), Names{"A"});
}

TEST_F(PatternStoreTest, FindAppliesTheShapeFilterToTheFirstOfTheName) {
    ASSERT_EQ(LoadFrom(PatternLine("01", "1", "同名") + "\r\n" + PatternLine("01", "3", "同名") +
                       "\r\n" + PatternLine("01", "3", "固定") + "\r\n"),
              1);
    xftest::ExpectFindAppliesTheShapeFilter(store);
}

TEST_F(PatternStoreTest, IndexOfIsThePositionOfTheFirstOfTheNameOfEitherShape) {
    ASSERT_EQ(LoadFrom(PatternLine("01", "3", "固定") + "\r\n" + PatternLine("01", "1", "同名") +
                       "\r\n" + PatternLine("01", "3", "同名") + "\r\n"),
              1);
    EXPECT_EQ(store.IndexOf("固定"), 0);
    EXPECT_EQ(store.IndexOf("同名"), 1);
    EXPECT_EQ(store.IndexOf("同"), -1);
    EXPECT_EQ(store.IndexOf(""), -1);
}

TEST_F(PatternStoreTest, ParsesByShapeAndKeepsTheCurrentPatternOnAMismatch) {
    ASSERT_EQ(
        LoadFrom(PatternLine("01", "3", "固定") + "\r\n" + PatternLine("02", "2", "TAB") + "\r\n"),
        1);
    const xf::CFixedPattern* fixed = store.GetFixedPattern(0);
    ASSERT_NE(fixed, nullptr);
    EXPECT_STREQ(fixed->name, "固定");
    EXPECT_EQ(store.GetFixedPattern(1), nullptr);
    EXPECT_STREQ(fixed->name, "固定");  // still the current fixed pattern
    EXPECT_EQ(store.GetFixedPattern(2), nullptr);
    EXPECT_EQ(store.GetFixedPattern(-1), nullptr);

    const xf::CDelimPattern* delim = store.GetDelimPattern(1);
    ASSERT_NE(delim, nullptr);
    EXPECT_STREQ(delim->name, "TAB");
    EXPECT_EQ(delim->Text(0), "列");
    EXPECT_EQ(store.GetDelimPattern(0), nullptr);
}

TEST_F(PatternStoreTest, SavesAddAndReplaceAndRewriteTheWholeFile) {
    const std::string a = PatternLine("01", "3", "A", 36);
    ASSERT_EQ(LoadFrom(a + "\r\n"), 1);

    xf::CDelimPattern added;
    for (int i = 0; i < 40; ++i) added.SetField(i, std::to_string(i));
    added.SetField(2, "1");
    added.SetField(3, "新規");
    added.SetField(37, "1");  // a line-break code of 0 or 1: "37" would be cut to "3", no code
    ASSERT_EQ(store.SaveDelim(-1, added), 1);
    const std::string addedLine = *xf::FormatPatternLine(added);
    EXPECT_EQ(ReadBytes(path), a + "\r\n" + addedLine + "\r\n");
    EXPECT_EQ(NamesOf(store), (Names{"A", "新規"}));
    EXPECT_EQ(store.GetList()[1]->index, 1);
    EXPECT_EQ(store.GetList()[1]->fileClass, 1);

    // The 36-field pattern saved again has 40 fields with the defaults.
    xf::CFixedPattern changed = *store.GetFixedPattern(0);
    changed.SetField(0, "02");
    ASSERT_EQ(store.SaveFixed(0, changed), 1);
    const std::string changedLine = *xf::FormatPatternLine(changed);
    EXPECT_EQ(CMasterText::CountSeparators(changedLine), 39);
    EXPECT_EQ(ReadBytes(path), changedLine + "\r\n" + addedLine + "\r\n");
    EXPECT_EQ(store.GetList()[0]->kind, 2);

    // What was written loads back the same.
    CPatternStore again;
    ASSERT_EQ(again.Load(path), 1);
    EXPECT_EQ(NamesOf(again), (Names{"A", "新規"}));
    EXPECT_EQ(*xf::FormatPatternLine(*again.GetDelimPattern(1)), addedLine);
    EXPECT_EQ(*xf::FormatPatternLine(*again.GetFixedPattern(0)), changedLine);
}

TEST_F(PatternStoreTest, ALastLineWithoutLineEndIsKeptAtTheNextRewrite) {
    const std::string a = PatternLine("01", "3", "A");
    const std::string b = PatternLine("01", "3", "B");
    ASSERT_EQ(LoadFrom(a + "\r\n" + b), 1);
    xf::CFixedPattern p = *store.GetFixedPattern(0);
    ASSERT_EQ(store.SaveFixed(0, p), 1);
    EXPECT_EQ(ReadBytes(path), a + "\r\n" + b + "\r\n");
}

TEST_F(PatternStoreTest, TextAfterTheLastLineEndThatIsNoPatternStaysBehindThePatterns) {
    const std::string a = PatternLine("01", "3", "A");
    const std::string b = PatternLine("01", "3", "B");
    ASSERT_EQ(LoadFrom(a + "\r\n" + "メモ"), 1);
    xf::CFixedPattern p = *store.GetFixedPattern(0);
    p.SetField(3, "B");
    ASSERT_EQ(store.SaveFixed(-1, p), 1);
    EXPECT_EQ(ReadBytes(path), a + "\r\n" + b + "\r\n" + "メモ");
}

TEST_F(PatternStoreTest, DeleteRebuildsTheListFromTheLines) {
    // "BC" ends the name "ABC": deleting it must leave "ABC" and "XY" as they are.
    const std::string abc = PatternLine("01", "3", "ABC");
    const std::string xy = PatternLine("01", "1", "XY");
    const std::string bc = PatternLine("01", "3", "BC");
    ASSERT_EQ(LoadFrom(abc + "\r\n" + xy + "\r\n" + bc + "\r\n"), 1);
    ASSERT_EQ(store.Delete(2), 1);
    EXPECT_EQ(NamesOf(store), (Names{"ABC", "XY"}));
    EXPECT_EQ(store.Find("ABC", 1), 1);
    EXPECT_EQ(store.Find("BC", 0), 0);
    EXPECT_EQ(ReadBytes(path), abc + "\r\n" + xy + "\r\n");

    ASSERT_EQ(store.Delete(0), 1);
    EXPECT_EQ(store.GetList()[0]->index, 0);
    EXPECT_EQ(store.GetDelimPattern(0)->name, std::string("XY"));
    EXPECT_EQ(store.Delete(1), 0);
    EXPECT_EQ(store.Delete(-1), 0);
    ASSERT_EQ(store.Delete(0), 1);
    EXPECT_EQ(ReadBytes(path), "");  // an empty file, not a missing one
    EXPECT_TRUE(store.GetList().empty());
}

TEST_F(PatternStoreTest, ReplacingAnIndexBeyondTheLinesChangesNothing) {
    const std::string a = PatternLine("01", "3", "A");
    ASSERT_EQ(LoadFrom(a + "\r\n"), 1);
    xf::CFixedPattern p = *store.GetFixedPattern(0);
    EXPECT_EQ(store.SaveFixed(1, p), 0);
    EXPECT_EQ(store.Count(), 1u);
    EXPECT_EQ(ReadBytes(path), a + "\r\n");
}

TEST_F(PatternStoreTest, AFieldThatALineCannotCarryIsRefused) {
    const std::string a = PatternLine("01", "1", "A");
    ASSERT_EQ(LoadFrom(a + "\r\n"), 1);
    xf::CDelimPattern p = *store.GetDelimPattern(0);
    p.SetField(5 + 2 * 3, "\"引用\"");
    EXPECT_EQ(store.SaveDelim(-1, p), 0);
    EXPECT_EQ(store.Count(), 1u);
    EXPECT_EQ(ReadBytes(path), a + "\r\n");
}

// A failed write leaves memory as the file is: the change is reported and not kept.
TEST_F(PatternStoreTest, FailedWritesChangeNothing) {
    const std::string a = PatternLine("01", "3", "A");
    const std::string b = PatternLine("01", "1", "B");
    const std::string text = a + "\r\n" + b + "\r\n";
    for (const xftest::WriteBlock& c : xftest::kWriteBlocks) {
        SetUp();
        ASSERT_EQ(LoadFrom(text), 1);
        xf::CFixedPattern fixed = *store.GetFixedPattern(0);
        fixed.SetField(3, "新しい名前");
        c.block(kor::ToWide(path));

        EXPECT_EQ(store.SaveFixed(0, fixed), 0) << c.name;
        EXPECT_EQ(store.SaveFixed(-1, fixed), 0) << c.name;
        EXPECT_EQ(store.Delete(0), 0) << c.name;
        EXPECT_EQ(NamesOf(store), (Names{"A", "B"})) << c.name;
        EXPECT_EQ(store.Line(0), a) << c.name;
        EXPECT_EQ(store.Line(1), b) << c.name;
        EXPECT_STREQ(store.GetFixedPattern(0)->name, "A") << c.name;
        SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (std::string(c.name) == "read-only master") {
            EXPECT_EQ(ReadBytes(path), text);
        }
    }
}

TEST_F(PatternStoreTest, ALoadStoppedAtABadLineRefusesChanges) {
    const std::string a = PatternLine("01", "3", "A");
    const std::string text = a + "\r\n\"壊れた行\"\r\n" + PatternLine("01", "3", "C") + "\r\n";
    ASSERT_EQ(LoadFrom(text), 0);
    ASSERT_EQ(NamesOf(store), Names{"A"});
    ASSERT_NE(store.GetFixedPattern(0), nullptr);  // the patterns before it are usable
    xf::CFixedPattern p = *store.GetFixedPattern(0);
    EXPECT_EQ(store.SaveFixed(-1, p), 0);
    EXPECT_EQ(store.SaveFixed(0, p), 0);
    EXPECT_EQ(store.Delete(0), 0);
    EXPECT_EQ(ReadBytes(path), text);  // the lines after the bad one are not lost

    // A good load makes the store changeable again.
    ASSERT_EQ(LoadFrom(a + "\r\n"), 1);
    EXPECT_EQ(store.SaveFixed(-1, p), 1);
}

TEST_F(PatternStoreTest, AnEmptiedListRefusesChangesUntilTheNextLoad) {
    const std::string text = PatternLine("01", "3", "A") + "\r\n";
    ASSERT_EQ(LoadFrom(text), 1);
    xf::CFixedPattern p = *store.GetFixedPattern(0);
    store.ClearList();
    EXPECT_TRUE(store.GetList().empty());
    EXPECT_EQ(store.SaveFixed(-1, p), 0);
    EXPECT_EQ(ReadBytes(path), text);
    ASSERT_EQ(store.Load(path), 1);
    EXPECT_EQ(store.SaveFixed(-1, p), 1);
}

TEST_F(PatternStoreTest, AMissingMasterIsCreatedByTheFirstSave) {
    EXPECT_EQ(store.Load(path), 0);
    xf::CFixedPattern p;
    p.SetField(0, "01");
    p.SetField(2, "3");
    p.SetField(3, "最初");
    ASSERT_EQ(store.SaveFixed(-1, p), 1);
    EXPECT_EQ(ReadBytes(path), *xf::FormatPatternLine(p) + "\r\n");
}

}  // namespace
