#pragma once
// What the tests of the direct-debit grid screens (data correction, data check) share: the shared
// fixture (support/GridScreenTest.h: the window classes, a script that answers every box, the
// screen opened modeless on a data set) with a message table whose every text is "#<id>" with a
// "[%s]" for each word it takes.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/base/ApMsgInfoList.h"
#include "debit/DataSet.h"
#include "support/GridScreenTest.h"
#include "support/TestPaths.h"

namespace dbtest {

template <class Screen>
class DebitScreenTest : public kortest::GridScreenTest<Screen, db::CDataSet> {
protected:
    void SetUp() override {
        kortest::GridScreenTest<Screen, db::CDataSet>::SetUp();
        // The screens' messages with the types of the tool's master: 3, 27 and 55 ask OK/Cancel.
        const std::string path = kortest::ScratchDirOfTest("messages") + "mstKORDB001.ini";
        ASSERT_TRUE(kortest::WriteBytes(
            path,
            "\"3\",\"1\",\"32\",\"#3[%s][%s]\"\r\n\"9\",\"0\",\"16\",\"#9[%s]\"\r\n"
            "\"27\",\"1\",\"32\",\"#27[%s]\"\r\n\"39\",\"0\",\"48\",\"#39\"\r\n"
            "\"55\",\"1\",\"32\",\"#55\"\r\n\"72\",\"0\",\"64\",\"#72\"\r\n"
            "\"73\",\"0\",\"48\",\"#73\"\r\n\"76\",\"0\",\"16\",\"#76\"\r\n"));
        this->messages = std::make_unique<CApMsgInfoList>();
        ASSERT_EQ(this->messages->Load(path), 0u);
    }
    // Opens the screen on set, shown without activation.
    void Open(std::unique_ptr<db::CDataSet> set) { this->OpenScreen(std::move(set)); }
};

}  // namespace dbtest
