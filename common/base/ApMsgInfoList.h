#pragma once
// The message table: the entries of the message master, looked up by id, formatted with up to
// five inserted words and shown as a message box owned by a screen.
#include <windows.h>
#undef FormatMessage  // ours below; Win32's is always called as FormatMessageW

#include <memory>
#include <string>
#include <vector>

#include "common/base/MessageId.h"

class CApMsgInfo {
public:
    int id = 0;
    int type = 0;  // MB_OK 0 .. MB_RETRYCANCEL 5
    int icon = 0;  // 16 stop, 32 question, 48 exclamation, 64 information
    std::string text;
};

class CApMsgInfoList {
public:
    // 0, or 0x80000001 empty path, 0x80000000 | CFileAccess code, 0x80000002 bad line.
    DWORD Load(const std::string& path);
    std::string GetText(int id);
    std::string FormatMessage(kor::MessageId id, const char* word1 = nullptr,
                              const char* word2 = nullptr, const char* word3 = nullptr,
                              const char* word4 = nullptr, const char* word5 = nullptr);
    UINT GetStyle() const;
    std::string GetCaption() const { return m_caption; }

    // The message-by-id operation of every screen: formats, shows a modal box owned by owner
    // through the message seam and returns the pressed button (IDOK, IDCANCEL, ...).
    int ShowMessage(HWND owner, kor::MessageId id, const char* word1 = nullptr,
                    const char* word2 = nullptr, const char* word3 = nullptr,
                    const char* word4 = nullptr, const char* word5 = nullptr);

    size_t Count() const { return m_entries.size(); }
    // The id of the message being shown, while its box is up (a message handler may ask); 0
    // otherwise.
    int ShowingId() const { return m_showing; }

    // The message whose first word is a path shown as its file name only (the part after the
    // last "\"); -1, the start value, for none.
    void SetFileNameWord(kor::MessageId id) { m_fileNameWordId = id.Value(); }

private:
    int m_fileNameWordId = -1;
    int m_showing = 0;
    int m_lastType = 0;
    int m_lastIcon = 0;
    std::vector<std::unique_ptr<CApMsgInfo>> m_entries;
    std::string m_caption;
};
