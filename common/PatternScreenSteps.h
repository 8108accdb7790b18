#pragma once
// The steps that the pattern settings screens of every tool (fixed length and separated) take
// alike: listing the stored patterns of their shape, saving the form's pattern after asking, and
// deleting the pattern named in the name field after asking. Each outcome is shown in a box
// owned by the screen.
#include <functional>
#include <string>

#include "framework/EditableNameList.h"

class CPatternLineStore;
class CScreenBase;

// The screen a step works for, which shows its messages, and the store; neither is owned.
struct PatternScreenOf {
    const CScreenBase* screen = nullptr;
    CPatternLineStore* store = nullptr;
};

// A message with its words (null for none).
struct PatternStepMessage {
    int id;
    const char* word1 = nullptr;
    const char* word2 = nullptr;
};

// The messages of a save and a delete that the tools number differently: the question before
// replacing a stored pattern, the report of a stored one (its words are the same everywhere) and
// the reports of a save and of a delete that could not write the master.
struct PatternStepMessages {
    int replace = 16;
    int stored = 110;
    PatternStepMessage saveFailed = {104, "更新処理"};
    PatternStepMessage deleteFailed = {104, "削除処理"};
};
// The numbers of the transfer and direct-debit tools.
inline const PatternStepMessages kPatternStepMessages{};

// Fills names with the stored patterns of one shape, each item's data its position in the store.
void FillPatternNameList(kor::CEditableNameList& names, const CPatternLineStore* store,
                         bool fixedLength);

// Asks before adding the pattern called name or replacing the stored one of its name and shape
// (shapeFilter as CPatternLineStore::Find takes it), stores it through save (given the index to
// replace, or -1 to append; 1 when written) and reports the outcome: true when stored.
bool SavePatternAfterAsking(const PatternScreenOf& screen, const std::string& name,
                            int shapeFilter, const std::function<int(int)>& save,
                            const PatternStepMessages& messages = kPatternStepMessages);

// Deletes, after asking, the stored pattern whose item bears the name field's text: true when
// deleted.
bool DeletePatternAfterAsking(const PatternScreenOf& screen, const kor::CEditableNameList& names,
                              const PatternStepMessages& messages = kPatternStepMessages);
