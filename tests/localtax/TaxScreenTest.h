#pragma once
// What the tests of the local-tax grid screens (data correction, data check) share: the shared
// fixture (support/GridScreenTest.h: the window classes, a script that answers every box) with
// a message table whose every text is "#<id>" with a "[%s]" for each word it takes, and the
// screen opened modeless on a data set through a maker of the screen.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "localtax/ApMsgInfoList.h"
#include "localtax/DataSet.h"
#include "support/GridScreenTest.h"
#include "support/TestPaths.h"

namespace txtest {

template <class Screen>
class TaxScreenTest : public kortest::GridScreenTest<Screen, tx::CDataSet> {
protected:
    void SetUp() override {
        kortest::GridScreenTest<Screen, tx::CDataSet>::SetUp();
        // The screens' messages with the types of the tool's master: 3, 21 and 43 ask OK/Cancel.
        const std::string folder = kortest::ScratchDirOfTest("messages");
        ASSERT_TRUE(
            kortest::WriteBytes(folder + tx::CApMsgInfoList::kFileName,
                                "\"3\",\"1\",\"32\",\"#3\"\r\n\"21\",\"1\",\"32\",\"#21[%s]\"\r\n"
                                "\"31\",\"0\",\"48\",\"#31\"\r\n\"43\",\"1\",\"32\",\"#43[%s]\"\r\n"
                                "\"53\",\"0\",\"64\",\"#53\"\r\n\"54\",\"0\",\"48\",\"#54\"\r\n"
                                "\"55\",\"0\",\"16\",\"#55\"\r\n"));
        auto table = std::make_unique<tx::CApMsgInfoList>();
        std::string dir = folder;
        if (!dir.empty() && dir.back() == '\\') dir.pop_back();
        ASSERT_EQ(table->Load(dir), 0u);
        this->messages = std::move(table);
    }
    // Opens the screen that make builds on set, shown without activation.
    void OpenWith(
        std::unique_ptr<tx::CDataSet> set,
        const std::function<std::unique_ptr<Screen>(tx::CDataSet*, ::CApMsgInfoList*)>& make) {
        this->dataSet = std::move(set);
        this->screen = make(this->dataSet.get(), this->messages.get());
        ASSERT_TRUE(this->screen->Create());
        ShowWindow(this->screen->GetSafeHwnd(), SW_SHOWNA);
        kortest::Pump();
    }
    tx::CDetailRecord& Detail(size_t index, size_t group = 0) {
        return *this->dataSet->groups[group]->details[index];
    }
};

}  // namespace txtest
