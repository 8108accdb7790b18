#include "framework/ControlTip.h"

// After windows.h.
#include <commctrl.h>

#include <utility>

#include "framework/Cp932.h"

namespace kor {

namespace {

constexpr LPARAM kTipMaxWidth = 640;

}  // namespace

bool CControlTip::Create(HWND owner, HWND control, TextSource text) {
    m_text = std::move(text);
    m_tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
    if (!m_tip) return false;
    LOGFONTW font{};
    font.lfHeight = 12;
    font.lfWidth = 6;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(font.lfFaceName, L"ＭＳ ゴシック", LF_FACESIZE);
    m_font.reset(CreateFontIndirectW(&font));
    if (m_font) SendMessageW(m_tip, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    SendMessageW(m_tip, TTM_SETMAXTIPWIDTH, 0, kTipMaxWidth);

    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(m_tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tip, TTM_ACTIVATE, TRUE, 0);
    return true;
}

bool CControlTip::OnNotify(NMHDR* header) {
    if (!m_tip || header->hwndFrom != m_tip || header->code != TTN_GETDISPINFOW) return false;
    m_shown = m_text ? ToWide(m_text()) : std::wstring();
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    info->lpszText = m_shown.data();
    info->szText[0] = L'\0';
    info->hinst = nullptr;
    return true;
}

}  // namespace kor
