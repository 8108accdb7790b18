#include "localtax/KorTx302Dlg.h"

#include <utility>

#include "localtax/GridHelper.h"
#include "localtax/ListPrinter.h"
#include "localtax/MessageIds.h"
#include "localtax/ScreenVersion.h"
#include "localtax/SysEnv.h"
#include "resources/localtax/KorTx302DlgRes.h"

namespace tx {

CKorTx302Dlg::CKorTx302Dlg(COLORREF, HICON icon, CDataSet* dataSet, ::CApMsgInfoList* messages,
                           std::string text, HWND parent)
    : CScreenBase(IDD_KORTX302, parent, messages, icon, kProgramName),
      m_dataSet(dataSet),
      m_text(std::move(text)) {}

void CKorTx302Dlg::ResetCorrectedStatus(CDataSet& dataSet) {
    for (const auto& group : dataSet.groups) {
        for (const auto& detail : group->details) {
            for (int item = 0; item < kItemCount; ++item) {
                if (detail->Status(item) == kStatusCorrected) detail->SetStatus(item, kStatusRead);
            }
        }
    }
}

BOOL CKorTx302Dlg::OnInitDialog() {
    SetScreenLabels(0, {}, IDC_TX302_VERSION, CSysEnv::GetVersionText());
    ShowScreenIcon();
    m_grid.AttachDlgItem(GetSafeHwnd(), IDC_TX302_GRID);
    if (m_dataSet) ResetCorrectedStatus(*m_dataSet);
    CGridHelper helper;
    helper.Attach(m_dataSet, &m_grid, CGridHelper::kModeValid);
    helper.SetupColumns();
    helper.Fill();
    m_grid.SetEditable(CVSFlexGrid::kEditNone);
    return TRUE;
}

bool CKorTx302Dlg::OnButtonClicked(int id) {
    switch (id) {
        case IDC_TX302_BACK:
            EndDialog(1);
            break;
        case IDC_TX302_PRINT_LIST:
            Print(CListPrinter::kResultList);
            break;
        case IDC_TX302_PRINT_TOTALS:
            Print(CListPrinter::kTotalsSheet);
            break;
        default:
            return false;
    }
    return true;
}

void CKorTx302Dlg::Print(int kind) {
    if (!m_dataSet) return;
    CListPrinter printer(Messages(), GetSafeHwnd());
    const std::string pages = std::to_string(printer.CountPages(m_dataSet, 1, kind));
    if (ShowMessage(Msg::kPrintPages, pages.c_str()) != IDOK) return;
    if (printer.Print() == CListPrinter::kNoPrinter) ShowMessage(Msg::kPrintFailed);
}

}  // namespace tx
