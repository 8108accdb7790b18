#include "transfer/Korxf301Dlg.h"

#include <charconv>
#include <utility>

#include "common/StrUtil.h"
#include "framework/WaitCursor.h"
#include "resources/transfer/Korxf301DlgRes.h"
#include "transfer/ConvertEngine.h"
#include "transfer/CorrectionRules.h"
#include "transfer/GridHelper.h"
#include "transfer/ListPrinter.h"
#include "transfer/RecordCorrection.h"
#include "transfer/ScreenVersion.h"

namespace xf {

namespace {
constexpr int kAmountCol = CGridHelper::kFirstItemCol + kAmount;
}  // namespace

CKorxf301Dlg::CKorxf301Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages,
                           std::string helpPath, HWND parent)
    : CDialogBase(IDD_KORXF301, parent),
      m_icon(icon),
      m_dataSet(dataSet),
      m_messages(messages),
      m_helpPath(std::move(helpPath)) {}

BOOL CKorxf301Dlg::OnInitDialog() {
    SetScreenLabels(0, {}, IDC_XF301_VERSION, kScreenVersion);
    if (m_icon) SetIcon(m_icon);
    m_grid.AttachDlgItem(GetSafeHwnd(), IDC_XF301_GRID);
    CheckRadio(IDC_XF301_VIEW_ALL, IDC_XF301_VIEW_ERRORS, IDC_XF301_VIEW_ERRORS);
    FillGrid(IDC_XF301_VIEW_ERRORS);
    return TRUE;
}

bool CKorxf301Dlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_XF301_BACK:
            OnBtnBack();
            return true;
        case IDC_XF301_UPDATE:
            OnBtnUpdate();
            return true;
        case IDC_XF301_ERROR_LIST:
            OnBtnErrorList();
            return true;
        case IDC_XF301_VIEW_ALL:
        case IDC_XF301_VIEW_ERRORS:
            OnRadioView(id);
            return true;
        default:
            return false;
    }
}

bool CKorxf301Dlg::OnNotify(int id, NMHDR* header) {
    if (id != IDC_XF301_GRID) return false;
    return m_grid.HandleNotify(
        reinterpret_cast<LPARAM>(header),
        [this](int row, int col, bool& cancel) { OnGridBeforeEdit(row, col, cancel); },
        [this](int row, int col) { OnGridAfterEdit(row, col); });
}

void CKorxf301Dlg::OnClose() {
    EndDialog(1);
}

void CKorxf301Dlg::OnBtnBack() {
    if (m_modified && ShowMessage(55) != IDOK) return;
    EndDialog(1);
}

void CKorxf301Dlg::OnRadioView(int id) {
    if (m_modified) {
        if (id == m_view) return;
        if (ShowMessage(55) != IDOK) {
            CheckRadio(IDC_XF301_VIEW_ALL, IDC_XF301_VIEW_ERRORS, m_view);
            return;
        }
        m_modified = false;
    }
    kor::CWaitCursor wait;
    FillGrid(id);
}

void CKorxf301Dlg::OnGridBeforeEdit(int row, int col, bool& cancel) {
    m_editStart = ContentOf(row, col);
    const bool rowHasYellow = col == CGridHelper::kColDelete && RowHasYellowItem(row);
    if (!MayEditCell(col, IsYellow(row, col), rowHasYellow)) {
        cancel = true;
        return;
    }
    if (const int length = CorrectionTextLength(col)) m_grid.SetEditMaxLength(length);
}

void CKorxf301Dlg::OnGridAfterEdit(int row, int col) {
    if (m_editStart && ContentOf(row, col) != *m_editStart) m_modified = true;
    m_editStart.reset();
    if (col == kAmountCol && m_dataSet) {
        std::string text = CStrUtil::StripZeros(m_grid.TextMatrix(row, col));
        CConvertEngine engine;
        SetUpItemChecks(engine, *m_dataSet);
        const int result = engine.ValidateField(text, kAmount, m_dataSet->transferKind, 0);
        m_grid.SetTextMatrix(row, col,
                             result == kResultValid ? CStrUtil::FormatThousands(text) : text);
    }
    CDetailRecord* record = RecordOfRow(row);
    const int kind = col - CGridHelper::kFirstItemCol;
    if (record && record->HasItem(kind))
        record->SetResult(kind, record->Result(kind) & ~kResultUntouched);
}

void CKorxf301Dlg::OnBtnUpdate() {
    kor::CWaitCursor wait;
    if (ShowMessage(3, "読込", "変換後ファイル") != IDOK) return;
    m_modified = false;
    // A grid down to its title row (an error view with no error left) still updates.
    if (!m_dataSet || m_grid.Rows() < 1) {
        ShowMessage(9, "振込明細");
        return;
    }
    CConvertEngine engine;
    SetUpItemChecks(engine, *m_dataSet);
    engine.ResetErrorCount();
    CorrectionRow values;
    for (int row = 1; row < m_grid.Rows(); ++row) {
        CDetailRecord* record = RecordOfRow(row);
        if (!record) continue;
        values.deleteChecked = m_grid.Cell(CVSFlexGrid::kCellChecked, row,
                                           CGridHelper::kColDelete) == CVSFlexGrid::kChecked;
        for (int kind = 0; kind < kItemCount; ++kind) {
            values.texts[static_cast<size_t>(kind)] =
                m_grid.TextMatrix(row, CGridHelper::kFirstItemCol + kind);
        }
        ApplyCorrectionRow(engine, *record, values, m_dataSet->transferKind);
    }
    int hasError = 0;
    engine.RevalidateRecord(*m_dataSet, &hasError);
    FillGrid(m_view);
    m_dataSet->errorFree = hasError ? 0 : 1;
    m_dataSet->outputDone = 0;
    if (hasError) {
        ShowMessage(73);
    } else {
        ShowMessage(72);
    }
    GoToFirstError();
}

// The list printer asks for a printer (76), for records (39) and the number of pages (27).
void CKorxf301Dlg::OnBtnErrorList() {
    if (m_dataSet && m_messages)
        CListPrinter::PrintErrorList(*m_dataSet, *m_messages, GetSafeHwnd());
}

void CKorxf301Dlg::FillGrid(int view) {
    CGridHelper helper;
    helper.Attach(m_dataSet, &m_grid,
                  view == IDC_XF301_VIEW_ALL ? CGridHelper::kModeAll : CGridHelper::kModeFlagged);
    helper.SetupColumns();
    helper.Fill();
    m_view = view;
}

CKorxf301Dlg::CellContent CKorxf301Dlg::ContentOf(int row, int col) const {
    return {m_grid.TextMatrix(row, col), m_grid.Cell(CVSFlexGrid::kCellChecked, row, col)};
}

bool CKorxf301Dlg::IsYellow(int row, int col) const {
    return static_cast<COLORREF>(m_grid.Cell(CVSFlexGrid::kCellBackColor, row, col)) ==
           kor::kErrorFieldColor;
}

bool CKorxf301Dlg::RowHasYellowItem(int row) const {
    for (int col = CGridHelper::kFirstItemCol; col < CGridHelper::kColumnCount; ++col) {
        if (IsYellow(row, col)) return true;
    }
    return false;
}

CDetailRecord* CKorxf301Dlg::RecordOfRow(int row) const {
    if (!m_dataSet) return nullptr;
    const std::string text = m_grid.TextMatrix(row, CGridHelper::kColListIndex);
    size_t index = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        index >= m_dataSet->details.size()) {
        return nullptr;
    }
    return m_dataSet->details[index].get();
}

void CKorxf301Dlg::GoToFirstError() {
    for (int row = 1; row < m_grid.Rows(); ++row) {
        for (int col = CGridHelper::kFirstItemCol; col < CGridHelper::kColumnCount; ++col) {
            if (!IsYellow(row, col)) continue;
            FocusItem(IDC_XF301_GRID);
            m_grid.SetRow(row);
            m_grid.SetCol(col);
            m_grid.ShowCell(row, col);
            return;
        }
    }
}

int CKorxf301Dlg::ShowMessage(int id, const char* word1, const char* word2) {
    return m_messages ? m_messages->ShowMessage(GetSafeHwnd(), id, word1, word2) : IDCANCEL;
}

}  // namespace xf
