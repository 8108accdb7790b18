#pragma once
// The tool-independent part of reading a customer file: the items of one line or fixed-length
// record taken out in the profile's order, checked by their rows of the item table and stored
// into a detail record, with the count of flagged items; and the totals of the records free of
// errors. Each tool supplies its profile, where its pattern puts the items, and the steps that
// are its own (reading the file, the data row, what it does to a record once read).
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/base/LineCutter.h"
#include "common/items/ItemCheck.h"
#include "common/items/ItemRecord.h"
#include "common/items/TrailerLimits.h"

// What a tool's reader is besides its pattern.
struct ReaderProfile {
    std::span<const ItemSpec> items;
    std::span<const int> order;  // the order in which the items are taken from a line
    LineLimits limits;           // data lines of a file (the progress range is one more), bytes
    // The account types valid for a record of that transfer kind.
    std::span<const int> (*accountTargets)(int kind);
    // The type codes that the customer's four account-type codes of a pattern stand for, in the
    // pattern's order.
    std::array<const char*, 4> accountTypes = {"", "", "", ""};
    // Printable bytes that an item of the kNotForbidden rule may not hold.
    const char* forbidden = "";
};

// Where one item lies: a fixed-length record's start (from 1) and length, or a separated line's
// column (from 0). An item not taken stays empty.
struct ItemPlace {
    bool taken = false;
    int start = 0;
    int length = 0;
    int column = 0;
};

// The text of one item of a line or record at place (fixed: the record's bytes from the start,
// fewer where the record ends; separated: the column of fields, the line's columns, without
// the quotes round it). An item not taken is empty. False when a separated line has no such
// column (text empty).
bool ExtractItem(std::string_view line, const ItemPlace& place, bool fixed,
                 std::span<const std::string_view> fields, std::string& text);

class CItemReader {
public:
    explicit CItemReader(const ReaderProfile& profile) : m_profile(&profile) {}

    const ReaderProfile& Profile() const { return *m_profile; }

    // Item places of a fixed-length pattern (record bytes), or of a separated one with its
    // separator; one place per item of the table.
    void SetFixedPlaces(std::vector<ItemPlace> places);
    void SetSeparatedPlaces(std::vector<ItemPlace> places, std::string_view separator);

    // Checks one item (CheckItemText) and counts it when it ends flagged.
    int Check(std::string& text, int item, const ItemCheckContext& context, bool namesMissing,
              bool* skipLine = nullptr);

    // Takes every item of the line into record, checked. False when an amount option leaves the
    // whole line out (the count of flagged items is then as before the line); a line whose
    // columns end before an item every line needs is never left out: those items are errors.
    bool ConvertLine(std::string_view line, CItemRecord& record, const ItemCheckContext& context);

    // Pads every zero-padded item that is not empty.
    static void PadWithZeros(CItemRecord& record);
    // Empties an item; a flagged one leaves the count of flagged items.
    void ClearItem(CItemRecord& record, int item);

    int ErrorCount() const { return m_errorCount; }
    void ResetErrorCount() { m_errorCount = 0; }
    bool HasWarnings() const { return m_warnings; }
    void ResetWarnings() { m_warnings = false; }

private:
    bool Extract(std::string_view line, int item, std::string& text) const;
    bool HasColumn(int item) const;

    const ReaderProfile* m_profile;
    std::vector<ItemPlace> m_places;
    bool m_fixed = false;
    std::string m_separator;
    std::vector<std::string_view> m_fields;  // columns of the separated line being converted
    std::string m_text;
    int m_errorCount = 0;
    bool m_warnings = false;
};

// The count of the records free of errors and the sum of their amounts, capped at what a
// trailer record carries (6 and 12 digits).
class CItemTotals {
public:
    static constexpr int kMaxCount = kMaxTrailerCount;
    static constexpr std::uint64_t kMaxTotal = kMaxTrailerTotal;

    // Counts the record (even with an empty amount) and adds the value of its amount item.
    void Add(const CItemRecord& record);
    void Reset() { *this = CItemTotals(); }

    int Count() const { return m_count; }
    std::uint64_t Total() const { return m_total; }
    // True when the count or the total was capped.
    bool Overflowed() const { return m_overflow; }

private:
    int m_count = 0;
    std::uint64_t m_total = 0;
    bool m_overflow = false;
};
