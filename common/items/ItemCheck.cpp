#include "common/items/ItemCheck.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "common/base/CharCheck.h"
#include "common/base/StrUtil.h"

namespace {

constexpr unsigned char kMiddleDot = 0xA5;

bool AllDigits(const std::string& text) {
    return CCharCheck::IsDigits(text.data(), static_cast<int>(text.size()));
}

bool IsKana(const std::string& text, const char* signs) {
    return CCharCheck::IsKanaAlnum(text.data(), static_cast<int>(text.size()), signs);
}

// Printable single-byte characters (ASCII and half-width katakana) outside forbidden.
bool HasNoForbidden(const std::string& text, const char* forbidden) {
    return CCharCheck::CheckForbidden(text.data(), static_cast<int>(text.size()), nullptr,
                                      forbidden);
}

// The text, padded with '0' to width, is value.
bool IsOnlyValue(const std::string& text, int width, const char* value) {
    std::string padded = text;
    if (padded.size() < static_cast<size_t>(width)) padded.insert(0, width - padded.size(), '0');
    return padded == value;
}

int CheckAccountType(const std::string& text, const ItemCheckContext& context) {
    const std::string mapped = MapAccountType(text, context.accountCodes);
    int result = kItemValid;
    if (mapped.size() != 1) result |= kItemWarning;
    const long value = std::strtol(mapped.c_str(), nullptr, 10);
    if (std::ranges::find(context.accountTargets, value) == context.accountTargets.end())
        result |= kItemError;
    return result;
}

// An empty amount or one of value 0 is an error or leaves its line out, as the pattern says.
// Only an amount written in digits can be 0: anything else is an error already and must stay
// visible rather than drop its line.
int CheckAmountValue(const std::string& text, const ItemCheckContext& context, bool* skipLine) {
    int option = kAmountAccepted;
    if (text.empty()) {
        option = context.blankOption;
    } else if (AllDigits(text) && text.find_first_not_of('0') == std::string::npos) {
        option = context.zeroOption;
    }
    if (option == kAmountIsError) return kItemError;
    if (option == kAmountSkipsLine && skipLine) *skipLine = true;
    return kItemValid;
}

bool CharsHold(const std::string& text, ItemChars chars, const char* forbidden) {
    switch (chars) {
        case ItemChars::kDigits:
        case ItemChars::kAmount:
            return text.empty() || AllDigits(text);
        case ItemChars::kKanaWide:
            return IsKana(text, kWideSigns);
        case ItemChars::kKanaNarrow:
            return IsKana(text, kNarrowSigns);
        case ItemChars::kNotForbidden:
            return HasNoForbidden(text, forbidden ? forbidden : "");
        default:
            return true;
    }
}

}  // namespace

void NormalizeItemText(std::string& text) {
    // Only texts holding a full-width space or a middle dot change in place; most need no copy.
    size_t out = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t len = CStrUtil::CharLength(text, i);
        if (len == 2 && text[i] == '\x81' && text[i + 1] == '\x40') {
            text[out++] = ' ';  // full-width space
        } else if (len == 1 && static_cast<unsigned char>(text[i]) == kMiddleDot) {
            text[out++] = '.';
        } else {
            for (size_t k = 0; k < len; ++k) text[out++] = text[i + k];
        }
        i += len;
    }
    text.resize(out);
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, begin);
}

std::string MapAccountType(std::string_view text, std::span<const AccountTypeCode> codes) {
    const std::string_view trimmed = CStrUtil::TrimBlanks(text);
    if (trimmed.empty()) return {};
    // Whole texts are compared, so a double-byte code can only match whole characters.
    for (const AccountTypeCode& code : codes) {
        if (trimmed == code.customerText) return code.typeCode;
    }
    return std::string(trimmed);
}

int CheckItemText(std::string& text, const ItemSpec& item, const ItemCheckContext& context,
                  bool namesMissing, bool* skipLine) {
    NormalizeItemText(text);
    if (text.empty() && (item.need == ItemNeed::kRequired ||
                         (item.need == ItemNeed::kRequiredWithoutName && namesMissing)))
        return kItemError;

    int result = kItemValid;
    if (item.maxLength > 0 && text.size() > static_cast<size_t>(item.maxLength))
        result = kItemTooLong;
    if (item.chars == ItemChars::kAccountType) {
        result |= CheckAccountType(text, context);
    } else if (!CharsHold(text, item.chars, context.forbidden)) {
        result |= kItemError;
    } else if (item.onlyValue && !IsOnlyValue(text, ZeroPadWidth(item), item.onlyValue)) {
        result |= kItemError;
    }
    if (item.chars == ItemChars::kAmount) result |= CheckAmountValue(text, context, skipLine);
    return result;
}
