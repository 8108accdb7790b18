#pragma once
// The consignor: the company that collects the debits, as the consignor master keeps it and as
// the header record of the direct-debit file carries it.
namespace db {

class CConsignorInfo {
public:
    char name[41] = {};  // half-width kana
    char code[11] = {};  // the consignor code the bank gave, 10 digits
    char branchCode[4] = {};
    char branchName[16] = {};  // half-width kana
    char accountType[2] = {};  // "1" ordinary, "2" current, "9" other
    char accountNumber[8] = {};
    char description[75] = {};  // by which the consignor is listed and chosen
    int index = 0;              // position of the consignor's line in the master
    // Position in the master line of the first field that held a control byte (a NUL cuts the
    // text above short), -1 none: such a consignor heads no file.
    int controlField = -1;
};

}  // namespace db
