#include "localtax/CorrectionRules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "common/base/StrUtil.h"
#include "localtax/DetailChecks.h"

namespace tx {

namespace {

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "0", "000" and a single blank count as zero; an empty text does not.
bool CountsAsZero(const std::string& text) {
    const std::string stripped = CStrUtil::StripLeadingZerosKeepZero(text);
    return stripped.size() == 1 && std::atoi(stripped.c_str()) == 0;
}

std::int32_t Count(const CDetailRecord& detail, int item) {
    return static_cast<std::int32_t>(std::atol(detail.Text(item).c_str()));
}

std::int64_t Amount(const CDetailRecord& detail, int item) {
    return std::atoll(detail.Text(item).c_str());
}

// Valid again, as corrected when the user changed the item; an item that is neither empty nor
// all digits stays as it is.
void Restore(CDetailRecord& detail, std::span<const int> items) {
    for (const int item : items) {
        const std::string& text = detail.Text(item);
        if (!text.empty() && !AllDigits(text)) continue;
        detail.SetStatus(item, detail.EditedMark(item) ? kStatusCorrected : kStatusRead);
    }
}

}  // namespace

CCorrectionRules::CCorrectionRules(const CDataSet& dataSet,
                                   const std::array<bool, kItemSetCount>& sets) {
    m_check.zeroHandling = dataSet.zeroAmount;
    m_check.blankHandling = dataSet.blankAmount;
    m_check.sets = sets;
}

int CCorrectionRules::EditLimit(int col) {
    const int item = col - CGridHelper::kFirstItemCol;
    return item >= 0 && item < kItemCount ? TaxItemAt(item).width : 0;
}

CCorrectionRules::EditedText CCorrectionRules::NormaliseEdit(int item,
                                                             const std::string& text) const {
    std::string normalised = text;
    if (AllDigits(text)) {
        normalised = CStrUtil::TrimLeft(text, "0");
        if (normalised.empty()) normalised = "0";
    } else if (text.empty()) {
        normalised = " ";
    }
    std::string checked = normalised;
    ZeroBlank zeroBlank = ZeroBlank::kNone;
    if (CheckItem(checked, item, m_check, &zeroBlank) != kCheckValid)
        return {normalised, normalised};
    if (zeroBlank == ZeroBlank::kAccepted || item == kRetirees || !AllDigits(checked))
        return {checked, normalised};
    return {CStrUtil::FormatInt64(checked), normalised};
}

void CCorrectionRules::TakeBackRow(const CGridHelper::Row& row, CDetailRecord& detail) const {
    if (row.deleteTicked) {
        detail.output = 0;
        return;
    }
    detail.output = 1;
    if (!detail.edited) return;
    detail.edited = 0;
    for (int item = 0; item < kItemCount; ++item) {
        if (detail.IsItemValid(item)) continue;
        std::string text = row.texts[static_cast<size_t>(item)];
        if (IsNumericItem(item) && item != kRetirees)
            text.erase(std::remove(text.begin(), text.end(), ','), text.end());
        ZeroBlank zeroBlank = ZeroBlank::kNone;
        const int state = CheckItem(text, item, m_check, &zeroBlank);
        const bool valid = state == kCheckValid && zeroBlank != ZeroBlank::kAccepted;
        // A count or amount is padded with '0' only when it is all digits.
        if (IsNumericItem(item) && !AllDigits(text)) {
            detail.SetText(item, text);
        } else {
            StoreItem(text, kCheckValid, item, detail);
        }
        detail.SetStatus(item, valid ? kStatusCorrected : kStatusError);
    }
    RecheckItemSets(detail);
}

void CCorrectionRules::RecheckItemSets(CDetailRecord& detail) const {
    int n = 0;
    int zeros = 0;
    int blanks = 0;
    for (int set = 0; set < kItemSetCount; ++set) {
        if (!m_check.sets[static_cast<size_t>(set)]) continue;
        for (const int item : ItemsOfSet(static_cast<ItemSet>(set))) {
            ++n;
            if (CountsAsZero(detail.Text(item))) ++zeros;
            if (detail.Text(item).empty()) ++blanks;
        }
    }
    const auto setAll = [&](ItemStatus status) {
        for (int set = 0; set < kItemSetCount; ++set) {
            if (!m_check.sets[static_cast<size_t>(set)]) continue;
            for (const int item : ItemsOfSet(static_cast<ItemSet>(set)))
                detail.SetStatus(item, status);
        }
    };
    const auto applies = [&](int handling) {
        return (m_check.zeroHandling == handling && zeros == n) ||
               (m_check.blankHandling == handling && blanks == n);
    };
    if (applies(kHandlingError)) {
        setAll(kStatusError);
    } else if (applies(kHandlingAccept)) {
        setAll(kStatusCorrected);
    }
    RestoreIndependentSets(detail);
}

void CCorrectionRules::RestoreIndependentSets(CDetailRecord& detail) {
    const std::int64_t retirementAmounts =
        Amount(detail, kRetirementTaxAmount) + Amount(detail, kRetirementAllowance) +
        Amount(detail, kMunicipalRetirementTax) + Amount(detail, kPrefecturalRetirementTax);
    const std::int64_t retirementCounts =
        static_cast<std::int64_t>(Count(detail, kRetirementTaxCount)) + Count(detail, kRetirees);
    if (Amount(detail, kSalaryTaxAmount) != 0) {
        if (Count(detail, kSalaryTaxCount) != 0 && retirementAmounts == 0 && retirementCounts == 0)
            Restore(detail, ItemsOfSet(kRetirementSet));
    } else if (Count(detail, kSalaryTaxCount) == 0 && retirementAmounts != 0 &&
               retirementCounts != 0) {
        Restore(detail, ItemsOfSet(kSalarySet));
    }
}

int CCorrectionRules::FinishUpdate(CTaxGroup& group) {
    int errors = 0;
    for (const auto& detail : group.details) {
        detail->error = detail->AllItemsValid() ? 0 : 1;
        // The cross-item checks may clear more items; they set the error flag again.
        ValidateDetail(*detail);
        if (detail->error && detail->output) ++errors;
    }
    return errors;
}

}  // namespace tx
