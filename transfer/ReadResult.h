#pragma once
// Result codes of reading a customer file (the shared codes) and the transfer reader's limits.
#include "common/flow/ReadResult.h"

namespace xf {

using ::kReadBadRecordLength;
using ::kReadBadRecordSize;
using ::kReadCancelled;
using ::kReadCannotOpen;
using ::kReadEmptyFile;
using ::kReadFailed;
using ::kReadLineTooLong;
using ::kReadNoLines;
using ::kReadNoRecords;
using ::kReadOk;
using ::kReadTooManyLines;
using ::ReadResult;

inline constexpr int kMaxDataLines = 50000;
inline constexpr int kMaxLineBytes = 4000;

}  // namespace xf
