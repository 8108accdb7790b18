#pragma once
// What the tests of the direct-debit tool's screens share: its delivered message master, each
// text tagged with its id and words, in the settings screens' fixtures.
#include "support/HeaderRecordScreenTest.h"
#include "support/ScreenActions.h"
#include "support/SettingsScreenTest.h"

namespace dbtest {

class TaggedMessages : public kortest::TaggedMessages {
public:
    TaggedMessages() : kortest::TaggedMessages(KOR_DB_MESSAGE_MASTER) {}
};

template <class Store>
using SettingsScreenTest = kortest::SettingsScreenTest<Store, TaggedMessages>;
template <class Store, class Screen>
using HeaderRecordScreenTest = kortest::HeaderRecordScreenTest<Store, TaggedMessages, Screen>;

}  // namespace dbtest
