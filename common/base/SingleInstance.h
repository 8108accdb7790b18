#pragma once
// Whether a program may start: one instance at a time, and none while the pattern-import tool
// runs. Each is marked by a named mutex that its holder keeps until its process ends; every
// program names its own.
#include <windows.h>

namespace kor {

// Creates the named mutex, owned by the caller and held until the process ends: 1, or 0 when
// the system reports that it existed already.
int CreateOwnedMutex(const wchar_t* name);

enum class StartDecision {
    kRun,                // no other instance
    kEndSilently,        // another instance runs: end without a word
    kImportToolRunning,  // the import tool runs: say so, then end
};

// Takes the program's instance mutex; when it existed, takes the import tool's mutex to find
// out which of the two cases it is.
StartDecision DecideStart(const wchar_t* instanceMutex, const wchar_t* importToolMutex);

}  // namespace kor
