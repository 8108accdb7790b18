#pragma once
// The direct-debit pattern master "mstKORDB301.ini" in memory (see CPatternStoreOf). It is
// loaded without a progress window, and a path is kept to 259 bytes.
#include "common/patterns/PatternStoreOf.h"
#include "debit/DelimPattern.h"
#include "debit/FixedPattern.h"

namespace db {

class CPatternStore : public CPatternStoreOf<CFixedPattern, CDelimPattern> {
public:
    static constexpr const char* kFileName = "mstKORDB301.ini";

    CPatternStore()
        : CPatternStoreOf(PatternMasterRules{
              .layout = kPatternLayout, .progressOnLoad = false, .pathLimit = 259}) {}
};

}  // namespace db
