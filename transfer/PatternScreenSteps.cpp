#include "transfer/PatternScreenSteps.h"

#include "common/PatternScreenSteps.h"
#include "transfer/PatternStore.h"

namespace xf {

namespace {

PatternScreenOf Shared(const PatternScreen& screen) {
    return {screen.screen, screen.store};
}

}  // namespace

void FillPatternNames(kor::CEditableNameList& names, const CPatternStore* store, bool fixedLength) {
    FillPatternNameList(names, store, fixedLength);
}

bool SavePatternAsked(const PatternScreen& screen, const CFixedPattern& pattern) {
    return SavePatternAfterAsking(Shared(screen), pattern.name, 1,
                                  [&](int index) { return screen.store->SaveFixed(index, pattern); });
}

bool DeleteNamedPatternAsked(const PatternScreen& screen, const kor::CEditableNameList& names) {
    return DeletePatternAfterAsking(Shared(screen), names);
}

}  // namespace xf
