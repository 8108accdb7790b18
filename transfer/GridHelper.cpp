#include "transfer/GridHelper.h"

#include <string>
#include <utility>
#include <vector>

namespace xf {

std::span<const GridColumnSpec> CGridHelper::Columns() {
    static const std::vector<GridColumnSpec> columns = ItemGridColumns(TransferItems());
    return columns;
}

void CGridHelper::Attach(CDataSet* dataSet, CVSFlexGrid* grid, int mode) {
    RecordSource records;
    if (dataSet) records = [dataSet] { return ItemRecordRefs(dataSet->details); };
    AttachGrid(grid, mode, std::move(records));
    SetColumnFlags(dataSet);
}

void CGridHelper::SetColumnFlags(const CDataSet* dataSet) {
    const bool salaryOrBonus =
        dataSet && (dataSet->bonusFlag == 1 || dataSet->transferKind == kKindSalaryBonus);
    if (!salaryOrBonus) return;
    const std::span<const ItemSpec> items = TransferItems();
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].generalOnly) HideColumn(kFirstItemCol + static_cast<int>(i));
    }
}

void CGridHelper::FillRows(const CDetailObList& records) {
    FillRecordRows(ItemRecordRefs(records));
}

std::string CGridHelper::CellText(int kind, std::string_view text, bool flagged) {
    if (kind < 0 || kind >= kItemCount) return std::string(text);
    return ItemCellText(TransferItems()[static_cast<size_t>(kind)], text, flagged, kZeroAmounts);
}

}  // namespace xf
