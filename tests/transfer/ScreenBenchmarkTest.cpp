// How long the correction and check screens take to open a data set of 50,000 records, fill
// their grid and show its last row. A measurement, not a timed test: run it on demand with
//   transfer_tests.exe --gtest_also_run_disabled_tests --gtest_filter=*ScreenBenchmark*
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "SampleData.h"
#include "ScreenSupport.h"
#include "framework/App.h"
#include "framework/GridClass.h"
#include "resources/transfer/Korxf301DlgRes.h"
#include "support/MessageScript.h"
#include "transfer/Korxf301Dlg.h"
#include "transfer/Korxf302Dlg.h"

namespace {

constexpr int kRecords = 50000;

// Every step-th record has an invalid bank code.
std::unique_ptr<xf::CDataSet> BigDataSet(int step) {
    auto set = xftest::ValidDataSet(kRecords);
    for (int i = 0; i < kRecords; i += step)
        xftest::SetItem(xftest::Record(*set, i), xf::kBankCode, "1x", xf::kResultError);
    return set;
}

// Milliseconds from creating the screen to its last row painted in view; allView switches
// the correction screen to all records first.
template <typename Screen>
ULONGLONG OpenAndScroll(xf::CDataSet& set, CApMsgInfoList& messages, int* rows, int allView = 0) {
    const ULONGLONG start = GetTickCount64();
    Screen screen(nullptr, &set, &messages);
    if (!screen.Create()) return 0;
    ShowWindow(screen.GetSafeHwnd(), SW_SHOWNA);
    if (allView) screen.Button(allView).Click();
    CVSFlexGrid& grid = screen.Grid();
    grid.ShowCell(grid.Rows() - 1, 0);
    UpdateWindow(screen.GetSafeHwnd());
    UpdateWindow(grid.GetSafeHwnd());
    xftest::Pump();
    *rows = grid.Rows() - 1;
    return GetTickCount64() - start;
}

TEST(ScreenBenchmark, DISABLED_FiftyThousandRecords) {
    kor::InitCommonControlClasses();
    kor::RegisterGridClass();
    kortest::MessageScript script;
    auto messages = std::make_unique<xftest::TaggedMessages>();
    ASSERT_TRUE(messages);
    auto some = BigDataSet(10);
    auto all = BigDataSet(1);
    for (int round = 0; round < 3; ++round) {
        int rows = 0;
        ULONGLONG ms = OpenAndScroll<xf::CKorxf302Dlg>(*some, *messages, &rows);
        std::printf("check screen, error-free records:       %6d rows %5llu ms\n", rows, ms);
        EXPECT_EQ(rows, kRecords - kRecords / 10);
        ms = OpenAndScroll<xf::CKorxf301Dlg>(*all, *messages, &rows);
        std::printf("correction screen, every record flagged: %6d rows %5llu ms\n", rows, ms);
        EXPECT_EQ(rows, kRecords);
        ms = OpenAndScroll<xf::CKorxf301Dlg>(*some, *messages, &rows, IDC_XF301_VIEW_ALL);
        std::printf("correction screen, then all records:     %6d rows %5llu ms\n", rows, ms);
        EXPECT_EQ(rows, kRecords);
    }
    // An update that checks one item of every record again and refills the grid.
    xf::CKorxf301Dlg screen(nullptr, all.get(), messages.get());
    ASSERT_TRUE(screen.Create());
    const ULONGLONG start = GetTickCount64();
    screen.Button(IDC_XF301_UPDATE).Click();
    std::printf("correction screen, update of %d flagged records: %llu ms\n", kRecords,
                GetTickCount64() - start);
    EXPECT_EQ(all->errorFree, 0);  // "1x" stays invalid
}

}  // namespace
