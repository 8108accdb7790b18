#include "common/base/PathNames.h"

#include <windows.h>

#include "common/base/StrUtil.h"
#include "common/base/WidePath.h"
#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"

namespace kor {

namespace {

constexpr std::string_view kFullWidthBlank = "　";

// The full path of path as the system completes it from the current drive and folder; path
// itself when it cannot.
std::wstring FullPathOf(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (n == 0) return path;
        if (n < full.size()) {
            full.resize(n);
            return full;
        }
        full.resize(n);
    }
}

// The full path the system would open for name, with its long file names where the file exists.
std::wstring ResolvedPath(std::string_view name) {
    std::wstring path = kor::ToWide(name);
    for (wchar_t& ch : path) {
        if (ch == L'/') ch = L'\\';
    }
    if (path.empty()) return path;
    const std::wstring full = FullPathOf(path);
    std::wstring longer(full.size() + MAX_PATH, L'\0');
    const DWORD n =
        GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
    if (n > 0 && n < longer.size()) {
        longer.resize(n);
        return longer;
    }
    return full;
}

struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
};

// The identity of an existing file or folder; false when it cannot be opened.
bool IdentityOf(const std::wstring& path, FileIdentity& id) {
    const kor::UniqueFile file(
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.get(), &info)) return false;
    id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

}  // namespace

std::string TrimLeadingBlanks(std::string_view text) {
    for (;;) {
        if (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        } else if (text.substr(0, kFullWidthBlank.size()) == kFullWidthBlank) {
            text.remove_prefix(kFullWidthBlank.size());
        } else {
            return std::string(text);
        }
    }
}

std::string NormalizePathText(std::string_view text) {
    std::string path = TrimLeadingBlanks(text);
    // "/" (0x2F) is never the second byte of a double-byte character.
    for (char& ch : path) {
        if (ch == '/') ch = '\\';
    }
    return path;
}

size_t LastBackslash(std::string_view path) {
    size_t last = std::string_view::npos;
    for (size_t i = 0; i < path.size(); i += CStrUtil::CharLength(path, i)) {
        if (path[i] == '\\') last = i;
    }
    return last;
}

void SplitPath(std::string_view path, std::string& root, std::string& folder, std::string& file) {
    const std::wstring wide = kor::ToWide(path);
    const std::wstring drive = kor::DriveOf(wide);
    const std::wstring_view rest = std::wstring_view(wide).substr(drive.size());
    const size_t separator = rest.find_last_of(L"\\/");
    const size_t nameStart = separator == std::wstring_view::npos ? 0 : separator + 1;
    if (!drive.empty()) {
        root = kor::ToCp932(drive + L"\\");
        folder = kor::ToCp932(drive + std::wstring(rest.substr(0, nameStart)));
    }
    if (nameStart < rest.size()) file = kor::ToCp932(rest.substr(nameStart));
}

std::string FullPathName(std::string_view name) {
    if (name.empty()) return {};
    return kor::ToCp932(FullPathOf(kor::ToWide(name)));
}

std::string ProgramFolderOf(std::string_view modulePath) {
    std::string root, folder, file;
    SplitPath(modulePath, root, folder, file);
    if (folder.empty()) {
        const size_t slash = LastBackslash(modulePath);
        if (slash != std::string_view::npos) folder = std::string(modulePath.substr(0, slash + 1));
    }
    return folder;
}

std::string DefaultOutputName(std::string_view inputName) {
    const size_t slash = LastBackslash(inputName);
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    size_t dot = std::string_view::npos;
    for (size_t i = nameStart; i < inputName.size(); i += CStrUtil::CharLength(inputName, i)) {
        if (inputName[i] == '.') dot = i;
    }
    return std::string(inputName.substr(0, dot)) + "_out.txt";
}

bool IsSameFile(std::string_view a, std::string_view b) {
    const std::wstring fullA = ResolvedPath(a);
    const std::wstring fullB = ResolvedPath(b);
    if (fullA.empty() || fullB.empty()) return false;
    if (CompareStringOrdinal(fullA.c_str(), static_cast<int>(fullA.size()), fullB.c_str(),
                             static_cast<int>(fullB.size()), TRUE) == CSTR_EQUAL)
        return true;
    FileIdentity idA, idB;
    return IdentityOf(fullA, idA) && IdentityOf(fullB, idB) && idA.volume == idB.volume &&
           idA.indexHigh == idB.indexHigh && idA.indexLow == idB.indexLow;
}

}  // namespace kor
