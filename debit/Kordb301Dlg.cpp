#include "debit/Kordb301Dlg.h"

#include <vector>

#include "common/items/EngineRechecks.h"
#include "debit/ConvertEngine.h"
#include "debit/ListPrinter.h"
#include "debit/MessageIds.h"
#include "debit/ScreenVersion.h"
#include "resources/debit/Kordb301DlgRes.h"

namespace db {

namespace {

constexpr CorrectionMessages kCorrectionMessages = {
    .discard = Msg::kDiscardCorrections,
    .updateQuestion = Msg::kSaveAsNewQuestion,
    .nothingToUpdate = Msg::kNoDetailLines,
    .errorsLeft = Msg::kErrorsLeft,
    .noErrorLeft = Msg::kNoErrorLeft,
};

}  // namespace

const CorrectionControls kKordb301Controls = {
    .dialog = IDD_KORDB301,
    .viewAll = IDC_DB301_VIEW_ALL,
    .viewErrors = IDC_DB301_VIEW_ERRORS,
    .update = IDC_DB301_UPDATE,
    .back = IDC_DB301_BACK,
    .errorList = IDC_DB301_ERROR_LIST,
    .grid = IDC_DB301_GRID,
    .version = IDC_DB301_VERSION,
};

namespace {

// Item checks without a pattern: the data set's amount options and account-type codes.
void SetUpItemChecks(CConvertEngine& engine, const CDataSet& dataSet) {
    engine.SetConvertInfo(dataSet.zeroOption, dataSet.blankOption, dataSet.ordinaryCode,
                          dataSet.currentCode, dataSet.taxReserveCode, dataSet.otherCode);
}

}  // namespace

CKordb301Dlg::CKordb301Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, HWND parent,
                           const CorrectionControls& ids)
    : CDataSetCorrectionScreen(ids, kCorrectionMessages, dataSet, parent, messages, icon,
                               kProgramName, kScreenVersion, DebitItems()) {}

std::unique_ptr<CItemRechecks> CKordb301Dlg::MakeItemChecks() {
    return std::make_unique<CEngineRechecks<CConvertEngine, CDataSet>>(*Data(), Data()->kind,
                                                                       SetUpItemChecks);
}

std::span<const int> CKordb301Dlg::UpdateColumnOrder() const {
    static const std::vector<int> order = CorrectionColumnOrder(DebitItems());
    return order;
}

// The list printer asks for a printer, for records and the number of pages.
void CKordb301Dlg::PrintErrorList() {
    if (!Data() || !Messages()) return;
    CListPrinter::PrintFromScreen(CListPrinter::kErrorList, *Data(), *Messages(), GetSafeHwnd());
}

}  // namespace db
