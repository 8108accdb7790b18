#include "common/patterns/PatternBase.h"

#include <cstdlib>

#include "common/base/StrUtil.h"

CPatternBase::CPatternBase(std::span<const ItemSpec> items, const PatternLayout& layout,
                           PatternShape shape)
    : m_itemTable(items), m_layout(layout), m_items(items, layout, shape) {}

int CPatternBase::FirstOptionField() const {
    return m_layout.firstItemField + 2 * m_items.Count();
}

int CPatternBase::OptionField(int option) const {
    if (m_layout.options.empty())
        return option >= 0 && option < kOptionFields ? FirstOptionField() + option : -1;
    for (size_t i = 0; i < m_layout.options.size(); ++i) {
        if (m_layout.options[i] == option) return FirstOptionField() + static_cast<int>(i);
    }
    return -1;
}

CPatternBase::FieldRef CPatternBase::Ref(int number) {
    switch (m_layout.Index(number)) {
        case 0:
            return {kindCode, 2};
        case 1:
            return {kindName, m_layout.kindNameWidth};
        case 2:
            return {fileClass, 2};
        case 3:
            return {name, kNameWidth};
        default:
            break;
    }
    const int place = number - FirstOptionField();
    const int places =
        m_layout.options.empty() ? kOptionFields : static_cast<int>(m_layout.options.size());
    if (place < 0 || place >= places) return {nullptr, 0};
    const int option =
        m_layout.options.empty() ? place : m_layout.options[static_cast<size_t>(place)];
    if (option >= kFirstItemSetOption && option < kFirstItemSetOption + kItemSetCount)
        return {itemSets[option - kFirstItemSetOption], 1};
    if (option >= kFirstAccountTypeOption && option < kOutputLengthOption)
        return {accountTypeCodes[option - kFirstAccountTypeOption], kAccountTypeWidth};
    switch (option) {
        case kZeroCheckOption:
            return {zeroCheck, 1};
        case kBlankCheckOption:
            return {blankCheck, 1};
        case kDataFormatOption:
            return {dataFormat, 1};
        case kRecordLengthOption:
            return {recordLength, 4};
        case kOutputLengthOption:
            return {outputLengthCode, 1};
        case kLineBreakOption:
            return {lineBreakCode, 1};
        case kTitleRowsOption:
            return {titleRows, 2};
        case kDataRowOption:
            return {dataRow, 2};
        default:
            return {nullptr, 0};
    }
}

std::string CPatternBase::GetField(int number) const {
    if (m_items.IsItemField(number)) return m_items.Get(number);
    const FieldRef ref = const_cast<CPatternBase*>(this)->Ref(number);
    return ref.text ? std::string(ref.text) : std::string();
}

void CPatternBase::SetField(int number, std::string_view value) {
    if (m_items.IsItemField(number)) {
        m_items.Set(number, value);
        return;
    }
    const FieldRef ref = Ref(number);
    if (ref.text) CStrUtil::CopyToBuffer(value, ref.text, ref.width);
}

int CPatternBase::ToInt(const char* text) {
    return text ? std::atoi(text) : 0;
}
