#pragma once
// The lists of each tool printed from its sample data set, for the programs that render or
// print them: one table of tools, each with its word and how it prints a list.
#include <initializer_list>

namespace listprint {

// The three lists every tool prints; each tool numbers them its own way.
enum class ListKind { kResult, kError, kTotals };
struct List {
    ListKind kind;
    const wchar_t* name;
};
inline constexpr List kLists[] = {
    {.kind = ListKind::kResult, .name = L"result-list"},
    {.kind = ListKind::kError, .name = L"error-list"},
    {.kind = ListKind::kTotals, .name = L"totals-sheet"},
};

// Which sample: one to look at (errors, a deleted record, several pages and groups), or one
// of error-free records for the spooler check (two pages of the result list).
enum class Sample { kLook, kSpool };

struct Tool {
    const wchar_t* word;  // xf, db, tx
    // Prints a list of the tool's sample on the default printer (or its stand-in); true when
    // it was printed.
    bool (*print)(ListKind kind, Sample sample);
};

// The tool of word, or nullptr.
const Tool* FindTool(const wchar_t* word);

}  // namespace listprint
