#pragma once
// The direct-debit fixed-length pattern screen's form as text, its checks before a save (those
// that need only the form), and its mapping onto a fixed-length pattern. Every pattern is of the
// one direct-debit kind and carries all ten items and the four account-type texts.
#include <string>

#include "common/base/FormFault.h"
#include "common/patterns/FixedPatternChecks.h"
#include "debit/FixedPattern.h"

namespace db {

// Its fields are the shared ones (account-type texts for the codes 1, 2, 3 and 9).
struct FixedPatternForm : FixedPatternFields {
    FixedPatternForm() : FixedPatternFields(kItemCount) {}
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
