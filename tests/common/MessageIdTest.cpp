// A message id comes only from a tool's enumeration of its ids, and a shared table of ids has
// no number of its own: a tool that leaves out one of them does not build.
#include "common/base/MessageId.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "common/base/ProgressTask.h"
#include "common/flow/ConversionSteps.h"
#include "common/flow/PathCheck.h"
#include "common/items/ItemListPrinter.h"
#include "common/patterns/DelimPatternFormBase.h"
#include "common/patterns/FixedPatternChecks.h"
#include "common/screens/ConversionScreen.h"
#include "common/screens/CorrectionScreen.h"
#include "common/screens/DelimPatternScreen.h"
#include "common/screens/FixedPatternScreen.h"
#include "common/screens/HeaderRecordScreen.h"
#include "common/screens/PatternScreenSteps.h"
#include "support/MessageNumber.h"

namespace {

enum class Unmarked : int { kOne = 1 };

static_assert(!std::is_convertible_v<int, kor::MessageId>, "a number is no message id");
static_assert(!std::is_constructible_v<kor::MessageId, int>, "a number is no message id");
static_assert(!std::is_convertible_v<Unmarked, kor::MessageId>,
              "only an enumeration marked as message ids converts");
static_assert(std::is_convertible_v<kortest::MessageNumber, kor::MessageId>);
static_assert(!std::is_default_constructible_v<kor::MessageId>, "an id has no default");

template <class... Tables>
constexpr bool kNoneHasDefaults = (!std::is_default_constructible_v<Tables> && ...);
static_assert(kNoneHasDefaults<CAbortQuestions, kor::ConversionMessages, kor::PathMessages,
                               kor::ConversionScreenMessages, CItemListPrinter::ButtonMessages,
                               DelimFormMessages, DelimFormRules, FixedFormMessages,
                               CorrectionMessages, HeaderRecordMessages, StepMessage,
                               PatternStepMessages, FixedPatternMessages, FixedPatternScreenText,
                               SamplePathMessages, DelimScreenMessages, DelimPatternScreenText>,
              "every tool states every number of a shared table");

TEST(MessageId, KeepsTheNumberOfItsEnumerator) {
    constexpr kor::MessageId id = kortest::MessageNumber{115};
    static_assert(id.Value() == 115);
    EXPECT_EQ(id, kortest::MessageNo(115));
    EXPECT_NE(id, kortest::MessageNo(114));
}

}  // namespace
