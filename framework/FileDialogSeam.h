#pragma once
// Every open- and save-file dialog of the programs passes through ShowFileDialog, so that a
// test can see what a screen asked and choose a file (or cancel) in place of a user.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace kor {

struct FileDialogRequest {
    HWND owner = nullptr;
    bool save = false;       // a save dialog (GetSaveFileNameW), else an open dialog
    std::string filter;      // CP932: "name|pattern|name|pattern||", as the screens write it
    std::string defaultExt;  // CP932, without a dot; appended when the user types none
    std::string fileName;    // CP932: the name or path the dialog starts with
    DWORD flags = 0;         // OFN_* flags
};

// The chosen full path (CP932), or nothing when the user cancelled.
using FileDialogHandler = std::function<std::optional<std::string>(const FileDialogRequest&)>;

// Shows the dialog (GetOpenFileNameW / GetSaveFileNameW), or asks the installed handler.
std::optional<std::string> ShowFileDialog(const FileDialogRequest& request);

// Installs a handler in place of the real dialog; an empty one restores the real dialog.
// Returns the previous handler.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

}  // namespace kor
