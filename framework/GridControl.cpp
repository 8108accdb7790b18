#include "framework/GridControl.h"

#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "framework/Cp932.h"
#include "framework/GridClass.h"
#include "framework/RunFault.h"

namespace kor {

namespace {

constexpr int kEditorId = 1;
constexpr int kWheelRows = 3;
constexpr int kLinePixels = 20;
constexpr int kDefaultPoints = 9;

// BeginPaint .. EndPaint for one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : m_hwnd(hwnd), m_dc(BeginPaint(hwnd, &m_ps)) {}
    ~PaintScope() { EndPaint(m_hwnd, &m_ps); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return m_dc; }
    const RECT& Area() const { return m_ps.rcPaint; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
};

}  // namespace

bool RegisterGridClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = GridControl::WndProc;
    wc.cbWndExtra = sizeof(GridControl*);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kGridClassName;
    if (RegisterClassExW(&wc)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

GridControl::GridControl(HWND hwnd) : m_hwnd(hwnd) {}

std::weak_ptr<GridControl> GridControl::FromWindow(HWND hwnd) {
    wchar_t name[64] = {};
    if (!hwnd || !GetClassNameW(hwnd, name, 64) || wcscmp(name, kGridClassName) != 0) return {};
    auto* control = reinterpret_cast<GridControl*>(GetWindowLongPtrW(hwnd, 0));
    if (!control) return {};
    return control->weak_from_this();
}

LRESULT CALLBACK GridControl::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        if (msg == WM_NCCREATE) {
            auto control = std::make_shared<GridControl>(hwnd);
            control->m_self = control;
            SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(control.get()));
            return DefWindowProcW(hwnd, msg, wp, lp);
        }
        auto* raw = reinterpret_cast<GridControl*>(GetWindowLongPtrW(hwnd, 0));
        if (!raw) return DefWindowProcW(hwnd, msg, wp, lp);
        // Held for the whole message: a parent may destroy the grid inside a notification.
        const std::shared_ptr<GridControl> control = raw->shared_from_this();
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, 0, 0);
            control->m_hwnd = nullptr;
            control->m_self.reset();
            return DefWindowProcW(hwnd, msg, wp, lp);
        }
        return control->OnMessage(msg, wp, lp);
    } catch (...) {
        KeepRunFault(std::current_exception());
        return msg == WM_NCCREATE ? FALSE : 0;
    }
}

LRESULT GridControl::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_SETFONT:
            OnSetFont(reinterpret_cast<HFONT>(wp), LOWORD(lp) != 0);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(m_font);
        case WM_SIZE:
            m_layout.SetClientSize(LOWORD(lp), HIWORD(lp));
            if (!m_syncing) {
                LeaveEdit();
                m_scrollDirty = true;
                if (m_redraw) SyncScrollBars();
                InvalidateAll();
            }
            return 0;
        case WM_SETREDRAW:
            SetRedraw(wp != 0);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT: {
            EnsureLayout();
            RECT rc;
            GetClientRect(m_hwnd, &rc);
            PaintInto(reinterpret_cast<HDC>(wp), rc);
            return 0;
        }
        case WM_VSCROLL:
            OnScroll(SB_VERT, LOWORD(wp));
            return 0;
        case WM_HSCROLL:
            OnScroll(SB_HORZ, LOWORD(wp));
            return 0;
        case WM_MOUSEWHEEL:
            OnWheel(GET_WHEEL_DELTA_WPARAM(wp));
            return 0;
        case WM_GETDLGCODE:
            return OnGetDlgCode(reinterpret_cast<const MSG*>(lp));
        case WM_KEYDOWN:
            OnKeyDown(wp);
            return 0;
        case WM_CHAR:
            OnChar(static_cast<wchar_t>(wp));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnMouse(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, msg == WM_LBUTTONDBLCLK);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateCell(m_model.Row(), m_model.Col());
            return 0;
        case WM_ENABLE:
            if (!wp) LeaveEdit();
            InvalidateAll();
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lp) == m_editor.Window() && HIWORD(wp) == EN_CHANGE) {
                m_editor.OnChange();
            }
            return 0;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lp) == m_editor.Window()) {
                const COLORREF back = m_model.BackColor(m_editRow, m_editCol);
                const COLORREF color =
                    back == GridCodes::kDefaultColor ? GetSysColor(COLOR_WINDOW) : back;
                m_editBrush.reset(CreateSolidBrush(color));
                SetBkColor(reinterpret_cast<HDC>(wp), color);
                SetTextColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOWTEXT));
                return reinterpret_cast<LRESULT>(m_editBrush.get());
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(m_hwnd, msg, wp, lp);
}

void GridControl::OnCreate() {
    UniqueDC screen(CreateCompatibleDC(nullptr));
    const int dpiY = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(kDefaultPoints, dpiY, 72);
    lf.lfCharSet = SHIFTJIS_CHARSET;
    wcscpy(lf.lfFaceName, L"ＭＳ ゴシック");
    m_ownFont.reset(CreateFontIndirectW(&lf));
    m_font = m_ownFont.get();
    m_editor.Create(m_hwnd, kEditorId,
                    [this](GridEditor::Event event, WPARAM key) { OnEditorEvent(event, key); });
    m_editor.SetFont(m_font);
    Measure();
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    m_layout.SetClientSize(rc.right, rc.bottom);
}

void GridControl::OnDestroy() {
    m_editing = false;
    m_editor.Destroy();
}

void GridControl::OnSetFont(HFONT font, bool) {
    m_font = font ? font : m_ownFont.get();
    m_editor.SetFont(m_font);
    Measure();
}

void GridControl::Measure() {
    UniqueDC dc(CreateCompatibleDC(nullptr));
    if (!dc) return;
    TEXTMETRICW tm{};
    {
        ScopedSelect select(dc.get(), m_font);
        GetTextMetricsW(dc.get(), &tm);
    }
    m_layout.SetMetrics(tm.tmHeight + tm.tmExternalLeading + 5,
                        GetDeviceCaps(dc.get(), LOGPIXELSX));
    RelayoutColumns();
}

void GridControl::RelayoutColumns() {
    m_layout.RebuildColumns(m_model);
    ContentChanged();
}

void GridControl::SyncScrollBars() {
    if (!m_hwnd || m_syncing) return;
    m_syncing = true;
    m_scrollDirty = false;
    // Showing one bar narrows the client area and may call for the other: settle in turns.
    for (int pass = 0; pass < 3; ++pass) {
        RECT before;
        GetClientRect(m_hwnd, &before);
        m_layout.SetClientSize(before.right, before.bottom);
        m_layout.Clamp(m_model);
        const int fixedTop = GridLayout::FixedTop(m_model);
        const int dataRows = m_model.Rows() - fixedTop;
        SCROLLINFO v{};
        v.cbSize = sizeof v;
        v.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        v.nMax = std::max(dataRows - 1, 0);
        v.nPage = static_cast<UINT>(m_layout.PageRows(m_model));
        v.nPos = m_layout.TopRow() - fixedTop;
        SetScrollInfo(m_hwnd, SB_VERT, &v, TRUE);
        SCROLLINFO h{};
        h.cbSize = sizeof h;
        h.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        h.nMax = std::max(m_layout.TotalWidth() - 1, 0);
        h.nPage = static_cast<UINT>(std::max(m_layout.ClientWidth(), 1));
        h.nPos = m_layout.ScrollX();
        SetScrollInfo(m_hwnd, SB_HORZ, &h, TRUE);
        RECT after;
        GetClientRect(m_hwnd, &after);
        if (after.right == before.right && after.bottom == before.bottom) break;
    }
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    m_layout.SetClientSize(rc.right, rc.bottom);
    m_layout.Clamp(m_model);
    m_syncing = false;
}

void GridControl::EnsureLayout() {
    if (m_scrollDirty && m_redraw) {
        SyncScrollBars();
    } else {
        m_layout.Clamp(m_model);
    }
}

void GridControl::InvalidateAll() {
    if (!m_hwnd || !m_redraw || m_wholeInvalid) return;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    m_wholeInvalid = true;
}

void GridControl::InvalidateCell(int row, int col) {
    if (!m_hwnd || !m_redraw || m_wholeInvalid || !m_model.IsCell(row, col)) return;
    const RECT rc = m_layout.CellRect(m_model, row, col);
    if (rc.bottom <= 0 || rc.top >= m_layout.ClientHeight() || rc.right <= 0 ||
        rc.left >= m_layout.ClientWidth() || rc.right == rc.left) {
        return;
    }
    InvalidateRect(m_hwnd, &rc, FALSE);
}

void GridControl::OnPaint() {
    EnsureLayout();  // before BeginPaint: a scroll bar that comes or goes invalidates again
    PaintScope paint(m_hwnd);
    m_wholeInvalid = false;
    const RECT& area = paint.Area();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    // Drawn off screen first, so that the cells do not flicker while scrolling.
    UniqueDC memory(CreateCompatibleDC(paint.Dc()));
    UniqueBitmap bitmap(memory ? CreateCompatibleBitmap(paint.Dc(), width, height) : nullptr);
    if (!bitmap) {
        PaintInto(paint.Dc(), area);
        return;
    }
    ScopedSelect select(memory.get(), bitmap.get());
    SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
    PaintInto(memory.get(), area);
    BitBlt(paint.Dc(), area.left, area.top, width, height, memory.get(), area.left, area.top,
           SRCCOPY);
}

void GridControl::PaintInto(HDC dc, const RECT& clip) {
    GridPainter::Options options;
    options.font = m_font;
    options.focused = GetFocus() == m_hwnd;
    options.enabled = IsWindowEnabled(m_hwnd) != FALSE;
    options.showCurrent = !m_editing;
    m_lastPaint = GridPainter::Paint(dc, clip, m_model, m_layout, options);
}

// ---- operations of the callers ----

void GridControl::SetRows(int rows) {
    LeaveEdit();
    m_model.SetRows(rows);
    ContentChanged();
}

void GridControl::SetCols(int cols) {
    LeaveEdit();
    m_model.SetCols(cols);
    RelayoutColumns();
}

void GridControl::SetFixedRows(int rows) {
    LeaveEdit();
    m_model.SetFixedRows(rows);
    ContentChanged();
}

void GridControl::Clear() {
    LeaveEdit();
    m_model.Clear();
    InvalidateAll();
}

void GridControl::SetText(int row, int col, std::string_view text) {
    m_model.SetText(row, col, text);
    InvalidateCell(row, col);
}

void GridControl::SetCheck(int row, int col, int state) {
    m_model.SetCheck(row, col, state);
    InvalidateCell(row, col);
}

void GridControl::SetBackColor(int row, int col, COLORREF color) {
    m_model.SetBackColor(row, col, color);
    InvalidateCell(row, col);
}

void GridControl::SetColWidth(int col, int twips) {
    LeaveEdit();
    m_model.SetColWidth(col, twips);
    RelayoutColumns();
}

void GridControl::SetColAlignment(int col, int alignment) {
    m_model.SetColAlignment(col, alignment);
    InvalidateAll();
}

void GridControl::SetColDataType(int col, int dataType) {
    m_model.SetColDataType(col, dataType);
    InvalidateAll();
}

void GridControl::SetColHidden(int col, bool hidden) {
    LeaveEdit();
    m_model.SetColHidden(col, hidden);
    RelayoutColumns();
}

void GridControl::SetCurrent(int row, int col) {
    if (row == m_model.Row() && col == m_model.Col()) return;
    LeaveEdit();
    InvalidateCell(m_model.Row(), m_model.Col());
    m_model.SetRow(row);
    m_model.SetCol(col);
    InvalidateCell(m_model.Row(), m_model.Col());
}

void GridControl::ShowCell(int row, int col) {
    EnsureLayout();
    const int top = m_layout.TopRow(), x = m_layout.ScrollX();
    m_layout.ScrollIntoView(m_model, row, col);
    if (m_layout.TopRow() == top && m_layout.ScrollX() == x) return;
    LeaveEdit();
    m_scrollDirty = true;
    if (m_redraw) SyncScrollBars();
    InvalidateAll();
}

void GridControl::SetTopRow(int row) {
    EnsureLayout();
    const int top = m_layout.TopRow();
    m_layout.SetTopRow(m_model, row);
    if (m_layout.TopRow() == top) return;
    LeaveEdit();
    m_scrollDirty = true;
    if (m_redraw) SyncScrollBars();
    InvalidateAll();
}

void GridControl::SetEditable(int mode) {
    m_editable = mode;
    if (mode == GridCodes::kEditNone) LeaveEdit();
}

void GridControl::SetRedraw(bool on) {
    if (on == m_redraw) return;
    m_redraw = on;
    if (!on) return;
    m_scrollDirty = true;
    m_wholeInvalid = false;
    SyncScrollBars();
    InvalidateAll();
}

// ---- scrolling, keyboard and mouse ----

void GridControl::OnScroll(int bar, int code) {
    EnsureLayout();
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    if (bar == SB_VERT) {
        const int fixedTop = GridLayout::FixedTop(m_model);
        const int top = m_layout.TopRow();
        const int page = m_layout.PageRows(m_model);
        int target = top;
        switch (code) {
            case SB_LINEUP:
                target = top - 1;
                break;
            case SB_LINEDOWN:
                target = top + 1;
                break;
            case SB_PAGEUP:
                target = top - page;
                break;
            case SB_PAGEDOWN:
                target = top + page;
                break;
            case SB_TOP:
                target = fixedTop;
                break;
            case SB_BOTTOM:
                target = m_model.Rows();
                break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION:
                GetScrollInfo(m_hwnd, SB_VERT, &si);
                target = fixedTop + si.nTrackPos;
                break;
            default:
                return;
        }
        SetTopRow(target);
        return;
    }
    const int x = m_layout.ScrollX();
    int target = x;
    switch (code) {
        case SB_LINELEFT:
            target = x - kLinePixels;
            break;
        case SB_LINERIGHT:
            target = x + kLinePixels;
            break;
        case SB_PAGELEFT:
            target = x - m_layout.ClientWidth();
            break;
        case SB_PAGERIGHT:
            target = x + m_layout.ClientWidth();
            break;
        case SB_LEFT:
            target = 0;
            break;
        case SB_RIGHT:
            target = m_layout.MaxScrollX();
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            GetScrollInfo(m_hwnd, SB_HORZ, &si);
            target = si.nTrackPos;
            break;
        default:
            return;
    }
    m_layout.SetScrollX(target);
    if (m_layout.ScrollX() == x) return;
    LeaveEdit();
    m_scrollDirty = true;
    if (m_redraw) SyncScrollBars();
    InvalidateAll();
}

void GridControl::OnWheel(int delta) {
    SetTopRow(m_layout.TopRow() - delta * kWheelRows / WHEEL_DELTA);
}

bool GridControl::TabTarget(bool back, int& row, int& col) const {
    const int first = GridLayout::FixedTop(m_model);
    const int last = m_model.Rows() - 1;
    if (last < first) return false;
    row = std::clamp(row, first, last);
    const int step = back ? -1 : +1;
    const int next = m_model.NextVisibleCol(col, step);
    if (next >= 0) {
        col = next;
        return true;
    }
    row += step;
    if (row < first || row > last) return false;
    col = back ? m_model.LastVisibleCol() : m_model.FirstVisibleCol();
    return col >= 0;
}

void GridControl::MoveTo(int row, int col) {
    const int first = GridLayout::FixedTop(m_model);
    const int last = m_model.Rows() - 1;
    if (last < first) return;
    row = std::clamp(row, first, last);
    if (!m_model.ColVisible(col)) {
        const int right = m_model.NextVisibleCol(col, +1);
        col = right >= 0 ? right : m_model.NextVisibleCol(col, -1);
    }
    if (col < 0) return;
    SetCurrent(row, col);
    ShowCell(row, col);
}

void GridControl::OnKeyDown(WPARAM key) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    EnsureLayout();
    int row = m_model.Row();
    int col = m_model.Col();
    const int page = m_layout.PageRows(m_model);
    switch (key) {
        case VK_UP:
            --row;
            break;
        case VK_DOWN:
            ++row;
            break;
        case VK_LEFT:
            if (const int c = m_model.NextVisibleCol(col, -1); c >= 0) col = c;
            break;
        case VK_RIGHT:
            if (const int c = m_model.NextVisibleCol(col, +1); c >= 0) col = c;
            break;
        case VK_PRIOR:
            row -= page;
            break;
        case VK_NEXT:
            row += page;
            break;
        case VK_HOME:
            if (ctrl) row = 0;
            col = m_model.FirstVisibleCol();
            break;
        case VK_END:
            if (ctrl) row = m_model.Rows() - 1;
            col = m_model.LastVisibleCol();
            break;
        case VK_TAB:
            if (!TabTarget(shift, row, col)) return;
            break;
        case VK_F2:
        case VK_RETURN:
            StartEdit(StartBy::Keyboard, 0);
            return;
        case VK_SPACE:
            ToggleCheck(StartBy::Keyboard);
            return;
        default:
            return;
    }
    MoveTo(row, col);
}

void GridControl::OnChar(wchar_t ch) {
    if (m_editing) {
        // Characters of an input method that arrive after the editor opened belong to it.
        SendMessageW(m_editor.Window(), WM_CHAR, ch, 0);
        return;
    }
    if (ch < 0x20 || ch == 0x7F) return;
    if (m_model.IsCheckBoxCell(m_model.Row(), m_model.Col())) return;  // space toggled on key down
    StartEdit(StartBy::Keyboard, ch);
}

LRESULT GridControl::OnGetDlgCode(const MSG* msg) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (msg && msg->message == WM_KEYDOWN) {
        if (msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
        if (msg->wParam == VK_TAB) {
            // Tab moves through the cells; from the last cell it leaves the grid.
            int row = m_model.Row(), col = m_model.Col();
            if (TabTarget(GetKeyState(VK_SHIFT) < 0, row, col)) code |= DLGC_WANTMESSAGE;
        }
    }
    return code;
}

void GridControl::OnMouse(POINT pt, bool doubleClick) {
    if (GetFocus() != m_hwnd) SetFocus(m_hwnd);  // an open edit ends as the editor loses focus
    LeaveEdit();
    EnsureLayout();
    int row = -1, col = -1;
    if (!m_layout.HitTest(m_model, pt, row, col)) return;
    if (row < GridLayout::FixedTop(m_model) || !m_model.ColVisible(col)) return;
    MoveTo(row, col);
    if (m_model.IsCheckBoxCell(row, col)) {
        ToggleCheck(StartBy::Mouse);
    } else if (doubleClick) {
        StartEdit(StartBy::Mouse, 0);
    }
}

// ---- editing ----

bool GridControl::CanEdit(StartBy by) const {
    if (m_editable == GridCodes::kEditNone || !m_hwnd || !IsWindowEnabled(m_hwnd)) return false;
    return by == StartBy::Keyboard || m_editable == GridCodes::kEditKeyboardMouse;
}

bool GridControl::NotifyBeforeEdit(int row, int col) {
    GridCodes::EditNotify nm{};
    nm.hdr.hwndFrom = m_hwnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(m_hwnd));
    nm.hdr.code = GridCodes::kNotifyBeforeEdit;
    nm.row = row;
    nm.col = col;
    nm.cancel = FALSE;
    if (HWND parent = GetParent(m_hwnd)) {
        SendMessageW(parent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    }
    return !nm.cancel && m_hwnd;
}

void GridControl::NotifyAfterEdit(int row, int col) {
    GridCodes::EditNotify nm{};
    nm.hdr.hwndFrom = m_hwnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(m_hwnd));
    nm.hdr.code = GridCodes::kNotifyAfterEdit;
    nm.row = row;
    nm.col = col;
    if (HWND parent = GetParent(m_hwnd)) {
        SendMessageW(parent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    }
}

void GridControl::StartEdit(StartBy by, wchar_t typed) {
    if (m_editing || !CanEdit(by) || !m_editor.Window()) return;
    const int row = m_model.Row(), col = m_model.Col();
    if (row < GridLayout::FixedTop(m_model) || !m_model.ColVisible(col) ||
        m_model.IsCheckBoxCell(row, col)) {
        return;
    }
    if (!NotifyBeforeEdit(row, col)) return;
    // The handler may have changed the grid.
    if (m_editing || !m_model.IsCell(row, col) || !m_model.ColVisible(col)) return;
    ShowCell(row, col);
    RECT rc = m_layout.CellRect(m_model, row, col);
    rc.right = std::min<LONG>(rc.right - 1, m_layout.ClientWidth());
    rc.bottom = std::min<LONG>(rc.bottom - 1, m_layout.ClientHeight());
    rc.left = std::max<LONG>(rc.left, 0);
    m_editing = true;
    m_editRow = row;
    m_editCol = col;
    m_editor.Show(rc, typed ? std::wstring() : ToWide(m_model.Text(row, col)), m_editMaxLength);
    InvalidateCell(row, col);
    if (typed) SendMessageW(m_editor.Window(), WM_CHAR, typed, 0);
}

void GridControl::EndEdit(bool commit, bool refocus) {
    if (!m_editing) return;
    m_editing = false;
    const std::wstring text = m_editor.Text();
    const int row = m_editRow, col = m_editCol;
    if (refocus && m_hwnd) SetFocus(m_hwnd);
    m_editor.Hide();
    InvalidateCell(row, col);
    if (!commit || !m_model.IsCell(row, col)) return;
    SetText(row, col, ToCp932(text));
    NotifyAfterEdit(row, col);
}

void GridControl::LeaveEdit() {
    if (m_editing) EndEdit(true, GetFocus() == m_editor.Window());
}

void GridControl::ToggleCheck(StartBy by) {
    const int row = m_model.Row(), col = m_model.Col();
    if (!CanEdit(by) || !m_model.IsCell(row, col) || !m_model.IsCheckBoxCell(row, col) ||
        !m_model.ColVisible(col)) {
        return;
    }
    if (!NotifyBeforeEdit(row, col) || !m_model.IsCell(row, col)) return;
    SetCheck(row, col,
             m_model.Check(row, col) == GridCodes::kChecked ? GridCodes::kUnchecked
                                                            : GridCodes::kChecked);
    NotifyAfterEdit(row, col);
}

void GridControl::OnEditorEvent(GridEditor::Event event, WPARAM key) {
    // Called from the editor's window procedure: the after-edit handler may destroy the grid.
    const std::shared_ptr<GridControl> keep = shared_from_this();
    switch (event) {
        case GridEditor::Event::Commit:
            EndEdit(true, true);
            break;
        case GridEditor::Event::Cancel:
            EndEdit(false, true);
            break;
        case GridEditor::Event::CommitAndMove:
            EndEdit(true, true);
            OnKeyDown(key);
            break;
        case GridEditor::Event::FocusLost:
            EndEdit(true, false);
            break;
    }
}

}  // namespace kor
