#include "debit/Kordb302Dlg.h"

#include "debit/ScreenVersion.h"
#include "resources/debit/Kordb302DlgRes.h"

namespace db {

const CheckControls kKordb302Controls = {
    .dialog = IDD_KORDB302,
    .grid = IDC_DB302_GRID,
    .back = IDC_DB302_BACK,
    .printList = IDC_DB302_PRINT_LIST,
    .printTotals = IDC_DB302_PRINT_TOTALS,
    .sortOrder = IDC_DB302_SORT_ORDER,
    .version = IDC_DB302_VERSION,
};

namespace {
// The sort-order list's texts and the items of orders 1 and 2.
constexpr const char* kSortOrderNames[] = {"元データ順", "口座番号順", "口座名(ｶﾅ)順"};
constexpr int kKeyItems[] = {kAccountNumber, kDepositorName};
}  // namespace

CKordb302Dlg::CKordb302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, HWND parent,
                           const CheckControls& ids)
    : CDataSetCheckScreen(ids, dataSet, parent, messages, icon, kProgramName, kScreenVersion,
                          kSortOrderNames, kKeyItems) {}

void CKordb302Dlg::Print(int kind) {
    if (Data() && Messages())
        CListPrinter::PrintFromScreen(kind, *Data(), *Messages(), GetSafeHwnd());
}

}  // namespace db
