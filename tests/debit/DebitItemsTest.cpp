// The direct-debit items through the shared item machinery: the record they lay out and the
// rules of their rows that no other tool has (the bank's own code, the forbidden set).
#include <gtest/gtest.h>

#include <string>

#include "common/items/ItemCheck.h"
#include "debit/DataSet.h"
#include "debit/DebitItems.h"

namespace db {
namespace {

TEST(DebitRecord, FreshRecordIsEmptyAndValid) {
    const CDetailRecord record;
    ASSERT_EQ(record.ItemCount(), 10);
    const int widths[kItemCount] = {4, 15, 3, 15, 20, 7, 30, 10, 1, 20};
    for (int i = 0; i < kItemCount; ++i) {
        EXPECT_STREQ(record.Text(i), "") << i;
        EXPECT_EQ(record.Result(i), 0) << i;
        EXPECT_EQ(record.Width(i), widths[i]) << i;
    }
    EXPECT_EQ(record.serial, 0);
    EXPECT_EQ(record.deleteFlag, 0);
    EXPECT_EQ(CDataSet().kind, 3);
}

struct RuleCase {
    const char* note;
    int item;
    const char* text;
    bool namesMissing;
    int expected;
};
void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.note;
}

class DebitItemRule : public testing::TestWithParam<RuleCase> {};

TEST_P(DebitItemRule, ChecksByTheDebitRow) {
    const RuleCase& c = GetParam();
    ItemCheckContext context;
    context.forbidden = kForbiddenChars;
    std::string text = c.text;
    EXPECT_EQ(
        CheckItemText(text, DebitItems()[static_cast<size_t>(c.item)], context, c.namesMissing),
        c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DebitItemRule,
    testing::Values(RuleCase{"own bank code", kBankCode, "0998", false, 0},
                    RuleCase{"own bank code unpadded", kBankCode, "998", false, 0},
                    RuleCase{"another bank", kBankCode, "0999", false, 1},
                    RuleCase{"empty bank code with names", kBankCode, "", false, 1},
                    RuleCase{"empty bank code without names", kBankCode, "", true, 1},
                    RuleCase{"bank code not digits", kBankCode, "09a8", false, 1},
                    RuleCase{"empty branch code with names", kBranchCode, "", false, 0},
                    RuleCase{"empty branch code without names", kBranchCode, "", true, 1},
                    RuleCase{"kana and ASCII name", kDepositorName, "ﾔﾏﾀﾞ ﾀﾛｳ(A-1)", false, 0},
                    RuleCase{"brace in a name", kDepositorName, "ﾔﾏ{ﾀﾞ", false, 1},
                    RuleCase{"tilde in a customer number", kCustomerNumber, "A~1", false, 1},
                    RuleCase{"double-byte name", kDepositorName, "山田", false, 1},
                    RuleCase{"empty depositor name", kDepositorName, "", false, 1},
                    RuleCase{"new code too long", kNewCode, "12", false, 18}));

}  // namespace
}  // namespace db
