// The local-tax reader: cutting the file (separated lines, fixed-length records and their
// limits), taking the fourteen items from each class of file, the item checks, the whole-line
// zero and blank handling and the cross-item checks of every detail.
#include "localtax/ConvertEngine.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "support/TestPaths.h"

namespace tx {
namespace {

using Items = std::array<std::string, kItemCount>;
using Statuses = std::array<int, kItemCount>;

// Start and length of the fourteen items of a 110-byte record, item after item.
constexpr int kPlaces[kItemCount][2] = {{1, 6},  {7, 15},  {22, 15}, {37, 1}, {38, 5},
                                        {43, 9}, {52, 5},  {57, 9},  {66, 5}, {71, 9},
                                        {80, 3}, {83, 10}, {93, 9},  {102, 9}};
constexpr int kRecordLength = 110;

struct Options {
    const char* zero = "1";
    const char* blank = "1";
    std::array<const char*, kItemSetCount> sets = {"1", "1", "1"};
    const char* dataRow = "1";
    const char* dataFormat = "";
};

void SetOptions(CPatternBase& p, const Options& o) {
    p.SetField(0, kKindCode);
    p.SetField(1, kKindName);
    p.SetField(3, "ﾃｽﾄ");
    p.SetField(32, o.zero);
    p.SetField(33, o.blank);
    p.SetField(34, o.dataFormat);
    for (int set = 0; set < kItemSetCount; ++set) p.SetField(36 + set, o.sets[set]);
    p.SetField(39, "1");
    p.SetField(40, "1");
    p.SetField(41, "0");
    p.SetField(42, o.dataRow);
}

// Item k in column k.
CDelimPattern Separated(const char* fileClass, const Options& o = {}) {
    CDelimPattern p;
    SetOptions(p, o);
    p.SetField(2, fileClass);
    for (int k = 0; k < kItemCount; ++k) p.SetField(4 + 2 * k, std::to_string(k));
    return p;
}

CFixedPattern Fixed(const std::string& recordLength = std::to_string(kRecordLength),
                    const Options& o = {}) {
    CFixedPattern p;
    SetOptions(p, o);
    p.SetField(2, "03");
    p.SetField(35, recordLength);
    for (int k = 0; k < kItemCount; ++k) {
        p.SetField(4 + 2 * k, std::to_string(kPlaces[k][0]));
        p.SetField(5 + 2 * k, std::to_string(kPlaces[k][1]));
    }
    return p;
}

// One record of the items, each padded with blanks (or cut) to its length.
std::string Record(const Items& items, size_t length = kRecordLength) {
    std::string record;
    for (int k = 0; k < kItemCount; ++k) {
        std::string item = items[static_cast<size_t>(k)];
        item.resize(static_cast<size_t>(kPlaces[k][1]), ' ');
        record += item;
    }
    record.resize(length, ' ');
    return record;
}

std::string Joined(const Items& items, const std::string& separator) {
    std::string line;
    for (size_t k = 0; k < items.size(); ++k) line += (k ? separator : "") + items[k];
    return line;
}

// A detail whose every item and cross-item rule holds: salary 3 persons, 45,000; retirement
// 1 person, 20,000 (municipal 12,000, prefectural 8,000) on an allowance of 5,000,000; paid 4
// and 65,000.
Items ValidItems() {
    return {"131016", "ﾁﾖﾀﾞｸ", "A-12",  "0", "3",       "45000", "1",
            "20000",  "4",     "65000", "1", "5000000", "12000", "8000"};
}

struct ReadOutcome {
    int result = -1;
    std::unique_ptr<CDataSet> set;
    bool tooLong = false;

    const CTaxGroup& Group() const { return *set->groups.at(0); }
    const CDetailRecord& Detail(size_t i) const { return *Group().details.at(i); }
};

ReadOutcome ReadWith(const CFixedPattern* fixed, const CDelimPattern* delim,
                     const std::string& bytes, const CRequesterInfo* requester = nullptr) {
    CConvertEngine engine;
    engine.SetPattern(fixed, delim, nullptr, requester);
    ReadOutcome out;
    out.result = engine.ReadFile(kortest::ScratchFileOfTest("in.txt", bytes));
    out.set = engine.GetDataSet();
    out.tooLong = engine.HasErrors() == 1;
    // A data set is handed over after a successful read only.
    EXPECT_EQ(out.set != nullptr, out.result == kTaxReadOk);
    return out;
}

ReadOutcome ReadSeparated(const CDelimPattern& p, const std::string& bytes) {
    return ReadWith(nullptr, &p, bytes);
}

ReadOutcome ReadFixed(const CFixedPattern& p, const std::string& bytes) {
    return ReadWith(&p, nullptr, bytes);
}

Statuses StatusesOf(const CDetailRecord& d) {
    Statuses s{};
    for (int k = 0; k < kItemCount; ++k) s[static_cast<size_t>(k)] = d.Status(k);
    return s;
}

constexpr Statuses kAllValid = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

// The same two details in each class of file, the first holding a quoted name and an amount
// grouped by commas where the class allows it, the second failing a cross-item rule.
TEST(TaxReader, EveryClassOfFileGivesTheSameDetails) {
    Items first = ValidItems();
    Items second = ValidItems();
    second[kMunicipalityCode] = "272000";
    // Municipal and prefectural tax no longer add up to the retirement-tax amount.
    second[kRetirementTaxAmount] = "5000000";
    Items quoted = first;
    quoted[kMunicipalityName] = "\"ﾁﾖﾀﾞｸ\"";
    quoted[kTaxPaid] = "\"65,000\"";
    Items grouped = first;
    grouped[kTaxPaid] = "65,000";
    struct Case {
        const char* name;
        std::unique_ptr<CFixedPattern> fixed;
        std::unique_ptr<CDelimPattern> delim;
        std::string text;
    };
    std::vector<Case> cases;
    cases.push_back({"comma", nullptr, std::make_unique<CDelimPattern>(Separated("1")),
                     Joined(quoted, ",") + "\r\n" + Joined(second, ",") + "\r\n"});
    cases.push_back({"TAB", nullptr, std::make_unique<CDelimPattern>(Separated("2")),
                     Joined(quoted, "\t") + "\r\n" + Joined(second, "\t") + "\r\n"});
    cases.push_back({"space", nullptr, std::make_unique<CDelimPattern>(Separated("4")),
                     Joined(quoted, " ") + "\r\n" + Joined(second, " ") + "\r\n"});
    cases.push_back({"fixed length", std::make_unique<CFixedPattern>(Fixed()), nullptr,
                     Record(grouped) + "\r\n" + Record(second) + "\r\n"});

    CRequesterInfo requester;
    requester.name1 = "ｶ)ﾃｽﾄｼｮｳｼﾞ";
    requester.name2 = "ｹｲﾘﾌﾞ";
    requester.address1 = "ﾄｳｷｮｳﾄ";
    requester.address2 = "";
    for (const Case& c : cases) {
        const ReadOutcome out = ReadWith(c.fixed.get(), c.delim.get(), c.text, &requester);
        ASSERT_EQ(out.result, kTaxReadOk) << c.name;
        ASSERT_EQ(out.set->groups.size(), 1u) << c.name;
        const CTaxGroup& g = out.Group();
        EXPECT_EQ(g.error, 0) << c.name;
        EXPECT_EQ(g.Header(kConsignorCode), "0000000000") << c.name;
        EXPECT_EQ(g.Header(kPaymentMonth), "0000") << c.name;
        EXPECT_EQ(g.Header(kPayerName),
                  "ｶ)ﾃｽﾄｼｮｳｼﾞ" + std::string(10, ' ') + "ｹｲﾘﾌﾞ" + std::string(15, ' '))
            << c.name;
        EXPECT_EQ(g.Header(kAddress), "ﾄｳｷｮｳﾄ" + std::string(44, ' ')) << c.name;
        ASSERT_EQ(g.details.size(), 2u) << c.name;

        const CDetailRecord& d = out.Detail(0);
        EXPECT_EQ(d.serial, 1) << c.name;
        EXPECT_EQ(d.output, 1) << c.name;
        EXPECT_EQ(d.error, 0) << c.name;
        EXPECT_EQ(StatusesOf(d), kAllValid) << c.name;
        const Items stored = {
            "131016",    "ﾁﾖﾀﾞｸ          ", "A-12           ", "0",        "00003",
            "000045000", "00001",           "000020000",       "00004",    "000065000",
            "001",       "0005000000",      "000012000",       "000008000"};
        for (int k = 0; k < kItemCount; ++k)
            EXPECT_EQ(d.Text(k), stored[static_cast<size_t>(k)]) << c.name << " item " << k;

        const CDetailRecord& e = out.Detail(1);
        EXPECT_EQ(e.serial, 2) << c.name;
        EXPECT_EQ(e.error, 1) << c.name;
        Statuses failed = kAllValid;
        for (int k : {kRetirementTaxAmount, kMunicipalRetirementTax, kPrefecturalRetirementTax})
            failed[static_cast<size_t>(k)] = 0;
        EXPECT_EQ(StatusesOf(e), failed) << c.name;
        EXPECT_FALSE(out.tooLong) << c.name;
    }
}

TEST(TaxItemCheck, TextsAreNormalisedAndCheckedByItem) {
    const ItemCheckSettings all{kHandlingError, kHandlingError, {true, true, true}};
    const ItemCheckSettings none{kHandlingError, kHandlingError, {false, false, false}};
    struct Case {
        const char* name;
        int item;
        const ItemCheckSettings* settings;
        std::string text;
        int state;
        std::string normalised;
    };
    const Case cases[] = {
        {"six-digit code", kMunicipalityCode, &none, " 131016 ", kCheckValid, "131016"},
        {"five-digit code", kMunicipalityCode, &none, "13101", kCheckError, "13101"},
        {"seven-digit code", kMunicipalityCode, &none, "1310160", kCheckTooLong, "1310160"},
        {"code with a letter", kMunicipalityCode, &none, "13101A", kCheckError, "13101A"},
        {"empty code", kMunicipalityCode, &none, "", kCheckError, ""},
        {"name with a middle dot", kMunicipalityName, &none, "ﾁﾖﾀﾞ･ｸ", kCheckValid, "ﾁﾖﾀﾞ.ｸ"},
        {"name with a full-width space", kMunicipalityName, &none, "ﾁﾖﾀﾞ　ｸ", kCheckValid,
         "ﾁﾖﾀﾞ ｸ"},
        {"name in kanji", kMunicipalityName, &none, "千代田区", kCheckError, "千代田区"},
        {"name of 16 bytes", kMunicipalityName, &none, "ABCDEFGHIJKLMNOP", kCheckTooLong,
         "ABCDEFGHIJKLMNOP"},
        {"designation with signs", kDesignationNumber, &none, "(12)-3/4", kCheckValid, "(12)-3/4"},
        {"designation with a colon", kDesignationNumber, &none, "12:34", kCheckError, "12:34"},
        {"change mark 0", kChangeMark, &none, "0", kCheckValid, "0"},
        {"change mark 1", kChangeMark, &none, "1", kCheckValid, "1"},
        {"change mark blank", kChangeMark, &none, " ", kCheckValid, ""},
        {"change mark 2", kChangeMark, &none, "2", kCheckError, "2"},
        {"amount in use", kSalaryTaxAmount, &all, " 45000 ", kCheckValid, "45000"},
        {"amount in use with a letter", kSalaryTaxAmount, &all, "45A00", kCheckError, "45A00"},
        {"amount not in use is not digit-checked", kSalaryTaxAmount, &none, "45A00", kCheckValid,
         "45A00"},
        {"amount of ten digits", kTaxPaid, &all, "1234567890", kCheckTooLong, "1234567890"},
        {"retirees with a comma", kRetirees, &all, "1,0", kCheckError, "1,0"},
        {"count in use that is zero", kPaymentCount, &all, "00", kCheckError, "00"},
        {"count not in use that is zero", kPaymentCount, &none, "00", kCheckValid, "00"},
        {"count in use that is blank", kPaymentCount, &all, "  ", kCheckError, ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(CheckItem(text, c.item, *c.settings), c.state) << c.name;
        EXPECT_EQ(text, c.normalised) << c.name;
    }
}

// The zero and blank handlings judge the counts and amounts in use of a whole line: all zero
// (or all blank, or each one or the other) is an error under "1" and accepted under "2"; one
// zero among other values is left to the cross-item checks.
TEST(TaxReader, ZeroAndBlankHandlingsJudgeTheWholeLine) {
    struct Case {
        const char* name;
        const char* zero;
        const char* blank;
        std::array<const char*, 4> values;  // salary count, amount, payment count, tax paid
        std::array<int, 4> statuses;
        int error;
    };
    const Case cases[] = {
        {"all zero, zero is an error", "1", "2", {"0", "00", "0", "0"}, {0, 0, 0, 0}, 1},
        {"all zero, zero accepted", "2", "1", {"0", "00", "0", "0"}, {1, 1, 1, 1}, 0},
        {"all blank, blank is an error", "2", "1", {"", " ", "", ""}, {0, 0, 0, 0}, 1},
        {"all blank, blank accepted", "1", "2", {"", " ", "", ""}, {1, 1, 1, 1}, 0},
        {"zero or blank, both accepted", "2", "2", {"0", "", "", "0"}, {1, 1, 1, 1}, 0},
        {"zero or blank, zero an error", "1", "2", {"0", "", "", "0"}, {0, 0, 0, 0}, 1},
        {"zero or blank, blank an error", "2", "1", {"0", "", "", "0"}, {0, 0, 0, 0}, 1},
        {"all blank without a handling", "", "", {"", "", "", ""}, {0, 0, 0, 0}, 1},
        {"all zero without a handling", "", "", {"0", "0", "0", "0"}, {1, 1, 1, 1}, 0},
        // The zero tax paid stays valid; the zero salary amount beside a count of 3 fails the
        // cross-item rule of the salary pair.
        {"one zero among values", "1", "1", {"3", "0", "3", "0"}, {0, 0, 1, 1}, 1},
        {"all valid", "1", "1", {"3", "45000", "3", "45000"}, {1, 1, 1, 1}, 0},
    };
    constexpr int kUsed[4] = {kSalaryTaxCount, kSalaryTaxAmount, kPaymentCount, kTaxPaid};
    for (const Case& c : cases) {
        Options o;
        o.zero = c.zero;
        o.blank = c.blank;
        o.sets = {"1", "0", "1"};
        Items items = {"131016", "ﾁﾖﾀﾞｸ", "1", "0", "", "", "", "", "", "", "", "", "", ""};
        for (int i = 0; i < 4; ++i) items[static_cast<size_t>(kUsed[i])] = c.values[i];
        const ReadOutcome out = ReadSeparated(Separated("1", o), Joined(items, ",") + "\r\n");
        ASSERT_EQ(out.result, kTaxReadOk) << c.name;
        ASSERT_EQ(out.Group().details.size(), 1u) << c.name;
        const CDetailRecord& d = out.Detail(0);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(d.Status(kUsed[i]), c.statuses[i]) << c.name << " item " << kUsed[i];
        EXPECT_EQ(d.error, c.error) << c.name;
    }
}

// A line that lacks columns is kept with the missing items in error, whatever the handlings
// say: no line of the file is lost without the user seeing it.
TEST(TaxReader, ALineWithoutTheColumnsOfItsTextsIsKeptInError) {
    struct Case {
        const char* name;
        const char* zero;
        const char* blank;
        std::string line;
        std::vector<int> missing;
    };
    const Case cases[] = {
        {"two columns", "2", "2", "131016,ﾁﾖﾀﾞｸ", {kDesignationNumber, kChangeMark}},
        {"three columns", "1", "1", "131016,ﾁﾖﾀﾞｸ,A-1", {kChangeMark}},
    };
    for (const Case& c : cases) {
        Options o;
        o.zero = c.zero;
        o.blank = c.blank;
        o.sets = {"0", "0", "0"};
        const ReadOutcome out =
            ReadSeparated(Separated("1", o), c.line + "\r\n" + Joined(ValidItems(), ",") + "\r\n");
        ASSERT_EQ(out.result, kTaxReadOk) << c.name;
        ASSERT_EQ(out.Group().details.size(), 2u) << c.name;
        const CDetailRecord& d = out.Detail(0);
        EXPECT_EQ(d.error, 1) << c.name;
        for (int item : c.missing) {
            EXPECT_EQ(d.Status(item), kStatusError) << c.name << " item " << item;
        }
        EXPECT_EQ(d.Status(kMunicipalityCode), kStatusRead) << c.name;
        EXPECT_EQ(out.Detail(1).serial, 2) << c.name;
    }
}

TEST(TaxReader, AnItemLongerThanItsWidthIsReported) {
    Items items = ValidItems();
    items[kMunicipalityName] = "ABCDEFGHIJKLMNOP";
    const ReadOutcome out = ReadSeparated(Separated("1"), Joined(items, ",") + "\r\n");
    ASSERT_EQ(out.result, kTaxReadOk);
    EXPECT_TRUE(out.tooLong);
    EXPECT_EQ(out.Detail(0).Status(kMunicipalityName), kStatusError);
    EXPECT_EQ(out.Detail(0).Text(kMunicipalityName), "ABCDEFGHIJKLMNO");
}

TEST(TaxReader, TitleLinesHeadingsAndEmptyLinesMakeNoDetail) {
    const std::string valid = Joined(ValidItems(), ",") + "\r\n";
    struct Case {
        const char* name;
        const char* dataRow;
        const char* dataFormat;
        std::string text;
        int result;
        size_t details;
    };
    const Case cases[] = {
        {"data from line 3", "3", "", "title\r\ncolumns\r\n" + valid + valid, kTaxReadOk, 2},
        {"heading of data format 1", "1", "1", "heading\r\n" + valid, kTaxReadOk, 1},
        {"empty lines", "1", "", valid + "\r\n  \r\n" + valid + "\r\n", kTaxReadOk, 2},
        {"titles only", "3", "", "title\r\ncolumns\r\n", kTaxReadNoLines, 0},
        {"empty lines only", "1", "", "\r\n\r\n", kTaxReadNoDetails, 0},
    };
    for (const Case& c : cases) {
        Options o;
        o.dataRow = c.dataRow;
        o.dataFormat = c.dataFormat;
        const ReadOutcome out = ReadSeparated(Separated("1", o), c.text);
        ASSERT_EQ(out.result, c.result) << c.name;
        if (c.result == kTaxReadOk) {
            EXPECT_EQ(out.Group().details.size(), c.details) << c.name;
        }
    }
}

TEST(TaxReader, SeparatedFilesThatGiveNoLinesAreRefused) {
    const std::string valid = Joined(ValidItems(), ",");
    struct Case {
        const char* name;
        std::string text;
        int result;
    };
    const Case cases[] = {
        {"empty file", "", kTaxReadEmptyFile},
        {"line feeds only", valid + "\n" + valid + "\n", kTaxReadNoLines},
        {"carriage returns only", valid + "\r" + valid + "\r", kTaxReadNoDetails},
        {"one line without its CR LF", valid, kTaxReadOk},
        {"end byte after the last line", valid + "\r\n\x1A", kTaxReadOk},
        {"a line of 4,001 bytes", valid + "\r\n" + std::string(4001, 'A') + "\r\n",
         kTaxReadLineTooLong},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadSeparated(Separated("1"), c.text).result, c.result) << c.name;
}

TEST(TaxReader, FixedLengthRecordsAreCutByTheRecordLength) {
    const std::string r = Record(ValidItems());
    const std::string wide = Record(ValidItems(), 4000);
    struct Case {
        const char* name;
        std::string recordLength;
        std::string text;
        int result;
        size_t details;
    };
    const Case cases[] = {
        {"CR LF", "110", r + "\r\n" + r + "\r\n", kTaxReadOk, 2},
        {"LF", "110", r + "\n" + r + "\n", kTaxReadOk, 2},
        {"CR", "110", r + "\r" + r + "\r", kTaxReadOk, 2},
        {"no line end", "110", r + r + r, kTaxReadOk, 3},
        {"end byte", "110", r + "\r\n" + r + "\r\n\x1A", kTaxReadOk, 2},
        {"short last record", "110", r + "\r\n" + r.substr(0, 100) + "\r\n", kTaxReadBadRecordSize,
         0},
        {"line feed inside a record", "110",
         r + "\r\n" + r.substr(0, 50) + "\n" + r.substr(51) + "\r\n", kTaxReadBadRecordSize, 0},
        {"shorter than one record", "110", r.substr(0, 60), kTaxReadBadRecordSize, 0},
        {"4,000 bytes and CR LF", "4000", wide + "\r\n" + wide + "\r\n", kTaxReadOk, 2},
        {"4,001 bytes", "4001", wide + "\r\n", kTaxReadBadRecordLength, 0},
        {"record length 0", "0", r + "\r\n", kTaxReadBadRecordLength, 0},
        {"no record length", "", r + "\r\n", kTaxReadBadRecordLength, 0},
    };
    for (const Case& c : cases) {
        const ReadOutcome out = ReadFixed(Fixed(c.recordLength), c.text);
        ASSERT_EQ(out.result, c.result) << c.name;
        if (c.result != kTaxReadOk) continue;
        ASSERT_EQ(out.Group().details.size(), c.details) << c.name;
        EXPECT_EQ(StatusesOf(out.Detail(c.details - 1)), kAllValid) << c.name;
    }
}

TEST(TaxReader, AFileHoldsAtMost5000DataLines) {
    const std::string line = Joined(ValidItems(), ",") + "\r\n";
    std::string lines5000;
    for (int i = 0; i < 5000; ++i) lines5000 += line;
    const std::string record = Record(ValidItems()) + "\r\n";
    std::string records5000;
    for (int i = 0; i < 5000; ++i) records5000 += record;
    struct Case {
        const char* name;
        bool fixed;
        const char* dataRow;
        std::string text;
        int result;
    };
    const Case cases[] = {
        {"5,000 lines", false, "1", lines5000, kTaxReadOk},
        {"5,000 lines below two titles", false, "3", "t\r\nt\r\n" + lines5000, kTaxReadOk},
        {"5,001 lines", false, "1", lines5000 + line, kTaxReadTooManyLines},
        {"5,001 lines below two titles", false, "3", "t\r\nt\r\n" + lines5000 + line,
         kTaxReadTooManyLines},
        {"5,000 records", true, "", records5000, kTaxReadOk},
        {"5,001 records", true, "", records5000 + record, kTaxReadTooManyLines},
    };
    for (const Case& c : cases) {
        Options o;
        o.dataRow = c.dataRow;
        const CFixedPattern fixed = Fixed(std::to_string(kRecordLength), o);
        const CDelimPattern delim = Separated("1", o);
        const ReadOutcome out = c.fixed ? ReadFixed(fixed, c.text) : ReadSeparated(delim, c.text);
        ASSERT_EQ(out.result, c.result) << c.name;
        if (c.result == kTaxReadOk) {
            EXPECT_EQ(out.Group().details.size(), 5000u) << c.name;
        }
    }
}

TEST(TaxReader, ReadsAreRefusedWithoutAFileOrAPatternOrWhileASetWasNotTakenOver) {
    const CDelimPattern p = Separated("1");
    const std::string path =
        kortest::ScratchFileOfTest("in.txt", Joined(ValidItems(), ",") + "\r\n");
    {
        CConvertEngine engine;
        engine.SetPattern(nullptr, &p, nullptr, nullptr);
        EXPECT_EQ(engine.ReadFile(path.substr(0, path.rfind('\\') + 1) + "missing.txt"),
                  kTaxReadCannotOpen);
        ASSERT_EQ(engine.ReadFile(path), kTaxReadOk);
        EXPECT_EQ(engine.ReadFile(path), kTaxReadRefused);  // the first set was not taken
        EXPECT_FALSE(engine.GetDataSet());
        EXPECT_EQ(engine.ReadFile(path), kTaxReadOk);
        EXPECT_TRUE(engine.GetDataSet());
    }
    {
        // The entry says fixed length, but only a separated pattern was given.
        CPatternEntry entry;
        entry.fileClass = 3;
        CConvertEngine engine;
        engine.SetPattern(nullptr, &p, &entry, nullptr);
        EXPECT_EQ(engine.ReadFile(path), kTaxReadRefused);
    }
}

}  // namespace
}  // namespace tx
