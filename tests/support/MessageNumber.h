#pragma once
// A message id by its line number in a master, for the tests that name a message by the number
// the user's master gives it, or that read a fixture master of their own.
#include <optional>

#include "common/base/MessageId.h"

namespace kortest {

enum class MessageNumber : int {};
constexpr bool IsMessageEnum(MessageNumber) {
    return true;
}

constexpr kor::MessageId MessageNo(int number) {
    return static_cast<MessageNumber>(number);
}

// The number of a message, 0 for none (as a fault without a message).
inline int NumberOf(const std::optional<kor::MessageId>& id) {
    return id ? id->Value() : 0;
}

}  // namespace kortest
