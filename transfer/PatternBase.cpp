#include "transfer/PatternBase.h"

#include <cstdlib>

#include "common/StrUtil.h"
#include "transfer/TransferItems.h"

namespace xf {

CPatternBase::CPatternBase(PatternShape shape) : m_items(TransferItems(), kPatternLayout, shape) {}

CPatternBase::FieldRef CPatternBase::Ref(int i) {
    switch (i) {
        case 0:
            return {kindCode, 2};
        case 1:
            return {kindName, 8};
        case 2:
            return {fileClass, 2};
        case 3:
            return {name, kNameWidth};
        case 28:
            return {zeroCheck, 1};
        case 29:
            return {blankCheck, 1};
        case 30:
            return {dataFormat, 1};
        case 31:
            return {recordLength, 4};
        case 32:
            return {ordinaryCode, kAccountTypeWidth};
        case 33:
            return {checkingCode, kAccountTypeWidth};
        case 34:
            return {savingsCode, kAccountTypeWidth};
        case 35:
            return {otherCode, kAccountTypeWidth};
        case 36:
            return {outputLengthCode, 1};
        case 37:
            return {lineBreakCode, 1};
        case 38:
            return {titleRows, 2};
        case 39:
            return {dataRow, 2};
        default:
            return {nullptr, 0};
    }
}

std::string CPatternBase::GetField(int i) const {
    if (m_items.IsItemField(i)) return m_items.Get(i);
    const FieldRef ref = const_cast<CPatternBase*>(this)->Ref(i);
    return ref.text ? std::string(ref.text) : std::string();
}

void CPatternBase::SetField(int i, std::string_view value) {
    if (m_items.IsItemField(i)) {
        m_items.Set(i, value);
        return;
    }
    const FieldRef ref = Ref(i);
    if (ref.text) CStrUtil::CopyToBuffer(value, ref.text, ref.width);
}

int CPatternBase::ToInt(const char* text) {
    return text ? std::atoi(text) : 0;
}

}  // namespace xf
