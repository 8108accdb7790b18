#include "ScreenSupport.h"

namespace xftest {

TaggedMessages::TaggedMessages() : kortest::TaggedMessages(KOR_XF_MESSAGE_MASTER) {}

std::string PatternLine(const xf::CPatternBase& pattern) {
    std::string line;
    for (int i = 0; i < xf::kPatternLayout.fieldCount; ++i) {
        if (i > 0) line += ",";
        line += "\"" + pattern.GetField(i) + "\"";
    }
    return line + "\r\n";
}

}  // namespace xftest
