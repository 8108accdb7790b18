#include "localtax/RequesterStore.h"

#include <windows.h>

#include <span>

#include "common/base/MasterText.h"
#include "common/base/StrUtil.h"
#include "localtax/FileAccess.h"

namespace tx {

namespace {

constexpr std::string_view kDelimiters = ",\r\n";
constexpr char kQuote = '"';
constexpr size_t kFieldCount = 4;

// The text with every line feed written as CR LF, as a text-mode file holds it.
std::string TextModeBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string Quoted(std::string_view field) {
    std::string out(1, kQuote);
    for (const char c : field) {
        out += c;
        if (c == kQuote) out += kQuote;
    }
    out += kQuote;
    return out;
}

std::string CutToWidth(const std::string& field, int width) {
    std::string out;
    CStrUtil::CutMbcs(field, out, width);
    return out;
}

}  // namespace

// Quotes, commas, CR and LF are single-byte characters that never occur as the second byte of
// a double-byte character, so the line is split byte by byte.
void CRequesterStore::ParseFields(std::string_view line, std::vector<std::string>& fields,
                                  size_t minimum) {
    fields.clear();
    std::string_view rest = line;
    const auto dropThroughDelimiter = [&rest] {
        const size_t end = rest.find_first_of(kDelimiters);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    };
    while (!rest.empty()) {
        std::string field;
        if (rest.front() == kQuote) {
            rest.remove_prefix(1);
            for (;;) {
                const size_t quote = rest.find(kQuote);
                field.append(rest.substr(0, quote));
                if (quote == std::string_view::npos) {
                    rest = {};
                    break;
                }
                rest.remove_prefix(quote);
                if (rest.size() < 2 || rest[1] != kQuote) break;
                field += kQuote;  // a doubled quote
                rest.remove_prefix(2);
            }
            dropThroughDelimiter();  // the closing quote and what follows it
        } else {
            const size_t end = rest.find_first_of(kDelimiters);
            field.assign(rest.substr(0, end));
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
        fields.push_back(std::move(field));
    }
    if (fields.size() < minimum) fields.resize(minimum);
}

std::unique_ptr<CRequesterInfo> CRequesterStore::ParseEntry(std::string_view line) {
    std::vector<std::string> fields;
    ParseFields(line, fields, kFieldCount);
    auto record = std::make_unique<CRequesterInfo>();
    record->name1 = CutToWidth(fields[0], CRequesterInfo::kNameLineWidth);
    record->name2 = CutToWidth(fields[1], CRequesterInfo::kNameLineWidth);
    record->address1 = CutToWidth(fields[2], CRequesterInfo::kAddressLineWidth);
    record->address2 = CutToWidth(fields[3], CRequesterInfo::kAddressLineWidth);
    record->controlField =
        CMasterText::FirstControlField(std::span<const std::string>(fields).first(kFieldCount));
    return record;
}

std::unique_ptr<CRequesterInfo> CRequesterStore::ReadEntry(int* lastError) const {
    std::string text;
    if (CFileAccess(Path()).ReadAll(text) != CFileAccess::kOk) {
        if (lastError) *lastError = static_cast<int>(GetLastError());
        return nullptr;
    }
    const size_t end = text.find('\n');
    return ParseEntry(std::string_view(text).substr(0, end));
}

bool CRequesterStore::CheckEntry(const CRequesterInfo& record) {
    return !record.name1.empty() || !record.name2.empty() || !record.address1.empty() ||
           !record.address2.empty();
}

std::string CRequesterStore::FormatEntry(const CRequesterInfo& record) {
    return Quoted(record.name1) + "," + Quoted(record.name2) + "," + Quoted(record.address1) + "," +
           Quoted(record.address2) + "\r\n";
}

int CRequesterStore::WriteEntry(const CRequesterInfo& record, int* lastError) const {
    if (!CheckEntry(record)) return 0;
    for (const std::string* field :
         {&record.name1, &record.name2, &record.address1, &record.address2}) {
        if (field->find_first_of("\r\n") != std::string::npos) return 0;  // would end the line
    }
    if (CFileAccess().WriteFile(TextModeBytes(FormatEntry(record)), Path()) != CFileAccess::kOk) {
        if (lastError) *lastError = static_cast<int>(GetLastError());
        return 0;
    }
    return 1;
}

}  // namespace tx
