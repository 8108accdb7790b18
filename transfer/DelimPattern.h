#pragma once
// A pattern for lines separated by comma, TAB or space: each item is taken by its column
// (counted from 0). The item text is what the settings screen showed for that column; it is
// stored and written back, never used for reading.
#include <string>

#include "transfer/PatternBase.h"
#include "transfer/TransferItems.h"

namespace xf {

class CDelimPattern : public CPatternBase {
public:
    struct Column {
        char column[5] = {};  // empty: the item is not taken
        std::string text;
    };
    Column items[kItemCount];

    bool HasColumn(int kind) const { return items[kind].column[0] != '\0'; }
    int ColumnOf(int kind) const { return ToInt(items[kind].column); }

    // The separator of the file class: "," for 1, TAB for 2, " " for 4; empty otherwise.
    const char* Separator() const;

protected:
    std::string GetItemField(int i) const override;
    void SetItemField(int i, std::string_view value) override;
};

}  // namespace xf
