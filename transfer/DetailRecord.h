#pragma once
// One transfer line of the customer's file: every item's text (at most its width in bytes,
// zero-terminated) with the item's result code beside it.
#include <memory>
#include <vector>

#include "transfer/TransferItems.h"

namespace xf {

// Item result codes: 0 valid; bit 1 error; bit 2 warning; 18 too long (warning bit set).
inline constexpr int kResultValid = 0;
inline constexpr int kResultError = 1;
inline constexpr int kResultWarning = 2;
inline constexpr int kResultTooLong = 18;

template <int W>
struct CItemText {
    static constexpr int kWidth = W;
    char text[W + 1] = {};
    int result = kResultValid;
};

// One item of a record, addressed by kind.
struct ItemRef {
    char* text;
    int width;
    int* result;
};
struct ConstItemRef {
    const char* text;
    int width;
    const int* result;
};

class CDetailRecord {
public:
    virtual ~CDetailRecord() = default;

    int serial = 0;      // 1 for the first kept line of the file
    int deleteFlag = 0;  // 1: deleted in the correction grid; not written, not counted
    CItemText<4> bankCode;
    CItemText<15> bankName;
    CItemText<3> branchCode;
    CItemText<15> branchName;
    CItemText<20> accountType;  // the mapped type "1", "2", "4", "9", or the unmatched text
    CItemText<7> accountNumber;
    CItemText<30> accountName;
    CItemText<10> amount;  // digits only
    CItemText<10> customerCode1;
    CItemText<10> customerCode2;
    CItemText<20> ediInfo;
    CItemText<10> requesterNumber;
    // General transfers: 'Y' EDI information present, 'X' requester number present, ' ' none;
    // salary/bonus: 0.
    char identification = 0;

    ItemRef Item(int kind);
    ConstItemRef Item(int kind) const;

    // Any item in error or warning (one of the low four bits of its result code).
    bool HasFieldError() const;
};

using CDetailObList = std::vector<std::unique_ptr<CDetailRecord>>;

}  // namespace xf
