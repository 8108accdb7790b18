// The progress task and its dialog: texts, the owner disabled while it is shown, the abort
// question answered through the message seam, and the pump of long jobs.
#include "common/base/ProgressTask.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/base/ApMsgInfoList.h"
#include "common/base/ProgressDlg.h"
#include "framework/App.h"
#include "framework/Controls.h"
#include "framework/UniqueHandle.h"
#include "resources/common/ProgressDlgRes.h"
#include "support/JobHost.h"
#include "support/MessageNumber.h"
#include "support/MessageScript.h"

namespace {

constexpr char kPrinting[] = "印刷中です．．．";
constexpr char kAbortRead[] = "読込処理を中断します。よろしいですか？";
constexpr char kAbortPrint[] = "印刷を中断します。よろしいですか？";
// Another tool's questions, under other ids of its own table.
constexpr char kAbortOtherRead[] = "読込を中止しますか？";
constexpr char kAbortOtherPrint[] = "印刷を中止しますか？";

// The ids of the questions in the test's table: the transfer tool's, and another tool's.
constexpr CAbortQuestions kQuestions{.printing = kortest::MessageNo(26),
                                     .other = kortest::MessageNo(25),
                                     .converting = std::nullopt};
constexpr CAbortQuestions kOtherQuestions{.printing = kortest::MessageNo(20),
                                          .other = kortest::MessageNo(19),
                                          .converting = std::nullopt};

class TestTask : public CProgressTask {
public:
    TestTask() = default;
    TestTask(CApMsgInfoList* messages, HWND parent, const CAbortQuestions& questions = kQuestions)
        : CProgressTask(messages, parent, questions) {}
    HWND Dialog() const { return m_dialog ? m_dialog->GetSafeHwnd() : nullptr; }
    std::string Text(int id) const { return kor::CWindowView(GetDlgItem(Dialog(), id)).GetText(); }
    int BarPos() const {
        return kor::CProgressView(GetDlgItem(Dialog(), IDC_PROGRESS_BAR)).GetPos();
    }
    // The user presses the abort button; the next pump delivers the click.
    void PressAbort() const {
        PostMessageW(GetDlgItem(Dialog(), IDC_PROGRESS_ABORT), BM_CLICK, 0, 0);
    }
};

class ProgressTaskTest : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        ASSERT_EQ(
            kortest::LoadMessageLines(
                messages, std::string("\"19\",\"1\",\"32\",\"%sを中止しますか？\"\r\n") +
                              "\"20\",\"1\",\"32\",\"" + kAbortOtherPrint + "\"\r\n" +
                              "\"25\",\"1\",\"32\",\"%s処理を中断します。よろしいですか？\"\r\n" +
                              "\"26\",\"1\",\"32\",\"" + kAbortPrint + "\"\r\n"),
            0u);
        // A screen with one control: the progress dialog disables the screen, not the control.
        screen = kortest::MakeScreenWindow();
        control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, screen.get(), nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(screen && control);
    }

    CApMsgInfoList messages;
    kor::UniqueWindow screen;
    HWND control = nullptr;
};

TEST_F(ProgressTaskTest, TitleAndSubLine) {
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress(nullptr, "無視される"), 1);
    EXPECT_TRUE(IsWindowVisible(task.Dialog()));
    EXPECT_EQ(task.Text(IDC_PROGRESS_TITLE), "実行中");
    EXPECT_EQ(task.Text(IDC_PROGRESS_SUBLINE), "");
    const HWND first = task.Dialog();
    ASSERT_EQ(task.ShowProgress("読込中です．．．", "振込データ.csv"), 1);
    EXPECT_EQ(task.Dialog(), first);
    EXPECT_EQ(task.Text(IDC_PROGRESS_TITLE), "読込中です．．．");
    EXPECT_EQ(task.Text(IDC_PROGRESS_SUBLINE), "振込データ.csv");
    ASSERT_EQ(task.ShowProgress("出力中です．．．", nullptr), 1);
    EXPECT_EQ(task.Text(IDC_PROGRESS_SUBLINE), "");
}

TEST_F(ProgressTaskTest, TheScreenIsDisabledWhileTheDialogExists) {
    TestTask task(&messages, control);
    ASSERT_EQ(task.ShowProgress("読込中", nullptr), 1);
    EXPECT_FALSE(IsWindowEnabled(screen.get()));
    EXPECT_EQ(GetWindow(task.Dialog(), GW_OWNER), screen.get());
    const HWND dialog = task.Dialog();
    EXPECT_EQ(task.CloseProgress(), 1);
    EXPECT_TRUE(IsWindowEnabled(screen.get()));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(task.CloseProgress(), 0);
    EXPECT_EQ(task.PumpMessages(), 1);
}

TEST_F(ProgressTaskTest, DestroyingTheTaskEnablesTheScreen) {
    {
        TestTask task(&messages, screen.get());
        ASSERT_EQ(task.ShowProgress("読込中", nullptr), 1);
        EXPECT_FALSE(IsWindowEnabled(screen.get()));
    }
    EXPECT_TRUE(IsWindowEnabled(screen.get()));
}

TEST_F(ProgressTaskTest, AScreenDisabledBeforeStaysDisabled) {
    EnableWindow(screen.get(), FALSE);
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中", nullptr), 1);
    task.CloseProgress();
    EXPECT_FALSE(IsWindowEnabled(screen.get()));
}

TEST_F(ProgressTaskTest, WithoutADialogThePumpAnswersCancel) {
    TestTask task(&messages, screen.get());
    EXPECT_EQ(task.PumpMessages(), 1);
    EXPECT_EQ(task.Step(1), 1);
    TestTask unowned;
    EXPECT_EQ(unowned.PumpMessages(), 1);
}

TEST_F(ProgressTaskTest, EnterEscAndCloseDoNotCloseTheDialog) {
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中", nullptr), 1);
    kortest::MessageScript script;
    SendMessageW(task.Dialog(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SendMessageW(task.Dialog(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    SendMessageW(task.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(task.PumpMessages(), 0);
    EXPECT_TRUE(IsWindowVisible(task.Dialog()));
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(ProgressTaskTest, TheDialogKeepsTheSystemColours) {
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中", nullptr), 1);
    kor::UniqueDC dc(CreateCompatibleDC(nullptr));
    const LRESULT brush =
        SendMessageW(task.Dialog(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc.get()),
                     reinterpret_cast<LPARAM>(task.Dialog()));
    EXPECT_EQ(brush,
              DefWindowProcW(task.Dialog(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc.get()),
                             reinterpret_cast<LPARAM>(task.Dialog())));
}

// --- The abort question -----------------------------------------------------------------------

struct AbortCase {
    const char* name;
    CAbortQuestions questions;
    const char* title;
    int answer;
    const char* question;
    int cancel;
};
void PrintTo(const AbortCase& c, std::ostream* os) {
    *os << c.name;
}

class AbortTest : public ProgressTaskTest, public testing::WithParamInterface<AbortCase> {};

TEST_P(AbortTest, QuestionAndCancelFlag) {
    const AbortCase& c = GetParam();
    TestTask task(&messages, screen.get(), c.questions);
    ASSERT_EQ(task.ShowProgress(c.title, nullptr), 1);
    kortest::MessageScript script({c.answer});
    task.PressAbort();
    EXPECT_EQ(task.PumpMessages(), c.cancel);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, c.question);
    EXPECT_EQ(script.Shown()[0].owner, task.Dialog());
    EXPECT_EQ(script.Shown()[0].style, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
    // The answer stands: nothing more happens until the next press.
    EXPECT_EQ(task.PumpMessages(), c.cancel);
    EXPECT_EQ(script.Shown().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AbortTest,
    testing::Values(
        AbortCase{"PrintingOk", kQuestions, kPrinting, IDOK, kAbortPrint, 1},
        AbortCase{"PrintingCancel", kQuestions, kPrinting, IDCANCEL, kAbortPrint, 0},
        AbortCase{"ReadingOk", kQuestions, "読込中です．．．", IDOK, kAbortRead, 1},
        AbortCase{"ReadingCancel", kQuestions, "読込中です．．．", IDCANCEL, kAbortRead, 0},
        AbortCase{"DefaultTitleOk", kQuestions, nullptr, IDOK, kAbortRead, 1},
        AbortCase{"NotQuitePrinting", kQuestions, "印刷中です．．", IDOK, kAbortRead, 1},
        AbortCase{"OtherToolPrinting", kOtherQuestions, kPrinting, IDOK, kAbortOtherPrint, 1},
        AbortCase{"OtherToolReading", kOtherQuestions, "読込中です．．．", IDCANCEL,
                  kAbortOtherRead, 0}),
    [](const testing::TestParamInfo<AbortCase>& info) { return std::string(info.param.name); });

TEST_F(ProgressTaskTest, AJobGoesOnAfterCancelAndStopsAfterOk) {
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中です．．．", nullptr), 1);
    kortest::MessageScript script({IDCANCEL, IDOK});
    task.PressAbort();
    EXPECT_EQ(task.PumpMessages(), 0);
    task.PressAbort();
    EXPECT_EQ(task.PumpMessages(), 1);
    EXPECT_EQ(script.Shown().size(), 2u);
}

TEST_F(ProgressTaskTest, DisableCancelDisablesTheAbortButton) {
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("出力中です．．．", nullptr), 1);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(task.Dialog(), IDC_PROGRESS_ABORT)));
    task.DisableCancel();
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(task.Dialog(), IDC_PROGRESS_ABORT)));
}

TEST_F(ProgressTaskTest, WithoutAMessageTableThePressStopsTheJob) {
    TestTask task(nullptr, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中です．．．", nullptr), 1);
    kortest::MessageScript script;
    task.PressAbort();
    EXPECT_EQ(task.PumpMessages(), 1);
    EXPECT_TRUE(script.Shown().empty());
}

// --- Long loops -------------------------------------------------------------------------------

TEST_F(ProgressTaskTest, RangeAndPosition) {
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中", nullptr), 1);
    task.SetRange(0, 50000);
    task.SetPos(40000);
    EXPECT_EQ(task.BarPos(), 40000);
}

TEST_F(ProgressTaskTest, StepOverFiftyThousandLinesIsCheapAndEndsFull) {
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中です．．．", nullptr), 1);
    constexpr int kLines = 50000;
    task.SetRange(0, kLines);
    const ULONGLONG start = GetTickCount64();
    for (int i = 1; i <= kLines; ++i) {
        ASSERT_EQ(task.Step(i), 0);
    }
    const ULONGLONG elapsed = GetTickCount64() - start;
    EXPECT_EQ(task.BarPos(), kLines);
    EXPECT_LT(elapsed, 1000u);
    std::printf("50,000 steps: %llu ms\n", static_cast<unsigned long long>(elapsed));
}

TEST_F(ProgressTaskTest, StepMovesTheBarWhileTheJobRuns) {
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中です．．．", nullptr), 1);
    task.SetRange(0, 100000000);
    const ULONGLONG start = GetTickCount64();
    int i = 0;
    while (GetTickCount64() - start < 100) ASSERT_EQ(task.Step(++i), 0);
    EXPECT_GT(task.BarPos(), 0);
    EXPECT_LE(task.BarPos(), i);
}

TEST_F(ProgressTaskTest, StepSeesAnAbortWithinAFewPumpIntervals) {
    TestTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中です．．．", nullptr), 1);
    task.SetRange(0, 1000000);
    kortest::MessageScript script({IDOK});
    task.PressAbort();
    const ULONGLONG start = GetTickCount64();
    int i = 0;
    while (task.Step(++i) == 0 && GetTickCount64() - start < 2000) {
    }
    EXPECT_EQ(script.Shown().size(), 1u);
    EXPECT_LT(GetTickCount64() - start, 200u);
}

}  // namespace
