#include "GridTestHost.h"

#include <string>

#include "GridTestDialog.h"
#include "framework/GridClass.h"

namespace kortest {

GridTestHost::GridTestHost() {
    kor::RegisterGridClass();
    m_dialog.reset(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_GRID_TEST),
                                      nullptr, DialogProc, reinterpret_cast<LPARAM>(this)));
    if (!m_dialog) return;
    m_grid.AttachDlgItem(m_dialog.get(), IDC_GRID);
    // Shown without taking the foreground: test programs run side by side on one display,
    // and one that activated its window would take the focus from another's open edit.
    ShowWindow(m_dialog.get(), SW_SHOWNA);
    SetFocus(GridWindow());
    Pump();
}

std::shared_ptr<kor::GridControl> GridTestHost::Control() const {
    return kor::GridControl::FromWindow(GridWindow()).lock();
}

HWND GridTestHost::Editor() const {
    const auto control = Control();
    return control ? control->EditorWindow() : nullptr;
}

void GridTestHost::Fill(int rows, int cols) {
    m_grid.SetCols(cols);
    m_grid.SetRows(rows);
    for (int c = 0; c < cols; ++c) m_grid.SetTextMatrix(0, c, "title" + std::to_string(c));
    for (int r = 1; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            m_grid.SetTextMatrix(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
        }
    }
    m_grid.SetEditable(CVSFlexGrid::kEditKeyboardMouse);
    m_grid.SetRow(1);
    m_grid.SetCol(0);
    Pump();
}

void GridTestHost::Key(UINT vk) const {
    SendMessageW(GridWindow(), WM_KEYDOWN, vk, 0);
}
void GridTestHost::Char(wchar_t ch) const {
    SendMessageW(GridWindow(), WM_CHAR, ch, 0);
}
void GridTestHost::EditorKey(UINT vk) const {
    SendMessageW(Editor(), WM_KEYDOWN, vk, 0);
}
void GridTestHost::EditorChar(wchar_t ch) const {
    SendMessageW(Editor(), WM_CHAR, ch, 0);
}

void GridTestHost::TypeIntoEditor(const std::wstring& text) const {
    for (wchar_t ch : text) EditorChar(ch);
}

void GridTestHost::Click(int row, int col, bool doubleClick) const {
    const auto control = Control();
    const RECT rc = control->Layout().CellRect(control->Model(), row, col);
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    SendMessageW(GridWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(GridWindow(), WM_LBUTTONUP, 0, at);
    if (doubleClick) {
        SendMessageW(GridWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(GridWindow(), WM_LBUTTONUP, 0, at);
    }
}

void GridTestHost::Pump() const {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!m_dialog || !IsDialogMessageW(m_dialog.get(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

void GridTestHost::OnNotify(LPARAM lp) {
    m_grid.HandleNotify(
        lp,
        [this](int row, int col, bool& cancel) {
            events.push_back({true, row, col, m_grid.TextMatrix(row, col),
                              m_grid.Cell(CVSFlexGrid::kCellChecked, row, col)});
            if (refuse && refuse(row, col)) cancel = true;
        },
        [this](int row, int col) {
            events.push_back({false, row, col, m_grid.TextMatrix(row, col),
                              m_grid.Cell(CVSFlexGrid::kCellChecked, row, col)});
            if (afterHook) afterHook(row, col);
        });
}

INT_PTR CALLBACK GridTestHost::DialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        return TRUE;
    }
    auto* host = reinterpret_cast<GridTestHost*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (msg == WM_NOTIFY && host) {
        host->OnNotify(lp);
        return TRUE;
    }
    return FALSE;
}

}  // namespace kortest
