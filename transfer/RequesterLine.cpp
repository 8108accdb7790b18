#include "transfer/RequesterLine.h"

#include <vector>

#include "common/base/MasterText.h"
#include "common/base/StrUtil.h"

namespace xf {

namespace {

template <size_t N>
void Put(const std::string& field, char (&text)[N]) {
    CStrUtil::CopyToBuffer(field, text, static_cast<int>(N - 1));
}

}  // namespace

bool ParseRequesterLine(std::string_view line, int index, CRequesterInfo& requester) {
    const int separators = CMasterText::CountSeparators(line);
    if (separators != kRequesterLineFields - 1 && separators != kOldRequesterLineFields - 1)
        return false;
    std::vector<std::string> f = CMasterText::SplitFields(line);
    f.resize(kRequesterLineFields);
    CRequesterInfo r;
    Put(f[0], r.name);
    Put(f[1], r.branchCode);
    Put(f[2], r.branchName);
    Put(f[3], r.accountType);
    Put(f[4], r.accountNumber);
    Put(f[5].empty() ? f[0] : f[5], r.description);
    Put(f[6], r.requesterCode);
    Put(f[7], r.transferKind);
    r.index = index;
    r.controlField = CMasterText::FirstControlField(f);
    requester = r;
    return true;
}

std::optional<std::string> FormatRequesterLine(const CRequesterInfo& r) {
    const std::string fields[kRequesterLineFields] = {
        r.name,          r.branchCode,  r.branchName,    r.accountType,
        r.accountNumber, r.description, r.requesterCode, r.transferKind,
    };
    return CMasterText::FormatStorable(fields);
}

}  // namespace xf
