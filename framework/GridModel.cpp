#include "framework/GridModel.h"

#include <algorithm>
#include <utility>

namespace kor {

namespace {
const std::string kEmpty;
const GridModel::Column kNoColumn;
}  // namespace

void GridModel::SetRows(int rows) {
    rows = std::max(rows, 0);
    m_cells.resize(static_cast<size_t>(rows) * m_columns.size());
    m_rows = rows;
    ClampCurrent();
}

void GridModel::SetCols(int cols) {
    cols = std::max(cols, 0);
    const int old = Cols();
    if (cols == old) return;
    std::vector<Cell> cells(static_cast<size_t>(m_rows) * static_cast<size_t>(cols));
    const int keep = std::min(cols, old);
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < keep; ++c) {
            cells[static_cast<size_t>(r) * static_cast<size_t>(cols) + static_cast<size_t>(c)] =
                std::move(m_cells[Index(r, c)]);
        }
    }
    m_cells = std::move(cells);
    m_columns.resize(static_cast<size_t>(cols));
    ClampCurrent();
}

void GridModel::SetFixedRows(int fixedRows) {
    m_fixedRows = std::max(fixedRows, 0);
}

void GridModel::Clear() {
    for (Cell& cell : m_cells) cell = Cell{};
}

const std::string& GridModel::Text(int row, int col) const {
    const Cell* cell = At(row, col);
    return cell ? cell->text : kEmpty;
}

void GridModel::SetText(int row, int col, std::string_view text) {
    if (Cell* cell = At(row, col)) cell->text.assign(text);
}

int GridModel::Check(int row, int col) const {
    const Cell* cell = At(row, col);
    return cell ? cell->check : 0;
}

void GridModel::SetCheck(int row, int col, int state) {
    if (Cell* cell = At(row, col))
        cell->check = static_cast<std::uint8_t>(std::clamp(state, 0, 255));
}

COLORREF GridModel::BackColor(int row, int col) const {
    const Cell* cell = At(row, col);
    return cell ? cell->back : GridCodes::kDefaultColor;
}

void GridModel::SetBackColor(int row, int col, COLORREF color) {
    if (Cell* cell = At(row, col)) cell->back = color;
}

const GridModel::Column& GridModel::ColumnAt(int col) const {
    return col >= 0 && col < Cols() ? m_columns[static_cast<size_t>(col)] : kNoColumn;
}

void GridModel::SetColWidth(int col, int twips) {
    if (col >= 0 && col < Cols())
        m_columns[static_cast<size_t>(col)].widthTwips = std::max(twips, 0);
}

void GridModel::SetColAlignment(int col, int alignment) {
    if (col >= 0 && col < Cols()) m_columns[static_cast<size_t>(col)].alignment = alignment;
}

void GridModel::SetColDataType(int col, int dataType) {
    if (col >= 0 && col < Cols()) m_columns[static_cast<size_t>(col)].dataType = dataType;
}

void GridModel::SetColHidden(int col, bool hidden) {
    if (col >= 0 && col < Cols()) m_columns[static_cast<size_t>(col)].hidden = hidden;
}

bool GridModel::ColVisible(int col) const {
    if (col < 0 || col >= Cols()) return false;
    const Column& column = m_columns[static_cast<size_t>(col)];
    return !column.hidden && column.widthTwips > 0;
}

int GridModel::NextVisibleCol(int col, int step) const {
    for (int c = col + step; c >= 0 && c < Cols(); c += step) {
        if (ColVisible(c)) return c;
    }
    return -1;
}

void GridModel::SetRow(int row) {
    if (m_rows > 0) m_row = std::clamp(row, 0, m_rows - 1);
}

void GridModel::SetCol(int col) {
    if (Cols() > 0) m_col = std::clamp(col, 0, Cols() - 1);
}

void GridModel::ClampCurrent() {
    m_row = m_rows > 0 ? std::clamp(m_row, 0, m_rows - 1) : -1;
    m_col = Cols() > 0 ? std::clamp(m_col, 0, Cols() - 1) : -1;
}

}  // namespace kor
