#pragma once
// The modeless progress dialog of the long jobs (template and control ids as ProgressDialogIds
// say, IDD_PROGRESS unless the tool has its own): a title line, a bar, a sub-line and the abort
// button "中断". While it exists the window that owns it is disabled.
// It keeps the system's dialog colours, and Enter, Esc and the close box do nothing: it goes
// away only when its task deletes it.
#include <windows.h>

#include <optional>

#include "common/base/ProgressTask.h"
#include "framework/DialogBase.h"

class CApMsgInfoList;

class CProgressDlg : public kor::CDialogBase {
public:
    // questions: the ids of messages the abort button asks (see CAbortQuestions; without them,
    // or without a message table, a press stops at once); ids: the template and its controls.
    CProgressDlg(CApMsgInfoList* messages, HWND parent,
                 const std::optional<CAbortQuestions>& questions,
                 const ProgressDialogIds& ids = kProgressDialogIds);
    // Enables the owner again, hides the window and destroys it.
    ~CProgressDlg() override;

    // Disables the owner (the top-level window of parent) when it is enabled, creates the
    // dialog and shows it: 1, or 0 (the owner enabled again) when the dialog cannot be made.
    int Create(HWND parent);
    // Title line and sub-line (CP932; nullptr shows nothing).
    void SetTexts(const char* title, const char* subLine);
    // Hands every pending message of the thread to the dialog or its window; never waits.
    // Returns the cancel flag.
    int PumpMessages();
    int ShowMessage(kor::MessageId id, const char* word1 = nullptr, const char* word2 = nullptr,
                    const char* word3 = nullptr, const char* word4 = nullptr,
                    const char* word5 = nullptr);
    void DisableCancel() { EnableCancel(false); }
    void EnableCancel(bool enable);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    HBRUSH OnCtlColor(HDC, HWND, UINT) override { return nullptr; }

private:
    void OnBtnAbort();

    CApMsgInfoList* m_messages;
    std::optional<CAbortQuestions> m_questions;
    ProgressDialogIds m_ids;
    HWND m_owner = nullptr;
    int m_cancel = 0;
};
