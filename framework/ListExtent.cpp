#include "framework/ListExtent.h"

#include <string>

#include "framework/UniqueHandle.h"

namespace kor {

namespace {

// A window's device context for one scope.
class WindowDC {
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDC() {
        if (m_dc) ReleaseDC(m_window, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

}  // namespace

void FitListHorizontalExtent(HWND list) {
    const WindowDC dc(list);
    if (!dc.get()) return;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    const ScopedSelect select(dc.get(),
                              font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length <= 0) continue;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                         reinterpret_cast<LPARAM>(text.data()));
        if (got <= 0) continue;
        SIZE size{};
        if (GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(got), &size) &&
            size.cx > widest)
            widest = size.cx;
    }
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 5), 0);
}

}  // namespace kor
