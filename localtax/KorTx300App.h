#pragma once
// The application object of KorTx300: the conversion tool's start with the local-tax tool's
// main screen.
#include "common/screens/ToolApp.h"

namespace tx {

// The mutex of a running KorTx300.
inline constexpr wchar_t kInstanceMutex[] = L"MUTEX_CHIHOU_TOOL3";
// The box shown when the grid control is not installed.
inline constexpr char kGridMissing[] =
    "処理に必要なファイルが破損しています。再インストールして下さい。<vsflex8l.ocx>";

}  // namespace tx

class CKorTx300App : public CToolApp {
public:
    CKorTx300App() : CToolApp(tx::kInstanceMutex, tx::kGridMissing) {}

protected:
    std::unique_ptr<kor::CDialogBase> MakeMainScreen(std::string programFolder) override;
};
