#pragma once
// Where the steps of a conversion (checks, read, write) show their messages and take the
// user's answers: a main screen shows them as message boxes over its message table; the console
// harness answers them itself.
#include <windows.h>

#include <string>

#include "common/base/ApMsgInfoList.h"

class CFlowMessages {
public:
    virtual ~CFlowMessages() = default;
    // Message id of the message master with its words: the button pressed (IDOK, IDCANCEL...).
    virtual int ShowMessage(kor::MessageId id, const char* word1 = nullptr,
                            const char* word2 = nullptr) = 0;
    // A text fixed in the program: the button pressed.
    virtual int ShowFixedBox(const char* text, UINT style) = 0;
};

// The message boxes of a window: the message table's texts, and fixed texts under the program's
// name.
class CWindowMessages : public CFlowMessages {
public:
    CWindowMessages(CApMsgInfoList& table, HWND owner, std::string programName)
        : m_table(table), m_owner(owner), m_programName(std::move(programName)) {}

    int ShowMessage(kor::MessageId id, const char* word1 = nullptr,
                    const char* word2 = nullptr) override;
    int ShowFixedBox(const char* text, UINT style) override;

private:
    CApMsgInfoList& m_table;
    HWND m_owner;
    std::string m_programName;
};
