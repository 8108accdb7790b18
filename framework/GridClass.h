#pragma once
// The window class of our grid control. Start-up registers it; the environment check asks
// whether it is registered before the main screen opens.
#include <windows.h>

namespace kor {

inline constexpr wchar_t kGridClassName[] = L"KorFlexGrid";

// Registers the grid's window class for this process; false when that fails.
bool RegisterGridClass();
bool IsGridClassRegistered();

}  // namespace kor
