#pragma once
// The application object of a program: wWinMain makes one and calls Run. Run prepares the
// common controls that the templates use and then calls the program's InitInstance, which
// runs the main screen modally; the program ends when InitInstance returns. An exception out
// of the start-up or out of any window of the run ends the run: its text is shown once, in a
// box captioned "エラー", and the exit code is 1.
#include <windows.h>

#include <exception>
#include <string>

namespace kor {

class CDialogBase;

class CApp {
public:
    CApp() = default;
    virtual ~CApp() = default;
    CApp(const CApp&) = delete;
    CApp& operator=(const CApp&) = delete;

    // The exit code of the process: 0, or 1 after an exception.
    int Run(HINSTANCE instance);

    HINSTANCE Instance() const { return m_instance; }
    // The main screen while it runs, else nullptr.
    HWND MainWindow() const;

protected:
    // The program's start-up; the program ends when it returns, whatever it returns.
    virtual BOOL InitInstance() = 0;
    // Runs the main screen modally; its result.
    INT_PTR RunMainDialog(CDialogBase& dialog);

private:
    HINSTANCE m_instance = nullptr;
    CDialogBase* m_main = nullptr;
};

// The text that shows fault: the exception's own text, or a general one when it has none.
std::string FaultText(const std::exception_ptr& fault);

// Registers the common control classes (progress bar, tooltips, list views, ...) for this
// process; false when the system refuses.
bool InitCommonControlClasses();

}  // namespace kor
