#pragma once
// A stand-in printer that refuses one page: the StartPage or the EndPage call of that page
// answers SP_ERROR, as a printer does when it runs out of paper or its job is deleted in the
// spooler. Pages are drawn into metafiles as on kor::CMetafilePrinter; every call is logged,
// the refused one with " refused" behind its name.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/MetafilePrinter.h"
#include "framework/PrinterSeam.h"

namespace kortest {

class RefusingPrinter : public kor::PrinterStandIn {
public:
    enum class Refuses { kStartPage, kEndPage };

    // page counts from 1 over all jobs.
    RefusingPrinter(Refuses refuses, int page) : m_refuses(refuses), m_page(page) {}

    bool HasDefaultPrinter() override { return true; }
    std::unique_ptr<kor::PrintTarget> OpenDefaultPrinter(std::vector<BYTE>& settings) override {
        m_calls.push_back("Open");
        std::unique_ptr<kor::PrintTarget> pages = m_pages.OpenDefaultPrinter(settings);
        return pages ? std::make_unique<Target>(*this, std::move(pages)) : nullptr;
    }

    const std::vector<std::string>& Calls() const { return m_calls; }
    // The pages ended, of every job.
    size_t PagesEnded() const {
        size_t n = 0;
        for (const auto& job : m_pages.Jobs()) n += job.pages.size();
        return n;
    }

private:
    class Target : public kor::PrintTarget {
    public:
        Target(RefusingPrinter& printer, std::unique_ptr<kor::PrintTarget> pages)
            : m_printer(printer), m_pages(std::move(pages)) {}
        ~Target() override { m_printer.m_calls.push_back("Close"); }

        HDC Dc() const override { return m_pages->Dc(); }
        bool Reset(const DEVMODEW& settings) override {
            return Log("Reset", m_pages->Reset(settings));
        }
        int StartDoc(const DOCINFOW& info) override {
            return Log("StartDoc", m_pages->StartDoc(info));
        }
        int StartPage() override {
            ++m_printer.m_started;
            if (m_printer.m_refuses == Refuses::kStartPage &&
                m_printer.m_started == m_printer.m_page)
                return Refuse("StartPage");
            return Log("StartPage", m_pages->StartPage());
        }
        int EndPage() override {
            const int result = m_pages->EndPage();
            if (m_printer.m_refuses == Refuses::kEndPage && m_printer.m_started == m_printer.m_page)
                return Refuse("EndPage");
            return Log("EndPage", result);
        }
        int EndDoc() override { return Log("EndDoc", m_pages->EndDoc()); }
        int AbortDoc() override { return Log("AbortDoc", m_pages->AbortDoc()); }

    private:
        template <typename Result>
        Result Log(const char* call, Result result) {
            m_printer.m_calls.push_back(call);
            return result;
        }
        int Refuse(const char* call) {
            m_printer.m_calls.push_back(std::string(call) + " refused");
            return SP_ERROR;
        }

        RefusingPrinter& m_printer;
        std::unique_ptr<kor::PrintTarget> m_pages;
    };

    Refuses m_refuses;
    int m_page;
    int m_started = 0;
    kor::CMetafilePrinter m_pages;
    std::vector<std::string> m_calls;
};

}  // namespace kortest
