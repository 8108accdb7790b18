#include "framework/MessageSeam.h"

#include <utility>

#include "framework/Cp932.h"

namespace kor {

namespace {
MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}
}  // namespace

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT style) {
    if (const MessageBoxHandler& h = Handler()) {
        return h(MessageBoxRequest{owner, std::string(text), std::string(caption), style});
    }
    return MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), style);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace kor
