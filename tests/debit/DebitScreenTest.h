#pragma once
// What the tests of the direct-debit grid screens (data correction, data check) share: the window
// classes, a message table whose every text is "#<id>" with a "[%s]" for each word it takes, a
// script that answers every box, and the screen opened modeless on a data set.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/ApMsgInfoList.h"
#include "debit/DataSet.h"
#include "framework/App.h"
#include "framework/GridClass.h"
#include "framework/VSFlexGrid.h"
#include "support/MessageScript.h"
#include "support/TestPaths.h"

namespace dbtest {

inline void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

template <class Screen>
class DebitScreenTest : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        kor::RegisterGridClass();
        // The screens' messages with the types of the tool's master: 3, 27 and 55 ask OK/Cancel.
        const std::string path = kortest::ScratchDirOfTest("messages") + "mstKORDB001.ini";
        ASSERT_TRUE(kortest::WriteBytes(
            path,
            "\"3\",\"1\",\"32\",\"#3[%s][%s]\"\r\n\"9\",\"0\",\"16\",\"#9[%s]\"\r\n"
            "\"27\",\"1\",\"32\",\"#27[%s]\"\r\n\"39\",\"0\",\"48\",\"#39\"\r\n"
            "\"55\",\"1\",\"32\",\"#55\"\r\n\"72\",\"0\",\"64\",\"#72\"\r\n"
            "\"73\",\"0\",\"48\",\"#73\"\r\n\"76\",\"0\",\"16\",\"#76\"\r\n"));
        ASSERT_EQ(messages.Load(path), 0u);
    }

    // Opens the screen on set, shown without activation.
    void Open(std::unique_ptr<db::CDataSet> set) {
        dataSet = std::move(set);
        screen = std::make_unique<Screen>(nullptr, dataSet.get(), &messages, "C:\\KorDB300.chm");
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
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& request : script.Shown()) texts.push_back(request.text);
        return texts;
    }

    CApMsgInfoList messages;
    kortest::MessageScript script;
    std::unique_ptr<db::CDataSet> dataSet;
    std::unique_ptr<Screen> screen;
};

}  // namespace dbtest
