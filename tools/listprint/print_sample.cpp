// Prints the result list of a tool's sample data set of error-free records (two pages; for the
// local-tax tool two pages of one group) on the default printer, as the check screen's list
// button does after the user agreed: print_sample xf|db|tx. Exit status 0 printed, 1 no
// default printer, 2 the print run failed, 3 usage. Used by tools/print-check.sh.
#include <windows.h>

#include <cstdio>

#include "framework/App.h"
#include "framework/PrinterSeam.h"
#include "tools/listprint/ListRuns.h"

int wmain(int argc, wchar_t** argv) {
    const listprint::Tool* tool = argc == 2 ? listprint::FindTool(argv[1]) : nullptr;
    if (!tool) {
        std::fprintf(stderr, "usage: print_sample xf|db|tx\n");
        return 3;
    }
    kor::InitCommonControlClasses();
    wchar_t entry[260] = {};
    GetProfileStringW(L"windows", L"device", L"", entry, 260);
    std::printf("default printer entry: %ls\n", entry);
    if (!kor::HasDefaultPrinter()) {
        std::fprintf(stderr, "print_sample: there is no default printer\n");
        return 1;
    }
    if (!tool->print(listprint::kLists[0].kind, listprint::Sample::kSpool)) {
        std::fprintf(stderr, "print_sample: the %ls result list was not printed\n", tool->word);
        return 2;
    }
    std::printf("print_sample: the %ls result list went to the printer\n", tool->word);
    return 0;
}
