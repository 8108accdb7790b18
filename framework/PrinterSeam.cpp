#include "framework/PrinterSeam.h"

#include <winspool.h>

#include <utility>

namespace kor {

namespace {

class DeviceTarget : public PrintTarget {
public:
    explicit DeviceTarget(UniqueDC dc) : m_dc(std::move(dc)) {}

    HDC Dc() const override { return m_dc.get(); }
    bool Reset(const DEVMODEW& settings) override {
        return ResetDCW(m_dc.get(), &settings) != nullptr;
    }
    int StartDoc(const DOCINFOW& info) override { return ::StartDocW(m_dc.get(), &info); }
    int StartPage() override { return ::StartPage(m_dc.get()); }
    int EndPage() override { return ::EndPage(m_dc.get()); }
    int EndDoc() override { return ::EndDoc(m_dc.get()); }
    int AbortDoc() override { return ::AbortDoc(m_dc.get()); }

private:
    UniqueDC m_dc;
};

PrinterStandIn*& StandIn() {
    static PrinterStandIn* standIn = nullptr;
    return standIn;
}

}  // namespace

std::unique_ptr<PrintTarget> MakeDeviceTarget(UniqueDC dc) {
    return std::make_unique<DeviceTarget>(std::move(dc));
}

PrinterStandIn* SetPrinterStandIn(PrinterStandIn* standIn) {
    return std::exchange(StandIn(), standIn);
}

PrinterStandIn* CurrentPrinterStandIn() {
    return StandIn();
}

bool HasDefaultPrinter() {
    if (PrinterStandIn* standIn = StandIn()) return standIn->HasDefaultPrinter();
    DWORD size = 0;
    if (GetDefaultPrinterW(nullptr, &size)) return true;
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER && size > 0;
}

}  // namespace kor
