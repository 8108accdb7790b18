#include "debit/ListPrinter.h"

#include <cstdlib>
#include <vector>

#include "debit/MessageIds.h"

namespace db {

namespace {

const CItemListPrinter::Layout& DebitLayout() {
    static const CItemListPrinter::Layout layout{
        .items = DebitItems(),
        .titleColumn = 70,
        .titles = {"口座振替情報　変換結果一覧表（合計）", "口座振替情報　変換結果一覧表",
                   "口座振替情報　変換エラーリスト"},
        .printDateLine = "　　　　作成日 %4d/%2d/%2d      %5s/%5s ページ",
        .outputTimeLine = "データ作成日時 %4d/%2d/%2d %2d:%02d:%02d",
        .headerLabel = "[委託者情報]",
        .detailsLabel = "[振替明細]",
    };
    return layout;
}

CItemListPrinter::RowParts DebitRowParts() {
    CItemListPrinter::RowParts parts;
    parts.accountTypeName = [](const CItemRecord& r) {
        return CListPrinter::AccountTypeText(std::atoi(r.Text(kAccountType)));
    };
    parts.moreCells = [](const CItemRecord& r, std::vector<CPagedListPrinter::Cell>& cells) {
        // The new code's name stands under its heading.
        const int column = DebitItems()[kNewCode].listHeadingColumn;
        cells.push_back({column, CListPrinter::NewCodeName(r.Text(kNewCode))});
    };
    return parts;
}

}  // namespace

CListPrinter::CListPrinter(CApMsgInfoList* messages, HWND parent)
    : CItemListPrinter(kSettings, DebitLayout(), messages, parent) {}

namespace {

constexpr CItemListPrinter::ButtonMessages kButtonMessages = {
    .noPrinter = Msg::kNoPrinter,
    .nothingToPrint = Msg::kNothingToWrite,
    .pagesQuestion = Msg::kPrintPages,
};

}  // namespace

CListPrinter::Outcome CListPrinter::PrintFromScreen(int kind, const CDataSet& data,
                                                    CApMsgInfoList& messages, HWND parent) {
    return PrintFromButton(kind, ItemRecordRefs(data.details), kSettings.rowsPerPage,
                           kButtonMessages, messages, parent, [&] {
                               CListPrinter printer(&messages, parent);
                               return printer.Run(kind, data);
                           });
}

BOOL CListPrinter::Run(int kind, const CDataSet& data) {
    const std::vector<const CItemRecord*> records = ItemRecordRefs(data.details);
    Document doc;
    doc.records = records;
    doc.countText = data.countText;
    doc.totalText = data.totalText;
    doc.outputTime = data.outputTime;
    doc.rowParts = DebitRowParts();
    doc.printBlock = [this, &data](const Metrics& m, int y) {
        static const CConsignorInfo kNoConsignor;
        const CConsignorInfo& consignor = data.consignor ? *data.consignor : kNoConsignor;
        PrintCells(m, y,
                   {{50, "委託者コード"},
                    {66, consignor.code},
                    {89, "委託者名"},
                    {101, consignor.name},
                    {147, "引落日"},
                    {161, MonthDay(data.month, data.day)}});
        PrintOwnBankLine(m, y + m.Step(), PadZeros(consignor.branchCode, 3), consignor.branchName,
                         AccountTypeText(std::atoi(consignor.accountType)),
                         consignor.accountNumber);
    };
    return RunList(kind, doc);
}

std::string CListPrinter::AccountTypeText(int code) {
    switch (code) {
        case 1:
            return "ﾌﾂｳ";
        case 2:
            return "ﾄｳｻﾞ";
        case 3:
            return "ﾉｳｾﾞｲ";
        case 9:
            return "ｿﾉﾀ";
        default:
            return "";
    }
}

std::string CListPrinter::NewCodeName(std::string_view code) {
    if (code == "0") return "ｿﾉﾀ";
    if (code == "1") return "1ｶｲ";
    if (code == "2") return "ﾍﾝｺｳ";
    return "";
}

}  // namespace db
