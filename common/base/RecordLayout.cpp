#include "common/base/RecordLayout.h"

#include <cstring>

#include "common/base/StrUtil.h"

namespace {

// Length of the longest start of text that fits width bytes without splitting a character.
size_t FittingLength(std::string_view text, size_t width) {
    if (text.size() <= width) return text.size();
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + CStrUtil::CharLength(text, end);
        if (next > width) break;
        end = next;
    }
    return end;
}

}  // namespace

void PutField(char* record, int offset, int width, FieldFill fill, std::string_view text) {
    char* const field = record + offset;
    const auto w = static_cast<size_t>(width);
    if (fill == FieldFill::kZeroPadOrBlank && text.find_first_not_of(' ') == std::string_view::npos)
        return;
    const size_t length = FittingLength(text, w);
    if (fill == FieldFill::kText) {
        std::memcpy(field, text.data(), length);
        return;
    }
    std::memset(field, '0', w - length);
    std::memcpy(field + (w - length), text.data(), length);
}
