#include "common/items/GridColumns.h"

#include <string>

#include "framework/VSFlexGrid.h"

void SetupGridColumns(CVSFlexGrid& grid, std::span<const GridColumnSpec> columns,
                      std::span<const bool> hidden) {
    grid.Clear();
    grid.SetRows(1);
    grid.SetFixedRows(1);
    grid.SetCols(static_cast<int>(columns.size()));
    for (size_t i = 0; i < columns.size(); ++i) {
        const int col = static_cast<int>(i);
        const GridColumnSpec& spec = columns[i];
        grid.SetTextMatrix(0, col, spec.title);
        grid.SetColWidth(col, spec.widthTwips);
        grid.SetColHidden(col, i < hidden.size() && hidden[i]);
        grid.SetColDataType(col, spec.dataType);
        grid.SetColAlignment(col, spec.alignment);
    }
}

void CDetailGridBase::AttachTo(CVSFlexGrid* grid, int mode, bool hideDelete) {
    m_grid = grid;
    m_mode = mode;
    m_hidden.fill(false);
    m_hidden[kColListIndex] = true;
    m_hidden[kColDelete] = hideDelete;
}

void CDetailGridBase::SetupColumns() {
    if (!m_grid) return;
    SetupGridColumns(*m_grid, m_columns, std::span<const bool>(m_hidden).first(m_columns.size()));
}

int CDetailGridBase::AppendRow(int serial, int listIndex, bool deleteChecked) {
    const int row = m_grid->Rows();
    m_grid->SetRows(row + 1);
    m_grid->SetTextMatrix(row, kColSerial, std::to_string(serial));
    m_grid->SetTextMatrix(row, kColListIndex, std::to_string(listIndex));
    m_grid->SetCell(CVSFlexGrid::kCellChecked, row, kColDelete,
                    deleteChecked ? CVSFlexGrid::kChecked : CVSFlexGrid::kUnchecked);
    return row;
}

int CDetailGridBase::FillRows(const std::function<bool()>& addRows) {
    const bool redraw = m_grid->Redraw();
    m_grid->SetRedraw(false);
    const bool filled = addRows() && m_grid->Rows() > 1;
    if (filled) {
        m_grid->SetRow(1);
        m_grid->SetCol(kColSerial);
        m_grid->SetEditable(CVSFlexGrid::kEditKeyboardMouse);
    }
    m_grid->SetRedraw(redraw);
    return filled ? kFilled : kNoRows;
}
