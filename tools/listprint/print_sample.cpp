// Prints the result list of a sample data set of 31 error-free records (two pages) on the
// default printer, as the check screen's list button does after the user agreed. Exit status
// 0 printed, 1 no default printer, 2 the print run failed. Used by tools/print-check.sh.
#include <windows.h>

#include <cstdio>

#include "framework/App.h"
#include "framework/PrinterSeam.h"
#include "tools/listprint/SampleData.h"
#include "transfer/ListPrinter.h"

int wmain() {
    kor::InitCommonControlClasses();
    wchar_t entry[260] = {};
    GetProfileStringW(L"windows", L"device", L"", entry, 260);
    std::printf("default printer entry: %ls\n", entry);
    if (!kor::HasDefaultPrinter()) {
        std::fprintf(stderr, "print_sample: there is no default printer\n");
        return 1;
    }
    const auto data = sample::MakeDataSet(31, false);
    xf::CListPrinter printer;
    if (!printer.Run(xf::CListPrinter::kResultList, *data)) {
        std::fprintf(stderr, "print_sample: the result list was not printed\n");
        return 2;
    }
    std::printf("print_sample: the result list went to the printer\n");
    return 0;
}
