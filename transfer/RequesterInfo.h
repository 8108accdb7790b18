#pragma once
// The requester: the customer company that orders the transfers, as the requester master keeps
// it and as the header record of the bank file carries it.
#include <string>

namespace xf {

class CRequesterInfo {
public:
    char name[41] = {};  // half-width kana
    char branchCode[4] = {};
    char branchName[16] = {};  // half-width kana
    char accountType[2] = {};  // "1" ordinary, "2" checking, "9" other
    char accountNumber[8] = {};
    char description[75] = {};  // by which the requester is listed and chosen
    char requesterCode[11] = {};
    char transferKind[2] = {};  // "1" general, "2" salary/bonus, else not fixed
    int index = 0;              // position of the requester's line in the master
    // Position in the master line of the first field that held a control byte (a NUL cuts the
    // text above short), -1 none: such a requester heads no file.
    int controlField = -1;

    // Debug listing of the bank-side fields.
    std::string Dump() const;
};

}  // namespace xf
