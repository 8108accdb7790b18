#pragma once
// What the tests of every tool's screens share: a message master with each text replaced by its
// id and words (so that a recorded box tells which message it was), simple control actions, and
// a modal run with steps inside its loop.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/base/ApMsgInfoList.h"
#include "framework/DialogBase.h"
#include "framework/MessageSeam.h"

namespace kortest {

// The message master at masterPath (its types and icons) with every text replaced by "#<id>"
// and a "[%s]" for each word the text takes: message 27 with the word "2" shows "#27[2]".
class TaggedMessages : public CApMsgInfoList {
public:
    explicit TaggedMessages(const char* masterPath);
    // The text that message id with these words shows.
    std::string Text(int id, const char* word1 = nullptr, const char* word2 = nullptr);
};

// The id of a recorded box's message, or 0 for a plain box.
int MessageId(const kor::MessageBoxRequest& request);
std::vector<int> MessageIds(const std::vector<kor::MessageBoxRequest>& shown);

// Sends the command a click on button id sends.
void Click(HWND dialog, int id);
// Sends the notification code of control id to its dialog.
void Notify(HWND dialog, int id, int code);
// Types text into an edit field (or the edit of a combo box) key by key over its content.
void Type(HWND control, const wchar_t* text);
// The id of the control that has the focus (the combo box for its edit field), or 0.
int FocusedId(HWND dialog);

// DoModal's result when the steps left the screen open (the run then ends it).
inline constexpr INT_PTR kStillOpen = 99;
// Runs screen modally; steps run once inside its modal loop. DoModal's result.
INT_PTR RunModal(kor::CDialogBase& screen, std::function<void(HWND)> steps);

// Shows a modeless screen without taking the foreground from other test programs.
void ShowScreen(HWND screen);
// Dispatches the queued messages of this thread.
void Pump();

}  // namespace kortest
