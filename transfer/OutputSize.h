#pragma once
// The size of the transfer file the main screen expects before it writes one: what its free-space
// check measures.
#include <cstdint>

namespace xf {

// Bytes of one record slot: 120, 126 or 128 bytes for record-length code 1, 2 or 3, each with
// CR LF unless lineBreak is 0. A code the pattern screens never store counts as the longest
// record, so that the room asked for is never too small.
int OutputSlotSize(int lengthCode, int lineBreak);

// Slot × (records + 3): header, records, trailer and end record.
std::uint64_t EstimateOutputSize(int lengthCode, int lineBreak, int records);

// True when size with a fifth to spare fits into freeBytes.
bool FitsInFreeSpace(std::uint64_t size, std::uint64_t freeBytes);

}  // namespace xf
