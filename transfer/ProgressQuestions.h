#pragma once
// The questions the transfer tool's progress window asks before a job stops.
#include "common/base/ProgressTask.h"
#include "transfer/MessageIds.h"

namespace xf {

// One while printing; the other, with "読込", during any other job.
inline constexpr CAbortQuestions kAbortQuestions{.printing = Msg::kStopPrintQuestion,
                                                 .other = Msg::kStopReadQuestion,
                                                 .converting = std::nullopt};

}  // namespace xf
