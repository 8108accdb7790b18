#include "debit/ConsignorLine.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "common/base/MasterText.h"

namespace db {

namespace {

// The consignor's texts in line order, each with room for its terminating zero.
std::array<std::span<char>, kConsignorLineFields> TextsOf(CConsignorInfo& c) {
    return {c.name,        c.code,          c.branchCode, c.branchName,
            c.accountType, c.accountNumber, c.description};
}

}  // namespace

bool ParseConsignorLine(std::string_view line, int index, CConsignorInfo& consignor) {
    const int fields = CMasterText::CountSeparators(line) + 1;
    if (fields != kConsignorLineFields && fields != kOldConsignorLineFields) return false;
    std::vector<std::string> f = CMasterText::SplitFields(line);
    if (fields == kOldConsignorLineFields) f.push_back(f.front());
    CConsignorInfo c;
    const auto texts = TextsOf(c);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (f[i].size() >= texts[i].size()) return false;
        std::copy(f[i].begin(), f[i].end(), texts[i].begin());
    }
    c.index = index;
    c.controlField = CMasterText::FirstControlField(f);
    consignor = c;
    return true;
}

std::optional<std::string> FormatConsignorLine(const CConsignorInfo& c) {
    const std::string fields[kConsignorLineFields] = {
        c.name, c.code, c.branchCode, c.branchName, c.accountType, c.accountNumber, c.description,
    };
    return CMasterText::FormatStorable(fields);
}

}  // namespace db
