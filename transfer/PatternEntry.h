#pragma once
// The short list entry of one stored pattern, by which the screens list and pick patterns.
#include <string>

namespace xf {

class CPatternEntry {
public:
    int kind = 0;       // 1 general, 2 salary/bonus
    int fileClass = 0;  // 1, 2, 3 or 4
    std::string name;
    int index = 0;  // position of the pattern's line in the master
};

}  // namespace xf
