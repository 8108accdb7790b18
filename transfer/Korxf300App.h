#pragma once
// The application object of Korxf300: the conversion tool's start with the transfer tool's main
// screen.
#include "common/screens/ToolApp.h"

namespace xf {

// The mutex of a running Korxf300, and the one of the pattern-import tool.
inline constexpr wchar_t kInstanceMutex[] = L"NCH24ADA12YA03";
inline constexpr const wchar_t* kImportToolMutex = kor::kImportToolMutex;

}  // namespace xf

class CKorxf300App : public CToolApp {
public:
    CKorxf300App() : CToolApp(xf::kInstanceMutex) {}

protected:
    std::unique_ptr<kor::CDialogBase> MakeMainScreen(std::string programFolder) override;
};
