#pragma once
// A fixed-length pattern of the ten direct-debit items.
#include "common/patterns/FixedPatternBase.h"
#include "debit/DebitItems.h"
#include "debit/PatternBase.h"

namespace db {

class CFixedPattern : public CFixedPatternBase {
public:
    CFixedPattern() : CFixedPatternBase(DebitItems(), kPatternLayout) {}
};

}  // namespace db
