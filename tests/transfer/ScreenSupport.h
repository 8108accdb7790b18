#pragma once
// What the tests of the transfer tool's screens share: the delivered message master tagged (see
// support/ScreenActions.h), the shared control actions, and master lines built from patterns.
#include <windows.h>

#include <string>

#include "support/ScreenActions.h"
#include "transfer/PatternBase.h"

namespace xftest {

// The delivered message master of the transfer tool, each text tagged with its id and words.
class TaggedMessages : public kortest::TaggedMessages {
public:
    TaggedMessages();
};

using kortest::Click;
using kortest::FocusedId;
using kortest::kStillOpen;
using kortest::MessageId;
using kortest::MessageIds;
using kortest::Notify;
using kortest::Pump;
using kortest::RunModal;
using kortest::ShowScreen;
using kortest::Type;

// A pattern as one line of the pattern master (40 quoted fields), with CR LF.
std::string PatternLine(const xf::CPatternBase& pattern);

}  // namespace xftest
