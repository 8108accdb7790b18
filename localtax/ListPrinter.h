#pragma once
// The three printed documents of a local-tax data set, one job each on the default printer, A4
// landscape: the result list (details taken for output and without error, then each group's
// totals), the error list (details taken for output and in error, "* " before each item in
// error and "# " before each corrected one, then the number of listed details) and the totals
// sheet (one page of totals per group taken for output). A list page holds one group's header
// block and up to 10 details of two lines each; the caller counts the pages first, shows the
// count and then prints.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/items/PagedListPrinter.h"
#include "localtax/DataSet.h"
#include "localtax/ProgressQuestions.h"

class CApMsgInfoList;

namespace tx {

class CListPrinter : public CPagedListPrinter {
public:
    enum Kind { kResultList = 0, kErrorList = 1, kTotalsSheet = 2 };

    // Results of Print.
    static constexpr int kNotCounted = -1;  // CountPages was not called
    static constexpr int kNotPrinted = 0;   // the job not started, a page refused, or cancelled
    static constexpr int kPrinted = 1;
    static constexpr int kNoPrinter = 17;  // no default printer could be opened

    // 10 details a page, two lines each, half a line between two details; the abort button asks
    // the tool's abort questions.
    static constexpr Settings kSettings{.rowsPerPage = 10,
                                        .linesPerRow = 2,
                                        .abortQuestions = kAbortQuestions,
                                        .dialog = kProgressDialog,
                                        .rowGapTenths = 5};

    // messages and parent as for CPrinterDevice.
    explicit CListPrinter(::CApMsgInfoList* messages = nullptr, HWND parent = nullptr)
        : CPagedListPrinter(kSettings, messages, parent) {}

    // Remembers the data set (not owned), the print mode and the kind, and returns the pages
    // the document takes: 10 details a page, each group from a new page; one page per group
    // taken for output for the totals sheet.
    int CountPages(const CDataSet* data, int mode, int kind);
    // Prints the counted document: kPrinted, kNotPrinted, kNoPrinter or kNotCounted. A document
    // of no page sends no job and gives kNotPrinted.
    int Print();

    // Whether the counted kind lists the detail: only details taken for output, without error
    // on the result list, in error on the error list.
    bool IsRowIncluded(const CDetailRecord& detail) const;
    // The details of all groups that the counted list shows.

    // "%2s年%2s月%2s日" of a six-character date, "%2s年%2s月" of a four-character month, each
    // part without its leading zeros; any other text gives an empty text.
    static std::string FormatDate(std::string_view text);
    // The part of a path after its last "\" (a double-byte character's second byte is no "\").
    static std::string FileNameOf(std::string_view path);
    // A count or amount as the lists show it: digits with a comma every three, without leading
    // zeros ("0" for zeros only); an empty text stays empty; a text that is not all digits is
    // shown as it is.
    static std::string NumberText(std::string_view text);

private:
    struct Cursor {
        size_t group = 0;
        size_t detail = 0;
    };

    // The next included detail of the group from position, or the group's size.
    size_t NextIncluded(const CTaxGroup& group, size_t from) const;
    std::vector<const CTaxGroup*> TotalsGroups() const;

    PageEnd PrintListPage(int page, Cursor& cursor, int& position);
    void PrintTotalsPage(int page, const CTaxGroup& group);
    // The page header; returns the body top.
    int PrintPageHeader(int page, const CTaxGroup& group, Metrics& body);
    void PrintHeadings(const Metrics& m, int y);
    void PrintRow(const Metrics& m, int y, const CDetailRecord& detail);
    void PrintTotalsBlock(const Metrics& m, int y, const CTaxGroup& group);
    void PrintCountBlock(const Metrics& m, int y);
    void PrintGroupTotals(const Metrics& m, int y, const CTaxGroup& group);

    const CDataSet* m_data = nullptr;
    int m_mode = -1;
    int m_kind = -1;
    int m_totalRows = 0;
    int m_pageCount = 0;
};

}  // namespace tx
