#pragma once
// What the list printers of the tools share: the set-up of a list job (default printer, A4
// landscape, document name), the page loop with its progress window and cancel, the layout
// unit of columns and lines, the fonts and rules, the totals and record-count lines and the
// number formatting. Each tool supplies its page header, its columns and its error marks, and
// its settings: how many rows a page holds, how many lines a row takes, and the progress
// window's abort questions.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/base/PrinterDevice.h"
#include "common/base/StrUtil.h"
#include "common/items/ItemSpec.h"

class CPagedListPrinter : public CPrinterDevice {
public:
    struct Settings {
        int rowsPerPage;
        int linesPerRow;
        CAbortQuestions abortQuestions;
        ProgressDialogIds dialog;  // the tool's progress window, shown while printing
        int rowGapTenths;          // room left between two rows, in tenths of a line
    };

    // The layout unit of a page. A column is the width of "0" in the 9-point body font; a
    // line its height; the gap between lines a share of a line (40 % unless a list says
    // otherwise), truncated.
    struct Metrics {
        int charW = 0;
        int lineH = 0;
        int gapTenths = 4;
        int pitch = 0;  // the line pitch when a full page needs a closer one (FitToPage), or 0
        int Gap() const { return lineH * gapTenths / 10; }
        int Step() const { return pitch > 0 ? pitch : lineH + Gap(); }
        int X(int column) const { return column * charW; }
    };

    // A text at a column of the current line.
    struct Cell {
        int column;
        std::string text;
    };

    // messages and parent as for CPrinterDevice.
    explicit CPagedListPrinter(const Settings& settings, CApMsgInfoList* messages = nullptr,
                               HWND parent = nullptr)
        : CPrinterDevice(messages, parent, settings.abortQuestions, settings.dialog),
          m_settings(settings) {}

    const Settings& ListSettings() const { return m_settings; }

    // "," between groups of three characters counted from the right; the text is not checked
    // for digits.
    static std::string FormatThousands(std::string_view text) {
        return CStrUtil::FormatThousands(text);
    }
    static std::string FormatNumber(std::string text) { return FormatThousands(text); }
    // The text without its leading "0" (empty for zeros only).
    static std::string StripLeadingZeros(std::string_view text);
    // Pages for records at rowsPerPage a page.
    static int PageCount(int records, int rowsPerPage);
    // "*" for a result code with error or warning flags (its low four bits), else " ".
    static const char* ErrorMark(int code) { return HasErrorBits(code) ? "*" : " "; }
    // printf into a CP932 string.
    static std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
    // Local date and time of seconds since 1970.
    static SYSTEMTIME LocalTimeOf(std::int64_t seconds);

protected:
    // How a page ended: whether it was the document's last, and the progress position.
    struct PageEnd {
        bool last;
        int position;
    };
    using PagePrinter = std::function<PageEnd(int page)>;
    // Prints the next row of a list with its first line at y; false when no row is left.
    using RowPrinter = std::function<bool(int y)>;

    // How opening a list job went.
    enum class ListStart { kOpen, kNoPrinter, kNoJob };
    // Opens the default printer, A4 landscape, and the job: kNoPrinter when the printer cannot
    // be opened, kNoJob when the job cannot be started.
    ListStart StartList();
    // StartList, true when the job is open.
    bool BeginList() { return StartList() == ListStart::kOpen; }
    // Prints pages 1, 2, ... until one is the last, each between StartPage and EndPage, then
    // closes the job: TRUE when it closed. A page that the printer does not start or end
    // abandons the job: FALSE. With progressRange >= 0 the progress window ("印刷中です．．．",
    // 0 to progressRange) follows the pages, and a cancel there stops the run at once with
    // TRUE, the job abandoned.
    BOOL PrintPages(int progressRange, const PagePrinter& printPage);
    // The rows of one page from y, one row (linesPerRow lines) below the other, until the page
    // holds rowsPerPage rows or printRow has none left; y ends below the last row printed.
    // Returns the number of rows printed.
    int PrintPageRows(const Metrics& m, int& y, const RowPrinter& printRow);

    // The list font of that many points ("ＭＳ 明朝") for this printer.
    [[nodiscard]] CSelection SelectListFont(int points);
    // The layout unit in the selected (9-point body) font.
    Metrics MeasureColumns();
    // A full page is steps line pitches and fixed device units more: where that ends below the
    // printable height, the pitch shrinks so that the page fits; otherwise m is left as it is.
    void FitToPage(Metrics& m, int steps, int fixed) const;
    void PrintCells(const Metrics& m, int y, std::initializer_list<Cell> cells);
    template <typename Cells>
    void PrintCells(const Metrics& m, int y, const Cells& cells) {
        for (const Cell& cell : cells) TextAt(m.X(cell.column), y, cell.text);
    }
    // A dotted rule across the page (columns 0 to 195).
    void PrintRule(const Metrics& m, int y);
    // The closing line of a result list and of a totals sheet.
    void PrintTotalsLine(const Metrics& m, int y, std::string_view count, std::string_view total);
    // The closing line of an error list.
    void PrintCountLine(const Metrics& m, int y, int count);

private:
    Settings m_settings;
};
