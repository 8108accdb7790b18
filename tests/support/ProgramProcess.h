#pragma once
// A program started by a test: its process, whether and how it ended, and the windows it shows.
// The process is ended when the object goes, unless it has ended by itself.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/UniqueHandle.h"

namespace kortest {

class ProgramProcess {
public:
    explicit ProgramProcess(const std::wstring& exe) {
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
    ~ProgramProcess() {
        if (m_process && WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.get(), 1);
    }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

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

// Held by a test that starts the programs themselves: their instance mutexes are the machine's,
// so no two such tests may run at once, whichever test program they are in.
class ProgramStartLock {
public:
    ProgramStartLock() : m_mutex(CreateMutexW(nullptr, FALSE, L"kortest.ProgramStart")) {
        if (m_mutex) WaitForSingleObject(m_mutex.get(), INFINITE);
    }
    ~ProgramStartLock() {
        if (m_mutex) ReleaseMutex(m_mutex.get());
    }
    ProgramStartLock(const ProgramStartLock&) = delete;
    ProgramStartLock& operator=(const ProgramStartLock&) = delete;

private:
    kor::UniqueKernelHandle m_mutex;
};

}  // namespace kortest
