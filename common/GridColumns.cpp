#include "common/GridColumns.h"

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
