#include "common/patterns/FixedPatternChecks.h"

#include "common/base/CharCheck.h"
#include "common/patterns/PatternBase.h"

namespace {

using F = FixedFormField;

constexpr char kNameLabel[] = "変換パターン名";
constexpr char kRecordLengthLabel[] = "変換前データレコード長";
constexpr char kAccountTypeLabel[] = "変換前科目";

int Number(const std::string& text) {
    return CPatternBase::ToInt(text.c_str());
}

int ItemCount(const FixedFormText& form) {
    return static_cast<int>(form.items.size());
}

FormFault CheckPresence(const FixedFormText& form, const FixedFormMessages& m) {
    if (form.name.size() > static_cast<size_t>(CPatternBase::kNameWidth))
        return Fault(m.tooLong, F::kName, kNameLabel, "74");
    if (form.name.empty()) return Fault(m.requiredEmpty, F::kName, kNameLabel);
    if (!CCharCheck::HasNoQuoteOrComma(form.name)) return Fault(m.quoteOrComma, F::kName);
    if (form.recordLength.empty())
        return Fault(m.requiredEmpty, F::kRecordLength, kRecordLengthLabel);
    for (int k = 0; k < ItemCount(form); ++k) {
        if (!form.carried[k]) continue;
        const ItemSpec& item = form.items[k];
        const bool hasStart = !form.start[k].empty();
        const bool hasLength = !form.length[k].empty();
        const char* name = PresenceName(item);
        if (!item.optionalInFixed) {
            if (!hasStart) return Fault(m.requiredEmpty, F::StartField(k), name);
            if (!hasLength) return Fault(m.requiredEmpty, F::LengthField(k), name);
        } else {
            if (hasStart && !hasLength) return Fault(m.requiredEmpty, F::LengthField(k), name);
            if (!hasStart && hasLength) return Fault(m.requiredEmpty, F::StartField(k), name);
        }
    }
    for (size_t i = 0; i < form.accountTypes.size(); ++i) {
        const std::string& text = form.accountTypes[i];
        const int field = F::AccountTypeField(static_cast<int>(i));
        if (static_cast<int>(i) < form.storedAccountTypes &&
            text.size() > static_cast<size_t>(CPatternBase::kAccountTypeWidth))
            return Fault(m.tooLong, field, kAccountTypeLabel,
                         std::to_string(CPatternBase::kAccountTypeWidth));
        if (!CCharCheck::HasNoQuoteOrComma(text)) return Fault(m.quoteOrComma, field);
    }
    return {};
}

FormFault CheckStarts(const FixedFormText& form, const FixedFormMessages& m) {
    for (int k = 0; k < ItemCount(form); ++k) {
        if (form.carried[k] && !form.start[k].empty() && Number(form.start[k]) == 0)
            return Fault(m.zeroStart, F::StartField(k));
    }
    return {};
}

FormFault CheckLengths(const FixedFormText& form, const FixedFormMessages& m) {
    for (int k = 0; k < ItemCount(form); ++k) {
        if (!form.carried[k]) continue;
        const ItemSpec& item = form.items[k];
        const int length = Number(form.length[k]);
        if (length > item.recordWidth)
            return Fault(m.tooLong, F::LengthField(k), LengthName(item),
                         std::to_string(item.recordWidth));
        if (length == 0 && (!item.optionalInFixed || !form.length[k].empty()))
            return Fault(m.zeroLength, F::LengthField(k));
    }
    if (Number(form.recordLength) > CPatternBase::kMaxRecordLength) {
        return Fault(m.recordTooLong, F::kRecordLength, kRecordLengthLabel,
                     std::to_string(CPatternBase::kMaxRecordLength) + " byte");
    }
    return {};
}

}  // namespace

FormFault CheckFixedForm(const FixedFormText& form, const FixedFormMessages& messages) {
    if (FormFault fault = CheckPresence(form, messages)) return fault;
    if (FormFault fault = CheckStarts(form, messages)) return fault;
    return CheckLengths(form, messages);
}

int LengthDigitsOf(const ItemSpec& item) {
    return static_cast<int>(std::to_string(item.recordWidth).size());
}

namespace {

// The number of identity field i (kind code, kind name, file class, name).
int IdentityField(const CPatternBase& pattern, int i) {
    return pattern.Layout().firstFieldNumber + i;
}

}  // namespace

void StoreFixedFields(const FixedPatternFields& form, const char* kindCode, const char* kindName,
                      CFixedPatternBase& p) {
    using P = CPatternBase;
    p.SetField(IdentityField(p, 0), kindCode);
    p.SetField(IdentityField(p, 1), kindName);
    p.SetField(IdentityField(p, 2), "03");
    p.SetField(IdentityField(p, 3), form.name);
    const int first = p.Layout().firstItemField;
    for (size_t k = 0; k < form.start.size(); ++k) {
        p.SetField(first + 2 * static_cast<int>(k), form.start[k]);
        p.SetField(first + 2 * static_cast<int>(k) + 1, form.length[k]);
    }
    p.SetField(p.OptionField(P::kZeroCheckOption), form.zeroCheck == 2 ? "2" : "1");
    p.SetField(p.OptionField(P::kBlankCheckOption), form.blankCheck == 2 ? "2" : "1");
    p.SetField(p.OptionField(P::kRecordLengthOption), form.recordLength);
    p.SetField(p.OptionField(P::kOutputLengthOption), std::to_string(form.outputLength));
    p.SetField(p.OptionField(P::kLineBreakOption), form.lineBreak == 1 ? "1" : "0");
    p.SetField(p.OptionField(P::kTitleRowsOption), "1");
    p.SetField(p.OptionField(P::kDataRowOption), "2");
}

void LoadFixedFields(const CFixedPatternBase& pattern, FixedPatternFields& form) {
    form.name = pattern.name;
    form.recordLength = pattern.recordLength;
    for (size_t k = 0; k < form.start.size(); ++k) {
        form.start[k] = pattern.StartText(static_cast<int>(k));
        form.length[k] = pattern.LengthText(static_cast<int>(k));
    }
    form.zeroCheck = pattern.ZeroCheck() == 1 ? 1 : 2;
    form.blankCheck = pattern.BlankCheck() == 1 ? 1 : 2;
    const int output = pattern.OutputLengthCode();
    if (output >= 1 && output <= 3) form.outputLength = output;
    form.lineBreak = pattern.LineBreak() == 1 ? 1 : 0;
}

bool FixedFieldsDiffer(const CFixedPatternBase& a, const CFixedPatternBase* reference,
                       const char* kindCode, std::span<const int> options,
                       std::span<const bool> carried) {
    using P = CPatternBase;
    CFixedPatternBase cleared(a.Items(), a.Layout());
    if (!reference) {
        cleared.SetField(IdentityField(cleared, 0), kindCode);
        for (int option : {P::kZeroCheckOption, P::kBlankCheckOption, P::kOutputLengthOption,
                           P::kLineBreakOption})
            cleared.SetField(cleared.OptionField(option), "1");
        reference = &cleared;
    }
    const CFixedPatternBase& b = *reference;
    for (int field : {IdentityField(a, 0), IdentityField(a, 3)}) {
        if (a.GetField(field) != b.GetField(field)) return true;
    }
    for (int option : options) {
        const int field = a.OptionField(option);
        if (a.GetField(field) != b.GetField(field)) return true;
    }
    const int count = static_cast<int>(a.Items().size());
    for (int k = 0; k < count; ++k) {
        if (!carried.empty() && !carried[static_cast<size_t>(k)]) continue;
        if (a.StartText(k) != b.StartText(k) || a.LengthText(k) != b.LengthText(k)) return true;
    }
    return false;
}
