#include "transfer/DetailRecord.h"

namespace xf {

namespace {
template <int W>
ItemRef RefOf(CItemText<W>& item) {
    return {item.text, W, &item.result};
}
}  // namespace

ItemRef CDetailRecord::Item(int kind) {
    switch (kind) {
        case kBankCode:
            return RefOf(bankCode);
        case kBankName:
            return RefOf(bankName);
        case kBranchCode:
            return RefOf(branchCode);
        case kBranchName:
            return RefOf(branchName);
        case kAccountType:
            return RefOf(accountType);
        case kAccountNumber:
            return RefOf(accountNumber);
        case kAccountName:
            return RefOf(accountName);
        case kAmount:
            return RefOf(amount);
        case kCustomerCode1:
            return RefOf(customerCode1);
        case kCustomerCode2:
            return RefOf(customerCode2);
        case kEdiInfo:
            return RefOf(ediInfo);
        case kRequesterNumber:
            return RefOf(requesterNumber);
        default:
            return {nullptr, 0, nullptr};
    }
}

ConstItemRef CDetailRecord::Item(int kind) const {
    const ItemRef r = const_cast<CDetailRecord*>(this)->Item(kind);
    return {r.text, r.width, r.result};
}

bool CDetailRecord::HasFieldError() const {
    for (int kind = 0; kind < kItemCount; ++kind) {
        if (*Item(kind).result & 0x0F) return true;
    }
    return false;
}

}  // namespace xf
