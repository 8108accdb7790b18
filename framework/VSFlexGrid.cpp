#include "framework/VSFlexGrid.h"

#include <algorithm>
#include <utility>

#include "framework/GridControl.h"

CVSFlexGrid::CVSFlexGrid() = default;
CVSFlexGrid::CVSFlexGrid(HWND grid) {
    Attach(grid);
}
CVSFlexGrid::~CVSFlexGrid() = default;
CVSFlexGrid::CVSFlexGrid(const CVSFlexGrid&) = default;
CVSFlexGrid& CVSFlexGrid::operator=(const CVSFlexGrid&) = default;

bool CVSFlexGrid::Attach(HWND grid) {
    m_control = kor::GridControl::FromWindow(grid);
    m_hwnd = m_control.expired() ? nullptr : grid;
    return m_hwnd != nullptr;
}

bool CVSFlexGrid::IsBound() const {
    return !m_control.expired();
}

int CVSFlexGrid::Rows() const {
    const auto c = Control();
    return c ? c->Model().Rows() : 0;
}

void CVSFlexGrid::SetRows(int rows) {
    if (const auto c = Control()) c->SetRows(rows);
}

int CVSFlexGrid::Cols() const {
    const auto c = Control();
    return c ? c->Model().Cols() : 0;
}

void CVSFlexGrid::SetCols(int cols) {
    if (const auto c = Control()) c->SetCols(cols);
}

int CVSFlexGrid::FixedRows() const {
    const auto c = Control();
    return c ? c->Model().FixedRows() : 0;
}

void CVSFlexGrid::SetFixedRows(int rows) {
    if (const auto c = Control()) c->SetFixedRows(rows);
}

void CVSFlexGrid::Clear() {
    if (const auto c = Control()) c->Clear();
}

std::string CVSFlexGrid::TextMatrix(int row, int col) const {
    const auto c = Control();
    return c ? c->Model().Text(row, col) : std::string();
}

void CVSFlexGrid::SetTextMatrix(int row, int col, std::string_view text) {
    if (const auto c = Control()) c->SetText(row, col, text);
}

long CVSFlexGrid::Cell(int setting, int row1, int col1, int, int) const {
    const auto c = Control();
    if (!c) return 0;
    switch (setting) {
        case kCellChecked:
            return c->Model().Check(row1, col1);
        case kCellBackColor:
            return static_cast<long>(c->Model().BackColor(row1, col1));
        default:
            return 0;
    }
}

void CVSFlexGrid::SetCell(int setting, int row1, int col1, int row2, int col2, long value) {
    const auto c = Control();
    if (!c || (setting != kCellChecked && setting != kCellBackColor)) return;
    if (row2 < row1) std::swap(row1, row2);
    if (col2 < col1) std::swap(col1, col2);
    row1 = std::max(row1, 0);
    col1 = std::max(col1, 0);
    row2 = std::min(row2, c->Model().Rows() - 1);
    col2 = std::min(col2, c->Model().Cols() - 1);
    for (int r = row1; r <= row2; ++r) {
        for (int col = col1; col <= col2; ++col) {
            if (setting == kCellChecked) {
                c->SetCheck(r, col, static_cast<int>(value));
            } else {
                c->SetBackColor(r, col, static_cast<COLORREF>(value));
            }
        }
    }
}

COLORREF CVSFlexGrid::CellBackColor() const {
    const auto c = Control();
    return c ? c->Model().BackColor(c->Model().Row(), c->Model().Col()) : kDefaultColor;
}

void CVSFlexGrid::SetCellBackColor(COLORREF color) {
    if (const auto c = Control()) c->SetBackColor(c->Model().Row(), c->Model().Col(), color);
}

int CVSFlexGrid::ColWidth(int col) const {
    const auto c = Control();
    return c ? c->Model().ColumnAt(col).widthTwips : 0;
}

void CVSFlexGrid::SetColWidth(int col, int twips) {
    if (const auto c = Control()) c->SetColWidth(col, twips);
}

int CVSFlexGrid::ColAlignment(int col) const {
    const auto c = Control();
    return c ? c->Model().ColumnAt(col).alignment : 0;
}

void CVSFlexGrid::SetColAlignment(int col, int alignment) {
    if (const auto c = Control()) c->SetColAlignment(col, alignment);
}

int CVSFlexGrid::ColDataType(int col) const {
    const auto c = Control();
    return c ? c->Model().ColumnAt(col).dataType : 0;
}

void CVSFlexGrid::SetColDataType(int col, int dataType) {
    if (const auto c = Control()) c->SetColDataType(col, dataType);
}

bool CVSFlexGrid::ColHidden(int col) const {
    const auto c = Control();
    return c && c->Model().ColumnAt(col).hidden;
}

void CVSFlexGrid::SetColHidden(int col, bool hidden) {
    if (const auto c = Control()) c->SetColHidden(col, hidden);
}

int CVSFlexGrid::Row() const {
    const auto c = Control();
    return c ? c->Model().Row() : -1;
}

void CVSFlexGrid::SetRow(int row) {
    if (const auto c = Control()) c->SetCurrent(row, c->Model().Col());
}

int CVSFlexGrid::Col() const {
    const auto c = Control();
    return c ? c->Model().Col() : -1;
}

void CVSFlexGrid::SetCol(int col) {
    if (const auto c = Control()) c->SetCurrent(c->Model().Row(), col);
}

void CVSFlexGrid::ShowCell(int row, int col) {
    if (const auto c = Control()) c->ShowCell(row, col);
}

int CVSFlexGrid::TopRow() const {
    const auto c = Control();
    return c ? c->TopRow() : 0;
}

void CVSFlexGrid::SetTopRow(int row) {
    if (const auto c = Control()) c->SetTopRow(row);
}

int CVSFlexGrid::EditMaxLength() const {
    const auto c = Control();
    return c ? c->EditMaxLength() : 0;
}

void CVSFlexGrid::SetEditMaxLength(int bytes) {
    if (const auto c = Control()) c->SetEditMaxLength(bytes);
}

int CVSFlexGrid::Editable() const {
    const auto c = Control();
    return c ? c->Editable() : kEditNone;
}

void CVSFlexGrid::SetEditable(int mode) {
    if (const auto c = Control()) c->SetEditable(mode);
}

bool CVSFlexGrid::Redraw() const {
    const auto c = Control();
    return c && c->Redraw();
}

void CVSFlexGrid::SetRedraw(bool on) {
    if (const auto c = Control()) c->SetRedraw(on);
}

bool CVSFlexGrid::HandleNotify(LPARAM lParam, const BeforeEditHandler& onBeforeEdit,
                               const AfterEditHandler& onAfterEdit) const {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr || !m_hwnd || hdr->hwndFrom != m_hwnd) return false;
    auto* nm = reinterpret_cast<EditNotify*>(lParam);
    if (hdr->code == kNotifyBeforeEdit) {
        bool cancel = nm->cancel != FALSE;
        if (onBeforeEdit) onBeforeEdit(nm->row, nm->col, cancel);
        nm->cancel = cancel ? TRUE : FALSE;
        return true;
    }
    if (hdr->code == kNotifyAfterEdit) {
        if (onAfterEdit) onAfterEdit(nm->row, nm->col);
        return true;
    }
    return false;
}
