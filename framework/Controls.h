#pragma once
// Views of the standard controls of a dialog. A view does not own its window: it is made on the
// spot from a control's handle (CDialogBase::Edit(id) and so on) and only sends messages. Text
// in and out is CP932; it crosses to UTF-16 here. A view of no window reads as empty.
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <string>
#include <string_view>

namespace kor {

class CWindowView {
public:
    explicit CWindowView(HWND hwnd = nullptr) : m_hwnd(hwnd) {}
    HWND Hwnd() const { return m_hwnd; }

    std::string GetText() const;
    void SetText(std::string_view text) const;
    bool IsEnabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }
    void Show(bool show) const { ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE); }
    void Redraw() const { InvalidateRect(m_hwnd, nullptr, TRUE); }

protected:
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return SendMessageW(m_hwnd, msg, wp, lp);
    }

private:
    HWND m_hwnd;
};

class CEditView : public CWindowView {
public:
    using CWindowView::CWindowView;
    // The most characters (UTF-16 units) the user can type; 0 lifts the limit.
    void LimitText(int chars) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(chars)); }
};

class CComboView : public CWindowView {
public:
    using CWindowView::CWindowView;
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    // The selected index, or -1.
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    // The index of the new item (sorted lists place it), or a negative value on failure.
    int AddString(std::string_view text) const;
    int InsertString(int index, std::string_view text) const;
    void DeleteString(int index) const { Send(CB_DELETESTRING, static_cast<WPARAM>(index)); }
    void ResetContent() const { Send(CB_RESETCONTENT); }
    // The text of item index; empty when there is none.
    std::string GetLBText(int index) const;
    // The first item from after start (-1: from the top) whose text equals text, or -1. The
    // comparison is the control's own: letters in either case are equal.
    int FindStringExact(int start, std::string_view text) const;
    void SetItemData(int index, LPARAM data) const {
        Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    }
    LPARAM GetItemData(int index) const {
        return static_cast<LPARAM>(Send(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    // The most characters the edit field of an editable list takes.
    void LimitText(int chars) const { Send(CB_LIMITTEXT, static_cast<WPARAM>(chars)); }
};

class CButtonView : public CWindowView {
public:
    using CWindowView::CWindowView;
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    // Presses the button as a click would.
    void Click() const { Send(BM_CLICK); }
};

class CListBoxView : public CWindowView {
public:
    using CWindowView::CWindowView;
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
    int AddString(std::string_view text) const;
    int InsertString(int index, std::string_view text) const;
    void DeleteString(int index) const { Send(LB_DELETESTRING, static_cast<WPARAM>(index)); }
    void ResetContent() const { Send(LB_RESETCONTENT); }
    std::string GetItemText(int index) const;
    int FindStringExact(int start, std::string_view text) const;
    void SetItemData(int index, LPARAM data) const {
        Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data);
    }
    LPARAM GetItemData(int index) const {
        return static_cast<LPARAM>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
};

class CProgressView : public CWindowView {
public:
    using CWindowView::CWindowView;
    void SetRange(int low, int high) const { Send(PBM_SETRANGE32, low, high); }
    void SetPos(int position) const { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
    int GetPos() const { return static_cast<int>(Send(PBM_GETPOS)); }
};

}  // namespace kor
