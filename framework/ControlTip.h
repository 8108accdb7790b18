#pragma once
// A tooltip over one control of a screen, whose text is made each time the tip is about to show.
// It wears the screens' tip font and breaks its lines at a fixed width. The tip window belongs
// to the screen's window and goes with it.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/UniqueHandle.h"

namespace kor {

class CControlTip {
public:
    // The text to show, CP932; empty shows nothing.
    using TextSource = std::function<std::string()>;

    // Puts the tip over control of owner's window; false when it could not be created.
    bool Create(HWND owner, HWND control, TextSource text);
    // Answers the tip's request for its text; true when header is that request.
    bool OnNotify(NMHDR* header);
    // The owner's window was destroyed, and the tip with it.
    void Detach() { m_tip = nullptr; }

private:
    HWND m_tip = nullptr;
    UniqueFont m_font;
    TextSource m_text;
    std::wstring m_shown;  // the text the tip shows, kept while it does
};

}  // namespace kor
