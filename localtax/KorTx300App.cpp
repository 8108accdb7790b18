#include "localtax/KorTx300App.h"

#include "localtax/KorTx300Dlg.h"

std::unique_ptr<kor::CDialogBase> CKorTx300App::MakeMainScreen(std::string programFolder) {
    return std::make_unique<CKorTx300Dlg>(std::move(programFolder));
}
