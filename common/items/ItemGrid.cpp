#include "common/items/ItemGrid.h"

#include <utility>

#include "common/base/StrUtil.h"
#include "framework/DialogBase.h"
#include "framework/VSFlexGrid.h"

std::vector<GridColumnSpec> ItemGridColumns(std::span<const GridColumnSpec> leading,
                                            std::span<const ItemSpec> items) {
    std::vector<GridColumnSpec> columns(leading.begin(), leading.end());
    for (const ItemSpec& item : items) {
        columns.push_back(
            {item.gridTitle, CVSFlexGrid::kTypeText, item.gridWidth, item.gridAlignment});
    }
    return columns;
}

namespace {

// The columns before the items.
constexpr GridColumnSpec kLeadingColumns[CItemGridHelper::kFirstItemCol] = {
    {.title = "通番",
     .dataType = CVSFlexGrid::kTypeText,
     .widthTwips = 550,
     .alignment = CVSFlexGrid::kAlignRight},
    {.title = "ID",
     .dataType = CVSFlexGrid::kTypeText,
     .widthTwips = 500,
     .alignment = CVSFlexGrid::kAlignCenter},
    {.title = "削除",
     .dataType = CVSFlexGrid::kTypeCheckBox,
     .widthTwips = 500,
     .alignment = CVSFlexGrid::kAlignCenter},
};

}  // namespace

std::vector<GridColumnSpec> ItemGridColumns(std::span<const ItemSpec> items) {
    return ItemGridColumns(kLeadingColumns, items);
}

std::string ItemCellText(const ItemSpec& item, std::string_view text, bool flagged,
                         ZeroAmountCell zeros) {
    if (item.chars == ItemChars::kAmount) {
        std::string digits = CStrUtil::StripZeros(text);
        if (flagged) return digits;
        if (digits == "0" && zeros == ZeroAmountCell::kZeroWhenFlagged) return std::string();
        return CStrUtil::FormatThousands(digits);
    }
    const int width = ZeroPadWidth(item);
    if (width == 0) return std::string(text);
    std::string cut;
    CStrUtil::CutMbcs(text, cut, width);
    if (flagged || cut.empty()) return cut;
    return std::string(static_cast<size_t>(width) - cut.size(), '0') + cut;
}

bool FillItemCells(CVSFlexGrid& grid, int row, int firstCol, const CItemRecord& record,
                   ZeroAmountCell zeros) {
    const std::span<const ItemSpec> items = record.Items();
    const int count = record.ItemCount();
    for (int i = 0; i < count; ++i) {
        grid.SetTextMatrix(row, firstCol + i,
                           ItemCellText(items[static_cast<size_t>(i)], record.Text(i),
                                        HasErrorBits(record.Result(i)), zeros));
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
    m_records = std::move(records);
    AttachTo(grid, mode, mode == kModeErrorFree);
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
    if (!Grid() || !m_records) return kNothingToFill;
    const std::vector<const CItemRecord*> records = m_records();
    if (records.empty()) return kNoRows;
    return FillRows([&] {
        FillRecordRows(records);
        return true;
    });
}

void CItemGridHelper::FillRecordRows(ItemRecordSpan records) {
    CVSFlexGrid* const grid = Grid();
    if (!grid) return;
    const int mode = Mode();
    int position = 0;
    for (const CItemRecord* record : records) {
        const int index = position++;
        const bool flagged = record->HasFieldError();
        if ((mode == kModeErrorFree && flagged) || (mode == kModeFlagged && !flagged)) {
            continue;
        }
        const int row = AppendRow(record->serial, index, record->deleteFlag == 1);
        FillItemCells(*grid, row, kFirstItemCol, *record, m_zeros);
    }
}
