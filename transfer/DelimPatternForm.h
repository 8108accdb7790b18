#pragma once
// The transfer tool's separated pattern form: the shared form
// (common/patterns/DelimPatternFormBase.h) with the twelve transfer items and the kind of transfer,
// general or salary/bonus, which says whether the pattern carries the general-only items.

#include "common/patterns/DelimPatternFormBase.h"
#include "transfer/DelimPattern.h"
#include "transfer/MessageIds.h"
#include "transfer/TransferItems.h"

namespace xf {

struct DelimPatternForm : DelimPatternFormBase {
    DelimPatternForm() : DelimPatternFormBase(kItemCount) {}

    int kind = 1;  // 1 general, 2 salary/bonus, 0 none chosen

    bool General() const { return kind != 2; }
    // True when the pattern carries item k: every item for a general transfer, all but the
    // general-only ones otherwise.
    bool Carries(int k) const {
        return General() || !TransferItems()[static_cast<size_t>(k)].generalOnly;
    }
};

// The kind a pattern of the form is stored with: "01" general (also when none is chosen) or
// "02" salary/bonus.
DelimPatternKind KindOf(const DelimPatternForm& form);

using ::SampleLineNumber;
using ::SampleSourceLines;

// The name's checks that come before any other: present, and short enough to be stored whole.
// The numbers of the messages of the form's checks.
inline constexpr DelimFormMessages kDelimFormMessages = {
    .noName = Msg::kRequiredEmpty,
    .nameTooLong = Msg::kTooLong,
    .quoteOrComma = Msg::kQuoteOrComma,
    .itemUnassigned = Msg::kItemUnassigned,
    .textTooLong = Msg::kTooLong,
    .setAlone = std::nullopt,
    .setAloneWord = nullptr,
};

FormFault CheckDelimPatternName(const DelimPatternForm& form);

// The first failing check of the name, the required items, the account-type texts and the
// rows, in the screen's order; no fault when all pass.
FormFault ValidateDelimForm(const DelimPatternForm& form);

// The pattern the form stores.
CDelimPattern ToDelimPattern(const DelimPatternForm& form);
// The form of a stored pattern; codes outside their choices choose nothing.
DelimPatternForm FromDelimPattern(const CDelimPatternBase& pattern);

// True when the form differs from reference, or, without a reference, from a cleared form.
bool IsDelimPatternModified(const DelimPatternForm& form, const CDelimPatternBase* reference);

}  // namespace xf
