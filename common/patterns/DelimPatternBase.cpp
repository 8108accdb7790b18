#include "common/patterns/DelimPatternBase.h"

const char* CDelimPatternBase::Separator() const {
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
