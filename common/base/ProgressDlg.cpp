#include "common/base/ProgressDlg.h"

#include <string>

#include "common/base/ApMsgInfoList.h"
#include "resources/common/ProgressDlgRes.h"

namespace {
// The title of the print jobs; their abort question is another one.
constexpr char kPrintingTitle[] = "印刷中です．．．";
constexpr char kConvertingTitle[] = "変換中．．．";
}  // namespace

CProgressDlg::CProgressDlg(CApMsgInfoList* messages, HWND parent,
                           const std::optional<CAbortQuestions>& questions,
                           const ProgressDialogIds& ids)
    : CDialogBase(ids.dialog, parent), m_messages(messages), m_questions(questions), m_ids(ids) {}

CProgressDlg::~CProgressDlg() {
    if (!GetSafeHwnd()) return;
    // The owner first, so that it is the window activated when this one goes.
    if (m_owner) EnableWindow(m_owner, TRUE);
    ShowWindow(GetSafeHwnd(), SW_HIDE);
    DestroyWindow();
}

int CProgressDlg::Create(HWND parent) {
    HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        m_owner = owner;
    }
    if (!CDialogBase::Create(owner)) {
        if (m_owner) EnableWindow(m_owner, TRUE);
        m_owner = nullptr;
        return 0;
    }
    ShowWindow(GetSafeHwnd(), SW_SHOW);
    return 1;
}

BOOL CProgressDlg::OnInitDialog() {
    m_cancel = 0;
    SetIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PROGRAM_ICON)));
    SetTexts(nullptr, nullptr);
    FocusItem(m_ids.abort);
    return FALSE;
}

void CProgressDlg::SetTexts(const char* title, const char* subLine) {
    SetItemText(m_ids.title, title ? title : "");
    SetItemText(m_ids.subLine, subLine ? subLine : "");
}

int CProgressDlg::PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Not ours to take: the loop that runs the program ends on it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!GetSafeHwnd() || !IsDialogMessageW(GetSafeHwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return m_cancel;
}

int CProgressDlg::ShowMessage(kor::MessageId id, const char* word1, const char* word2,
                              const char* word3, const char* word4, const char* word5) {
    if (!m_messages) return IDCANCEL;
    return m_messages->ShowMessage(GetSafeHwnd(), id, word1, word2, word3, word4, word5);
}

void CProgressDlg::EnableCancel(bool enable) {
    EnableItem(m_ids.abort, enable);
}

bool CProgressDlg::OnCommand(int id, int code, HWND) {
    if (id != m_ids.abort || code != BN_CLICKED) return false;
    OnBtnAbort();
    return true;
}

void CProgressDlg::OnBtnAbort() {
    // Without a message table there is no question to ask: the press itself is the answer.
    if (!m_messages || !m_questions) {
        m_cancel = 1;
        return;
    }
    const CAbortQuestions& asked = *m_questions;
    const std::string title = GetItemText(m_ids.title);
    int answer = 0;
    if (title == kPrintingTitle) {
        answer = ShowMessage(asked.printing);
    } else if (asked.converting && title == kConvertingTitle) {
        answer = ShowMessage(*asked.converting, "変換");
    } else {
        answer = ShowMessage(asked.other, "読込");
    }
    if (answer == IDOK) m_cancel = 1;
}
