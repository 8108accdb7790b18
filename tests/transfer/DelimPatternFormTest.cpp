// The separated pattern form: the sample line listed as the reader splits it, the line to read,
// the checks of a save in their order, the pattern it stores and the change test.
#include "transfer/DelimPatternForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FormCase.h"

namespace {

using xf::DelimPatternForm;
using F = DelimPatternForm;
using Lines = std::vector<std::string>;

struct SampleCase {
    const char* name;
    std::string line;
    int separator;
    Lines lines;
};
void PrintTo(const SampleCase& c, std::ostream* os) {
    *os << c.name;
}

class SampleLinesTest : public testing::TestWithParam<SampleCase> {};

TEST_P(SampleLinesTest, Fields) {
    const SampleCase& c = GetParam();
    EXPECT_EQ(xf::SampleSourceLines(c.line, c.separator), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SampleLinesTest,
    testing::Values(SampleCase{"QuotedWordsWithoutQuotes",
                               "\"abc\",\"def\",123",
                               1,
                               {"[01]abc", "[02]def", "[03]123"}},
                    SampleCase{"QuotedCommaStaysOneField",
                               "\"1,234\",\"ｶﾅ\",x",
                               1,
                               {"[01]1,234", "[02]ｶﾅ", "[03]x"}},
                    SampleCase{"UnquotedCommaSplits", "1,234", 1, {"[01]1", "[02]234"}},
                    SampleCase{"Tab", "a\t\"b\tc\"\td", 2, {"[01]a", "[02]b\tc", "[03]d"}},
                    SampleCase{"Blank", "ｱｲｳ 0001 \"x y\"", 4, {"[01]ｱｲｳ", "[02]0001", "[03]x y"}},
                    SampleCase{"EmptyFieldsKeepTheirNumbers", ",b,", 1, {"[01]", "[02]b", "[03]"}},
                    // Quotes inside a field would break the quoted pattern line.
                    SampleCase{"QuotesWithinAFieldGo", "ab\"c\",\"d", 1, {"[01]abc", "[02]d"}},
                    SampleCase{"DoubledQuotesRoundAField", "\"\"x\"\",y", 1, {"[01]x", "[02]y"}},
                    SampleCase{"SecondByte5CIsNoSeparator", "ソ表,能", 1, {"[01]ソ表", "[02]能"}},
                    SampleCase{"TenAndMoreFields",
                               "1,2,3,4,5,6,7,8,9,10",
                               1,
                               {"[01]1", "[02]2", "[03]3", "[04]4", "[05]5", "[06]6", "[07]7",
                                "[08]8", "[09]9", "[10]10"}}),
    [](const testing::TestParamInfo<SampleCase>& info) { return std::string(info.param.name); });

TEST(SampleLine, TheLastTitleLineOrElseTheFirstDataLine) {
    F form;
    form.titlePosition = 0;
    form.dataPosition = 1;  // "2行"
    EXPECT_EQ(xf::SampleLineNumber(form), 2);
    form.titlePosition = 2;
    form.dataPosition = 5;
    EXPECT_EQ(xf::SampleLineNumber(form), 2);
}

F AssignedForm() {
    F f;
    f.name = "CSV1";
    for (int k : {0, 2, 4, 5, 6, 7}) f.items[k] = {k, "[0" + std::to_string(k + 1) + "]x"};
    return f;
}

using CheckCase = xftest::FormCase<F>;

class DelimCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(DelimCheckTest, FirstFault) {
    xftest::ExpectFirstFault(GetParam(), AssignedForm(), xf::ValidateDelimForm);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DelimCheckTest,
    testing::Values(
        CheckCase{"Valid", [](F&) {}, 0, "", "", F::kNone},
        CheckCase{"QuoteInName", [](F& f) { f.name = "a\"", f.items[0].column = -1; }, 108, "", "",
                  F::kName},
        CheckCase{"RequiredItemWithoutColumn",
                  [](F& f) { f.items[5].column = -1, f.items[6].column = -1; }, 45, "口座番号", "",
                  F::ItemField(5)},
        CheckCase{"OptionalItemsMayStayUnassigned", [](F& f) { f.kind = 2; }, 0, "", "", F::kNone},
        CheckCase{"AccountTypeTooLong", [](F& f) { f.accountTypes[1] = std::string(21, '2'); }, 48,
                  "変換前科目", "20", F::AccountTypeField(1)},
        CheckCase{"CommaInAccountType9", [](F& f) { f.accountTypes[3] = "9,"; }, 108, "", "",
                  F::AccountTypeField(3)},
        CheckCase{"TitleRows2DataRow2", [](F& f) { f.titlePosition = 2, f.dataPosition = 1; }, 102,
                  "", "", F::kDataRow},
        CheckCase{"TitleRows2DataRow3", [](F& f) { f.titlePosition = 2, f.dataPosition = 2; }, 0,
                  "", "", F::kNone},
        CheckCase{"NoTitleDataRow1", [](F& f) { f.titlePosition = 0, f.dataPosition = 0; }, 0, "",
                  "", F::kNone}),
    xftest::CaseName<F>);

class DelimNameTest : public testing::TestWithParam<CheckCase> {};

TEST_P(DelimNameTest, FirstFault) {
    xftest::ExpectFirstFault(GetParam(), AssignedForm(), xf::CheckDelimPatternName);
}

// The name field takes 74 characters; the pattern holds 74 bytes.
INSTANTIATE_TEST_SUITE_P(
    Cases, DelimNameTest,
    testing::Values(CheckCase{"Empty", [](F& f) { f.name.clear(); }, 10, "変換パターン", "",
                              F::kName},
                    CheckCase{"Of74Bytes", [](F& f) { f.name = std::string(72, 'a') + "名"; }, 0,
                              "", "", F::kNone},
                    CheckCase{"Of75Bytes", [](F& f) { f.name = std::string(73, 'a') + "名"; }, 48,
                              "変換パターン名", "74", F::kName}),
    xftest::CaseName<F>);

TEST(DelimPatternRecord, SalaryStoresNeitherItem11Nor12) {
    F form = AssignedForm();
    form.kind = 2;
    form.separator = 4;
    form.items[10] = {8, "[09]edi"};
    form.items[11] = {9, "[10]no"};
    form.titlePosition = 0;
    form.dataPosition = 0;
    form.lineBreak = 0;
    const xf::CDelimPattern p = xf::ToDelimPattern(form);
    EXPECT_STREQ(p.kindCode, "02");
    EXPECT_STREQ(p.kindName, "給与振込");
    EXPECT_STREQ(p.fileClass, "04");
    EXPECT_EQ(p.ColumnText(5), "5");
    EXPECT_EQ(p.Text(5), "[06]x");
    EXPECT_EQ(p.ColumnText(1), "");
    EXPECT_EQ(p.ColumnText(10), "");
    EXPECT_EQ(p.Text(10), "");
    EXPECT_STREQ(p.titleRows, "0");
    EXPECT_STREQ(p.dataRow, "1");
    EXPECT_STREQ(p.lineBreakCode, "0");
}

TEST(DelimPatternRecord, LoadingIsTheReverseAndOddCodesChooseNothing) {
    F form = AssignedForm();
    form.separator = 2;
    form.zeroCheck = 2;
    form.accountTypes[2] = "ﾁｮﾁｸ";
    const xf::CDelimPattern p = xf::ToDelimPattern(form);
    const F loaded = xf::FromDelimPattern(p);
    EXPECT_EQ(loaded.separator, 2);
    EXPECT_EQ(loaded.zeroCheck, 2);
    EXPECT_EQ(loaded.items[4].column, 4);
    EXPECT_EQ(loaded.items[1].column, -1);
    EXPECT_EQ(loaded.titlePosition, 1);
    EXPECT_EQ(loaded.dataPosition, 1);
    EXPECT_FALSE(xf::IsDelimPatternModified(loaded, &p));

    xf::CDelimPattern odd = p;
    odd.SetField(0, "07");
    odd.SetField(2, "5");
    odd.SetField(36, "4");
    odd.SetField(37, "");
    const F oddForm = xf::FromDelimPattern(odd);
    EXPECT_EQ(oddForm.kind, 0);
    EXPECT_EQ(oddForm.separator, 0);
    EXPECT_EQ(oddForm.outputLength, 0);
    EXPECT_EQ(oddForm.lineBreak, -1);
}

TEST(DelimPatternModified, AgainstACleardFormAndAStoredPattern) {
    EXPECT_FALSE(xf::IsDelimPatternModified(F{}, nullptr));
    const std::vector<std::function<void(F&)>> changes = {
        [](F& f) { f.name = "n"; },          [](F& f) { f.kind = 2; },
        [](F& f) { f.separator = 4; },       [](F& f) { f.blankCheck = 2; },
        [](F& f) { f.outputLength = 3; },    [](F& f) { f.lineBreak = 0; },
        [](F& f) { f.items[3].text = "x"; }, [](F& f) { f.accountTypes[0] = "1"; },
        [](F& f) { f.titlePosition = 0; },   [](F& f) { f.dataPosition = 2; }};
    for (size_t i = 0; i < changes.size(); ++i) {
        F form;
        changes[i](form);
        EXPECT_TRUE(xf::IsDelimPatternModified(form, nullptr)) << "change " << i;
    }

    const F form = AssignedForm();
    const xf::CDelimPattern stored = xf::ToDelimPattern(form);
    F moved = form;
    moved.items[0] = {3, "[04]x"};
    EXPECT_TRUE(xf::IsDelimPatternModified(moved, &stored));
    F rows = form;
    rows.dataPosition = 3;
    EXPECT_TRUE(xf::IsDelimPatternModified(rows, &stored));
}

}  // namespace
