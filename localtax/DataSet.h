#pragma once
// One converted local-tax file: its groups (the reader builds one; the output engine one per
// output file) and the output settings the pattern gave.
#include <cstdint>

#include "localtax/TaxGroup.h"

namespace tx {

class CDataSet {
public:
    CTaxGroupObList groups;
    // How the correction screen's checker treats a zero or blank amount: copied from the
    // pattern when it says 1 or 2; 0 otherwise.
    std::int16_t zeroAmount = 0;
    std::int16_t blankAmount = 0;
    std::int16_t recordLengthKind = 1;  // 1, 2, 3: 120, 126, 128 bytes a record
    std::int16_t lineBreak = 1;         // 1: CR LF after every record
};

}  // namespace tx
