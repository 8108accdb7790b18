#include "debit/Kordb302Dlg.h"

#include <utility>

#include "common/RecordOrder.h"
#include "debit/GridHelper.h"
#include "debit/ListPrinter.h"
#include "debit/ScreenVersion.h"
#include "resources/debit/Kordb302DlgRes.h"

namespace db {

const CheckControls kKordb302Controls = {
    IDD_KORDB302,           IDC_DB302_GRID,       IDC_DB302_BACK,    IDC_DB302_PRINT_LIST,
    IDC_DB302_PRINT_TOTALS, IDC_DB302_SORT_ORDER, IDC_DB302_VERSION,
};

namespace {
// The sort orders of the sort-order list, in the order of their numbers, and the items of
// orders 1 and 2.
constexpr const char* kSortOrderNames[] = {"元データ順", "口座番号順", "口座名(ｶﾅ)順"};
constexpr int kKeyItems[] = {kAccountNumber, kDepositorName};
}  // namespace

CKordb302Dlg::CKordb302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages,
                           std::string helpPath, HWND parent, const CheckControls& ids)
    : CCheckScreen(ids, parent, messages, icon, kProgramName, kScreenVersion, kSortOrderNames),
      m_dataSet(dataSet),
      m_helpPath(std::move(helpPath)) {}

void CKordb302Dlg::SortRecords(int key) {
    if (m_dataSet) SortRecordList(m_dataSet->details, key, kKeyItems);
}

void CKordb302Dlg::FillGrid(CVSFlexGrid& grid) {
    CGridHelper helper;
    helper.Attach(m_dataSet, &grid, CGridHelper::kModeErrorFree);
    helper.SetupColumns();
    helper.Fill();
}

// The list printer asks for a printer (76), for records (39) and the number of pages (27).
void CKordb302Dlg::PrintList() {
    if (m_dataSet && Messages())
        CListPrinter::PrintFromScreen(CListPrinter::kResultList, *m_dataSet, *Messages(),
                                      GetSafeHwnd());
}

void CKordb302Dlg::PrintTotals() {
    if (m_dataSet && Messages())
        CListPrinter::PrintFromScreen(CListPrinter::kTotalsSheet, *m_dataSet, *Messages(),
                                      GetSafeHwnd());
}

}  // namespace db
