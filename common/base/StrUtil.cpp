#include "common/base/StrUtil.h"

#include <cstdlib>
#include <cstring>

#include "framework/Cp932.h"

size_t CStrUtil::CharLength(std::string_view s, size_t i) {
    return (kor::IsSjisLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
}

size_t CStrUtil::Find(std::string_view s, std::string_view needle, size_t from) {
    if (needle.empty()) return std::string_view::npos;
    for (size_t i = from; i + needle.size() <= s.size(); i += CharLength(s, i)) {
        if (s.compare(i, needle.size(), needle) == 0) return i;
    }
    return std::string_view::npos;
}

int CStrUtil::PadLeft(char* buffer, const char* fill, int width) {
    if (!buffer || !fill || !*fill) return 0;
    const size_t fillLen = std::strlen(fill);
    std::string text = buffer;
    size_t count = 0;
    while (text.size() + (count + 1) * fillLen <= static_cast<size_t>(width)) ++count;
    if (count == 0) return 1;
    std::string padded;
    padded.reserve(text.size() + count * fillLen);
    for (size_t i = 0; i < count; ++i) padded += fill;
    padded += text;
    std::memcpy(buffer, padded.c_str(), padded.size() + 1);
    return 1;
}

void CStrUtil::PadRight(char* buffer, const char* fill, int width) {
    if (!buffer || !fill || !*fill || width < 0) return;
    const size_t fillLen = std::strlen(fill);
    size_t length = std::strlen(buffer);
    while (length + fillLen <= static_cast<size_t>(width)) {
        std::memcpy(buffer + length, fill, fillLen + 1);
        length += fillLen;
    }
}

namespace {

// End of the text once every trailing character equal to ch (and every zero byte) is dropped.
size_t TrimmedEnd(std::string_view s, std::string_view ch) {
    size_t end = 0;
    for (size_t i = 0; i < s.size();) {
        const size_t len = CStrUtil::CharLength(s, i);
        const std::string_view c = s.substr(i, len);
        if (c != ch && !(len == 1 && c[0] == '\0')) end = i + len;
        i += len;
    }
    return end;
}

size_t TrimmedBegin(std::string_view s, std::string_view ch) {
    size_t i = 0;
    while (i < s.size() && s.substr(i, CStrUtil::CharLength(s, i)) == ch)
        i += CStrUtil::CharLength(s, i);
    return i;
}

}  // namespace

std::string CStrUtil::TrimRight(std::string_view s, std::string_view ch) {
    return std::string(s.substr(0, TrimmedEnd(s, ch)));
}

std::string CStrUtil::TrimLeft(std::string_view s, std::string_view ch) {
    return std::string(s.substr(TrimmedBegin(s, ch)));
}

void CStrUtil::TrimRightBuf(char* buffer, char ch) {
    if (!buffer || ch == 0) return;
    const std::string_view s(buffer);
    const size_t end = TrimmedEnd(s, std::string_view(&ch, 1));
    std::memset(buffer + end, 0, s.size() - end);
}

void CStrUtil::TrimLeftBuf(char* buffer, char ch) {
    if (!buffer || ch == 0) return;
    const std::string_view s(buffer);
    const size_t begin = TrimmedBegin(s, std::string_view(&ch, 1));
    if (begin == 0 || begin == s.size()) return;
    std::memmove(buffer, buffer + begin, s.size() - begin + 1);
}

void CStrUtil::TrimRightStr(std::string& s, char ch) {
    if (ch == 0) return;
    s.resize(TrimmedEnd(s, std::string_view(&ch, 1)));
}

void CStrUtil::TrimLeftStr(std::string& s, char ch) {
    if (ch == 0) return;
    const size_t begin = TrimmedBegin(s, std::string_view(&ch, 1));
    if (begin != s.size()) s.erase(0, begin);
}

std::string CStrUtil::GetField(std::string_view line, int n, std::string_view delimiter,
                               int* found) {
    if (found) *found = 0;
    if (delimiter.empty() || n < 0) return {};
    size_t pos = 0;
    for (int i = 0; i < n; ++i) {
        const size_t d = Find(line, delimiter, pos);
        if (d == std::string_view::npos) return {};
        pos = d + delimiter.size();
    }
    const size_t end = Find(line, delimiter, pos);
    if (found) *found = 1;
    return std::string(
        line.substr(pos, end == std::string_view::npos ? line.size() - pos : end - pos));
}

std::string CStrUtil::GetQuotedField(std::string_view line, int n, std::string_view delimiter,
                                     std::string_view quote, int* found) {
    if (found) *found = 0;
    if (delimiter.empty() || quote.empty() || n < 0) return {};
    std::string_view r = line;
    for (int i = 0;; ++i) {
        const size_t q = Find(r, quote);
        size_t d = Find(r, delimiter);
        if (d == std::string_view::npos) {
            if (i < n) return {};
            if (q == std::string_view::npos) {
                if (found) *found = 1;
                return std::string(r);
            }
            d = r.size();
        }
        bool quoted = (q == 0);
        size_t close = std::string_view::npos;
        if (quoted) {
            close = Find(r, quote, quote.size());
            if (close == std::string_view::npos) {
                quoted = false;
            } else {
                const size_t after = close + quote.size();
                const bool endsField =
                    after == r.size() || r.compare(after, delimiter.size(), delimiter) == 0;
                if (!endsField) quoted = false;
            }
        }
        if (quoted) {
            const size_t after = close + quote.size();
            if (i == n) {
                if (found) *found = 1;
                return std::string(r.substr(quote.size(), close - quote.size()));
            }
            if (after + delimiter.size() > r.size()) return {};
            r = r.substr(after + delimiter.size());
        } else {
            if (i == n) {
                if (found) *found = 1;
                return std::string(r.substr(0, d));
            }
            r = r.substr(std::min(r.size(), d + delimiter.size()));
        }
    }
}

void CStrUtil::SplitQuotedFields(std::string_view line, std::string_view delimiter,
                                 std::string_view quote, std::vector<std::string_view>& fields) {
    fields.clear();
    if (delimiter.empty() || quote.empty()) return;
    std::string_view r = line;
    for (;;) {
        size_t d = Find(r, delimiter);
        const bool last = d == std::string_view::npos;
        if (last) d = r.size();
        // Only a field that starts with the quote can be quoted; a quote further in is text.
        if (r.substr(0, quote.size()) == quote) {
            const size_t close = Find(r, quote, quote.size());
            if (close != std::string_view::npos) {
                const size_t after = close + quote.size();
                if (after == r.size() || r.compare(after, delimiter.size(), delimiter) == 0) {
                    fields.push_back(r.substr(quote.size(), close - quote.size()));
                    if (after + delimiter.size() > r.size()) return;
                    r = r.substr(after + delimiter.size());
                    continue;
                }
            }
        }
        fields.push_back(r.substr(0, d));
        if (last) return;
        r = r.substr(d + delimiter.size());
    }
}

int CStrUtil::CountDelimiters(std::string_view text, std::string_view delimiter) {
    int count = 0;
    for (size_t pos = Find(text, delimiter); pos != std::string_view::npos;
         pos = Find(text, delimiter, pos + delimiter.size())) {
        ++count;
    }
    return count;
}

int CStrUtil::CountCharInBuf(const char* buffer, char ch, int length) {
    if (!buffer || length <= 0) return 0;
    const std::string_view s(buffer, strnlen(buffer, static_cast<size_t>(length)));
    int count = 0;
    for (size_t i = 0; i < s.size(); i += CharLength(s, i)) {
        if (CharLength(s, i) == 1 && s[i] == ch) ++count;
    }
    return count;
}

int CStrUtil::CutMbcs(std::string_view s, std::string& out, int n) {
    if (n < 0) n = 0;
    if (static_cast<size_t>(n) >= s.size()) {
        out.assign(s);
        return 0;
    }
    size_t end = 0;
    while (end < s.size()) {
        const size_t len = CharLength(s, end);
        if (end + len > static_cast<size_t>(n)) break;
        end += len;
    }
    out.assign(s.substr(0, end));
    return static_cast<int>(s.size() - end);
}

void CStrUtil::CopyToBuffer(std::string_view s, char* buffer, int width) {
    if (!buffer || width <= 0) return;
    std::memset(buffer, 0, static_cast<size_t>(width));
    if (s.size() >= static_cast<size_t>(width)) {
        std::string cut;
        CutMbcs(s, cut, width);
        std::memcpy(buffer, cut.data(), cut.size());
    } else {
        std::memcpy(buffer, s.data(), s.size());
    }
}

void CStrUtil::RemoveChar(char* buffer, char ch) {
    if (!buffer || ch == 0) return;
    const std::string_view s(buffer);
    size_t out = 0;
    for (size_t i = 0; i < s.size();) {
        const size_t len = CharLength(s, i);
        if (!(len == 1 && s[i] == ch)) {
            std::memmove(buffer + out, buffer + i, len);
            out += len;
        }
        i += len;
    }
    buffer[out] = '\0';
}

std::string_view CStrUtil::TrimBlanks(std::string_view s) {
    const size_t begin = s.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    return s.substr(begin, s.find_last_not_of(' ') - begin + 1);
}

std::string CStrUtil::StripZeros(std::string_view s) {
    const size_t first = s.find_first_not_of('0');
    if (first == std::string_view::npos) return s.empty() ? std::string() : std::string("0");
    return std::string(s.substr(first));
}

std::string CStrUtil::FormatInt64(std::string_view s) {
    const long long value = std::strtoll(std::string(s).c_str(), nullptr, 10);
    // The magnitude in unsigned arithmetic: the lowest value has no positive counterpart.
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    return (value < 0 ? "-" : "") + FormatThousands(std::to_string(magnitude));
}

std::string CStrUtil::StripLeadingZerosKeepZero(std::string_view s) {
    if (s.size() <= 1) return std::string(s);
    size_t i = 0;
    while (i + 1 < s.size() && s[i] == '0' && s[i + 1] == '0') ++i;
    if (s[i] != '0') return std::string(s.substr(i));
    if (i + 1 == s.size()) return "0";  // zeros only
    return std::string(s.substr(s[i + 1] == ' ' ? i : i + 1));
}

int CStrUtil::BlankFullWidthSpaces(char* buffer, int length) {
    if (!buffer) return length;
    const std::string_view text(buffer, length > 0 ? static_cast<size_t>(length) : 0);
    for (size_t i = 0; i < text.size();) {
        // A zero byte is no second byte: it is blanked even behind a lead byte.
        const bool zeroNext = i + 1 < text.size() && text[i + 1] == '\0';
        const size_t len = zeroNext ? 1 : CharLength(text, i);
        if (len == 2 && text[i] == '\x81' && text[i + 1] == '\x40') {
            buffer[i] = ' ';
            buffer[i + 1] = ' ';
        } else if (buffer[i] == '\0') {
            buffer[i] = ' ';
        }
        i += len;
    }
    return length;
}

std::string CStrUtil::FormatThousands(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 3);
    const size_t n = s.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += s[i];
    }
    return out;
}
