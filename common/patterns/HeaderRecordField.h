#pragma once
// The fields of a header record's form (a requester, a consignor) that a failed check points at,
// as the header-record screens show them.
enum class HeaderRecordField : int {
    kNone = 0,
    kDescription,
    kName,
    kCode,
    kBranchCode,
    kBranchName,
    kAccountType,
    kAccountNumber
};
