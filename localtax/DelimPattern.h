#pragma once
// A pattern of the fourteen local-tax items for lines separated by comma, TAB or space.
#include "common/patterns/DelimPatternBase.h"
#include "localtax/PatternBase.h"
#include "localtax/TaxItems.h"

namespace tx {

class CDelimPattern : public CDelimPatternBase {
public:
    CDelimPattern() : CDelimPatternBase(PatternItems(), kPatternLayout) {}
};

}  // namespace tx
