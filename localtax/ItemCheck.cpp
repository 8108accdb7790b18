#include "localtax/ItemCheck.h"

#include <algorithm>

#include "common/base/CharCheck.h"
#include "common/base/StrUtil.h"
#include "common/items/ItemCheck.h"
#include "localtax/DetailRecord.h"

namespace tx {

namespace {

constexpr int kMunicipalityCodeLength = 6;
// What a name, a designation number or a change mark may hold besides digits, letters and
// half-width katakana.
constexpr char kNameSigns[] = "\\｢｣()-/*&$,.@=%+;･ ";

bool AllDigits(std::string_view text) {
    return CCharCheck::IsDigits(text.data(), static_cast<int>(text.size()));
}

bool IsFlagChar(char c) {
    return c == ' ' || c == '0' || c == '1';
}

}  // namespace

bool ItemCheckSettings::IsRequired(int item) const {
    if (item == kMunicipalityCode) return true;
    const ItemSet set = TaxItemAt(item).set;
    return set != kNoItemSet && sets[static_cast<size_t>(set)];
}

bool IsZeroText(std::string_view text) {
    const std::string_view trimmed = CStrUtil::TrimBlanks(text);
    return !trimmed.empty() && trimmed.find_first_not_of('0') == std::string_view::npos;
}

int CheckItem(std::string& text, int item, const ItemCheckSettings& settings,
              ZeroBlank* zeroBlank) {
    if (zeroBlank) *zeroBlank = ZeroBlank::kNone;
    NormalizeItemText(text);
    const TaxItemSpec& spec = TaxItemAt(item);
    const bool required = settings.IsRequired(item);
    const bool numeric = IsNumericItem(item);
    int state = kCheckValid;

    if (item == kMunicipalityCode) {
        if (text.size() != kMunicipalityCodeLength || !AllDigits(text)) state = kCheckError;
    } else if (required) {
        if (text.empty() && settings.blankHandling != kHandlingAccept) state = kCheckError;
        if (numeric && !text.empty() && !AllDigits(text)) state = kCheckError;
    }
    if (item >= kMunicipalityName && item <= kChangeMark &&
        !CCharCheck::IsKanaAlnum(text.data(), static_cast<int>(text.size()), kNameSigns))
        state = kCheckError;
    if (text.size() > static_cast<size_t>(spec.width)) state = kCheckTooLong;

    if (numeric && required) {
        const bool blank = text.empty();
        const bool zero = state == kCheckValid && IsZeroText(text);
        const int handling = blank  ? settings.blankHandling
                             : zero ? settings.zeroHandling
                                    : kHandlingNone;
        if (handling == kHandlingError) {
            state = kCheckError;
            if (zeroBlank) *zeroBlank = ZeroBlank::kRejected;
        } else if (handling == kHandlingAccept && (blank || zero)) {
            if (zeroBlank) *zeroBlank = ZeroBlank::kAccepted;
        }
    }
    if (item == kChangeMark && !text.empty() && !IsFlagChar(text[0])) return kCheckError;
    return state;
}

void StoreItem(const std::string& text, int state, int item, CDetailRecord& detail) {
    const TaxItemSpec& spec = TaxItemAt(item);
    std::string stored;
    CStrUtil::CutMbcs(text, stored, spec.width);
    if (spec.zeroPadded) {
        if (!stored.empty()) stored.insert(0, static_cast<size_t>(spec.width) - stored.size(), '0');
    } else if (item != kMunicipalityCode) {
        stored.resize(static_cast<size_t>(spec.width), ' ');
    }
    detail.SetText(item, stored);
    detail.SetStatus(item, StatusOfState(state));
}

}  // namespace tx
