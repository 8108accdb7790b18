#pragma once
// Base of every long job on the GUI thread: a modeless progress dialog with a title line, a
// bar, a sub-line and an abort button; the owner screen is disabled while it is shown.
#include <windows.h>

#include <memory>
#include <optional>

#include "common/base/MessageId.h"
#include "resources/common/ProgressDlgRes.h"

class CApMsgInfoList;
class CProgressDlg;

// The questions the abort button asks before a job stops, as ids of the tool's message table:
// one while the title line reads "印刷中です．．．", the other, with the word "読込", during any
// other job. A tool that asks otherwise while converting ("変換中．．．") gives that id too; it
// is asked with the word "変換".
struct CAbortQuestions {
    kor::MessageId printing;
    kor::MessageId other;
    std::optional<kor::MessageId> converting;  // none: the other question
};

// The progress dialog's template and the ids of its title line, bar, sub-line and abort button.
// A tool whose template has other ids passes its own.
struct ProgressDialogIds {
    int dialog = 0;
    int title = 0;
    int bar = 0;
    int subLine = 0;
    int abort = 0;
};
// The template of resources/common/ProgressDlg.rc.
inline constexpr ProgressDialogIds kProgressDialogIds{
    .dialog = IDD_PROGRESS,
    .title = IDC_PROGRESS_TITLE,
    .bar = IDC_PROGRESS_BAR,
    .subLine = IDC_PROGRESS_SUBLINE,
    .abort = IDC_PROGRESS_ABORT,
};

class CProgressTask {
public:
    // Without a message table the abort button stops the job without a question.
    CProgressTask();
    CProgressTask(CApMsgInfoList* messages, HWND parent, const CAbortQuestions& questions,
                  const ProgressDialogIds& dialog = kProgressDialogIds);
    virtual ~CProgressTask();
    CProgressTask(const CProgressTask&) = delete;
    CProgressTask& operator=(const CProgressTask&) = delete;

    // 1, or 0 when the dialog could not be created. title nullptr shows "実行中".
    int ShowProgress(const char* title, const char* subLine);
    void SetRange(int low, int high);
    void SetPos(int position);
    // The dialog's cancel flag after pumping the thread's messages; 1 when there is no dialog.
    int PumpMessages();
    // For loops over many steps: sets the position when the bar would visibly move and pumps
    // at most every few tens of milliseconds; returns the cancel flag as PumpMessages does
    // (0 between pumps). Cheap enough to call once per line of a 50,000-line file.
    int Step(int position);
    void DisableCancel() { EnableCancel(false); }
    // Enables or disables the abort button of the dialog shown.
    void EnableCancel(bool enable);
    void ShowProgressWindow();
    int CloseProgress();

    void SetOwner(CApMsgInfoList* messages, HWND parent) {
        m_messages = messages;
        m_parent = parent;
    }
    HWND Parent() const { return m_parent; }

protected:
    std::unique_ptr<CProgressDlg> m_dialog;
    HWND m_parent = nullptr;
    CApMsgInfoList* m_messages = nullptr;
    std::optional<CAbortQuestions> m_questions;  // none: no question
    ProgressDialogIds m_ids = kProgressDialogIds;
    int m_low = 0, m_high = 100, m_shownPos = -1;
    ULONGLONG m_lastPump = 0;
};
