// The local-tax lists as printed: a stand-in printer records every page in a metafile, and the
// tests read back where each text went, in columns of the width of "0" of the body font and in
// the header's and the body's line steps.
#include "localtax/ListPrinter.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TaxTestData.h"
#include "common/base/ApMsgInfoList.h"
#include "common/base/ProgressDlg.h"
#include "framework/App.h"
#include "framework/MetafilePrinter.h"
#include "support/EmfRecords.h"
#include "support/JobHost.h"
#include "support/ListPageView.h"
#include "support/MessageScript.h"
#include "support/ProgressWindowPeek.h"
#include "support/RefusingPrinter.h"

namespace tx {
namespace {

using kortest::Columns;
using Lines = std::map<int, Columns>;
using Calls = std::vector<std::string>;

constexpr int kTitleColumn = 62;
// The serial number "%5d" ends where its heading "通番" (column 3) ends.
constexpr int kSerialColumn = 2;

// A page in the lists' units: the column width from the title, the header's line step from the
// two lines of the group block, the body's step from the same line height.
struct Page {
    explicit Page(kortest::DrawnPage drawn) : page(std::move(drawn)) {
        for (const kortest::DrawnText& t : page.texts) {
            if (t.height == kortest::TitleHeight()) title = t;
        }
        charW = title.x / kTitleColumn;
        EXPECT_EQ(title.x % kTitleColumn, 0);
        const kortest::DrawnText* block1 = page.Find("委託者コード");
        const kortest::DrawnText* block2 = page.Find("店番");
        EXPECT_TRUE(block1 && block2);
        if (!block1 || !block2 || charW <= 0) return;
        blockY = block1->y;
        step = block2->y - blockY;
        while (lineH + lineH * 4 / 10 < step) ++lineH;
        EXPECT_EQ(lineH + lineH * 4 / 10, step);
        bodyStep = lineH + lineH * 3 / 10;
        bodyTop = blockY + 4 * step;
    }
    // The first line of the i-th detail (from 0) and the line after n details: two lines a
    // detail, and the list's room between two details.
    int RowY(int i) const {
        return bodyTop + 3 * bodyStep +
               i * (2 * bodyStep + lineH * CListPrinter::kSettings.rowGapTenths / 10);
    }
    // Every text by line and column; each starts on a column.
    Lines All() const {
        Lines lines;
        for (const kortest::DrawnText& t : page.texts) {
            EXPECT_EQ(t.x % charW, 0) << t.text;
            lines[t.y][t.x / charW] = t.text;
        }
        return lines;
    }
    Columns At(int y) const {
        const Lines lines = All();
        const auto it = lines.find(y);
        return it == lines.end() ? Columns{} : it->second;
    }
    // Serial numbers of the detail lines, top to bottom.
    std::vector<int> Serials() const {
        std::vector<int> serials;
        for (const auto& [y, columns] : All()) {
            if (y <= bodyTop + bodyStep) continue;
            if (auto s = columns.find(kSerialColumn); s != columns.end())
                serials.push_back(std::atoi(s->second.c_str()));
        }
        return serials;
    }
    bool Has(const std::string& text) const { return page.Find(text) != nullptr; }
    const kortest::DrawnText* Starting(const std::string& prefix) const {
        for (const kortest::DrawnText& t : page.texts) {
            if (t.text.rfind(prefix, 0) == 0) return &t;
        }
        return nullptr;
    }

    kortest::DrawnPage page;
    kortest::DrawnText title;
    int charW = 0;
    int blockY = 0;
    int step = 0;
    int lineH = 0;
    int bodyStep = 0;
    int bodyTop = 0;
};

struct Printout {
    int pages = 0;  // counted
    int result = -2;
    std::vector<Page> printed;
};

Printout PrintOn(kor::CMetafilePrinter& target, int kind, const CDataSet& data) {
    kor::InitCommonControlClasses();
    Printout out;
    {
        kor::ScopedPrinterStandIn use(target);
        CListPrinter list;
        out.pages = list.CountPages(&data, 1, kind);
        out.result = list.Print();
    }
    for (const auto& job : target.Jobs()) {
        for (const auto& page : job.pages) out.printed.emplace_back(kortest::ReadPage(page.get()));
    }
    return out;
}

Printout Print(int kind, const CDataSet& data) {
    kor::CMetafilePrinter target;
    return PrintOn(target, kind, data);
}

// A document that must print: it prints the pages it counted.
Printout PrintCounted(int kind, const CDataSet& data, int pages) {
    Printout out = Print(kind, data);
    EXPECT_EQ(out.pages, pages);
    EXPECT_EQ(out.result, CListPrinter::kPrinted);
    EXPECT_EQ(out.printed.size(), static_cast<size_t>(pages));
    return out;
}

// The group's totals as the output engine writes them.
void SetTotals(CTaxGroup& g, const char* salaryCount, const char* salaryAmount) {
    g.totals[kSalaryTotals] = {salaryCount, salaryAmount};
    g.totals[kRetirementTotals] = {"0000000", "00000000000"};
    g.totals[kPaymentTotals] = {salaryCount, salaryAmount};
}

// One output group of two listed details, one in error and one deleted.
std::unique_ptr<CDataSet> OutputData() {
    auto set = txtest::ValidData({4});
    CTaxGroup& g = *set->groups[0];
    g.fileName = "C:\\OUT\\表示\\TAX_001.TXT";
    g.outputTime = kortest::LocalSeconds(2026, 7, 8, 9, 10, 11);
    g.SetHeader(kPaymentDate, "261005");
    g.SetHeader(kPaymentMonth, "2609");
    SetTotals(g, "0000002", "00001234567");
    txtest::SetError(*g.details[1], kPaymentCount);
    g.details[2]->output = 0;
    CDetailRecord& d = *g.details[3];
    d.SetText(kSalaryTaxAmount, "001222222");
    d.SetText(kTaxPaid, "001222222");
    d.SetText(kRetirees, "012");
    d.SetText(kRetirementAllowance, "");
    return set;
}

TEST(TaxListPrinter, ResultListPutsEveryTextInItsPlace) {
    const Printout out = PrintCounted(CListPrinter::kResultList, *OutputData(), 1);
    ASSERT_EQ(out.printed.size(), 1u);
    const Page& p = out.printed[0];
    const kortest::DrawnText* date = p.Starting("    帳票作成日  ");
    ASSERT_TRUE(date);
    EXPECT_NE(date->text.find("    1 /    1 ページ"), std::string::npos) << date->text;
    const int gap = p.step - p.lineH;
    const int bodyGap = p.bodyStep - p.lineH;
    EXPECT_EQ(p.title.y, gap + p.step);
    const int outputY = date->y + p.step;
    EXPECT_EQ(p.blockY, outputY + 3 * p.step);
    const int row0 = p.RowY(0);
    const int row1 = p.RowY(1);
    const Lines expected = {
        {gap, {{0, "   Ventrana  自社作成データ変換ツール"}}},
        {p.title.y, {{62, "    特別徴収地方税変換結果一覧表    "}}},
        {date->y, {{126, date->text}}},
        {outputY,
         {{1, "  出力ファイル名 TAX_001.TXT"}, {126, "データ出力日時  2026/ 7/ 8   9:10:11"}}},
        {p.blockY,
         {{4, "委託者コード"},
          {18, "0000000000"},
          {56, "依頼人名"},
          {68, "ｶ)ﾃｽﾄｼｮｳｼﾞ         ﾎﾝｼｬ                "},
          {143, "納入指定日"},
          {154, "26年10月 5日"}}},
        {p.blockY + p.step,
         {{4, "店番"},
          {18, "000"},
          {56, "住所"},
          {68, "ﾄｳｷｮｳﾄﾁﾖﾀﾞｸ             ﾏﾙﾉｳﾁ1-1                 "},
          {143, "納入月"},
          {154, "26年 9月"}}},
        {p.bodyTop,
         {{3, "通番"}, {14, "市区町村コード"}, {40, "市区町村名"}, {68, "指定番号"}, {97, "異動"}}},
        {p.bodyTop + p.bodyStep,
         {{8, "給与税件数"},
          {26, "給与税額"},
          {44, "退職税件数"},
          {62, "退職税額"},
          {80, "納入件数"},
          {98, "納税額"},
          {110, "退職人員"},
          {121, "退職手当等支払金額"},
          {143, "市区町村民税額"},
          {161, "都道府県民税額"}}},
        {row0,
         {{2, "    1"},
          {14, "131010"},
          {40, "ﾁﾖﾀﾞｸ          "},
          {68, "ABC-123        "},
          {97, " "}}},
        {row0 + p.bodyStep,
         {{12, "     1"},
          {23, "     12,345"},
          {48, "     0"},
          {59, "          0"},
          {82, "     1"},
          {93, "     12,345"},
          {115, "  0"},
          {126, "            0"},
          {146, "          0"},
          {164, "          0"}}},
        {row1,
         {{2, "    4"},
          {14, "131040"},
          {40, "ﾁﾖﾀﾞｸ          "},
          {68, "ABC-123        "},
          {97, " "}}},
        // An empty item prints as blanks of its width.
        {row1 + p.bodyStep,
         {{12, "     1"},
          {23, "  1,222,222"},
          {48, "     0"},
          {59, "          0"},
          {82, "     1"},
          {93, "  1,222,222"},
          {115, " 12"},
          {126, "             "},
          {146, "          0"},
          {164, "          0"}}},
        {p.RowY(2) + p.bodyStep,
         {{3, "合計"},
          {9, "        2"},
          {20, "     1,234,567"},
          {45, "        0"},
          {56, "             0"},
          {79, "        2"},
          {90, "     1,234,567"}}},
    };
    EXPECT_EQ(p.All(), expected);
    // The rules: below the output line, below the group block, below the headings and above
    // the totals, each in the middle of its gap.
    std::vector<int> rules;
    for (const auto& line : p.page.lines) {
        EXPECT_EQ(line.penStyle, PS_DOT);
        EXPECT_EQ(line.x0, 0);
        EXPECT_EQ(line.x1, 195 * p.charW);
        rules.push_back(line.y0);
    }
    EXPECT_EQ(rules, (std::vector<int>{p.blockY - p.step + gap / 2, p.bodyTop - p.step + gap / 2,
                                       p.bodyTop + 2 * p.bodyStep + bodyGap / 2,
                                       p.RowY(2) + bodyGap / 2}));
}

// Every count and amount of a detail, and its serial number, ends where its heading ends, and
// the group's totals end in the same columns as the counts and amounts above them; two details
// stand apart.
TEST(TaxListPrinter, NumbersEndUnderTheEndOfTheirHeadings) {
    const Printout out = PrintCounted(CListPrinter::kResultList, *OutputData(), 1);
    ASSERT_EQ(out.printed.size(), 1u);
    const Page& p = out.printed[0];
    const Lines lines = p.All();
    auto endOf = [](const std::pair<const int, std::string>& cell) {
        return cell.first + static_cast<int>(cell.second.size());
    };
    const Columns headings = p.At(p.bodyTop + p.bodyStep);
    const Columns numbers = p.At(p.RowY(0) + p.bodyStep);
    ASSERT_EQ(headings.size(), numbers.size());
    for (auto h = headings.begin(), n = numbers.begin(); h != headings.end(); ++h, ++n)
        EXPECT_EQ(endOf(*n), endOf(*h)) << h->second;
    const Columns totals = p.At(p.RowY(2) + p.bodyStep);
    ASSERT_EQ(totals.size(), 7u);
    std::vector<int> totalEnds, numberEnds;
    for (auto t = std::next(totals.begin()); t != totals.end(); ++t) totalEnds.push_back(endOf(*t));
    int k = 0;
    for (const auto& n : numbers) {
        if (k++ < 6) numberEnds.push_back(endOf(n));
    }
    EXPECT_EQ(totalEnds, numberEnds);
    // The serial number of a detail's first line ends where "通番" ends.
    const Columns first = p.At(p.RowY(0));
    ASSERT_EQ(first.count(kSerialColumn), 1u);
    EXPECT_EQ(endOf(*first.find(kSerialColumn)), endOf(*p.At(p.bodyTop).find(3)));
    // The second detail starts more than a line below the first one's last line.
    EXPECT_GT(p.RowY(1) - (p.RowY(0) + p.bodyStep), p.bodyStep);
    EXPECT_EQ(lines.count(p.RowY(1)), 1u);
}

TEST(TaxListPrinter, ErrorListMarksItemsInErrorAndCorrectedOnes) {
    auto data = txtest::ValidData({3});
    CTaxGroup& g = *data->groups[0];
    CDetailRecord& d = *g.details[1];
    txtest::SetError(d, kMunicipalityName);
    txtest::SetError(d, kSalaryTaxAmount, "00012a345");
    txtest::SetError(d, kRetirees, "");
    d.SetStatus(kMunicipalityCode, kStatusCorrected);
    d.SetText(kRetirementAllowance, "0001234567");
    d.SetStatus(kRetirementAllowance, kStatusCorrected);
    txtest::SetError(*g.details[2], kPaymentCount);
    g.details[2]->output = 0;  // ticked for deletion: on no list

    const Printout out = PrintCounted(CListPrinter::kErrorList, *data, 1);
    ASSERT_EQ(out.printed.size(), 1u);
    const Page& p = out.printed[0];
    EXPECT_EQ(p.title.text, " 特別徴収地方税（変換エラーリスト） ");
    EXPECT_FALSE(p.Starting("  出力ファイル名"));
    EXPECT_FALSE(p.Starting("データ出力日時"));
    EXPECT_EQ(p.Serials(), std::vector<int>{2});
    const int row = p.RowY(0);
    EXPECT_EQ(p.At(row), (Columns{{2, "    2"},
                                  {12, "#"},
                                  {14, "131020"},
                                  {38, "*"},
                                  {40, "ﾁﾖﾀﾞｸ          "},
                                  {68, "ABC-123        "},
                                  {97, " "}}));
    EXPECT_EQ(p.At(row + p.bodyStep), (Columns{{12, "     1"},
                                               {21, "  * 00012a345"},
                                               {48, "     0"},
                                               {59, "          0"},
                                               {82, "     1"},
                                               {93, "     12,345"},
                                               {113, "   * "},
                                               {124, "    # 1,234,567"},
                                               {146, "          0"},
                                               {164, "          0"}}));
    EXPECT_EQ(p.At(p.RowY(1) + p.bodyStep), (Columns{{12, "合計件数"}, {26, "      1 件"}}));
}

struct PagingCase {
    const char* name;
    int kind;
    std::vector<int> groupSizes;
    // Details not listed on that kind's list, as (group, position) pairs.
    std::vector<std::pair<int, int>> unlisted;
    std::vector<std::vector<int>> serials;  // per printed page
    std::vector<bool> closing;              // per page: the group's closing block is there
};

// Every detail of the groups is listed on the chosen kind except the unlisted ones.
std::unique_ptr<CDataSet> PagingData(const PagingCase& c) {
    auto set = txtest::ValidData(std::initializer_list<int>{});
    for (size_t i = 0; i < c.groupSizes.size(); ++i) {
        set->groups.push_back(
            txtest::ValidGroup(c.groupSizes[i], "C:\\OUT\\F" + std::to_string(i) + ".TXT"));
        SetTotals(*set->groups.back(), "0000001", "00000012345");
    }
    for (size_t gi = 0; gi < set->groups.size(); ++gi) {
        auto& details = set->groups[gi]->details;
        for (size_t di = 0; di < details.size(); ++di) {
            bool listed = true;
            for (auto [ug, ud] : c.unlisted) {
                if (ug == static_cast<int>(gi) && ud == static_cast<int>(di)) listed = false;
            }
            const bool inError = (c.kind == CListPrinter::kErrorList) == listed;
            if (inError) txtest::SetError(*details[di], kTaxPaid);
        }
    }
    return set;
}

std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

TEST(TaxListPrinter, TenDetailsAPageAndEachGroupClosesItsOwnPages) {
    const int kError = CListPrinter::kErrorList;
    const int kResult = CListPrinter::kResultList;
    std::vector<std::pair<int, int>> trailing;
    for (int i = 10; i < 14; ++i) trailing.push_back({0, i});
    std::vector<std::pair<int, int>> trailing2;
    for (int i = 12; i < 17; ++i) trailing2.push_back({0, i});
    const PagingCase cases[] = {
        {"25 errors",
         kError,
         {25},
         {},
         {Range(1, 10), Range(11, 20), Range(21, 25)},
         {false, false, true}},
        {"exactly 10", kResult, {10}, {}, {Range(1, 10)}, {true}},
        // Error-free details after the last error: the count block still closes the list.
        {"10 errors then valid details", kError, {14}, trailing, {Range(1, 10)}, {true}},
        {"12 errors then valid details",
         kError,
         {17},
         trailing2,
         {Range(1, 10), Range(11, 12)},
         {false, true}},
        {"unlisted between",
         kResult,
         {12},
         {{0, 0}, {0, 5}},
         {{2, 3, 4, 5, 7, 8, 9, 10, 11, 12}},
         {true}},
        {"two groups",
         kResult,
         {12, 3},
         {},
         {Range(1, 10), Range(11, 12), Range(1, 3)},
         {false, true, true}},
        {"a group with nothing listed", kResult, {2, 3}, {{0, 0}, {0, 1}}, {Range(1, 3)}, {true}},
    };
    for (const PagingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto data = PagingData(c);
        const Printout out = PrintCounted(c.kind, *data, static_cast<int>(c.serials.size()));
        ASSERT_EQ(out.printed.size(), c.serials.size());
        const std::string pageCount = std::to_string(c.serials.size());
        for (size_t i = 0; i < out.printed.size(); ++i) {
            const Page& p = out.printed[i];
            EXPECT_EQ(p.Serials(), c.serials[i]) << "page " << i + 1;
            const int after = p.RowY(static_cast<int>(c.serials[i].size())) + p.bodyStep;
            const Columns closing = p.At(after);
            if (c.closing[i]) {
                EXPECT_EQ(closing.count(c.kind == kError ? 12 : 3), 1u) << "page " << i + 1;
            } else {
                EXPECT_TRUE(closing.empty()) << "page " << i + 1;
            }
            const kortest::DrawnText* date = p.Starting("    帳票作成日");
            ASSERT_TRUE(date);
            const std::string pageText = "    " + std::to_string(i + 1) + " /    " + pageCount;
            EXPECT_NE(date->text.find(pageText), std::string::npos) << date->text;
        }
    }
}

TEST(TaxListPrinter, TheCountBlockCountsTheListedDetailsOfAllGroups) {
    PagingCase c{"", CListPrinter::kErrorList, {1000, 2}, {}, {}, {}};
    const auto data = PagingData(c);
    const Printout out = PrintCounted(CListPrinter::kErrorList, *data, 101);
    ASSERT_EQ(out.printed.size(), 101u);
    const Page& last = out.printed.back();
    EXPECT_EQ(last.At(last.RowY(2) + last.bodyStep),
              (Columns{{12, "合計件数"}, {26, "  1,002 件"}}));
    EXPECT_TRUE(last.Starting("    帳票作成日")->text.find("  101 /  101 ページ") !=
                std::string::npos);
}

TEST(TaxListPrinter, TheResultListNamesEachGroupsFile) {
    PagingCase c{"", CListPrinter::kResultList, {1, 1}, {}, {}, {}};
    const auto data = PagingData(c);
    const Printout out = Print(CListPrinter::kResultList, *data);
    ASSERT_EQ(out.printed.size(), 2u);
    EXPECT_TRUE(out.printed[0].Has("  出力ファイル名 F0.TXT"));
    EXPECT_TRUE(out.printed[1].Has("  出力ファイル名 F1.TXT"));
}

TEST(TaxListPrinter, TotalsSheetHasAPageForEachGroupTakenForOutput) {
    auto data = txtest::ValidData({1, 1, 1, 1});
    const char* names[] = {"C:\\OUT\\A.TXT", "C:\\OUT\\B.TXT", "C:\\OUT\\C.TXT", "D.TXT"};
    for (int i = 0; i < 4; ++i) data->groups[i]->fileName = names[i];
    data->groups[1]->output = 0;
    data->groups[2]->error = 1;
    CTaxGroup& a = *data->groups[0];
    a.totals[kSalaryTotals] = {"0001234", "00123456789"};
    a.totals[kRetirementTotals] = {"0000012", "00000001000"};
    a.totals[kPaymentTotals] = {"0001246", "00123457789"};
    data->groups[3]->totals[kSalaryTotals] = {"0000001", "00000012345"};

    const Printout out = PrintCounted(CListPrinter::kTotalsSheet, *data, 2);
    ASSERT_EQ(out.printed.size(), 2u);
    const Page& p = out.printed[0];
    EXPECT_EQ(p.title.text, "特別徴収地方税変換結果一覧表（合計）");
    EXPECT_TRUE(p.Has("  出力ファイル名 A.TXT"));
    EXPECT_TRUE(out.printed[1].Has("  出力ファイル名 D.TXT"));
    EXPECT_EQ(p.At(p.bodyTop), (Columns{{14, "給与税件数合計"},
                                        {40, "給与税額合計"},
                                        {67, "退職税件数合計"},
                                        {93, "退職税額合計"},
                                        {120, "納入件数合計"},
                                        {146, "納税額合計"}}));
    EXPECT_EQ(p.At(p.bodyTop + 2 * p.bodyStep), (Columns{{19, "    1,234"},
                                                         {38, "   123,456,789"},
                                                         {74, "     12"},
                                                         {91, "         1,000"},
                                                         {123, "    1,246"},
                                                         {142, "   123,457,789"}}));
    EXPECT_EQ(p.page.lines.size(), 2u);  // the header's rules only
    EXPECT_TRUE(
        out.printed[1].Has("   "
                           "     12,345"));
}

TEST(TaxListPrinter, PrintResults) {
    auto data = txtest::ValidData({2});
    {
        kor::CMetafilePrinter target;
        kor::ScopedPrinterStandIn use(target);
        CListPrinter list;
        EXPECT_EQ(list.Print(), CListPrinter::kNotCounted);
        // Nothing to print: no job at all.
        EXPECT_EQ(list.CountPages(data.get(), 1, CListPrinter::kErrorList), 0);
        EXPECT_EQ(list.Print(), CListPrinter::kNotPrinted);
        EXPECT_TRUE(target.Calls().empty());
    }
    for (bool hasPrinter : {false, true}) {
        kor::CMetafilePrinter none(hasPrinter, false);
        kor::ScopedPrinterStandIn use(none);
        CListPrinter list;
        EXPECT_EQ(list.CountPages(data.get(), 1, CListPrinter::kResultList), 1);
        EXPECT_EQ(list.Print(), CListPrinter::kNoPrinter);
    }
    kor::CMetafilePrinter target;
    const Printout out = PrintOn(target, CListPrinter::kResultList, *data);
    EXPECT_EQ(out.result, CListPrinter::kPrinted);
    ASSERT_EQ(target.Jobs().size(), 1u);
    EXPECT_EQ(target.Jobs()[0].documentName, L"Ventrana");
    EXPECT_EQ(target.Jobs()[0].orientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(target.Jobs()[0].paperSize, DMPAPER_A4);
}

TEST(TaxListPrinter, ARefusedPageAbandonsTheJob) {
    PagingCase c{"", CListPrinter::kResultList, {15}, {}, {}, {}};
    const auto data = PagingData(c);
    kortest::RefusingPrinter printer(kortest::RefusingPrinter::Refuses::kStartPage, 2);
    kor::ScopedPrinterStandIn use(printer);
    {
        CListPrinter list;
        EXPECT_EQ(list.CountPages(data.get(), 1, CListPrinter::kResultList), 2);
        EXPECT_EQ(list.Print(), CListPrinter::kNotPrinted);
    }
    EXPECT_EQ(printer.Calls(), (Calls{"Open", "Reset", "StartDoc", "StartPage", "EndPage",
                                      "StartPage refused", "AbortDoc", "Close"}));
}

using CancellingPrinter = kortest::ProgressWindowPeek<CListPrinter>;

// Every page of a list is printed under the tool's own progress window, not the shared one.
TEST(TaxListPrinter, PrintsUnderTheToolsOwnProgressWindow) {
    kor::InitCommonControlClasses();
    // The two lists of records; the totals sheet, one page, is printed without a window.
    for (int kind : {CListPrinter::kResultList, CListPrinter::kErrorList}) {
        const auto data = PagingData(PagingCase{"", kind, {12, 3}, {}, {}, {}});
        kor::CMetafilePrinter pages;
        CancellingPrinter* current = nullptr;
        std::vector<bool> own;
        pages.onEndPage = [&](int) {
            own.push_back(current->ShowsTemplate(kProgressDialog) &&
                          !current->ShowsTemplate(kProgressDialogIds));
        };
        kor::ScopedPrinterStandIn use(pages);
        CancellingPrinter list;
        current = &list;
        ASSERT_GT(list.CountPages(data.get(), 1, kind), 0) << kind;
        ASSERT_EQ(list.Print(), CListPrinter::kPrinted) << kind;
        ASSERT_FALSE(own.empty()) << kind;
        EXPECT_EQ(own, std::vector<bool>(own.size(), true)) << kind;
    }
}

TEST(TaxListPrinter, CancelAfterAPageAbandonsTheJob) {
    kor::InitCommonControlClasses();
    CApMsgInfoList messages;
    ASSERT_EQ(
        kortest::LoadMessageLines(messages, "\"20\",\"1\",\"32\",\"印刷を中止しますか？\"\r\n"),
        0u);
    const kor::UniqueWindow screen = kortest::MakeScreenWindow();
    PagingCase c{"", CListPrinter::kResultList, {25}, {}, {}, {}};
    const auto data = PagingData(c);
    for (int answer : {IDOK, IDCANCEL}) {
        kor::CMetafilePrinter pages;
        CancellingPrinter* current = nullptr;
        pages.onEndPage = [&](int page) {
            if (page == 1)
                PostMessageW(GetDlgItem(current->Dialog(), kProgressDialog.abort), BM_CLICK, 0, 0);
        };
        kortest::MessageScript script({answer});
        int result = -2;
        {
            kor::ScopedPrinterStandIn use(pages);
            CancellingPrinter list(&messages, screen.get());
            current = &list;
            list.CountPages(data.get(), 1, CListPrinter::kResultList);
            result = list.Print();
        }
        ASSERT_EQ(script.Shown().size(), 1u);
        EXPECT_EQ(script.Shown()[0].text, "印刷を中止しますか？");
        if (answer == IDOK) {
            EXPECT_EQ(result, CListPrinter::kNotPrinted);
            EXPECT_EQ(pages.Calls(), (Calls{"Open", "Reset", "StartDoc", "StartPage", "EndPage",
                                            "AbortDoc", "Close"}));
        } else {
            EXPECT_EQ(result, CListPrinter::kPrinted);
            EXPECT_EQ(pages.Jobs()[0].pages.size(), 3u);
        }
    }
}

struct DateCase {
    const char* text;
    const char* shown;
};

TEST(TaxListPrinter, DatesLoseTheirLeadingZeros) {
    const DateCase cases[] = {
        {"000000", "  年  月  日"},
        {"261005", "26年10月 5日"},
        {"070901", " 7年 9月 1日"},
        {"0000", "  年  月"},
        {"2609", "26年 9月"},
        {"26091", ""},
        {"", ""},
        {"2609011", ""},
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(CListPrinter::FormatDate(c.text), c.shown) << c.text;
    }
}

TEST(TaxListPrinter, TheFileNameIsThePartAfterTheLastBackslash) {
    EXPECT_EQ(CListPrinter::FileNameOf("C:\\OUT\\TAX_001.TXT"), "TAX_001.TXT");
    EXPECT_EQ(CListPrinter::FileNameOf("TAX.TXT"), "TAX.TXT");
    EXPECT_EQ(CListPrinter::FileNameOf(""), "");
    // The second byte of "表" is the byte of "\".
    EXPECT_EQ(CListPrinter::FileNameOf("C:\\出力\\表.TXT"), "表.TXT");
    EXPECT_EQ(CListPrinter::FileNameOf("C:\\表\\"), "");
}

}  // namespace
}  // namespace tx
