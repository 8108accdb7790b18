#include "framework/Controls.h"

#include "framework/Cp932.h"

namespace kor {

namespace {

// The text of an item of a list (length and text messages of a combo box or a list box).
std::string ListItemText(HWND hwnd, UINT lengthMsg, UINT textMsg, int index) {
    const LRESULT length = SendMessageW(hwnd, lengthMsg, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(hwnd, textMsg, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    if (got <= 0) return {};
    text.resize(static_cast<size_t>(got));
    return ToCp932(text);
}

int SendText(HWND hwnd, UINT msg, WPARAM wp, std::string_view text) {
    const std::wstring wide = ToWide(text);
    return static_cast<int>(SendMessageW(hwnd, msg, wp, reinterpret_cast<LPARAM>(wide.c_str())));
}

}  // namespace

std::string CWindowView::GetText() const {
    const int length = GetWindowTextLengthW(m_hwnd);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(m_hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return ToCp932(text);
}

void CWindowView::SetText(std::string_view text) const {
    SetWindowTextW(m_hwnd, ToWide(text).c_str());
}

int CComboView::AddString(std::string_view text) const {
    return SendText(Hwnd(), CB_ADDSTRING, 0, text);
}

int CComboView::InsertString(int index, std::string_view text) const {
    return SendText(Hwnd(), CB_INSERTSTRING, static_cast<WPARAM>(index), text);
}

std::string CComboView::GetLBText(int index) const {
    return ListItemText(Hwnd(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

int CComboView::FindStringExact(int start, std::string_view text) const {
    return SendText(Hwnd(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text);
}

int CListBoxView::AddString(std::string_view text) const {
    return SendText(Hwnd(), LB_ADDSTRING, 0, text);
}

int CListBoxView::InsertString(int index, std::string_view text) const {
    return SendText(Hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(index), text);
}

std::string CListBoxView::GetItemText(int index) const {
    return ListItemText(Hwnd(), LB_GETTEXTLEN, LB_GETTEXT, index);
}

int CListBoxView::FindStringExact(int start, std::string_view text) const {
    return SendText(Hwnd(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text);
}

}  // namespace kor
