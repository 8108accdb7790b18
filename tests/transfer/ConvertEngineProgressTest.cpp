// The read under its progress window: its title, the screen disabled meanwhile, and an abort
// that the user confirms or takes back, right after the file was cut or between lines.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "EngineTestSupport.h"
#include "common/base/ApMsgInfoList.h"
#include "framework/App.h"
#include "framework/Controls.h"
#include "framework/UniqueHandle.h"
#include "resources/common/ProgressDlgRes.h"
#include "support/MessageScript.h"

namespace {

using namespace enginetest;
using namespace xf;

constexpr char kAbortRead[] = "読込処理を中断します。よろしいですか？";
constexpr int kLines = 2000;

// Watches the progress dialog of the running job from inside it: onCreate when the dialog has
// been made (before the file is read), onMove whenever its bar is moved.
class ProgressWatch {
public:
    ProgressWatch() {
        s_watch = this;
        m_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId());
    }
    ~ProgressWatch() {
        UnhookWindowsHookEx(m_hook);
        s_watch = nullptr;
    }
    ProgressWatch(const ProgressWatch&) = delete;
    ProgressWatch& operator=(const ProgressWatch&) = delete;

    std::function<void(HWND dialog)> onCreate;
    std::function<void(HWND dialog, int position)> onMove;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && s_watch) {
            if (call->message == WM_INITDIALOG && GetDlgItem(call->hwnd, IDC_PROGRESS_BAR) &&
                s_watch->onCreate)
                s_watch->onCreate(call->hwnd);
            if (call->message == PBM_SETPOS && GetDlgCtrlID(call->hwnd) == IDC_PROGRESS_BAR &&
                s_watch->onMove)
                s_watch->onMove(GetParent(call->hwnd), static_cast<int>(call->wParam));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline ProgressWatch* s_watch = nullptr;
    HHOOK m_hook = nullptr;
};

// The user presses the abort button; the job's next pump delivers the press.
void PressAbort(HWND dialog) {
    PostMessageW(GetDlgItem(dialog, IDC_PROGRESS_ABORT), BM_CLICK, 0, 0);
}

class ReadProgressTest : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        const std::string master = ScratchFile(
            "mstKORXF001.ini", "\"25\",\"1\",\"32\",\"%s処理を中断します。よろしいですか？\"\r\n");
        ASSERT_EQ(messages.Load(master), 0u);
        screen.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
        ASSERT_TRUE(screen);
        std::string text;
        for (int i = 0; i < kLines; ++i) text += "0001,ﾐｽﾞﾎ,001,ﾎﾝﾃﾝ,1,1234567,ﾀﾛｳ,100\r\n";
        path = ScratchFile("in.csv", text);
        // The job pumps at most every few tens of milliseconds: a user who takes longer than
        // that to answer makes the next line pump again.
        script.onShow = [](const kor::MessageBoxRequest&) { Sleep(60); };
    }

    ReadOutcome ReadUnderScreen() {
        CConvertEngine engine(&messages, screen.get());
        const CDelimPattern pattern =
            Delim(1, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}});
        const CPatternEntry entry = Entry(kKindGeneral, 1);
        engine.SetPattern(nullptr, &pattern, &entry, nullptr);
        return Read(engine, path);
    }

    CApMsgInfoList messages;
    kor::UniqueWindow screen;
    std::string path;
    kortest::MessageScript script;
};

TEST_F(ReadProgressTest, ShowsItsTitleAndDisablesTheScreenWhileReading) {
    std::string title;
    bool screenEnabled = true;
    HWND dialog = nullptr;
    int last = 0;
    ReadOutcome read;
    {
        ProgressWatch watch;
        watch.onMove = [&](HWND d, int position) {
            dialog = d;
            title = kor::CWindowView(GetDlgItem(d, IDC_PROGRESS_TITLE)).GetText();
            screenEnabled = IsWindowEnabled(screen.get()) != FALSE;
            last = position;
        };
        read = ReadUnderScreen();
    }
    ASSERT_EQ(read.result, kReadOk);
    EXPECT_EQ(read.set->details.size(), static_cast<size_t>(kLines));
    EXPECT_EQ(title, "読込中です．．．");
    EXPECT_FALSE(screenEnabled);
    EXPECT_EQ(last, kLines + 1);  // the last line's index + 2: the end of the bar
    // The window lives only during the read.
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(screen.get()));
    EXPECT_TRUE(script.Shown().empty());
}

TEST_F(ReadProgressTest, AbortConfirmedWhileTheFileIsCut) {
    script.Answer(IDOK);
    ReadOutcome read;
    {
        ProgressWatch watch;
        watch.onCreate = PressAbort;
        read = ReadUnderScreen();
    }
    EXPECT_EQ(read.result, kReadCancelled);
    EXPECT_FALSE(read.set);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].text, kAbortRead);
    EXPECT_TRUE(IsWindowEnabled(screen.get()));
}

TEST_F(ReadProgressTest, AbortConfirmedBetweenLines) {
    script.Answer(IDCANCEL);
    script.Answer(IDOK);
    int secondPress = 0;
    ReadOutcome read;
    {
        ProgressWatch watch;
        watch.onCreate = PressAbort;
        watch.onMove = [&](HWND dialog, int position) {
            if (secondPress == 0) {
                secondPress = position;
                PressAbort(dialog);
            }
        };
        read = ReadUnderScreen();
    }
    EXPECT_EQ(read.result, kReadCancelled);
    EXPECT_FALSE(read.set);
    EXPECT_EQ(script.Shown().size(), 2u);
    EXPECT_GT(secondPress, 0);
    EXPECT_LT(secondPress, kLines + 1);
}

TEST_F(ReadProgressTest, AbortTakenBackLetsTheReadFinish) {
    script.Answer(IDCANCEL);
    ReadOutcome read;
    {
        ProgressWatch watch;
        watch.onCreate = PressAbort;
        read = ReadUnderScreen();
    }
    ASSERT_EQ(read.result, kReadOk);
    EXPECT_EQ(read.set->details.size(), static_cast<size_t>(kLines));
    EXPECT_EQ(script.Shown().size(), 1u);
}

}  // namespace
