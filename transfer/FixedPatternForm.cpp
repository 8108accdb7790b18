#include "transfer/FixedPatternForm.h"

#include <string>

#include "common/CharCheck.h"

namespace xf {

namespace {

constexpr char kNameLabel[] = "変換パターン名";
constexpr char kRecordLengthLabel[] = "変換前データレコード長";
constexpr char kAccountTypeLabel[] = "変換前科目";

// Pattern line fields compared by the change test besides the item positions.
constexpr int kComparedFields[] = {0, 3, 31, 28, 29, 32, 33, 34, 35, 36, 37};

const ItemSpec& Spec(int k) {
    return TransferItems()[static_cast<size_t>(k)];
}

int Number(const std::string& text) {
    return CPatternBase::ToInt(text.c_str());
}

FormFault Fault(int message, int field, std::string word1 = {}, std::string word2 = {}) {
    return FormFault{message, std::move(word1), std::move(word2), field};
}

FormFault CheckPresence(const FixedPatternForm& form) {
    using F = FixedPatternForm;
    if (form.name.size() > static_cast<size_t>(CPatternBase::kNameWidth))
        return Fault(48, F::kName, kNameLabel, "74");
    if (form.name.empty()) return Fault(10, F::kName, kNameLabel);
    if (!CCharCheck::HasNoQuoteOrComma(form.name)) return Fault(108, F::kName);
    if (form.recordLength.empty()) return Fault(10, F::kRecordLength, kRecordLengthLabel);
    for (int k = 0; k < kItemCount; ++k) {
        if (!form.Carries(k)) continue;
        const bool hasStart = !form.start[k].empty();
        const bool hasLength = !form.length[k].empty();
        const char* name = PresenceName(Spec(k));
        if (!Spec(k).optionalInFixed) {
            if (!hasStart) return Fault(10, F::StartField(k), name);
            if (!hasLength) return Fault(10, F::LengthField(k), name);
        } else {
            if (hasStart && !hasLength) return Fault(10, F::LengthField(k), name);
            if (!hasStart && hasLength) return Fault(10, F::StartField(k), name);
        }
    }
    for (int i = 0; i < 4; ++i) {
        // Only a text that is stored can be too long: a salary pattern stores neither 4 nor 9.
        const std::string& text = form.accountTypes[i];
        if (i < form.AccountTypeCount() &&
            text.size() > static_cast<size_t>(CPatternBase::kAccountTypeWidth))
            return Fault(48, F::AccountTypeField(i), kAccountTypeLabel,
                         std::to_string(CPatternBase::kAccountTypeWidth));
        if (!CCharCheck::HasNoQuoteOrComma(text)) return Fault(108, F::AccountTypeField(i));
    }
    return {};
}

FormFault CheckStarts(const FixedPatternForm& form) {
    for (int k = 0; k < kItemCount; ++k) {
        if (form.Carries(k) && !form.start[k].empty() && Number(form.start[k]) == 0)
            return Fault(107, FixedPatternForm::StartField(k));
    }
    return {};
}

FormFault CheckLengths(const FixedPatternForm& form) {
    for (int k = 0; k < kItemCount; ++k) {
        if (!form.Carries(k)) continue;
        const ItemSpec& item = Spec(k);
        const int length = Number(form.length[k]);
        if (length > item.recordWidth) {
            return Fault(48, FixedPatternForm::LengthField(k), LengthName(item),
                         std::to_string(item.recordWidth));
        }
        if (length == 0 && (!item.optionalInFixed || !form.length[k].empty()))
            return Fault(82, FixedPatternForm::LengthField(k));
    }
    if (Number(form.recordLength) > CPatternBase::kMaxRecordLength) {
        return Fault(101, FixedPatternForm::kRecordLength, kRecordLengthLabel,
                     std::to_string(CPatternBase::kMaxRecordLength) + " byte");
    }
    return {};
}

}  // namespace

int LengthDigits(int k) {
    return static_cast<int>(std::to_string(Spec(k).recordWidth).size());
}

FormFault CheckFixedPatternForm(const FixedPatternForm& form) {
    if (FormFault fault = CheckPresence(form)) return fault;
    if (FormFault fault = CheckStarts(form)) return fault;
    return CheckLengths(form);
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
