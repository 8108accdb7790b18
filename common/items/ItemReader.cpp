#include "common/items/ItemReader.h"

#include <algorithm>

#include "common/base/StrUtil.h"

namespace {

// The digits of an amount as a number, never above limit + 1.
std::uint64_t AmountValue(std::string_view text, std::uint64_t limit) {
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + static_cast<std::uint64_t>(c - '0'), limit + 1);
    }
    return value;
}

}  // namespace

void CItemReader::SetFixedPlaces(std::vector<ItemPlace> places) {
    m_places = std::move(places);
    m_fixed = true;
    m_separator.clear();
}

void CItemReader::SetSeparatedPlaces(std::vector<ItemPlace> places, std::string_view separator) {
    m_places = std::move(places);
    m_fixed = false;
    m_separator.assign(separator);
}

int CItemReader::Check(std::string& text, int item, const ItemCheckContext& context,
                       bool namesMissing, bool* skipLine) {
    const std::span<const ItemSpec> items = m_profile->items;
    if (item < 0 || static_cast<size_t>(item) >= items.size()) return kItemError;
    const int result =
        CheckItemText(text, items[static_cast<size_t>(item)], context, namesMissing, skipLine);
    if (HasErrorBits(result)) ++m_errorCount;
    return result;
}

bool CItemReader::ConvertLine(std::string_view line, CItemRecord& record,
                              const ItemCheckContext& context) {
    const std::span<const ItemSpec> items = m_profile->items;
    if (!m_fixed) CStrUtil::SplitQuotedFields(line, m_separator, "\"", m_fields);
    // The amount options leave out a whole line, never a broken one.
    const bool broken = std::ranges::any_of(m_profile->order, [&](int item) {
        return IsAlwaysPresent(items[static_cast<size_t>(item)]) && !HasColumn(item);
    });

    const int errorsBefore = m_errorCount;
    bool namesMissing = false;
    for (const int item : m_profile->order) {
        const ItemSpec& spec = items[static_cast<size_t>(item)];
        const bool present = Extract(line, item, m_text);
        if (spec.chars == ItemChars::kAmount)
            std::erase(m_text, ',');  // ',' is never a second byte

        bool skip = false;
        int result = Check(m_text, item, context, namesMissing, &skip);
        if (skip && !broken) {
            m_errorCount = errorsBefore;
            return false;
        }
        // A column the line does not have is no empty item: the line is broken.
        if (!present && IsAlwaysPresent(spec) && !HasErrorBits(result)) {
            result |= kItemError;
            ++m_errorCount;
        }
        if (spec.name && (m_text.empty() || result == kItemError)) namesMissing = true;
        if (result & kItemWarning) m_warnings = true;
        // The check left the text trimmed of blanks.
        if (spec.chars == ItemChars::kAccountType) {
            record.Store(item, MapAccountType(m_text, context.accountCodes), result);
        } else {
            record.Store(item, m_text, result);
        }
    }
    return true;
}

bool ExtractItem(std::string_view line, const ItemPlace& place, bool fixed,
                 std::span<const std::string_view> fields, std::string& text) {
    text.clear();
    if (!place.taken) return true;
    if (fixed) {
        if (place.start < 1 || place.length < 1 || static_cast<size_t>(place.start) > line.size())
            return true;
        text.assign(
            line.substr(static_cast<size_t>(place.start) - 1, static_cast<size_t>(place.length)));
        return true;
    }
    if (place.column < 0 || static_cast<size_t>(place.column) >= fields.size()) return false;
    std::string_view field = fields[static_cast<size_t>(place.column)];
    // Quotes round a field that the split kept whole (a quote inside it) go as well.
    if (!field.empty() && field.front() == '"' && field.back() == '"')
        field = field.size() == 1 ? std::string_view() : field.substr(1, field.size() - 2);
    text.assign(field);
    return true;
}

bool CItemReader::Extract(std::string_view line, int item, std::string& text) const {
    if (static_cast<size_t>(item) >= m_places.size()) {
        text.clear();
        return true;
    }
    return ExtractItem(line, m_places[static_cast<size_t>(item)], m_fixed, m_fields, text);
}

bool CItemReader::HasColumn(int item) const {
    if (m_fixed || static_cast<size_t>(item) >= m_places.size()) return true;
    const ItemPlace& place = m_places[static_cast<size_t>(item)];
    if (!place.taken) return true;
    return place.column >= 0 && static_cast<size_t>(place.column) < m_fields.size();
}

void CItemReader::PadWithZeros(CItemRecord& record) {
    const std::span<const ItemSpec> items = record.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        char* text = record.Text(static_cast<int>(i));
        if (items[i].zeroPadded && text[0] != '\0')
            CStrUtil::PadLeft(text, "0", ZeroPadWidth(items[i]));
    }
}

void CItemReader::ClearItem(CItemRecord& record, int item) {
    if (record.Clear(item)) --m_errorCount;
}

void CItemTotals::Add(const CItemRecord& record) {
    if (m_count < kMaxCount) {
        ++m_count;
    } else {
        m_overflow = true;
    }
    const int amountItem = FindItem(record.Items(), ItemChars::kAmount);
    if (amountItem < 0) return;
    const std::uint64_t amount =
        AmountValue(CStrUtil::TrimBlanks(record.Text(amountItem)), kMaxTotal);
    if (amount > kMaxTotal - m_total) {
        m_total = kMaxTotal;
        m_overflow = true;
    } else {
        m_total += amount;
    }
}
