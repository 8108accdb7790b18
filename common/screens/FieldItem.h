#pragma once
// One row of the item list of a separated-pattern settings screen.
#include <string>

class CFieldItem {
public:
    std::string itemName;  // label as listed, e.g. "振込金額        (必須) ："
    int column = 0;        // assigned input column; the screen uses -1 for none
    std::string text;      // text of the assigned column
    int generalOnly = 0;   // 1 for items that only some kinds carry
};
