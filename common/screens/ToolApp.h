#pragma once
// The application object of a conversion tool: decides whether this instance may run, finds the
// program folder, makes sure the grid control is there and runs the tool's main screen; the
// program ends when the main screen closes. A tool gives its instance mutex and its main screen.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/App.h"
#include "framework/DialogBase.h"

namespace kor {

// The mutex of the pattern-import tool, which no conversion tool runs beside.
inline constexpr wchar_t kImportToolMutex[] = L"NCH03ADA10YA07";

}  // namespace kor

class CToolApp : public kor::CApp {
public:
    // The drive and folder of the module's file ("C:\Program Files\Korxf300\"), ending in a
    // backslash; empty when the path has no drive.
    static std::string GetModuleFolder(HINSTANCE instance);
    // Zeroes buffer (size bytes) and copies the module folder into it, cut to size - 1 bytes
    // on a character boundary; returns 1.
    static int GetModuleFolderBuf(HINSTANCE instance, char* buffer, size_t size);

protected:
    // instanceMutex: the mutex that marks a running instance of the program; gridMissing: the
    // box shown when the grid control is not installed (CP932).
    explicit CToolApp(const wchar_t* instanceMutex, const char* gridMissing = kGridMissingText)
        : m_instanceMutex(instanceMutex), m_gridMissing(gridMissing) {}

    // Runs the whole program; always FALSE.
    BOOL InitInstance() override;
    // The tool's main screen over the masters of programFolder.
    virtual std::unique_ptr<kor::CDialogBase> MakeMainScreen(std::string programFolder) = 0;

private:
    static const char kGridMissingText[];

    const wchar_t* m_instanceMutex;
    const char* m_gridMissing;
};
