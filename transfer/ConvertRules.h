#pragma once
// The main screen's rules around one conversion that need no window: the checks before a read
// and before an output (each answers 0 or the id of the message the screen shows), and what
// the screen puts into the data set after a successful read. The console harness tools/convert
// runs the same rules.
#include <string>
#include <string_view>

#include "common/flow/ConversionSteps.h"
#include "common/patterns/PatternEntry.h"
#include "transfer/DataSet.h"
#include "transfer/RequesterInfo.h"

namespace xf {

// Month "1" to "12" and day "1" to "31" (leading blanks allowed): 0; 10 when either is missing
// or not such a number; 50 when the day does not exist in the month (February has 29).
int CheckTransferDate(std::string_view month, std::string_view day);

// 0; 49 for a salary/bonus pattern with a requester of account type "9"; 103 when the
// requester is fixed to the other transfer kind.
int CheckPatternForRequester(const CPatternEntry& entry, const CRequesterInfo& requester);

// Fills the data set of a successful read made with the pattern of entry: kind and bonus flag
// (bonus 1: the bonus choice is checked), then what every tool's read puts in (date, input name,
// the amount options and the output record options of the pattern, the pattern index); marks
// it not output. The reader has set the count, the total and the account-type codes.
void CompleteDataSet(CDataSet& data, const CPatternEntry& entry, int bonus,
                     const kor::ReadDetails& read);

// 0; 20 when a record that is not deleted has an item in error or warning; 39 when every
// record is deleted.
int CheckRecordsForOutput(const CDataSet& data);

}  // namespace xf
