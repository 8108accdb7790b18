#include "MessageScript.h"

#include <utility>

namespace kortest {

MessageScript::MessageScript(std::deque<int> answers) : m_answers(std::move(answers)) {
    m_previous = kor::SetMessageBoxHandler([this](const kor::MessageBoxRequest& request) {
        m_shown.push_back(request);
        if (onShow) onShow(request);
        if (m_answers.empty()) return IDOK;
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

MessageScript::~MessageScript() {
    kor::SetMessageBoxHandler(std::move(m_previous));
}

}  // namespace kortest
