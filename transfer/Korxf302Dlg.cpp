#include "transfer/Korxf302Dlg.h"

#include <utility>

#include "resources/transfer/Korxf302DlgRes.h"
#include "transfer/GridHelper.h"
#include "transfer/ListPrinter.h"
#include "transfer/RecordOrder.h"
#include "transfer/ScreenVersion.h"

namespace xf {

const Korxf302Controls kKorxf302Controls = {
    IDD_KORXF302,           IDC_XF302_GRID,       IDC_XF302_BACK,    IDC_XF302_PRINT_LIST,
    IDC_XF302_PRINT_TOTALS, IDC_XF302_SORT_ORDER, IDC_XF302_VERSION,
};

namespace {
// The sort orders of the sort-order list, in the order of their numbers.
constexpr const char* kSortOrderNames[] = {"元データ順", "口座番号順", "預金者名(ｶﾅ)順"};
}  // namespace

CKorxf302Dlg::CKorxf302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages,
                           std::string helpPath, HWND parent, const Korxf302Controls& ids)
    : CScreenBase(ids.dialog, parent, messages, icon, kProgramName),
      m_ids(ids),
      m_dataSet(dataSet),
      m_helpPath(std::move(helpPath)) {}

BOOL CKorxf302Dlg::OnInitDialog() {
    SetScreenLabels(0, {}, m_ids.version, kScreenVersion);
    ShowScreenIcon();
    m_grid.AttachDlgItem(GetSafeHwnd(), m_ids.grid);
    FillGrid();
    const kor::CComboView sortOrder = Combo(m_ids.sortOrder);
    for (const char* name : kSortOrderNames) sortOrder.AddString(name);
    if (m_dataSet) sortOrder.SetCurSel(m_dataSet->sortOrder);
    return TRUE;
}

bool CKorxf302Dlg::OnButtonClicked(int id) {
    if (id == m_ids.back) {
        OnBtnBack();
    } else if (id == m_ids.printList) {
        OnBtnPrintList();
    } else if (id == m_ids.printTotals) {
        OnBtnPrintTotals();
    } else {
        return false;
    }
    return true;
}

bool CKorxf302Dlg::OnCommand(int id, int code, HWND) {
    if (id == m_ids.sortOrder) {
        if (code == CBN_SELCHANGE) OnSelchangeSortOrder();
        return true;
    }
    // The buttons' other notifications.
    return id == m_ids.back || id == m_ids.printList || id == m_ids.printTotals;
}

void CKorxf302Dlg::OnClose() {
    CloseRestoringOrder();
}

void CKorxf302Dlg::OnBtnBack() {
    CloseRestoringOrder();
}

// The list printer asks for a printer (76), for records (39) and the number of pages (27).
void CKorxf302Dlg::OnBtnPrintList() {
    if (m_dataSet && Messages())
        CListPrinter::PrintResultList(*m_dataSet, *Messages(), GetSafeHwnd());
}

void CKorxf302Dlg::OnBtnPrintTotals() {
    if (m_dataSet && Messages())
        CListPrinter::PrintTotalsSheet(*m_dataSet, *Messages(), GetSafeHwnd());
}

void CKorxf302Dlg::OnSelchangeSortOrder() {
    const int selected = Combo(m_ids.sortOrder).GetCurSel();
    if (!m_dataSet || selected < 0) return;
    m_dataSet->sortOrder = selected;
    SortRecords(selected);
    FillGrid();
}

void CKorxf302Dlg::SortRecords(int key) {
    if (m_dataSet) xf::SortRecords(m_dataSet->details, key);
}

void CKorxf302Dlg::CloseRestoringOrder() {
    if (m_dataSet && m_dataSet->sortOrder != kOrderSerial) {
        SortRecords(kOrderSerial);
        m_dataSet->sortOrder = kOrderSerial;
    }
    EndDialog(1);
}

void CKorxf302Dlg::FillGrid() {
    CGridHelper helper;
    helper.Attach(m_dataSet, &m_grid, CGridHelper::kModeErrorFree);
    helper.SetupColumns();
    helper.Fill();
    m_grid.SetEditable(CVSFlexGrid::kEditNone);
}

}  // namespace xf
