#pragma once
// One detail record of a tool: the text of every item of the tool's item table (at most its
// record width in bytes, zero-terminated) and its result code, in one block of memory laid out
// once per table, with the record's serial number and delete flag.
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "common/items/ItemSpec.h"

// Where each item of a table lies in a record's block: one result byte per item, then the texts
// one after the other, each its width plus a terminating zero.
class CItemLayout {
public:
    explicit CItemLayout(std::span<const ItemSpec> items);

    std::span<const ItemSpec> Items() const { return m_items; }
    int Count() const { return static_cast<int>(m_items.size()); }
    int Width(int item) const { return m_items[static_cast<size_t>(item)].recordWidth; }
    size_t TextOffset(int item) const { return m_offsets[static_cast<size_t>(item)]; }
    size_t Bytes() const { return m_bytes; }

private:
    std::span<const ItemSpec> m_items;
    std::vector<size_t> m_offsets;
    size_t m_bytes = 0;
};

class CItemRecord {
public:
    explicit CItemRecord(const CItemLayout& layout);
    CItemRecord(const CItemRecord& other);
    CItemRecord& operator=(const CItemRecord& other);
    CItemRecord(CItemRecord&&) noexcept = default;
    CItemRecord& operator=(CItemRecord&&) noexcept = default;

    int serial = 0;      // 1 for the first kept line of the file
    int deleteFlag = 0;  // 1: deleted in the correction grid; not written, not counted

    const CItemLayout& Layout() const { return *m_layout; }
    std::span<const ItemSpec> Items() const { return m_layout->Items(); }
    int ItemCount() const { return m_layout->Count(); }
    bool HasItem(int item) const { return item >= 0 && item < ItemCount(); }

    // The item's text buffer (its width plus one bytes); null for an item the table lacks.
    char* Text(int item);
    const char* Text(int item) const;
    // Bytes the record keeps of the item; 0 for an item the table lacks.
    int Width(int item) const { return HasItem(item) ? m_layout->Width(item) : 0; }
    // The item's result code; 0 for an item the table lacks.
    int Result(int item) const;
    void SetResult(int item, int code);

    // Stores text, cut to the item's width without splitting a double-byte character, and code.
    void Store(int item, std::string_view text, int code = kItemValid);
    // Empties the item and makes it valid; true when it had a result code.
    bool Clear(int item);

    // Any item in error or warning.
    bool HasFieldError() const;
    // Any item with a result code other than 0.
    bool HasAnyCode() const;

private:
    const CItemLayout* m_layout;
    std::unique_ptr<unsigned char[]> m_block;
};

// True when a's text of the item is smaller than b's, byte by byte as unsigned bytes (a prefix is
// smaller): the record orders by an item.
bool ItemTextLess(const CItemRecord& a, const CItemRecord& b, int item);
