#pragma once
// A tool's items as data: one row per item of its detail records, saying how wide the record
// keeps it, what it may hold, how the reader finishes it and how the grid, the correction cells
// and the printed lists show it. The reader, the item check, the grid fill, the record order and
// the list printers read these rows; each tool keeps one table of them, in item order.
#include <span>

#include "common/items/GridColumns.h"
#include "framework/VSFlexGrid.h"

// Item result codes, stored beside every item of a record: 0 valid; bit 1 error; bit 2 warning;
// 18 too long (the warning bit set). Bit 0x10 alone is no flag.
inline constexpr int kItemValid = 0;
inline constexpr int kItemError = 1;
inline constexpr int kItemWarning = 2;
inline constexpr int kItemTooLong = 18;

// True when a result code marks the item in error or warning (one of its low four bits).
constexpr bool HasErrorBits(int result) {
    return (result & 0x0F) != 0;
}

// What the text of an item may hold.
enum class ItemChars {
    kAny,
    kDigits,        // '0' to '9' only; an empty text passes
    kKanaWide,      // digits, letters, half-width katakana and the wide sign set (names)
    kKanaNarrow,    // ... with the narrow sign set (codes)
    kNotForbidden,  // printable single-byte characters but the forbidden set of the check
    kAccountType,   // the customer's code of an account type, mapped to a type code
    kAmount,        // digits; an empty or zero amount as the amount options say
};

// Whether an item may be empty.
enum class ItemNeed {
    kOptional,
    kRequired,
    // Required only when a name item of the record (ItemSpec::name) is empty or invalid.
    kRequiredWithoutName,
};

// A longest text of 0: the item has no length rule.
inline constexpr int kNoLengthRule = 0;
// A list column of -1: the item has no column of its own on the printed lists.
inline constexpr int kNotListed = -1;

// A row names its fields; those that default to another field are written only where they
// differ from it.
struct ItemSpec {
    const char* label;            // as the settings screens show it
    int recordWidth;              // bytes the detail record keeps
    int maxLength = recordWidth;  // longest valid text in bytes; kNoLengthRule: none
    ItemNeed need = ItemNeed::kOptional;
    ItemChars chars = ItemChars::kAny;
    // Empty or invalid, it makes the kRequiredWithoutName items required.
    bool name = false;
    bool optionalInFixed = false;  // a pattern may leave it out (no position, no column)
    bool generalOnly = false;      // only general transfers carry it
    // A stored text not empty is padded with '0' to the record width.
    bool zeroPadded = false;
    // Its grid column: the title (the label unless given), the width and the alignment.
    const char* gridTitle = label;
    int gridWidth = 0;  // twips; 0: none (a tool whose grid is its own)
    int gridAlignment = CVSFlexGrid::kAlignLeft;
    int editLimit = recordWidth;  // longest text its correction cell takes
    // Its column on the printed lists; the heading of that column (null: the item stands under
    // the heading of an item before it) and where the heading stands when elsewhere than at the
    // item's column (an amount's heading always ends where the amount ends).
    int listColumn = kNotListed;
    const char* listHeading = nullptr;
    int listHeadingColumn = listColumn;
    // Bytes of its length field in a fixed-length pattern line.
    int patternLengthWidth = recordWidth;
    // Its names in the fixed-length settings screen's messages of a missing start or length and
    // of a length beyond its record width; null: the label.
    const char* presenceName = nullptr;
    const char* lengthName = nullptr;
    // The one value the item may take once padded with '0' to the record width (an empty text
    // pads to all zeros and fails); null: any value its character rule allows.
    const char* onlyValue = nullptr;
};

// The width to which a stored text is padded with '0'; 0: not padded.
constexpr int ZeroPadWidth(const ItemSpec& item) {
    return item.zeroPadded ? item.recordWidth : 0;
}

inline const char* PresenceName(const ItemSpec& item) {
    return item.presenceName ? item.presenceName : item.label;
}
inline const char* LengthName(const ItemSpec& item) {
    return item.lengthName ? item.lengthName : item.label;
}

// True when every line must have the item: a separated line whose columns end before it is
// broken, and the amount options never leave such a line out.
constexpr bool IsAlwaysPresent(const ItemSpec& item) {
    return item.need != ItemNeed::kOptional || item.chars == ItemChars::kAmount;
}

// The position of the first item of the table whose character rule is chars; -1 when none.
int FindItem(std::span<const ItemSpec> items, ItemChars chars);
