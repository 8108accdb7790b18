// Console harness: one conversion from the command line, through the main screen's classes and
// checks (pattern and requester masters, reader, writer), with no window but the progress
// dialog. Prints the result and the time of reading and of writing; the benchmark and the
// end-to-end check of the transfer tool. See README, "Console harness".
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "common/FileAccess.h"
#include "framework/Cp932.h"
#include "transfer/ConvertEngine.h"
#include "transfer/ConvertRules.h"
#include "transfer/PathNames.h"
#include "transfer/PatternStore.h"
#include "transfer/RequesterStore.h"
#include "transfer/TransferWriter.h"

namespace {

constexpr const char* kUsage =
    "usage: convert PATTERN_MASTER PATTERN_NAME REQUESTER_MASTER REQUESTER_DESCRIPTION\n"
    "               MONTH DAY salary|bonus INPUT OUTPUT\n";

// Milliseconds since start.
double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

struct Report {
    const char* stage = "";  // the last stage reached
    int result = 0;          // its code: a load result, a message id, a reader or writer result
    int count = 0;
    unsigned long long total = 0;
    int errors = 0;
    double readMs = 0;
    double writeMs = 0;
};

int Print(const Report& r, bool written) {
    std::printf(
        "stage    %s\nresult   %d\ncount    %d\ntotal    %llu\nerrors   %d\n"
        "read_ms  %.1f\nwrite_ms %.1f\n",
        r.stage, r.result, r.count, r.total, r.errors, r.readMs, r.writeMs);
    return written ? 0 : 1;
}

int Convert(const std::string (&arg)[9]) {
    const std::string& patternMaster = arg[0];
    const std::string& patternName = arg[1];
    const std::string& requesterMaster = arg[2];
    const std::string& description = arg[3];
    const std::string& input = arg[7];
    const std::string& output = arg[8];
    Report report;
    const auto stop = [&report](int result) {
        report.result = result;
        return Print(report, false);
    };

    // Start-up: both masters are loaded as the main screen loads them.
    xf::CPatternStore patterns;
    report.stage = "pattern-master";
    if ((report.result = patterns.Load(patternMaster)) != 1) return Print(report, false);
    xf::CRequesterStore requesters;
    report.stage = "requester-master";
    if ((report.result = requesters.Load(requesterMaster)) != 1) return Print(report, false);

    // The choices of the screen: the first pattern and requester of the given names.
    report.stage = "check";
    int patternIndex = -1;
    const auto& entries = patterns.GetList();
    for (size_t i = 0; i < entries.size() && patternIndex < 0; ++i)
        if (entries[i]->name == patternName) patternIndex = static_cast<int>(i);
    const xf::CRequesterInfo* requester = nullptr;
    for (const auto& r : requesters.GetList())
        if (!requester && r->description == description) requester = r.get();
    if (!requester) return stop(38);
    if (patternIndex < 0) return stop(11);
    if (const int date = xf::CheckTransferDate(arg[4], arg[5])) return stop(date);
    if (!CFileAccess::IsValidPathName(input)) return stop(22);

    const CPatternEntry& entry = *entries[patternIndex];
    const xf::CFixedPattern* fixed = nullptr;
    const xf::CDelimPattern* delim = nullptr;
    if (entry.fileClass == 3) {
        fixed = patterns.GetFixedPattern(patternIndex);
    } else {
        delim = patterns.GetDelimPattern(patternIndex);
    }
    if (!fixed && !delim) return stop(11);
    if (const int refused = xf::CheckPatternForRequester(entry, *requester)) return stop(refused);

    // Reading.
    report.stage = "read";
    xf::CConvertEngine engine;
    engine.SetPattern(fixed, delim, &entry, requester);
    const LARGE_INTEGER readStart = Now();
    report.result = engine.ReadFile(input);
    report.readMs = MillisecondsSince(readStart);
    std::unique_ptr<xf::CDataSet> data = engine.GetDataSet();
    if (report.result != xf::kReadOk || !data) return Print(report, false);
    xf::ReadChoices choices;
    choices.entry = &entry;
    choices.fixed = fixed;
    choices.delim = delim;
    choices.bonus = arg[6] == "bonus" ? 1 : 0;
    choices.month = arg[4];
    choices.day = arg[5];
    choices.inputName = input;
    choices.patternIndex = patternIndex;
    xf::CompleteDataSet(*data, choices);
    for (const auto& d : data->details)
        if (d->deleteFlag != 1 && d->HasFieldError()) ++report.errors;

    // Output.
    report.stage = "check";
    if (!CFileAccess::IsValidPathName(output)) return stop(22);
    if (xf::IsSameFile(output, data->inputFileName)) return stop(70);
    if (const int refused = xf::CheckRecordsForOutput(*data)) return stop(refused);
    report.stage = "write";
    xf::CTransferWriter writer;
    writer.SetData(data.get(), output);
    const LARGE_INTEGER writeStart = Now();
    report.result = writer.Run();
    report.writeMs = MillisecondsSince(writeStart);
    report.count = writer.Totals().count;
    report.total = writer.Totals().total;
    return Print(report, report.result == xf::CTransferWriter::kWritten);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 10) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string arg[9];
    for (int i = 0; i < 9; ++i) arg[i] = kor::ToCp932(argv[i + 1]);
    if (arg[6] != "salary" && arg[6] != "bonus") {
        std::fputs(kUsage, stderr);
        return 2;
    }
    return Convert(arg);
}
