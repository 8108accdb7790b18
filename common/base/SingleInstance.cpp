#include "common/base/SingleInstance.h"

#include <vector>

#include "framework/UniqueHandle.h"

namespace kor {

int CreateOwnedMutex(const wchar_t* name) {
    // The handles live as long as the process: holding the mutex is the whole point.
    static std::vector<kor::UniqueKernelHandle> held;
    const HANDLE handle = CreateMutexW(nullptr, TRUE, name);
    // A mutex of another user's session that we may not open exists all the same.
    const DWORD error = GetLastError();
    const bool existed = error == ERROR_ALREADY_EXISTS || (!handle && error == ERROR_ACCESS_DENIED);
    kor::UniqueKernelHandle mutex(handle);
    if (mutex) held.push_back(std::move(mutex));
    return existed ? 0 : 1;
}

StartDecision DecideStart(const wchar_t* instanceMutex, const wchar_t* importToolMutex) {
    if (CreateOwnedMutex(instanceMutex) == 1) return StartDecision::kRun;
    if (CreateOwnedMutex(importToolMutex) == 0) return StartDecision::kImportToolRunning;
    return StartDecision::kEndSilently;
}

}  // namespace kor
