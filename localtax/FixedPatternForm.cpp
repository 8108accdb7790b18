#include "localtax/FixedPatternForm.h"

#include <string>

#include "common/base/CharCheck.h"
#include "localtax/MessageIds.h"

namespace tx {

namespace {

using F = FixedFormField;
using P = CPatternBase;

constexpr char kNameLabel[] = "変換パターン名";
constexpr char kRecordLengthLabel[] = "変換前データレコード長";
constexpr int kMunicipalityCodeLength = 6;
// The lengths in the order the screen checks them: the payment set before 退職税額.
constexpr int kLengthOrder[] = {
    kMunicipalityName,        kDesignationNumber,  kChangeMark,          kSalaryTaxCount,
    kSalaryTaxAmount,         kRetirementTaxCount, kPaymentCount,        kTaxPaid,
    kRetirementTaxAmount,     kRetirees,           kRetirementAllowance, kMunicipalRetirementTax,
    kPrefecturalRetirementTax};

// Options compared by the change test besides the kind, the name and the item positions.
constexpr int kComparedOptions[] = {P::kRecordLengthOption, P::kZeroCheckOption,
                                    P::kBlankCheckOption, P::kOutputLengthOption,
                                    P::kLineBreakOption};

int Number(const std::string& text) {
    return P::ToInt(text.c_str());
}

FormFault CheckPresence(const FixedPatternForm& form) {
    if (form.name.size() > static_cast<size_t>(P::kNameWidth))
        return Fault(Msg::kTooLong, F::kName, kNameLabel, std::to_string(P::kNameWidth));
    if (form.name.empty()) return Fault(Msg::kRequiredEmpty, F::kName, kNameLabel);
    if (!CCharCheck::HasNoQuoteOrComma(form.name)) return Fault(Msg::kQuoteOrComma, F::kName);
    if (form.recordLength.empty())
        return Fault(Msg::kRequiredEmpty, F::kRecordLength, kRecordLengthLabel);
    const char* code = TaxItemAt(kMunicipalityCode).label;
    if (form.start[kMunicipalityCode].empty())
        return Fault(Msg::kRequiredEmpty, F::StartField(kMunicipalityCode), code);
    if (form.length[kMunicipalityCode].empty())
        return Fault(Msg::kRequiredEmpty, F::LengthField(kMunicipalityCode), code);
    const ItemSetsInUse sets = ItemSetsOf(form);
    for (int k = kMunicipalityCode + 1; k < kItemCount; ++k) {
        const TaxItemSpec& item = TaxItemAt(k);
        const bool hasStart = !form.start[k].empty();
        const bool hasLength = !form.length[k].empty();
        const bool inUse = item.set != kNoItemSet && sets[item.set];
        if (hasStart && !hasLength)
            return Fault(Msg::kRequiredEmpty, F::LengthField(k), item.label);
        if (!hasStart && (hasLength || inUse))
            return Fault(Msg::kRequiredEmpty, F::StartField(k), item.label);
    }
    if (sets[kPaymentSet] && !sets[kSalarySet] && !sets[kRetirementSet])
        return Fault(Msg::kPaymentSetAlone, F::StartField(kSalaryTaxCount) + F::kUnmarked, "入力");
    return {};
}

FormFault CheckStarts(const FixedPatternForm& form) {
    for (int k = 0; k < kItemCount; ++k) {
        if (!form.start[k].empty() && Number(form.start[k]) == 0)
            return Fault(Msg::kZeroStart, F::StartField(k));
    }
    return {};
}

FormFault CheckLengths(const FixedPatternForm& form) {
    if (Number(form.length[kMunicipalityCode]) != kMunicipalityCodeLength)
        return Fault(Msg::kMunicipalityCodeLength, F::LengthField(kMunicipalityCode));
    for (int k : kLengthOrder) {
        const TaxItemSpec& item = TaxItemAt(k);
        const int length = Number(form.length[k]);
        if (length > item.width)
            return Fault(Msg::kTooLong, F::LengthField(k), item.label, std::to_string(item.width));
        if (length == 0 && !form.length[k].empty())
            return Fault(Msg::kZeroLength, F::LengthField(k));
    }
    if (Number(form.recordLength) > P::kMaxRecordLength) {
        return Fault(Msg::kRecordTooLong, F::kRecordLength, kRecordLengthLabel,
                     std::to_string(P::kMaxRecordLength) + " byte");
    }
    return {};
}

}  // namespace

ItemSetsInUse ItemSetsOf(const FixedPatternForm& form) {
    ItemSetsInUse sets{};
    for (int k = 0; k < kItemCount; ++k) {
        const ItemSet set = TaxItemAt(k).set;
        if (set != kNoItemSet && (!form.start[k].empty() || !form.length[k].empty()))
            sets[set] = true;
    }
    if (sets[kSalarySet] || sets[kRetirementSet]) sets[kPaymentSet] = true;
    return sets;
}

FormFault CheckFixedPatternForm(const FixedPatternForm& form) {
    if (FormFault fault = CheckPresence(form)) return fault;
    if (FormFault fault = CheckStarts(form)) return fault;
    return CheckLengths(form);
}

CFixedPattern ToFixedPattern(const FixedPatternForm& form) {
    CFixedPattern p;
    StoreFixedFields(form, kKindCode, kKindName, p);
    const ItemSetsInUse sets = ItemSetsOf(form);
    for (int set = 0; set < kItemSetCount; ++set)
        p.SetField(p.OptionField(ItemSetOption(static_cast<ItemSet>(set))), sets[set] ? "1" : "0");
    return p;
}

void LoadFixedPattern(const CFixedPattern& pattern, FixedPatternForm& form) {
    LoadFixedFields(pattern, form);
}

bool IsFixedPatternModified(const FixedPatternForm& form, const CFixedPattern* reference) {
    return FixedFieldsDiffer(ToFixedPattern(form), reference, kKindCode, kComparedOptions);
}

}  // namespace tx
