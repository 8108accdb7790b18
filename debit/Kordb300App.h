#pragma once
// The application object of Kordb300: the conversion tool's start with the direct-debit tool's
// main screen.
#include "common/screens/ToolApp.h"

namespace db {

// The mutex of a running Kordb300.
inline constexpr wchar_t kInstanceMutex[] = L"NCH18ADA10YA07";

}  // namespace db

class CKordb300App : public CToolApp {
public:
    CKordb300App() : CToolApp(db::kInstanceMutex) {}

protected:
    std::unique_ptr<kor::CDialogBase> MakeMainScreen(std::string programFolder) override;
};
