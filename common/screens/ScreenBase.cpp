#include "common/screens/ScreenBase.h"

#include <utility>

#include "common/base/ApMsgInfoList.h"
#include "framework/PlainMessage.h"

CScreenBase::CScreenBase(UINT templateId, HWND parent, CApMsgInfoList* messages, HICON icon,
                         std::string programName)
    : CDialogBase(templateId, parent),
      m_messages(messages),
      m_icon(icon),
      m_programName(std::move(programName)) {}

int CScreenBase::ShowMessage(kor::MessageId id, const char* word1, const char* word2,
                             const char* word3, const char* word4, const char* word5) const {
    if (!m_messages) return IDCANCEL;
    return m_messages->ShowMessage(GetSafeHwnd(), id, word1, word2, word3, word4, word5);
}

int CScreenBase::ShowPlainMessage(std::string_view text) const {
    return kor::ShowPlainMessage(GetSafeHwnd(), text, m_programName);
}

bool CScreenBase::MayLeave(bool modified, kor::MessageId question, const char* word) const {
    return !modified || ShowMessage(question, word) == IDOK;
}

void CScreenBase::ShowScreenIcon() const {
    if (m_icon) SetIcon(m_icon);
}

bool CScreenBase::OnMinimisedIconMessage(UINT msg, INT_PTR& result) const {
    switch (msg) {
        case WM_PAINT: {
            if (!IsIconic(GetSafeHwnd()) || !m_icon) return false;
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(GetSafeHwnd(), &paint);
            RECT rect;
            GetClientRect(GetSafeHwnd(), &rect);
            const int x = (rect.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
            const int y = (rect.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
            DrawIcon(dc, x, y, m_icon);
            EndPaint(GetSafeHwnd(), &paint);
            result = TRUE;
            return true;
        }
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<INT_PTR>(m_icon);
            return true;
        default:
            return false;
    }
}
