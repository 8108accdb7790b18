#include "common/patterns/PatternLayout.h"

#include "common/base/MasterText.h"

bool IsPatternLine(std::string_view line, const PatternLayout& layout) {
    const int separators = CMasterText::CountSeparators(line);
    return separators == layout.fieldCount - 1 || separators == layout.legacyFieldCount - 1;
}

std::vector<std::string> PatternFields(std::string_view line, const PatternLayout& layout) {
    std::vector<std::string> fields = CMasterText::SplitFields(line);
    fields.resize(static_cast<size_t>(layout.fieldCount));
    return fields;
}

int CheckItemPositions(std::span<const ItemPosition> positions, int recordLength,
                       const PatternLayout& layout, int* item) {
    const int count = static_cast<int>(positions.size());
    for (int k = 0; k < count; ++k) {
        const ItemPosition& p = positions[static_cast<size_t>(k)];
        if (!p.checked) continue;
        const int e = p.start + p.length - 1;
        if (e > recordLength) {
            if (item) *item = k + 1;
            return layout.overrunResult;
        }
        for (int j = k + 1; j < count; ++j) {
            const ItemPosition& q = positions[static_cast<size_t>(j)];
            if (!q.checked) continue;
            const int b = q.start + q.length - 1;
            if (p.start <= b && q.start <= e) {
                if (item) *item = j + 1;
                return j + 1;
            }
        }
    }
    return 0;
}
