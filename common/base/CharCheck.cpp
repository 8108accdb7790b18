#include "common/base/CharCheck.h"

#include <cstring>

namespace {

bool InExtra(unsigned char c, const char* extra) {
    return extra && c != 0 && std::strchr(extra, static_cast<char>(c)) != nullptr;
}

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool CCharCheck::IsKanaAlnum(const char* text, int length, const char* extra) {
    if (length <= 0) return true;
    if (!text) return false;
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool ok = IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= 0xA6 && c <= 0xDF) || InExtra(c, extra);
        if (!ok) return false;
    }
    return true;
}

bool CCharCheck::IsDigits(const char* text, int length, const char* extra) {
    if (length <= 0 || !text) return false;
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!IsDigit(c) && !InExtra(c, extra)) return false;
    }
    return true;
}

bool CCharCheck::CheckForbidden(const char* text, int length, const char* extra,
                                const char* forbidden) {
    if (length <= 0) return true;
    if (!text) return false;
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool ok = c >= 0x20 && c <= 0x7E ? !InExtra(c, forbidden)
                                               : (c >= 0xA1 && c <= 0xDF) || InExtra(c, extra);
        if (!ok) return false;
    }
    return true;
}

bool CCharCheck::HasNoQuoteOrComma(std::string_view s) {
    return s.find('"') == std::string_view::npos && s.find(',') == std::string_view::npos;
}
