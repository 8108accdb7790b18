// The local-tax pattern master: 43-field lines numbered from 0 (39 in older lines) with the
// three item-set flags, the parse into the fourteen-item patterns, the position check, the safe
// rewrite of the file and the refusal of a master that is there but cannot be read.
#include "localtax/PatternStore.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/base/MasterText.h"
#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"
#include "transfer/MasterStoreTest.h"

namespace tx {
namespace {

using kortest::ReadBytes;
using Names = std::vector<std::string>;
using xftest::Cut;
using xftest::Fields;
using xftest::FieldsOf;
using xftest::Line;
using xftest::NamesOf;

// Start and length of the fourteen items of a 150-byte record, item after item.
const char* const kPositions[kItemCount][2] = {
    {"1", "6"},  {"7", "15"}, {"22", "15"}, {"37", "1"}, {"38", "5"},  {"43", "9"}, {"52", "5"},
    {"57", "9"}, {"66", "5"}, {"71", "9"},  {"80", "3"}, {"83", "10"}, {"93", "9"}, {"102", "9"},
};

// The fields of a stored 43-field fixed-length line.
Fields FixedFields(const std::string& name = "固定ﾃｽﾄ") {
    Fields f = {kKindCode, kKindName, "03", name};
    for (const auto& [start, length] : kPositions) {
        f.push_back(start);
        f.push_back(length);
    }
    for (const char* o : {"1", "2", "", "150", "1", "0", "1", "2", "0", "1", "2"}) f.push_back(o);
    return f;
}

// The fields of a stored 43-field separated line (comma); every third item has no column.
Fields DelimFields(const std::string& name = "CSVﾃｽﾄ", const char* fileClass = "01") {
    Fields f = {kKindCode, kKindName, fileClass, name};
    for (int k = 0; k < kItemCount; ++k) {
        f.push_back(k % 3 == 2 ? "" : std::to_string(k));
        f.push_back(k % 3 == 2 ? "" : "見本" + std::to_string(k));
    }
    for (const char* o : {"2", "1", "1", "", "0", "1", "0", "3", "1", "3", "4"}) f.push_back(o);
    return f;
}

using TaxPatternStoreTest = xftest::MasterStoreTest<CPatternStore>;

TEST(TaxPattern, FieldsSitWhereTheLineHasThem) {
    CFixedPattern p;
    for (int n = 0; n < 43; ++n) p.SetField(n, std::to_string(n));
    EXPECT_STREQ(p.kindCode, "0");
    EXPECT_STREQ(p.name, "3");
    EXPECT_EQ(p.StartText(kMunicipalityCode), "4");
    EXPECT_EQ(p.LengthText(kPrefecturalRetirementTax), "31");
    EXPECT_STREQ(p.zeroCheck, "3");      // field 32, cut to its one byte
    EXPECT_STREQ(p.recordLength, "35");  // field 35
    EXPECT_STREQ(p.itemSets[kSalarySet], "3");
    EXPECT_STREQ(p.itemSets[kPaymentSet], "3");
    EXPECT_STREQ(p.outputLengthCode, "3");  // field 39
    EXPECT_STREQ(p.titleRows, "41");
    EXPECT_STREQ(p.dataRow, "42");
    EXPECT_EQ(p.GetField(43), "");
    // The kind name takes fourteen bytes; a length field is as wide as its item.
    p.SetField(1, kKindName);
    EXPECT_STREQ(p.kindName, kKindName);
    p.SetField(5, "1234567");
    EXPECT_EQ(p.LengthText(kMunicipalityCode), "123456");
}

TEST_F(TaxPatternStoreTest, CurrentLinesAreReadAndWrittenBackByteForByte) {
    const std::string fixed = Line(FixedFields());
    const std::string delim = Line(DelimFields());
    const std::string text = fixed + "\r\n" + delim + "\r\n";
    ASSERT_EQ(LoadFrom(text), 1);
    EXPECT_EQ(NamesOf(store), Names({"固定ﾃｽﾄ", "CSVﾃｽﾄ"}));
    EXPECT_EQ(store.GetList()[0]->kind, 99);
    EXPECT_EQ(store.GetList()[1]->fileClass, 1);

    const CFixedPattern* f = store.GetFixedPattern(0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(FieldsOf(*f), FixedFields());
    EXPECT_TRUE(f->UsesItemSet(kSalarySet));
    EXPECT_FALSE(f->UsesItemSet(kRetirementSet));
    EXPECT_TRUE(f->UsesItemSet(kPaymentSet));
    EXPECT_EQ(f->RecordLength(), 150);
    EXPECT_EQ(f->OutputLengthCode(), 2);
    EXPECT_EQ(f->LineBreak(), 0);

    const CDelimPattern* d = store.GetDelimPattern(1);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(FieldsOf(*d), DelimFields());
    EXPECT_EQ(d->ColumnOf(kChangeMark), 3);
    EXPECT_FALSE(d->HasColumn(kDesignationNumber));
    EXPECT_EQ(d->TitleRows(), 3);
    EXPECT_EQ(d->DataRow(), 4);

    ASSERT_EQ(store.SaveFixed(0, CFixedPattern(*f)), 1);
    ASSERT_EQ(store.SaveDelim(1, CDelimPattern(*d)), 1);
    EXPECT_EQ(ReadBytes(path), text);
}

TEST(TaxPatternStoreLineEnds, AMasterWithLfLinesLoadsEveryPattern) {
    xftest::ExpectLfPatternLinesReadAsCrLf<CPatternStore>(
        kortest::ScratchDirOfTest() + CPatternStore::kFileName,
        {Line(FixedFields("A")), Line(DelimFields("B")), Line(FixedFields("C"))}, {"A", "B", "C"});
}

TEST_F(TaxPatternStoreTest, OlderLinesTakeTheDefaultsAndAreSavedWithAllFields) {
    Fields noTitle = DelimFields("ﾀｲﾄﾙなし");
    noTitle[34] = "2";  // data format
    // Fields 41 and 42 of an older line count for nothing when its output codes are empty.
    Fields emptyCodes = FixedFields("出力なし");
    emptyCodes[39] = emptyCodes[40] = "";
    emptyCodes[41] = "5";
    emptyCodes[42] = "6";
    struct Case {
        const char* name;
        Fields stored;
        Fields options;  // fields 39 to 42 once parsed
    };
    const Case cases[] = {
        {"fixed, 39 fields", Cut(FixedFields(), 39), {"1", "1", "1", "2"}},
        {"separated, 39 fields", Cut(DelimFields(), 39), {"1", "1", "1", "2"}},
        {"separated, data format 2", Cut(noTitle, 39), {"1", "1", "0", "1"}},
        {"fixed, empty output codes", emptyCodes, {"1", "1", "1", "2"}},
    };
    for (const Case& c : cases) {
        Fields expected = Cut(c.stored, 39);
        expected.insert(expected.end(), c.options.begin(), c.options.end());
        ExpectReadAndSavedAs(Line(c.stored), c.stored[2] == "03", expected, c.name);
    }
}

TEST_F(TaxPatternStoreTest, ALineOfAnotherFieldCountStopsTheLoad) {
    const std::string a = Line(FixedFields("A"));
    struct Case {
        const char* name;
        std::string second;
    };
    const Case cases[] = {
        {"42 fields", Line(Cut(FixedFields("B"), 42))},
        {"40 fields", Line(Cut(FixedFields("B"), 40))},
        {"blank line", ""},
    };
    for (const Case& c : cases) {
        SetUp();
        const std::string text = a + "\r\n" + c.second + "\r\n" + Line(FixedFields("C")) + "\r\n";
        EXPECT_EQ(LoadFrom(text), 0) << c.name;
        EXPECT_EQ(NamesOf(store), Names{"A"}) << c.name;
        EXPECT_EQ(store.SaveFixed(-1, *store.GetFixedPattern(0)), 0) << c.name;
        EXPECT_EQ(ReadBytes(path), text) << c.name;
    }
}

TEST_F(TaxPatternStoreTest, FindAppliesTheShapeFilterToTheFirstOfTheName) {
    ASSERT_EQ(LoadFrom(Line(DelimFields("同名")) + "\r\n" + Line(FixedFields("同名")) + "\r\n" +
                       Line(FixedFields("固定")) + "\r\n"),
              1);
    xftest::ExpectFindAppliesTheShapeFilter(store);
}

// Starts and lengths of the items in a case; the others have no start and no length.
struct Placement {
    int item;
    const char* start;
    const char* length;
};

struct PositionCase {
    const char* name;
    const char* recordLength;
    std::vector<Placement> placed;
    int result;
    int item;
};

TEST(TaxPatternPositions, RangesAreCheckedAgainstTheRecordThenAgainstLaterItems) {
    const PositionCase cases[] = {
        {"adjacent", "100", {{0, "1", "6"}, {1, "7", "15"}}, 0, 0},
        {"one shared byte", "100", {{0, "1", "6"}, {1, "6", "15"}}, 2, 2},
        {"later item first in the record", "100", {{0, "10", "6"}, {5, "1", "9"}}, 0, 0},
        {"later item over an earlier one", "100", {{0, "10", "6"}, {5, "1", "10"}}, 6, 6},
        {"ends at the record's end", "100", {{0, "1", "6"}, {13, "92", "9"}}, 0, 0},
        {"ends beyond the record", "100", {{0, "1", "6"}, {13, "93", "9"}}, 15, 14},
        {"overlap found before the overrun",
         "100",
         {{0, "1", "6"}, {4, "90", "5"}, {13, "93", "9"}},
         14,
         14},
        {"first item beyond the record", "5", {{0, "1", "6"}}, 15, 1},
        {"a length without a start is left out", "100", {{0, "1", "6"}, {3, "", "1"}}, 0, 0},
        {"the municipality code is checked without a start",
         "100",
         {{0, "", "6"}, {1, "5", "15"}},
         2,
         2},
        {"empty record length", "", {{0, "1", "6"}}, 15, 1},
    };
    CPatternStore store;
    for (const PositionCase& c : cases) {
        CFixedPattern p;
        p.SetField(2, "03");
        p.SetField(35, c.recordLength);
        for (const Placement& at : c.placed) {
            p.SetField(4 + 2 * at.item, at.start);
            p.SetField(5 + 2 * at.item, at.length);
        }
        int item = 0;
        EXPECT_EQ(store.CheckFixedPositions(p, &item), c.result) << c.name;
        EXPECT_EQ(item, c.item) << c.name;
    }
}

// A failed write leaves memory as the file is: the change is reported and not kept.
TEST_F(TaxPatternStoreTest, FailedWritesChangeNothing) {
    const std::string a = Line(FixedFields("A"));
    const std::string b = Line(DelimFields("B"));
    const std::string text = a + "\r\n" + b + "\r\n";
    for (const xftest::WriteBlock& c : xftest::kWriteBlocks) {
        SetUp();
        ASSERT_EQ(LoadFrom(text), 1);
        CFixedPattern fixed = *store.GetFixedPattern(0);
        fixed.SetField(3, "新しい名前");
        CDelimPattern delim = *store.GetDelimPattern(1);
        c.block(kor::ToWide(path));

        EXPECT_EQ(store.SaveFixed(0, fixed), 0) << c.name;
        EXPECT_EQ(store.SaveFixed(-1, fixed), 0) << c.name;
        EXPECT_EQ(store.SaveDelim(-1, delim), 0) << c.name;
        EXPECT_EQ(store.Delete(0), 0) << c.name;
        EXPECT_EQ(NamesOf(store), (Names{"A", "B"})) << c.name;
        EXPECT_EQ(store.Line(0), a) << c.name;
        EXPECT_EQ(store.Line(1), b) << c.name;
        SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (std::string(c.name) == "read-only master") {
            EXPECT_EQ(ReadBytes(path), text) << c.name;
        }
    }
}

// A separated pattern added at the end is listed at its own line, so saving it again and
// deleting it reach that line and no other.
TEST_F(TaxPatternStoreTest, AnAddedSeparatedPatternIsSavedAgainAndDeletedAtItsOwnLine) {
    const std::string a = Line(FixedFields("A"));
    const std::string b = Line(DelimFields("B"));
    ASSERT_EQ(LoadFrom(a + "\r\n" + b + "\r\n"), 1);

    CDelimPattern added;
    ASSERT_TRUE(ParsePatternLine(Line(DelimFields("追加", "02")), added));
    ASSERT_EQ(store.SaveDelim(-1, added), 1);
    ASSERT_EQ(store.GetList().size(), 3u);
    const int index = store.GetList()[2]->index;
    EXPECT_EQ(index, 2);

    added.SetField(4, "9");  // the municipality code moves to column 9
    ASSERT_EQ(store.SaveDelim(index, added), 1);
    EXPECT_EQ(NamesOf(store), (Names{"A", "B", "追加"}));
    EXPECT_EQ(store.Line(1), b);
    EXPECT_EQ(store.GetDelimPattern(index)->ColumnOf(kMunicipalityCode), 9);

    ASSERT_EQ(store.Delete(index), 1);
    EXPECT_EQ(NamesOf(store), (Names{"A", "B"}));
    EXPECT_EQ(ReadBytes(path), a + "\r\n" + b + "\r\n");
}

TEST_F(TaxPatternStoreTest, AMissingMasterIsAnEmptyOneThatTheFirstSaveCreates) {
    ASSERT_EQ(LoadFrom(Line(FixedFields("前")) + "\r\n"), 1);
    const CFixedPattern kept = *store.GetFixedPattern(0);
    DeleteFileW(kor::ToWide(path).c_str());
    ASSERT_EQ(store.Load(path), 1);
    EXPECT_TRUE(store.GetList().empty());
    ASSERT_EQ(store.SaveFixed(-1, kept), 1);
    EXPECT_EQ(ReadBytes(path), Line(FixedFields("前")) + "\r\n");
}

// A master that is there but cannot be read must not load as an empty one: the next save would
// write over the patterns it holds.
TEST_F(TaxPatternStoreTest, AMasterThatCannotBeReadIsRefusedAndNeverWrittenOver) {
    const std::string text = Line(FixedFields("A")) + "\r\n";
    ASSERT_EQ(LoadFrom(text), 1);
    const CFixedPattern pattern = *store.GetFixedPattern(0);

    // Held open by another program that shares nothing.
    {
        kor::UniqueFile held(CreateFileW(kor::ToWide(path).c_str(), GENERIC_READ, 0, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(static_cast<bool>(held));
        CPatternStore fresh;
        EXPECT_EQ(fresh.Load(path), 0);
        EXPECT_TRUE(fresh.GetList().empty());
        EXPECT_EQ(fresh.SaveFixed(-1, pattern), 0);
        EXPECT_EQ(store.Load(path), 0);
        EXPECT_TRUE(store.GetList().empty());
        EXPECT_EQ(store.SaveFixed(-1, pattern), 0);
    }
    EXPECT_EQ(ReadBytes(path), text);

    // A folder in the master's place.
    const std::string folder = dir + "folder.ini";
    ASSERT_TRUE(CreateDirectoryW(kor::ToWide(folder).c_str(), nullptr));
    CPatternStore onFolder;
    EXPECT_EQ(onFolder.Load(folder), 0);
    EXPECT_EQ(onFolder.SaveFixed(-1, pattern), 0);
}

}  // namespace
}  // namespace tx
