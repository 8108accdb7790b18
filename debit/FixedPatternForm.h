#pragma once
// The direct-debit fixed-length pattern screen's form as text, its checks before a save (those
// that need only the form), and its mapping onto a fixed-length pattern. Every pattern is of the
// one direct-debit kind and carries all ten items and the four account-type texts.
#include <string>

#include "common/FixedPatternChecks.h"
#include "common/FormFault.h"
#include "debit/FixedPattern.h"

namespace db {

struct FixedPatternForm {
    std::string name;
    std::string recordLength;
    std::string start[kItemCount];
    std::string length[kItemCount];
    int zeroCheck = 1;   // 1 error, 2 skip
    int blankCheck = 1;  // 1 error, 2 skip
    std::string accountTypes[CPatternBase::kAccountTypeCount];  // codes 1, 2, 3, 9
    int outputLength = 1;  // 1 120, 2 126, 3 128 bytes
    int lineBreak = 1;     // 1 with, 0 without
};

// The first failing check of the name, the presence of every field, the start positions and the
// lengths, in the screen's order (fields as FixedFormField numbers them); no fault when all pass.
FormFault CheckFixedPatternForm(const FixedPatternForm& form);

// The pattern the form stores.
CFixedPattern ToFixedPattern(const FixedPatternForm& form);
// Fills form from a stored pattern; an output length code other than 1 to 3 leaves the form's.
void LoadFixedPattern(const CFixedPattern& pattern, FixedPatternForm& form);

// True when the form, as it would be stored, differs from reference, or, without a reference,
// from a cleared form.
bool IsFixedPatternModified(const FixedPatternForm& form, const CFixedPattern* reference);

}  // namespace db
