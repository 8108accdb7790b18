// The number formatting and the page arithmetic that the list printers share.
#include "common/PagedListPrinter.h"

#include <gtest/gtest.h>

namespace {

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

TEST(PagedListPrinter, PagesOfThirtyRecords) {
    const std::pair<int, int> cases[] = {{0, 0},  {1, 1},  {29, 1}, {30, 1},
                                         {31, 2}, {60, 2}, {61, 3}};
    for (const auto& [records, pages] : cases)
        EXPECT_EQ(CPagedListPrinter::PageCount(records), pages) << records;
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

}  // namespace
