#include "framework/GridLayout.h"

#include <algorithm>

namespace kor {

void GridLayout::SetMetrics(int rowHeight, int dpiX) {
    m_rowHeight = std::max(rowHeight, 1);
    m_dpiX = dpiX > 0 ? dpiX : 96;
}

void GridLayout::RebuildColumns(const GridModel& model) {
    m_colX.assign(1, 0);
    for (int c = 0; c < model.Cols(); ++c) {
        const int w = model.ColVisible(c) ? TwipsToPixels(model.ColumnAt(c).widthTwips) : 0;
        m_colX.push_back(m_colX.back() + w);
    }
    SetScrollX(m_scrollX);
}

void GridLayout::SetClientSize(int width, int height) {
    m_clientWidth = std::max(width, 0);
    m_clientHeight = std::max(height, 0);
}

int GridLayout::ColLeft(int col) const {
    if (col < 0 || col + 1 >= static_cast<int>(m_colX.size())) return TotalWidth();
    return m_colX[static_cast<size_t>(col)];
}

int GridLayout::ColWidth(int col) const {
    if (col < 0 || col + 1 >= static_cast<int>(m_colX.size())) return 0;
    return m_colX[static_cast<size_t>(col) + 1] - m_colX[static_cast<size_t>(col)];
}

int GridLayout::PageRows(const GridModel& model) const {
    return std::max((m_clientHeight - FixedHeight(model)) / m_rowHeight, 1);
}

int GridLayout::MaxTopRow(const GridModel& model) const {
    return std::max(FixedTop(model), model.Rows() - PageRows(model));
}

int GridLayout::MaxScrollX() const {
    return std::max(TotalWidth() - m_clientWidth, 0);
}

void GridLayout::SetTopRow(const GridModel& model, int row) {
    m_topRow = std::clamp(row, FixedTop(model), MaxTopRow(model));
}

void GridLayout::SetScrollX(int x) {
    m_scrollX = std::clamp(x, 0, MaxScrollX());
}

void GridLayout::Clamp(const GridModel& model) {
    SetTopRow(model, m_topRow);
    SetScrollX(m_scrollX);
}

int GridLayout::LastVisibleRow(const GridModel& model) const {
    const int dataHeight = m_clientHeight - FixedHeight(model);
    if (dataHeight <= 0) return m_topRow - 1;
    const int shown = (dataHeight + m_rowHeight - 1) / m_rowHeight;
    return std::min(model.Rows() - 1, m_topRow + shown - 1);
}

RECT GridLayout::CellRect(const GridModel& model, int row, int col) const {
    const int top = row < FixedTop(model) ? row * m_rowHeight
                                          : FixedHeight(model) + (row - m_topRow) * m_rowHeight;
    const int left = ColLeft(col) - m_scrollX;
    return RECT{left, top, left + ColWidth(col), top + m_rowHeight};
}

bool GridLayout::HitTest(const GridModel& model, POINT pt, int& row, int& col) const {
    if (pt.x < 0 || pt.y < 0 || pt.x >= m_clientWidth || pt.y >= m_clientHeight) return false;
    const int fixedHeight = FixedHeight(model);
    const int r =
        pt.y < fixedHeight ? pt.y / m_rowHeight : m_topRow + (pt.y - fixedHeight) / m_rowHeight;
    if (r >= model.Rows()) return false;
    const int x = pt.x + m_scrollX;
    // The first edge beyond x ends the column that holds it; hidden columns have no width.
    const auto it = std::upper_bound(m_colX.begin(), m_colX.end(), x);
    if (it == m_colX.begin() || it == m_colX.end()) return false;
    row = r;
    col = static_cast<int>(it - m_colX.begin()) - 1;
    return true;
}

void GridLayout::ScrollIntoView(const GridModel& model, int row, int col) {
    if (row >= FixedTop(model) && row < model.Rows()) {
        const int page = PageRows(model);
        if (row < m_topRow) {
            SetTopRow(model, row);
        } else if (row >= m_topRow + page) {
            SetTopRow(model, row - page + 1);
        }
    }
    if (ColWidth(col) > 0) {
        const int left = ColLeft(col);
        const int right = left + ColWidth(col);
        if (left < m_scrollX) {
            SetScrollX(left);
        } else if (right > m_scrollX + m_clientWidth) {
            SetScrollX(std::min(left, right - m_clientWidth));
        }
    }
}

}  // namespace kor
