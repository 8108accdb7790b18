#pragma once
// Result codes of reading a customer file (the shared codes) and the transfer reader's limits.
#include "common/flow/ReadResult.h"

namespace xf {

using ::ReadResult;
using ::kReadOk;
using ::kReadCannotOpen;
using ::kReadFailed;
using ::kReadNoLines;
using ::kReadTooManyLines;
using ::kReadBadRecordSize;
using ::kReadNoRecords;
using ::kReadEmptyFile;
using ::kReadLineTooLong;
using ::kReadBadRecordLength;
using ::kReadCancelled;

inline constexpr int kMaxDataLines = 50000;
inline constexpr int kMaxLineBytes = 4000;

}  // namespace xf
