#include "transfer/RequesterInfo.h"

namespace xf {

std::string CRequesterInfo::Dump() const {
    std::string out;
    const auto line = [&out](const char* label, const char* value) {
        out += label;
        out += " [";
        out += value;
        out += "]\n";
    };
    line("振り込み依頼人名称", name);
    line("支店コード", branchCode);
    line("支店名", branchName);
    line("科目コード", accountType);
    line("口座番号", accountNumber);
    return out;
}

}  // namespace xf
