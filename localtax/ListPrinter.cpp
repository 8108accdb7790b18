#include "localtax/ListPrinter.h"

#include <array>
#include <string_view>
#include <vector>

#include "common/base/StrUtil.h"

namespace tx {

namespace {

constexpr char kProgramLine[] = "   Ventrana  自社作成データ変換ツール";
constexpr int kTitleColumn = 62;
// By kind, centred in their spaces.
constexpr std::array<const char*, 3> kTitles = {
    "    特別徴収地方税変換結果一覧表    ",
    " 特別徴収地方税（変換エラーリスト） ",
    "特別徴収地方税変換結果一覧表（合計）",
};
constexpr int kDateColumn = 126;

// The group block below the first rule: two lines of three header items, each its label and
// its value (the dates as FormatDate shows them).
struct GroupBlockCell {
    int item;
    int labelColumn;
    int valueColumn;
};
constexpr GroupBlockCell kGroupBlock[2][3] = {
    {{kConsignorCode, 4, 18}, {kPayerName, 56, 68}, {kPaymentDate, 143, 154}},
    {{kBranchNumber, 4, 18}, {kAddress, 56, 68}, {kPaymentMonth, 143, 154}},
};

// The body's lines stand closer than the header's: 30 % of a line between them.
constexpr int kBodyGapTenths = 3;

// Where each item of a detail prints (its heading and the heading's column are the item
// table's): line 1 holds the four text items under their headings, line 2 the counts and
// amounts, right-aligned in a field as wide as the item's digits grouped by thousands that ends
// where the item's heading ends.
constexpr int GroupedWidth(int digits) {
    return digits + (digits - 1) / 3;
}
int ListWidth(int item) {
    return IsNumericItem(item) ? GroupedWidth(TaxItemAt(item).width) : 0;
}
// The serial number, right-aligned in a field of this width that ends where "通番" ends.
constexpr int kSerialWidth = 5;
const CPagedListPrinter::Cell kSerialHeading = {3, "通番"};
// A mark stands this many columns left of its item.
constexpr int kMarkWidth = 2;

// The column after the last of the item's heading.
int HeadingEnd(int item) {
    const TaxItemSpec& spec = TaxItemAt(item);
    return spec.listColumn + static_cast<int>(std::string_view(spec.listHeading).size());
}

// The column at which a field of width characters starts that ends with the heading of item.
int FieldColumn(int item, int width) {
    return HeadingEnd(item) - width;
}

// The mark of an item on the error list: "*" in error, "#" corrected, none when valid as read.
const char* MarkOf(ItemStatus status) {
    if (status == kStatusError) return "*";
    if (status == kStatusCorrected) return "#";
    return nullptr;
}

// text right-aligned in a field of width characters.
std::string Field(int width, const std::string& text) {
    return CPagedListPrinter::Printf("%*s", width, text.c_str());
}

std::string Thousands(int value) {
    return CStrUtil::FormatThousands(std::to_string(value));
}

}  // namespace

int CListPrinter::CountPages(const CDataSet* data, int mode, int kind) {
    m_data = data;
    m_mode = mode;
    m_kind = kind;
    m_totalRows = 0;
    m_pageCount = 0;
    if (!data) return 0;
    if (kind == kTotalsSheet) {
        m_pageCount = static_cast<int>(TotalsGroups().size());
        return m_pageCount;
    }
    for (const auto& group : data->groups) {
        int rows = 0;
        for (const auto& detail : group->details) {
            if (IsRowIncluded(*detail)) ++rows;
        }
        m_totalRows += rows;
        m_pageCount += PageCount(rows, kSettings.rowsPerPage);
    }
    return m_pageCount;
}

bool CListPrinter::IsRowIncluded(const CDetailRecord& detail) const {
    if (detail.output != 1) return false;
    if (m_kind == kResultList) return detail.error == 0;
    if (m_kind == kErrorList) return detail.error == 1;
    return false;
}

std::vector<const CTaxGroup*> CListPrinter::TotalsGroups() const {
    std::vector<const CTaxGroup*> groups;
    if (!m_data) return groups;
    for (const auto& group : m_data->groups) {
        if (group->output == 1 && group->error == 0) groups.push_back(group.get());
    }
    return groups;
}

size_t CListPrinter::NextIncluded(const CTaxGroup& group, size_t from) const {
    while (from < group.details.size() && !IsRowIncluded(*group.details[from])) ++from;
    return from;
}

int CListPrinter::Print() {
    if (m_kind < 0 || !m_data) return kNotCounted;
    if (m_pageCount <= 0) return kNotPrinted;
    switch (StartList()) {
        case ListStart::kNoPrinter:
            return kNoPrinter;
        case ListStart::kNoJob:
            return kNotPrinted;
        case ListStart::kOpen:
            break;
    }
    BOOL ok = FALSE;
    if (m_kind == kTotalsSheet) {
        const std::vector<const CTaxGroup*> groups = TotalsGroups();
        ok = PrintPages(-1, [&](int page) {
            PrintTotalsPage(page, *groups[static_cast<size_t>(page - 1)]);
            return PageEnd{page >= static_cast<int>(groups.size()), page};
        });
    } else {
        Cursor cursor;
        int position = 0;
        ok = PrintPages(m_pageCount + m_totalRows + 1,
                        [&](int page) { return PrintListPage(page, cursor, position); });
    }
    // A cancelled run leaves its job open, to be abandoned.
    return ok && !JobOpen() ? kPrinted : kNotPrinted;
}

CPagedListPrinter::PageEnd CListPrinter::PrintListPage(int page, Cursor& cursor, int& position) {
    const CTaxGroupObList& groups = m_data->groups;
    auto exhausted = [&] {
        const CTaxGroup& group = *groups[cursor.group];
        return NextIncluded(group, cursor.detail) >= group.details.size();
    };
    while (cursor.group < groups.size() && exhausted()) {
        ++cursor.group;
        cursor.detail = 0;
    }
    if (cursor.group >= groups.size()) return {true, position};
    const CTaxGroup& group = *groups[cursor.group];

    const CSelection font = SelectListFont(9);
    Metrics body;
    int y = PrintPageHeader(page, group, body);
    ++position;
    PrintHeadings(body, y);
    y += 3 * body.Step();
    PrintPageRows(body, y, [&](int rowY) {
        const size_t next = NextIncluded(group, cursor.detail);
        if (next >= group.details.size()) return false;
        PrintRow(body, rowY, *group.details[next]);
        cursor.detail = next + 1;
        ++position;
        return true;
    });
    // The closing block follows the group's last listed detail, whatever details not listed
    // come after it.
    if (exhausted()) {
        if (m_kind == kResultList) {
            PrintTotalsBlock(body, y, group);
        } else {
            PrintCountBlock(body, y);
        }
        ++cursor.group;
        cursor.detail = 0;
    }
    return {page >= m_pageCount || cursor.group >= groups.size(), position};
}

void CListPrinter::PrintTotalsPage(int page, const CTaxGroup& group) {
    const CSelection font = SelectListFont(9);
    Metrics body;
    const int y = PrintPageHeader(page, group, body);
    PrintGroupTotals(body, y, group);
}

int CListPrinter::PrintPageHeader(int page, const CTaxGroup& group, Metrics& body) {
    const Metrics m = MeasureColumns();
    body = m;
    body.gapTenths = kBodyGapTenths;
    const int step = m.Step();
    const int g = m.Gap();
    int y = g;
    TextAt(0, y, kProgramLine);
    y += step;
    {
        const CSelection title = SelectListFont(14);
        const char* text = kTitles[static_cast<size_t>(m_kind)];
        TextAt(m.X(kTitleColumn), y, text);
        y += g + TextExtent(text).cy;
    }
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    TextAt(m.X(kDateColumn), y,
           Printf("    帳票作成日  %4d/%2d/%2d  %5s /%5s ページ", today.wYear, today.wMonth,
                  today.wDay, Thousands(page).c_str(), Thousands(m_pageCount).c_str()));
    y += step;
    // The error list is printed before any output: its output line stays empty.
    if (m_kind != kErrorList) {
        const SYSTEMTIME out = LocalTimeOf(group.outputTime);
        PrintCells(
            m, y,
            {{1, Printf("  出力ファイル名 %s", FileNameOf(group.fileName).c_str())},
             {kDateColumn, Printf("データ出力日時  %4d/%2d/%2d  %2d:%02d:%02d", out.wYear,
                                  out.wMonth, out.wDay, out.wHour, out.wMinute, out.wSecond)}});
    }
    y += 2 * step;
    PrintRule(m, y + g / 2);
    y += step;
    for (const auto& line : kGroupBlock) {
        for (const GroupBlockCell& cell : line) {
            const std::string& value = group.Header(cell.item);
            const bool date = cell.item == kPaymentDate || cell.item == kPaymentMonth;
            PrintCells(m, y,
                       {{cell.labelColumn, HeaderItems()[static_cast<size_t>(cell.item)].label},
                        {cell.valueColumn, date ? FormatDate(value) : value}});
        }
        y += step;
    }
    y += step;
    PrintRule(m, y + g / 2);
    return y + step;
}

void CListPrinter::PrintHeadings(const Metrics& m, int y) {
    std::vector<Cell> lines[2] = {{kSerialHeading}, {}};
    for (int item = 0; item < kItemCount; ++item) {
        const TaxItemSpec& spec = TaxItemAt(item);
        lines[IsNumericItem(item) ? 1 : 0].push_back({spec.listColumn, spec.listHeading});
    }
    PrintCells(m, y, lines[0]);
    PrintCells(m, y + m.Step(), lines[1]);
    PrintRule(m, y + 2 * m.Step() + m.Gap() / 2);
}

void CListPrinter::PrintRow(const Metrics& m, int y, const CDetailRecord& detail) {
    TextAt(m.X(kSerialHeading.column + static_cast<int>(kSerialHeading.text.size()) - kSerialWidth),
           y, Printf("%*d", kSerialWidth, detail.serial));
    const int line2 = y + m.Step();
    for (int item = 0; item < kItemCount; ++item) {
        const char* mark = m_kind == kErrorList ? MarkOf(detail.Status(item)) : nullptr;
        const std::string& text = detail.Text(item);
        const int column = TaxItemAt(item).listColumn;
        const int width = ListWidth(item);
        if (width == 0) {
            if (mark) TextAt(m.X(column - kMarkWidth), y, mark);
            TextAt(m.X(column), y, text);
        } else if (mark) {
            TextAt(m.X(FieldColumn(item, width) - kMarkWidth), line2,
                   Field(width + kMarkWidth, std::string(mark) + " " + NumberText(text)));
        } else {
            TextAt(m.X(FieldColumn(item, width)), line2, Field(width, NumberText(text)));
        }
    }
}

void CListPrinter::PrintTotalsBlock(const Metrics& m, int y, const CTaxGroup& group) {
    PrintRule(m, y + m.Gap() / 2);
    auto total = [&](int width, const std::string& text) { return Field(width, NumberText(text)); };
    // Each total ends in the column of the counts or amounts above it.
    PrintCells(
        m, y + m.Step(),
        {{3, "合計"},
         {FieldColumn(kSalaryTaxCount, 9), total(9, group.totals[kSalaryTotals].count)},
         {FieldColumn(kSalaryTaxAmount, 14), total(14, group.totals[kSalaryTotals].amount)},
         {FieldColumn(kRetirementTaxCount, 9), total(9, group.totals[kRetirementTotals].count)},
         {FieldColumn(kRetirementTaxAmount, 14), total(14, group.totals[kRetirementTotals].amount)},
         {FieldColumn(kPaymentCount, 9), total(9, group.totals[kPaymentTotals].count)},
         {FieldColumn(kTaxPaid, 14), total(14, group.totals[kPaymentTotals].amount)}});
}

void CListPrinter::PrintCountBlock(const Metrics& m, int y) {
    PrintRule(m, y + m.Gap() / 2);
    PrintCells(m, y + m.Step(),
               {{12, "合計件数"}, {26, Printf("%7s 件", Thousands(m_totalRows).c_str())}});
}

void CListPrinter::PrintGroupTotals(const Metrics& m, int y, const CTaxGroup& group) {
    PrintCells(m, y,
               {{14, "給与税件数合計"},
                {40, "給与税額合計"},
                {67, "退職税件数合計"},
                {93, "退職税額合計"},
                {120, "納入件数合計"},
                {146, "納税額合計"}});
    auto total = [&](int width, const std::string& text) { return Field(width, NumberText(text)); };
    PrintCells(m, y + 2 * m.Step(),
               {{19, total(9, group.totals[kSalaryTotals].count)},
                {38, total(14, group.totals[kSalaryTotals].amount)},
                {74, total(7, group.totals[kRetirementTotals].count)},
                {91, total(14, group.totals[kRetirementTotals].amount)},
                {123, total(9, group.totals[kPaymentTotals].count)},
                {142, total(14, group.totals[kPaymentTotals].amount)}});
}

std::string CListPrinter::FormatDate(std::string_view text) {
    auto part = [&](size_t at) { return StripLeadingZeros(text.substr(at, 2)); };
    if (text.size() == 6) {
        return Printf("%2s年%2s月%2s日", part(0).c_str(), part(2).c_str(), part(4).c_str());
    }
    if (text.size() == 4) return Printf("%2s年%2s月", part(0).c_str(), part(2).c_str());
    return std::string();
}

std::string CListPrinter::FileNameOf(std::string_view path) {
    size_t start = 0;
    for (size_t i = 0; i < path.size(); i += CStrUtil::CharLength(path, i)) {
        if (path[i] == '\\') start = i + 1;
    }
    return std::string(path.substr(start));
}

std::string CListPrinter::NumberText(std::string_view text) {
    if (text.empty()) return std::string();
    if (text.find_first_not_of("0123456789") != std::string_view::npos) return std::string(text);
    const std::string digits = StripLeadingZeros(text);
    return digits.empty() ? "0" : FormatThousands(digits);
}

}  // namespace tx
