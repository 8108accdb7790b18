#include "transfer/Korxf300App.h"

#include "transfer/Korxf300Dlg.h"

std::unique_ptr<kor::CDialogBase> CKorxf300App::MakeMainScreen(std::string programFolder) {
    return std::make_unique<CKorxf300Dlg>(std::move(programFolder));
}
