#include "common/PatternReadSettings.h"

#include <string_view>

namespace {

// What a read takes from any pattern: the kind, the amount options and the customer's codes of
// the account types in the tool's order.
ReadSettings PatternSettings(const CPatternBase& pattern) {
    ReadSettings settings;
    settings.kind = pattern.Kind();
    settings.zeroOption = AmountOptionOf(pattern.zeroCheck);
    settings.blankOption = AmountOptionOf(pattern.blankCheck);
    for (size_t i = 0; i < settings.accountCodes.size(); ++i)
        settings.accountCodes[i] = pattern.accountTypeCodes[i];
    return settings;
}

}  // namespace

CPatternReadSettings::CPatternReadSettings(const CFixedPatternBase* fixed,
                                           const CDelimPatternBase* delim) {
    if (fixed) {
        ReadSettings& settings = m_fixed.emplace(PatternSettings(*fixed));
        settings.fileClass = kFixedLengthFile;
        settings.recordLength = fixed->RecordLength();
        settings.places = FixedItemPlaces(fixed->ItemFields());
    }
    if (delim) {
        ReadSettings& settings = m_delim.emplace(PatternSettings(*delim));
        settings.fileClass = delim->FileClass();
        settings.dataRow = delim->DataRow();
        settings.headingLine = std::string_view(delim->dataFormat) == "1";
        settings.places = SeparatedItemPlaces(delim->ItemFields());
    }
}
