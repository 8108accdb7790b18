#pragma once
// The main screen's rules around one conversion that need no window: the checks before a read
// and before an output (each answers none or the message the screen shows), and what
// the screen puts into the data set after a successful read. The console harness tools/convert
// runs the same rules.
#include <optional>
#include <string>
#include <string_view>

#include "common/flow/ConversionSteps.h"
#include "common/patterns/PatternEntry.h"
#include "transfer/DataSet.h"
#include "transfer/MessageIds.h"
#include "transfer/RequesterInfo.h"

namespace xf {

// Month "1" to "12" and day "1" to "31" (leading blanks allowed): none; kRequiredEmpty when
// either is missing or not such a number; kNoSuchDay when the day does not exist in the month
// (February has 29).
std::optional<Msg> CheckTransferDate(std::string_view month, std::string_view day);

// None; kSalaryAccountType for a salary/bonus pattern with a requester of account type "9";
// kKindMismatch when the requester is fixed to the other transfer kind.
std::optional<Msg> CheckPatternForRequester(const CPatternEntry& entry,
                                            const CRequesterInfo& requester);

// Fills the data set of a successful read made with the pattern of entry: kind and bonus flag
// (bonus 1: the bonus choice is checked), then what every tool's read puts in (date, input name,
// the amount options and the output record options of the pattern, the pattern index); marks
// it not output. The reader has set the count, the total and the account-type codes.
void CompleteDataSet(CDataSet& data, const CPatternEntry& entry, int bonus,
                     const kor::ReadDetails& read);

// None; kErrorsToWrite when a record that is not deleted has an item in error or warning;
// kNothingToWrite when every record is deleted.
std::optional<Msg> CheckRecordsForOutput(const CDataSet& data);

}  // namespace xf
