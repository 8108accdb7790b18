#pragma once
// The three printed documents of a transfer data set, one job each on the default printer, A4
// landscape: the result list (records without error or warning, then the totals), the error
// list (records with any result code, "*" before each faulty item, then their number) and the
// totals sheet (header and totals only). 30 records a page. The requester block and the code
// columns, which show what the transfer kind and the record carry, are the transfer tool's own.
#include <windows.h>

#include <string>

#include "common/items/ItemListPrinter.h"
#include "transfer/DataSet.h"
#include "transfer/ProgressQuestions.h"

class CApMsgInfoList;

namespace xf {

class CListPrinter : public CItemListPrinter {
public:
    // 30 records a page, one line each; the transfer tool's abort questions.
    static constexpr Settings kSettings{.rowsPerPage = 30,
                                        .linesPerRow = 1,
                                        .abortQuestions = kAbortQuestions,
                                        .dialog = kProgressDialogIds,
                                        .rowGapTenths = 0};

    explicit CListPrinter(CApMsgInfoList* messages = nullptr, HWND parent = nullptr);

    // The print buttons: the check screen's list and totals buttons, the correction screen's
    // error-list button. Each checks for a default printer, for something to print, asks the
    // number of pages and prints on OK; messages are owned by parent, which is disabled while
    // the progress window is shown.
    static Outcome PrintResultList(const CDataSet& data, CApMsgInfoList& messages, HWND parent);
    static Outcome PrintTotalsSheet(const CDataSet& data, CApMsgInfoList& messages, HWND parent);
    static Outcome PrintErrorList(const CDataSet& data, CApMsgInfoList& messages, HWND parent);

    // Prints one document. FALSE when the kind is unknown, the printer cannot be opened, the
    // job cannot be started or the data set has no record; TRUE when the job was closed or
    // the user cancelled.
    BOOL Run(int kind, const CDataSet& data);

    // The page header; fills the layout unit and returns the y below the header.
    int PrintHeader(int kind, int page, int pageCount, const CDataSet& data, Metrics& m);
    // The column headings and the next records of the list from position, until the page
    // holds its records; counter counts the printed records plus one.
    void PrintRows(int kind, int transferType, int& counter, int& y, const Metrics& m,
                   const CDetailObList& list, CDetailObList::const_iterator& position);
    void PrintTotals(int y, const Metrics& m, const CDataSet& data);
    void PrintRecordCount(int count, int y, const Metrics& m);
    void PrintErrorMarks(int transferType, int y, const Metrics& m, const CDetailRecord& record);

    // 1 "ﾌﾂｳ", 2 "ﾄｳｻﾞ"; general transfers also 4 "ﾁｮﾁｸ", 9 "ｿﾉﾀ"; else empty.
    static std::string GetAccountTypeName(int code, int transferType);

private:
    static Outcome PrintButton(int kind, const CDataSet& data, CApMsgInfoList& messages,
                               HWND parent);
    Document MakeDocument(const CDataSet& data, ItemRecordSpan records);
};

}  // namespace xf
