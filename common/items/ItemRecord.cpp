#include "common/items/ItemRecord.h"

#include <algorithm>
#include <cstring>

#include "common/base/StrUtil.h"

CItemLayout::CItemLayout(std::span<const ItemSpec> items) : m_items(items) {
    m_offsets.reserve(items.size());
    size_t offset = items.size();
    for (const ItemSpec& item : items) {
        m_offsets.push_back(offset);
        offset += static_cast<size_t>(item.recordWidth) + 1;
    }
    m_bytes = offset;
}

CItemRecord::CItemRecord(const CItemLayout& layout)
    : m_layout(&layout), m_block(std::make_unique<unsigned char[]>(layout.Bytes())) {}

CItemRecord::CItemRecord(const CItemRecord& other)
    : serial(other.serial),
      deleteFlag(other.deleteFlag),
      m_layout(other.m_layout),
      m_block(std::make_unique_for_overwrite<unsigned char[]>(other.m_layout->Bytes())) {
    std::memcpy(m_block.get(), other.m_block.get(), m_layout->Bytes());
}

CItemRecord& CItemRecord::operator=(const CItemRecord& other) {
    if (this != &other) *this = CItemRecord(other);
    return *this;
}

char* CItemRecord::Text(int item) {
    if (!HasItem(item)) return nullptr;
    return reinterpret_cast<char*>(m_block.get() + m_layout->TextOffset(item));
}

const char* CItemRecord::Text(int item) const {
    if (!HasItem(item)) return nullptr;
    return reinterpret_cast<const char*>(m_block.get() + m_layout->TextOffset(item));
}

int CItemRecord::Result(int item) const {
    return HasItem(item) ? m_block[static_cast<size_t>(item)] : kItemValid;
}

void CItemRecord::SetResult(int item, int code) {
    if (HasItem(item)) m_block[static_cast<size_t>(item)] = static_cast<unsigned char>(code);
}

void CItemRecord::Store(int item, std::string_view text, int code) {
    if (!HasItem(item)) return;
    CStrUtil::CopyToBuffer(text, Text(item), Width(item));
    SetResult(item, code);
}

bool CItemRecord::Clear(int item) {
    if (!HasItem(item)) return false;
    std::memset(Text(item), 0, static_cast<size_t>(Width(item)) + 1);
    const bool hadCode = Result(item) != kItemValid;
    SetResult(item, kItemValid);
    return hadCode;
}

bool CItemRecord::HasFieldError() const {
    for (int item = 0; item < ItemCount(); ++item) {
        if (HasErrorBits(m_block[static_cast<size_t>(item)])) return true;
    }
    return false;
}

bool CItemRecord::HasAnyCode() const {
    for (int item = 0; item < ItemCount(); ++item) {
        if (m_block[static_cast<size_t>(item)] != kItemValid) return true;
    }
    return false;
}

bool ItemTextLess(const CItemRecord& a, const CItemRecord& b, int item) {
    const std::string_view x = a.Text(item) ? a.Text(item) : "";
    const std::string_view y = b.Text(item) ? b.Text(item) : "";
    const int c = std::memcmp(x.data(), y.data(), std::min(x.size(), y.size()));  // unsigned bytes
    return c < 0 || (c == 0 && x.size() < y.size());
}
