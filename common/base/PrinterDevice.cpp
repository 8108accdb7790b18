#include "common/base/PrinterDevice.h"

#include <winspool.h>

#include <cwchar>

#include "framework/Cp932.h"

namespace {
constexpr DWORD kProfileBuffer = 260;
// The longest document name the spooler is given, in bytes.
constexpr size_t kDocumentNameBytes = 31;
}  // namespace

CPrinterDevice::~CPrinterDevice() {
    // A run that stopped inside its job (cancel, nothing to print): the job is abandoned.
    if (m_jobOpen && m_target) m_target->AbortDoc();
}

BOOL CPrinterDevice::OpenDefaultPrinter() {
    if (m_jobOpen && m_target) m_target->AbortDoc();
    m_jobOpen = false;
    m_target.reset();
    m_settings = nullptr;
    m_info.clear();

    if (kor::PrinterStandIn* standIn = kor::CurrentPrinterStandIn()) {
        std::vector<BYTE> settings;
        std::unique_ptr<kor::PrintTarget> target = standIn->OpenDefaultPrinter(settings);
        if (!target || settings.size() < sizeof(DEVMODEW)) return FALSE;
        m_info = std::move(settings);
        m_settings = reinterpret_cast<DEVMODEW*>(m_info.data());
        m_target = std::move(target);
        return TRUE;
    }

    wchar_t entry[kProfileBuffer] = {};
    GetProfileStringW(L"windows", L"device", L",,,", entry, kProfileBuffer);
    const DeviceEntry device = SplitDeviceEntry(entry);
    // An empty name would open the print server instead of a printer.
    if (device.device.empty()) return FALSE;

    kor::UniquePrinter printer;
    if (!OpenPrinterW(const_cast<wchar_t*>(device.device.c_str()), printer.put(), nullptr))
        return FALSE;
    DWORD needed = 0;
    GetPrinterW(printer.get(), 2, nullptr, 0, &needed);
    if (needed == 0) return FALSE;
    std::vector<BYTE> info(needed);
    if (!GetPrinterW(printer.get(), 2, info.data(), needed, &needed)) return FALSE;
    DEVMODEW* settings = reinterpret_cast<PRINTER_INFO_2W*>(info.data())->pDevMode;
    printer.reset();
    if (!settings) return FALSE;

    // The settings are applied later by SetPaper.
    kor::UniqueDC dc(CreateDCW(device.driver.c_str(), device.device.c_str(), nullptr, nullptr));
    if (!dc) return FALSE;
    m_info = std::move(info);  // the block moves with its buffer: settings stays valid
    m_settings = settings;
    m_target = kor::MakeDeviceTarget(std::move(dc));
    return TRUE;
}

BOOL CPrinterDevice::SetPaper(short orientation, short paperSize) {
    if (!m_settings || !m_target) return FALSE;
    m_settings->dmOrientation = orientation;
    m_settings->dmPaperSize = paperSize;
    m_settings->dmFields |= DM_ORIENTATION | DM_PAPERSIZE;
    return m_target->Reset(*m_settings) ? TRUE : FALSE;
}

int CPrinterDevice::StartDoc(std::string_view documentName, const char* outputFile) {
    if (!m_target) return SP_ERROR;
    const std::wstring name = kor::ToWide(DocumentName(documentName));
    const std::wstring output = outputFile ? kor::ToWide(outputFile) : std::wstring();
    DOCINFOW info = {};
    info.cbSize = sizeof(info);
    info.lpszDocName = name.c_str();
    info.lpszOutput = outputFile ? output.c_str() : nullptr;
    const int job = m_target->StartDoc(info);
    if (job > 0) m_jobOpen = true;
    return job;
}

int CPrinterDevice::EndDoc() {
    if (!m_target) return SP_ERROR;
    const int result = m_target->EndDoc();
    m_jobOpen = false;
    m_target.reset();
    return result;
}

int CPrinterDevice::AbortDoc() {
    if (!m_target) return SP_ERROR;
    const int result = m_jobOpen ? m_target->AbortDoc() : SP_ERROR;
    m_jobOpen = false;
    m_target.reset();
    return result;
}

int CPrinterDevice::StartPage() {
    return m_target ? m_target->StartPage() : SP_ERROR;
}

int CPrinterDevice::EndPage() {
    return m_target ? m_target->EndPage() : SP_ERROR;
}

BOOL CPrinterDevice::CheckPageRange(int from, int to, int only) {
    if (from <= 0 || to <= 0) return FALSE;
    if (only == 0) return from <= to;
    return from == to && to == only;
}

int CPrinterDevice::BeginPage(int from, int to, int page, int cancelled) {
    if (cancelled || page < from || page > to) return 0;
    StartPage();
    return page == from ? 1 : 2;
}

int CPrinterDevice::FinishPage(int from, int to, int page, int cancelled) {
    if (cancelled || page < from || page > to) return 0;
    EndPage();
    return page == to ? 3 : 2;
}

CPrinterDevice::CSelection CPrinterDevice::SelectPointFont(int pointTenths, std::string_view face) {
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(DeviceCaps(LOGPIXELSY), pointTenths, 720);
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = kor::ToWide(face);
    wcsncpy(font.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    return SelectFont(font);
}

CPrinterDevice::CSelection CPrinterDevice::SelectFont(const LOGFONTW& font) {
    return CSelection(GetDC(), CreateFontIndirectW(&font));
}

CPrinterDevice::CSelection CPrinterDevice::SelectPen(int style, int width, COLORREF colour) {
    return CSelection(GetDC(), CreatePen(style, width, colour));
}

void CPrinterDevice::SetPrintRect(RECT& rect, int left, int top, int right, int bottom) {
    rect = {left, top, right, bottom};
}

void CPrinterDevice::TextAt(int x, int y, std::string_view text) {
    if (text.empty()) return;
    const std::wstring wide = kor::ToWide(text);
    TextOutW(GetDC(), x, y, wide.c_str(), static_cast<int>(wide.size()));
}

SIZE CPrinterDevice::TextExtent(std::string_view text) {
    const std::wstring wide = kor::ToWide(text);
    SIZE size = {};
    GetTextExtentPoint32W(GetDC(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void CPrinterDevice::Line(int x0, int y0, int x1, int y1) {
    const HDC dc = GetDC();
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

int CPrinterDevice::DeviceCaps(int index) {
    return GetDeviceCaps(GetDC(), index);
}

CPrinterDevice::DeviceEntry CPrinterDevice::SplitDeviceEntry(std::wstring_view entry) {
    DeviceEntry out;
    std::wstring* pieces[] = {&out.device, &out.driver, &out.port};
    for (std::wstring* piece : pieces) {
        const size_t comma = entry.find(L',');
        *piece = std::wstring(entry.substr(0, comma));
        if (comma == std::wstring_view::npos) break;
        entry.remove_prefix(comma + 1);
    }
    return out;
}

std::string CPrinterDevice::DocumentName(std::string_view name) {
    if (name.size() <= kDocumentNameBytes) return std::string(name);
    size_t end = 0;
    while (end < kDocumentNameBytes)
        end += kor::IsSjisLeadByte(static_cast<unsigned char>(name[end])) ? 2 : 1;
    // Past the limit: the last character is a double-byte one that the limit would split.
    return std::string(name.substr(0, end == kDocumentNameBytes ? end : kDocumentNameBytes - 1));
}
