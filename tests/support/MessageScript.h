#pragma once
// Answers the message boxes of one test in place of a user: every box that passes through
// kor::ShowMessageBox is recorded and answered from a queue (IDOK once the queue is empty).
// The real message box is back when the script goes out of scope.
#include <deque>
#include <functional>
#include <vector>

#include "framework/MessageSeam.h"

namespace kortest {

class MessageScript {
public:
    explicit MessageScript(std::deque<int> answers = {});
    ~MessageScript();
    MessageScript(const MessageScript&) = delete;
    MessageScript& operator=(const MessageScript&) = delete;

    void Answer(int button) { m_answers.push_back(button); }
    // Runs inside each box before it is answered (e.g. to look at the windows meanwhile).
    std::function<void(const kor::MessageBoxRequest&)> onShow;

    const std::vector<kor::MessageBoxRequest>& Shown() const { return m_shown; }

private:
    std::deque<int> m_answers;
    std::vector<kor::MessageBoxRequest> m_shown;
    kor::MessageBoxHandler m_previous;
};

}  // namespace kortest
