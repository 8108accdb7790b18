// The three lists as printed: a stand-in printer records every page in a metafile, and the
// tests read back where each text went, in columns of the width of "0" of the body font.
#include "transfer/ListPrinter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ListPrintTestData.h"
#include "common/base/ApMsgInfoList.h"
#include "common/base/ProgressDlg.h"
#include "framework/App.h"
#include "framework/Controls.h"
#include "framework/Cp932.h"
#include "framework/MetafilePrinter.h"
#include "resources/common/ProgressDlgRes.h"
#include "support/EmfRecords.h"
#include "support/ListPageView.h"
#include "support/MessageScript.h"
#include "support/TestPaths.h"

namespace {

using kortest::DrawnPage;
using kortest::DrawnText;
using xf::CListPrinter;
using Calls = std::vector<std::string>;
using kortest::Columns;
using kortest::MakeData;
using kortest::MakeRecord;
using kortest::Set;

constexpr char kFace[] = "ＭＳ 明朝";
constexpr char kAbortQuestion[] = "印刷を中断します。よろしいですか？";

using kortest::BodyHeight;
using kortest::TitleHeight;

// One printed page: the column width comes from the title (column 78), the line step from the
// two lines of the requester block.
struct PageView : kortest::ListPageView {
    explicit PageView(DrawnPage drawn) : ListPageView(std::move(drawn), 78, "種別") {}
};

class TestListPrinter : public CListPrinter {
public:
    using CListPrinter::CListPrinter;
    HWND Dialog() const { return m_dialog ? m_dialog->GetSafeHwnd() : nullptr; }
};

struct Printout {
    BOOL result = FALSE;
    std::vector<PageView> pages;
    Calls calls;
};

class ListPrinterTest : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        const std::string path = kortest::ScratchDirOfTest() + "mstKORXF001.ini";
        ASSERT_TRUE(kortest::WriteBytes(
            path, std::string("\"26\",\"1\",\"32\",\"") + kAbortQuestion + "\"\r\n" +
                      "\"27\",\"1\",\"32\",\"全%sページを印刷します。よろしいですか？\"\r\n"
                      "\"39\",\"0\",\"48\",\"対象となるデータがありません。\"\r\n"
                      "\"76\",\"0\",\"16\",\"通常使うプリンタが設定されていません。\"\r\n"));
        ASSERT_EQ(messages.Load(path), 0u);
        screen.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
        ASSERT_TRUE(screen);
    }

    Printout Print(int kind, const xf::CDataSet& data) { return PrintOn(printer, kind, data); }

    // Prints on a printer of its own.
    Printout PrintOn(kor::CMetafilePrinter& target, int kind, const xf::CDataSet& data) {
        Printout out;
        {
            kor::ScopedPrinterStandIn use(target);
            TestListPrinter list(&messages, screen.get());
            current = &list;
            out.result = list.Run(kind, data);
            current = nullptr;
        }
        for (const auto& job : target.Jobs()) {
            for (const auto& page : job.pages)
                out.pages.emplace_back(kortest::ReadPage(page.get()));
        }
        out.calls = target.Calls();
        return out;
    }

    CApMsgInfoList messages;
    kor::UniqueWindow screen;
    kor::CMetafilePrinter printer;
    TestListPrinter* current = nullptr;
};

// --- Layout -----------------------------------------------------------------------------------

TEST_F(ListPrinterTest, ResultListPutsEveryTextInItsColumn) {
    const auto data = MakeData(1);
    const Printout out = Print(CListPrinter::kResultList, *data);
    ASSERT_TRUE(out.result);
    ASSERT_EQ(out.pages.size(), 1u);
    const PageView& p = out.pages[0];

    const DrawnText* date = p.Starting("　　帳票作成日 ");
    const DrawnText* output = p.Starting("データ出力日時 ");
    ASSERT_TRUE(date && output);
    EXPECT_EQ(output->y, date->y + p.step);
    EXPECT_EQ(p.block1Y, output->y + 2 * p.step);
    const int row = p.RowY(0);
    const int totals = row + p.step + p.lineH;

    struct Expected {
        int y;
        Columns columns;
    };
    const Expected lines[] = {
        {0, {{0, "Ventrana   自社作成データ変換ツール"}}},
        {p.title.y, {{78, "変換結果一覧表"}}},
        {date->y, {{127, date->text}}},
        {output->y, {{127, "データ出力日時 2026/ 3/ 4  5:06:07"}}},
        {p.block1Y,
         {{2, "種別"},
          {16, "総合振込"},
          {50, "依頼人コード"},
          {66, "1234567890"},
          {85, "振込依頼人名"},
          {101, "ｶ)ﾃｽﾄｼｮｳｼﾞ"},
          {147, "振込指定日"},
          {161, "01月05日"}}},
        {p.block1Y + p.step,
         {{2, "金融機関名"},
          {16, "0998"},
          {23, "ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ"},
          {50, "支店名"},
          {66, "001"},
          {71, "ﾎﾝﾃﾝ"},
          {112, "科目"},
          {120, "ﾄｳｻﾞ"},
          {147, "口座番号"},
          {161, "1234567"}}},
        {p.HeadingsY(),
         {{3, "通番"},
          {12, "金融機関名"},
          {39, "支店名"},
          {67, "口座名（カナ）"},
          {106, "科目"},
          {120, "口座番号"},
          {136, "振込金額"},
          {151, "振込先コード"}}},
        {row,
         {{3, "   1"},
          {12, "0005"},
          {20, "ｷﾞﾝｺｳA"},
          {39, "123"},
          {46, "ｼﾃﾝB"},
          {67, "ﾔﾏﾀﾞ ﾀﾛｳ"},
          {106, "1"},
          {108, "ﾌﾂｳ"},
          {120, "7654321"},
          {131, "        1,234"},
          {151, "C1"},
          {165, "C2"}}},
        {totals,
         {{45, "合計件数"},
          {56, "      1"},
          {66, "件"},
          {117, "合計金額"},
          {126, "             1,234"},
          {147, "円"}}},
    };
    size_t texts = 0;
    for (const Expected& line : lines) {
        EXPECT_EQ(p.At(line.y), line.columns) << "line at " << line.y;
        texts += line.columns.size();
    }
    EXPECT_EQ(p.page.texts.size(), texts);

    // Two dotted rules across the page, half a gap below the empty lines before the block and
    // before the headings.
    ASSERT_EQ(p.page.lines.size(), 2u);
    const int rules[] = {output->y + p.step + p.gap / 2, p.HeadingsY() - p.step + p.gap / 2};
    for (size_t i = 0; i < 2; ++i) {
        const kortest::DrawnLine& rule = p.page.lines[i];
        EXPECT_EQ(rule.penStyle, PS_DOT);
        EXPECT_EQ(rule.penWidth, 0);
        EXPECT_EQ(rule.x0, 0);
        EXPECT_EQ(rule.x1, 195 * p.charW);
        EXPECT_EQ(rule.y0, rules[i]);
        EXPECT_EQ(rule.y1, rules[i]);
    }
}

TEST_F(ListPrinterTest, FontsAreMinchoOfNineAndFourteenPoints) {
    const Printout list = Print(CListPrinter::kResultList, *MakeData(2));
    ASSERT_EQ(list.pages.size(), 1u);
    for (const DrawnText& t : list.pages[0].page.texts) {
        EXPECT_EQ(t.face, kFace) << t.text;
        EXPECT_EQ(t.height, t.text == "変換結果一覧表" ? TitleHeight() : BodyHeight()) << t.text;
    }
}

TEST_F(ListPrinterTest, TheDateLineHasTodayAndThePageNumbers) {
    SYSTEMTIME before = {};
    GetLocalTime(&before);
    const Printout out = Print(CListPrinter::kResultList, *MakeData(31));
    SYSTEMTIME after = {};
    GetLocalTime(&after);
    ASSERT_EQ(out.pages.size(), 2u);
    const char* pages[] = {"    1/    2 ページ", "    2/    2 ページ"};
    for (size_t i = 0; i < 2; ++i) {
        const DrawnText* date = out.pages[i].Starting("　　帳票作成日 ");
        ASSERT_TRUE(date);
        const auto line = [&](const SYSTEMTIME& t) {
            return CListPrinter::Printf("　　帳票作成日 %4d/%2d/%2d      ", t.wYear, t.wMonth,
                                        t.wDay) +
                   pages[i];
        };
        EXPECT_TRUE(date->text == line(before) || date->text == line(after)) << date->text;
    }
}

// --- Pages ------------------------------------------------------------------------------------

struct PagingCase {
    const char* name;
    int kind;
    int records;
    std::vector<int> rows;  // records on each page
};
void PrintTo(const PagingCase& c, std::ostream* os) {
    *os << c.name;
}

class ListPagingTest : public ListPrinterTest, public testing::WithParamInterface<PagingCase> {};

TEST_P(ListPagingTest, ThirtyRecordsAPageAndTheClosingLineBelowTheLast) {
    const PagingCase& c = GetParam();
    auto data = MakeData(c.records);
    if (c.kind == CListPrinter::kErrorList) {
        for (auto& r : data->details) r->SetResult(xf::kBankName, xf::kResultError);
    }
    const Printout out = Print(c.kind, *data);
    ASSERT_TRUE(out.result);
    ASSERT_EQ(out.pages.size(), c.rows.size());
    int serial = 1;
    for (size_t i = 0; i < out.pages.size(); ++i) {
        const PageView& p = out.pages[i];
        std::vector<int> serials(static_cast<size_t>(c.rows[i]));
        for (int& s : serials) s = serial++;
        EXPECT_EQ(p.Serials(), serials) << "page " << i + 1;
        const std::string numbers = CListPrinter::Printf("%5d/%5d ページ", static_cast<int>(i + 1),
                                                         static_cast<int>(c.rows.size()));
        const DrawnText* date = p.Starting("　　帳票作成日 ");
        ASSERT_TRUE(date);
        EXPECT_EQ(date->text.substr(date->text.size() - numbers.size()), numbers);

        const DrawnText* closing = p.page.Find("合計件数");
        const bool last = i + 1 == out.pages.size();
        ASSERT_EQ(closing != nullptr, last) << "page " << i + 1;
        if (!last) continue;
        const int y = p.RowY(c.rows[i] - 1) + p.step + p.lineH;
        const Columns expected =
            c.kind == CListPrinter::kResultList
                ? Columns{{45, "合計件数"},
                          {56, CListPrinter::Printf("%7d", c.records)},
                          {66, "件"},
                          {117, "合計金額"},
                          {126,
                           CListPrinter::Printf(
                               "%18s", CListPrinter::FormatThousands(data->totalText).c_str())},
                          {147, "円"}}
                : Columns{
                      {45, "合計件数"}, {56, CListPrinter::Printf("%7d", c.records)}, {66, "件"}};
        EXPECT_EQ(p.At(y), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListPagingTest,
    testing::Values(PagingCase{"Result1", CListPrinter::kResultList, 1, {1}},
                    PagingCase{"Result30", CListPrinter::kResultList, 30, {30}},
                    PagingCase{"Result31", CListPrinter::kResultList, 31, {30, 1}},
                    PagingCase{"Result61", CListPrinter::kResultList, 61, {30, 30, 1}},
                    PagingCase{"Error30", CListPrinter::kErrorList, 30, {30}},
                    PagingCase{"Error31", CListPrinter::kErrorList, 31, {30, 1}}),
    [](const testing::TestParamInfo<PagingCase>& info) { return std::string(info.param.name); });

TEST_F(ListPrinterTest, AResultListWithoutRecordsPrintsOnePageOfZeroPages) {
    auto data = MakeData(3);
    data->details[0]->SetResult(xf::kAmount, xf::kResultWarning);
    data->details[1]->SetResult(xf::kAccountName, xf::kResultTooLong);
    data->details[2]->deleteFlag = 1;
    const Printout out = Print(CListPrinter::kResultList, *data);
    ASSERT_TRUE(out.result);
    ASSERT_EQ(out.pages.size(), 1u);
    const PageView& p = out.pages[0];
    EXPECT_TRUE(p.Serials().empty());
    EXPECT_EQ(p.At(p.HeadingsY()).at(3), "通番");
    ASSERT_TRUE(p.Starting("　　帳票作成日 "));
    EXPECT_NE(p.Starting("　　帳票作成日 ")->text.find("    1/    0 ページ"), std::string::npos);
    EXPECT_EQ(p.At(p.HeadingsY() + p.step + p.lineH).at(45), "合計件数");
}

TEST_F(ListPrinterTest, TheTotalsSheetHasTheHeaderAndTheTotals) {
    auto data = MakeData(40);
    data->countText = "1234";
    data->totalText = "1234567";
    bool screenEnabled = false;
    printer.onEndPage = [&](int) { screenEnabled = IsWindowEnabled(screen.get()); };
    const Printout out = Print(CListPrinter::kTotalsSheet, *data);
    ASSERT_TRUE(out.result);
    ASSERT_EQ(out.pages.size(), 1u);
    const PageView& p = out.pages[0];
    EXPECT_EQ(p.title.text, "変換結果一覧表（合計）");
    EXPECT_FALSE(p.page.Find("通番"));
    EXPECT_TRUE(p.Serials().empty());
    EXPECT_NE(p.Starting("　　帳票作成日 ")->text.find("    1/    1 ページ"), std::string::npos);
    EXPECT_TRUE(p.Starting("データ出力日時 "));
    EXPECT_EQ(p.At(p.HeadingsY() + p.lineH), (Columns{{45, "合計件数"},
                                                      {56, "  1,234"},
                                                      {66, "件"},
                                                      {117, "合計金額"},
                                                      {126, "         1,234,567"},
                                                      {147, "円"}}));
    // No progress window: the screen stays enabled.
    EXPECT_TRUE(screenEnabled);
}

TEST_F(ListPrinterTest, DeletedRecordsAreNeitherListedNorCounted) {
    auto data = MakeData(4);
    for (auto& r : data->details) r->SetResult(xf::kBranchCode, xf::kResultError);
    data->details[1]->deleteFlag = 1;
    data->details[3]->SetResult(xf::kBankCode, xf::kResultValid);
    data->details[3]->SetResult(xf::kBranchCode, xf::kResultValid);
    data->details[3]->deleteFlag = 1;
    const Printout errors = Print(CListPrinter::kErrorList, *data);
    ASSERT_EQ(errors.pages.size(), 1u);
    EXPECT_EQ(errors.pages[0].Serials(), (std::vector<int>{1, 3}));
    EXPECT_TRUE(errors.pages[0].page.Find("      2"));

    kor::CMetafilePrinter other;
    const Printout results = PrintOn(other, CListPrinter::kResultList, *data);
    ASSERT_EQ(results.pages.size(), 1u);
    EXPECT_TRUE(results.pages[0].Serials().empty());
}

// --- Record lines -----------------------------------------------------------------------------

TEST_F(ListPrinterTest, ErrorListMarksTheFaultyItems) {
    auto data = MakeData(1);
    xf::CDetailRecord& r = *data->details[0];
    r.SetResult(xf::kBankName, xf::kResultError);
    Set(r, xf::kAccountType, "ﾌﾂｳﾖｷﾝｺｳｻﾞ", xf::kResultTooLong);
    Set(r, xf::kAmount, "00012a", xf::kResultError);
    r.SetResult(xf::kBranchCode, 0x10);  // information only: no mark
    r.SetResult(xf::kCustomerCode1, xf::kResultWarning);
    const Printout out = Print(CListPrinter::kErrorList, *data);
    ASSERT_TRUE(out.result);
    ASSERT_EQ(out.pages.size(), 1u);
    const PageView& p = out.pages[0];
    EXPECT_EQ(p.title.text, "変換エラーリスト");
    EXPECT_FALSE(p.Starting("データ出力日時"));
    EXPECT_EQ(p.At(p.RowY(0)), (Columns{{3, "   1"},
                                        {10, " "},
                                        {12, "0005"},
                                        {18, "*"},
                                        {20, "ｷﾞﾝｺｳA"},
                                        {37, " "},
                                        {39, "123"},
                                        {44, " "},
                                        {46, "ｼﾃﾝB"},
                                        {65, " "},
                                        {67, "ﾔﾏﾀﾞ ﾀﾛｳ"},
                                        {104, "*"},
                                        {106, "ﾌﾂｳﾖｷﾝ"},
                                        {118, " "},
                                        {120, "7654321"},
                                        {129, "*"},
                                        {131, "          12a"},
                                        {149, "*"},
                                        {151, "C1"},
                                        {163, " "},
                                        {165, "C2"}}));
    EXPECT_EQ(p.At(p.RowY(0) + p.step + p.lineH),
              (Columns{{45, "合計件数"}, {56, "      1"}, {66, "件"}}));
}

struct AmountCase {
    int kind;
    const char* text;
    int code;
    const char* printed;
};

TEST_F(ListPrinterTest, Amounts) {
    const AmountCase cases[] = {
        {CListPrinter::kResultList, "0000001234", 0, "        1,234"},
        {CListPrinter::kResultList, "0001234567", 0, "    1,234,567"},
        {CListPrinter::kResultList, "0000000000", 0, "             "},
        {CListPrinter::kErrorList, "00012a", xf::kResultError, "          12a"},
        {CListPrinter::kErrorList, "0000000000", xf::kResultError, "            0"},
        {CListPrinter::kErrorList, "", xf::kResultError, "             "},
        {CListPrinter::kErrorList, "0012345678", xf::kResultTooLong, "     12345678"},
        {CListPrinter::kErrorList, "0001234567", 0, "    1,234,567"},
    };
    for (const AmountCase& c : cases) {
        auto data = MakeData(1);
        Set(*data->details[0], xf::kAmount, c.text, c.code);
        if (c.kind == CListPrinter::kErrorList && c.code == 0)
            data->details[0]->SetResult(xf::kBankCode, 0x10);
        kor::CMetafilePrinter pages;
        const Printout out = PrintOn(pages, c.kind, *data);
        ASSERT_EQ(out.pages.size(), 1u) << c.text;
        const PageView& p = out.pages[0];
        EXPECT_EQ(p.At(p.RowY(0)).at(131), c.printed) << c.text;
    }
}

struct CodeCase {
    const char* name;
    int transferKind;
    const char* customerCode1;
    const char* customerCode2;
    const char* ediInfo;
    const char* requesterNumber;
    Columns codes;  // texts and marks at 149, 151, 163, 165
};
void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.name;
}

class CodeColumnsTest : public ListPrinterTest, public testing::WithParamInterface<CodeCase> {};

// Every code item is in error: each shown code has its mark beside it.
TEST_P(CodeColumnsTest, ShownCodesAndTheirMarks) {
    const CodeCase& c = GetParam();
    auto data = MakeData(1, c.transferKind);
    xf::CDetailRecord& r = *data->details[0];
    Set(r, xf::kCustomerCode1, c.customerCode1, xf::kResultError);
    Set(r, xf::kCustomerCode2, c.customerCode2, xf::kResultError);
    Set(r, xf::kEdiInfo, c.ediInfo, xf::kResultError);
    Set(r, xf::kRequesterNumber, c.requesterNumber, xf::kResultError);
    const Printout out = Print(CListPrinter::kErrorList, *data);
    ASSERT_EQ(out.pages.size(), 1u);
    Columns codes;
    for (const auto& [column, text] : out.pages[0].At(out.pages[0].RowY(0))) {
        if (column >= 149) codes[column] = text;
    }
    EXPECT_EQ(codes, c.codes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeColumnsTest,
    testing::Values(CodeCase{"GeneralWithEdi",
                             xf::kKindGeneral,
                             "",
                             "",
                             "EDI ｼﾞｮｳﾎｳ",
                             "",
                             {{149, "*"}, {151, "EDI ｼﾞｮｳﾎｳ"}}},
                    CodeCase{"GeneralWithRequesterNumber",
                             xf::kKindGeneral,
                             "C1",
                             "",
                             "",
                             "0000000042",
                             {{149, "*"}, {151, "C1"}, {163, "*"}, {165, "0000000042"}}},
                    CodeCase{"GeneralWithCustomerCodes",
                             xf::kKindGeneral,
                             "C1",
                             "C2",
                             "",
                             "",
                             {{149, "*"}, {151, "C1"}, {163, "*"}, {165, "C2"}}},
                    CodeCase{"GeneralWithoutCustomerCode1",
                             xf::kKindGeneral,
                             "",
                             "C2",
                             "",
                             "",
                             {{149, "*"}, {163, "*"}, {165, "C2"}}},
                    CodeCase{"Salary",
                             xf::kKindSalaryBonus,
                             "C1",
                             "C2",
                             "EDI",
                             "42",
                             {{149, "*"}, {151, "C1"}, {163, "*"}, {165, "C2"}}}),
    [](const testing::TestParamInfo<CodeCase>& info) { return std::string(info.param.name); });

TEST(ListPrinter, AccountTypeNames) {
    struct Case {
        int code;
        int transferKind;
        const char* name;
    };
    const Case cases[] = {
        {1, xf::kKindGeneral, "ﾌﾂｳ"},  {1, xf::kKindSalaryBonus, "ﾌﾂｳ"},
        {2, xf::kKindGeneral, "ﾄｳｻﾞ"}, {2, xf::kKindSalaryBonus, "ﾄｳｻﾞ"},
        {4, xf::kKindGeneral, "ﾁｮﾁｸ"}, {4, xf::kKindSalaryBonus, ""},
        {9, xf::kKindGeneral, "ｿﾉﾀ"},  {9, xf::kKindSalaryBonus, ""},
        {0, xf::kKindGeneral, ""},     {3, xf::kKindGeneral, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CListPrinter::GetAccountTypeName(c.code, c.transferKind), c.name)
            << c.code << " kind " << c.transferKind;
}

// The account type: its first six bytes, cut on a character boundary, and its name.
TEST_F(ListPrinterTest, AccountTypeTextAndName) {
    struct Case {
        int transferKind;
        const char* text;
        const char* shown;
        const char* name;  // nullptr: none
    };
    const Case cases[] = {
        {xf::kKindGeneral, "4", "4", "ﾁｮﾁｸ"},
        {xf::kKindSalaryBonus, "4", "4", nullptr},
        {xf::kKindGeneral, "9", "9", "ｿﾉﾀ"},
        {xf::kKindSalaryBonus, "2", "2", "ﾄｳｻﾞ"},
        {xf::kKindGeneral, "ﾌﾂｳﾖｷﾝｺｳｻﾞ", "ﾌﾂｳﾖｷﾝ", nullptr},
        {xf::kKindGeneral, "1普通預金", "1普通", "ﾌﾂｳ"},
    };
    for (const Case& c : cases) {
        auto data = MakeData(1, c.transferKind);
        Set(*data->details[0], xf::kAccountType, c.text);
        kor::CMetafilePrinter pages;
        const Printout out = PrintOn(pages, CListPrinter::kResultList, *data);
        ASSERT_EQ(out.pages.size(), 1u);
        const Columns row = out.pages[0].At(out.pages[0].RowY(0));
        EXPECT_EQ(row.at(106), c.shown) << c.text;
        if (c.name) {
            EXPECT_EQ(row.count(108) ? row.at(108) : "(none)", c.name) << c.text;
        } else {
            EXPECT_EQ(row.count(108), 0u) << c.text;
        }
    }
}

// --- Header -----------------------------------------------------------------------------------

TEST_F(ListPrinterTest, RequesterBlockByTransferKindAndDate) {
    struct Case {
        int transferKind;
        int bonus;
        const char* month;
        const char* day;
        const char* requesterCode;
        const char* kindName;
        const char* date;
        const char* code;
    };
    const Case cases[] = {
        {xf::kKindGeneral, 0, "1", "5", "", "総合振込", "01月05日", "0000000000"},
        {xf::kKindSalaryBonus, 0, "12", "31", "12", "給与振込", "12月31日", "12"},
        {xf::kKindSalaryBonus, 1, "3", "10", "0000000001", "賞与振込", "03月10日", "0000000001"},
    };
    for (const Case& c : cases) {
        auto data = MakeData(1, c.transferKind);
        data->bonusFlag = c.bonus;
        data->month = c.month;
        data->day = c.day;
        std::strcpy(data->requester->requesterCode, c.requesterCode);
        kor::CMetafilePrinter pages;
        const Printout out = PrintOn(pages, CListPrinter::kResultList, *data);
        ASSERT_EQ(out.pages.size(), 1u);
        const PageView& p = out.pages[0];
        const Columns block = p.At(p.block1Y);
        EXPECT_EQ(block.at(16), c.kindName);
        EXPECT_EQ(block.at(66), c.code);
        EXPECT_EQ(block.at(161), c.date);
    }
}

TEST_F(ListPrinterTest, TheOutputTimeIsOnTheResultListAndTheTotalsSheet) {
    struct Case {
        int kind;
        bool output;
        bool shown;
    };
    const Case cases[] = {{CListPrinter::kResultList, true, true},
                          {CListPrinter::kTotalsSheet, true, true},
                          {CListPrinter::kErrorList, true, false},
                          {CListPrinter::kResultList, false, false}};
    for (const Case& c : cases) {
        auto data = MakeData(1);
        data->details[0]->SetResult(xf::kBankCode, xf::kResultError);
        data->details.push_back(MakeRecord(2));
        if (!c.output) data->outputTime.reset();
        kor::CMetafilePrinter pages;
        const Printout out = PrintOn(pages, c.kind, *data);
        ASSERT_EQ(out.pages.size(), 1u);
        const PageView& p = out.pages[0];
        const DrawnText* date = p.Starting("　　帳票作成日 ");
        ASSERT_TRUE(date);
        const Columns line = p.At(date->y + p.step);
        if (c.shown) {
            EXPECT_EQ(line, (Columns{{127, "データ出力日時 2026/ 3/ 4  5:06:07"}})) << c.kind;
        } else {
            EXPECT_TRUE(line.empty()) << c.kind;
        }
    }
}

// --- The job ----------------------------------------------------------------------------------

TEST_F(ListPrinterTest, OneLandscapeA4JobNamedVentrana) {
    const Printout out = Print(CListPrinter::kResultList, *MakeData(1));
    ASSERT_TRUE(out.result);
    EXPECT_EQ(out.calls,
              (Calls{"Open", "Reset", "StartDoc", "StartPage", "EndPage", "EndDoc", "Close"}));
    ASSERT_EQ(printer.Jobs().size(), 1u);
    EXPECT_EQ(printer.Jobs()[0].documentName, L"Ventrana");
    EXPECT_EQ(printer.Jobs()[0].orientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(printer.Jobs()[0].paperSize, DMPAPER_A4);
}

TEST_F(ListPrinterTest, AnEmptyListAbandonsTheJob) {
    for (int kind : {0, 1, 2}) {
        kor::CMetafilePrinter pages;
        const Printout out = PrintOn(pages, kind, *MakeData(0));
        EXPECT_FALSE(out.result);
        EXPECT_EQ(out.calls, (Calls{"Open", "Reset", "StartDoc", "AbortDoc", "Close"}));
        ASSERT_EQ(pages.Jobs().size(), 1u);
        EXPECT_TRUE(out.pages.empty());
    }
}

TEST_F(ListPrinterTest, NoPrinterOrAnUnknownKindPrintsNothing) {
    kor::CMetafilePrinter unopened(true, false);
    {
        kor::ScopedPrinterStandIn use(unopened);
        CListPrinter list;
        EXPECT_FALSE(list.Run(CListPrinter::kResultList, *MakeData(1)));
    }
    EXPECT_EQ(unopened.Calls(), Calls{"Open"});
    {
        kor::ScopedPrinterStandIn use(printer);
        CListPrinter list;
        EXPECT_FALSE(list.Run(3, *MakeData(1)));
        EXPECT_FALSE(list.Run(-1, *MakeData(1)));
    }
    EXPECT_TRUE(printer.Calls().empty());
}

TEST_F(ListPrinterTest, TheScreenIsDisabledWhilePrinting) {
    std::vector<bool> enabled;
    std::vector<std::string> titles;
    HWND dialog = nullptr;
    printer.onEndPage = [&](int) {
        enabled.push_back(IsWindowEnabled(screen.get()));
        dialog = current->Dialog();
        titles.push_back(kor::CWindowView(GetDlgItem(dialog, IDC_PROGRESS_TITLE)).GetText());
    };
    const Printout out = Print(CListPrinter::kResultList, *MakeData(31));
    ASSERT_TRUE(out.result);
    EXPECT_EQ(enabled, (std::vector<bool>{false, false}));
    EXPECT_EQ(titles, (std::vector<std::string>{"印刷中です．．．", "印刷中です．．．"}));
    EXPECT_TRUE(IsWindowEnabled(screen.get()));
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(ListPrinterTest, CancelAfterAPageAbandonsTheJob) {
    for (int answer : {IDOK, IDCANCEL}) {
        kor::CMetafilePrinter pages;
        pages.onEndPage = [&](int page) {
            if (page == 1)
                PostMessageW(GetDlgItem(current->Dialog(), IDC_PROGRESS_ABORT), BM_CLICK, 0, 0);
        };
        kortest::MessageScript script({answer});
        const auto data = MakeData(31);
        BOOL result = FALSE;
        {
            kor::ScopedPrinterStandIn use(pages);
            TestListPrinter list(&messages, screen.get());
            current = &list;
            result = list.Run(CListPrinter::kResultList, *data);
            current = nullptr;
        }
        EXPECT_TRUE(result);
        ASSERT_EQ(script.Shown().size(), 1u);
        EXPECT_EQ(script.Shown()[0].text, kAbortQuestion);
        if (answer == IDOK) {
            EXPECT_EQ(pages.Calls(), (Calls{"Open", "Reset", "StartDoc", "StartPage", "EndPage",
                                            "AbortDoc", "Close"}));
        } else {
            EXPECT_EQ(pages.Calls(), (Calls{"Open", "Reset", "StartDoc", "StartPage", "EndPage",
                                            "StartPage", "EndPage", "EndDoc", "Close"}));
        }
    }
}

}  // namespace
