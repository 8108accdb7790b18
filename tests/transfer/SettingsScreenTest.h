#pragma once
// The settings screens' test fixture (support/SettingsScreenTest.h) with the transfer tool's
// tagged messages.
#include "ScreenSupport.h"
#include "support/SettingsScreenTest.h"

namespace xftest {

template <class Store>
using SettingsScreenTest = kortest::SettingsScreenTest<Store, TaggedMessages>;

}  // namespace xftest
