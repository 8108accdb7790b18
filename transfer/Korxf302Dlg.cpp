#include "transfer/Korxf302Dlg.h"

#include <utility>

#include "resources/transfer/Korxf302DlgRes.h"
#include "transfer/GridHelper.h"
#include "transfer/ListPrinter.h"
#include "transfer/RecordOrder.h"
#include "transfer/ScreenVersion.h"

namespace xf {

namespace {
// The sort orders of list 1035, in the order of their numbers.
constexpr const char* kSortOrderNames[] = {"元データ順", "口座番号順", "預金者名(ｶﾅ)順"};
}  // namespace

CKorxf302Dlg::CKorxf302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages,
                           std::string helpPath, HWND parent)
    : CDialogBase(IDD_KORXF302, parent),
      m_icon(icon),
      m_dataSet(dataSet),
      m_messages(messages),
      m_helpPath(std::move(helpPath)) {}

BOOL CKorxf302Dlg::OnInitDialog() {
    SetScreenLabels(0, {}, IDC_XF302_VERSION, kScreenVersion);
    if (m_icon) SetIcon(m_icon);
    m_grid.AttachDlgItem(GetSafeHwnd(), IDC_XF302_GRID);
    FillGrid();
    const kor::CComboView sortOrder = Combo(IDC_XF302_SORT_ORDER);
    for (const char* name : kSortOrderNames) sortOrder.AddString(name);
    if (m_dataSet) sortOrder.SetCurSel(m_dataSet->sortOrder);
    return TRUE;
}

bool CKorxf302Dlg::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IDC_XF302_BACK:
            if (code == BN_CLICKED) OnBtnBack();
            return true;
        case IDC_XF302_PRINT_LIST:
            if (code == BN_CLICKED) OnBtnPrintList();
            return true;
        case IDC_XF302_PRINT_TOTALS:
            if (code == BN_CLICKED) OnBtnPrintTotals();
            return true;
        case IDC_XF302_SORT_ORDER:
            if (code == CBN_SELCHANGE) OnSelchangeSortOrder();
            return true;
        default:
            return false;
    }
}

void CKorxf302Dlg::OnClose() {
    CloseRestoringOrder();
}

void CKorxf302Dlg::OnBtnBack() {
    CloseRestoringOrder();
}

// The list printer asks for a printer (76), for records (39) and the number of pages (27).
void CKorxf302Dlg::OnBtnPrintList() {
    if (m_dataSet && m_messages)
        CListPrinter::PrintResultList(*m_dataSet, *m_messages, GetSafeHwnd());
}

void CKorxf302Dlg::OnBtnPrintTotals() {
    if (m_dataSet && m_messages)
        CListPrinter::PrintTotalsSheet(*m_dataSet, *m_messages, GetSafeHwnd());
}

void CKorxf302Dlg::OnSelchangeSortOrder() {
    const int selected = Combo(IDC_XF302_SORT_ORDER).GetCurSel();
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
