#pragma once
// The transfer tool's pattern master "mstKORXF301.ini" in memory (see CPatternStoreOf): loaded
// under a progress window.
#include "common/patterns/PatternStoreOf.h"
#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"
#include "transfer/ProgressQuestions.h"

namespace xf {

// The store lists its patterns by the shared pattern entry.
using ::CPatternEntry;
using ::CPatternObList;

// Loaded under a progress window; the path is kept whole.
inline constexpr PatternMasterRules kPatternMasterRules = {
    .layout = kPatternLayout, .progressOnLoad = true, .pathLimit = 0};

class CPatternStore : public CPatternStoreOf<CFixedPattern, CDelimPattern> {
public:
    static constexpr const char* kFileName = "mstKORXF301.ini";

    CPatternStore() : CPatternStoreOf(kPatternMasterRules, nullptr, nullptr, kAbortQuestions) {}
    CPatternStore(CApMsgInfoList* messages, HWND parent)
        : CPatternStoreOf(kPatternMasterRules, messages, parent, kAbortQuestions) {}
};

}  // namespace xf
