#include "transfer/ItemCheck.h"

namespace xf {

namespace {
constexpr int kGeneralTypes[] = {1, 2, 4, 9};
constexpr int kSalaryTypes[] = {1, 2};
}  // namespace

std::array<AccountTypeCode, 4> AccountCodeTable(const AccountTypeCodes& codes) {
    return {
        {{codes.ordinary, "1"}, {codes.checking, "2"}, {codes.savings, "4"}, {codes.other, "9"}}};
}

std::span<const int> AccountTypeTargets(int transferKind) {
    if (transferKind == kKindSalaryBonus) return kSalaryTypes;
    return kGeneralTypes;
}

std::string MapAccountTypeCode(std::string_view text, const AccountTypeCodes& codes) {
    return MapAccountType(text, AccountCodeTable(codes));
}

}  // namespace xf
