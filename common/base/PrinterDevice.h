#pragma once
// The programs' whole connection to the printer: opens the user's default printer without a
// print dialog, sets paper and orientation, opens and closes the job and its pages, and draws
// CP932 text, lines, fonts and pens on the device. A print run shows the progress window of
// its task and can be cancelled there. A job still open when the device goes away is
// abandoned (AbortDoc).
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/base/ProgressTask.h"
#include "framework/PrinterSeam.h"
#include "framework/UniqueHandle.h"

class CPrinterDevice : public CProgressTask {
public:
    // A font or pen selected into the device for one scope: the previous one is selected
    // again and the object deleted when the selection ends. End it before the page ends.
    class CSelection {
    public:
        CSelection(HDC dc, HGDIOBJ object) : m_object(object), m_select(dc, object) {}
        HGDIOBJ Previous() const { return m_select.Previous(); }

    private:
        kor::UniqueHandle<kor::handle_traits::GdiObject<HGDIOBJ>> m_object;
        kor::ScopedSelect m_select;
    };

    // The default printer entry of the profile, split at ",".
    struct DeviceEntry {
        std::wstring device;
        std::wstring driver;
        std::wstring port;
    };

    CPrinterDevice() = default;
    // parent: the screen that prints; it is disabled while the progress window is shown,
    // which is the tool's own (dialog).
    CPrinterDevice(CApMsgInfoList* messages, HWND parent, const CAbortQuestions& questions,
                   const ProgressDialogIds& dialog)
        : CProgressTask(messages, parent, questions, dialog) {}
    ~CPrinterDevice() override;

    // Opens the default printer and creates its device context; FALSE (nothing shown) when
    // there is none or it cannot be opened or asked for its settings.
    BOOL OpenDefaultPrinter();
    // The device context to draw on (nullptr before the printer is opened or after EndDoc);
    // it may change when a page starts or ends.
    HDC GetDC() const { return m_target ? m_target->Dc() : nullptr; }
    // The height of the page's printable area in device units; 0 without a device.
    int PrintableHeight() const { return m_target ? m_target->PrintableHeight() : 0; }
    // Puts orientation (DMORIENT_*) and paper size (DMPAPER_*) into the printer's settings and
    // applies them; FALSE when the device refused them.
    BOOL SetPaper(short orientation, short paperSize);
    // Opens the job under documentName (CP932, cut by DocumentName); outputFile nullptr prints
    // on the printer. The job number (> 0), or the device's failure (<= 0).
    int StartDoc(std::string_view documentName, const char* outputFile = nullptr);
    // Closes the job and deletes the device context; the result of EndDoc (< 0 on failure).
    int EndDoc();
    // Abandons the job and deletes the device context; the result of AbortDoc (<= 0 on failure).
    int AbortDoc();
    int StartPage();
    int EndPage();

    // TRUE for a page range 1 <= from <= to; with only != 0, TRUE when all three are equal.
    virtual BOOL CheckPageRange(int from, int to, int only);
    // 0 (no page started) when cancelled or page is outside from..to; otherwise starts the
    // page: 1 for the range's first page, 2 for any other.
    virtual int BeginPage(int from, int to, int page, int cancelled);
    // 0 under the same conditions; otherwise ends the page: 3 for the range's last, else 2.
    virtual int FinishPage(int from, int to, int page, int cancelled);

    // A font of pointTenths tenths of a point in face (CP932) for this device.
    [[nodiscard]] CSelection SelectPointFont(int pointTenths, std::string_view face);
    [[nodiscard]] CSelection SelectFont(const LOGFONTW& font);
    [[nodiscard]] CSelection SelectPen(int style, int width, COLORREF colour);
    static void SetPrintRect(RECT& rect, int left, int top, int right, int bottom);

    // Text (CP932) with its top left corner at (x, y); an empty text draws nothing.
    void TextAt(int x, int y, std::string_view text);
    // Width and height of text in the selected font.
    SIZE TextExtent(std::string_view text);
    // A line in the selected pen.
    void Line(int x0, int y0, int x1, int y1);
    int DeviceCaps(int index);

    static DeviceEntry SplitDeviceEntry(std::wstring_view entry);
    // The name a job is opened under: at most 31 bytes, never ending inside a double-byte
    // character.
    static std::string DocumentName(std::string_view name);

    // True between a successful StartDoc and EndDoc.
    bool JobOpen() const { return m_jobOpen; }

private:
    std::vector<BYTE> m_info;        // the printer's information, its settings record inside
    DEVMODEW* m_settings = nullptr;  // points into m_info
    std::unique_ptr<kor::PrintTarget> m_target;
    bool m_jobOpen = false;
};
