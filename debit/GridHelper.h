#pragma once
// The grid of the direct-debit correction and check screens: the three leading columns and the
// ten items in columns 3 to 12 (grid column = item + 3), one row per detail record that the
// display mode admits, the cells of items in error or warning painted yellow. No item column
// is ever hidden.
#include <array>

#include "common/items/ItemGrid.h"
#include "debit/DataSet.h"

namespace db {

class CGridHelper : public CItemGridHelper {
public:
    static constexpr int kColumnCount = kFirstItemCol + kItemCount;

    // An amount of zeros shows "0", flagged or not.
    CGridHelper() : CItemGridHelper(DebitItems(), ZeroAmountCell::kZero) {}

    // Stores the three and shows every column but the list position and, in the error-free
    // mode, the delete box.
    void Attach(CDataSet* dataSet, CVSFlexGrid* grid, int mode);

    // Whether each of the ten items is in error or warning; true when any is.
    static bool GetErrorFlags(const CDetailRecord& record, std::array<bool, kItemCount>& flags) {
        return CItemGridHelper::GetErrorFlags(record, flags);
    }
};

}  // namespace db
