#pragma once
// The requester screen's form as text, its checks before a save, the padding of its number
// fields and its mapping onto a requester record.
#include <string>

#include "common/base/FormFault.h"
#include "common/patterns/AccountFields.h"
#include "transfer/RequesterInfo.h"

namespace xf {

// The choices of the account-type list, in list order.
using ::AccountTypeChoice;
inline constexpr const auto& kRequesterAccountTypes = kAccountTypeChoices;

struct RequesterForm {
    enum Field {
        kNone = 0,
        kDescription,
        kName,
        kRequesterCode,
        kBranchCode,
        kBranchName,
        kAccountType,
        kAccountNumber
    };

    std::string description;
    std::string name;
    std::string requesterCode;
    std::string branchCode;
    std::string branchName;
    std::string accountNumber;
    int accountType = 1;  // value of the chosen account type, -1 when none is chosen
    std::string kind;     // "1" general, "2" salary/bonus, empty for none
};

// The characters besides digits, letters and half-width katakana that a kana field allows.
inline constexpr char kKanaExtraChars[] = "\\｢｣()-/*&$,.@=%+;･ ";

// The first failing check of a save, in the screen's order; no fault when all pass.
FormFault CheckRequesterForm(const RequesterForm& form);

// The checks of a save applied to a stored requester, as it reaches the bank file's header: a
// requester saved through the requester screen passes; a line edited by hand or damaged may
// not. An account type other than one of the list's values is refused too.
FormFault CheckStoredRequester(const CRequesterInfo& requester);

using ::PadAccountNumber;
// The record the form stores (each text cut to its field's width).
CRequesterInfo ToRequester(const RequesterForm& form);
// The form that shows a record.
RequesterForm FromRequester(const CRequesterInfo& requester);
using ::AccountTypeIndex;

// True when the form differs from reference, or, without a reference, from an empty form
// (account type 1, no kind).
bool IsRequesterModified(const RequesterForm& form, const CRequesterInfo* reference);

}  // namespace xf
