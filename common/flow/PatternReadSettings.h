#pragma once
// What a read takes from a conversion pattern of either shape: the file class, the record
// length or the data row and heading line, the amount options, the customer's account-type codes
// and where each item lies.
#include "common/flow/ReadEngine.h"
#include "common/patterns/DelimPatternBase.h"
#include "common/patterns/FixedPatternBase.h"
#include "common/patterns/PatternEntry.h"

ReadSettings FixedReadSettings(const CFixedPatternBase& pattern);
ReadSettings DelimReadSettings(const CDelimPatternBase& pattern);

// The settings of a read with the fixed-length pattern or the separated one (see
// CombineReadSettings); either may be null.
ReadSettings PatternReadSettings(const CFixedPatternBase* fixed, const CDelimPatternBase* delim,
                                 const CPatternEntry* entry);
