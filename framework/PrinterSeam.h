#pragma once
// Every print job of the programs draws through a PrintTarget: the default printer's device
// context with its job and page operations. A stand-in can take the place of the system's
// printers (tests, the list renderer), so that what a job drew can be read back.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/UniqueHandle.h"

namespace kor {

// One device and its job. Results are those of the Win32 calls of the same names.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // The device context to draw on and to measure with; after StartPage or EndPage it may be
    // another one, so it is asked again on every page.
    virtual HDC Dc() const = 0;
    // The height of the page's printable area in device units.
    virtual int PrintableHeight() const { return GetDeviceCaps(Dc(), VERTRES); }
    // Applies a settings record to the device (ResetDCW); false when the device refused it.
    virtual bool Reset(const DEVMODEW& settings) = 0;
    virtual int StartDoc(const DOCINFOW& info) = 0;
    virtual int StartPage() = 0;
    virtual int EndPage() = 0;
    virtual int EndDoc() = 0;
    virtual int AbortDoc() = 0;
};

// A target on a printer's device context, which it owns (deleted with the target).
std::unique_ptr<PrintTarget> MakeDeviceTarget(UniqueDC dc);

// What a test installs in place of the system's printers.
class PrinterStandIn {
public:
    virtual ~PrinterStandIn() = default;
    // Whether a default printer is set.
    virtual bool HasDefaultPrinter() = 0;
    // Opens the default printer: fills settings with its DEVMODEW (with the driver's bytes
    // behind it) and returns its device; nullptr when it cannot be opened.
    virtual std::unique_ptr<PrintTarget> OpenDefaultPrinter(std::vector<BYTE>& settings) = 0;
};

// Installs a stand-in (not owned); nullptr restores the system's printers. Returns the
// previous one.
PrinterStandIn* SetPrinterStandIn(PrinterStandIn* standIn);
// The installed stand-in, or nullptr.
PrinterStandIn* CurrentPrinterStandIn();

// Whether there is a default printer (the stand-in's answer while one is installed).
bool HasDefaultPrinter();

// Installs a stand-in for one scope.
class ScopedPrinterStandIn {
public:
    explicit ScopedPrinterStandIn(PrinterStandIn& standIn)
        : m_previous(SetPrinterStandIn(&standIn)) {}
    ~ScopedPrinterStandIn() { SetPrinterStandIn(m_previous); }
    ScopedPrinterStandIn(const ScopedPrinterStandIn&) = delete;
    ScopedPrinterStandIn& operator=(const ScopedPrinterStandIn&) = delete;

private:
    PrinterStandIn* m_previous;
};

}  // namespace kor
