// The direct-debit item check as the correction screen calls it (no pattern, the codes and the
// amount options given): every item's rules, the account-type mapping and the error count.
#include <gtest/gtest.h>

#include <string>

#include "debit/ConvertEngine.h"

namespace db {
namespace {

struct FieldCase {
    const char* note;
    int kind;
    const char* text;
    int nameFlag;
    int zeroOption;
    int blankOption;
    int expected;
    const char* normalised;  // the text the check leaves
    int skip;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.note;
}

class DebitValidateField : public testing::TestWithParam<FieldCase> {};

TEST_P(DebitValidateField, ChecksOneItem) {
    const FieldCase& c = GetParam();
    CConvertEngine engine;
    engine.SetConvertInfo(c.zeroOption, c.blankOption, "ﾌﾂｳ", "ﾄｳｻﾞ", "ﾉｳｾﾞｲ", "ｿﾉﾀ");
    std::string text = c.text;
    int skip = 0;
    EXPECT_EQ(engine.ValidateField(text, c.kind, 0, c.nameFlag, &skip), c.expected);
    EXPECT_EQ(text, c.normalised);
    EXPECT_EQ(skip, c.skip);
    // Only items left with a flag stay counted.
    EXPECT_EQ(engine.GetErrorCount(), HasErrorBits(c.expected) ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DebitValidateField,
    testing::Values(
        FieldCase{"own bank code", kBankCode, "0998", 0, 0, 0, 0, "0998", 0},
        FieldCase{"own bank code unpadded", kBankCode, " 998 ", 0, 0, 0, 0, "998", 0},
        FieldCase{"another bank", kBankCode, "0999", 0, 0, 0, 1, "0999", 0},
        FieldCase{"empty bank code", kBankCode, "", 0, 0, 0, 1, "", 0},
        FieldCase{"bank code too long", kBankCode, "00998", 0, 0, 0, 19, "00998", 0},
        FieldCase{"empty branch code, names there", kBranchCode, "", 0, 0, 0, 0, "", 0},
        FieldCase{"empty branch code, a name missing", kBranchCode, "", 1, 0, 0, 1, "", 0},
        FieldCase{"branch code not digits", kBranchCode, "1A", 0, 0, 0, 1, "1A", 0},
        FieldCase{"ordinary by the customer's code", kAccountType, "ﾌﾂｳ", 0, 0, 0, 0, "ﾌﾂｳ", 0},
        FieldCase{"tax reserve by the customer's code", kAccountType, " ﾉｳｾﾞｲ", 0, 0, 0, 0, "ﾉｳｾﾞｲ",
                  0},
        FieldCase{"type 3 as it stands", kAccountType, "3", 0, 0, 0, 0, "3", 0},
        FieldCase{"type 9 as it stands", kAccountType, "9", 0, 0, 0, 0, "9", 0},
        FieldCase{"no savings type 4", kAccountType, "4", 0, 0, 0, 1, "4", 0},
        FieldCase{"unknown code of two characters", kAccountType, "12", 0, 0, 0, 3, "12", 0},
        FieldCase{"empty account type", kAccountType, "", 0, 0, 0, 1, "", 0},
        FieldCase{"account number too long", kAccountNumber, "12345678", 0, 0, 0, 18, "12345678",
                  0},
        FieldCase{"kana and ASCII name", kDepositorName, "ﾔﾏﾀﾞ　ﾀﾛｳ(A-1)･", 0, 0, 0, 0,
                  "ﾔﾏﾀﾞ ﾀﾛｳ(A-1).", 0},
        FieldCase{"brace in a name", kDepositorName, "ﾔﾏ{ﾀﾞ", 0, 0, 0, 1, "ﾔﾏ{ﾀﾞ", 0},
        FieldCase{"back quote in a bank name", kBankName, "A`B", 0, 0, 0, 1, "A`B", 0},
        FieldCase{"tilde in a customer number", kCustomerNumber, "A~1", 0, 0, 0, 1, "A~1", 0},
        FieldCase{"closing brace in a new code", kNewCode, "}", 0, 0, 0, 1, "}", 0},
        FieldCase{"double-byte name", kDepositorName, "山田", 0, 0, 0, 1, "山田", 0},
        FieldCase{"tab in a branch name", kBranchName, "A\tB", 0, 0, 0, 1, "A\tB", 0},
        FieldCase{"empty depositor name", kDepositorName, "　", 0, 0, 0, 1, "", 0},
        FieldCase{"amount", kAmount, "1000", 0, 0, 0, 0, "1000", 0},
        FieldCase{"amount too long", kAmount, "12345678901", 0, 0, 0, 18, "12345678901", 0},
        FieldCase{"amount with a sign", kAmount, "-100", 0, 0, 0, 1, "-100", 0},
        FieldCase{"blank amount accepted", kAmount, " ", 0, 0, 0, 0, "", 0},
        FieldCase{"blank amount is an error", kAmount, "", 0, 0, 1, 1, "", 0},
        FieldCase{"blank amount skips", kAmount, "", 0, 0, 2, 0, "", 1},
        FieldCase{"blank amount, zero option", kAmount, "", 0, 1, 0, 0, "", 0},
        FieldCase{"zero accepted", kAmount, "0", 0, 0, 0, 0, "0", 0},
        FieldCase{"zeros are an error", kAmount, "000", 0, 1, 0, 1, "000", 0},
        FieldCase{"zero skips", kAmount, "0", 0, 2, 0, 0, "0", 1},
        FieldCase{"zero, blank option", kAmount, "0", 0, 0, 2, 0, "0", 0}));

TEST(DebitMapAccountType, ThroughThePatternsOwnCodes) {
    CConvertEngine engine;
    engine.SetConvertInfo(0, 0, "A", "B", "C", "D");
    EXPECT_EQ(engine.MapAccountType(" A "), "1");
    EXPECT_EQ(engine.MapAccountType("B"), "2");
    EXPECT_EQ(engine.MapAccountType("C"), "3");
    EXPECT_EQ(engine.MapAccountType("D"), "9");
    EXPECT_EQ(engine.MapAccountType("AB"), "AB");
    EXPECT_EQ(engine.MapAccountType("  "), "");
    // A customer code that is another type's number maps to its own type.
    engine.SetConvertInfo(0, 0, "3", "", "1", "");
    EXPECT_EQ(engine.MapAccountType("3"), "1");
    EXPECT_EQ(engine.MapAccountType("1"), "3");
}

TEST(DebitZeroFill, PadsTheCodesAndTheAmountOnly) {
    CDetailRecord record;
    record.Store(kBankCode, "998");
    record.Store(kBranchCode, "1");
    record.Store(kAccountNumber, "1234");
    record.Store(kAmount, "1000");
    record.Store(kNewCode, "1");
    record.Store(kCustomerNumber, "12");
    CConvertEngine::ZeroFillCodes(record);
    EXPECT_STREQ(record.Text(kBankCode), "0998");
    EXPECT_STREQ(record.Text(kBranchCode), "001");
    EXPECT_STREQ(record.Text(kAccountNumber), "0001234");
    EXPECT_STREQ(record.Text(kAmount), "0000001000");
    EXPECT_STREQ(record.Text(kNewCode), "1");
    EXPECT_STREQ(record.Text(kCustomerNumber), "12");
    EXPECT_STREQ(record.Text(kAccountType), "");  // empty items stay empty
}

}  // namespace
}  // namespace db
