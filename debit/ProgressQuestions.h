#pragma once
// The direct-debit tool's progress window: its own template and control ids, and the questions
// it asks before a job stops. Every long job of the tool passes both to its CProgressTask.
#include "common/base/ProgressTask.h"
#include "debit/MessageIds.h"
#include "resources/debit/ProgressDlgRes.h"

namespace db {

inline constexpr ProgressDialogIds kProgressDialog{
    .dialog = IDD_DB_PROGRESS,
    .title = IDC_DB_PROGRESS_TITLE,
    .bar = IDC_DB_PROGRESS_BAR,
    .subLine = IDC_DB_PROGRESS_SUBLINE,
    .abort = IDC_DB_PROGRESS_ABORT,
};

// One while printing; the other, with "読込", during any other job.
inline constexpr CAbortQuestions kAbortQuestions{.printing = Msg::kStopPrintQuestion,
                                                 .other = Msg::kStopReadQuestion,
                                                 .converting = std::nullopt};

}  // namespace db
