#include "transfer/FixedPatternForm.h"

#include "common/patterns/FixedPatternChecks.h"
#include "transfer/MessageIds.h"

namespace xf {

namespace {

// Pattern line fields compared by the change test besides the item positions.
constexpr int kComparedFields[] = {0, 3, 31, 28, 29, 32, 33, 34, 35, 36, 37};

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
    for (int k = 0; k < kItemCount; ++k) carried[k] = form.Carries(k);
    return CheckFixedForm({TransferItems(), form.name, form.recordLength, form.start, form.length,
                           carried, form.accountTypes, form.AccountTypeCount()},
                          kFixedFormMessages);
}

CFixedPattern ToFixedPattern(const FixedPatternForm& form) {
    CFixedPattern p;
    p.SetField(0, form.general ? "01" : "02");
    p.SetField(1, form.general ? "総合振込" : "給与振込");
    p.SetField(2, "03");
    p.SetField(3, form.name);
    const int first = kPatternLayout.firstItemField;
    for (int k = 0; k < kItemCount; ++k) {
        if (!form.Carries(k)) continue;
        p.SetField(first + 2 * k, form.start[k]);
        p.SetField(first + 2 * k + 1, form.length[k]);
    }
    p.SetField(28, form.zeroCheck == 2 ? "2" : "1");
    p.SetField(29, form.blankCheck == 2 ? "2" : "1");
    p.SetField(31, form.recordLength);
    for (int i = 0; i < form.AccountTypeCount(); ++i) p.SetField(32 + i, form.accountTypes[i]);
    p.SetField(36, std::to_string(form.outputLength));
    p.SetField(37, form.lineBreak == 1 ? "1" : "0");
    p.SetField(38, "1");
    p.SetField(39, "2");
    return p;
}

void LoadFixedPattern(const CFixedPattern& pattern, FixedPatternForm& form) {
    form.general = pattern.Kind() == kKindGeneral;
    form.name = pattern.name;
    form.recordLength = pattern.recordLength;
    for (int k = 0; k < kItemCount; ++k) {
        form.start[k] = pattern.StartText(k);
        form.length[k] = pattern.LengthText(k);
    }
    form.zeroCheck = pattern.ZeroCheck() == 1 ? 1 : 2;
    form.blankCheck = pattern.BlankCheck() == 1 ? 1 : 2;
    for (int i = 0; i < 4; ++i) form.accountTypes[i] = pattern.GetField(32 + i);
    const int output = pattern.OutputLengthCode();
    if (output >= 1 && output <= 3) form.outputLength = output;
    form.lineBreak = pattern.LineBreak() == 1 ? 1 : 0;
}

bool IsFixedPatternModified(const FixedPatternForm& form, const CFixedPattern* reference) {
    CFixedPattern cleared;
    if (!reference) {
        cleared.SetField(0, "01");
        cleared.SetField(28, "1");
        cleared.SetField(29, "1");
        cleared.SetField(36, "1");
        cleared.SetField(37, "1");
        reference = &cleared;
    }
    const CFixedPattern stored = ToFixedPattern(form);
    for (int field : kComparedFields) {
        if (stored.GetField(field) != reference->GetField(field)) return true;
    }
    for (int k = 0; k < kItemCount; ++k) {
        if (!form.Carries(k)) continue;
        if (stored.StartText(k) != reference->StartText(k) ||
            stored.LengthText(k) != reference->LengthText(k))
            return true;
    }
    return false;
}

}  // namespace xf
