// The fixed-length pattern form: the checks of a save in their order, the pattern it stores and
// the comparison with a stored pattern.
#include "transfer/FixedPatternForm.h"

#include <gtest/gtest.h>

#include <string>

#include "FormCase.h"
#include "ValidForms.h"

namespace {

using xf::FixedPatternForm;
using F = FixedPatternForm;

FixedPatternForm ValidForm() {
    return xftest::ValidFixedForm("固定A");
}

using CheckCase = xftest::FormCase<F>;

class FixedCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(FixedCheckTest, FirstFault) {
    xftest::ExpectFirstFault(GetParam(), ValidForm(), xf::CheckFixedPatternForm);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedCheckTest,
    testing::Values(
        CheckCase{"Valid", [](F&) {}, 0, "", "", F::kNone},
        CheckCase{"NameOf75Bytes", [](F& f) { f.name = std::string(75, 'a'); }, 48,
                  "変換パターン名", "74", F::kName},
        CheckCase{"NameOf74Bytes", [](F& f) { f.name = std::string(74, 'a'); }, 0, "", "",
                  F::kNone},
        CheckCase{"EmptyName", [](F& f) { f.name.clear(), f.recordLength.clear(); }, 10,
                  "変換パターン名", "", F::kName},
        CheckCase{"CommaInName", [](F& f) { f.name = "a,b"; }, 108, "", "", F::kName},
        CheckCase{"EmptyRecordLength", [](F& f) { f.recordLength.clear(); }, 10,
                  "変換前データレコード長", "", F::kRecordLength},
        CheckCase{"RequiredStartEmpty", [](F& f) { f.start[2].clear(), f.length[0] = "0"; }, 10,
                  "支店コード", "", F::StartField(2)},
        CheckCase{"RequiredLengthEmpty", [](F& f) { f.length[5].clear(); }, 10, "口座番号", "",
                  F::LengthField(5)},
        CheckCase{"OptionalStartWithoutLength", [](F& f) { f.start[8] = "60"; }, 10,
                  "振込先コード1", "", F::LengthField(8)},
        CheckCase{"OptionalLengthWithoutStart", [](F& f) { f.length[11] = "5"; }, 10,
                  "振込依頼人番号", "", F::StartField(11)},
        CheckCase{"SalaryLeavesItems11And12Unchecked",
                  [](F& f) { f.general = false, f.start[10] = "0", f.length[11] = "99"; }, 0, "",
                  "", F::kNone},
        CheckCase{"SalaryStillChecksAccountType9",
                  [](F& f) { f.general = false, f.accountTypes[3] = "\"9\""; }, 108, "", "",
                  F::AccountTypeField(3)},
        CheckCase{"CommaInAccountType1", [](F& f) { f.accountTypes[0] = "1,2"; }, 108, "", "",
                  F::AccountTypeField(0)},
        // The field takes 20 characters; the pattern holds 20 bytes.
        CheckCase{"AccountType2Of22Bytes",
                  [](F& f) { f.accountTypes[1] = "当座預金当座預金当座預"; }, 48, "変換前科目",
                  "20", F::AccountTypeField(1)},
        CheckCase{"AccountType9Of20Bytes", [](F& f) { f.accountTypes[3] = "その他その他その他そ"; },
                  0, "", "", F::kNone},
        CheckCase{
            "TooLongBeforeAComma",
            [](F& f) { f.accountTypes[0] = "普通預金普通預金普通預金", f.accountTypes[1] = ","; },
            48, "変換前科目", "20", F::AccountTypeField(0)},
        CheckCase{"SalaryStoresNoAccountType9SoItsLengthPasses",
                  [](F& f) { f.general = false, f.accountTypes[3] = "その他その他その他その他"; },
                  0, "", "", F::kNone},
        CheckCase{"StartZeroBeforeAnyLengthCheck",
                  [](F& f) { f.start[7] = "0", f.length[0] = "9"; }, 107, "", "", F::StartField(7)},
        CheckCase{"StartZeroOfAnOptionalItem", [](F& f) { f.start[10] = "00", f.length[10] = "5"; },
                  107, "", "", F::StartField(10)},
        CheckCase{"LengthAboveMaximum", [](F& f) { f.length[0] = "5"; }, 48, "金融機関コード", "4",
                  F::LengthField(0)},
        CheckCase{"LengthNameDiffersFromPresenceName",
                  [](F& f) { f.start[9] = "60", f.length[9] = "11"; }, 48, "振込先コード２", "10",
                  F::LengthField(9)},
        CheckCase{"OptionalStart5Length0", [](F& f) { f.start[1] = "5", f.length[1] = "0"; }, 82,
                  "", "", F::LengthField(1)},
        CheckCase{"RequiredLength0", [](F& f) { f.length[6] = "0"; }, 82, "", "",
                  F::LengthField(6)},
        CheckCase{"RecordLength4001", [](F& f) { f.recordLength = "4001"; }, 101,
                  "変換前データレコード長", "4000 byte", F::kRecordLength},
        CheckCase{"RecordLength4000", [](F& f) { f.recordLength = "4000"; }, 0, "", "", F::kNone}),
    xftest::CaseName<F>);

TEST(FixedPatternRecord, SalaryStoresNeitherItems11And12NorAccountTypes4And9) {
    F form = ValidForm();
    form.general = false;
    form.start[10] = "101";
    form.length[10] = "20";
    form.accountTypes[0] = "1";
    form.accountTypes[2] = "4";
    form.accountTypes[3] = "9";
    form.zeroCheck = 2;
    form.lineBreak = 0;
    form.outputLength = 3;
    const xf::CFixedPattern p = xf::ToFixedPattern(form);
    EXPECT_STREQ(p.kindCode, "02");
    EXPECT_STREQ(p.kindName, "給与振込");
    EXPECT_STREQ(p.fileClass, "03");
    EXPECT_EQ(p.StartText(10), "");
    EXPECT_EQ(p.LengthText(10), "");
    EXPECT_STREQ(p.accountTypeCodes[xf::kOrdinaryCode], "1");
    EXPECT_STREQ(p.accountTypeCodes[xf::kSavingsCode], "");
    EXPECT_STREQ(p.accountTypeCodes[xf::kOtherCode], "");
    EXPECT_STREQ(p.zeroCheck, "2");
    EXPECT_STREQ(p.blankCheck, "1");
    EXPECT_STREQ(p.outputLengthCode, "3");
    EXPECT_STREQ(p.lineBreakCode, "0");
    EXPECT_STREQ(p.titleRows, "1");
    EXPECT_STREQ(p.dataRow, "2");
}

TEST(FixedPatternRecord, LoadingIsTheReverse) {
    F form = ValidForm();
    form.start[11] = "90";
    form.length[11] = "10";
    form.blankCheck = 2;
    form.outputLength = 2;
    const xf::CFixedPattern p = xf::ToFixedPattern(form);
    F loaded;
    xf::LoadFixedPattern(p, loaded);
    EXPECT_TRUE(loaded.general);
    EXPECT_EQ(loaded.name, form.name);
    EXPECT_EQ(loaded.start[11], "90");
    EXPECT_EQ(loaded.blankCheck, 2);
    EXPECT_EQ(loaded.outputLength, 2);
    EXPECT_FALSE(xf::IsFixedPatternModified(loaded, &p));

    // Codes outside their choices: skip for the handlings, no line break, output length kept.
    xf::CFixedPattern odd = p;
    odd.SetField(0, "2");
    odd.SetField(28, "7");
    odd.SetField(36, "9");
    odd.SetField(37, "");
    F kept;
    kept.outputLength = 3;
    xf::LoadFixedPattern(odd, kept);
    EXPECT_FALSE(kept.general);
    EXPECT_EQ(kept.zeroCheck, 2);
    EXPECT_EQ(kept.outputLength, 3);
    EXPECT_EQ(kept.lineBreak, 0);
}

TEST(FixedPatternModified, AgainstACleardFormAndAStoredPattern) {
    EXPECT_FALSE(xf::IsFixedPatternModified(F{}, nullptr));
    F typed;
    typed.name = "新規";  // a new name alone is a change
    EXPECT_TRUE(xf::IsFixedPatternModified(typed, nullptr));
    F salary;
    salary.general = false;
    EXPECT_TRUE(xf::IsFixedPatternModified(salary, nullptr));

    const F form = ValidForm();
    const xf::CFixedPattern stored = xf::ToFixedPattern(form);
    F changed = form;
    changed.length[3] = "5";
    EXPECT_TRUE(xf::IsFixedPatternModified(changed, &stored));
    // Items 11 and 12 of a salary form are never stored, so they change nothing.
    F salaryForm = form;
    salaryForm.general = false;
    const xf::CFixedPattern salaryStored = xf::ToFixedPattern(salaryForm);
    salaryForm.start[11] = "99";
    salaryForm.accountTypes[3] = "x";
    EXPECT_FALSE(xf::IsFixedPatternModified(salaryForm, &salaryStored));
}

}  // namespace
