#pragma once
// The consignor screen's checks before a save, on one consignor: the screen runs them on its
// form, and the main screen on the chosen consignor before a read, so that a master line edited
// by hand or damaged (control bytes, double-byte text, letters in a number) never reaches the
// header of a direct-debit file.
#include "common/base/FormFault.h"
#include "common/patterns/HeaderRecordField.h"
#include "debit/ConsignorInfo.h"

namespace db {

// The field a failed check points at, as the consignor screen shows them.
using ConsignorField = HeaderRecordField;

// The printable single-byte characters the kana fields may not hold.
inline constexpr char kConsignorForbiddenChars[] = "\",{}~`";

// The first failing check, in the screen's order, as its message (kRequiredEmpty with the
// field's name for an empty required field, kQuoteOrComma for a quote or comma in the
// description, kNothingChosen "科目" for an account type other than 1, 2 or 9, kBadCharacters
// for a character the field may not hold) and its
// ConsignorField; no fault when all pass. The name, branch code, branch name and account
// number may be empty.
FormFault CheckConsignor(const CConsignorInfo& consignor);

}  // namespace db
