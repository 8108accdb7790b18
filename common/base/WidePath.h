#pragma once
// Pieces of a path once it is UTF-16: there a backslash is always a separator, never the second
// byte of a Shift-JIS character.
#include <string>
#include <string_view>

namespace kor {

// The folder part with its trailing separator ("C:\dir\" of "C:\dir\a.txt", "C:" of "C:a.txt"),
// empty for a bare name.
inline std::wstring FolderOf(std::wstring_view path) {
    const size_t pos = path.find_last_of(L"\\/:");
    return pos == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, pos + 1));
}

// The name after the folder part; empty when the path ends in a separator.
inline std::wstring FileNameOf(std::wstring_view path) {
    return std::wstring(path.substr(FolderOf(path).size()));
}

// "X:" when the path starts with a drive letter, else empty.
inline std::wstring DriveOf(std::wstring_view path) {
    if (path.size() >= 2 && path[1] == L':') return std::wstring(path.substr(0, 2));
    return {};
}

}  // namespace kor
