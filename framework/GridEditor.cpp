#include "framework/GridEditor.h"

#include <commctrl.h>

#include "framework/ByteLimit.h"
#include "framework/RunFault.h"

namespace kor {

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

bool GridEditor::Create(HWND grid, int id, Handler handler) {
    m_handler = std::move(handler);
    m_edit.reset(CreateWindowExW(
        0, L"EDIT", L"", WS_CHILD | ES_LEFT | ES_AUTOHSCROLL, 0, 0, 0, 0, grid,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(grid, GWLP_HINSTANCE)), nullptr));
    if (!m_edit) return false;
    SetWindowSubclass(m_edit.get(), SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

void GridEditor::SetFont(HFONT font) {
    if (m_edit) SendMessageW(m_edit.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void GridEditor::Show(const RECT& rc, const std::wstring& text, int byteLimit) {
    if (!m_edit) return;
    HWND edit = m_edit.get();
    m_limit = byteLimit > 0 ? byteLimit : 0;
    // A UTF-16 unit is at least one byte in CP932, so the byte limit bounds the units too.
    SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(m_limit), 0);
    SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 2));
    // Sized before the text goes in: an EDIT without width scrolls its text out of sight.
    SetWindowPos(edit, HWND_TOP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, 0);
    m_reverting = true;
    SetWindowTextW(edit, text.c_str());
    m_reverting = false;
    m_lastGood = text;
    m_lastSelStart = m_lastSelEnd = static_cast<DWORD>(text.size());
    SendMessageW(edit, EM_SETSEL, text.size(), text.size());
    ShowWindow(edit, SW_SHOW);
    SetFocus(edit);
}

void GridEditor::Hide() {
    if (m_edit) ShowWindow(m_edit.get(), SW_HIDE);
}

std::wstring GridEditor::Text() const {
    return m_edit ? WindowTextOf(m_edit.get()) : std::wstring();
}

int GridEditor::Cp932Bytes(std::wstring_view text) {
    return kor::Cp932Bytes(text);
}

size_t GridEditor::FittingUnits(std::wstring_view insert, int room) {
    return kor::FittingUnits(insert, room);
}

void GridEditor::InsertFitting(std::wstring_view text) {
    kor::InsertFitting(m_edit.get(), text, m_limit);
}

void GridEditor::Paste() {
    kor::PasteFitting(m_edit.get(), m_limit);
}

void GridEditor::OnChange() {
    if (m_reverting || !m_edit) return;
    const std::wstring text = Text();
    const int bytes = Cp932Bytes(text);
    const bool tooLong = m_limit > 0 && bytes > m_limit && bytes > Cp932Bytes(m_lastGood);
    const bool foreign = FittingUnits(text, -1) < text.size();
    DWORD start = 0, end = 0;
    if (tooLong || foreign) {
        m_reverting = true;
        SetWindowTextW(m_edit.get(), m_lastGood.c_str());
        SendMessageW(m_edit.get(), EM_SETSEL, m_lastSelStart, m_lastSelEnd);
        m_reverting = false;
        MessageBeep(MB_OK);
        return;
    }
    m_lastGood = text;
    SendMessageW(m_edit.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    m_lastSelStart = start;
    m_lastSelEnd = end;
}

LRESULT CALLBACK GridEditor::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                          DWORD_PTR data) {
    try {
        return reinterpret_cast<GridEditor*>(data)->OnMessage(hwnd, msg, wp, lp);
    } catch (...) {
        KeepRunFault(std::current_exception());
        return 0;
    }
}

LRESULT GridEditor::OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_GETDLGCODE:
            return DefSubclassProc(hwnd, msg, wp, lp) | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            switch (wp) {
                case VK_RETURN:
                    if (m_handler) m_handler(Event::Commit, wp);
                    return 0;
                case VK_ESCAPE:
                    if (m_handler) m_handler(Event::Cancel, wp);
                    return 0;
                case VK_TAB:
                case VK_UP:
                case VK_DOWN:
                case VK_PRIOR:
                case VK_NEXT:
                    if (m_handler) m_handler(Event::CommitAndMove, wp);
                    return 0;
                default:
                    break;
            }
            break;
        case WM_CHAR: {
            const auto ch = static_cast<wchar_t>(wp);
            if (ch == L'\r' || ch == L'\n' || ch == L'\t' || ch == 0x1B) return 0;
            if (ch >= 0x20 && ch != 0x7F) {
                InsertFitting(std::wstring_view(&ch, 1));
                return 0;
            }
            break;
        }
        case WM_PASTE:
            Paste();
            return 0;
        case WM_KILLFOCUS: {
            const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
            if (m_handler) m_handler(Event::FocusLost, wp);
            return r;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace kor
