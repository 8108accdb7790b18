#pragma once
// The tip the main screen shows over its requester list: the bank-side data of the chosen
// requester, one item a line.
#include <string>

#include "transfer/RequesterInfo.h"

namespace xf {

// "普通預金", "当座預金", "貯蓄預金", "その他" for account type 1, 2, 4, 9; else empty.
std::string AccountTypeText(const char* accountType);
// "総合振込" for kind 1, "給与賞与振込" for 2, else "なし".
std::string RequesterKindText(const char* transferKind);

// The tip text, lines separated by "\n".
std::string RequesterTipText(const CRequesterInfo& requester);

}  // namespace xf
