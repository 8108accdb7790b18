#include "common/base/LineCutter.h"

#include <cstring>

namespace {

constexpr char kEndOfFile = '\x1A';
constexpr std::string_view kFullWidthBlank = "\x81\x40";

// Position of the next CR LF at or after from; npos when there is none. CR and LF are never
// the second byte of a double-byte character, so a byte search is safe.
size_t FindCrLf(std::string_view text, size_t from) {
    while (from < text.size()) {
        const void* cr = std::memchr(text.data() + from, '\r', text.size() - from);
        if (!cr) break;
        const size_t at = static_cast<const char*>(cr) - text.data();
        if (at + 1 < text.size() && text[at + 1] == '\n') return at;
        from = at + 1;
    }
    return std::string_view::npos;
}

bool HoldsLf(std::string_view bytes) {
    return std::memchr(bytes.data(), '\n', bytes.size()) != nullptr;
}

}  // namespace

bool HoldsNoData(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        if (text[i] == ' ' || text[i] == kEndOfFile) {
            ++i;
        } else if (text.substr(i, 2) == kFullWidthBlank) {
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

CutResult CutSeparatedLines(std::string_view text, const LineLimits& limits,
                            std::vector<std::string_view>& lines, int* faultLine) {
    lines.clear();
    size_t count = 0;
    size_t lastEnd = 0;
    for (size_t at = FindCrLf(text, 0); at != std::string_view::npos; at = FindCrLf(text, at + 2)) {
        ++count;
        lastEnd = at + 2;
    }
    if (count == 0 && text.find('\r') != std::string_view::npos) return CutResult::kNoLineMade;
    if (count == 0 && HoldsLf(text)) return CutResult::kNoLines;
    // The text after the last CR LF is a line when it holds data.
    const size_t textEnd = HoldsNoData(text.substr(lastEnd)) ? lastEnd : text.size();
    if (textEnd > lastEnd) ++count;
    if (count == 0) return CutResult::kNoLines;
    if (count > static_cast<size_t>(limits.maxLines)) return CutResult::kTooManyLines;

    lines.reserve(count);
    for (size_t pos = 0; pos < textEnd;) {
        const size_t at = FindCrLf(text, pos);
        const size_t end = at == std::string_view::npos ? textEnd : at;
        if (end - pos > static_cast<size_t>(limits.maxLineBytes)) {
            if (faultLine) *faultLine = static_cast<int>(lines.size()) + 1;
            lines.clear();
            return CutResult::kLineTooLong;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return CutResult::kOk;
}

CutResult CutFixedRecords(std::string_view text, int recordLength, const LineLimits& limits,
                          std::vector<std::string_view>& records, int* faultLine) {
    records.clear();
    if (recordLength < 1 || recordLength > limits.maxLineBytes) return CutResult::kBadRecordLength;
    const size_t length = static_cast<size_t>(recordLength);
    if (text.size() < length) return CutResult::kBadRecordSize;

    // The line break, if any, is whatever follows the first record.
    size_t breakLength = 0;
    if (text.size() > length) {
        if (text[length] == '\n') {
            breakLength = 1;
        } else if (text[length] == '\r') {
            breakLength = length + 1 < text.size() && text[length + 1] == '\n' ? 2 : 1;
        }
    }
    const std::string_view lineBreak = text.substr(length, breakLength);
    const size_t unit = length + breakLength;
    if (text.size() / unit > static_cast<size_t>(limits.maxLines)) return CutResult::kTooManyLines;
    if (text.size() % unit != 0) return CutResult::kBadRecordSize;

    const size_t count = text.size() / unit;
    records.reserve(count);
    for (size_t k = 0; k < count; ++k) {
        const std::string_view piece = text.substr(k * unit, unit);
        // A LF before the end, or another line break, means the records are not of this length.
        if (HoldsLf(piece.substr(0, unit - 1)) || piece.substr(length) != lineBreak) {
            if (faultLine) *faultLine = static_cast<int>(k) + 1;
            records.clear();
            return CutResult::kBadRecordSize;
        }
        records.push_back(piece.substr(0, length));
    }
    return CutResult::kOk;
}
