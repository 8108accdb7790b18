#pragma once
// The tip the main screen shows over its consignor list: the bank-side data of the chosen
// consignor, one item a line.
#include <string>

#include "debit/ConsignorInfo.h"

namespace db {

// "普通預金", "当座預金", "納税準備預金", "その他" for account type 1, 2, 3, 9; else empty.
std::string AccountTypeText(const char* accountType);

// The tip text, lines separated by "\n".
std::string ConsignorTipText(const CConsignorInfo& consignor);

}  // namespace db
