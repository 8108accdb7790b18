#include "framework/FileDialogSeam.h"

// After windows.h.
#include <commdlg.h>

#include <utility>

#include "framework/Cp932.h"

namespace kor {

namespace {

FileDialogHandler& Handler() {
    static FileDialogHandler handler;
    return handler;
}

// The filter as the dialog takes it: each "|" a terminating zero, the whole ended by two.
std::wstring FilterList(const std::string& filter) {
    std::wstring list = ToWide(filter);
    for (wchar_t& ch : list) {
        if (ch == L'|') ch = L'\0';
    }
    list.append(2, L'\0');
    return list;
}

// Large enough for any path the system can open.
constexpr DWORD kPathBuffer = 32768;

std::optional<std::string> RealDialog(const FileDialogRequest& request) {
    const std::wstring filter = FilterList(request.filter);
    const std::wstring defaultExt = ToWide(request.defaultExt);
    std::wstring path = ToWide(request.fileName);
    if (path.size() >= kPathBuffer) path.clear();
    path.resize(kPathBuffer, L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = kPathBuffer;
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    ofn.Flags = request.flags | OFN_EXPLORER;
    const BOOL ok = request.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok) return std::nullopt;
    path.resize(wcsnlen(path.c_str(), kPathBuffer));
    return ToCp932(path);
}

}  // namespace

std::optional<std::string> ShowFileDialog(const FileDialogRequest& request) {
    if (const FileDialogHandler& h = Handler()) return h(request);
    return RealDialog(request);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace kor
