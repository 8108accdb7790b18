#pragma once
// The local-tax fixed-length pattern screen's form as text, its checks before a save (those that
// need only the form), and its mapping onto a fixed-length pattern. The counts and amounts come
// in three item sets (TaxItems.h): a set is in use as soon as one of its starts or lengths is
// given, and the payment set is in use whenever the salary or the retirement set is; the items
// of a set in use must all be placed.
#include <array>
#include <string>

#include "common/base/FormFault.h"
#include "common/patterns/FixedPatternChecks.h"
#include "localtax/FixedPattern.h"

namespace tx {

// Its fields are the shared ones; the tool has no account types.
struct FixedPatternForm : FixedPatternFields {
    FixedPatternForm() : FixedPatternFields(kItemCount) {}
};

// The sets in use by the form, in ItemSet order.
using ItemSetsInUse = std::array<bool, kItemSetCount>;
ItemSetsInUse ItemSetsOf(const FixedPatternForm& form);

// The first failing check of the name, the presence of the fields, the start positions and the
// lengths, in the screen's order (fields as FixedFormField numbers them); no fault when all pass.
// The payment set alone is refused with the focus on the first salary item, which is not marked.
FormFault CheckFixedPatternForm(const FixedPatternForm& form);

// The pattern the form stores, with the flags of the sets in use.
CFixedPattern ToFixedPattern(const FixedPatternForm& form);
// Fills form from a stored pattern; an output length code other than 1 to 3 leaves the form's.
void LoadFixedPattern(const CFixedPattern& pattern, FixedPatternForm& form);

// True when the form, as it would be stored, differs from reference, or, without a reference,
// from a cleared form. The set flags follow the positions and are not compared.
bool IsFixedPatternModified(const FixedPatternForm& form, const CFixedPattern* reference);

}  // namespace tx
