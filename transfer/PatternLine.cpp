#include "transfer/PatternLine.h"

namespace xf {

bool IsPatternLine(std::string_view line) {
    return ::IsPatternLine(line, kPatternLayout);
}

}  // namespace xf
