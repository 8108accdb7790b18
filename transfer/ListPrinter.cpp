#include "transfer/ListPrinter.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <vector>

#include "common/ApMsgInfoList.h"
#include "common/StrUtil.h"
#include "common/SysEnv.h"

namespace xf {

namespace {

constexpr char kHeaderLine[] = "Ventrana   自社作成データ変換ツール";
constexpr char kPrintDateLine[] = "　　帳票作成日 %4d/%2d/%2d      %5s/%5s ページ";
constexpr char kOutputTimeLine[] = "データ出力日時 %4d/%2d/%2d %2d:%02d:%02d";
constexpr int kTitleColumn = 78;
constexpr int kDateColumn = 127;
constexpr int kListPoints = 9;
constexpr int kTitlePoints = 14;

const char* Title(int kind) {
    switch (kind) {
        case CListPrinter::kTotalsSheet:
            return "変換結果一覧表（合計）";
        case CListPrinter::kResultList:
            return "変換結果一覧表";
        default:
            return "変換エラーリスト";
    }
}

// Column headings of the record lines.
const CPagedListPrinter::Cell kHeadings[] = {
    {3, "通番"},   {12, "金融機関名"}, {39, "支店名"},    {67, "口座名（カナ）"},
    {106, "科目"}, {120, "口座番号"},  {136, "振込金額"}, {151, "振込先コード"},
};

// The items of a record line with a column of their own, in column order; an item's error mark
// goes two columns to its left.
const std::vector<int>& RowItems() {
    static const std::vector<int> items = [] {
        std::vector<int> listed;
        const std::span<const ItemSpec> table = TransferItems();
        for (size_t i = 0; i < table.size(); ++i) {
            if (table[i].listColumn >= 0) listed.push_back(static_cast<int>(i));
        }
        std::ranges::sort(listed, {},
                          [&](int i) { return table[static_cast<size_t>(i)].listColumn; });
        return listed;
    }();
    return items;
}
int ListColumn(int item) {
    return TransferItems()[static_cast<size_t>(item)].listColumn;
}
constexpr int kSerialColumn = 3;
constexpr int kAccountTypeNameOffset = 2;  // the name of the type right of its code
constexpr int kAccountTypeBytes = 6;
// The two code columns; what they hold depends on the transfer kind and the record.
constexpr int kCodeColumns[2] = {151, 165};
constexpr int kMarkOffset = 2;
constexpr int kNoItem = -1;

// The items of the code columns: a general transfer with EDI information shows only that;
// otherwise customer code 1 and the requester number (customer code 2 when there is none).
// Salary and bonus transfers show the two customer codes. Error marks follow the items shown.
void CodeItems(const CDetailRecord& r, int transferType, int (&items)[2]) {
    if (transferType != kKindGeneral) {
        items[0] = kCustomerCode1;
        items[1] = kCustomerCode2;
    } else if (r.Text(kEdiInfo)[0]) {
        items[0] = kEdiInfo;
        items[1] = kNoItem;
    } else {
        items[0] = kCustomerCode1;
        items[1] = r.Text(kRequesterNumber)[0] ? kRequesterNumber : kCustomerCode2;
    }
}

std::string AmountText(int kind, const CDetailRecord& r, int item) {
    // A faulty amount on the error list shows as read, only without its leading zeros.
    if (kind == CListPrinter::kErrorList && HasErrorBits(r.Result(item)))
        return CStrUtil::StripZeros(r.Text(item));
    return CStrUtil::FormatThousands(CPagedListPrinter::StripLeadingZeros(r.Text(item)));
}

std::vector<CPagedListPrinter::Cell> RowCells(int kind, int transferType, const CDetailRecord& r) {
    std::vector<CPagedListPrinter::Cell> cells;
    cells.push_back({kSerialColumn, CPagedListPrinter::Printf("%4d", r.serial)});
    for (const int item : RowItems()) {
        const char* text = r.Text(item);
        const int column = ListColumn(item);
        switch (TransferItems()[static_cast<size_t>(item)].chars) {
            case ItemChars::kAccountType: {
                std::string head;
                CStrUtil::CutMbcs(text, head, kAccountTypeBytes);
                cells.push_back({column, head});
                cells.push_back({column + kAccountTypeNameOffset,
                                 CListPrinter::GetAccountTypeName(std::atoi(text), transferType)});
                break;
            }
            case ItemChars::kAmount:
                cells.push_back(
                    {column, CPagedListPrinter::Printf("%13s", AmountText(kind, r, item).c_str())});
                break;
            default:
                cells.push_back({column, text});
                break;
        }
    }
    int codes[2];
    CodeItems(r, transferType, codes);
    for (int i = 0; i < 2; ++i) {
        if (codes[i] != kNoItem) cells.push_back({kCodeColumns[i], r.Text(codes[i])});
    }
    return cells;
}

std::string TransferKindName(const CDataSet& data) {
    if (data.transferKind == kKindGeneral) return "総合振込";
    return data.bonusFlag == 0 ? "給与振込" : "賞与振込";
}

// Month and day texts: "1" prints as "01"; longer texts as they are.
std::string TwoDigits(const std::string& text) {
    return text.size() >= 2 ? text : std::string(2 - text.size(), '0') + text;
}

}  // namespace

CListPrinter::Outcome CListPrinter::PrintResultList(const CDataSet& data, CApMsgInfoList& messages,
                                                    HWND parent) {
    return PrintButton(kResultList, data, messages, parent);
}

CListPrinter::Outcome CListPrinter::PrintTotalsSheet(const CDataSet& data, CApMsgInfoList& messages,
                                                     HWND parent) {
    return PrintButton(kTotalsSheet, data, messages, parent);
}

CListPrinter::Outcome CListPrinter::PrintErrorList(const CDataSet& data, CApMsgInfoList& messages,
                                                   HWND parent) {
    return PrintButton(kErrorList, data, messages, parent);
}

CListPrinter::Outcome CListPrinter::PrintButton(int kind, const CDataSet& data,
                                                CApMsgInfoList& messages, HWND parent) {
    if (!CSysEnv::Instance().IsPrinterAvailable()) {
        messages.ShowMessage(parent, 76);
        return Outcome::kNoPrinter;
    }
    int pages = 1;
    if (kind == kErrorList) {
        // The correction screen counts the records with a flagged item that are not deleted.
        int count = 0;
        for (const auto& r : data.details) count += !r->deleteFlag && HasError(*r);
        if (count == 0) {
            messages.ShowMessage(parent, 39);
            return Outcome::kNothingToPrint;
        }
        pages = PageCount(count, kSettings.rowsPerPage);
    } else {
        // The check screen's grid shows the records without a flagged item.
        int shown = 0;
        int count = 0;
        for (const auto& r : data.details) {
            if (HasError(*r)) continue;
            ++shown;
            count += !r->deleteFlag;
        }
        if (shown == 0) {
            messages.ShowMessage(parent, 39);
            return Outcome::kNothingToPrint;
        }
        if (kind == kResultList) pages = PageCount(count, kSettings.rowsPerPage);
    }
    if (messages.ShowMessage(parent, 27, Printf("%d", pages).c_str()) != IDOK)
        return Outcome::kDeclined;
    CListPrinter printer(&messages, parent);
    return printer.Run(kind, data) ? Outcome::kPrinted : Outcome::kFailed;
}

BOOL CListPrinter::Run(int kind, const CDataSet& data) {
    // Any other kind would print pages without end.
    if (kind != kTotalsSheet && kind != kResultList && kind != kErrorList) return FALSE;
    if (!BeginList()) return FALSE;
    if (data.details.empty()) return FALSE;  // the open job is abandoned with the device
    const int count = CountListed(kind, data);
    const bool rows = kind != kTotalsSheet;
    const int pageCount = rows ? PageCount(count, ListSettings().rowsPerPage) : 1;
    int counter = 1;
    auto position = data.details.cbegin();
    return PrintPages(rows ? count : -1, [&](int page) {
        Metrics m;
        int y = PrintHeader(kind, page, pageCount, data, m);
        const CSelection body = SelectListFont(kListPoints);
        if (kind == kTotalsSheet) {
            PrintTotals(y + m.lineH, m, data);
            return PageEnd{true, counter};
        }
        PrintRows(kind, data.transferKind, counter, y, m, data.details, position);
        // Every listed record printed: the closing line goes below the last one.
        if (counter > count) {
            if (kind == kResultList) {
                PrintTotals(y + m.lineH, m, data);
            } else {
                PrintRecordCount(count, y + m.lineH, m);
            }
            position = data.details.cend();
        }
        return PageEnd{position == data.details.cend(), counter};
    });
}

int CListPrinter::PrintHeader(int kind, int page, int pageCount, const CDataSet& data, Metrics& m) {
    int y = 0;
    {
        const CSelection font = SelectListFont(kListPoints);
        m = MeasureColumns();
        TextAt(0, y, kHeaderLine);
    }
    y += m.Step();
    {
        const CSelection font = SelectListFont(kTitlePoints);
        TextAt(m.X(kTitleColumn), y, Title(kind));
        y += TextExtent(Title(kind)).cy + m.Gap();
    }
    {
        const CSelection font = SelectListFont(kListPoints);
        SYSTEMTIME now = {};
        GetLocalTime(&now);
        TextAt(m.X(kDateColumn), y,
               Printf(kPrintDateLine, now.wYear, now.wMonth, now.wDay,
                      FormatThousands(std::to_string(page)).c_str(),
                      FormatThousands(std::to_string(pageCount)).c_str()));
    }
    y += m.Step();
    // Before the first output there is no output time: the line stays empty.
    if (kind != kErrorList && data.outputTime) {
        const CSelection font = SelectListFont(kListPoints);
        const SYSTEMTIME t = LocalTimeOf(*data.outputTime);
        TextAt(m.X(kDateColumn), y,
               Printf(kOutputTimeLine, t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond));
    }
    y += m.Step();
    PrintRule(m, y + m.Gap() / 2);
    y += m.Step();

    static const CRequesterInfo kNoRequester;
    const CRequesterInfo& requester = data.requester ? *data.requester : kNoRequester;
    {
        const CSelection font = SelectListFont(kListPoints);
        PrintCells(m, y,
                   {{2, "種別"},
                    {16, TransferKindName(data)},
                    {50, "依頼人コード"},
                    {66, requester.requesterCode[0] ? requester.requesterCode : "0000000000"},
                    {85, "振込依頼人名"},
                    {101, requester.name},
                    {147, "振込指定日"},
                    {161, Printf("%2s月%2s日", TwoDigits(data.month).c_str(),
                                 TwoDigits(data.day).c_str())}});
        y += m.Step();
        PrintCells(m, y,
                   {{2, "金融機関名"},
                    {16, "0998"},
                    {23, "ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ"},
                    {50, "支店名"},
                    {66, requester.branchCode},
                    {71, requester.branchName},
                    {112, "科目"},
                    {120, GetAccountTypeName(std::atoi(requester.accountType), data.transferKind)},
                    {147, "口座番号"},
                    {161, requester.accountNumber}});
        y += m.Step();
    }
    y += m.Step();
    PrintRule(m, y + m.Gap() / 2);
    y += m.Step();
    return y;
}

void CListPrinter::PrintRows(int kind, int transferType, int& counter, int& y, const Metrics& m,
                             const CDetailObList& list, CDetailObList::const_iterator& position) {
    PrintCells(m, y, kHeadings);
    y += m.Step();
    PrintPageRows(m, y, [&](int rowY) {
        while (position != list.cend()) {
            const CDetailRecord& r = **position++;
            if (!IsListed(kind, r)) continue;
            ++counter;
            PrintCells(m, rowY, RowCells(kind, transferType, r));
            if (kind == kErrorList) PrintErrorMarks(transferType, rowY, m, r);
            return true;
        }
        return false;
    });
}

void CListPrinter::PrintTotals(int y, const Metrics& m, const CDataSet& data) {
    PrintTotalsLine(m, y, data.countText, data.totalText);
}

void CListPrinter::PrintRecordCount(int count, int y, const Metrics& m) {
    PrintCountLine(m, y, count);
}

void CListPrinter::PrintErrorMarks(int transferType, int y, const Metrics& m,
                                   const CDetailRecord& record) {
    for (const int item : RowItems())
        TextAt(m.X(ListColumn(item) - kMarkOffset), y, ErrorMark(record.Result(item)));
    int codes[2];
    CodeItems(record, transferType, codes);
    for (int i = 0; i < 2; ++i) {
        if (codes[i] != kNoItem)
            TextAt(m.X(kCodeColumns[i] - kMarkOffset), y, ErrorMark(record.Result(codes[i])));
    }
}

std::string CListPrinter::GetAccountTypeName(int code, int transferType) {
    switch (code) {
        case 1:
            return "ﾌﾂｳ";
        case 2:
            return "ﾄｳｻﾞ";
        case 4:
            return transferType == kKindGeneral ? "ﾁｮﾁｸ" : "";
        case 9:
            return transferType == kKindGeneral ? "ｿﾉﾀ" : "";
        default:
            return "";
    }
}

bool CListPrinter::HasAnyCode(const CDetailRecord& record) {
    return record.HasAnyCode();
}

bool CListPrinter::HasError(const CDetailRecord& record) {
    return record.HasFieldError();
}

bool CListPrinter::IsListed(int kind, const CDetailRecord& record) {
    if (record.deleteFlag) return false;
    if (kind == kResultList) return !HasError(record);
    if (kind == kErrorList) return HasAnyCode(record);
    return true;
}

int CListPrinter::CountListed(int kind, const CDataSet& data) {
    int count = 0;
    for (const auto& r : data.details) count += IsListed(kind, *r);
    return count;
}

}  // namespace xf
