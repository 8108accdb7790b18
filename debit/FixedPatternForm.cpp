#include "debit/FixedPatternForm.h"

#include <string>

namespace db {

namespace {

using P = CPatternBase;

constexpr char kKindCode[] = "03";
constexpr char kKindName[] = "口座振込";

// The number of identity field i (kind code, kind name, file class, name).
int IdentityField(int i) {
    return kPatternLayout.firstFieldNumber + i;
}

// Option fields compared by the change test besides the kind, the name and the item positions.
constexpr int kComparedOptions[] = {
    P::kRecordLengthOption,         P::kZeroCheckOption,
    P::kBlankCheckOption,           P::kFirstAccountTypeOption,
    P::kFirstAccountTypeOption + 1, P::kFirstAccountTypeOption + 2,
    P::kFirstAccountTypeOption + 3, P::kOutputLengthOption,
    P::kLineBreakOption};

}  // namespace

FormFault CheckFixedPatternForm(const FixedPatternForm& form) {
    bool carried[kItemCount];
    for (bool& c : carried) c = true;
    return CheckFixedForm({DebitItems(), form.name, form.recordLength, form.start, form.length,
                           carried, form.accountTypes, P::kAccountTypeCount},
                          102);
}

CFixedPattern ToFixedPattern(const FixedPatternForm& form) {
    CFixedPattern p;
    p.SetField(IdentityField(0), kKindCode);
    p.SetField(IdentityField(1), kKindName);
    p.SetField(IdentityField(2), "03");
    p.SetField(IdentityField(3), form.name);
    for (int k = 0; k < kItemCount; ++k) {
        p.SetField(kPatternLayout.firstItemField + 2 * k, form.start[k]);
        p.SetField(kPatternLayout.firstItemField + 2 * k + 1, form.length[k]);
    }
    p.SetField(p.OptionField(P::kZeroCheckOption), form.zeroCheck == 2 ? "2" : "1");
    p.SetField(p.OptionField(P::kBlankCheckOption), form.blankCheck == 2 ? "2" : "1");
    p.SetField(p.OptionField(P::kRecordLengthOption), form.recordLength);
    for (int i = 0; i < P::kAccountTypeCount; ++i)
        p.SetField(p.OptionField(P::kFirstAccountTypeOption + i), form.accountTypes[i]);
    p.SetField(p.OptionField(P::kOutputLengthOption), std::to_string(form.outputLength));
    p.SetField(p.OptionField(P::kLineBreakOption), form.lineBreak == 1 ? "1" : "0");
    p.SetField(p.OptionField(P::kTitleRowsOption), "1");
    p.SetField(p.OptionField(P::kDataRowOption), "2");
    return p;
}

void LoadFixedPattern(const CFixedPattern& pattern, FixedPatternForm& form) {
    form.name = pattern.name;
    form.recordLength = pattern.recordLength;
    for (int k = 0; k < kItemCount; ++k) {
        form.start[k] = pattern.StartText(k);
        form.length[k] = pattern.LengthText(k);
    }
    form.zeroCheck = pattern.ZeroCheck() == 1 ? 1 : 2;
    form.blankCheck = pattern.BlankCheck() == 1 ? 1 : 2;
    for (int i = 0; i < P::kAccountTypeCount; ++i) form.accountTypes[i] = pattern.accountTypeCodes[i];
    const int output = pattern.OutputLengthCode();
    if (output >= 1 && output <= 3) form.outputLength = output;
    form.lineBreak = pattern.LineBreak() == 1 ? 1 : 0;
}

bool IsFixedPatternModified(const FixedPatternForm& form, const CFixedPattern* reference) {
    CFixedPattern cleared;
    if (!reference) {
        cleared.SetField(IdentityField(0), kKindCode);
        cleared.SetField(cleared.OptionField(P::kZeroCheckOption), "1");
        cleared.SetField(cleared.OptionField(P::kBlankCheckOption), "1");
        cleared.SetField(cleared.OptionField(P::kOutputLengthOption), "1");
        cleared.SetField(cleared.OptionField(P::kLineBreakOption), "1");
        reference = &cleared;
    }
    const CFixedPattern stored = ToFixedPattern(form);
    for (int field : {IdentityField(0), IdentityField(3)}) {
        if (stored.GetField(field) != reference->GetField(field)) return true;
    }
    for (int option : kComparedOptions) {
        const int field = stored.OptionField(option);
        if (stored.GetField(field) != reference->GetField(field)) return true;
    }
    for (int k = 0; k < kItemCount; ++k) {
        if (stored.StartText(k) != reference->StartText(k) ||
            stored.LengthText(k) != reference->LengthText(k))
            return true;
    }
    return false;
}

}  // namespace db
