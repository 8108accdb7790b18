#pragma once
// A pattern of the ten direct-debit items for lines separated by comma, TAB or space.
#include "common/patterns/DelimPatternBase.h"
#include "debit/DebitItems.h"
#include "debit/PatternBase.h"

namespace db {

class CDelimPattern : public CDelimPatternBase {
public:
    CDelimPattern() : CDelimPatternBase(DebitItems(), kPatternLayout) {}
};

}  // namespace db
