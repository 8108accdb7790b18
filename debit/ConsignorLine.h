#pragma once
// One line of the consignor master: 7 fields (name, consignor code, branch code, branch name,
// account type, account number, description) or the 6 of older lines, without the description.
#include <optional>
#include <string>
#include <string_view>

#include "debit/ConsignorInfo.h"

namespace db {

inline constexpr int kConsignorLineFields = 7;
inline constexpr int kOldConsignorLineFields = 6;

// Fills consignor from a stored line (index = the line's position); a 6-field line's name is
// also its description. False, and consignor unchanged, when the line has neither 7 nor 6
// fields or a field is longer than its width: such a line was not written by the consignor
// screen, and a field cut to its width could carry a wrong code into a bank file.
bool ParseConsignorLine(std::string_view line, int index, CConsignorInfo& consignor);

// The 7-field stored line of a consignor; none when a field holds a character that a stored
// line cannot carry (double quote, CR, LF).
std::optional<std::string> FormatConsignorLine(const CConsignorInfo& consignor);

}  // namespace db
