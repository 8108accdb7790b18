#include "common/ItemGrid.h"

#include "common/StrUtil.h"
#include "framework/DialogBase.h"
#include "framework/VSFlexGrid.h"

std::vector<GridColumnSpec> ItemGridColumns(std::span<const GridColumnSpec> leading,
                                            std::span<const ItemSpec> items) {
    std::vector<GridColumnSpec> columns(leading.begin(), leading.end());
    for (const ItemSpec& item : items) columns.push_back(item.column);
    return columns;
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
