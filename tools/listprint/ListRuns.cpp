#include "tools/listprint/ListRuns.h"

#include <cwchar>

#include "debit/ListPrinter.h"
#include "localtax/ListPrinter.h"
#include "tools/listprint/SampleData.h"
#include "transfer/ListPrinter.h"

namespace listprint {

namespace {

// The tool's number of a list.
template <class Printer>
int KindOf(ListKind kind) {
    switch (kind) {
        case ListKind::kResult:
            return Printer::kResultList;
        case ListKind::kError:
            return Printer::kErrorList;
        case ListKind::kTotals:
            break;
    }
    return Printer::kTotalsSheet;
}

bool PrintTransfers(ListKind kind, Sample sample) {
    const bool look = sample == Sample::kLook;
    const auto data = sample::MakeDataSet(look ? 45 : 31, look);
    xf::CListPrinter printer;
    return printer.Run(KindOf<xf::CListPrinter>(kind), *data) != FALSE;
}

bool PrintDebits(ListKind kind, Sample sample) {
    const bool look = sample == Sample::kLook;
    const auto data = sample::MakeDebitDataSet(look ? 45 : 31, look);
    db::CListPrinter printer;
    return printer.Run(KindOf<db::CListPrinter>(kind), *data) != FALSE;
}

bool PrintTax(ListKind kind, Sample sample) {
    const bool look = sample == Sample::kLook;
    const auto data =
        look ? sample::MakeTaxDataSet(3, 14, true) : sample::MakeTaxDataSet(1, 23, false);
    tx::CListPrinter printer;
    if (printer.CountPages(data.get(), 1, KindOf<tx::CListPrinter>(kind)) <= 0) return false;
    return printer.Print() == tx::CListPrinter::kPrinted;
}

constexpr Tool kTools[] = {
    {.word = L"xf", .print = PrintTransfers},
    {.word = L"db", .print = PrintDebits},
    {.word = L"tx", .print = PrintTax},
};

}  // namespace

const Tool* FindTool(const wchar_t* word) {
    for (const Tool& tool : kTools) {
        if (std::wcscmp(tool.word, word) == 0) return &tool;
    }
    return nullptr;
}

}  // namespace listprint
