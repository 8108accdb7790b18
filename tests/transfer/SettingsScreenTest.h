#pragma once
// The settings screens' test fixtures (support/SettingsScreenTest.h,
// support/HeaderRecordScreenTest.h) with the transfer tool's tagged messages.
#include "ScreenSupport.h"
#include "support/HeaderRecordScreenTest.h"
#include "support/SettingsScreenTest.h"

namespace xftest {

template <class Store>
using SettingsScreenTest = kortest::SettingsScreenTest<Store, TaggedMessages>;
template <class Store, class Screen>
using HeaderRecordScreenTest = kortest::HeaderRecordScreenTest<Store, TaggedMessages, Screen>;

}  // namespace xftest
