#pragma once
// The first failed check of a settings form: the message to show, its words and the field that
// takes the focus (a value of the form's own field enumeration). No message means no fault.
#include <optional>
#include <string>
#include <utility>

#include "common/base/MessageId.h"

struct FormFault {
    std::optional<kor::MessageId> message;
    std::string word1;
    std::string word2;
    int field = 0;

    explicit operator bool() const { return message.has_value(); }
    const char* Word1() const { return word1.empty() ? nullptr : word1.c_str(); }
    const char* Word2() const { return word2.empty() ? nullptr : word2.c_str(); }
};

// The fault of message at field, with its words.
inline FormFault Fault(kor::MessageId message, int field, std::string word1 = {},
                       std::string word2 = {}) {
    return FormFault{message, std::move(word1), std::move(word2), field};
}
