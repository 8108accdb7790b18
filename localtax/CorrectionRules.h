#pragma once
// What the local-tax correction grid does to the details without a window: the length of an
// edit, the text an edited count or amount shows, the taking back of a row into its detail and
// the zero and blank rules of the item sets, and the closing count of details in error.
#include <array>
#include <string>

#include "localtax/DataSet.h"
#include "localtax/GridHelper.h"
#include "localtax/ItemCheck.h"

namespace tx {

class CCorrectionRules {
public:
    // The data set gives the zero and blank handling; sets are the item sets of the last read.
    CCorrectionRules(const CDataSet& dataSet, const std::array<bool, kItemSetCount>& sets);

    // Longest text an edit of the grid column takes; 0 for the columns without an item.
    static int EditLimit(int col);

    // An edited count or amount: the text to show in its cell, and the text the detail is
    // compared with.
    struct EditedText {
        std::string shown;
        std::string normalised;
    };
    // Leading zeros removed from digits ("0" when they were all zeros, " " for an emptied cell),
    // checked, and shown with thousands commas when valid, not skipped and not the retirees.
    EditedText NormaliseEdit(int item, const std::string& text) const;

    // Takes a grid row back into its detail: a ticked 削除 only clears the output flag;
    // otherwise the output flag is set and, when the detail was edited, every item in error is
    // checked again from its cell and stored with status 2 (valid) or 0, then the item sets'
    // rules run. An item that is valid keeps its text and status.
    void TakeBackRow(const CGridHelper::Row& row, CDetailRecord& detail) const;

    // The zero and blank handling of the item sets in use, then RestoreIndependentSets.
    void RecheckItemSets(CDetailRecord& detail) const;
    // A set left entirely at zero beside a filled other set is valid; only items that are
    // empty or all digits are made valid again.
    static void RestoreIndependentSets(CDetailRecord& detail);

    // Sets each detail's error flag from its items and the cross-item checks; returns the
    // details taken for output that are left in error.
    static int FinishUpdate(CTaxGroup& group);

private:
    ItemCheckSettings m_check;
};

}  // namespace tx
