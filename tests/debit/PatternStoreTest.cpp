// The direct-debit pattern master: 36-field lines numbered from 1 (32 in older lines), the
// parse into the ten-item patterns, the position check and the safe rewrite of the file.
#include "debit/PatternStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/base/MasterText.h"
#include "framework/Cp932.h"
#include "support/TestPaths.h"
#include "transfer/MasterStoreTest.h"

namespace db {
namespace {

using kortest::ReadBytes;
using Names = std::vector<std::string>;
using xftest::Cut;
using xftest::Fields;
using xftest::FieldsOf;
using xftest::Line;
using xftest::NamesOf;

// The fields of a stored 36-field fixed-length line (field n at [n - 1]).
Fields FixedFields(const std::string& name = "固定ﾃｽﾄ") {
    Fields f = {"03", "口座振込", "03", name};
    const char* positions[] = {"1", "4", "",   "",   "5",  "3",  "", "", "8",  "1",
                               "9", "7", "16", "30", "46", "10", "", "", "56", "20"};
    for (const char* p : positions) f.push_back(p);
    for (const char* o : {"1", "2", "", "75", "ﾌﾂｳ", "ﾄｳｻﾞ", "ﾉｳｾﾞｲ", "ｿﾉﾀ", "2", "0", "1", "2"})
        f.push_back(o);
    return f;
}

// The fields of a stored 36-field separated line (TAB).
Fields DelimFields(const std::string& name = "TABﾃｽﾄ") {
    Fields f = {"03", "口座振込", "02", name};
    for (int k = 0; k < kItemCount; ++k) {
        f.push_back(k % 3 == 1 ? "" : std::to_string(k));
        f.push_back(k % 3 == 1 ? "" : "見本" + std::to_string(k));
    }
    for (const char* o : {"2", "1", "", "", "1", "2", "3", "9", "3", "1", "3", "4"}) f.push_back(o);
    return f;
}

using DebitPatternStoreTest = xftest::MasterStoreTest<CPatternStore>;

TEST(DebitPattern, FieldsAreNumberedFromOne) {
    CFixedPattern p;
    for (int n = 1; n <= 36; ++n) p.SetField(n, std::to_string(n % 10));
    EXPECT_STREQ(p.kindCode, "1");
    EXPECT_STREQ(p.name, "4");
    EXPECT_EQ(p.StartText(kBankCode), "5");
    EXPECT_EQ(p.LengthText(kCustomerNumber), "4");           // field 24
    EXPECT_STREQ(p.zeroCheck, "5");                          // field 25
    EXPECT_STREQ(p.recordLength, "8");                       // field 28
    EXPECT_STREQ(p.accountTypeCodes[kTaxReserveCode], "1");  // field 31
    EXPECT_STREQ(p.dataRow, "6");                            // field 36
    EXPECT_EQ(p.GetField(0), "");
    EXPECT_EQ(p.GetField(37), "");
}

TEST_F(DebitPatternStoreTest, CurrentLinesAreWrittenBackByteForByte) {
    const std::string fixed = Line(FixedFields());
    const std::string delim = Line(DelimFields());
    const std::string text = fixed + "\r\n" + delim + "\r\n";
    ASSERT_EQ(LoadFrom(text), 1);
    EXPECT_EQ(NamesOf(store), Names({"固定ﾃｽﾄ", "TABﾃｽﾄ"}));
    const CFixedPattern* f = store.GetFixedPattern(0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(FieldsOf(*f), FixedFields());
    const CDelimPattern* d = store.GetDelimPattern(1);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(FieldsOf(*d), DelimFields());
    EXPECT_EQ(d->ColumnOf(kBranchCode), 2);
    EXPECT_FALSE(d->HasColumn(kBankName));

    ASSERT_EQ(store.SaveFixed(0, CFixedPattern(*f)), 1);
    ASSERT_EQ(store.SaveDelim(1, CDelimPattern(*d)), 1);
    EXPECT_EQ(ReadBytes(path), text);
}

TEST(DebitPatternStoreLineEnds, AMasterWithLfLinesLoadsEveryPattern) {
    xftest::ExpectLfPatternLinesReadAsCrLf<CPatternStore>(
        kortest::ScratchDirOfTest() + CPatternStore::kFileName,
        {Line(FixedFields("A")), Line(DelimFields("B")), Line(FixedFields("C"))}, {"A", "B", "C"});
}

TEST_F(DebitPatternStoreTest, OlderLinesTakeTheDefaultsAndAreSavedWithAllFields) {
    Fields noTitle = DelimFields("ﾀｲﾄﾙなし");
    noTitle[26] = "2";  // data format
    struct Case {
        const char* name;
        Fields fields;
        Fields options;  // fields 33 to 36 once parsed
    };
    const Case cases[] = {
        {"fixed", FixedFields(), {"1", "1", "1", "2"}},
        {"separated", DelimFields(), {"1", "1", "1", "2"}},
        {"separated, data format 2", noTitle, {"1", "1", "0", "1"}},
    };
    for (const Case& c : cases) {
        Fields expected = Cut(c.fields, 32);
        expected.insert(expected.end(), c.options.begin(), c.options.end());
        ExpectReadAndSavedAs(Line(Cut(c.fields, 32)), c.fields[2] == "03", expected, c.name);
    }
}

TEST(DebitPatternLine, OutputCodesOutsideTheirRangeAreRefused) {
    struct Case {
        const char* length;     // field 33
        const char* lineBreak;  // field 34
        bool parses;
    };
    const Case cases[] = {{"1", "1", true},  {"3", "0", true},  {"2", "1", true},
                          {"0", "1", false}, {"4", "0", false}, {"12", "1", false},
                          {"1", "2", false}, {"1", "", false},  {"", "1", false}};
    for (const Case& c : cases) {
        Fields f = FixedFields();
        Fields d = DelimFields();
        f[32] = d[32] = c.length;
        f[33] = d[33] = c.lineBreak;
        CFixedPattern fixed;
        CDelimPattern delim;
        EXPECT_EQ(ParsePatternLine(Line(f), fixed), c.parses) << c.length << "/" << c.lineBreak;
        EXPECT_EQ(ParsePatternLine(Line(d), delim), c.parses) << c.length << "/" << c.lineBreak;
    }
}

TEST_F(DebitPatternStoreTest, ALineWithABadOutputCodeGivesNoPattern) {
    Fields bad = FixedFields("悪い");
    bad[32] = "5";
    ASSERT_EQ(LoadFrom(Line(FixedFields()) + "\r\n" + Line(bad) + "\r\n"), 1);
    ASSERT_NE(store.GetFixedPattern(0), nullptr);
    EXPECT_EQ(store.GetFixedPattern(1), nullptr);
    EXPECT_STREQ(store.GetFixedPattern(0)->name, "固定ﾃｽﾄ");
}

TEST_F(DebitPatternStoreTest, FindAppliesTheShapeFilterToTheFirstOfTheName) {
    ASSERT_EQ(LoadFrom(Line(DelimFields("同名")) + "\r\n" + Line(FixedFields("同名")) + "\r\n" +
                       Line(FixedFields("固定")) + "\r\n"),
              1);
    xftest::ExpectFindAppliesTheShapeFilter(store);
}

TEST(DebitPatternPositions, ChecksEveryItemWithAStart) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> set;  // field, text over FixedFields
        int result;
        int item;
    };
    // FixedFields: every placed item touches the next one; the last, the customer number, lies
    // at 56-75 of 75 bytes.
    const Case cases[] = {
        {"ends exactly at the record length", {}, 0, -1},
        {"one byte beyond the record", {{28, "74"}}, 15, 10},
        {"bank name sharing one byte with the bank code", {{7, "4"}, {8, "1"}}, 2, 2},
        {"amount sharing the depositor name's last byte", {{19, "45"}}, 8, 8},
        {"a required item without a start is left out", {{5, ""}, {6, "60"}}, 0, -1},
    };
    for (const Case& c : cases) {
        Fields f = FixedFields();
        for (const auto& [field, text] : c.set) f[static_cast<size_t>(field - 1)] = text;
        CFixedPattern p;
        ASSERT_TRUE(ParsePatternLine(Line(f), p)) << c.name;
        int item = -1;
        CPatternStore store;
        EXPECT_EQ(store.CheckFixedPositions(p, &item), c.result) << c.name;
        EXPECT_EQ(item, c.item) << c.name;
    }
}

TEST_F(DebitPatternStoreTest, ABadFieldCountFailsTheLoadAndTheFileIsNeverRewritten) {
    const std::string text = Line(FixedFields("A")) + "\r\n" + Line(Cut(FixedFields("B"), 34)) +
                             "\r\n" + Line(FixedFields("C")) + "\r\n";
    ASSERT_EQ(LoadFrom(text), 0);
    EXPECT_EQ(NamesOf(store), Names{"A"});
    const CFixedPattern p = *store.GetFixedPattern(0);
    EXPECT_EQ(store.SaveFixed(-1, p), 0);
    EXPECT_EQ(store.SaveFixed(0, p), 0);
    EXPECT_EQ(store.Delete(0), 0);
    EXPECT_EQ(ReadBytes(path), text);
}

TEST_F(DebitPatternStoreTest, AFailedWriteLeavesMemoryAsItWas) {
    const std::string text = Line(FixedFields("A")) + "\r\n";
    for (const xftest::WriteBlock& c : xftest::kWriteBlocks) {
        SetUp();
        ASSERT_EQ(LoadFrom(text), 1) << c.name;
        CFixedPattern changed = *store.GetFixedPattern(0);
        changed.SetField(4, "B");
        c.block(kor::ToWide(path));
        EXPECT_EQ(store.SaveFixed(-1, changed), 0) << c.name;
        EXPECT_EQ(store.SaveFixed(0, changed), 0) << c.name;
        EXPECT_EQ(store.Delete(0), 0) << c.name;
        EXPECT_EQ(NamesOf(store), Names{"A"}) << c.name;
        EXPECT_EQ(store.Line(0), Line(FixedFields("A"))) << c.name;
        SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(DebitPatternStoreTest, AnAppendedSeparatedPatternIsReadBackByItsEntry) {
    ASSERT_EQ(LoadFrom(Line(DelimFields("前")) + "\r\n" + Line(FixedFields("固定")) + "\r\n"), 1);
    CDelimPattern added = *store.GetDelimPattern(0);
    added.SetField(4, "後");
    added.SetField(6, "ﾐﾎﾝ");
    ASSERT_EQ(store.SaveDelim(-1, added), 1);
    const CPatternEntry& entry = *store.GetList().back();
    EXPECT_EQ(entry.index, 2);
    EXPECT_EQ(entry.name, "後");
    const CDelimPattern* read = store.GetDelimPattern(entry.index);
    ASSERT_NE(read, nullptr);
    EXPECT_STREQ(read->name, "後");
    EXPECT_EQ(read->Text(kBankCode), "ﾐﾎﾝ");

    CPatternStore again;
    ASSERT_EQ(again.Load(path), 1);
    EXPECT_EQ(NamesOf(again), Names({"前", "固定", "後"}));
}

TEST(DebitPatternStore, KeepsAPathOfAtMost259Bytes) {
    CPatternStore store;
    const std::string path = "Z:\\" + std::string(300, 'a') + "\\" + CPatternStore::kFileName;
    EXPECT_EQ(store.Load(path), 0);
    EXPECT_EQ(store.Path(), path.substr(0, 259));
}

}  // namespace
}  // namespace db
