#include "transfer/ListPrinter.h"

#include <cstdlib>
#include <vector>

#include "transfer/MessageIds.h"

namespace xf {

namespace {

// The two code columns; what they hold depends on the transfer kind and the record.
constexpr int kCodeColumns[2] = {151, 165};
// The heading of the code columns, the only column of the record lines that is no item's.
const CPagedListPrinter::Cell kCodeHeading[] = {{kCodeColumns[0], "振込先コード"}};

const CItemListPrinter::Layout& TransferLayout() {
    static const CItemListPrinter::Layout layout{
        .items = TransferItems(),
        .titleColumn = 78,
        .titles = {"変換結果一覧表（合計）", "変換結果一覧表", "変換エラーリスト"},
        .printDateLine = "　　帳票作成日 %4d/%2d/%2d      %5s/%5s ページ",
        .outputTimeLine = "データ出力日時 %4d/%2d/%2d %2d:%02d:%02d",
        .moreHeadings = kCodeHeading,
    };
    return layout;
}

constexpr int kMarkOffset = 2;
constexpr int kNoItem = -1;

// The items of the code columns: a general transfer with EDI information shows only that;
// otherwise customer code 1 and the requester number (customer code 2 when there is none).
// Salary and bonus transfers show the two customer codes. Error marks follow the items shown.
void CodeItems(const CItemRecord& r, int transferType, int (&items)[2]) {
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

CItemListPrinter::RowParts TransferRowParts(int transferType) {
    CItemListPrinter::RowParts parts;
    parts.accountTypeName = [transferType](const CItemRecord& r) {
        return CListPrinter::GetAccountTypeName(std::atoi(r.Text(kAccountType)), transferType);
    };
    parts.moreCells = [transferType](const CItemRecord& r,
                                     std::vector<CPagedListPrinter::Cell>& cells) {
        int codes[2];
        CodeItems(r, transferType, codes);
        for (int i = 0; i < 2; ++i) {
            if (codes[i] != kNoItem) cells.push_back({kCodeColumns[i], r.Text(codes[i])});
        }
    };
    parts.moreMarks = [transferType](const CItemRecord& r,
                                     std::vector<CPagedListPrinter::Cell>& marks) {
        int codes[2];
        CodeItems(r, transferType, codes);
        for (int i = 0; i < 2; ++i) {
            if (codes[i] != kNoItem) {
                marks.push_back({kCodeColumns[i] - kMarkOffset,
                                 CPagedListPrinter::ErrorMark(r.Result(codes[i]))});
            }
        }
    };
    return parts;
}

std::string TransferKindName(const CDataSet& data) {
    if (data.transferKind == kKindGeneral) return "総合振込";
    return data.bonusFlag == 0 ? "給与振込" : "賞与振込";
}

}  // namespace

CListPrinter::CListPrinter(CApMsgInfoList* messages, HWND parent)
    : CItemListPrinter(kSettings, TransferLayout(), messages, parent) {}

namespace {

constexpr CItemListPrinter::ButtonMessages kButtonMessages = {
    .noPrinter = Msg::kNoPrinter,
    .nothingToPrint = Msg::kNothingToWrite,
    .pagesQuestion = Msg::kPrintPages,
};

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
    return PrintFromButton(kind, ItemRecordRefs(data.details), kSettings.rowsPerPage,
                           kButtonMessages, messages, parent, [&] {
                               CListPrinter printer(&messages, parent);
                               return printer.Run(kind, data);
                           });
}

CItemListPrinter::Document CListPrinter::MakeDocument(const CDataSet& data,
                                                      ItemRecordSpan records) {
    Document doc;
    doc.records = records;
    doc.countText = data.countText;
    doc.totalText = data.totalText;
    doc.outputTime = data.outputTime;
    doc.rowParts = TransferRowParts(data.transferKind);
    doc.printBlock = [this, &data](const Metrics& m, int y) {
        static const CRequesterInfo kNoRequester;
        const CRequesterInfo& requester = data.requester ? *data.requester : kNoRequester;
        PrintCells(m, y,
                   {{2, "種別"},
                    {16, TransferKindName(data)},
                    {50, "依頼人コード"},
                    {66, requester.requesterCode[0] ? requester.requesterCode : "0000000000"},
                    {85, "振込依頼人名"},
                    {101, requester.name},
                    {147, "振込指定日"},
                    {161, MonthDay(data.month, data.day)}});
        PrintOwnBankLine(m, y + m.Step(), requester.branchCode, requester.branchName,
                         GetAccountTypeName(std::atoi(requester.accountType), data.transferKind),
                         requester.accountNumber);
    };
    return doc;
}

BOOL CListPrinter::Run(int kind, const CDataSet& data) {
    const std::vector<const CItemRecord*> records = ItemRecordRefs(data.details);
    return RunList(kind, MakeDocument(data, records));
}

int CListPrinter::PrintHeader(int kind, int page, int pageCount, const CDataSet& data, Metrics& m) {
    return PrintListHeader(kind, page, pageCount, MakeDocument(data, {}), m);
}

void CListPrinter::PrintRows(int kind, int transferType, int& counter, int& y, const Metrics& m,
                             const CDetailObList& list, CDetailObList::const_iterator& position) {
    const std::vector<const CItemRecord*> records = ItemRecordRefs(list);
    size_t index = static_cast<size_t>(position - list.cbegin());
    PrintListRows(kind, TransferRowParts(transferType), counter, y, m, records, index);
    position = list.cbegin() + static_cast<std::ptrdiff_t>(index);
}

void CListPrinter::PrintTotals(int y, const Metrics& m, const CDataSet& data) {
    PrintTotalsLine(m, y, data.countText, data.totalText);
}

void CListPrinter::PrintRecordCount(int count, int y, const Metrics& m) {
    PrintCountLine(m, y, count);
}

void CListPrinter::PrintErrorMarks(int transferType, int y, const Metrics& m,
                                   const CDetailRecord& record) {
    PrintItemMarks(y, m, record, TransferRowParts(transferType));
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

}  // namespace xf
