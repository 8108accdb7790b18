#include "localtax/DetailChecks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <utility>
#include <vector>

#include "localtax/DetailRecord.h"
#include "localtax/TaxGroup.h"

namespace tx {
namespace {

// A detail every rule accepts: 3 salary taxpayers paying 30000, 1 retiree paying 2000 (1200 to
// the municipality, 800 to the prefecture) on an allowance of 5000000.
CDetailRecord ValidDetail() {
    CDetailRecord d;
    const char* texts[kItemCount] = {
        "131016",    "ﾁﾖﾀﾞｸ", "123",       " ",   "00003",      "000030000", "00001",
        "000002000", "00004", "000032000", "001", "0005000000", "000001200", "000000800"};
    for (int item = 0; item < kItemCount; ++item) {
        d.SetText(item, texts[item]);
        d.SetStatus(item, kStatusRead);
    }
    d.output = 1;
    return d;
}

struct RuleCase {
    const char* name;
    std::vector<std::pair<int, const char*>> changes;
    std::vector<int> cleared;  // the items the failed rule sets in error
};

class ValidateDetailRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ValidateDetailRule, ClearsExactlyTheNamedItems) {
    const RuleCase& c = GetParam();
    CDetailRecord d = ValidDetail();
    for (const auto& [item, text] : c.changes) {
        d.SetText(item, text);
    }
    ValidateDetail(d);
    for (int item = 0; item < kItemCount; ++item) {
        const bool cleared = std::find(c.cleared.begin(), c.cleared.end(), item) != c.cleared.end();
        EXPECT_EQ(d.Status(item), cleared ? kStatusError : kStatusRead) << "item " << item;
    }
    EXPECT_EQ(d.error, c.cleared.empty() ? 0 : 1);
}

// One failing case per rule (each failing only that rule), and passing variants.
INSTANTIATE_TEST_SUITE_P(
    Rules, ValidateDetailRule,
    ::testing::Values(
        RuleCase{"AllRulesHold", {}, {}},
        // 1: salary count without amount; the payment figures still add up.
        RuleCase{"SalaryCountWithoutAmount",
                 {{kSalaryTaxAmount, ""}, {kTaxPaid, "000002000"}},
                 {kSalaryTaxCount, kSalaryTaxAmount}},
        RuleCase{"NoSalaryTaxAtAll",
                 {{kSalaryTaxCount, ""},
                  {kSalaryTaxAmount, "000000000"},
                  {kPaymentCount, "00001"},
                  {kTaxPaid, "000002000"}},
                 {}},
        // 2: retirement amount without count (retirees follow the count, rule 3 still holds).
        RuleCase{"RetirementAmountWithoutCount",
                 {{kRetirementTaxCount, "00000"}, {kRetirees, "000"}, {kPaymentCount, "00003"}},
                 {kRetirementTaxCount, kRetirementTaxAmount}},
        // 3: retirees differ from the retirement count.
        RuleCase{"RetireesDifferFromCount", {{kRetirees, "002"}}, {kRetirees, kRetirementTaxCount}},
        // 4: municipal + prefectural differ from the retirement amount.
        RuleCase{"RetirementSplitDoesNotAddUp",
                 {{kPrefecturalRetirementTax, "000000801"}},
                 {kMunicipalRetirementTax, kPrefecturalRetirementTax, kRetirementTaxAmount}},
        // 5: retirement tax on no allowance.
        RuleCase{"RetirementTaxWithoutAllowance",
                 {{kRetirementAllowance, "0000000000"}},
                 {kRetirementTaxAmount, kRetirementAllowance, kRetirementTaxCount}},
        RuleCase{"NoRetirementAtAll",
                 {{kRetirementTaxCount, ""},
                  {kRetirementTaxAmount, ""},
                  {kRetirees, ""},
                  {kRetirementAllowance, ""},
                  {kMunicipalRetirementTax, ""},
                  {kPrefecturalRetirementTax, ""},
                  {kPaymentCount, "00003"},
                  {kTaxPaid, "000030000"}},
                 {}},
        // 6: tax equal to the allowance (split still adds up).
        RuleCase{"RetirementTaxEqualToAllowance",
                 {{kRetirementAllowance, "0000002000"}},
                 {kRetirementTaxAmount, kRetirementAllowance}},
        // 7: payment count is not salary + retirement count.
        RuleCase{"PaymentCountWrong", {{kPaymentCount, "00005"}}, {kPaymentCount}},
        // 8: tax paid is not salary + retirement amount.
        RuleCase{"TaxPaidWrong", {{kTaxPaid, "000032001"}}, {kTaxPaid}}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(ValidateDetail, AFlagClearedEarlierSwitchesLaterRulesOff) {
    // Rule 2 fails (count without amount); rules 3-8 that name the retirement count or amount
    // are then not applied, though retirees, the split and the payment figures do not match.
    CDetailRecord d = ValidDetail();
    d.SetText(kRetirementTaxAmount, "000000000");
    ValidateDetail(d);
    EXPECT_EQ(d.Status(kRetirementTaxCount), kStatusError);
    EXPECT_EQ(d.Status(kRetirementTaxAmount), kStatusError);
    for (int item : {kRetirees, kMunicipalRetirementTax, kPrefecturalRetirementTax,
                     kRetirementAllowance, kPaymentCount, kTaxPaid}) {
        EXPECT_EQ(d.Status(item), kStatusRead) << "item " << item;
    }
    EXPECT_EQ(d.error, 1);
}

TEST(ValidateDetail, AnItemAlreadyInErrorSwitchesItsRulesOff) {
    CDetailRecord d = ValidDetail();
    d.SetText(kPaymentCount, "00009");
    d.SetStatus(kPaymentCount, kStatusError);
    d.SetText(kTaxPaid, "000000001");  // rule 8 still runs and fails
    ValidateDetail(d);
    EXPECT_EQ(d.Status(kTaxPaid), kStatusError);
    EXPECT_EQ(d.error, 1);
}

TEST(ValidateDetail, CorrectedItemsCountAsValid) {
    // A corrected item carries 2: the rules run on it and the detail is not in error.
    CDetailRecord d = ValidDetail();
    d.SetStatus(kSalaryTaxAmount, kStatusCorrected);
    d.SetStatus(kTaxPaid, kStatusCorrected);
    ValidateDetail(d);
    EXPECT_EQ(d.Status(kSalaryTaxAmount), kStatusCorrected);
    EXPECT_EQ(d.error, 0);

    d.SetText(kSalaryTaxAmount, "000030001");
    ValidateDetail(d);
    EXPECT_EQ(d.Status(kTaxPaid), kStatusError);
    EXPECT_EQ(d.error, 1);
}

TEST(ValidateDetail, AnAllowanceBeyondThirtyTwoBitsComparesExactly) {
    // 4,294,969,000 wraps to 1,704 in 32 bits, which would put the tax of 2,000 above it.
    CDetailRecord d = ValidDetail();
    d.SetText(kRetirementAllowance, "4294969000");
    ValidateDetail(d);
    EXPECT_EQ(d.error, 0);
    d.SetText(kRetirementAllowance, "0000001999");
    ValidateDetail(d);
    EXPECT_EQ(d.Status(kRetirementAllowance), kStatusError);
}

TEST(ValidateGroup, ErrorUnlessEveryHeaderItemIsValid) {
    CTaxGroup group;
    ValidateGroup(group);
    EXPECT_EQ(group.error, 1);  // a new group's header flags are all 0
    for (int item = 0; item < kHeaderItemCount; ++item) {
        group.SetHeaderStatus(item, item == kAddress ? kStatusCorrected : kStatusRead);
    }
    ValidateGroup(group);
    EXPECT_EQ(group.error, 0);
    group.SetHeaderStatus(kPaymentMonth, kStatusError);
    ValidateGroup(group);
    EXPECT_EQ(group.error, 1);
}

}  // namespace
}  // namespace tx
