// The print buttons of the correction and check screens: no printer (76), nothing to print
// (39), the number of pages asked (27) and the print run, with what each of them printed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ListPrintTestData.h"
#include "common/base/ApMsgInfoList.h"
#include "framework/App.h"
#include "framework/MetafilePrinter.h"
#include "support/MessageScript.h"
#include "support/RefusingPrinter.h"
#include "support/TestPaths.h"
#include "transfer/ListPrinter.h"

namespace {

using xf::CListPrinter;
using Outcome = CListPrinter::Outcome;
using Button = Outcome (*)(const xf::CDataSet&, CApMsgInfoList&, HWND);

constexpr char kNoPrinter[] = "通常使うプリンタが設定されていません。";
constexpr char kNothing[] = "対象となるデータがありません。";

std::string Pages(const char* count) {
    return std::string("全") + count + "ページを印刷します。よろしいですか？";
}

// errors: records 1..errors of the data set have an error, deleted: that many of them
// (from the first) are also deleted.
std::unique_ptr<xf::CDataSet> Data(int records, int errors, int deleted = 0) {
    auto data = kortest::MakeData(records);
    for (int i = 0; i < errors; ++i)
        data->details[static_cast<size_t>(i)]->SetResult(xf::kAmount, 1);
    for (int i = 0; i < deleted; ++i) data->details[static_cast<size_t>(i)]->deleteFlag = 1;
    return data;
}

struct ButtonCase {
    const char* name;
    Button button;
    std::function<std::unique_ptr<xf::CDataSet>()> data;
    bool hasPrinter;
    bool opens;
    int answer;  // to message 27
    std::vector<std::string> shown;
    Outcome outcome;
    size_t pages;  // printed
};
void PrintTo(const ButtonCase& c, std::ostream* os) {
    *os << c.name;
}

class ListPrintButtonTest : public testing::TestWithParam<ButtonCase> {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        const std::string path = kortest::ScratchDirOfTest() + "mstKORXF001.ini";
        ASSERT_TRUE(kortest::WriteBytes(
            path,
            std::string("\"27\",\"1\",\"32\",\"全%sページを印刷します。よろしいですか？\"\r\n") +
                "\"39\",\"0\",\"48\",\"" + kNothing + "\"\r\n" + "\"76\",\"0\",\"16\",\"" +
                kNoPrinter + "\"\r\n"));
        ASSERT_EQ(messages.Load(path), 0u);
        screen.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
    }

    CApMsgInfoList messages;
    kor::UniqueWindow screen;
};

TEST_P(ListPrintButtonTest, MessagesAndPrintout) {
    const ButtonCase& c = GetParam();
    kor::CMetafilePrinter printer(c.hasPrinter, c.opens);
    kor::ScopedPrinterStandIn use(printer);
    kortest::MessageScript script({c.answer});
    const auto data = c.data();
    EXPECT_EQ(c.button(*data, messages, screen.get()), c.outcome);
    std::vector<std::string> shown;
    for (const kor::MessageBoxRequest& box : script.Shown()) {
        shown.push_back(box.text);
        EXPECT_EQ(box.owner, screen.get());
    }
    EXPECT_EQ(shown, c.shown);
    size_t pages = 0;
    for (const auto& job : printer.Jobs()) pages += job.pages.size();
    EXPECT_EQ(pages, c.pages);
    // The printer is not even opened unless the user agreed to print.
    const bool asked = c.outcome == Outcome::kPrinted || c.outcome == Outcome::kFailed;
    EXPECT_EQ(printer.Calls().empty(), !asked);
}

const auto kResult = &CListPrinter::PrintResultList;
const auto kTotals = &CListPrinter::PrintTotalsSheet;
const auto kErrors = &CListPrinter::PrintErrorList;

INSTANTIATE_TEST_SUITE_P(Cases, ListPrintButtonTest,
                         testing::Values(ButtonCase{"ResultListWithoutPrinter",
                                                    kResult,
                                                    [] { return Data(3, 0); },
                                                    false,
                                                    false,
                                                    IDOK,
                                                    {kNoPrinter},
                                                    Outcome::kNoPrinter,
                                                    0},
                                         ButtonCase{"ErrorListWithoutPrinter",
                                                    kErrors,
                                                    [] { return Data(3, 3); },
                                                    false,
                                                    false,
                                                    IDOK,
                                                    {kNoPrinter},
                                                    Outcome::kNoPrinter,
                                                    0},
                                         ButtonCase{"TotalsWithoutPrinter",
                                                    kTotals,
                                                    [] { return Data(3, 0); },
                                                    false,
                                                    false,
                                                    IDOK,
                                                    {kNoPrinter},
                                                    Outcome::kNoPrinter,
                                                    0},
                                         ButtonCase{"ResultListOf31",
                                                    kResult,
                                                    [] { return Data(31, 0); },
                                                    true,
                                                    true,
                                                    IDOK,
                                                    {Pages("2")},
                                                    Outcome::kPrinted,
                                                    2},
                                         ButtonCase{"ResultListDeclined",
                                                    kResult,
                                                    [] { return Data(31, 0); },
                                                    true,
                                                    true,
                                                    IDCANCEL,
                                                    {Pages("2")},
                                                    Outcome::kDeclined,
                                                    0},
                                         ButtonCase{"ResultListAllInError",
                                                    kResult,
                                                    [] { return Data(2, 2); },
                                                    true,
                                                    true,
                                                    IDOK,
                                                    {kNothing},
                                                    Outcome::kNothingToPrint,
                                                    0},
                                         ButtonCase{"ResultListEmpty",
                                                    kResult,
                                                    [] { return Data(0, 0); },
                                                    true,
                                                    true,
                                                    IDOK,
                                                    {kNothing},
                                                    Outcome::kNothingToPrint,
                                                    0},
                                         ButtonCase{"ResultListPrinterThatCannotOpen",
                                                    kResult,
                                                    [] { return Data(1, 0); },
                                                    true,
                                                    false,
                                                    IDOK,
                                                    {Pages("1")},
                                                    Outcome::kFailed,
                                                    0},
                                         ButtonCase{"TotalsOfMany",
                                                    kTotals,
                                                    [] { return Data(61, 1); },
                                                    true,
                                                    true,
                                                    IDOK,
                                                    {Pages("1")},
                                                    Outcome::kPrinted,
                                                    1},
                                         ButtonCase{"TotalsAllInError",
                                                    kTotals,
                                                    [] { return Data(2, 2); },
                                                    true,
                                                    true,
                                                    IDOK,
                                                    {kNothing},
                                                    Outcome::kNothingToPrint,
                                                    0},
                                         ButtonCase{"ErrorListOf31WithOneDeleted",
                                                    kErrors,
                                                    [] { return Data(40, 31, 1); },
                                                    true,
                                                    true,
                                                    IDOK,
                                                    {Pages("1")},
                                                    Outcome::kPrinted,
                                                    1},
                                         ButtonCase{"ErrorListOf31",
                                                    kErrors,
                                                    [] { return Data(40, 31); },
                                                    true,
                                                    true,
                                                    IDOK,
                                                    {Pages("2")},
                                                    Outcome::kPrinted,
                                                    2},
                                         ButtonCase{"ErrorListWithoutErrors",
                                                    kErrors,
                                                    [] { return Data(5, 0); },
                                                    true,
                                                    true,
                                                    IDOK,
                                                    {kNothing},
                                                    Outcome::kNothingToPrint,
                                                    0},
                                         ButtonCase{"ErrorListAllDeleted",
                                                    kErrors,
                                                    [] { return Data(5, 2, 2); },
                                                    true,
                                                    true,
                                                    IDOK,
                                                    {kNothing},
                                                    Outcome::kNothingToPrint,
                                                    0}),
                         [](const testing::TestParamInfo<ButtonCase>& info) {
                             return std::string(info.param.name);
                         });

// A page that the printer refuses fails the run as a job that cannot be started does: no
// message beyond the question of the pages, and the job abandoned.
TEST_F(ListPrintButtonTest, ARefusedPageFailsThePrint) {
    using kortest::RefusingPrinter;
    for (auto refuses :
         {RefusingPrinter::Refuses::kStartPage, RefusingPrinter::Refuses::kEndPage}) {
        RefusingPrinter printer(refuses, 2);
        kor::ScopedPrinterStandIn use(printer);
        kortest::MessageScript script({IDOK});
        const auto data = Data(40, 31);
        EXPECT_EQ(CListPrinter::PrintErrorList(*data, messages, screen.get()), Outcome::kFailed);
        ASSERT_EQ(script.Shown().size(), 1u);
        EXPECT_EQ(script.Shown()[0].text, Pages("2"));
        ASSERT_GE(printer.Calls().size(), 2u);
        EXPECT_EQ(printer.Calls()[printer.Calls().size() - 2], "AbortDoc");
        EXPECT_TRUE(IsWindowEnabled(screen.get()));
    }
}

}  // namespace
