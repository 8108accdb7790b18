#pragma once
// The local-tax pattern master "mstKORTX301.ini" in memory (see CPatternStoreOf). It is loaded
// without a progress window and keeps a path to 260 bytes. A master that is not there loads as
// an empty one; one that is there but cannot be read is refused and never written over.
#include "common/patterns/PatternStoreOf.h"
#include "localtax/DelimPattern.h"
#include "localtax/FixedPattern.h"

namespace tx {

inline constexpr PatternMasterRules kPatternMasterRules = {
    .layout = kPatternLayout, .progressOnLoad = false, .pathLimit = 260, .missingIsEmpty = true};

class CPatternStore : public CPatternStoreOf<CFixedPattern, CDelimPattern> {
public:
    static constexpr const char* kFileName = "mstKORTX301.ini";

    CPatternStore() : CPatternStoreOf(kPatternMasterRules) {}
};

}  // namespace tx
