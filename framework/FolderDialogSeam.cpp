#include "framework/FolderDialogSeam.h"

// After windows.h.
#include <objbase.h>
#include <shlobj.h>

#include <memory>
#include <utility>

#include "framework/Cp932.h"

namespace kor {

namespace {

FolderDialogHandler& Handler() {
    static FolderDialogHandler handler;
    return handler;
}

struct ItemListFree {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};

// COM for the browser, released again only when this call started it.
class ComScope {
public:
    ComScope() : m_started(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (m_started) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool m_started;
};

// Selects the initial folder once the browser is up; no exception leaves it.
int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) noexcept {
    const auto* initial = reinterpret_cast<const std::wstring*>(data);
    if (message == BFFM_INITIALIZED && initial && !initial->empty()) {
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(initial->c_str()));
    }
    return 0;
}

std::optional<std::string> RealDialog(const FolderDialogRequest& request) {
    const ComScope com;
    const std::wstring title = ToWide(request.title);
    const std::wstring initial = ToWide(request.initialPath);
    BROWSEINFOW info{};
    info.hwndOwner = request.owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = request.flags;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&initial);
    const std::unique_ptr<ITEMIDLIST, ItemListFree> chosen(SHBrowseForFolderW(&info));
    if (!chosen) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(chosen.get(), path)) return std::nullopt;
    return ToCp932(path);
}

}  // namespace

std::optional<std::string> ShowFolderDialog(const FolderDialogRequest& request) {
    if (const FolderDialogHandler& h = Handler()) return h(request);
    return RealDialog(request);
}

FolderDialogHandler SetFolderDialogHandler(FolderDialogHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace kor
