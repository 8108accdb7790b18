#pragma once
// Every folder browser of the programs passes through ShowFolderDialog, so that a test can see
// what a screen asked and choose a folder (or cancel) in place of a user.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace kor {

struct FolderDialogRequest {
    HWND owner = nullptr;
    std::string title;        // CP932: the line above the folder tree
    std::string initialPath;  // CP932: the folder selected at the start; empty for none
    UINT flags = 0;           // BIF_* flags
};

// The chosen folder's path (CP932), or nothing when the user cancelled or chose something that
// is no folder of the file system.
using FolderDialogHandler = std::function<std::optional<std::string>(const FolderDialogRequest&)>;

// Shows the shell's folder browser (SHBrowseForFolderW), or asks the installed handler.
std::optional<std::string> ShowFolderDialog(const FolderDialogRequest& request);

// Installs a handler in place of the real browser; an empty one restores the real browser.
// Returns the previous handler.
FolderDialogHandler SetFolderDialogHandler(FolderDialogHandler handler);

}  // namespace kor
