#pragma once
// The grid's in-place editor: one child EDIT, shown over the cell being edited. It keeps the
// text within a limit in CP932 bytes (EM_LIMITTEXT counts UTF-16 units, which is not what
// the records hold) and refuses characters that CP932 cannot hold; a double-byte character
// that would pass the limit is refused whole.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "framework/UniqueHandle.h"

namespace kor {

class GridEditor {
public:
    enum class Event {
        Commit,         // Enter
        Cancel,         // Esc
        CommitAndMove,  // Tab, Up, Down, Page Up, Page Down: the key is handed on
        FocusLost,
    };
    using Handler = std::function<void(Event, WPARAM key)>;

    GridEditor() = default;
    GridEditor(const GridEditor&) = delete;
    GridEditor& operator=(const GridEditor&) = delete;

    // Creates the hidden EDIT as a child of the grid; the handler hears the editor's keys.
    bool Create(HWND grid, int id, Handler handler);
    void Destroy() { m_edit.reset(); }
    HWND Window() const { return m_edit.get(); }
    void SetFont(HFONT font);

    // Shows the editor over rc with the text, the caret at its end. byteLimit 0: no limit.
    void Show(const RECT& rc, const std::wstring& text, int byteLimit);
    void Hide();
    std::wstring Text() const;
    // Called when the EDIT reports a change (EN_CHANGE): takes back any change that made the
    // text longer than the limit by a way the key and paste checks did not see (input method).
    void OnChange();

    // Bytes of the text in CP932.
    static int Cp932Bytes(std::wstring_view text);
    // How many UTF-16 units from the start of insert fit into room bytes, stopping before the
    // first character that CP932 cannot hold. room < 0: no limit.
    static size_t FittingUnits(std::wstring_view insert, int room);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR data);
    LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void InsertFitting(std::wstring_view text);
    void Paste();

    UniqueWindow m_edit;
    Handler m_handler;
    int m_limit = 0;
    std::wstring m_lastGood;
    DWORD m_lastSelStart = 0;
    DWORD m_lastSelEnd = 0;
    bool m_reverting = false;
};

}  // namespace kor
