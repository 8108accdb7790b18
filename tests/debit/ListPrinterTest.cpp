// The direct-debit lists as printed: a stand-in printer records every page in a metafile, and
// the tests read back where each text went, in columns of the width of "0" of the body font.
#include "debit/ListPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "DebitTestData.h"
#include "framework/App.h"
#include "framework/MetafilePrinter.h"
#include "support/EmfRecords.h"
#include "support/ListPageView.h"
#include "support/ProgressWindowPeek.h"

namespace db {
namespace {

using kortest::Columns;
using kortest::DrawnText;

// The column width comes from the title (column 70), the line step from the consignor block.
struct PageView : kortest::ListPageView {
    explicit PageView(kortest::DrawnPage drawn)
        : ListPageView(std::move(drawn), 70, "委託者コード") {}
};

// The closing line of a result list and of a totals sheet.
Columns TotalsLine(const char* count, const char* total) {
    return {{45, "合計件数"},  {56, count},  {66, "件"},
            {117, "合計金額"}, {126, total}, {147, "円"}};
}

struct Printout {
    BOOL result = FALSE;
    std::vector<PageView> pages;
};

Printout Print(int kind, const CDataSet& data) {
    kor::InitCommonControlClasses();
    kor::CMetafilePrinter target;
    Printout out;
    {
        kor::ScopedPrinterStandIn use(target);
        CListPrinter list;
        out.result = list.Run(kind, data);
    }
    for (const auto& job : target.Jobs()) {
        for (const auto& page : job.pages) out.pages.emplace_back(kortest::ReadPage(page.get()));
    }
    return out;
}

// The single page of a document that must print one.
PageView OnlyPage(int kind, const CDataSet& data) {
    Printout out = Print(kind, data);
    EXPECT_TRUE(out.result);
    if (out.pages.size() == 1) return std::move(out.pages[0]);
    ADD_FAILURE() << out.pages.size() << " pages";
    return PageView(kortest::DrawnPage{});
}

TEST(DebitListPrinter, ResultListPutsEveryTextInItsColumn) {
    const PageView p = OnlyPage(CListPrinter::kResultList, *dbtest::ValidData(1));

    const DrawnText* date = p.Starting("　　　　作成日 ");
    ASSERT_TRUE(date);
    const int outputY = date->y + p.step;
    EXPECT_EQ(p.block1Y, outputY + 2 * p.step);
    const int row = p.RowY(0);
    p.ExpectOnly({
        {0, {{0, "Ventrana   自社作成データ変換ツール"}}},
        {p.title.y, {{70, "口座振替情報　変換結果一覧表"}}},
        {date->y, {{127, date->text}}},
        {outputY, {{1, "[委託者情報]"}, {127, "データ作成日時 2026/ 7/ 8  9:10:11"}}},
        {p.block1Y,
         {{50, "委託者コード"},
          {66, "0123456789"},
          {89, "委託者名"},
          {101, "ｶ)ｼｭｳｷﾝﾀﾞｲｺｳ"},
          {147, "引落日"},
          {161, "06月27日"}}},
        {p.block1Y + p.step,
         {{2, "金融機関名"},
          {16, "0998"},
          {23, "ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ"},
          {50, "支店名"},
          {66, "012"},
          {71, "ﾎﾝﾃﾝ"},
          {112, "科目"},
          {120, "ﾌﾂｳ"},
          {147, "口座番号"},
          {161, "2345678"}}},
        {p.block1Y + 2 * p.step, {{1, "[振替明細]"}}},
        {p.HeadingsY(),
         {{3, "通番"},
          {12, "引落銀行名"},
          {39, "引落支店名"},
          {67, "預金者名（カナ）"},
          {100, "科目"},
          {110, "口座番号"},
          {126, "引落金額"},
          {138, "顧客番号"},
          {164, "新規コード"}}},
        {row,
         {{3, "   1"},
          {12, "0998"},
          {20, "ｶｴﾃﾞｷﾞﾝｺｳ"},
          {39, "123"},
          {46, "ｼﾃﾝB"},
          {67, "ﾔﾏﾀﾞ ﾊﾅｺ"},
          {100, "1"},
          {102, "ﾌﾂｳ"},
          {110, "7654321"},
          {121, "        1,234"},
          {138, "CUST-01"},
          {162, "1"},
          {164, "1ｶｲ"}}},
        {row + p.step + p.lineH, TotalsLine("      1", "             1,234")},
    });
    ASSERT_EQ(p.page.lines.size(), 2u);
    EXPECT_EQ(p.page.lines[0].y0, outputY + p.step + p.gap / 2);
    EXPECT_EQ(p.page.lines[1].y0, p.HeadingsY() - p.step + p.gap / 2);
}

TEST(DebitListPrinter, ErrorListMarksTheFaultyItemsAndHasNoOutputLine) {
    auto data = dbtest::ValidData(2);
    CDetailRecord& r = *data->details[0];
    r.SetResult(kBankName, kItemError);
    r.Store(kAmount, "000120", kItemError);
    r.SetResult(kBranchCode, 0x10);  // information only: listed, but no mark
    r.SetResult(kNewCode, kItemWarning);
    r.SetResult(kCustomerNumber, kItemTooLong);
    const PageView p = OnlyPage(CListPrinter::kErrorList, *data);
    EXPECT_EQ(p.title.text, "口座振替情報　変換エラーリスト");
    EXPECT_FALSE(p.page.Find("[委託者情報]"));
    EXPECT_FALSE(p.Starting("データ作成日時"));
    EXPECT_TRUE(p.page.Find("[振替明細]"));
    EXPECT_EQ(p.Serials(), std::vector<int>{1});
    EXPECT_EQ(p.At(p.RowY(0)), (Columns{{3, "   1"},      {10, " "},         {12, "0998"},
                                        {18, "*"},        {20, "ｶｴﾃﾞｷﾞﾝｺｳ"}, {37, " "},
                                        {39, "123"},      {44, " "},         {46, "ｼﾃﾝB"},
                                        {65, " "},        {67, "ﾔﾏﾀﾞ ﾊﾅｺ"},  {98, " "},
                                        {100, "1"},       {102, "ﾌﾂｳ"},      {108, " "},
                                        {110, "7654321"}, {119, "*"},        {121, "          120"},
                                        {136, "*"},       {138, "CUST-01"},  {160, "*"},
                                        {162, "1"},       {164, "1ｶｲ"}}));
    EXPECT_EQ(p.At(p.RowY(0) + p.step + p.lineH),
              (Columns{{45, "合計件数"}, {56, "      1"}, {66, "件"}}));
}

struct NameCase {
    const char* accountType;
    const char* typeName;  // nullptr: none printed
    const char* newCode;
    const char* codeName;  // nullptr: none printed
};

TEST(DebitListPrinter, AccountTypeAndNewCodeNames) {
    const NameCase cases[] = {
        {"1", "ﾌﾂｳ", "0", "ｿﾉﾀ"},   {"2", "ﾄｳｻﾞ", "1", "1ｶｲ"},   {"3", "ﾉｳｾﾞｲ", "2", "ﾍﾝｺｳ"},
        {"9", "ｿﾉﾀ", "5", nullptr}, {"4", nullptr, "", nullptr},
    };
    auto data = dbtest::ValidData(static_cast<int>(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i) {
        data->details[i]->Store(kAccountType, cases[i].accountType);
        data->details[i]->Store(kNewCode, cases[i].newCode);
    }
    const PageView p = OnlyPage(CListPrinter::kResultList, *data);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const NameCase& c = cases[i];
        const Columns line = p.At(p.RowY(static_cast<int>(i)));
        EXPECT_EQ(line.at(100), c.accountType);
        EXPECT_EQ(line.count(102) ? line.at(102) : "-", c.typeName ? c.typeName : "-")
            << c.accountType;
        EXPECT_EQ(line.count(162) ? line.at(162) : "-", *c.newCode ? c.newCode : "-");
        EXPECT_EQ(line.count(164) ? line.at(164) : "-", c.codeName ? c.codeName : "-") << c.newCode;
    }
}

struct PagingCase {
    int kind;
    int records;
    std::vector<int> rows;  // records on each page
};

TEST(DebitListPrinter, ThirtyRecordsAPageAndTheClosingLineBelowTheLast) {
    const PagingCase cases[] = {
        {CListPrinter::kResultList, 30, {30}},
        {CListPrinter::kResultList, 31, {30, 1}},
        {CListPrinter::kErrorList, 61, {30, 30, 1}},
    };
    for (const PagingCase& c : cases) {
        auto data = dbtest::ValidData(c.records);
        if (c.kind == CListPrinter::kErrorList) {
            for (auto& r : data->details) r->SetResult(kDepositorName, kItemError);
        }
        const Printout out = Print(c.kind, *data);
        ASSERT_TRUE(out.result);
        ASSERT_EQ(out.pages.size(), c.rows.size()) << c.records;
        int serial = 1;
        for (size_t i = 0; i < out.pages.size(); ++i) {
            const PageView& p = out.pages[i];
            std::vector<int> serials(static_cast<size_t>(c.rows[i]));
            for (int& s : serials) s = serial++;
            EXPECT_EQ(p.Serials(), serials) << c.records << " page " << i + 1;
            const std::string numbers = CListPrinter::Printf(
                "%5d/%5d ページ", static_cast<int>(i + 1), static_cast<int>(c.rows.size()));
            const DrawnText* date = p.Starting("　　　　作成日 ");
            ASSERT_TRUE(date);
            EXPECT_EQ(date->text.substr(date->text.size() - numbers.size()), numbers);
            const DrawnText* closing = p.page.Find("合計件数");
            const bool last = i + 1 == out.pages.size();
            ASSERT_EQ(closing != nullptr, last) << c.records << " page " << i + 1;
            if (!last) continue;
            EXPECT_EQ(closing->y, p.RowY(c.rows[i] - 1) + p.step + p.lineH);
            const Columns line = p.At(closing->y);
            EXPECT_EQ(line.at(56), CListPrinter::Printf("%7d", c.records));
            EXPECT_EQ(line.count(117), c.kind == CListPrinter::kResultList ? 1u : 0u);
        }
    }
}

TEST(DebitListPrinter, TheTotalsSheetHasTheHeaderAndTheTotals) {
    auto data = dbtest::ValidData(40);
    data->countText = "1234";
    data->totalText = "1234567";
    const PageView p = OnlyPage(CListPrinter::kTotalsSheet, *data);
    EXPECT_EQ(p.title.text, "口座振替情報　変換結果一覧表（合計）");
    EXPECT_TRUE(p.page.Find("[委託者情報]"));
    EXPECT_TRUE(p.Starting("データ作成日時 "));
    EXPECT_TRUE(p.Serials().empty());
    EXPECT_EQ(p.At(p.HeadingsY() + p.lineH), TotalsLine("  1,234", "         1,234,567"));
}

// Every page of a list is printed under the tool's own progress window, not the shared one.
TEST(DebitListPrinter, PrintsUnderTheToolsOwnProgressWindow) {
    kor::InitCommonControlClasses();
    const auto data = dbtest::ValidData(32);
    data->details[0]->SetResult(kBankName, kItemError);
    // The two lists of records; the totals sheet, one page, is printed without a window.
    for (int kind : {CListPrinter::kResultList, CListPrinter::kErrorList}) {
        kor::CMetafilePrinter target;
        kortest::ProgressWindowPeek<CListPrinter>* current = nullptr;
        std::vector<bool> own;
        target.onEndPage = [&](int) {
            own.push_back(current->ShowsTemplate(db::kProgressDialog) &&
                          !current->ShowsTemplate(kProgressDialogIds));
        };
        kor::ScopedPrinterStandIn use(target);
        kortest::ProgressWindowPeek<CListPrinter> list;
        current = &list;
        ASSERT_TRUE(list.Run(kind, *data)) << kind;
        ASSERT_FALSE(own.empty()) << kind;
        EXPECT_EQ(own, std::vector<bool>(own.size(), true)) << kind;
    }
}

// Full pages whose closing line would end below the paper under this font get a closer line
// pitch: every text of every page ends on the page.
TEST(DebitListPrinter, AFullPageEndsOnItsPaper) {
    HDC screen = GetDC(nullptr);
    const int pageHeight =
        static_cast<int>(static_cast<long long>(kor::CMetafilePrinter::kFrame.bottom) *
                         GetDeviceCaps(screen, LOGPIXELSY) / 2540);
    ReleaseDC(nullptr, screen);
    for (int kind : {CListPrinter::kResultList, CListPrinter::kErrorList}) {
        auto data = dbtest::ValidData(60);
        if (kind == CListPrinter::kErrorList) {
            for (auto& r : data->details) r->SetResult(kBankName, kItemError);
        }
        const Printout out = Print(kind, *data);
        ASSERT_EQ(out.pages.size(), 2u) << kind;
        for (const PageView& p : out.pages) {
            int bottom = 0;
            for (const DrawnText& t : p.page.texts) bottom = std::max(bottom, t.y + p.lineH);
            EXPECT_LE(bottom, pageHeight) << kind;
        }
        // The last page still holds its thirty records and the closing line below them.
        const PageView& last = out.pages[1];
        EXPECT_EQ(last.Serials().size(), 30u) << kind;
        const DrawnText* closing = last.page.Find("合計件数");
        ASSERT_TRUE(closing) << kind;
        EXPECT_EQ(closing->y, last.RowY(29) + last.step + last.lineH) << kind;
    }
}

TEST(DebitListPrinter, AnEmptyListOrAnUnknownKindPrintsNoPage) {
    EXPECT_FALSE(Print(CListPrinter::kResultList, *dbtest::ValidData(0)).result);
    const Printout unknown = Print(3, *dbtest::ValidData(1));
    EXPECT_FALSE(unknown.result);
    EXPECT_TRUE(unknown.pages.empty());
}

}  // namespace
}  // namespace db
