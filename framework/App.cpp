#include "framework/App.h"

// After windows.h.
#include <commctrl.h>

#include "framework/DialogBase.h"

namespace kor {

bool InitCommonControlClasses() {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    return InitCommonControlsEx(&icc) != FALSE;
}

int CApp::Run(HINSTANCE instance) {
    m_instance = instance;
    InitCommonControlClasses();
    try {
        InitInstance();
    } catch (...) {
        return 1;
    }
    return 0;
}

HWND CApp::MainWindow() const {
    return m_main ? m_main->GetSafeHwnd() : nullptr;
}

INT_PTR CApp::RunMainDialog(CDialogBase& dialog) {
    m_main = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_main = nullptr;
    return result;
}

}  // namespace kor
