#pragma once
// One municipality line of the local-tax customer's file: its fourteen items, each a text of at
// most the item's width with its valid flag, and the flags the reader, the correction grid and
// the output read.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "localtax/TaxItems.h"

namespace tx {

class CDetailRecord {
public:
    int edited = 0;           // changed in the correction grid and not yet taken back
    int output = 0;           // 1: taken for output; 0: ticked 削除 in the correction grid
    std::uint16_t error = 0;  // 1: an item is in error
    int serial = 0;           // 1, 2, 3 ... in reading order within the group
    std::string recordType;   // no path of this tool fills it

    const std::string& Text(int item) const { return m_texts[Index(item)]; }
    // Stores text cut to the item's width without splitting a double-byte character.
    void SetText(int item, std::string_view text);
    ItemStatus Status(int item) const { return m_status[Index(item)]; }
    void SetStatus(int item, ItemStatus status) { m_status[Index(item)] = status; }
    bool IsItemValid(int item) const { return IsValid(Status(item)); }
    // 1 once the user changed the count or amount item in the correction grid; 0 for items 0-3.
    int EditedMark(int item) const { return m_edited[Index(item)]; }
    void SetEditedMark(int item, int mark);

    // The item read as a number: its digits as a 64-bit value, 0 when empty. Counts and amounts
    // of one detail are 32-bit values; a text the item check let through never overflows.
    std::int64_t Number(int item) const;
    // True when every item's valid flag is set.
    bool AllItemsValid() const;

private:
    static size_t Index(int item) { return static_cast<size_t>(item); }

    std::array<std::string, kItemCount> m_texts;
    std::array<ItemStatus, kItemCount> m_status{};
    std::array<int, kItemCount> m_edited{};
};

using CDetailObList = std::vector<std::unique_ptr<CDetailRecord>>;

// The decimal value of a text of digits; 0 for an empty text. Stops at the first byte that is
// not a digit, which a checked item never holds.
std::int64_t DigitsValue(std::string_view text);

}  // namespace tx
