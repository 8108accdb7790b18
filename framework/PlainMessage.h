#pragma once
// The few texts that the screens show without the message table, in a plain box with the
// program's name as caption.
#include <windows.h>

#include <string_view>

#include "framework/MessageSeam.h"

namespace kor {

inline int ShowPlainMessage(HWND owner, std::string_view text, std::string_view programName) {
    return ShowMessageBox(owner, text, programName, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace kor
