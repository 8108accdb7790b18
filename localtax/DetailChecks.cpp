#include "localtax/DetailChecks.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "localtax/DetailRecord.h"
#include "localtax/TaxGroup.h"

namespace tx {

namespace {

// One cross-item rule: the items it names, the items a failure clears and the test itself.
struct CrossRule {
    std::vector<int> names;
    std::vector<int> clears;
    bool (*holds)(const CDetailRecord& detail);
};

std::int64_t N(const CDetailRecord& detail, int item) {
    return detail.Number(item);
}

bool BothZeroOrBoth(std::int64_t a, std::int64_t b) {
    return (a == 0) == (b == 0);
}

const CrossRule kRules[] = {
    {{kSalaryTaxCount, kSalaryTaxAmount},
     {kSalaryTaxCount, kSalaryTaxAmount},
     [](const CDetailRecord& d) {
         return BothZeroOrBoth(N(d, kSalaryTaxCount), N(d, kSalaryTaxAmount));
     }},
    {{kRetirementTaxCount, kRetirementTaxAmount},
     {kRetirementTaxCount, kRetirementTaxAmount},
     [](const CDetailRecord& d) {
         return BothZeroOrBoth(N(d, kRetirementTaxCount), N(d, kRetirementTaxAmount));
     }},
    {{kRetirees, kRetirementTaxCount},
     {kRetirees, kRetirementTaxCount},
     [](const CDetailRecord& d) { return N(d, kRetirees) == N(d, kRetirementTaxCount); }},
    {{kMunicipalRetirementTax, kPrefecturalRetirementTax, kRetirementTaxAmount},
     {kMunicipalRetirementTax, kPrefecturalRetirementTax, kRetirementTaxAmount},
     [](const CDetailRecord& d) {
         return N(d, kMunicipalRetirementTax) + N(d, kPrefecturalRetirementTax) ==
                N(d, kRetirementTaxAmount);
     }},
    {{kRetirementTaxAmount, kRetirementAllowance, kRetirementTaxCount},
     {kRetirementTaxAmount, kRetirementAllowance, kRetirementTaxCount},
     [](const CDetailRecord& d) {
         const bool taxed = N(d, kRetirementTaxAmount) != 0;
         return (N(d, kRetirementAllowance) != 0) == taxed &&
                (N(d, kRetirementTaxCount) != 0) == taxed;
     }},
    {{kRetirementTaxAmount, kRetirementAllowance},
     {kRetirementTaxAmount, kRetirementAllowance},
     [](const CDetailRecord& d) {
         const std::int64_t tax = N(d, kRetirementTaxAmount);
         const std::int64_t allowance = N(d, kRetirementAllowance);
         return tax == 0 || allowance == 0 || tax < allowance;
     }},
    {{kPaymentCount, kSalaryTaxCount, kRetirementTaxCount},
     {kPaymentCount},
     [](const CDetailRecord& d) {
         return N(d, kPaymentCount) == N(d, kSalaryTaxCount) + N(d, kRetirementTaxCount);
     }},
    {{kTaxPaid, kSalaryTaxAmount, kRetirementTaxAmount},
     {kTaxPaid},
     [](const CDetailRecord& d) {
         return N(d, kTaxPaid) == N(d, kSalaryTaxAmount) + N(d, kRetirementTaxAmount);
     }},
};

}  // namespace

void ValidateGroup(CTaxGroup& group) {
    bool valid = true;
    for (int item = 0; item < kHeaderItemCount; ++item) {
        valid = valid && IsValid(group.HeaderStatus(item));
    }
    group.error = valid ? 0 : 1;
}

void ValidateDetail(CDetailRecord& detail) {
    for (const CrossRule& rule : kRules) {
        const bool applies = std::all_of(rule.names.begin(), rule.names.end(),
                                         [&](int item) { return detail.IsItemValid(item); });
        if (applies && !rule.holds(detail)) {
            for (int item : rule.clears) {
                detail.SetStatus(item, kStatusError);
            }
        }
    }
    detail.error = detail.AllItemsValid() ? 0 : 1;
}

}  // namespace tx
