#include "transfer/DelimPattern.h"

#include "common/StrUtil.h"

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

// Fields 4 + 2k and 5 + 2k are the column and the item text of item k.
std::string CDelimPattern::GetItemField(int i) const {
    const Column& c = items[(i - 4) / 2];
    return (i - 4) % 2 == 0 ? std::string(c.column) : c.text;
}

void CDelimPattern::SetItemField(int i, std::string_view value) {
    Column& c = items[(i - 4) / 2];
    if ((i - 4) % 2 == 0) {
        CStrUtil::CopyToBuffer(value, c.column, 4);
    } else {
        c.text.assign(value);
    }
}

}  // namespace xf
