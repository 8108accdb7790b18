#include "transfer/FixedPattern.h"

#include "common/StrUtil.h"

namespace xf {

// Fields 4 + 2k and 5 + 2k are the start and the length of item k.
std::string CFixedPattern::GetItemField(int i) const {
    const Position& p = items[(i - 4) / 2];
    return (i - 4) % 2 == 0 ? std::string(p.start) : std::string(p.length);
}

void CFixedPattern::SetItemField(int i, std::string_view value) {
    const int kind = (i - 4) / 2;
    Position& p = items[kind];
    if ((i - 4) % 2 == 0) {
        CStrUtil::CopyToBuffer(value, p.start, 4);
    } else {
        CStrUtil::CopyToBuffer(value, p.length, kLengthWidth[kind]);
    }
}

}  // namespace xf
