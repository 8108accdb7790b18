#pragma once
// A record layout as a table: each row says where a field lies in the record, how wide it is,
// how its text is filled and where the text comes from (a function of the record's source, or a
// constant, or an item of a detail record). PutFields writes one table into a record of blanks.
#include <span>
#include <string_view>

enum class FieldFill {
    // Copied as it stands, cut to the width on a character boundary; a shorter text leaves
    // blanks behind it.
    kText,
    // Right-aligned with '0' in front; an empty text becomes all zeros.
    kZeroPad,
    // Blanks when the text is empty or all blanks, else as kZeroPad.
    kZeroPadOrBlank,
};

template <class Source>
struct RecordField {
    int offset;  // from 0
    int width;
    FieldFill fill;
    std::string_view (*text)(const Source&);  // null: the item's text or the constant
    std::string_view constant = {};
    int item = -1;  // a detail record's item (of its tool's item table) when text is null
};

// A field that takes the text of an item of a detail record.
template <class Source>
constexpr RecordField<Source> ItemField(int offset, int width, FieldFill fill, int item) {
    return {offset, width, fill, nullptr, {}, item};
}

// Writes text into record[offset, offset + width) as fill says; bytes it does not write keep
// their blanks.
void PutField(char* record, int offset, int width, FieldFill fill, std::string_view text);

template <class Source>
std::string_view FieldText(const RecordField<Source>& f, const Source& source) {
    if (f.text) return f.text(source);
    if constexpr (requires { source.Text(0); }) {
        if (f.item >= 0) return source.Text(f.item);
    }
    return f.constant;
}

template <class Source>
void PutFields(char* record, std::span<const RecordField<Source>> fields, const Source& source) {
    for (const RecordField<Source>& f : fields)
        PutField(record, f.offset, f.width, f.fill, FieldText(f, source));
}
