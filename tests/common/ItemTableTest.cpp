// The item machinery on a small made-up table of another tool: records laid out from the table,
// checks by character rule, a line read into a record, the totals and the grid texts. Nothing
// of the transfer tool is used.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/items/CorrectionRules.h"
#include "common/items/ItemCheck.h"
#include "common/items/ItemGrid.h"
#include "common/items/ItemReader.h"
#include "common/items/ItemRecord.h"
#include "common/items/UploadRecords.h"
#include "common/patterns/PatternItems.h"

namespace {

enum { kCode, kName, kType, kSum, kNote, kCount };

constexpr ItemSpec kItems[kCount] = {
    {.label = "code",
     .recordWidth = 4,
     .need = ItemNeed::kRequiredWithoutName,
     .chars = ItemChars::kDigits,
     .zeroPadded = true},
    {.label = "name",
     .recordWidth = 10,
     .chars = ItemChars::kKanaWide,
     .name = true,
     .optionalInFixed = true},
    {.label = "type",
     .recordWidth = 6,
     .maxLength = kNoLengthRule,
     .need = ItemNeed::kRequired,
     .chars = ItemChars::kAccountType},
    {.label = "sum", .recordWidth = 8, .chars = ItemChars::kAmount, .zeroPadded = true},
    {.label = "note", .recordWidth = 5, .chars = ItemChars::kNotForbidden, .optionalInFixed = true},
};
constexpr int kOrder[] = {kName, kCode, kType, kSum, kNote};
constexpr int kTargets[] = {1, 2, 3, 9};
std::span<const int> Targets(int) {
    return kTargets;
}
const ReaderProfile kProfile{kItems, kOrder, {100, 200}, Targets};

const AccountTypeCode kCodes[] = {{"ﾌﾂｳ", "1"}, {"ﾄｳｻﾞ", "2"}, {"ﾉｳｾﾞｲ", "3"}, {"", "9"}};

ItemCheckContext Context(int zero = kAmountAccepted, int blank = kAmountAccepted) {
    ItemCheckContext c;
    c.zeroOption = zero;
    c.blankOption = blank;
    c.accountCodes = kCodes;
    c.accountTargets = kTargets;
    c.forbidden = "{}~`";
    return c;
}

TEST(ItemRecord, SlotsFollowTheTable) {
    const CItemLayout layout(kItems);
    EXPECT_EQ(layout.Bytes(), size_t{kCount + 5 + 11 + 7 + 9 + 6});
    CItemRecord r(layout);
    for (int i = 0; i < kCount; ++i) {
        ASSERT_NE(r.Text(i), nullptr);
        EXPECT_EQ(r.Width(i), kItems[i].recordWidth);
        std::memset(r.Text(i), 'a' + i, static_cast<size_t>(r.Width(i)));
        r.SetResult(i, i + 1);
    }
    EXPECT_EQ(r.Text(kCount), nullptr);
    EXPECT_EQ(r.Text(-1), nullptr);
    const CItemRecord copy = r;
    r.Store(kName, "ABCDEFGHIJKLM", kItemError);  // cut to the width; the copy keeps its own
    EXPECT_STREQ(r.Text(kName), "ABCDEFGHIJ");
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(std::string(copy.Text(i)), std::string(static_cast<size_t>(r.Width(i)), 'a' + i));
        EXPECT_EQ(copy.Result(i), i + 1);
    }
    EXPECT_TRUE(copy.HasFieldError());
    EXPECT_TRUE(r.Clear(kName));
    EXPECT_STREQ(r.Text(kName), "");
    EXPECT_FALSE(r.Clear(kName));
}

struct CheckCase {
    const char* note;
    int item;
    const char* text;
    bool namesMissing;
    int expected;
    const char* normalised;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.note;
}

class ItemRuleTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ItemRuleTest, ChecksByTheItemsRule) {
    const CheckCase& c = GetParam();
    std::string text = c.text;
    EXPECT_EQ(CheckItemText(text, kItems[c.item], Context(), c.namesMissing), c.expected);
    EXPECT_EQ(text, c.normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemRuleTest,
    testing::Values(CheckCase{"digits", kCode, " 12 ", false, 0, "12"},
                    CheckCase{"not digits", kCode, "1a", false, 1, "1a"},
                    CheckCase{"too long digits", kCode, "12345", false, 18, "12345"},
                    CheckCase{"empty code, names present", kCode, "", false, 0, ""},
                    CheckCase{"empty code, a name missing", kCode, "", true, 1, ""},
                    CheckCase{"kana with signs", kName, "ｱｲ(ｳ)", false, 0, "ｱｲ(ｳ)"},
                    CheckCase{"double-byte name", kName, "山田", false, 1, "山田"},
                    CheckCase{"customer code mapped", kType, "ﾉｳｾﾞｲ", false, 0, "ﾉｳｾﾞｲ"},
                    CheckCase{"type not a target", kType, "4", false, 1, "4"},
                    CheckCase{"type too long", kType, "12", false, 3, "12"},
                    CheckCase{"empty type", kType, "\x81\x40", false, 1, ""},
                    CheckCase{"amount not digits", kSum, "1.5", false, 1, "1.5"},
                    CheckCase{"printable note", kNote, "a-b|c", false, 0, "a-b|c"},
                    CheckCase{"forbidden byte", kNote, "a{b", false, 1, "a{b"},
                    CheckCase{"double-byte note", kNote, "あ", false, 1, "あ"},
                    CheckCase{"note too long", kNote, "abcdef", false, 18, "abcdef"}));

TEST(ItemRule, AmountOptions) {
    bool skip = false;
    std::string text = "000";
    EXPECT_EQ(CheckItemText(text, kItems[kSum], Context(kAmountIsError), false, &skip), 1);
    text = "000";
    EXPECT_EQ(CheckItemText(text, kItems[kSum], Context(kAmountSkipsLine), false, &skip), 0);
    EXPECT_TRUE(skip);
    skip = false;
    text = "";
    EXPECT_EQ(CheckItemText(text, kItems[kSum], Context(0, kAmountSkipsLine), false, &skip), 0);
    EXPECT_TRUE(skip);
}

// The reader over a comma-separated line: code in column 1, name 0, type 2, sum 3, note 4.
class ItemReaderTest : public testing::Test {
protected:
    void SetUp() override {
        std::vector<ItemPlace> places(kCount);
        places[kCode] = {true, 0, 0, 1};
        places[kName] = {true, 0, 0, 0};
        places[kType] = {true, 0, 0, 2};
        places[kSum] = {true, 0, 0, 3};
        places[kNote] = {true, 0, 0, 4};
        reader.SetSeparatedPlaces(std::move(places), ",");
    }
    CItemLayout layout{kItems};
    CItemReader reader{kProfile};
};

TEST_F(ItemReaderTest, TakesChecksAndStoresEveryItem) {
    CItemRecord r(layout);
    ASSERT_TRUE(reader.ConvertLine("ﾔﾏﾀﾞ,12,ﾄｳｻﾞ,\"1,500\",x{", r, Context()));
    CItemReader::PadWithZeros(r);
    EXPECT_STREQ(r.Text(kName), "ﾔﾏﾀﾞ");
    EXPECT_STREQ(r.Text(kCode), "0012");
    EXPECT_STREQ(r.Text(kType), "2");  // stored as the type code it stands for
    EXPECT_STREQ(r.Text(kSum), "00001500");
    EXPECT_STREQ(r.Text(kNote), "x{");
    EXPECT_EQ(r.Result(kNote), kItemError);
    EXPECT_EQ(reader.ErrorCount(), 1);
}

TEST_F(ItemReaderTest, AMissingNameMakesAnEmptyCodeAnError) {
    CItemRecord r(layout);
    ASSERT_TRUE(reader.ConvertLine(",,1,5,", r, Context()));
    EXPECT_EQ(r.Result(kCode), kItemError);
    CItemRecord named(layout);
    ASSERT_TRUE(reader.ConvertLine("ｱ,,1,5,", named, Context()));
    EXPECT_EQ(named.Result(kCode), kItemValid);
}

TEST_F(ItemReaderTest, AnAmountOptionLeavesOutWholeLinesOnly) {
    CItemRecord r(layout);
    reader.ResetErrorCount();
    EXPECT_FALSE(reader.ConvertLine("ｱ,x,7,0,", r, Context(kAmountSkipsLine)));
    EXPECT_EQ(reader.ErrorCount(), 0);  // the flagged code and type of the line left out
    // A line that ends before the amount is broken: kept, its missing items in error.
    CItemRecord broken(layout);
    EXPECT_TRUE(reader.ConvertLine("ｱ,1", broken, Context(kAmountSkipsLine, kAmountSkipsLine)));
    EXPECT_EQ(broken.Result(kType), kItemError);
    EXPECT_EQ(broken.Result(kSum), kItemError);
    EXPECT_EQ(broken.Result(kNote), kItemValid);  // optional: simply empty
}

TEST(ItemTotals, CountAndSumAreCapped) {
    const CItemLayout layout(kItems);
    CItemRecord r(layout);
    r.Store(kSum, "99999999");
    CItemTotals totals;
    for (int i = 0; i < 3; ++i) totals.Add(r);
    EXPECT_EQ(totals.Count(), 3);
    EXPECT_EQ(totals.Total(), 299999997u);
    EXPECT_FALSE(totals.Overflowed());
    for (int i = 0; i < 10001; ++i) totals.Add(r);
    EXPECT_EQ(totals.Total(), CItemTotals::kMaxTotal);
    EXPECT_TRUE(totals.Overflowed());
}

TEST(ItemGrid, CellTextsFollowTheTable) {
    struct Case {
        int item;
        const char* text;
        bool flagged;
        ZeroAmountCell zeros;
        const char* shown;
    };
    using enum ZeroAmountCell;
    const Case cases[] = {
        {kCode, "12", false, kZeroWhenFlagged, "0012"},
        {kCode, "12", true, kZeroWhenFlagged, "12"},
        {kSum, "00012345", false, kZeroWhenFlagged, "12,345"},
        {kSum, "00000000", false, kZeroWhenFlagged, ""},
        {kSum, "00000000", true, kZeroWhenFlagged, "0"},
        {kSum, "00000000", false, kZero, "0"},
        {kSum, "0", false, kZero, "0"},
        {kSum, "00000000", true, kZero, "0"},
        {kSum, "", false, kZero, ""},
        {kSum, "0001234567", false, kZero, "1,234,567"},
        {kName, "ｱｲｳ", false, kZeroWhenFlagged, "ｱｲｳ"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ItemCellText(kItems[c.item], c.text, c.flagged, c.zeros), c.shown)
            << c.text << (c.flagged ? " flagged" : "") << " zeros " << static_cast<int>(c.zeros);
    }
    const GridColumnSpec lead[] = {{"No", 8, 500, 7}};
    const std::vector<GridColumnSpec> columns = ItemGridColumns(lead, kItems);
    ASSERT_EQ(columns.size(), size_t{1 + kCount});
    EXPECT_STREQ(columns[0].title, "No");
}

// A row leaves out what follows from its record width and its label: its longest text, its
// correction cell's limit and the length field of a fixed-length pattern line take the record
// width, its grid column the label as title; a row that states any of them keeps its own.
TEST(ItemTable, FieldsLeftOutFollowTheRecordWidthAndTheLabel) {
    constexpr ItemSpec items[] = {
        {.label = "plain", .recordWidth = 6, .gridWidth = 900},
        {.label = "given",
         .recordWidth = 6,
         .maxLength = 3,
         .gridTitle = "title",
         .gridWidth = 900,
         .editLimit = 2,
         .patternLengthWidth = 1},
        {.label = "free", .recordWidth = 6, .maxLength = kNoLengthRule, .gridWidth = 900},
    };
    struct Case {
        int item;
        size_t longest;  // bytes of the longest text the check takes; 0: any
        int editLimit;
        size_t lengthField;
        const char* title;
    };
    const Case cases[] = {
        {0, 6, 6, 6, "plain"},
        {1, 3, 2, 1, "title"},
        {2, 0, 6, 6, "free"},
    };
    constexpr PatternLayout layout = {.fieldCount = 8,
                                      .legacyFieldCount = 8,
                                      .firstFieldNumber = 0,
                                      .overrunResult = 9,
                                      .firstItemField = 1,
                                      .positionWidth = 4,
                                      .itemNameWidth = 8};
    CPatternItemFields fields(items, layout, PatternShape::kFixedLength);
    const std::vector<GridColumnSpec> columns = ItemGridColumns(items);
    for (const Case& c : cases) {
        const ItemSpec& item = items[c.item];
        if (c.longest > 0) {
            std::string text(c.longest, 'a');
            EXPECT_EQ(CheckItemText(text, item, Context(), false), kItemValid) << item.label;
            text += 'a';
            EXPECT_EQ(CheckItemText(text, item, Context(), false), kItemTooLong) << item.label;
        } else {
            std::string text(40, 'a');
            EXPECT_EQ(CheckItemText(text, item, Context(), false), kItemValid) << item.label;
        }
        EXPECT_EQ(ItemEditLimit(items, kItemGridFirstItemCol + c.item), c.editLimit) << item.label;
        const int lengthField = layout.firstItemField + 2 * c.item + 1;
        fields.Set(lengthField, "123456789");
        EXPECT_EQ(fields.Get(lengthField).size(), c.lengthField) << item.label;
        EXPECT_STREQ(columns[static_cast<size_t>(CDetailGridBase::kFirstItemCol + c.item)].title,
                     c.title);
    }
}

// The fields of an upload record that take an item's text are as wide as the item, an account
// type as the type code it is stored as; fields of other texts are not the table's concern.
TEST(UploadRecords, ItemFieldsMustBeAsWideAsTheirItems) {
    using Field = RecordField<CItemRecord>;
    constexpr FieldFill kText = FieldFill::kText;
    struct Case {
        const char* note;
        Field field;
        bool fits;
    };
    const Case cases[] = {
        {"a code as wide as its item", ItemField<CItemRecord>(1, 4, kText, kCode), true},
        {"a name as wide as its item", ItemField<CItemRecord>(5, 10, kText, kName), true},
        {"a field that would cut the name", ItemField<CItemRecord>(5, 9, kText, kName), false},
        {"a field wider than the code", ItemField<CItemRecord>(1, 5, kText, kCode), false},
        {"an account type as its code", ItemField<CItemRecord>(42, 1, kText, kType), true},
        {"an account type as wide as its slot", ItemField<CItemRecord>(42, 6, kText, kType), false},
        {"a constant of any width", Field{0, 3, kText, nullptr, "abc"}, true},
        {"an item the table lacks", ItemField<CItemRecord>(0, 1, kText, kCount), false},
    };
    for (const Case& c : cases) {
        const Field fields[] = {ItemField<CItemRecord>(80, 8, FieldFill::kZeroPad, kSum), c.field};
        EXPECT_EQ(FieldsFitItems(fields, kItems), c.fits) << c.note;
    }
}

}  // namespace
