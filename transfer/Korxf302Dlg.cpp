#include "transfer/Korxf302Dlg.h"

#include "resources/transfer/Korxf302DlgRes.h"
#include "transfer/ListPrinter.h"
#include "transfer/RecordOrder.h"
#include "transfer/ScreenVersion.h"

namespace xf {

const Korxf302Controls kKorxf302Controls = {
    .dialog = IDD_KORXF302,
    .grid = IDC_XF302_GRID,
    .back = IDC_XF302_BACK,
    .printList = IDC_XF302_PRINT_LIST,
    .printTotals = IDC_XF302_PRINT_TOTALS,
    .sortOrder = IDC_XF302_SORT_ORDER,
    .version = IDC_XF302_VERSION,
};

namespace {
// The sort orders of the sort-order list, in the order of their numbers.
constexpr const char* kSortOrderNames[] = {"元データ順", "口座番号順", "預金者名(ｶﾅ)順"};
}  // namespace

CKorxf302Dlg::CKorxf302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, HWND parent,
                           const Korxf302Controls& ids)
    : CDataSetCheckScreen(ids, dataSet, parent, messages, icon, kProgramName, kScreenVersion,
                          kSortOrderNames, kOrderKeyItems) {}

// The list printer asks for a printer, for records and the number of pages.
void CKorxf302Dlg::PrintList() {
    if (Data() && Messages()) CListPrinter::PrintResultList(*Data(), *Messages(), GetSafeHwnd());
}

void CKorxf302Dlg::PrintTotals() {
    if (Data() && Messages()) CListPrinter::PrintTotalsSheet(*Data(), *Messages(), GetSafeHwnd());
}

}  // namespace xf
