#include "framework/ByteLimitedEdit.h"

// After windows.h.
#include <commctrl.h>

#include <string>

#include "framework/ByteLimit.h"
#include "framework/RunFault.h"

namespace kor {

namespace {

constexpr UINT_PTR kSubclassId = 0x4B42;  // "KB"

bool IsClass(HWND hwnd, const wchar_t* name) {
    wchar_t buf[32];
    return GetClassNameW(hwnd, buf, 32) > 0 && lstrcmpiW(buf, name) == 0;
}

}  // namespace

bool CByteLimitedEdit::Attach(HWND control, int bytes) {
    Detach();
    HWND edit = control;
    if (control && IsClass(control, L"ComboBox")) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        edit = GetComboBoxInfo(control, &info) ? info.hwndItem : nullptr;
        if (edit) SendMessageW(control, CB_LIMITTEXT, static_cast<WPARAM>(bytes), 0);
    } else if (control) {
        SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(bytes), 0);
    }
    if (!edit || !IsClass(edit, L"Edit")) return false;
    if (!SetWindowSubclass(edit, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_edit = edit;
    m_limit = bytes;
    return true;
}

void CByteLimitedEdit::Detach() {
    if (m_edit && IsWindow(m_edit)) RemoveWindowSubclass(m_edit, SubclassProc, kSubclassId);
    m_edit = nullptr;
    m_limit = 0;
}

LRESULT CALLBACK CByteLimitedEdit::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                                DWORD_PTR data) {
    try {
        return reinterpret_cast<CByteLimitedEdit*>(data)->OnMessage(hwnd, msg, wp, lp);
    } catch (...) {
        KeepRunFault(std::current_exception());
        return 0;
    }
}

LRESULT CByteLimitedEdit::OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CHAR: {
            const auto ch = static_cast<wchar_t>(wp);
            // Control characters (Backspace, Ctrl+C, ...) keep their meaning.
            if (ch < 0x20 || ch == 0x7F) break;
            InsertFitting(hwnd, std::wstring_view(&ch, 1), m_limit);
            return 0;
        }
        case WM_PASTE:
            PasteFitting(hwnd, m_limit);
            return 0;
        case WM_IME_CHAR:
        case WM_IME_COMPOSITION:
        case WM_UNDO:
        case EM_UNDO:
            return Guarded(hwnd, msg, wp, lp);
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
            m_edit = nullptr;
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CByteLimitedEdit::Guarded(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const std::wstring before = WindowTextOf(hwnd);
    DWORD start = 0, end = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
    const std::wstring after = WindowTextOf(hwnd);
    const int bytes = Cp932Bytes(after);
    if (bytes > m_limit && bytes > Cp932Bytes(before)) {
        SetWindowTextW(hwnd, before.c_str());
        SendMessageW(hwnd, EM_SETSEL, start, end);
        MessageBeep(MB_OK);
    }
    return result;
}

}  // namespace kor
