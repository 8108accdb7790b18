#include "framework/ByteLimit.h"

#include <algorithm>
#include <climits>

namespace kor {

namespace {

constexpr UINT kCodePage = 932;

// Bytes of one UTF-16 unit in CP932; 0 when CP932 has no such character.
int CharBytes(wchar_t ch) {
    char buf[4];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &ch, 1, buf, sizeof buf,
                                      nullptr, &usedDefault);
    return usedDefault ? 0 : n;
}

class ClipboardText {
public:
    explicit ClipboardText(HWND owner) : m_open(OpenClipboard(owner) != FALSE) {
        if (!m_open) return;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
                m_text = p;
                GlobalUnlock(data);
            }
        }
    }
    ~ClipboardText() {
        if (m_open) CloseClipboard();
    }
    ClipboardText(const ClipboardText&) = delete;
    ClipboardText& operator=(const ClipboardText&) = delete;
    const std::wstring& Text() const { return m_text; }

private:
    bool m_open;
    std::wstring m_text;
};

}  // namespace

int Cp932Bytes(std::wstring_view text) {
    if (text.empty()) return 0;
    return WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                               nullptr, nullptr);
}

size_t FittingUnits(std::wstring_view insert, int room) {
    if (room < 0) room = INT_MAX;
    size_t units = 0;
    for (wchar_t ch : insert) {
        const int bytes = CharBytes(ch);
        if (bytes == 0 || bytes > room) break;
        room -= bytes;
        ++units;
    }
    return units;
}

std::wstring WindowTextOf(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), n + 1)));
    return text;
}

int RoomForInsertion(HWND edit, int limit) {
    if (limit == 0) return -1;
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = WindowTextOf(edit);
    start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
    end = std::min<DWORD>(std::max(end, start), static_cast<DWORD>(text.size()));
    const std::wstring_view view(text);
    const int kept = Cp932Bytes(view.substr(0, start)) + Cp932Bytes(view.substr(end));
    return std::max(limit - kept, 0);
}

void InsertFitting(HWND edit, std::wstring_view text, int limit) {
    const size_t units = FittingUnits(text, RoomForInsertion(edit, limit));
    if (units < text.size()) MessageBeep(MB_OK);
    if (units == 0) return;
    const std::wstring part(text.substr(0, units));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(part.c_str()));
}

void PasteFitting(HWND edit, int limit) {
    ClipboardText clip(edit);
    std::wstring_view text = clip.Text();
    text = text.substr(0, text.find_first_of(L"\r\n"));  // one line: the fields hold no breaks
    InsertFitting(edit, text, limit);
}

}  // namespace kor
