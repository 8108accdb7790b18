#include "localtax/TaxGroup.h"

#include "common/base/StrUtil.h"

namespace tx {

CTaxGroup& CTaxGroup::operator=(const CTaxGroup& other) {
    if (this != &other) {
        fileName = other.fileName;
        output = other.output;
        error = other.error;
        detailCount = other.detailCount;
        totals = other.totals;
        m_header = other.m_header;
        m_headerStatus = other.m_headerStatus;
    }
    return *this;
}

void CTaxGroup::SetHeader(int item, std::string_view text) {
    CStrUtil::CutMbcs(text, m_header[Index(item)], HeaderItems()[Index(item)].width);
}

}  // namespace tx
