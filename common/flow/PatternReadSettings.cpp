#include "common/flow/PatternReadSettings.h"

#include <optional>
#include <string_view>

namespace {

ReadSettings CommonSettings(const CPatternBase& pattern) {
    ReadSettings settings;
    settings.kind = pattern.Kind();
    settings.zeroOption = AmountOptionOf(pattern.zeroCheck);
    settings.blankOption = AmountOptionOf(pattern.blankCheck);
    for (size_t i = 0; i < settings.accountCodes.size(); ++i)
        settings.accountCodes[i] = pattern.accountTypeCodes[i];
    return settings;
}

}  // namespace

ReadSettings FixedReadSettings(const CFixedPatternBase& pattern) {
    ReadSettings settings = CommonSettings(pattern);
    settings.fileClass = kFixedLengthFile;
    settings.recordLength = pattern.RecordLength();
    settings.places = FixedItemPlaces(pattern.ItemFields());
    return settings;
}

ReadSettings DelimReadSettings(const CDelimPatternBase& pattern) {
    ReadSettings settings = CommonSettings(pattern);
    settings.fileClass = pattern.FileClass();
    settings.dataRow = pattern.DataRow();
    settings.headingLine = std::string_view(pattern.dataFormat) == "1";
    settings.places = SeparatedItemPlaces(pattern.ItemFields());
    return settings;
}

ReadSettings PatternReadSettings(const CFixedPatternBase* fixed, const CDelimPatternBase* delim,
                                 const CPatternEntry* entry) {
    const std::optional<ReadSettings> fixedSettings =
        fixed ? std::optional(FixedReadSettings(*fixed)) : std::nullopt;
    const std::optional<ReadSettings> delimSettings =
        delim ? std::optional(DelimReadSettings(*delim)) : std::nullopt;
    return CombineReadSettings(fixedSettings ? &*fixedSettings : nullptr,
                               delimSettings ? &*delimSettings : nullptr, entry);
}
