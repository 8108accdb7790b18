#pragma once
// One line of the requester master: 8 fields (name, branch code, branch name, account type,
// account number, description, requester code, transfer kind) or the 5 of older lines.
#include <optional>
#include <string>
#include <string_view>

#include "transfer/RequesterInfo.h"

namespace xf {

inline constexpr int kRequesterLineFields = 8;
inline constexpr int kOldRequesterLineFields = 5;

// Fills requester from a stored line (index = the line's position). False, and requester
// unchanged, when the line has neither 8 nor 5 fields. A field longer than its width is cut to
// it; an empty or missing description is the name.
bool ParseRequesterLine(std::string_view line, int index, CRequesterInfo& requester);

// The 8-field stored line of a requester; none when a field holds a character that a stored
// line cannot carry (double quote, CR, LF).
std::optional<std::string> FormatRequesterLine(const CRequesterInfo& requester);

}  // namespace xf
