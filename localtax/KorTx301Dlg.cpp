#include "localtax/KorTx301Dlg.h"

#include <utility>

#include "framework/MessageSeam.h"
#include "framework/WaitCursor.h"
#include "localtax/GridHelper.h"
#include "localtax/ListPrinter.h"
#include "localtax/MessageIds.h"
#include "localtax/ScreenVersion.h"
#include "localtax/SysEnv.h"
#include "resources/localtax/KorTx301DlgRes.h"

namespace tx {

namespace {
constexpr int kViews[] = {IDC_TX301_VIEW_ALL, IDC_TX301_VIEW_ERRORS};
constexpr int kFirstItemCol = CGridHelper::kFirstItemCol;
constexpr int kLastItemCol = kFirstItemCol + kItemCount - 1;
}  // namespace

CKorTx301Dlg::CKorTx301Dlg(COLORREF, HICON icon, CDataSet* dataSet, int salarySet,
                           int retirementSet, int paymentSet, ::CApMsgInfoList* messages,
                           std::string text, HWND parent)
    : CScreenBase(IDD_KORTX301, parent, messages, icon, kProgramName),
      m_dataSet(dataSet),
      m_sets{salarySet != 0, retirementSet != 0, paymentSet != 0},
      m_text(std::move(text)) {}

BOOL CKorTx301Dlg::OnInitDialog() {
    SetScreenLabels(0, {}, IDC_TX301_VERSION, CSysEnv::GetVersionText());
    ShowScreenIcon();
    m_grid.AttachDlgItem(GetSafeHwnd(), IDC_TX301_GRID);
    CheckRadio(kViews, IDC_TX301_VIEW_ERRORS);
    ShowView(IDC_TX301_VIEW_ERRORS);
    return TRUE;
}

bool CKorTx301Dlg::OnButtonClicked(int id) {
    switch (id) {
        case IDC_TX301_BACK:
            OnBtnBack();
            break;
        case IDC_TX301_UPDATE:
            OnBtnUpdate();
            break;
        case IDC_TX301_ERROR_LIST:
            OnBtnErrorList();
            break;
        case IDC_TX301_VIEW_ALL:
        case IDC_TX301_VIEW_ERRORS:
            OnRadioView(id);
            break;
        default:
            return false;
    }
    return true;
}

bool CKorTx301Dlg::OnNotify(int id, NMHDR* header) {
    if (id != IDC_TX301_GRID) return false;
    return m_grid.HandleNotify(
        reinterpret_cast<LPARAM>(header),
        [this](int row, int col, bool& cancel) { OnGridBeforeEdit(row, col, cancel); },
        [this](int row, int col) { OnGridAfterEdit(row, col); });
}

void CKorTx301Dlg::OnBtnBack() {
    if (m_modified && ShowMessage(Msg::kDiscardCorrections, "更新") != IDOK) return;
    EndDialog(1);
}

void CKorTx301Dlg::OnRadioView(int id) {
    kor::CWaitCursor wait;
    if (m_modified) {
        if (id == m_view) return;
        if (ShowMessage(Msg::kDiscardCorrections, "更新") != IDOK) {
            CheckRadio(kViews, m_view);
            return;
        }
        m_modified = false;
    }
    ShowView(id);
}

void CKorTx301Dlg::OnGridBeforeEdit(int row, int col, bool& cancel) {
    m_editStart = ContentOf(row, col);
    if (col == CGridHelper::kColDelete) {
        // A detail can be ticked for deletion only while one of its items is in error.
        cancel = !RowHasErrorCell(row);
        return;
    }
    if (!CGridHelper::IsErrorCell(m_grid, row, col)) {
        cancel = true;
        return;
    }
    if (const int length = CCorrectionRules::EditLimit(col)) m_grid.SetEditMaxLength(length);
}

void CKorTx301Dlg::OnGridAfterEdit(int row, int col) {
    // A changed text or a changed 削除 box.
    if (m_editStart && ContentOf(row, col) != *m_editStart) m_modified = true;
    m_editStart.reset();
    const int item = col - kFirstItemCol;
    std::string normalised = m_grid.TextMatrix(row, col);
    if (m_dataSet && IsNumericItem(item) && col <= kLastItemCol) {
        const CCorrectionRules::EditedText edited = Rules().NormaliseEdit(item, normalised);
        m_grid.SetTextMatrix(row, col, edited.shown);
        normalised = edited.normalised;
    }
    CTaxGroup* group = FirstGroup();
    CDetailRecord* detail = group ? CGridHelper::DetailOfRow(m_grid, row, *group) : nullptr;
    if (!detail) return;
    if (IsNumericItem(item) && col <= kLastItemCol) {
        if (normalised != detail->Text(item)) {
            detail->SetEditedMark(item, 1);
            detail->edited = 1;
        }
    } else {
        detail->edited = 1;
    }
}

void CKorTx301Dlg::OnBtnUpdate() {
    kor::CWaitCursor wait;
    CTaxGroup* group = FirstGroup();
    if (!group || m_grid.Rows() < 2) {
        kor::ShowMessageBox(GetSafeHwnd(), "対象となるデータが存在しません。", "エラー",
                            MB_OK | MB_ICONEXCLAMATION);
        m_modified = false;
        return;
    }
    if (ShowMessage(Msg::kGoOnQuestion) != IDOK) return;
    m_modified = false;
    const CCorrectionRules rules = Rules();
    for (int row = 1; row < m_grid.Rows(); ++row) {
        CDetailRecord* detail = CGridHelper::DetailOfRow(m_grid, row, *group);
        if (detail) rules.TakeBackRow(CGridHelper::ReadRow(m_grid, row), *detail);
    }
    const int errors = CCorrectionRules::FinishUpdate(*group);
    m_grid.SetRow(1);
    m_grid.SetCol(1);
    ShowView(m_view);
    ShowMessage(errors == 0 ? Msg::kNoErrorLeft : Msg::kErrorsLeft);
    GoToFirstError();
}

void CKorTx301Dlg::OnBtnErrorList() {
    if (!m_dataSet) return;
    CListPrinter printer(Messages(), GetSafeHwnd());
    const int pages = printer.CountPages(m_dataSet, 1, CListPrinter::kErrorList);
    if (pages == 0) {
        ShowMessage(Msg::kNothingToWrite);
        return;
    }
    const std::string count = std::to_string(pages);
    if (ShowMessage(Msg::kPrintPages, count.c_str()) != IDOK) return;
    if (printer.Print() == CListPrinter::kNoPrinter) ShowMessage(Msg::kPrintFailed);
}

void CKorTx301Dlg::ShowView(int view) {
    CGridHelper helper;
    helper.Attach(m_dataSet, &m_grid,
                  view == IDC_TX301_VIEW_ALL ? CGridHelper::kModeAll : CGridHelper::kModeErrors);
    helper.SetupColumns();
    helper.Fill();
    m_view = view;
}

CKorTx301Dlg::CellContent CKorTx301Dlg::ContentOf(int row, int col) const {
    return {m_grid.TextMatrix(row, col), m_grid.Cell(CVSFlexGrid::kCellChecked, row, col)};
}

bool CKorTx301Dlg::RowHasErrorCell(int row) const {
    for (int col = kFirstItemCol; col <= kLastItemCol; ++col) {
        if (CGridHelper::IsErrorCell(m_grid, row, col)) return true;
    }
    return false;
}

CTaxGroup* CKorTx301Dlg::FirstGroup() const {
    if (!m_dataSet || m_dataSet->groups.empty()) return nullptr;
    return m_dataSet->groups.front().get();
}

CCorrectionRules CKorTx301Dlg::Rules() const {
    static const CDataSet kNoData;
    return CCorrectionRules(m_dataSet ? *m_dataSet : kNoData, m_sets);
}

void CKorTx301Dlg::GoToFirstError() {
    for (int row = 1; row < m_grid.Rows(); ++row) {
        for (int col = kFirstItemCol; col <= kLastItemCol; ++col) {
            if (!CGridHelper::IsErrorCell(m_grid, row, col)) continue;
            FocusItem(IDC_TX301_GRID);
            m_grid.SetRow(row);
            m_grid.SetCol(col);
            m_grid.ShowCell(row, col);
            return;
        }
    }
}

}  // namespace tx
