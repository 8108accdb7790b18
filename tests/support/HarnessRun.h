#pragma once
// Runs a console program of the build (the conversion harness) and collects what it prints.
#include <windows.h>

#include <string>
#include <vector>

namespace kortest {

struct HarnessRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;  // what it printed, without CR
};

// Runs program (a Windows path, CP932) with args in folder; waits at most a minute.
HarnessRun RunProgram(const std::string& program, const std::string& folder,
                      const std::vector<std::string>& args);

}  // namespace kortest
