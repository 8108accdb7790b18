#pragma once
// The local-tax tool's progress window: its own template and control ids, and the questions
// it asks before a job stops. Every long job of the tool passes both to its CProgressTask; the
// output engine disables the abort button (EnableCancel(false)), the list printer enables it.
#include "common/base/ProgressTask.h"
#include "localtax/MessageIds.h"
#include "resources/localtax/ProgressDlgRes.h"

namespace tx {

inline constexpr ProgressDialogIds kProgressDialog{
    .dialog = IDD_TX_PROGRESS,
    .title = IDC_TX_PROGRESS_TITLE,
    .bar = IDC_TX_PROGRESS_BAR,
    .subLine = IDC_TX_PROGRESS_SUBLINE,
    .abort = IDC_TX_PROGRESS_ABORT,
};

// One while printing; the other with "変換" while converting ("変換中．．．") and with "読込"
// during any other job.
inline constexpr CAbortQuestions kAbortQuestions{.printing = Msg::kStopPrintQuestion,
                                                 .other = Msg::kStopReadQuestion,
                                                 .converting = Msg::kStopReadQuestion};

}  // namespace tx
