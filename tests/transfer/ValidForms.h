#pragma once
// Settings forms that pass every check, for the tests to change one field at a time.
#include "transfer/FixedPatternForm.h"

namespace xftest {

// A general fixed-length pattern named name: the required items of a valid 100-byte record.
inline xf::FixedPatternForm ValidFixedForm(const char* name) {
    xf::FixedPatternForm f;
    f.name = name;
    f.recordLength = "100";
    const char* positions[][2] = {{"1", "4"}, {"", ""},   {"5", "3"},   {"", ""},
                                  {"8", "1"}, {"9", "7"}, {"16", "30"}, {"46", "10"}};
    for (int k = 0; k < 8; ++k) {
        f.start[k] = positions[k][0];
        f.length[k] = positions[k][1];
    }
    return f;
}

}  // namespace xftest
