#pragma once
// A shown dialog (GridTestDialog.rc) with one grid, whose WM_NOTIFY goes to the grid's
// HandleNotify; it records every edit event and drives the grid with keys and clicks as a
// user would.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/GridControl.h"
#include "framework/UniqueHandle.h"
#include "framework/VSFlexGrid.h"

namespace kortest {

class GridTestHost {
public:
    struct Event {
        bool before;  // else after
        int row;
        int col;
        std::string text;  // the cell's text as the handler saw it
        long checked;      // the cell's check state as the handler saw it
    };

    GridTestHost();
    HWND Dialog() const { return m_dialog.get(); }
    HWND GridWindow() const { return m_grid.GetSafeHwnd(); }
    CVSFlexGrid& Grid() { return m_grid; }
    std::shared_ptr<kor::GridControl> Control() const;
    HWND Editor() const;
    bool EditorShown() const { return IsWindowVisible(Editor()) != FALSE; }

    // A grid of rows x cols with texts "r<row>c<col>", a title row, editable by mouse too.
    void Fill(int rows, int cols);

    void Key(UINT vk) const;
    void Char(wchar_t ch) const;
    void EditorKey(UINT vk) const;
    void EditorChar(wchar_t ch) const;
    void TypeIntoEditor(const std::wstring& text) const;
    void Click(int row, int col, bool doubleClick = false) const;
    void Pump() const;
    void Destroy() { m_dialog.reset(); }

    // Answers before-edit: true refuses.
    std::function<bool(int row, int col)> refuse;
    // Runs inside the after-edit handler.
    std::function<void(int row, int col)> afterHook;
    std::vector<Event> events;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void OnNotify(LPARAM lp);

    kor::UniqueWindow m_dialog;
    CVSFlexGrid m_grid;
};

}  // namespace kortest
