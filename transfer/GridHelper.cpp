#include "transfer/GridHelper.h"

#include <string>
#include <vector>

#include "common/ItemGrid.h"
#include "framework/VSFlexGrid.h"

namespace xf {

namespace {

// The columns before the items.
constexpr GridColumnSpec kLeadingColumns[CGridHelper::kFirstItemCol] = {
    {"通番", CVSFlexGrid::kTypeText, 550, CVSFlexGrid::kAlignRight},
    {"ID", CVSFlexGrid::kTypeText, 500, CVSFlexGrid::kAlignCenter},
    {"削除", CVSFlexGrid::kTypeCheckBox, 500, CVSFlexGrid::kAlignCenter},
};

}  // namespace

std::span<const GridColumnSpec> CGridHelper::Columns() {
    static const std::vector<GridColumnSpec> columns =
        ItemGridColumns(kLeadingColumns, TransferItems());
    return columns;
}

void CGridHelper::Attach(CDataSet* dataSet, CVSFlexGrid* grid, int mode) {
    m_dataSet = dataSet;
    m_grid = grid;
    m_mode = mode;
    SetColumnFlags();
}

void CGridHelper::SetColumnFlags() {
    m_hidden.fill(false);
    m_hidden[kColListIndex] = true;
    m_hidden[kColDelete] = m_mode == kModeErrorFree;
    const bool salaryOrBonus =
        m_dataSet && (m_dataSet->bonusFlag == 1 || m_dataSet->transferKind == kKindSalaryBonus);
    const std::span<const ItemSpec> items = TransferItems();
    for (size_t i = 0; i < items.size(); ++i)
        m_hidden[kFirstItemCol + i] = salaryOrBonus && items[i].generalOnly;
}

void CGridHelper::SetupColumns() {
    if (!m_grid) return;
    SetupGridColumns(*m_grid, Columns(), m_hidden);
}

int CGridHelper::Fill() {
    if (!m_grid || !m_dataSet) return kNothingToFill;
    if (m_dataSet->details.empty()) return kNoRows;
    // Nothing is drawn while the rows go in; the grid redraws once at the end.
    const bool redraw = m_grid->Redraw();
    m_grid->SetRedraw(false);
    FillRows(m_dataSet->details);
    if (m_grid->Rows() <= 1) {
        m_grid->SetRedraw(redraw);
        return kNoRows;
    }
    m_grid->SetRow(1);
    m_grid->SetCol(0);
    m_grid->SetEditable(CVSFlexGrid::kEditKeyboardMouse);
    m_grid->SetRedraw(redraw);
    return kFilled;
}

void CGridHelper::FillRows(const CDetailObList& records) {
    if (!m_grid) return;
    int position = 0;
    for (const auto& record : records) {
        const int index = position++;
        const bool flagged = record->HasFieldError();
        if ((m_mode == kModeErrorFree && flagged) || (m_mode == kModeFlagged && !flagged)) {
            continue;
        }
        const int row = m_grid->Rows();
        m_grid->SetRows(row + 1);
        m_grid->SetTextMatrix(row, kColSerial, std::to_string(record->serial));
        m_grid->SetTextMatrix(row, kColListIndex, std::to_string(index));
        m_grid->SetCell(CVSFlexGrid::kCellChecked, row, kColDelete,
                        record->deleteFlag == 1 ? CVSFlexGrid::kChecked : CVSFlexGrid::kUnchecked);
        FillItemCells(*m_grid, row, kFirstItemCol, *record);
    }
}

std::string CGridHelper::CellText(int kind, std::string_view text, bool flagged) {
    if (kind < 0 || kind >= kItemCount) return std::string(text);
    return ItemCellText(TransferItems()[static_cast<size_t>(kind)], text, flagged);
}

}  // namespace xf
