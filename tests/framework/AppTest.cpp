// The application object: Run prepares the common controls and runs the program's start-up,
// which runs its main screen modally; an exception of the run is shown once and ends it.
#include "framework/App.h"

#include <gtest/gtest.h>

#include <exception>
#include <stdexcept>
#include <string>

#include "FrameworkTestDialog.h"
#include "framework/DialogBase.h"
#include "framework/RunFault.h"
#include "support/MessageScript.h"

namespace {

constexpr UINT kFail = WM_APP + 2;

enum class Failure { kNone, kStartUp, kHandler, kNonStandard, kModeless };

class MainScreen : public kor::CDialogBase {
public:
    MainScreen(const kor::CApp& app, Failure failure)
        : CDialogBase(IDD_FRAMEWORK_TEST), m_app(app), m_failure(failure) {}
    HWND mainWindowSeen = nullptr;

protected:
    BOOL OnInitDialog() override {
        mainWindowSeen = m_app.MainWindow();
        if (m_failure == Failure::kNone) {
            EndDialog(7);
        } else {
            PostMessageW(GetSafeHwnd(), kFail, 0, 0);
        }
        return TRUE;
    }
    bool OnOtherMessage(UINT msg, WPARAM, LPARAM, INT_PTR&) override {
        if (msg != kFail) return false;
        if (m_failure == Failure::kHandler) throw std::runtime_error("screen failed");
        if (m_failure == Failure::kNonStandard) throw 42;
        if (m_failure == Failure::kModeless) {
            // A fault that no modal run throws on: kept until the run ends.
            kor::KeepRunFault(std::make_exception_ptr(std::runtime_error("kept")));
            return true;
        }
        return false;
    }

private:
    const kor::CApp& m_app;
    Failure m_failure;
};

class TestApp : public kor::CApp {
public:
    bool progressClassKnown = false;
    INT_PTR mainResult = 0;
    HWND mainWindowSeen = nullptr;
    Failure failure = Failure::kNone;
    bool returned = false;  // InitInstance ran to its end

protected:
    BOOL InitInstance() override {
        if (failure == Failure::kStartUp) throw std::runtime_error("start-up failed");
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        progressClassKnown = GetClassInfoExW(nullptr, L"msctls_progress32", &wc) != FALSE;
        MainScreen screen(*this, failure);
        mainResult = RunMainDialog(screen);
        mainWindowSeen = screen.mainWindowSeen;
        returned = true;
        return FALSE;
    }
};

TEST(App, RunPreparesTheControlsAndRunsTheMainScreen) {
    kortest::MessageScript boxes;
    TestApp app;
    EXPECT_EQ(app.Run(GetModuleHandleW(nullptr)), 0);
    EXPECT_EQ(app.Instance(), GetModuleHandleW(nullptr));
    EXPECT_TRUE(app.progressClassKnown);
    EXPECT_EQ(app.mainResult, 7);
    EXPECT_NE(app.mainWindowSeen, nullptr);
    EXPECT_EQ(app.MainWindow(), nullptr);
    EXPECT_TRUE(boxes.Shown().empty());
}

struct FailureCase {
    const char* name;
    Failure failure;
    const char* text;  // of the one box shown
    bool returned;     // InitInstance ran to its end
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class AppFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(AppFailure, IsShownOnceAndEndsTheRunWithExitCode1) {
    const FailureCase& c = GetParam();
    kortest::MessageScript boxes;
    TestApp app;
    app.failure = c.failure;
    EXPECT_EQ(app.Run(GetModuleHandleW(nullptr)), 1);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, c.text);
    EXPECT_EQ(boxes.Shown()[0].caption, "エラー");
    EXPECT_EQ(boxes.Shown()[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(app.returned, c.returned);
    EXPECT_EQ(app.MainWindow(), nullptr);
    EXPECT_FALSE(kor::HasRunFault());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AppFailure,
    testing::Values(FailureCase{"StartUp", Failure::kStartUp, "start-up failed", false},
                    FailureCase{"ScreenHandler", Failure::kHandler, "screen failed", false},
                    FailureCase{"NotAStandardException", Failure::kNonStandard,
                                "予期しないエラーが発生しました。", false},
                    FailureCase{"KeptByAnotherWindow", Failure::kModeless, "kept", false}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
