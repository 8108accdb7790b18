#pragma once
// The set-up that the tests of the grid screens (data correction, data check) share: the window
// classes and the tagged message table; GridScreenTest<Screen> adds, from the shared fixture
// (support/GridScreenTest.h), a script that answers every box and the screen opened modeless on
// a data set.
#include <gtest/gtest.h>

#include <memory>

#include "ScreenSupport.h"
#include "support/GridScreenTest.h"
#include "transfer/DataSet.h"

namespace xftest {

class GridScreenFixture : public testing::Test {
protected:
    void SetUp() override {
        kortest::RegisterGridScreenClasses();
        messages = std::make_unique<TaggedMessages>();
        ASSERT_TRUE(messages);
    }

    std::unique_ptr<CApMsgInfoList> messages;
};

template <class Screen>
class GridScreenTest : public kortest::GridScreenTest<Screen, xf::CDataSet> {
protected:
    void SetUp() override {
        kortest::GridScreenTest<Screen, xf::CDataSet>::SetUp();
        this->messages = std::make_unique<TaggedMessages>();
    }
    // Opens the screen on set, shown without activation.
    void Open(std::unique_ptr<xf::CDataSet> set) { this->OpenScreen(std::move(set)); }
};

}  // namespace xftest
