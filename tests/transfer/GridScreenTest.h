#pragma once
// The set-up that the tests of the grid screens (data correction, data check) share: the window
// classes and the tagged message table; GridScreenTest<Screen> adds a script that answers every
// box and the screen opened modeless on a data set.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ScreenSupport.h"
#include "framework/App.h"
#include "framework/GridClass.h"
#include "framework/VSFlexGrid.h"
#include "support/MessageScript.h"
#include "transfer/DataSet.h"

namespace xftest {

class GridScreenFixture : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        kor::RegisterGridClass();
        messages = std::make_unique<TaggedMessages>();
        ASSERT_TRUE(messages);
    }

    std::unique_ptr<CApMsgInfoList> messages;
};

template <class Screen>
class GridScreenTest : public GridScreenFixture {
protected:
    // Opens the screen on set, shown without activation.
    void Open(std::unique_ptr<xf::CDataSet> set) {
        dataSet = std::move(set);
        screen =
            std::make_unique<Screen>(nullptr, dataSet.get(), messages.get(), "C:\\KorXF300.chm");
        ASSERT_TRUE(screen->Create());
        ShowWindow(screen->GetSafeHwnd(), SW_SHOWNA);
        Pump();
    }
    CVSFlexGrid& grid() { return screen->Grid(); }
    // The texts of column col below the header row.
    std::vector<std::string> Column(int col) {
        std::vector<std::string> texts;
        for (int row = 1; row < grid().Rows(); ++row) texts.push_back(grid().TextMatrix(row, col));
        return texts;
    }

    kortest::MessageScript script;
    std::unique_ptr<xf::CDataSet> dataSet;
    std::unique_ptr<Screen> screen;
};

}  // namespace xftest
