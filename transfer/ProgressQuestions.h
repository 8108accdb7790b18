#pragma once
// The questions the transfer tool's progress window asks before a job stops.
#include "common/base/ProgressTask.h"

namespace xf {

// 26 while printing; 25 with "読込" during any other job.
inline constexpr CAbortQuestions kAbortQuestions{26, 25};

}  // namespace xf
