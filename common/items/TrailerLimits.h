#pragma once
// What the trailer record of a transfer or direct-debit file carries: a count of 6 digits and a
// total of 12. The reader caps its totals there, and the writer refuses a file beyond them.
#include <cstdint>

inline constexpr int kMaxTrailerCount = 999999;                  // 6 digits
inline constexpr std::uint64_t kMaxTrailerTotal = 999999999999;  // 12 digits
