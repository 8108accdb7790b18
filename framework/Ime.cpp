#include "framework/Ime.h"

#include <imm.h>

namespace kor {

namespace {

// The input context of a window for one scope.
class ImeContext {
public:
    explicit ImeContext(HWND window) : m_window(window), m_context(ImmGetContext(window)) {}
    ~ImeContext() {
        if (m_context) ImmReleaseContext(m_window, m_context);
    }
    ImeContext(const ImeContext&) = delete;
    ImeContext& operator=(const ImeContext&) = delete;
    HIMC get() const { return m_context; }

private:
    HWND m_window;
    HIMC m_context;
};

}  // namespace

bool OpenKanaIme(HWND window, ImeModes* before) {
    const ImeContext context(window);
    if (!context.get()) return false;
    ImeModes modes;
    ImmGetConversionStatus(context.get(), &modes.conversion, &modes.sentence);
    if (before) *before = modes;
    ImmSetOpenStatus(context.get(), TRUE);
    ImmSetConversionStatus(context.get(), kHalfWidthKanaConversion, modes.sentence);
    return true;
}

bool CloseIme(HWND window) {
    const ImeContext context(window);
    if (!context.get()) return false;
    ImmSetOpenStatus(context.get(), FALSE);
    return true;
}

}  // namespace kor
