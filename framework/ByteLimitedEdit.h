#pragma once
// An edit of a screen whose text goes into a field of fixed width in bytes: typing, pasting and
// the input method stop at the limit in CP932 bytes (ByteLimit.h) instead of in characters, so
// a double-byte character counts twice. Text that the program sets is not limited.
#include <windows.h>

namespace kor {

class CByteLimitedEdit {
public:
    CByteLimitedEdit() = default;
    ~CByteLimitedEdit() { Detach(); }
    CByteLimitedEdit(const CByteLimitedEdit&) = delete;
    CByteLimitedEdit& operator=(const CByteLimitedEdit&) = delete;

    // Limits control to bytes: an EDIT, or an editable combo box (its edit field). Also limits
    // the characters to as many, which a byte limit implies. False when control has no edit.
    bool Attach(HWND control, int bytes);
    // Lets the edit go; it keeps its character limit.
    void Detach();
    HWND Edit() const { return m_edit; }

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR data);
    LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // Lets the system handle a message that may change the text in a way the key and paste
    // handling does not see, and takes the change back when it passes the limit.
    LRESULT Guarded(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND m_edit = nullptr;
    int m_limit = 0;
};

}  // namespace kor
