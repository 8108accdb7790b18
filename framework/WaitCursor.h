#pragma once
// The hourglass while a screen works; the cursor before it comes back when the scope ends.
#include <windows.h>

namespace kor {

class CWaitCursor {
public:
    CWaitCursor() : m_previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { SetCursor(m_previous); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

}  // namespace kor
