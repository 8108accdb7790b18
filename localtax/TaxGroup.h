#pragma once
// One payer of the local-tax data: the header items of the bank file's header record and the
// payer's detail records. In the output data set one group is one output file.
#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "localtax/DetailRecord.h"
#include "localtax/TaxItems.h"

namespace tx {

// A count total (7 digits) and its amount total (11 digits), zero-padded decimal texts of the
// 64-bit sums the output engine wrote into the file's trailer.
struct TotalsPair {
    std::string count;
    std::string amount;
};

enum TotalsKind : int { kSalaryTotals = 0, kRetirementTotals, kPaymentTotals };
inline constexpr int kTotalsCount = 3;

class CTaxGroup {
public:
    CTaxGroup() = default;
    // Copies the header: file name, flags, header items, counters and totals; not the details,
    // the output time or the file size.
    CTaxGroup(const CTaxGroup& other) { *this = other; }
    CTaxGroup& operator=(const CTaxGroup& other);

    std::string fileName;        // full path of the group's output file; empty when read
    std::time_t outputTime = 0;  // when the group's file was written
    int fileSize = 0;            // bytes of the group's output file
    int output = 0;              // 1: taken for output
    int error = 0;               // 1: a header item is in error
    CDetailObList details;       // in reading order
    int detailCount = 0;         // details the output engine put into this group
    std::array<TotalsPair, kTotalsCount> totals;

    const std::string& Header(int item) const { return m_header[Index(item)]; }
    // Stores text cut to the item's width without splitting a double-byte character.
    void SetHeader(int item, std::string_view text);
    ItemStatus HeaderStatus(int item) const { return m_headerStatus[Index(item)]; }
    void SetHeaderStatus(int item, ItemStatus status) { m_headerStatus[Index(item)] = status; }

private:
    static size_t Index(int item) { return static_cast<size_t>(item); }

    std::array<std::string, kHeaderItemCount> m_header;
    std::array<ItemStatus, kHeaderItemCount> m_headerStatus{};
};

using CTaxGroupObList = std::vector<std::unique_ptr<CTaxGroup>>;

}  // namespace tx
