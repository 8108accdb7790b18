#pragma once
// The main screen's rules around one conversion that need no window: the checks before a read
// and before an output (each answers none or the message the screen shows), and what
// the screen puts into the data set after a successful read. The console harness tools/convert
// runs the same rules.
#include <optional>
#include <string>
#include <string_view>

#include "common/patterns/PatternEntry.h"
#include "transfer/DataSet.h"
#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"
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

// What a read was made with.
struct ReadChoices {
    const CPatternEntry* entry = nullptr;
    const CFixedPattern* fixed = nullptr;  // the pattern read with: one of the two
    const CDelimPattern* delim = nullptr;
    int bonus = 0;  // 1: the bonus choice is checked
    std::string month;
    std::string day;
    std::string inputName;
    int patternIndex = -1;
};
// Fills the data set of a successful read: kind and bonus flag, date, input name, the amount
// options and the output record options of the pattern, the pattern index; marks it not output.
// The reader has set the count, the total and the account-type codes.
void CompleteDataSet(CDataSet& data, const ReadChoices& choices);

// None; kErrorsToWrite when a record that is not deleted has an item in error or warning;
// kNothingToWrite when every record is deleted.
std::optional<Msg> CheckRecordsForOutput(const CDataSet& data);

}  // namespace xf
