#include "common/items/ItemListPrinter.h"

#include <algorithm>

#include "common/base/ApMsgInfoList.h"
#include "common/base/SysEnv.h"

namespace {

constexpr char kHeaderLine[] = "Ventrana   自社作成データ変換ツール";
constexpr int kDateColumn = 127;
constexpr int kLabelColumn = 1;
constexpr int kListPoints = 9;
constexpr int kTitlePoints = 14;
constexpr int kSerialColumn = 3;
constexpr char kSerialHeading[] = "通番";
constexpr int kAmountWidth = 13;           // an amount right-aligned in a field of this width
constexpr int kAccountTypeNameOffset = 2;  // the name of the type right of its code
constexpr int kAccountTypeBytes = 6;
constexpr int kMarkOffset = 2;  // an item's error mark lies two columns left of it

std::string AmountText(int kind, const CItemRecord& r, int item) {
    // A faulty amount on the error list shows as read, only without its leading zeros.
    if (kind == CItemListPrinter::kErrorList && HasErrorBits(r.Result(item)))
        return CStrUtil::StripZeros(r.Text(item));
    return CStrUtil::FormatThousands(CPagedListPrinter::StripLeadingZeros(r.Text(item)));
}

}  // namespace

bool CItemListPrinter::IsListed(int kind, const CItemRecord& record) {
    if (record.deleteFlag) return false;
    if (kind == kResultList) return !HasError(record);
    if (kind == kErrorList) return HasAnyCode(record);
    return true;
}

int CItemListPrinter::CountListedRecords(int kind, ItemRecordSpan records) {
    int count = 0;
    for (const CItemRecord* r : records) count += IsListed(kind, *r);
    return count;
}

std::string CItemListPrinter::PadZeros(std::string_view text, size_t width) {
    return text.size() >= width ? std::string(text)
                                : std::string(width - text.size(), '0') + std::string(text);
}

std::string CItemListPrinter::MonthDay(std::string_view month, std::string_view day) {
    return Printf("%2s月%2s日", PadZeros(month, 2).c_str(), PadZeros(day, 2).c_str());
}

void CItemListPrinter::PrintOwnBankLine(const Metrics& m, int y, std::string_view branchCode,
                                        std::string_view branchName,
                                        std::string_view accountTypeName,
                                        std::string_view accountNumber) {
    PrintCells(m, y,
               {{2, "金融機関名"},
                {16, "0998"},
                {23, "ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ"},
                {50, "支店名"},
                {66, std::string(branchCode)},
                {71, std::string(branchName)},
                {112, "科目"},
                {120, std::string(accountTypeName)},
                {147, "口座番号"},
                {161, std::string(accountNumber)}});
}

CItemListPrinter::Outcome CItemListPrinter::PrintFromButton(int kind, ItemRecordSpan records,
                                                            int rowsPerPage,
                                                            const ButtonMessages& ids,
                                                            CApMsgInfoList& messages, HWND parent,
                                                            const std::function<BOOL()>& print) {
    if (!CSysEnv::Instance().IsPrinterAvailable()) {
        messages.ShowMessage(parent, ids.noPrinter);
        return Outcome::kNoPrinter;
    }
    int pages = 1;
    if (kind == kErrorList) {
        // The correction screen counts the records with a flagged item that are not deleted.
        int count = 0;
        for (const CItemRecord* r : records) count += !r->deleteFlag && HasError(*r);
        if (count == 0) {
            messages.ShowMessage(parent, ids.nothingToPrint);
            return Outcome::kNothingToPrint;
        }
        pages = PageCount(count, rowsPerPage);
    } else {
        // The check screen's grid shows the records without a flagged item.
        int shown = 0;
        int count = 0;
        for (const CItemRecord* r : records) {
            if (HasError(*r)) continue;
            ++shown;
            count += !r->deleteFlag;
        }
        if (shown == 0) {
            messages.ShowMessage(parent, ids.nothingToPrint);
            return Outcome::kNothingToPrint;
        }
        if (kind == kResultList) pages = PageCount(count, rowsPerPage);
    }
    if (messages.ShowMessage(parent, ids.pagesQuestion, Printf("%d", pages).c_str()) != IDOK)
        return Outcome::kDeclined;
    return print() ? Outcome::kPrinted : Outcome::kFailed;
}

BOOL CItemListPrinter::RunList(int kind, const Document& doc) {
    // Any other kind would print pages without end.
    if (kind != kTotalsSheet && kind != kResultList && kind != kErrorList) return FALSE;
    if (!BeginList()) return FALSE;
    if (doc.records.empty()) return FALSE;  // the open job is abandoned with the device
    const int count = CountListedRecords(kind, doc.records);
    const bool rows = kind != kTotalsSheet;
    const int pageCount = rows ? PageCount(count, ListSettings().rowsPerPage) : 1;
    int counter = 1;
    size_t position = 0;
    const size_t end = doc.records.size();
    return PrintPages(rows ? count : -1, [&](int page) {
        Metrics m;
        int y = PrintListHeader(kind, page, pageCount, doc, m);
        const CSelection body = SelectListFont(kListPoints);
        if (kind == kTotalsSheet) {
            PrintTotalsLine(m, y + m.lineH, doc.countText, doc.totalText);
            return PageEnd{true, counter};
        }
        PrintListRows(kind, doc.rowParts, counter, y, m, doc.records, position);
        // Every listed record printed: the closing line goes below the last one.
        if (counter > count) {
            if (kind == kResultList) {
                PrintTotalsLine(m, y + m.lineH, doc.countText, doc.totalText);
            } else {
                PrintCountLine(m, y + m.lineH, count);
            }
            position = end;
        }
        return PageEnd{position == end, counter};
    });
}

int CItemListPrinter::PrintListHeader(int kind, int page, int pageCount, const Document& doc,
                                      Metrics& m) {
    // Any kind but the totals sheet and the result list has the error list's title.
    const char* title = m_layout.titles[static_cast<size_t>(
        kind == kTotalsSheet || kind == kResultList ? kind : kErrorList)];
    int titleH = 0;
    {
        const CSelection font = SelectListFont(kTitlePoints);
        titleH = TextExtent(title).cy;
    }
    int y = 0;
    {
        const CSelection font = SelectListFont(kListPoints);
        m = MeasureColumns();
        // A full page: eight header lines and the title, the headings, every row, and the
        // closing line one line below the last row.
        FitToPage(m, 9 + ListSettings().rowsPerPage * ListSettings().linesPerRow,
                  titleH + m.Gap() + 2 * m.lineH);
        TextAt(0, y, kHeaderLine);
    }
    y += m.Step();
    {
        const CSelection font = SelectListFont(kTitlePoints);
        TextAt(m.X(m_layout.titleColumn), y, title);
        y += titleH + m.Gap();
    }
    {
        const CSelection font = SelectListFont(kListPoints);
        SYSTEMTIME now = {};
        GetLocalTime(&now);
        TextAt(m.X(kDateColumn), y,
               Printf(m_layout.printDateLine, now.wYear, now.wMonth, now.wDay,
                      FormatThousands(std::to_string(page)).c_str(),
                      FormatThousands(std::to_string(pageCount)).c_str()));
    }
    y += m.Step();
    // The error list leaves this line empty; before the first output there is no output time.
    if (kind != kErrorList && (m_layout.headerLabel || doc.outputTime)) {
        const CSelection font = SelectListFont(kListPoints);
        if (m_layout.headerLabel) TextAt(m.X(kLabelColumn), y, m_layout.headerLabel);
        if (doc.outputTime) {
            const SYSTEMTIME t = LocalTimeOf(*doc.outputTime);
            TextAt(m.X(kDateColumn), y,
                   Printf(m_layout.outputTimeLine, t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                          t.wSecond));
        }
    }
    y += m.Step();
    PrintRule(m, y + m.Gap() / 2);
    y += m.Step();
    {
        const CSelection font = SelectListFont(kListPoints);
        if (doc.printBlock) doc.printBlock(m, y);
        y += 2 * m.Step();
        if (m_layout.detailsLabel) TextAt(m.X(kLabelColumn), y, m_layout.detailsLabel);
    }
    y += m.Step();
    PrintRule(m, y + m.Gap() / 2);
    y += m.Step();
    return y;
}

void CItemListPrinter::PrintListRows(int kind, const RowParts& parts, int& counter, int& y,
                                     const Metrics& m, ItemRecordSpan records, size_t& position) {
    PrintCells(m, y, m_headings);
    y += m.Step();
    PrintPageRows(m, y, [&](int rowY) {
        while (position < records.size()) {
            const CItemRecord& r = *records[position++];
            if (!IsListed(kind, r)) continue;
            ++counter;
            PrintCells(m, rowY, RowCells(kind, r, parts));
            if (kind == kErrorList) PrintItemMarks(rowY, m, r, parts);
            return true;
        }
        return false;
    });
}

void CItemListPrinter::PrintItemMarks(int y, const Metrics& m, const CItemRecord& record,
                                      const RowParts& parts) {
    std::vector<Cell> marks;
    for (const int item : m_listed) {
        marks.push_back({m_layout.items[static_cast<size_t>(item)].listColumn - kMarkOffset,
                         ErrorMark(record.Result(item))});
    }
    if (parts.moreMarks) parts.moreMarks(record, marks);
    PrintCells(m, y, marks);
}

std::vector<CItemListPrinter::Cell> CItemListPrinter::RowCells(int kind, const CItemRecord& r,
                                                               const RowParts& parts) const {
    std::vector<Cell> cells;
    cells.push_back({kSerialColumn, Printf("%4d", r.serial)});
    for (const int item : m_listed) {
        const ItemSpec& spec = m_layout.items[static_cast<size_t>(item)];
        const char* text = r.Text(item);
        switch (spec.chars) {
            case ItemChars::kAccountType: {
                std::string head;
                CStrUtil::CutMbcs(text, head, kAccountTypeBytes);
                cells.push_back({spec.listColumn, head});
                cells.push_back({spec.listColumn + kAccountTypeNameOffset,
                                 parts.accountTypeName ? parts.accountTypeName(r) : ""});
                break;
            }
            case ItemChars::kAmount:
                cells.push_back({spec.listColumn,
                                 Printf("%*s", kAmountWidth, AmountText(kind, r, item).c_str())});
                break;
            default:
                cells.push_back({spec.listColumn, text});
                break;
        }
    }
    if (parts.moreCells) parts.moreCells(r, cells);
    return cells;
}

std::vector<int> CItemListPrinter::ListedItems(std::span<const ItemSpec> table) {
    std::vector<int> listed;
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].listColumn >= 0) listed.push_back(static_cast<int>(i));
    }
    std::ranges::sort(listed, {}, [&](int i) { return table[static_cast<size_t>(i)].listColumn; });
    return listed;
}

std::vector<CItemListPrinter::Cell> CItemListPrinter::Headings(const Layout& layout,
                                                               std::span<const int> listed) {
    std::vector<Cell> headings{{kSerialColumn, kSerialHeading}};
    for (const int item : listed) {
        const ItemSpec& spec = layout.items[static_cast<size_t>(item)];
        if (!spec.listHeading) continue;
        const std::string text = spec.listHeading;
        // An amount's heading ends where the amount ends.
        const int column = spec.chars == ItemChars::kAmount
                               ? spec.listColumn + kAmountWidth - static_cast<int>(text.size())
                               : spec.listHeadingColumn;
        headings.push_back({column, text});
    }
    headings.insert(headings.end(), layout.moreHeadings.begin(), layout.moreHeadings.end());
    return headings;
}
