#pragma once
// The twelve items of a transfer, numbered 0 to 11 in this order everywhere in the tool, and
// their table: what the reader, the checks, the grid, the correction cells and the lists do with
// each.
#include <span>

#include "common/items/ItemRecord.h"
#include "common/items/ItemSpec.h"

namespace xf {

enum ItemKind : int {
    kBankCode = 0,
    kBankName,
    kBranchCode,
    kBranchName,
    kAccountType,
    kAccountNumber,
    kAccountName,
    kAmount,
    kCustomerCode1,
    kCustomerCode2,
    kEdiInfo,
    kRequesterNumber,
    kItemCount
};

// The transfer items' table, in item order, and where they lie in a detail record.
std::span<const ItemSpec> TransferItems();
const CItemLayout& TransferItemLayout();

// Transfer kinds as the patterns and data sets number them.
inline constexpr int kKindGeneral = 1;
inline constexpr int kKindSalaryBonus = 2;

}  // namespace xf
