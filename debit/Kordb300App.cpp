#include "debit/Kordb300App.h"

#include "debit/Kordb300Dlg.h"

std::unique_ptr<kor::CDialogBase> CKordb300App::MakeMainScreen(std::string programFolder) {
    return std::make_unique<CKordb300Dlg>(std::move(programFolder));
}
