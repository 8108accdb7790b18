#pragma once
// Base of the tools' screens: a dialog that holds the message table it shows messages from, the
// program icon it wears and the program's name that captions its plain boxes. Every box is owned
// by the screen. Neither the table nor the icon is owned.
#include <windows.h>

#include <string>
#include <string_view>

#include "common/base/MessageId.h"
#include "framework/DialogBase.h"

class CApMsgInfoList;

class CScreenBase : public kor::CDialogBase {
public:
    CScreenBase(UINT templateId, HWND parent, CApMsgInfoList* messages, HICON icon,
                std::string programName);

    // The message of id with its words, as a box owned by the screen; the pressed button, or
    // IDCANCEL without a message table.
    int ShowMessage(kor::MessageId id, const char* word1 = nullptr, const char* word2 = nullptr,
                    const char* word3 = nullptr, const char* word4 = nullptr,
                    const char* word5 = nullptr) const;
    // A text outside the message table, in a plain box captioned with the program's name.
    int ShowPlainMessage(std::string_view text) const;
    // Whether the user may leave a screen whose changes may not be stored: true when nothing is
    // modified, else when question (a message of OK and Cancel, with word) is answered OK.
    bool MayLeave(bool modified, kor::MessageId question, const char* word = nullptr) const;

    CApMsgInfoList* Messages() const { return m_messages; }
    HICON ScreenIcon() const { return m_icon; }
    const std::string& ProgramName() const { return m_programName; }

protected:
    // For a screen that is given its message table after construction.
    void SetMessages(CApMsgInfoList* messages) { m_messages = messages; }
    // Puts the program icon on the window (nothing without one); for OnInitDialog.
    void ShowScreenIcon() const;
    // A minimised main screen: WM_PAINT draws the program icon in the middle of the client
    // area and WM_QUERYDRAGICON answers it. True, with result set, when msg was one of them and
    // was answered; for OnOtherMessage.
    bool OnMinimisedIconMessage(UINT msg, INT_PTR& result) const;

private:
    CApMsgInfoList* m_messages;
    HICON m_icon;
    std::string m_programName;
};
