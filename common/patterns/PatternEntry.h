#pragma once
// The short list entry of one stored pattern, by which the screens list and pick patterns.
#include <string>

class CPatternEntry {
public:
    int kind = 0;       // the transfer or collection kind the pattern is for
    int fileClass = 0;  // the shape of the customer's file
    std::string name;
    int index = 0;  // position of the pattern's line in the master
};
