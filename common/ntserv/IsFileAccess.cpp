// The access-check library: may the caller read or write a file or folder, by the security
// descriptor of the path and the caller's own token (the thread's when it impersonates).
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"

namespace {

constexpr int kModeRead = 1;
constexpr int kModeWrite = 2;

bool ReadSecurityDescriptor(const std::wstring& path, std::vector<BYTE>& descriptor) {
    constexpr SECURITY_INFORMATION kWanted =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    DWORD needed = 0;
    if (GetFileSecurityW(path.c_str(), kWanted, nullptr, 0, &needed)) return false;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) return false;
    descriptor.resize(needed);
    return GetFileSecurityW(path.c_str(), kWanted, descriptor.data(), needed, &needed) != 0;
}

// An impersonation token of the caller, as AccessCheck needs one.
kor::UniqueKernelHandle CallerToken() {
    constexpr DWORD kRights = TOKEN_QUERY | TOKEN_DUPLICATE | TOKEN_IMPERSONATE;
    kor::UniqueKernelHandle token;
    if (!OpenThreadToken(GetCurrentThread(), kRights, TRUE, token.put())) {
        if (GetLastError() != ERROR_NO_TOKEN) return {};
        if (!OpenProcessToken(GetCurrentProcess(), kRights, token.put())) return {};
    }
    kor::UniqueKernelHandle impersonation;
    if (!DuplicateToken(token.get(), SecurityImpersonation, impersonation.put())) return {};
    return impersonation;
}

int Check(const char* path, int mode) {
    if (!path || !*path || (mode != kModeRead && mode != kModeWrite)) return 0;
    std::vector<BYTE> descriptor;
    if (!ReadSecurityDescriptor(kor::ToWide(path), descriptor)) return 0;
    const kor::UniqueKernelHandle token = CallerToken();
    if (!token) return 0;

    GENERIC_MAPPING mapping = {FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                               FILE_ALL_ACCESS};
    DWORD desired = mode == kModeRead ? FILE_GENERIC_READ : FILE_GENERIC_WRITE;
    MapGenericMask(&desired, &mapping);
    PRIVILEGE_SET privileges{};
    DWORD privilegesLength = sizeof privileges;
    DWORD granted = 0;
    BOOL allowed = FALSE;
    if (!AccessCheck(descriptor.data(), token.get(), desired, &mapping, &privileges,
                     &privilegesLength, &granted, &allowed))
        return 0;
    return allowed ? 1 : 0;
}

}  // namespace

// path: CP932, zero-terminated; mode 1 read, 2 write. Non-zero when the access is allowed.
extern "C" int WINAPI IsFileAccess(const char* path, int mode) {
    try {
        return Check(path, mode);
    } catch (const std::exception&) {
        return 0;
    }
}
