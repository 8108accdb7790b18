// One instance at a time: the real program started twice, and while the import tool runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "transfer/Korxf300App.h"

namespace {

// --- The real program, twice ---------------------------------------------------------------------

class Process {
public:
    explicit Process(const std::wstring& exe) {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        // Without taking the foreground from the test programs beside it, where the system
        // honours it.
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_SHOWNOACTIVATE;
        PROCESS_INFORMATION pi{};
        std::wstring commandLine = L"\"" + exe + L"\"";
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &si, &pi)) {
            m_process.reset(pi.hProcess);
            kor::UniqueKernelHandle thread(pi.hThread);
            m_id = pi.dwProcessId;
        }
    }
    ~Process() {
        if (m_process && WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.get(), 1);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }
    // True when the process ended within ms; every visible window it showed meanwhile is
    // counted in shownWindows.
    bool EndsWithin(DWORD ms, int* shownWindows = nullptr) {
        const ULONGLONG until = GetTickCount64() + ms;
        while (GetTickCount64() < until) {
            if (shownWindows) *shownWindows += static_cast<int>(VisibleWindows().size());
            if (WaitForSingleObject(m_process.get(), 50) == WAIT_OBJECT_0) return true;
        }
        return false;
    }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(m_process.get(), &code);
        return code;
    }
    // The visible top-level windows of the process.
    std::vector<HWND> VisibleWindows() const {
        Search search{m_id, {}};
        EnumWindows(AddIfVisible, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // The first visible window of the process whose caption is caption, waiting up to ms.
    HWND WaitForWindow(const std::wstring& caption, DWORD ms) const {
        const ULONGLONG until = GetTickCount64() + ms;
        while (GetTickCount64() < until) {
            for (HWND hwnd : VisibleWindows()) {
                wchar_t text[256] = {};
                GetWindowTextW(hwnd, text, 256);
                if (caption == text) return hwnd;
            }
            Sleep(50);
        }
        return nullptr;
    }

private:
    struct Search {
        DWORD id;
        std::vector<HWND> found;
    };
    static BOOL CALLBACK AddIfVisible(HWND hwnd, LPARAM lp) {
        auto* search = reinterpret_cast<Search*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == search->id && IsWindowVisible(hwnd)) search->found.push_back(hwnd);
        return TRUE;
    }

    kor::UniqueKernelHandle m_process;
    DWORD m_id = 0;
};

const std::wstring kProgram = kor::ToWide(KOR_XF_PROGRAM);
const std::wstring kMainCaption = L"Ventrana 自社作成データ変換ツール（総合振込・給与賞与振込）";

// Both cases in one test: each takes the program's real mutex names, which no two tests may
// hold at once.
TEST(SingleInstanceProgram, ASecondInstanceEndsAtOnceAndTheImportToolBlocksTheStart) {
    {
        Process first(kProgram);
        ASSERT_TRUE(first.Started());
        ASSERT_NE(first.WaitForWindow(kMainCaption, 30000), nullptr) << "no main screen";

        Process second(kProgram);
        ASSERT_TRUE(second.Started());
        int shown = 0;
        EXPECT_TRUE(second.EndsWithin(10000, &shown));
        EXPECT_EQ(shown, 0);
        EXPECT_EQ(second.ExitCode(), 0u);
        EXPECT_FALSE(first.VisibleWindows().empty());  // the first one runs on
    }
    {
        // The import tool runs: it holds its mutex, and the instance mutex exists too.
        const kor::UniqueKernelHandle own(CreateMutexW(nullptr, TRUE, xf::kInstanceMutex));
        const kor::UniqueKernelHandle tool(CreateMutexW(nullptr, TRUE, xf::kImportToolMutex));
        Process program(kProgram);
        ASSERT_TRUE(program.Started());
        const HWND box = program.WaitForWindow(L"エラー", 30000);
        ASSERT_NE(box, nullptr) << "no message box";
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        EXPECT_STREQ(text, L"送信パターン情報取込ツール起動中は実行できません。");
        for (HWND hwnd : program.VisibleWindows()) {
            wchar_t caption[256] = {};
            GetWindowTextW(hwnd, caption, 256);
            EXPECT_NE(kMainCaption, caption);
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(program.EndsWithin(10000));
    }
}

}  // namespace
