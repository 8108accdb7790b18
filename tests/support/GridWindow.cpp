#include "GridWindow.h"

#include "framework/GridClass.h"

namespace kortest {

GridWindow::GridWindow() {
    kor::RegisterGridClass();
    m_window.reset(CreateWindowExW(0, kor::kGridClassName, L"", WS_POPUP, 0, 0, 600, 300, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr));
    m_grid.Attach(m_window.get());
}

}  // namespace kortest
