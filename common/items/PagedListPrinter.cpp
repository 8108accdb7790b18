#include "common/items/PagedListPrinter.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "framework/Cp932.h"

namespace {
constexpr char kDocumentName[] = "Ventrana";
constexpr char kPrintingTitle[] = "印刷中です．．．";
constexpr char kListFace[] = "ＭＳ 明朝";
constexpr int kRuleEndColumn = 195;
}  // namespace

std::string CPagedListPrinter::StripLeadingZeros(std::string_view text) {
    const size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

int CPagedListPrinter::PageCount(int records, int rowsPerPage) {
    return records / rowsPerPage + (records % rowsPerPage != 0 ? 1 : 0);
}

std::string CPagedListPrinter::Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string out;
    if (n > 0) {
        std::vector<char> buffer(static_cast<size_t>(n) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, again);
        out.assign(buffer.data(), static_cast<size_t>(n));
    }
    va_end(again);
    return out;
}

SYSTEMTIME CPagedListPrinter::LocalTimeOf(std::int64_t seconds) {
    // FILETIME counts 100 ns from 1601; 11644473600 s lie between 1601 and 1970.
    const ULONGLONG ticks = static_cast<ULONGLONG>(seconds + 11644473600LL) * 10000000ULL;
    FILETIME utcFile = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME utc = {};
    SYSTEMTIME local = {};
    FileTimeToSystemTime(&utcFile, &utc);
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) local = utc;
    return local;
}

CPagedListPrinter::ListStart CPagedListPrinter::StartList() {
    if (!OpenDefaultPrinter()) return ListStart::kNoPrinter;
    // A printer that keeps its own paper settings still prints the list.
    SetPaper(DMORIENT_LANDSCAPE, DMPAPER_A4);
    return StartDoc(kDocumentName) > 0 ? ListStart::kOpen : ListStart::kNoJob;
}

BOOL CPagedListPrinter::PrintPages(int progressRange, const PagePrinter& printPage) {
    // Without its window a run cannot be cancelled and goes on to the end.
    const bool progress = progressRange >= 0 && ShowProgress(kPrintingTitle, nullptr) == 1;
    if (progress) SetRange(0, progressRange);
    for (int page = 1;; ++page) {
        // A printer that refuses a page (out of paper, the job deleted in the spooler) gets
        // nothing more of this job.
        if (StartPage() <= 0) {
            AbortDoc();
            return FALSE;
        }
        const PageEnd end = printPage(page);
        if (EndPage() <= 0) {
            AbortDoc();
            return FALSE;
        }
        if (progress) {
            ShowProgressWindow();
            SetPos(end.position);
            // Cancelled: the job stays open and is abandoned when the device goes away.
            if (PumpMessages()) return TRUE;
        }
        if (end.last) break;
    }
    return EndDoc() >= 0 ? TRUE : FALSE;
}

int CPagedListPrinter::PrintPageRows(const Metrics& m, int& y, const RowPrinter& printRow) {
    int rows = 0;
    while (rows < m_settings.rowsPerPage && printRow(y)) {
        ++rows;
        y += m_settings.linesPerRow * m.Step() + m.lineH * m_settings.rowGapTenths / 10;
    }
    return rows;
}

CPrinterDevice::CSelection CPagedListPrinter::SelectListFont(int points) {
    LOGFONTW font = {};
    font.lfHeight = -(points * DeviceCaps(LOGPIXELSY) / 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = OUT_DEVICE_PRECIS;
    font.lfClipPrecision = CLIP_CHARACTER_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    const std::wstring face = kor::ToWide(kListFace);
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return SelectFont(font);
}

CPagedListPrinter::Metrics CPagedListPrinter::MeasureColumns() {
    const SIZE zero = TextExtent("0");
    return Metrics{zero.cx, zero.cy};
}

void CPagedListPrinter::FitToPage(Metrics& m, int steps, int fixed) const {
    const int height = PrintableHeight();
    if (steps <= 0 || height <= 0 || fixed + steps * m.Step() <= height) return;
    m.pitch = std::max(1, (height - fixed) / steps);
}

void CPagedListPrinter::PrintCells(const Metrics& m, int y, std::initializer_list<Cell> cells) {
    for (const Cell& cell : cells) TextAt(m.X(cell.column), y, cell.text);
}

void CPagedListPrinter::PrintRule(const Metrics& m, int y) {
    const CSelection pen = SelectPen(PS_DOT, 0, RGB(0, 0, 0));
    Line(0, y, m.X(kRuleEndColumn), y);
}

void CPagedListPrinter::PrintTotalsLine(const Metrics& m, int y, std::string_view count,
                                        std::string_view total) {
    PrintCells(m, y,
               {{45, "合計件数"},
                {56, Printf("%7s", FormatThousands(count).c_str())},
                {66, "件"},
                {117, "合計金額"},
                {126, Printf("%18s", FormatThousands(total).c_str())},
                {147, "円"}});
}

void CPagedListPrinter::PrintCountLine(const Metrics& m, int y, int count) {
    PrintCells(m, y,
               {{45, "合計件数"},
                {56, Printf("%7s", FormatThousands(std::to_string(count)).c_str())},
                {66, "件"}});
}
