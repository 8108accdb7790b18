#include "localtax/DetailRecord.h"

#include <algorithm>

#include "common/base/StrUtil.h"

namespace tx {

void CDetailRecord::SetText(int item, std::string_view text) {
    CStrUtil::CutMbcs(text, m_texts[Index(item)], TaxItemAt(item).width);
}

void CDetailRecord::SetEditedMark(int item, int mark) {
    if (IsNumericItem(item)) {
        m_edited[Index(item)] = mark;
    }
}

std::int64_t CDetailRecord::Number(int item) const {
    return DigitsValue(Text(item));
}

bool CDetailRecord::AllItemsValid() const {
    return std::all_of(m_status.begin(), m_status.end(), IsValid);
}

std::int64_t DigitsValue(std::string_view text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace tx
