#pragma once
// The consignor screen's form as text, its checks before a save and its mapping onto a
// consignor record.
#include <string>

#include "common/base/FormFault.h"
#include "debit/ConsignorCheck.h"
#include "debit/ConsignorInfo.h"

namespace db {

struct ConsignorForm {
    std::string description;
    std::string name;
    std::string code;
    std::string branchCode;
    std::string branchName;
    std::string accountNumber;
    int accountType = 1;  // value of the chosen account type, -1 when none is chosen
};

// The first failing check of a save, its field a ConsignorField: a text longer in bytes than its
// master field (kTooLong with the field's name and width; such a text is refused, never cut),
// then the checks of CheckConsignor in their order; no fault when all pass.
FormFault CheckConsignorForm(const ConsignorForm& form);

// The record the form stores; every text must fit its field (CheckConsignorForm passed).
CConsignorInfo ToConsignor(const ConsignorForm& form);
// The form that shows a record.
ConsignorForm FromConsignor(const CConsignorInfo& consignor);

// True when the form differs from reference, or, without a reference, from an empty form (no
// description either) with account type 1, the list's first choice.
bool IsConsignorModified(const ConsignorForm& form, const CConsignorInfo* reference);

}  // namespace db
