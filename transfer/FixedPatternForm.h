#pragma once
// The fixed-length pattern screen's form as text, its checks before a save (those that need
// only the form), and its mapping onto a fixed-length pattern.

#include "common/base/FormFault.h"
#include "common/patterns/FixedPatternChecks.h"
#include "transfer/FixedPattern.h"
#include "transfer/TransferItems.h"

namespace xf {

struct FixedPatternForm : FixedPatternFields {
    // Fields of a fault: the name, the record length, the start and length of item k, the
    // account-type text i (codes 1, 2, 4, 9).
    enum Field {
        kNone = FixedFormField::kNone,
        kName = FixedFormField::kName,
        kRecordLength = FixedFormField::kRecordLength
    };
    static constexpr int StartField(int k) { return FixedFormField::StartField(k); }
    static constexpr int LengthField(int k) { return FixedFormField::LengthField(k); }
    static constexpr int AccountTypeField(int i) { return FixedFormField::AccountTypeField(i); }

    FixedPatternForm() : FixedPatternFields(kItemCount) {}

    bool general = true;  // else salary/bonus

    // True when the pattern carries item k: every item for a general transfer, all but the
    // general-only ones otherwise.
    bool Carries(int k) const {
        return general || !TransferItems()[static_cast<size_t>(k)].generalOnly;
    }
    // Account-type texts the pattern carries: codes 1, 2, 4 and 9 for a general transfer, 1
    // and 2 otherwise.
    int AccountTypeCount() const { return general ? 4 : 2; }
};

// The first failing check of the name, the presence of every field, the start positions and the
// lengths, in the screen's order; no fault when all pass.
FormFault CheckFixedPatternForm(const FixedPatternForm& form);

// The pattern the form stores.
CFixedPattern ToFixedPattern(const FixedPatternForm& form);
// Fills form from a stored pattern; an output length code other than 1 to 3 leaves the form's.
void LoadFixedPattern(const CFixedPattern& pattern, FixedPatternForm& form);

// True when the form, as it would be stored, differs from reference, or, without a reference,
// from a cleared form.
bool IsFixedPatternModified(const FixedPatternForm& form, const CFixedPattern* reference);

}  // namespace xf
