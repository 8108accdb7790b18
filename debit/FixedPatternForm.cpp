#include "debit/FixedPatternForm.h"

#include <string>

#include "debit/MessageIds.h"
namespace db {

namespace {

using P = CPatternBase;

constexpr char kKindCode[] = "03";
constexpr char kKindName[] = "口座振込";

// Option fields compared by the change test besides the kind, the name and the item positions.
constexpr int kComparedOptions[] = {P::kRecordLengthOption,
                                    P::kZeroCheckOption,
                                    P::kBlankCheckOption,
                                    P::kFirstAccountTypeOption,
                                    P::kFirstAccountTypeOption + 1,
                                    P::kFirstAccountTypeOption + 2,
                                    P::kFirstAccountTypeOption + 3,
                                    P::kOutputLengthOption,
                                    P::kLineBreakOption};

}  // namespace

constexpr FixedFormMessages kFixedFormMessages = {
    .requiredEmpty = Msg::kRequiredEmpty,
    .tooLong = Msg::kTooLong,
    .quoteOrComma = Msg::kQuoteOrComma,
    .zeroStart = Msg::kZeroStart,
    .zeroLength = Msg::kZeroLength,
    .recordTooLong = Msg::kRecordTooLong,
};

FormFault CheckFixedPatternForm(const FixedPatternForm& form) {
    bool carried[kItemCount];
    for (bool& c : carried) c = true;
    return CheckFixedForm({DebitItems(), form.name, form.recordLength, form.start, form.length,
                           carried, form.accountTypes, P::kAccountTypeCount},
                          kFixedFormMessages);
}

CFixedPattern ToFixedPattern(const FixedPatternForm& form) {
    CFixedPattern p;
    StoreFixedFields(form, kKindCode, kKindName, p);
    for (int i = 0; i < P::kAccountTypeCount; ++i)
        p.SetField(p.OptionField(P::kFirstAccountTypeOption + i), form.accountTypes[i]);
    return p;
}

void LoadFixedPattern(const CFixedPattern& pattern, FixedPatternForm& form) {
    LoadFixedFields(pattern, form);
    for (int i = 0; i < P::kAccountTypeCount; ++i)
        form.accountTypes[i] = pattern.accountTypeCodes[i];
}

bool IsFixedPatternModified(const FixedPatternForm& form, const CFixedPattern* reference) {
    return FixedFieldsDiffer(ToFixedPattern(form), reference, kKindCode, kComparedOptions);
}

}  // namespace db
