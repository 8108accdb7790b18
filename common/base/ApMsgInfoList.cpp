#include "common/base/ApMsgInfoList.h"

#include <climits>
#include <string_view>

#include "common/base/FileAccess.h"
#include "common/base/MasterText.h"
#include "common/base/PathNames.h"
#include "common/base/StrUtil.h"
#include "framework/MessageSeam.h"

namespace {

constexpr DWORD kEmptyPath = 0x80000001;
constexpr DWORD kReadFailed = 0x80000000;
constexpr DWORD kBadLine = 0x80000002;
constexpr size_t kMaxLineBytes = 418;
constexpr int kMaxId = 9999;

constexpr std::string_view kSeparator = "\",\"";
constexpr char kUnknownId[] = "設定外のメッセージIDを要求";
constexpr char kCaptionError[] = "エラー";
constexpr char kCaptionConfirm[] = "確認";

// The leading decimal integer of a field: blanks skipped, an optional sign, digits up to the
// first other character; nothing gives 0. Clamped instead of overflowing.
int LeadingInt(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n' ||
                            s[i] == '\v' || s[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > INT_MAX) {
            value = INT_MAX;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

// Every two-character "\n" becomes a line feed; a double-byte character whose second byte is a
// backslash is never taken for the start of one.
std::string ExpandLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t len = CStrUtil::CharLength(text, i);
        if (len == 1 && text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            i += 2;
        } else {
            out.append(text, i, len);
            i += len;
        }
    }
    return out;
}

// Fills the "%s" of text with words in order; a "%s" beyond the words, or whose word is absent,
// gets nothing. Any other "%" stays as it is: a text never reaches a printf-style function.
std::string FillWords(std::string_view text, const char* const* words, int count) {
    std::string out;
    int next = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t len = CStrUtil::CharLength(text, i);
        if (len == 1 && text[i] == '%' && i + 1 < text.size() && text[i + 1] == 's') {
            if (next < count && words[next]) out += words[next];
            ++next;
            i += 2;
        } else {
            out.append(text, i, len);
            i += len;
        }
    }
    return out;
}

}  // namespace

DWORD CApMsgInfoList::Load(const std::string& path) {
    if (path.empty()) return kEmptyPath;
    std::string data;
    if (const int rc = CFileAccess(path).ReadAll(data); rc != CFileAccess::kOk) {
        return kReadFailed | static_cast<DWORD>(rc);
    }
    m_entries.clear();
    // Only lines with a line end count (CR LF, or LF alone as another editor or a checkout may
    // leave it); what follows the last one is ignored.
    for (const std::string& line : CMasterText::CutLines(data)) {
        if (line.size() > kMaxLineBytes || CStrUtil::CountDelimiters(line, kSeparator) != 3) {
            return kBadLine;
        }
        const std::string_view inner = std::string_view(line).substr(1, line.size() - 2);
        auto entry = std::make_unique<CApMsgInfo>();
        entry->id = LeadingInt(CStrUtil::GetField(inner, 0, kSeparator));
        entry->type = LeadingInt(CStrUtil::GetField(inner, 1, kSeparator));
        entry->icon = LeadingInt(CStrUtil::GetField(inner, 2, kSeparator));
        entry->text = CStrUtil::GetField(inner, 3, kSeparator);
        m_entries.push_back(std::move(entry));
    }
    return 0;
}

std::string CApMsgInfoList::GetText(int id) {
    if (id > kMaxId || m_entries.empty()) return kUnknownId;
    std::string_view text = kUnknownId;
    for (const auto& entry : m_entries) {
        if (entry->id == id) {
            text = entry->text;
            m_lastType = entry->type;
            m_lastIcon = entry->icon;
            break;
        }
    }
    m_caption = m_lastIcon == MB_ICONERROR ? kCaptionError : kCaptionConfirm;
    return ExpandLineBreaks(text);
}

std::string CApMsgInfoList::FormatMessage(kor::MessageId id, const char* word1, const char* word2,
                                          const char* word3, const char* word4, const char* word5) {
    std::string text = GetText(id.Value());
    if (text == kUnknownId) return text;
    std::string fileName;
    if (id.Value() == m_fileNameWordId && word1) {
        const std::string_view path = word1;
        const size_t backslash = kor::LastBackslash(path);
        fileName = backslash == std::string_view::npos ? path : path.substr(backslash + 1);
        word1 = fileName.c_str();
    }
    const char* const words[] = {word1, word2, word3, word4, word5};
    int count = 5;
    while (count > 0 && !words[count - 1]) --count;
    if (count == 0) return text;
    return FillWords(text, words, count);
}

UINT CApMsgInfoList::GetStyle() const {
    UINT style = 0;
    switch (m_lastIcon) {
        case MB_ICONHAND:
        case MB_ICONQUESTION:
        case MB_ICONEXCLAMATION:
        case MB_ICONASTERISK:
            style = static_cast<UINT>(m_lastIcon);
            break;
        default:
            break;
    }
    if (m_lastType >= MB_OKCANCEL && m_lastType <= MB_RETRYCANCEL) {
        style |= static_cast<UINT>(m_lastType);
    }
    return style;
}

int CApMsgInfoList::ShowMessage(HWND owner, kor::MessageId id, const char* word1, const char* word2,
                                const char* word3, const char* word4, const char* word5) {
    const std::string text = FormatMessage(id, word1, word2, word3, word4, word5);
    const std::string caption = GetCaption();
    m_showing = id.Value();
    const int answer = kor::ShowMessageBox(owner, text, caption, GetStyle());
    m_showing = 0;
    return answer;
}
