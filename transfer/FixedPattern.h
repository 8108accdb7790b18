#pragma once
// A fixed-length pattern of the transfer tool's twelve items.
#include "common/patterns/FixedPatternBase.h"
#include "transfer/PatternBase.h"
#include "transfer/TransferItems.h"

namespace xf {

class CFixedPattern : public CFixedPatternBase {
public:
    CFixedPattern() : CFixedPatternBase(TransferItems(), kPatternLayout) {}
};

}  // namespace xf
