#pragma once
// A pattern for fixed-length records: each item is cut from the record by its 1-based start
// byte and its length. An item whose start or length is empty is not taken from the input.
#include "transfer/PatternBase.h"
#include "transfer/TransferItems.h"

namespace xf {

class CFixedPattern : public CPatternBase {
public:
    // Widths of the length fields, per item (the start fields are 4 wide).
    static constexpr int kLengthWidth[kItemCount] = {4, 50, 4, 50, 20, 7, 50, 10, 10, 10, 20, 10};

    struct Position {
        char start[5] = {};
        char length[51] = {};
    };
    Position items[kItemCount];

    int Start(int kind) const { return ToInt(items[kind].start); }
    int Length(int kind) const { return ToInt(items[kind].length); }
    // True when the item has both a start and a length text.
    bool HasPosition(int kind) const { return items[kind].start[0] && items[kind].length[0]; }

protected:
    std::string GetItemField(int i) const override;
    void SetItemField(int i, std::string_view value) override;
};

}  // namespace xf
