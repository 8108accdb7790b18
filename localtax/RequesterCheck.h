#pragma once
// The checks the requester record passes before it is stored, in the requester screen's order:
// name line 1 and address line 1 are required, and every line holds only digits, Latin
// letters, half-width katakana and the signs a bank name may carry. The main screen runs them
// on the stored record before a read, so that a master edited by hand or damaged never heads
// an output file.
#include <string>

#include "common/FormFault.h"
#include "localtax/RequesterInfo.h"

namespace tx {

// The four lines of the record, in the screen's order.
enum RequesterLine : int { kName1Line, kName2Line, kAddress1Line, kAddress2Line };

// The label of a line's field on the requester screen ("依頼人名(ｶﾅ)" or "住所(ｶﾅ)").
const char* RequesterLineLabel(int line);

// The first failed check: message 7 (a required line is empty; word: its label) or 13 (a
// character not allowed), field: the line; none when the record may be stored.
FormFault CheckRequester(const CRequesterInfo& record);

}  // namespace tx
