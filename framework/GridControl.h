#pragma once
// The grid window: owns the content (GridModel), lays it out, paints only the rows in view,
// scrolls, moves the current cell by keyboard and mouse, edits cells in place and tells its
// parent before and after every edit (WM_NOTIFY, see GridCodes). One object per window,
// created with the window and alive while the window or a caller still uses it.
#include <windows.h>

#include <memory>
#include <string_view>

#include "framework/GridCodes.h"
#include "framework/GridEditor.h"
#include "framework/GridLayout.h"
#include "framework/GridModel.h"
#include "framework/GridPainter.h"
#include "framework/UniqueHandle.h"

namespace kor {

class GridControl : public std::enable_shared_from_this<GridControl> {
public:
    explicit GridControl(HWND hwnd);
    GridControl(const GridControl&) = delete;
    GridControl& operator=(const GridControl&) = delete;

    // The control of a grid window; empty for any other window.
    static std::weak_ptr<GridControl> FromWindow(HWND hwnd);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND Window() const { return m_hwnd; }
    const GridModel& Model() const { return m_model; }
    const GridLayout& Layout() const { return m_layout; }

    void SetRows(int rows);
    void SetCols(int cols);
    void SetFixedRows(int rows);
    void Clear();
    void SetText(int row, int col, std::string_view text);
    void SetCheck(int row, int col, int state);
    void SetBackColor(int row, int col, COLORREF color);
    void SetColWidth(int col, int twips);
    void SetColAlignment(int col, int alignment);
    void SetColDataType(int col, int dataType);
    void SetColHidden(int col, bool hidden);
    void SetCurrent(int row, int col);
    void ShowCell(int row, int col);
    int TopRow() const { return m_layout.TopRow(); }
    void SetTopRow(int row);

    int EditMaxLength() const { return m_editMaxLength; }
    void SetEditMaxLength(int bytes) { m_editMaxLength = bytes > 0 ? bytes : 0; }
    int Editable() const { return m_editable; }
    void SetEditable(int mode);
    bool Redraw() const { return m_redraw; }
    void SetRedraw(bool on);

    bool IsEditing() const { return m_editing; }
    HWND EditorWindow() const { return m_editor.Window(); }
    // What the last paint drew (the cells count shows that only the rows in view are drawn).
    const GridPainter::Stats& LastPaint() const { return m_lastPaint; }

private:
    enum class StartBy { Keyboard, Mouse };

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    void OnCreate();
    void OnDestroy();
    void OnSetFont(HFONT font, bool redraw);
    void OnPaint();
    void PaintInto(HDC dc, const RECT& clip);
    void OnScroll(int bar, int code);
    void OnWheel(int delta);
    void OnKeyDown(WPARAM key);
    void OnChar(wchar_t ch);
    LRESULT OnGetDlgCode(const MSG* msg);
    void OnMouse(POINT pt, bool doubleClick);
    void OnEditorEvent(GridEditor::Event event, WPARAM key);

    void Measure();
    void RelayoutColumns();
    void SyncScrollBars();
    void EnsureLayout();
    // Invalidation: nothing while redraw is off; one whole invalidation covers all until paint.
    void InvalidateAll();
    void InvalidateCell(int row, int col);
    void ContentChanged() {
        m_scrollDirty = true;
        InvalidateAll();
    }

    // Moves the current cell to a data row and visible column and scrolls it into view.
    void MoveTo(int row, int col);
    bool TabTarget(bool back, int& row, int& col) const;
    bool CanEdit(StartBy by) const;
    bool NotifyBeforeEdit(int row, int col);
    void NotifyAfterEdit(int row, int col);
    void StartEdit(StartBy by, wchar_t typed);
    void EndEdit(bool commit, bool refocus);
    // A change made by a caller or a scroll while a cell is edited takes the edit first.
    void LeaveEdit();
    void ToggleCheck(StartBy by);

    HWND m_hwnd;
    std::shared_ptr<GridControl> m_self;  // keeps the object while the window lives
    GridModel m_model;
    GridLayout m_layout;
    GridEditor m_editor;
    GridPainter::Stats m_lastPaint;
    UniqueFont m_ownFont;
    HFONT m_font = nullptr;
    UniqueBrush m_editBrush;
    int m_editMaxLength = 0;
    int m_editable = GridCodes::kEditNone;
    bool m_redraw = true;
    bool m_wholeInvalid = false;
    bool m_scrollDirty = true;
    bool m_syncing = false;
    bool m_editing = false;
    int m_editRow = -1;
    int m_editCol = -1;
};

}  // namespace kor
