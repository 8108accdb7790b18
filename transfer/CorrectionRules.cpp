#include "transfer/CorrectionRules.h"

#include "transfer/GridHelper.h"

namespace xf {

namespace {
constexpr int kTextLengths[kItemCount] = {4, 15, 3, 15, 20, 7, 30, 10, 10, 10, 20, 10};
constexpr int kGeneralOrder[] = {2, 4, 6, 3, 5, 7, 8, 9, 10, 11, 12, 13, 14};
constexpr size_t kSalaryColumns = 11;  // without 13 and 14
}  // namespace

bool MayEditCell(int col, bool cellYellow, bool rowHasYellowItem) {
    if (col == CGridHelper::kColDelete) return rowHasYellowItem;
    return cellYellow && col >= CGridHelper::kFirstItemCol && col < CGridHelper::kColumnCount;
}

int CorrectionTextLength(int col) {
    const int kind = col - CGridHelper::kFirstItemCol;
    return kind >= 0 && kind < kItemCount ? kTextLengths[kind] : 0;
}

std::string StripAmountZeros(std::string_view text) {
    const size_t first = text.find_first_not_of('0');
    if (first == std::string_view::npos) return text.empty() ? std::string() : std::string("0");
    return std::string(text.substr(first));
}

std::string RemoveCommas(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ',') out += c;
    }
    return out;
}

std::span<const int> UpdateColumnOrder(int transferKind) {
    const std::span<const int> all(kGeneralOrder);
    return transferKind == kKindSalaryBonus ? all.first(kSalaryColumns) : all;
}

}  // namespace xf
