#pragma once
// The id of a message of a tool's message master. Every tool names its ids in an enumeration of
// its own (<tool>/MessageIds.h) and marks it as message ids with a function beside it,
//     constexpr bool IsMessageEnum(Msg) { return true; }
// The shared code takes a MessageId made from such an enumerator and names no number itself: a
// plain int, or an enumeration not so marked, does not convert.
#include <concepts>
#include <type_traits>

namespace kor {

template <class E>
concept MessageEnum = std::is_enum_v<E> && requires {
    { IsMessageEnum(E{}) } -> std::same_as<bool>;
};

class MessageId {
public:
    template <MessageEnum E>
    constexpr MessageId(E id) : m_value(static_cast<int>(id)) {}  // NOLINT: converts on purpose

    // The number of the master's line.
    constexpr int Value() const { return m_value; }

    friend constexpr bool operator==(MessageId, MessageId) = default;

private:
    int m_value;
};

}  // namespace kor
