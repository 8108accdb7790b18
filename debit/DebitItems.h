#pragma once
// The ten items of a direct debit, numbered 0 to 9 in this order everywhere in the tool (pattern
// lines, records, grid columns 3 to 12, checks, lists), and their table.
#include <span>

#include "common/items/ItemRecord.h"
#include "common/items/ItemSpec.h"

namespace db {

enum ItemKind : int {
    kBankCode = 0,
    kBankName,
    kBranchCode,
    kBranchName,
    kAccountType,
    kAccountNumber,
    kDepositorName,
    kAmount,
    kNewCode,
    kCustomerNumber,
    kItemCount
};

// The debits are drawn at the bank's own branches only: every bank code must be this one.
inline constexpr char kOwnBankCode[] = "0998";

// Printable single-byte characters a text item may not hold.
inline constexpr char kForbiddenChars[] = "{}~`";

// The direct-debit items' table, in item order, and where they lie in a detail record.
std::span<const ItemSpec> DebitItems();
const CItemLayout& DebitItemLayout();

// The kind every read of this tool has (account transfer); the pattern kind text "03".
inline constexpr int kKindAccountTransfer = 3;

}  // namespace db
