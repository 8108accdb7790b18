// The number formatting, the page arithmetic and the page loop that the list printers share,
// under the transfer tool's settings and under another tool's (10 rows of two lines a page,
// other abort questions), on stand-in printers.
#include "common/items/PagedListPrinter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/base/ApMsgInfoList.h"
#include "common/base/ProgressDlg.h"
#include "framework/App.h"
#include "framework/MetafilePrinter.h"
#include "resources/common/ProgressDlgRes.h"
#include "support/EmfRecords.h"
#include "support/JobHost.h"
#include "support/MessageNumber.h"
#include "support/MessageScript.h"
#include "support/RefusingPrinter.h"

namespace {

using Calls = std::vector<std::string>;

constexpr CPagedListPrinter::Settings kThirtyRows{
    .rowsPerPage = 30,
    .linesPerRow = 1,
    .abortQuestions = {.printing = kortest::MessageNo(26),
                       .other = kortest::MessageNo(25),
                       .converting = std::nullopt},
    .dialog = kProgressDialogIds,
    .rowGapTenths = 0};
constexpr CPagedListPrinter::Settings kTenRowsOfTwoLines{
    .rowsPerPage = 10,
    .linesPerRow = 2,
    .abortQuestions = {.printing = kortest::MessageNo(20),
                       .other = kortest::MessageNo(19),
                       .converting = std::nullopt},
    .dialog = kProgressDialogIds,
    .rowGapTenths = 0};

TEST(PagedListPrinter, FormatThousands) {
    struct Case {
        const char* text;
        const char* formatted;
    };
    const Case cases[] = {
        {"", ""},
        {"1", "1"},
        {"123", "123"},
        {"1234", "1,234"},
        {"123456", "123,456"},
        {"1234567", "1,234,567"},
        {"12a", "12a"},
        {"12345a", "123,45a"},
        {"9999999999", "9,999,999,999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CPagedListPrinter::FormatThousands(c.text), c.formatted) << c.text;
        EXPECT_EQ(CPagedListPrinter::FormatNumber(c.text), c.formatted) << c.text;
    }
}

TEST(PagedListPrinter, StripLeadingZeros) {
    struct Case {
        const char* text;
        const char* stripped;
    };
    const Case cases[] = {{"0000001234", "1234"}, {"00012a", "12a"}, {"0000000000", ""}, {"", ""},
                          {"1020", "1020"},       {"0 1", " 1"}};
    for (const Case& c : cases)
        EXPECT_EQ(CPagedListPrinter::StripLeadingZeros(c.text), c.stripped) << c.text;
}

TEST(PagedListPrinter, PagesOfThirtyOrTenRecords) {
    struct Case {
        int records, rowsPerPage, pages;
    };
    const Case cases[] = {{0, 30, 0},  {1, 30, 1},  {29, 30, 1}, {30, 30, 1},
                          {31, 30, 2}, {60, 30, 2}, {61, 30, 3}, {0, 10, 0},
                          {10, 10, 1}, {11, 10, 2}, {25, 10, 3}, {30, 10, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(CPagedListPrinter::PageCount(c.records, c.rowsPerPage), c.pages)
            << c.records << " at " << c.rowsPerPage;
}

TEST(PagedListPrinter, ErrorMarkIsTheLowFourBits) {
    const std::pair<int, const char*> cases[] = {{0, " "},  {1, "*"},  {2, "*"}, {8, "*"},
                                                 {16, " "}, {18, "*"}, {32, " "}};
    for (const auto& [code, mark] : cases) {
        EXPECT_STREQ(CPagedListPrinter::ErrorMark(code), mark) << code;
        EXPECT_EQ(HasErrorBits(code), *mark == '*') << code;
    }
}

TEST(PagedListPrinter, PageNumbersAreRightAlignedInFiveCharacters) {
    const auto text = [](int page, int count) {
        return CPagedListPrinter::Printf(
            "%5s/%5s", CPagedListPrinter::FormatThousands(std::to_string(page)).c_str(),
            CPagedListPrinter::FormatThousands(std::to_string(count)).c_str());
    };
    EXPECT_EQ(text(1, 2), "    1/    2");
    EXPECT_EQ(text(999, 1000), "  999/1,000");
    EXPECT_EQ(text(1234, 12345), "1,234/12,345");
}

TEST(PagedListPrinter, LocalTimeOfSecondsSince1970) {
    SYSTEMTIME local = {};
    local.wYear = 2026;
    local.wMonth = 3;
    local.wDay = 4;
    local.wHour = 5;
    local.wMinute = 6;
    local.wSecond = 7;
    SYSTEMTIME utc = {};
    ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc));
    FILETIME file = {};
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &file));
    const long long seconds =
        static_cast<long long>(
            (static_cast<ULONGLONG>(file.dwHighDateTime) << 32 | file.dwLowDateTime) /
            10000000ULL) -
        11644473600LL;
    const SYSTEMTIME t = CPagedListPrinter::LocalTimeOf(seconds);
    EXPECT_EQ(t.wYear, 2026);
    EXPECT_EQ(t.wMonth, 3);
    EXPECT_EQ(t.wDay, 4);
    EXPECT_EQ(t.wHour, 5);
    EXPECT_EQ(t.wMinute, 6);
    EXPECT_EQ(t.wSecond, 7);
}

// --- The page loop ----------------------------------------------------------------------------

// A list of numbered rows: on each page a header line "page/pages", then the rows, each with its
// number at column 3 and, for rows of two lines, "下段" on its second line.
class RowList : public CPagedListPrinter {
public:
    using CPagedListPrinter::CPagedListPrinter;

    BOOL Print(int rows) {
        if (!BeginList()) return FALSE;
        const int pages = PageCount(rows, ListSettings().rowsPerPage);
        int next = 1;
        return PrintPages(rows, [&](int page) {
            const CSelection font = SelectListFont(9);
            const Metrics m = MeasureColumns();
            step = m.Step();
            int y = 0;
            TextAt(0, y, Printf("%d/%d", page, pages));
            y += m.Step();
            PrintPageRows(m, y, [&](int rowY) {
                if (next > rows) return false;
                TextAt(m.X(3), rowY, std::to_string(next++));
                if (ListSettings().linesPerRow == 2) TextAt(m.X(3), rowY + m.Step(), "下段");
                return true;
            });
            return PageEnd{next > rows, next - 1};
        });
    }
    HWND Dialog() const { return m_dialog ? m_dialog->GetSafeHwnd() : nullptr; }

    int step = 0;
};

// A printed page: its header and the y of each row number.
struct RowPage {
    std::string header;
    std::vector<int> numbers;
    std::vector<int> ys;
    int secondLines = 0;
};

std::vector<RowPage> ReadRowPages(const kor::CMetafilePrinter& printer) {
    std::vector<RowPage> pages;
    for (const auto& job : printer.Jobs()) {
        for (const auto& emf : job.pages) {
            RowPage page;
            for (const kortest::DrawnText& t : kortest::ReadPage(emf.get()).texts) {
                if (t.y == 0) {
                    page.header = t.text;
                } else if (t.text == "下段") {
                    ++page.secondLines;
                } else {
                    page.numbers.push_back(std::atoi(t.text.c_str()));
                    page.ys.push_back(t.y);
                }
            }
            pages.push_back(page);
        }
    }
    return pages;
}

class PageLoopTest : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        ASSERT_EQ(kortest::LoadMessageLines(messages,
                                            "\"20\",\"1\",\"32\",\"印刷を中止しますか？\"\r\n"
                                            "\"26\",\"1\",\"32\",\"印刷を中断します。\"\r\n"),
                  0u);
        screen = kortest::MakeScreenWindow();
        ASSERT_TRUE(screen);
    }

    CApMsgInfoList messages;
    kor::UniqueWindow screen;
};

TEST_F(PageLoopTest, RowsPerPageAndLinesPerRowTakeEffect) {
    struct Case {
        const char* name;
        CPagedListPrinter::Settings settings;
        int rows;
        std::vector<std::vector<int>> pages;  // row numbers on each page
    };
    const auto range = [](int first, int last) {
        std::vector<int> numbers;
        for (int n = first; n <= last; ++n) numbers.push_back(n);
        return numbers;
    };
    const Case cases[] = {
        {"ThirtyRows", kThirtyRows, 31, {range(1, 30), {31}}},
        {"ThirtyRowsExactly", kThirtyRows, 30, {range(1, 30)}},
        {"TenRowsOfTwoLines", kTenRowsOfTwoLines, 25, {range(1, 10), range(11, 20), range(21, 25)}},
        {"TenRowsOfTwoLinesExactly", kTenRowsOfTwoLines, 10, {range(1, 10)}},
    };
    for (const Case& c : cases) {
        kor::CMetafilePrinter printer;
        kor::ScopedPrinterStandIn use(printer);
        RowList list(c.settings, &messages, screen.get());
        EXPECT_TRUE(list.Print(c.rows)) << c.name;
        const std::vector<RowPage> pages = ReadRowPages(printer);
        ASSERT_EQ(pages.size(), c.pages.size()) << c.name;
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pages[i].header, std::to_string(i + 1) + "/" + std::to_string(pages.size()))
                << c.name;
            EXPECT_EQ(pages[i].numbers, c.pages[i]) << c.name << " page " << i + 1;
            // The first row below the header; each row as many lines below the one before.
            const int rowStep = c.settings.linesPerRow * list.step;
            for (size_t r = 0; r < pages[i].ys.size(); ++r)
                EXPECT_EQ(pages[i].ys[r], list.step + static_cast<int>(r) * rowStep) << c.name;
            EXPECT_EQ(pages[i].secondLines,
                      c.settings.linesPerRow == 2 ? static_cast<int>(c.pages[i].size()) : 0);
        }
        EXPECT_EQ(printer.Calls().back(), "Close");
        EXPECT_EQ(printer.Calls()[printer.Calls().size() - 2], "EndDoc") << c.name;
    }
}

TEST_F(PageLoopTest, TheAbortButtonAsksTheListsOwnQuestion) {
    struct Case {
        CPagedListPrinter::Settings settings;
        const char* question;
    };
    const Case cases[] = {{kThirtyRows, "印刷を中断します。"},
                          {kTenRowsOfTwoLines, "印刷を中止しますか？"}};
    for (const Case& c : cases) {
        kor::CMetafilePrinter printer;
        kor::ScopedPrinterStandIn use(printer);
        RowList list(c.settings, &messages, screen.get());
        printer.onEndPage = [&](int page) {
            if (page == 1)
                PostMessageW(GetDlgItem(list.Dialog(), IDC_PROGRESS_ABORT), BM_CLICK, 0, 0);
        };
        kortest::MessageScript script({IDOK});
        EXPECT_TRUE(list.Print(31));
        ASSERT_EQ(script.Shown().size(), 1u);
        EXPECT_EQ(script.Shown()[0].text, c.question);
        EXPECT_EQ(printer.Jobs()[0].pages.size(), 1u);
    }
}

// A page the printer refuses ends the job there: it is abandoned, never closed, and the run
// fails; the screen is enabled again once the list printer is gone.
TEST_F(PageLoopTest, ARefusedPageAbandonsTheJob) {
    using kortest::RefusingPrinter;
    struct Case {
        const char* name;
        RefusingPrinter::Refuses refuses;
        int page;
        Calls calls;
        size_t pagesEnded;
    };
    const Case cases[] = {
        {"FirstStartPage",
         RefusingPrinter::Refuses::kStartPage,
         1,
         {"Open", "Reset", "StartDoc", "StartPage refused", "AbortDoc", "Close"},
         0},
        {"SecondStartPage",
         RefusingPrinter::Refuses::kStartPage,
         2,
         {"Open", "Reset", "StartDoc", "StartPage", "EndPage", "StartPage refused", "AbortDoc",
          "Close"},
         1},
        {"FirstEndPage",
         RefusingPrinter::Refuses::kEndPage,
         1,
         {"Open", "Reset", "StartDoc", "StartPage", "EndPage refused", "AbortDoc", "Close"},
         1},
        {"LastEndPage",
         RefusingPrinter::Refuses::kEndPage,
         3,
         {"Open", "Reset", "StartDoc", "StartPage", "EndPage", "StartPage", "EndPage", "StartPage",
          "EndPage refused", "AbortDoc", "Close"},
         3},
    };
    for (const Case& c : cases) {
        RefusingPrinter printer(c.refuses, c.page);
        kor::ScopedPrinterStandIn use(printer);
        {
            RowList list(kTenRowsOfTwoLines, &messages, screen.get());
            EXPECT_FALSE(list.Print(25)) << c.name;
            EXPECT_FALSE(list.JobOpen()) << c.name;
            EXPECT_EQ(list.GetDC(), nullptr) << c.name;
        }
        EXPECT_EQ(printer.Calls(), c.calls) << c.name;
        EXPECT_EQ(printer.PagesEnded(), c.pagesEnded) << c.name;
        EXPECT_TRUE(IsWindowEnabled(screen.get())) << c.name;
    }
}

}  // namespace
