// The application object: Run prepares the common controls and runs the program's start-up,
// which runs its main screen modally.
#include "framework/App.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "FrameworkTestDialog.h"
#include "framework/DialogBase.h"

namespace {

class MainScreen : public kor::CDialogBase {
public:
    explicit MainScreen(const kor::CApp& app) : CDialogBase(IDD_FRAMEWORK_TEST), m_app(app) {}
    HWND mainWindowSeen = nullptr;

protected:
    BOOL OnInitDialog() override {
        mainWindowSeen = m_app.MainWindow();
        EndDialog(7);
        return TRUE;
    }

private:
    const kor::CApp& m_app;
};

class TestApp : public kor::CApp {
public:
    bool progressClassKnown = false;
    INT_PTR mainResult = 0;
    HWND mainWindowSeen = nullptr;
    bool fail = false;

protected:
    BOOL InitInstance() override {
        if (fail) throw std::runtime_error("start-up failed");
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        progressClassKnown = GetClassInfoExW(nullptr, L"msctls_progress32", &wc) != FALSE;
        MainScreen screen(*this);
        mainResult = RunMainDialog(screen);
        mainWindowSeen = screen.mainWindowSeen;
        return FALSE;
    }
};

TEST(App, RunPreparesTheControlsAndRunsTheMainScreen) {
    TestApp app;
    EXPECT_EQ(app.Run(GetModuleHandleW(nullptr)), 0);
    EXPECT_EQ(app.Instance(), GetModuleHandleW(nullptr));
    EXPECT_TRUE(app.progressClassKnown);
    EXPECT_EQ(app.mainResult, 7);
    EXPECT_NE(app.mainWindowSeen, nullptr);
    EXPECT_EQ(app.MainWindow(), nullptr);
}

TEST(App, AFailingStartUpEndsWithExitCode1) {
    TestApp app;
    app.fail = true;
    EXPECT_EQ(app.Run(GetModuleHandleW(nullptr)), 1);
}

}  // namespace
