#pragma once
// The check of one local-tax item as the reader and the correction grid make it: the text
// normalised, its characters, width and presence checked by the item sets in use, and what a
// zero or blank count or amount in use means under the pattern's handling.
#include <array>
#include <string>

#include "localtax/TaxItems.h"

namespace tx {

class CDetailRecord;

// A pattern's handling of a count or amount in use that is zero (all '0') or blank.
inline constexpr int kHandlingNone = 0;
inline constexpr int kHandlingError = 1;   // "エラーとする。"
inline constexpr int kHandlingAccept = 2;  // "スキップする。"

// The check's verdict on one item; any state but kCheckValid is stored as an item in error.
inline constexpr int kCheckError = 0;
inline constexpr int kCheckValid = 1;
inline constexpr int kCheckTooLong = 18;  // longer than the item's width

// What the check says beside its state about a zero or blank count or amount in use.
enum class ZeroBlank {
    kNone,      // neither, or no handling applies
    kAccepted,  // zero or blank under handling 2
    kRejected,  // zero or blank under handling 1 (the state is then kCheckError)
};

struct ItemCheckSettings {
    int zeroHandling = kHandlingNone;
    int blankHandling = kHandlingNone;
    std::array<bool, kItemSetCount> sets{};  // the item sets in use

    // True for the municipality code and for the counts and amounts of a set in use.
    bool IsRequired(int item) const;
};

// Checks item's text (left normalised: the full-width space a blank, the middle dot a period,
// no leading or trailing blanks) and returns kCheckValid, kCheckError or kCheckTooLong;
// zeroBlank, when given, says how a zero or blank count or amount in use was judged.
int CheckItem(std::string& text, int item, const ItemCheckSettings& settings,
              ZeroBlank* zeroBlank = nullptr);

// The flag a check's state is stored as: 1 for kCheckValid, 0 for any other.
constexpr ItemStatus StatusOfState(int state) {
    return state == kCheckValid ? kStatusRead : kStatusError;
}

// Stores a checked text into the detail with the flag of state: the municipality code as read,
// the name, the designation number and the change mark padded with blanks to their width, a
// count or amount that is not empty padded with '0' on the left to its width.
void StoreItem(const std::string& text, int state, int item, CDetailRecord& detail);

// True when the text, trimmed of blanks, is all '0' (and not empty).
bool IsZeroText(std::string_view text);

}  // namespace tx
