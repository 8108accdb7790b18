#pragma once
// The requester screen's form: its four lines as a requester record, the checks of a save in
// their order and the comparison with the stored record. The main screen runs the same checks on
// the stored record before a read, so that a master edited by hand or damaged never heads an
// output file.
#include "common/base/FormFault.h"
#include "localtax/RequesterInfo.h"

namespace tx {

// The line a failed check points at.
enum class RequesterField : int { kNone = 0, kName1, kName2, kAddress1, kAddress2 };

// The name lines' label, the word of kRequiredEmpty and kBadCharacters's field.
inline constexpr char kRequesterNameLabel[] = "依頼人名(ｶﾅ)";
inline constexpr char kRequesterAddressLabel[] = "住所(ｶﾅ)";

// The label of a field's line on the screen: kRequesterNameLabel or kRequesterAddressLabel.
const char* RequesterFieldLabel(int field);

// The first failing check of a save, its field a RequesterField: name line 1, then address
// line 1 empty (kRequiredEmpty with the line's label); then, line by line, a character other than a
// digit, a letter, half-width katakana or the listed signs (kBadCharacters). No fault when all
// pass; the second lines may stay empty.
FormFault CheckRequesterForm(const CRequesterInfo& form);

// The form with every line cut on a character boundary to its width in the master.
CRequesterInfo CutToWidths(const CRequesterInfo& form);

// True when a line differs from its line of stored, or, without a stored record, when a line is
// not empty.
bool IsRequesterModified(const CRequesterInfo& form, const CRequesterInfo* stored);

}  // namespace tx
