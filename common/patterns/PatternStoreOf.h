#pragma once
// A pattern master of one tool: its stored lines (CPatternLineStore) and the parse of a line
// into the tool's pattern shapes, the pattern last parsed of each shape kept by the store.
// Fixed and Delim are the tool's patterns (a CFixedPatternBase and a CDelimPatternBase over its
// item table and pattern layout, default constructible).
#include <memory>

#include "common/patterns/PatternLine.h"
#include "common/patterns/PatternLineStore.h"

template <class Fixed, class Delim>
class CPatternStoreOf : public CPatternLineStore {
public:
    using CPatternLineStore::CPatternLineStore;
    using DelimPattern = Delim;

    // The pattern of line index parsed into the store's current pattern of that shape (valid
    // until the next parse of that shape); null when the index is outside the lines or the line
    // does not parse into that shape (the current pattern then stays).
    const Fixed* GetFixedPattern(int index) { return Parse(index, m_fixed); }
    const Delim* GetDelimPattern(int index) { return Parse(index, m_delim); }

    // See ::CheckFixedPositions: 0, the layout's overrun result or the overlapping item.
    int CheckFixedPositions(const Fixed& pattern, int* item) const {
        return ::CheckFixedPositions(pattern, item);
    }

    // Store a pattern: index below 0 adds it at the end, otherwise it replaces line index.
    // 1 stored and written; 0 nothing changed (bad index, a field a line cannot carry, a store
    // that does not hold the whole file, or the file could not be written).
    int SaveFixed(int index, const Fixed& pattern) { return Save(index, pattern); }
    int SaveDelim(int index, const Delim& pattern) { return Save(index, pattern); }

private:
    template <class Pattern>
    const Pattern* Parse(int index, std::unique_ptr<Pattern>& current) {
        if (index < 0 || static_cast<size_t>(index) >= Count()) return nullptr;
        auto parsed = std::make_unique<Pattern>();
        if (!ParsePatternLine(Line(static_cast<size_t>(index)), *parsed)) return nullptr;
        current = std::move(parsed);
        return current.get();
    }

    int Save(int index, const CPatternBase& pattern) {
        const auto line = FormatPatternLine(pattern);
        return line ? Replace(index, *line) : 0;
    }

    std::unique_ptr<Fixed> m_fixed;
    std::unique_ptr<Delim> m_delim;
};
