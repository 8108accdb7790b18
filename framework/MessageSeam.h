#pragma once
// Every message box of the programs passes through ShowMessageBox, so that a test can see what
// a screen asked and answer in place of a user.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace kor {

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::string text;     // CP932
    std::string caption;  // CP932
    UINT style = 0;       // MB_* flags as given to MessageBoxW
};

// Answers with the pressed button (IDOK, IDCANCEL, IDYES, ...).
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Shows a message box (MessageBoxW, text converted from CP932), or asks the installed handler.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT style);

// Installs a handler in place of the real message box; an empty one restores the real box.
// Returns the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace kor
