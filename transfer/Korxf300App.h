#pragma once
// The application object of Korxf300: decides whether this instance may run, finds the program
// folder, makes sure the grid control is there and runs the main screen; the program ends when
// the main screen closes.
#include <windows.h>

#include <string>

#include "framework/App.h"

namespace xf {

// The mutex of a running Korxf300, and the one of the pattern-import tool.
inline constexpr wchar_t kInstanceMutex[] = L"NCH24ADA12YA03";
inline constexpr wchar_t kImportToolMutex[] = L"NCH03ADA10YA07";

}  // namespace xf

class CKorxf300App : public kor::CApp {
public:
    // The drive and folder of the module's file ("C:\Program Files\Korxf300\"), ending in a
    // backslash; empty when the path has no drive.
    static std::string GetModuleFolder(HINSTANCE instance);
    // Zeroes buffer (size bytes) and copies the module folder into it, cut to size - 1 bytes
    // on a character boundary; returns 1.
    static int GetModuleFolderBuf(HINSTANCE instance, char* buffer, size_t size);

protected:
    // Runs the whole program; always FALSE.
    BOOL InitInstance() override;
};
