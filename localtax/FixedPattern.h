#pragma once
// A fixed-length pattern of the fourteen local-tax items.
#include "common/patterns/FixedPatternBase.h"
#include "localtax/PatternBase.h"
#include "localtax/TaxItems.h"

namespace tx {

class CFixedPattern : public CFixedPatternBase {
public:
    CFixedPattern() : CFixedPatternBase(PatternItems(), kPatternLayout) {}
};

}  // namespace tx
