#include "common/base/ProgressTask.h"

#include "common/base/ProgressDlg.h"
#include "framework/Controls.h"
#include "resources/common/ProgressDlgRes.h"

namespace {
constexpr char kDefaultTitle[] = "実行中";
// Step pumps at most this often: often enough for the abort button and repainting to feel
// immediate, rarely enough that a long loop hardly pays for it.
constexpr ULONGLONG kPumpIntervalMs = 30;
// Step moves the bar only when it gains at least this share (1/n) of the range.
constexpr long long kBarSteps = 500;
}  // namespace

CProgressTask::CProgressTask() = default;

CProgressTask::CProgressTask(CApMsgInfoList* messages, HWND parent,
                             const CAbortQuestions& questions, const ProgressDialogIds& dialog)
    : m_parent(parent), m_messages(messages), m_questions(questions), m_ids(dialog) {}

CProgressTask::~CProgressTask() = default;

int CProgressTask::ShowProgress(const char* title, const char* subLine) {
    const bool first = !m_dialog;
    if (first) {
        auto dialog = std::make_unique<CProgressDlg>(m_messages, m_parent, m_questions, m_ids);
        if (!dialog->Create(m_parent)) return 0;
        m_dialog = std::move(dialog);
    }
    if (title) {
        m_dialog->SetTexts(title, subLine);
    } else {
        m_dialog->SetTexts(kDefaultTitle, nullptr);
    }
    RedrawWindow(m_dialog->GetSafeHwnd(), nullptr, nullptr,
                 RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    if (first) ShowWindow(m_dialog->GetSafeHwnd(), SW_SHOW);
    return 1;
}

void CProgressTask::SetRange(int low, int high) {
    m_low = low;
    m_high = high;
    m_shownPos = -1;
    if (m_dialog) m_dialog->Progress(m_ids.bar).SetRange(low, high);
}

void CProgressTask::SetPos(int position) {
    m_shownPos = position;
    if (m_dialog) m_dialog->Progress(m_ids.bar).SetPos(position);
}

int CProgressTask::PumpMessages() {
    m_lastPump = GetTickCount64();
    return m_dialog ? m_dialog->PumpMessages() : 1;
}

int CProgressTask::Step(int position) {
    if (!m_dialog) return PumpMessages();
    // The bar repaints at once on every change under some systems: it moves only when a pump is
    // due and the change shows, and at the end of the range.
    const ULONGLONG now = GetTickCount64();
    const bool due = now - m_lastPump >= kPumpIntervalMs;
    const long long span = static_cast<long long>(m_high) - m_low;
    const long long grain = span > kBarSteps ? span / kBarSteps : 1;
    const long long moved = static_cast<long long>(position) - m_shownPos;
    if (position != m_shownPos &&
        (position == m_high || (due && (m_shownPos < 0 || moved >= grain || moved < 0)))) {
        SetPos(position);
    }
    return due ? PumpMessages() : 0;
}

void CProgressTask::EnableCancel(bool enable) {
    if (m_dialog) m_dialog->EnableCancel(enable);
}

void CProgressTask::ShowProgressWindow() {
    if (m_dialog) ShowWindow(m_dialog->GetSafeHwnd(), SW_SHOW);
}

int CProgressTask::CloseProgress() {
    if (!m_dialog) return 0;
    m_dialog.reset();
    m_shownPos = -1;
    return 1;
}
