#include "transfer/Korxf301Dlg.h"

#include "resources/transfer/Korxf301DlgRes.h"
#include "transfer/CorrectionRules.h"
#include "transfer/ListPrinter.h"
#include "transfer/MessageIds.h"
#include "transfer/RecordCorrection.h"
#include "transfer/ScreenVersion.h"
#include "transfer/TransferItems.h"

namespace xf {

namespace {

constexpr CorrectionMessages kCorrectionMessages = {
    .discard = Msg::kDiscardCorrections,
    .updateQuestion = Msg::kSaveAsNewQuestion,
    .nothingToUpdate = Msg::kNoDetailLines,
    .errorsLeft = Msg::kErrorsLeft,
    .noErrorLeft = Msg::kNoErrorLeft,
};

}  // namespace

const Korxf301Controls kKorxf301Controls = {
    .dialog = IDD_KORXF301,
    .viewAll = IDC_XF301_VIEW_ALL,
    .viewErrors = IDC_XF301_VIEW_ERRORS,
    .update = IDC_XF301_UPDATE,
    .back = IDC_XF301_BACK,
    .errorList = IDC_XF301_ERROR_LIST,
    .grid = IDC_XF301_GRID,
    .version = IDC_XF301_VERSION,
};

CKorxf301Dlg::CKorxf301Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, HWND parent,
                           const Korxf301Controls& ids)
    : CDataSetCorrectionScreen(ids, kCorrectionMessages, dataSet, parent, messages, icon,
                               kProgramName, kScreenVersion, TransferItems()) {}

std::unique_ptr<CItemRechecks> CKorxf301Dlg::MakeItemChecks() {
    return std::make_unique<CTransferRechecks>(*Data(), Data()->transferKind, SetUpItemChecks);
}

std::span<const int> CKorxf301Dlg::UpdateColumnOrder() const {
    return xf::UpdateColumnOrder(Data() ? Data()->transferKind : kKindGeneral);
}

// The list printer asks for a printer, for records and the number of pages.
void CKorxf301Dlg::PrintErrorList() {
    if (Data() && Messages()) CListPrinter::PrintErrorList(*Data(), *Messages(), GetSafeHwnd());
}

}  // namespace xf
