#pragma once
// The three printed documents of a tool's data set, one job each on the default printer, A4
// landscape: the result list (records without error or warning, then the totals), the error
// list (records with any result code, "*" before each faulty item, then their number) and the
// totals sheet (header and totals only). The page header's frame, the record lines of the items
// with a list column under the headings their table gives, the error marks two columns left of
// them, the page breaks and the closing lines are the same for every tool; a tool gives its texts
// (Layout), its block below the first rule and what its record lines show beyond the items
// (RowParts).
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/items/ItemRecordRefs.h"
#include "common/items/PagedListPrinter.h"

class CApMsgInfoList;

class CItemListPrinter : public CPagedListPrinter {
public:
    enum Kind { kTotalsSheet = 0, kResultList = 1, kErrorList = 2 };

    // How a print button ended; the button's messages have been shown.
    enum class Outcome {
        kPrinted,         // printed, or cancelled by the user while printing
        kNoPrinter,       // no default printer
        kNothingToPrint,  // no record to print
        kDeclined,        // the user answered Cancel to the number of pages
        kFailed,          // the printer could not be opened, the job not started or a page refused
    };

    // The messages of a print button, as the tool numbers them.
    struct ButtonMessages {
        kor::MessageId noPrinter;
        kor::MessageId nothingToPrint;
        kor::MessageId pagesQuestion;  // the number of pages; OK prints
    };

    // A tool's texts of its lists.
    struct Layout {
        std::span<const ItemSpec> items;  // an item with a list column has a cell of the lines
        int titleColumn;
        std::array<const char*, 3> titles;  // by kind
        const char* printDateLine;          // printf: year, month, day, page, page count (texts)
        const char* outputTimeLine;         // printf: year, month, day, hour, minute, second
        // At column 1 of the output-time line of the result list and the totals sheet; null:
        // none.
        const char* headerLabel = nullptr;
        // At column 1 of the line between the tool's block and the second rule; null: none.
        const char* detailsLabel = nullptr;
        // The headings of the tool's own columns of the record lines (those of the serial
        // number and the items come from the item table).
        std::span<const Cell> moreHeadings = {};
    };

    // What a record line shows beyond its items.
    struct RowParts {
        // The name printed two columns right of the account type's first bytes.
        std::function<std::string(const CItemRecord&)> accountTypeName;
        // Cells of the tool's own columns, and their error marks; either may be empty.
        std::function<void(const CItemRecord&, std::vector<Cell>&)> moreCells;
        std::function<void(const CItemRecord&, std::vector<Cell>&)> moreMarks;
    };

    // One document's data set.
    struct Document {
        ItemRecordSpan records;
        std::string_view countText;  // the data set's totals
        std::string_view totalText;
        std::optional<std::int64_t> outputTime;  // the last output; none before it
        // The tool's block below the first rule, in the body font: its two lines at y and one
        // step below.
        std::function<void(const Metrics&, int y)> printBlock;
        RowParts rowParts;
    };

    static bool HasAnyCode(const CItemRecord& record) { return record.HasAnyCode(); }
    static bool HasError(const CItemRecord& record) { return record.HasFieldError(); }
    // Whether the document of that kind lists the record.
    static bool IsListed(int kind, const CItemRecord& record);
    static int CountListedRecords(int kind, ItemRecordSpan records);

protected:
    CItemListPrinter(const Settings& settings, const Layout& layout, CApMsgInfoList* messages,
                     HWND parent)
        : CPagedListPrinter(settings, messages, parent),
          m_layout(layout),
          m_listed(ListedItems(layout.items)),
          m_headings(Headings(layout, m_listed)) {}

    // A print button of the check or correction screen: checks for a default printer, for
    // something to print, asks the number of pages and calls print on OK; the messages (ids
    // as the tool numbers them) are owned by parent.
    static Outcome PrintFromButton(int kind, ItemRecordSpan records, int rowsPerPage,
                                   const ButtonMessages& ids, CApMsgInfoList& messages, HWND parent,
                                   const std::function<BOOL()>& print);

    // Prints one document. FALSE when the kind is unknown, the printer cannot be opened, the
    // job cannot be started or the data set has no record; TRUE when the job was closed or
    // the user cancelled.
    BOOL RunList(int kind, const Document& doc);
    // The page header; fills the layout unit and returns the y below the header.
    int PrintListHeader(int kind, int page, int pageCount, const Document& doc, Metrics& m);
    // The column headings and the next records from position, until the page holds its
    // records; counter counts the printed records plus one.
    void PrintListRows(int kind, const RowParts& parts, int& counter, int& y, const Metrics& m,
                       ItemRecordSpan records, size_t& position);
    void PrintItemMarks(int y, const Metrics& m, const CItemRecord& record, const RowParts& parts);

    // The second line of a tool's block: the bank's own code and name, then the branch and
    // the account of the requester or consignor.
    void PrintOwnBankLine(const Metrics& m, int y, std::string_view branchCode,
                          std::string_view branchName, std::string_view accountTypeName,
                          std::string_view accountNumber);
    // A month and day text as the block prints them: "01月05日".
    static std::string MonthDay(std::string_view month, std::string_view day);

    // text padded on the left with '0' to width; a longer text as it is.
    static std::string PadZeros(std::string_view text, size_t width);

private:
    std::vector<Cell> RowCells(int kind, const CItemRecord& r, const RowParts& parts) const;
    // The items with a list column, in column order.
    static std::vector<int> ListedItems(std::span<const ItemSpec> items);
    // The column headings of the record lines: the serial number's, those of the listed items
    // in column order, then the tool's own.
    static std::vector<Cell> Headings(const Layout& layout, std::span<const int> listed);

    const Layout& m_layout;
    const std::vector<int> m_listed;
    const std::vector<Cell> m_headings;
};
