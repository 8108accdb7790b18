#pragma once
// A grid's columns as data: each tool's grid helper keeps one table of these and sets up its
// grid from it, so the tools differ only in their tables.
#include <span>

class CVSFlexGrid;

struct GridColumnSpec {
    const char* title;  // CP932, shown in the title row
    int dataType;       // CVSFlexGrid::kTypeText or kTypeCheckBox
    int widthTwips;
    int alignment;  // CVSFlexGrid::kAlignLeft, kAlignCenter or kAlignRight
};

// Empties the grid and leaves it with the title row only and one column per entry of columns,
// in table order; hidden (one flag per column, missing flags read as shown) hides columns.
void SetupGridColumns(CVSFlexGrid& grid, std::span<const GridColumnSpec> columns,
                      std::span<const bool> hidden);
