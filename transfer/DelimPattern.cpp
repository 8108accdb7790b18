#include "transfer/DelimPattern.h"

namespace xf {

const char* CDelimPattern::Separator() const {
    switch (FileClass()) {
        case 1:
            return ",";
        case 2:
            return "\t";
        case 4:
            return " ";
        default:
            return "";
    }
}

}  // namespace xf
