// The direct-debit fixed-length pattern form: the checks of a save in their order with the
// direct-debit items, the pattern it stores (kind "03", the four account types) and the
// comparison with a stored pattern.
#include "debit/FixedPatternForm.h"

#include <gtest/gtest.h>

#include <string>

#include "support/FormCase.h"

namespace {

using db::FixedPatternForm;
using F = FixedFormField;

// The required items of a valid 100-byte record.
FixedPatternForm ValidForm() {
    FixedPatternForm f;
    f.name = "固定A";
    f.recordLength = "100";
    const char* positions[][2] = {{"1", "4"}, {"", ""},   {"5", "3"},   {"", ""},
                                  {"8", "1"}, {"9", "7"}, {"16", "30"}, {"46", "10"}};
    for (int k = 0; k < 8; ++k) {
        f.start[k] = positions[k][0];
        f.length[k] = positions[k][1];
    }
    return f;
}

using CheckCase = kortest::FormCase<FixedPatternForm>;

class DebitFixedCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(DebitFixedCheckTest, FirstFault) {
    kortest::ExpectFirstFault(GetParam(), ValidForm(), db::CheckFixedPatternForm);
}

using Form = FixedPatternForm;
INSTANTIATE_TEST_SUITE_P(
    Cases, DebitFixedCheckTest,
    testing::Values(
        CheckCase{"Valid", [](Form&) {}, 0, "", "", F::kNone},
        CheckCase{"NameOf75Bytes", [](Form& f) { f.name = std::string(75, 'a'); }, 48,
                  "変換パターン名", "74", F::kName},
        CheckCase{"EmptyRecordLength", [](Form& f) { f.recordLength.clear(); }, 10,
                  "変換前データレコード長", "", F::kRecordLength},
        CheckCase{"RequiredDepositorNameStartEmpty", [](Form& f) { f.start[6].clear(); }, 10,
                  "口座名(ｶﾅ)", "", F::StartField(6)},
        CheckCase{"OptionalBankNameStartWithoutLength", [](Form& f) { f.start[1] = "60"; }, 10,
                  "引落銀行名", "", F::LengthField(1)},
        CheckCase{"OptionalCustomerNumberLengthWithoutStart", [](Form& f) { f.length[9] = "5"; },
                  10, "顧客番号", "", F::StartField(9)},
        // The hidden type-9 text is checked like the others.
        CheckCase{"CommaInAccountType9", [](Form& f) { f.accountTypes[3] = "9,"; }, 108, "", "",
                  F::AccountTypeField(3)},
        CheckCase{"AccountType3Of21Bytes",
                  [](Form& f) { f.accountTypes[2] = std::string(21, 'a'); }, 48, "変換前科目", "20",
                  F::AccountTypeField(2)},
        // Every start is checked, an optional item's too.
        CheckCase{"CustomerNumberStartZero", [](Form& f) { f.start[9] = "0", f.length[9] = "5"; },
                  107, "", "", F::StartField(9)},
        CheckCase{"NewCodeLength2", [](Form& f) { f.start[8] = "60", f.length[8] = "2"; }, 48,
                  "新規コード", "1", F::LengthField(8)},
        CheckCase{"RequiredLengthZero", [](Form& f) { f.length[7] = "0"; }, 82, "", "",
                  F::LengthField(7)},
        CheckCase{"RecordLengthAbove4000", [](Form& f) { f.recordLength = "4001"; }, 102,
                  "変換前データレコード長", "4000 byte", F::kRecordLength}),
    kortest::CaseName<FixedPatternForm>);

TEST(DebitFixedPatternForm, StoresTheDebitKindAndEveryOptionAndLoadsThemBack) {
    FixedPatternForm form = ValidForm();
    form.start[9] = "60", form.length[9] = "20";
    form.zeroCheck = 2, form.blankCheck = 1;
    form.accountTypes[0] = "ﾌﾂｳ", form.accountTypes[2] = "ﾉｳｾﾞｲ", form.accountTypes[3] = "ｿﾉﾀ";
    form.outputLength = 3, form.lineBreak = 0;
    const db::CFixedPattern p = db::ToFixedPattern(form);
    // The fields by their numbers, from 1.
    const char* expected[][2] = {{"1", "03"},     {"2", "口座振込"}, {"3", "03"},   {"4", "固定A"},
                                 {"5", "1"},      {"6", "4"},        {"23", "60"},  {"24", "20"},
                                 {"25", "2"},     {"26", "1"},       {"28", "100"}, {"29", "ﾌﾂｳ"},
                                 {"31", "ﾉｳｾﾞｲ"}, {"32", "ｿﾉﾀ"},     {"33", "3"},   {"34", "0"}};
    for (const auto& [number, text] : expected)
        EXPECT_EQ(p.GetField(std::stoi(number)), text) << number;

    FixedPatternForm loaded;
    db::LoadFixedPattern(p, loaded);
    EXPECT_EQ(loaded.start[9], "60");
    EXPECT_EQ(loaded.accountTypes[3], "ｿﾉﾀ");
    EXPECT_EQ(loaded.zeroCheck, 2);
    EXPECT_EQ(loaded.outputLength, 3);
    EXPECT_EQ(loaded.lineBreak, 0);
    EXPECT_FALSE(db::IsFixedPatternModified(loaded, &p));
}

TEST(DebitFixedPatternForm, ModifiedAgainstTheStoredPatternOrAClearedForm) {
    const db::CFixedPattern stored = db::ToFixedPattern(ValidForm());
    struct Case {
        const char* name;
        void (*change)(Form&);
        bool modified;
    };
    const Case cases[] = {
        {"unchanged", [](Form&) {}, false},
        {"a start", [](Form& f) { f.start[0] = "2"; }, true},
        {"a length", [](Form& f) { f.length[7] = "9"; }, true},
        {"record length", [](Form& f) { f.recordLength = "99"; }, true},
        {"hidden type 9", [](Form& f) { f.accountTypes[3] = "9"; }, true},
        {"line break", [](Form& f) { f.lineBreak = 0; }, true},
    };
    for (const Case& c : cases) {
        Form form = ValidForm();
        c.change(form);
        EXPECT_EQ(db::IsFixedPatternModified(form, &stored), c.modified) << c.name;
    }
    Form cleared;
    EXPECT_FALSE(db::IsFixedPatternModified(cleared, nullptr));
    cleared.outputLength = 2;
    EXPECT_TRUE(db::IsFixedPatternModified(cleared, nullptr));
}

}  // namespace
