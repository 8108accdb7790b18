#include "support/HarnessRun.h"

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"

namespace kortest {

HarnessRun RunProgram(const std::string& program, const std::string& folder,
                      const std::vector<std::string>& args) {
    const std::wstring exe = kor::ToWide(program);
    std::wstring commandLine = L"\"" + exe + L"\"";
    for (const std::string& arg : args) commandLine += L" \"" + kor::ToWide(arg) + L"\"";

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    HarnessRun run;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
    kor::UniqueKernelHandle reader(readEnd), writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    const std::wstring dir = kor::ToWide(folder);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, dir.c_str(), &si, &pi))
        return run;
    const kor::UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
    writer.reset();
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0)
        run.output.append(buffer, n);
    WaitForSingleObject(pi.hProcess, 60000);
    GetExitCodeProcess(pi.hProcess, &run.exitCode);
    std::erase(run.output, '\r');
    return run;
}

}  // namespace kortest
