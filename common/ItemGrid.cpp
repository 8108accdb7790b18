#include "common/ItemGrid.h"

#include <utility>

#include "common/StrUtil.h"
#include "framework/DialogBase.h"
#include "framework/VSFlexGrid.h"

std::vector<GridColumnSpec> ItemGridColumns(std::span<const GridColumnSpec> leading,
                                            std::span<const ItemSpec> items) {
    std::vector<GridColumnSpec> columns(leading.begin(), leading.end());
    for (const ItemSpec& item : items) columns.push_back(item.column);
    return columns;
}

namespace {

// The columns before the items.
constexpr GridColumnSpec kLeadingColumns[CItemGridHelper::kFirstItemCol] = {
    {"通番", CVSFlexGrid::kTypeText, 550, CVSFlexGrid::kAlignRight},
    {"ID", CVSFlexGrid::kTypeText, 500, CVSFlexGrid::kAlignCenter},
    {"削除", CVSFlexGrid::kTypeCheckBox, 500, CVSFlexGrid::kAlignCenter},
};

}  // namespace

std::vector<GridColumnSpec> ItemGridColumns(std::span<const ItemSpec> items) {
    return ItemGridColumns(kLeadingColumns, items);
}

std::string ItemCellText(const ItemSpec& item, std::string_view text, bool flagged) {
    if (item.chars == ItemChars::kAmount) {
        std::string digits = CStrUtil::StripZeros(text);
        return flagged ? digits : CStrUtil::FormatThousands(digits == "0" ? "" : digits);
    }
    const int width = item.zeroPadWidth;
    if (width == 0) return std::string(text);
    std::string cut;
    CStrUtil::CutMbcs(text, cut, width);
    if (flagged || cut.empty()) return cut;
    return std::string(static_cast<size_t>(width) - cut.size(), '0') + cut;
}

bool FillItemCells(CVSFlexGrid& grid, int row, int firstCol, const CItemRecord& record) {
    const std::span<const ItemSpec> items = record.Items();
    const int count = record.ItemCount();
    for (int i = 0; i < count; ++i) {
        grid.SetTextMatrix(row, firstCol + i,
                           ItemCellText(items[static_cast<size_t>(i)], record.Text(i),
                                        HasErrorBits(record.Result(i))));
    }
    bool any = false;
    for (int i = 0; i < count; ++i) {
        if (!HasErrorBits(record.Result(i))) continue;
        any = true;
        grid.SetRow(row);
        grid.SetCol(firstCol + i);
        grid.SetCellBackColor(kor::kErrorFieldColor);
    }
    return any;
}

void CItemGridHelper::AttachGrid(CVSFlexGrid* grid, int mode, RecordSource records) {
    m_grid = grid;
    m_records = std::move(records);
    m_mode = mode;
    m_hidden.fill(false);
    m_hidden[kColListIndex] = true;
    m_hidden[kColDelete] = mode == kModeErrorFree;
}

void CItemGridHelper::SetupColumns() {
    if (!m_grid) return;
    SetupGridColumns(*m_grid, m_columns, std::span<const bool>(m_hidden).first(m_columns.size()));
}

bool CItemGridHelper::GetErrorFlags(const CItemRecord& record, std::span<bool> flags) {
    bool any = false;
    for (int i = 0; i < record.ItemCount(); ++i) {
        const bool flagged = HasErrorBits(record.Result(i));
        if (static_cast<size_t>(i) < flags.size()) flags[static_cast<size_t>(i)] = flagged;
        any = any || flagged;
    }
    return any;
}

int CItemGridHelper::Fill() {
    if (!m_grid || !m_records) return kNothingToFill;
    const std::vector<const CItemRecord*> records = m_records();
    if (records.empty()) return kNoRows;
    // Nothing is drawn while the rows go in; the grid redraws once at the end.
    const bool redraw = m_grid->Redraw();
    m_grid->SetRedraw(false);
    FillRecordRows(records);
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

void CItemGridHelper::FillRecordRows(ItemRecordSpan records) {
    if (!m_grid) return;
    int position = 0;
    for (const CItemRecord* record : records) {
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
