#include "framework/MetafilePrinter.h"

#include <cstring>

namespace kor {

namespace {

// A metafile device context that is still recording; closed and thrown away when dropped.
struct RecordingDc {
    using Handle = HDC;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { DeleteEnhMetaFile(CloseEnhMetaFile(h)); }
};
using UniqueRecordingDc = UniqueHandle<RecordingDc>;

UniqueRecordingDc NewPage() {
    return UniqueRecordingDc(
        CreateEnhMetaFileW(nullptr, nullptr, &CMetafilePrinter::kFrame, L"Korxf\0page\0"));
}

}  // namespace

class MetafileTarget : public PrintTarget {
public:
    explicit MetafileTarget(CMetafilePrinter& printer) : m_printer(printer), m_dc(NewPage()) {}
    ~MetafileTarget() override { m_printer.m_calls.push_back("Close"); }

    HDC Dc() const override { return m_dc.get(); }
    // The whole frame, in the pixels of the reference device (whole rows only).
    int PrintableHeight() const override {
        return static_cast<int>(static_cast<long long>(CMetafilePrinter::kFrame.bottom) *
                                GetDeviceCaps(m_dc.get(), LOGPIXELSY) / 2540);
    }

    bool Reset(const DEVMODEW& settings) override {
        m_printer.m_calls.push_back("Reset");
        m_orientation = settings.dmOrientation;
        m_paperSize = settings.dmPaperSize;
        return true;
    }

    int StartDoc(const DOCINFOW& info) override {
        m_printer.m_calls.push_back("StartDoc");
        if (m_job >= 0) return SP_ERROR;
        CMetafilePrinter::Job job;
        job.documentName = info.lpszDocName ? info.lpszDocName : L"";
        job.orientation = m_orientation;
        job.paperSize = m_paperSize;
        m_printer.m_jobs.push_back(std::move(job));
        m_job = static_cast<int>(m_printer.m_jobs.size()) - 1;
        return m_job + 1;
    }

    int StartPage() override {
        m_printer.m_calls.push_back("StartPage");
        if (m_job < 0 || m_inPage) return SP_ERROR;
        m_inPage = true;
        return 1;
    }

    int EndPage() override {
        m_printer.m_calls.push_back("EndPage");
        if (!m_inPage) return SP_ERROR;
        m_inPage = false;
        auto& pages = m_printer.m_jobs[static_cast<size_t>(m_job)].pages;
        pages.emplace_back(CloseEnhMetaFile(m_dc.release()));
        m_dc = NewPage();
        if (m_printer.onEndPage) m_printer.onEndPage(static_cast<int>(pages.size()));
        return 1;
    }

    int EndDoc() override {
        m_printer.m_calls.push_back("EndDoc");
        return m_job >= 0 && !m_inPage ? 1 : SP_ERROR;
    }

    int AbortDoc() override {
        m_printer.m_calls.push_back("AbortDoc");
        return m_job >= 0 ? 1 : SP_ERROR;
    }

private:
    CMetafilePrinter& m_printer;
    UniqueRecordingDc m_dc;
    int m_job = -1;
    bool m_inPage = false;
    short m_orientation = 0;
    short m_paperSize = 0;
};

std::unique_ptr<PrintTarget> CMetafilePrinter::OpenDefaultPrinter(std::vector<BYTE>& settings) {
    m_calls.push_back("Open");
    if (!m_hasPrinter || !m_opens) return nullptr;
    DEVMODEW mode = {};
    std::wcscpy(mode.dmDeviceName, L"Metafile");
    mode.dmSpecVersion = DM_SPECVERSION;
    mode.dmSize = sizeof(mode);
    mode.dmFields = DM_ORIENTATION | DM_PAPERSIZE;
    mode.dmOrientation = DMORIENT_PORTRAIT;
    mode.dmPaperSize = DMPAPER_A4;
    settings.assign(reinterpret_cast<const BYTE*>(&mode),
                    reinterpret_cast<const BYTE*>(&mode) + sizeof(mode));
    return std::make_unique<MetafileTarget>(*this);
}

}  // namespace kor
