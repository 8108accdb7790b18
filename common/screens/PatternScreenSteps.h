#pragma once
// The steps that the pattern settings screens of every tool (fixed length and separated) take
// alike: listing the stored patterns of their shape, saving the form's pattern after asking, and
// deleting the pattern named in the name field after asking. Each outcome is shown in a box
// owned by the screen.
#include <functional>
#include <string>

#include "common/base/MessageId.h"
#include "framework/EditableNameList.h"

class CPatternLineStore;
class CScreenBase;

// A message of a step: its id and words.
struct StepMessage {
    kor::MessageId id;
    const char* word1 = nullptr;
    const char* word2 = nullptr;
};

// The messages of the steps; each tool numbers them its own way.
struct PatternStepMessages {
    StepMessage replaceQuestion;
    StepMessage addQuestion;
    StepMessage stored;
    StepMessage saveFailed;  // the master could not be written
    StepMessage deleteQuestion;
    StepMessage deleteFailed;
};

// The screen a step works for, which shows its messages, and the store; neither is owned.
struct PatternScreenOf {
    const CScreenBase* screen;
    CPatternLineStore* store;
    const PatternStepMessages& messages;
};

// Fills names with the stored patterns of one shape, each item's data its position in the store.
void FillPatternNameList(kor::CEditableNameList& names, const CPatternLineStore* store,
                         bool fixedLength);

// Asks before adding the pattern called name or replacing the stored one of its name and shape
// (shapeFilter as CPatternLineStore::Find takes it), stores it through save (given the index to
// replace, or -1 to append; 1 when written) and reports the outcome: true when stored.
bool SavePatternAfterAsking(const PatternScreenOf& screen, const std::string& name, int shapeFilter,
                            const std::function<int(int)>& save);

// Deletes, after asking, the stored pattern whose item bears the name field's text: true when
// deleted.
bool DeletePatternAfterAsking(const PatternScreenOf& screen, const kor::CEditableNameList& names);
