#pragma once
// Short names for writing a tool's item table one row a line.
#include "common/items/ItemSpec.h"
#include "framework/VSFlexGrid.h"

namespace item_table {

inline constexpr int kText = CVSFlexGrid::kTypeText;
inline constexpr int kLeft = CVSFlexGrid::kAlignLeft;
inline constexpr int kRight = CVSFlexGrid::kAlignRight;
inline constexpr ItemNeed kOptional = ItemNeed::kOptional;
inline constexpr ItemNeed kRequired = ItemNeed::kRequired;
inline constexpr ItemNeed kWithoutName = ItemNeed::kRequiredWithoutName;

}  // namespace item_table
