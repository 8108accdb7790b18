#include "framework/App.h"

// After windows.h.
#include <commctrl.h>

#include "framework/DialogBase.h"
#include "framework/MessageSeam.h"
#include "framework/RunFault.h"

namespace kor {

bool InitCommonControlClasses() {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    return InitCommonControlsEx(&icc) != FALSE;
}

std::string FaultText(const std::exception_ptr& fault) {
    constexpr char kGeneral[] = "予期しないエラーが発生しました。";
    try {
        std::rethrow_exception(fault);
    } catch (const std::exception& e) {
        const char* what = e.what();
        return what && *what ? what : kGeneral;
    } catch (...) {
        return kGeneral;
    }
}

int CApp::Run(HINSTANCE instance) {
    m_instance = instance;
    InitCommonControlClasses();
    std::exception_ptr fault;
    try {
        InitInstance();
        // A fault kept by a window that no modal run threw on.
        fault = TakeRunFault();
    } catch (...) {
        fault = std::current_exception();
    }
    m_main = nullptr;
    if (!fault) return 0;
    // Whatever the run left kept is the same failure, shown once.
    TakeRunFault();
    try {
        ShowMessageBox(nullptr, FaultText(fault), "エラー", MB_OK | MB_ICONERROR);
    } catch (...) {
    }
    return 1;
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
