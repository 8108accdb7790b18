#pragma once
// What a read takes from a tool's stored patterns: the settings of its fixed-length and of its
// separated pattern, as CombineReadSettings takes them.
#include <optional>

#include "common/DelimPatternBase.h"
#include "common/FixedPatternBase.h"
#include "common/ReadEngine.h"

class CPatternReadSettings {
public:
    // Either pattern may be null.
    CPatternReadSettings(const CFixedPatternBase* fixed, const CDelimPatternBase* delim);

    const ReadSettings* Fixed() const { return m_fixed ? &*m_fixed : nullptr; }
    const ReadSettings* Delim() const { return m_delim ? &*m_delim : nullptr; }

private:
    std::optional<ReadSettings> m_fixed;
    std::optional<ReadSettings> m_delim;
};
