#include "common/screens/CorrectionScreen.h"

#include <array>
#include <charconv>
#include <utility>
#include <vector>

#include "common/base/StrUtil.h"
#include "common/items/ItemRecord.h"
#include "framework/WaitCursor.h"

CCorrectionScreen::CCorrectionScreen(const CorrectionControls& ids,
                                     const CorrectionMessages& messageIds, HWND parent,
                                     CApMsgInfoList* messages, HICON icon, std::string programName,
                                     std::string versionText, std::span<const ItemSpec> items)
    : CScreenBase(ids.dialog, parent, messages, icon, std::move(programName)),
      m_ids(ids),
      m_messageIds(messageIds),
      m_versionText(std::move(versionText)),
      m_items(items) {}

BOOL CCorrectionScreen::OnInitDialog() {
    SetScreenLabels(0, {}, m_ids.version, m_versionText);
    ShowScreenIcon();
    m_grid.AttachDlgItem(GetSafeHwnd(), m_ids.grid);
    CheckRadio(std::array{m_ids.viewAll, m_ids.viewErrors}, m_ids.viewErrors);
    ShowView(m_ids.viewErrors);
    return TRUE;
}

bool CCorrectionScreen::OnButtonClicked(int id) {
    if (id == m_ids.back) {
        OnBtnBack();
    } else if (id == m_ids.update) {
        OnBtnUpdate();
    } else if (id == m_ids.errorList) {
        PrintErrorList();
    } else if (id == m_ids.viewAll || id == m_ids.viewErrors) {
        OnRadioView(id);
    } else {
        return false;
    }
    return true;
}

bool CCorrectionScreen::OnNotify(int id, NMHDR* header) {
    if (id != m_ids.grid) return false;
    return m_grid.HandleNotify(
        reinterpret_cast<LPARAM>(header),
        [this](int row, int col, bool& cancel) { OnGridBeforeEdit(row, col, cancel); },
        [this](int row, int col) { OnGridAfterEdit(row, col); });
}

void CCorrectionScreen::OnClose() {
    EndDialog(1);
}

void CCorrectionScreen::OnBtnBack() {
    if (m_modified && ShowMessage(m_messageIds.discard) != IDOK) return;
    EndDialog(1);
}

void CCorrectionScreen::OnRadioView(int id) {
    if (m_modified) {
        if (id == m_view) return;
        if (ShowMessage(m_messageIds.discard) != IDOK) {
            CheckRadio(std::array{m_ids.viewAll, m_ids.viewErrors}, m_view);
            return;
        }
        m_modified = false;
    }
    kor::CWaitCursor wait;
    ShowView(id);
}

void CCorrectionScreen::OnGridBeforeEdit(int row, int col, bool& cancel) {
    m_editStart = ContentOf(row, col);
    const bool rowHasYellow = col == kItemGridDeleteCol && RowHasYellowItem(row);
    if (!MayEditItemCell(col, ItemCount(), IsYellow(row, col), rowHasYellow)) {
        cancel = true;
        return;
    }
    if (const int length = ItemEditLimit(Items(), col)) m_grid.SetEditMaxLength(length);
}

void CCorrectionScreen::OnGridAfterEdit(int row, int col) {
    // A changed text or a changed delete mark.
    if (m_editStart && ContentOf(row, col) != *m_editStart) m_modified = true;
    m_editStart.reset();
    const int kind = col - kItemGridFirstItemCol;
    if (kind >= 0 && kind < ItemCount() &&
        Items()[static_cast<size_t>(kind)].chars == ItemChars::kAmount && HasDataSet()) {
        std::string text = CStrUtil::StripZeros(m_grid.TextMatrix(row, col));
        const int result = MakeItemChecks()->CheckItem(text, kind, false);
        m_grid.SetTextMatrix(row, col,
                             result == kItemValid ? CStrUtil::FormatThousands(text) : text);
    }
    CItemRecord* record = RecordOfRow(row);
    if (record && record->HasItem(kind))
        record->SetResult(kind, record->Result(kind) & ~kResultUntouched);
}

void CCorrectionScreen::OnBtnUpdate() {
    kor::CWaitCursor wait;
    if (ShowMessage(m_messageIds.updateQuestion, "読込", "変換後ファイル") != IDOK) return;
    m_modified = false;
    // A grid down to its title row (an error view with no error left) still updates.
    if (!HasDataSet() || m_grid.Rows() < 1) {
        ShowMessage(m_messageIds.nothingToUpdate, "振込明細");
        return;
    }
    const std::unique_ptr<CItemRechecks> checks = MakeItemChecks();
    std::vector<std::string> texts(Items().size());
    for (int row = 1; row < m_grid.Rows(); ++row) {
        CItemRecord* record = RecordOfRow(row);
        if (!record) continue;
        const bool deleteChecked = m_grid.Cell(CVSFlexGrid::kCellChecked, row,
                                               kItemGridDeleteCol) == CVSFlexGrid::kChecked;
        for (size_t kind = 0; kind < texts.size(); ++kind)
            texts[kind] = m_grid.TextMatrix(row, kItemGridFirstItemCol + static_cast<int>(kind));
        ApplyCorrectionCells(*checks, *record, {deleteChecked, texts}, UpdateColumnOrder());
    }
    const bool hasError = checks->CommitDataSet();
    ShowView(m_view);
    if (hasError) {
        ShowMessage(m_messageIds.errorsLeft);
    } else {
        ShowMessage(m_messageIds.noErrorLeft);
    }
    GoToFirstError();
}

void CCorrectionScreen::ShowView(int view) {
    FillGrid(m_grid, view == m_ids.viewAll);
    m_view = view;
}

CCorrectionScreen::CellContent CCorrectionScreen::ContentOf(int row, int col) const {
    return {m_grid.TextMatrix(row, col), m_grid.Cell(CVSFlexGrid::kCellChecked, row, col)};
}

bool CCorrectionScreen::IsYellow(int row, int col) const {
    return static_cast<COLORREF>(m_grid.Cell(CVSFlexGrid::kCellBackColor, row, col)) ==
           kor::kErrorFieldColor;
}

bool CCorrectionScreen::RowHasYellowItem(int row) const {
    for (int col = kItemGridFirstItemCol; col < kItemGridFirstItemCol + ItemCount(); ++col) {
        if (IsYellow(row, col)) return true;
    }
    return false;
}

CItemRecord* CCorrectionScreen::RecordOfRow(int row) {
    if (!HasDataSet()) return nullptr;
    const std::string text = m_grid.TextMatrix(row, kItemGridListIndexCol);
    size_t index = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return nullptr;
    return RecordAt(index);
}

void CCorrectionScreen::GoToFirstError() {
    for (int row = 1; row < m_grid.Rows(); ++row) {
        for (int col = kItemGridFirstItemCol; col < kItemGridFirstItemCol + ItemCount(); ++col) {
            if (!IsYellow(row, col)) continue;
            FocusItem(m_ids.grid);
            m_grid.SetRow(row);
            m_grid.SetCol(col);
            m_grid.ShowCell(row, col);
            return;
        }
    }
}
