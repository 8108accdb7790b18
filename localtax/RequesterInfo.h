#pragma once
// The one requester of the local-tax tool (the employer that pays the tax): two lines of name and
// two of address in half-width katakana, as its master holds them.
#include <string>

namespace tx {

class CRequesterInfo {
public:
    static constexpr int kNameLineWidth = 20;
    static constexpr int kAddressLineWidth = 25;

    std::string name1;     // at most 20 bytes
    std::string name2;     // at most 20 bytes
    std::string address1;  // at most 25 bytes
    std::string address2;  // at most 25 bytes
    // Position in the master line of the first of the four fields that held a control byte,
    // -1 none: such a requester heads no file.
    int controlField = -1;
};

}  // namespace tx
