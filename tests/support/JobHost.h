#pragma once
// What a test of a progress job needs around it: the message master written and loaded from
// its CP932 lines, and a hidden window that stands for the screen that starts the job.
#include <windows.h>

#include <string>

#include "common/base/ApMsgInfoList.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"

namespace kortest {

// Writes lines as the master "mstKORXF001.ini" in the test's scratch folder and loads it:
// the load's result (0 when loaded).
inline DWORD LoadMessageLines(CApMsgInfoList& messages, const std::string& lines) {
    const std::string path = ScratchDirOfTest() + "mstKORXF001.ini";
    if (!WriteBytes(path, lines)) return ~DWORD{0};
    return messages.Load(path);
}

// A hidden top-level window of this program.
inline kor::UniqueWindow MakeScreenWindow() {
    return kor::UniqueWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                                             nullptr, GetModuleHandleW(nullptr), nullptr));
}

}  // namespace kortest
