#pragma once
// The three printed documents of a direct-debit data set, one job each on the default printer,
// A4 landscape: the result list (records without error or warning, then the totals), the error
// list (records with any result code, "*" before each faulty item, then their number) and the
// totals sheet (header and totals only). 30 records a page. The consignor block, the new code's
// name and the account-type names are the direct-debit tool's own.
#include <windows.h>

#include <string>
#include <string_view>

#include "common/items/ItemListPrinter.h"
#include "debit/DataSet.h"
#include "debit/ProgressQuestions.h"

class CApMsgInfoList;

namespace db {

class CListPrinter : public CItemListPrinter {
public:
    // 30 records a page, one line each; the abort button asks the tool's abort questions.
    static constexpr Settings kSettings{.rowsPerPage = 30,
                                        .linesPerRow = 1,
                                        .abortQuestions = kAbortQuestions,
                                        .dialog = kProgressDialog,
                                        .rowGapTenths = 0};

    explicit CListPrinter(CApMsgInfoList* messages = nullptr, HWND parent = nullptr);

    // A print button of the check screen (result list, totals sheet) or the correction screen
    // (error list): checks for a default printer, for something to print, asks
    // the number of pages and prints on OK; messages are owned by parent,
    // which is disabled while the progress window is shown.
    static Outcome PrintFromScreen(int kind, const CDataSet& data, CApMsgInfoList& messages,
                                   HWND parent);

    // Prints one document. FALSE when the kind is unknown, the printer cannot be opened, the
    // job cannot be started or the data set has no record; TRUE when the job was closed or
    // the user cancelled.
    BOOL Run(int kind, const CDataSet& data);

    // 1 "ﾌﾂｳ", 2 "ﾄｳｻﾞ", 3 "ﾉｳｾﾞｲ", 9 "ｿﾉﾀ"; else empty.
    static std::string AccountTypeText(int code);
    // "0" "ｿﾉﾀ", "1" "1ｶｲ", "2" "ﾍﾝｺｳ"; else empty.
    static std::string NewCodeName(std::string_view code);
};

}  // namespace db
