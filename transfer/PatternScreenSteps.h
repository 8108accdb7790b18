#pragma once
// The steps of the transfer tool's fixed-length pattern screen over the shared ones:
// listing the stored patterns of their shape, saving the form's pattern after asking, and
// deleting the pattern named in the name field after asking. Each outcome is shown in a box
// owned by the screen.
#include "framework/EditableNameList.h"

class CScreenBase;

namespace xf {

class CFixedPattern;
class CPatternStore;

// The screen a step works for, which shows its messages, and the store; neither is owned.
struct PatternScreen {
    const CScreenBase* screen = nullptr;
    CPatternStore* store = nullptr;
};

// Fills names with the stored patterns of one shape, each item's data its position in the store.
void FillPatternNames(kor::CEditableNameList& names, const CPatternStore* store, bool fixedLength);

// Asks before adding pattern or replacing the stored pattern of its name and shape, stores it and
// reports the outcome: true when stored.
bool SavePatternAsked(const PatternScreen& screen, const CFixedPattern& pattern);

// Deletes, after asking, the stored pattern whose item bears the name field's text: true when
// deleted.
bool DeleteNamedPatternAsked(const PatternScreen& screen, const kor::CEditableNameList& names);

}  // namespace xf
