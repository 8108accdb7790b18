// The print buttons of the correction and check screens: no default printer (76), nothing to
// print (39), the number of pages asked (27), and what reached the printer.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GridScreenTest.h"
#include "SampleData.h"
#include "framework/MetafilePrinter.h"
#include "resources/transfer/Korxf301DlgRes.h"
#include "resources/transfer/Korxf302DlgRes.h"
#include "transfer/Korxf301Dlg.h"
#include "transfer/Korxf302Dlg.h"

namespace {

using xftest::Record;
using xftest::SetItem;

enum class Screen { Correction, Check };

// valid error-free records, then flagged ones with an invalid bank code; the first deleted
// records of each kind are marked deleted.
std::function<std::unique_ptr<xf::CDataSet>()> Data(int valid, int flagged, int deletedValid = 0,
                                                    int deletedFlagged = 0) {
    return [=] {
        auto set = xftest::ValidDataSet(valid + flagged);
        for (int i = 0; i < deletedValid; ++i) Record(*set, i).deleteFlag = 1;
        for (int i = valid; i < valid + flagged; ++i) {
            SetItem(Record(*set, i), xf::kBankCode, "1x", xf::kResultError);
            if (i - valid < deletedFlagged) Record(*set, i).deleteFlag = 1;
        }
        return set;
    };
}

struct PrintCase {
    const char* name;
    Screen screen;
    int button;
    std::function<std::unique_ptr<xf::CDataSet>()> data;
    bool hasPrinter;
    int answer;  // to message 27
    std::vector<std::string> shown;
    size_t pages;  // printed, 0 for no job
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.name;
}

class ScreenPrintTest : public xftest::GridScreenFixture,
                        public testing::WithParamInterface<PrintCase> {};

TEST_P(ScreenPrintTest, AsksAndPrints) {
    const PrintCase& c = GetParam();
    kor::CMetafilePrinter printer(c.hasPrinter);
    kor::ScopedPrinterStandIn use(printer);
    kortest::MessageScript script({c.answer});
    const auto dataSet = c.data();
    std::unique_ptr<kor::CDialogBase> screen;
    if (c.screen == Screen::Check) {
        screen = std::make_unique<xf::CKorxf302Dlg>(nullptr, dataSet.get(), messages.get());
    } else {
        screen = std::make_unique<xf::CKorxf301Dlg>(nullptr, dataSet.get(), messages.get());
    }
    ASSERT_TRUE(screen->Create());
    screen->Button(c.button).Click();
    std::vector<std::string> shown;
    for (const auto& request : script.Shown()) shown.push_back(request.text);
    EXPECT_EQ(shown, c.shown);
    if (c.pages == 0) {
        EXPECT_TRUE(printer.Jobs().empty());
        if (!c.hasPrinter) {
            EXPECT_TRUE(printer.Calls().empty());
        }
    } else {
        ASSERT_EQ(printer.Jobs().size(), 1u);
        EXPECT_EQ(printer.Jobs()[0].pages.size(), c.pages);
    }
}

constexpr int kList = IDC_XF302_PRINT_LIST;
constexpr int kTotals = IDC_XF302_PRINT_TOTALS;
constexpr int kErrors = IDC_XF301_ERROR_LIST;

INSTANTIATE_TEST_SUITE_P(
    Buttons, ScreenPrintTest,
    testing::Values(
        PrintCase{"ResultList31Records",
                  Screen::Check,
                  kList,
                  Data(32, 2, 1),
                  true,
                  IDCANCEL,
                  {"#27[2]"},
                  0},
        PrintCase{"ResultList30RecordsPrinted",
                  Screen::Check,
                  kList,
                  Data(30, 1),
                  true,
                  IDOK,
                  {"#27[1]"},
                  1},
        PrintCase{"ResultList31RecordsPrinted",
                  Screen::Check,
                  kList,
                  Data(31, 0),
                  true,
                  IDOK,
                  {"#27[2]"},
                  2},
        PrintCase{
            "ResultListNoPrinter", Screen::Check, kList, Data(31, 0), false, IDOK, {"#76"}, 0},
        PrintCase{
            "ResultListNothingShown", Screen::Check, kList, Data(0, 3), true, IDOK, {"#39"}, 0},
        PrintCase{"TotalsSheetAlwaysOnePage",
                  Screen::Check,
                  kTotals,
                  Data(31, 0),
                  true,
                  IDOK,
                  {"#27[1]"},
                  1},
        PrintCase{
            "TotalsSheetNoPrinter", Screen::Check, kTotals, Data(31, 0), false, IDOK, {"#76"}, 0},
        PrintCase{"ErrorList31Records",
                  Screen::Correction,
                  kErrors,
                  Data(4, 32, 0, 1),
                  true,
                  IDCANCEL,
                  {"#27[2]"},
                  0},
        PrintCase{
            "ErrorListPrinted", Screen::Correction, kErrors, Data(4, 2), true, IDOK, {"#27[1]"}, 1},
        PrintCase{
            "ErrorListNoPrinter", Screen::Correction, kErrors, Data(4, 2), false, IDOK, {"#76"}, 0},
        PrintCase{"ErrorListOnlyDeletedErrors",
                  Screen::Correction,
                  kErrors,
                  Data(4, 2, 0, 2),
                  true,
                  IDOK,
                  {"#39"},
                  0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
