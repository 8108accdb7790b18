#pragma once
// A separated pattern of the transfer tool's twelve items.
#include "common/patterns/DelimPatternBase.h"
#include "transfer/PatternBase.h"
#include "transfer/TransferItems.h"

namespace xf {

class CDelimPattern : public CDelimPatternBase {
public:
    CDelimPattern() : CDelimPatternBase(TransferItems(), kPatternLayout) {}
};

}  // namespace xf
