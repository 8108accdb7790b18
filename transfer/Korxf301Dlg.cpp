#include "transfer/Korxf301Dlg.h"

#include <array>
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

const Korxf301Controls kKorxf301Controls = {
    IDD_KORXF301,   IDC_XF301_VIEW_ALL,   IDC_XF301_VIEW_ERRORS, IDC_XF301_UPDATE,
    IDC_XF301_BACK, IDC_XF301_ERROR_LIST, IDC_XF301_GRID,        IDC_XF301_VERSION,
};

namespace {
constexpr int kAmountCol = CGridHelper::kFirstItemCol + kAmount;
}  // namespace

CKorxf301Dlg::CKorxf301Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages,
                           std::string helpPath, HWND parent, const Korxf301Controls& ids)
    : CScreenBase(ids.dialog, parent, messages, icon, kProgramName),
      m_ids(ids),
      m_dataSet(dataSet),
      m_helpPath(std::move(helpPath)) {}

BOOL CKorxf301Dlg::OnInitDialog() {
    SetScreenLabels(0, {}, m_ids.version, kScreenVersion);
    ShowScreenIcon();
    m_grid.AttachDlgItem(GetSafeHwnd(), m_ids.grid);
    CheckRadio(std::array{m_ids.viewAll, m_ids.viewErrors}, m_ids.viewErrors);
    FillGrid(m_ids.viewErrors);
    return TRUE;
}

bool CKorxf301Dlg::OnButtonClicked(int id) {
    if (id == m_ids.back) {
        OnBtnBack();
    } else if (id == m_ids.update) {
        OnBtnUpdate();
    } else if (id == m_ids.errorList) {
        OnBtnErrorList();
    } else if (id == m_ids.viewAll || id == m_ids.viewErrors) {
        OnRadioView(id);
    } else {
        return false;
    }
    return true;
}

bool CKorxf301Dlg::OnNotify(int id, NMHDR* header) {
    if (id != m_ids.grid) return false;
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
            CheckRadio(std::array{m_ids.viewAll, m_ids.viewErrors}, m_view);
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
    if (m_dataSet && Messages())
        CListPrinter::PrintErrorList(*m_dataSet, *Messages(), GetSafeHwnd());
}

void CKorxf301Dlg::FillGrid(int view) {
    CGridHelper helper;
    helper.Attach(m_dataSet, &m_grid,
                  view == m_ids.viewAll ? CGridHelper::kModeAll : CGridHelper::kModeFlagged);
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
            FocusItem(m_ids.grid);
            m_grid.SetRow(row);
            m_grid.SetCol(col);
            m_grid.ShowCell(row, col);
            return;
        }
    }
}

}  // namespace xf
