#include "common/FixedPatternChecks.h"

#include "common/CharCheck.h"
#include "common/PatternBase.h"

namespace {

using F = FixedFormField;

constexpr char kNameLabel[] = "変換パターン名";
constexpr char kRecordLengthLabel[] = "変換前データレコード長";
constexpr char kAccountTypeLabel[] = "変換前科目";

int Number(const std::string& text) {
    return CPatternBase::ToInt(text.c_str());
}

FormFault Fault(int message, int field, std::string word1 = {}, std::string word2 = {}) {
    return FormFault{message, std::move(word1), std::move(word2), field};
}

int ItemCount(const FixedFormText& form) {
    return static_cast<int>(form.items.size());
}

FormFault CheckPresence(const FixedFormText& form) {
    if (form.name.size() > static_cast<size_t>(CPatternBase::kNameWidth))
        return Fault(48, F::kName, kNameLabel, "74");
    if (form.name.empty()) return Fault(10, F::kName, kNameLabel);
    if (!CCharCheck::HasNoQuoteOrComma(form.name)) return Fault(108, F::kName);
    if (form.recordLength.empty()) return Fault(10, F::kRecordLength, kRecordLengthLabel);
    for (int k = 0; k < ItemCount(form); ++k) {
        if (!form.carried[k]) continue;
        const ItemSpec& item = form.items[k];
        const bool hasStart = !form.start[k].empty();
        const bool hasLength = !form.length[k].empty();
        const char* name = PresenceName(item);
        if (!item.optionalInFixed) {
            if (!hasStart) return Fault(10, F::StartField(k), name);
            if (!hasLength) return Fault(10, F::LengthField(k), name);
        } else {
            if (hasStart && !hasLength) return Fault(10, F::LengthField(k), name);
            if (!hasStart && hasLength) return Fault(10, F::StartField(k), name);
        }
    }
    for (size_t i = 0; i < form.accountTypes.size(); ++i) {
        const std::string& text = form.accountTypes[i];
        const int field = F::AccountTypeField(static_cast<int>(i));
        if (static_cast<int>(i) < form.storedAccountTypes &&
            text.size() > static_cast<size_t>(CPatternBase::kAccountTypeWidth))
            return Fault(48, field, kAccountTypeLabel,
                         std::to_string(CPatternBase::kAccountTypeWidth));
        if (!CCharCheck::HasNoQuoteOrComma(text)) return Fault(108, field);
    }
    return {};
}

FormFault CheckStarts(const FixedFormText& form) {
    for (int k = 0; k < ItemCount(form); ++k) {
        if (form.carried[k] && !form.start[k].empty() && Number(form.start[k]) == 0)
            return Fault(107, F::StartField(k));
    }
    return {};
}

FormFault CheckLengths(const FixedFormText& form, int recordLengthMessage) {
    for (int k = 0; k < ItemCount(form); ++k) {
        if (!form.carried[k]) continue;
        const ItemSpec& item = form.items[k];
        const int length = Number(form.length[k]);
        if (length > item.recordWidth)
            return Fault(48, F::LengthField(k), LengthName(item), std::to_string(item.recordWidth));
        if (length == 0 && (!item.optionalInFixed || !form.length[k].empty()))
            return Fault(82, F::LengthField(k));
    }
    if (Number(form.recordLength) > CPatternBase::kMaxRecordLength) {
        return Fault(recordLengthMessage, F::kRecordLength, kRecordLengthLabel,
                     std::to_string(CPatternBase::kMaxRecordLength) + " byte");
    }
    return {};
}

}  // namespace

FormFault CheckFixedForm(const FixedFormText& form, int recordLengthMessage) {
    if (FormFault fault = CheckPresence(form)) return fault;
    if (FormFault fault = CheckStarts(form)) return fault;
    return CheckLengths(form, recordLengthMessage);
}

int LengthDigitsOf(const ItemSpec& item) {
    return static_cast<int>(std::to_string(item.recordWidth).size());
}
