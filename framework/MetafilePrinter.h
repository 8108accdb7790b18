#pragma once
// A stand-in for the default printer that draws every page of a job into its own enhanced
// metafile of A4 landscape size (the screen is the reference device). Jobs, pages and the
// calls made stay for reading back: tests look at the records, the list renderer plays them.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/PrinterSeam.h"
#include "framework/UniqueHandle.h"

namespace kor {

class CMetafilePrinter : public PrinterStandIn {
public:
    struct Job {
        std::wstring documentName;
        std::vector<UniqueEnhMetaFile> pages;  // the ended pages, in order
        short orientation = 0;                 // of the settings applied before StartDoc
        short paperSize = 0;
    };

    // hasPrinter false: there is no default printer. opens false: it is set but cannot be
    // opened.
    explicit CMetafilePrinter(bool hasPrinter = true, bool opens = true)
        : m_hasPrinter(hasPrinter), m_opens(opens) {}

    bool HasDefaultPrinter() override { return m_hasPrinter; }
    std::unique_ptr<PrintTarget> OpenDefaultPrinter(std::vector<BYTE>& settings) override;

    const std::vector<Job>& Jobs() const { return m_jobs; }
    // Every call in order: "Open", "Reset", "StartDoc", "StartPage", "EndPage", "EndDoc",
    // "AbortDoc", "Close" (the device is deleted).
    const std::vector<std::string>& Calls() const { return m_calls; }
    // Runs after each ended page with the number of pages of the job so far.
    std::function<void(int pages)> onEndPage;

    // The page frame in 0.01 mm.
    static constexpr RECT kFrame = {0, 0, 29700, 21000};

private:
    friend class MetafileTarget;

    bool m_hasPrinter;
    bool m_opens;
    std::vector<Job> m_jobs;
    std::vector<std::string> m_calls;
};

}  // namespace kor
