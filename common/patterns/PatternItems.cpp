#include "common/patterns/PatternItems.h"

#include <cstdlib>

#include "common/base/StrUtil.h"

namespace {

std::string Cut(std::string_view value, int width) {
    if (width <= 0) return std::string(value);
    std::string cut;
    CStrUtil::CutMbcs(value, cut, width);
    return cut;
}

}  // namespace

CPatternItemFields::CPatternItemFields(std::span<const ItemSpec> items, const PatternLayout& layout,
                                       PatternShape shape)
    : m_items(items), m_layout(layout), m_shape(shape), m_texts(items.size()) {}

bool CPatternItemFields::Locate(int fieldNumber, int* k, int* half) const {
    const int offset = fieldNumber - m_layout.firstItemField;
    if (offset < 0 || offset >= 2 * Count()) return false;
    *k = offset / 2;
    *half = offset % 2;
    return true;
}

int CPatternItemFields::Width(int k, int half) const {
    if (half == 0) return m_layout.positionWidth;
    if (m_shape == PatternShape::kSeparated) return 0;
    return m_items[static_cast<size_t>(k)].patternLengthWidth;
}

bool CPatternItemFields::IsItemField(int fieldNumber) const {
    int k = 0;
    int half = 0;
    return Locate(fieldNumber, &k, &half);
}

std::string CPatternItemFields::Get(int fieldNumber) const {
    int k = 0;
    int half = 0;
    if (!Locate(fieldNumber, &k, &half)) return {};
    return half == 0 ? First(k) : Second(k);
}

void CPatternItemFields::Set(int fieldNumber, std::string_view value) {
    int k = 0;
    int half = 0;
    if (!Locate(fieldNumber, &k, &half)) return;
    Texts& texts = m_texts[static_cast<size_t>(k)];
    (half == 0 ? texts.first : texts.second) = Cut(value, Width(k, half));
}

void CPatternItemFields::Read(std::span<const std::string> lineFields) {
    for (int n = 0; n < 2 * Count(); ++n) {
        const int number = m_layout.firstItemField + n;
        const int index = m_layout.Index(number);
        const size_t at = static_cast<size_t>(index);
        Set(number, index >= 0 && at < lineFields.size() ? lineFields[at] : std::string());
    }
}

void CPatternItemFields::Write(std::span<std::string> lineFields) const {
    for (int n = 0; n < 2 * Count(); ++n) {
        const int number = m_layout.firstItemField + n;
        const int index = m_layout.Index(number);
        if (index >= 0 && static_cast<size_t>(index) < lineFields.size())
            lineFields[static_cast<size_t>(index)] = Get(number);
    }
}

int CPatternItemFields::FirstNumber(int k) const {
    return std::atoi(First(k).c_str());
}

int CPatternItemFields::SecondNumber(int k) const {
    return std::atoi(Second(k).c_str());
}

std::vector<ItemPosition> CPatternItemFields::Positions() const {
    std::vector<ItemPosition> positions;
    positions.reserve(m_texts.size());
    for (int k = 0; k < Count(); ++k) {
        const bool mayBeLeftOut =
            m_layout.checksPlacedItemsOnly || m_items[static_cast<size_t>(k)].optionalInFixed;
        const bool unplaced = mayBeLeftOut && First(k).empty();
        positions.push_back({!unplaced, FirstNumber(k), SecondNumber(k)});
    }
    return positions;
}

int CPatternItemFields::CheckPositions(int recordLength, int* item) const {
    return CheckItemPositions(Positions(), recordLength, m_layout, item);
}

std::string PatternItemListText(const ItemSpec& item, const PatternLayout& layout) {
    std::string text = item.label;
    if (text.size() < static_cast<size_t>(layout.itemNameWidth))
        text.resize(static_cast<size_t>(layout.itemNameWidth), ' ');
    return text + (item.optionalInFixed ? "(任意) ：" : "(必須) ：");
}
