#pragma once
// The few texts that the transfer tool's screens show without the message table, in a plain box
// with the program's name as caption.
#include <windows.h>

#include <string_view>

#include "framework/MessageSeam.h"

namespace xf {

inline int ShowPlainMessage(HWND owner, std::string_view text) {
    return kor::ShowMessageBox(owner, text, "Korxf300", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace xf
