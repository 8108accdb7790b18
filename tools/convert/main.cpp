// Console harness: one conversion from the command line, through the main screen's conversion
// flow (checks, reader, writer) with the tool's masters, with no window but the progress
// dialog. Prints the result and the time of reading and of writing; the benchmark and the
// end-to-end check of the tools. The first word names the tool. See README, "Console harness".
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "common/base/PathNames.h"
#include "common/flow/FlowMessages.h"
#include "common/items/UploadRecords.h"
#include "debit/ConsignorStore.h"
#include "debit/ConversionFlow.h"
#include "debit/MessageIds.h"
#include "debit/PatternStore.h"
#include "framework/Cp932.h"
#include "framework/MessageSeam.h"
#include "localtax/ApMsgInfoList.h"
#include "localtax/ConversionFlow.h"
#include "localtax/PatternStore.h"
#include "localtax/ProgressQuestions.h"
#include "localtax/RequesterStore.h"
#include "localtax/SysEnv.h"
#include "transfer/ConversionFlow.h"
#include "transfer/MessageIds.h"
#include "transfer/PatternStore.h"
#include "transfer/RequesterStore.h"

namespace {

constexpr const char* kUsage =
    "usage: convert xf PATTERN_MASTER PATTERN_NAME REQUESTER_MASTER REQUESTER_DESCRIPTION\n"
    "                  MONTH DAY salary|bonus INPUT OUTPUT\n"
    "       convert db PATTERN_MASTER PATTERN_NAME CONSIGNOR_MASTER CONSIGNOR_DESCRIPTION\n"
    "                  MONTH DAY INPUT OUTPUT\n"
    "       convert tx PATTERN_MASTER PATTERN_NAME REQUESTER_MASTER INPUT OUTPUT_FOLDER\n";

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

// The user at the console: goes on where the screen asks whether to go on (read, output,
// overwrite), and stops where it asks to mend a disk (the tool's messages of a write-protected,
// an unusable and a full disk), which no one can do here.
class CConsoleAnswers : public CFlowMessages {
public:
    explicit CConsoleAnswers(std::array<kor::MessageId, 3> diskQuestions)
        : m_diskQuestions(diskQuestions) {}

    int ShowMessage(kor::MessageId id, const char* /*word1*/, const char* /*word2*/) override {
        return std::find(m_diskQuestions.begin(), m_diskQuestions.end(), id) !=
                       m_diskQuestions.end()
                   ? IDCANCEL
                   : IDOK;
    }
    int ShowFixedBox(const char* /*text*/, UINT /*style*/) override { return IDOK; }

private:
    std::array<kor::MessageId, 3> m_diskQuestions;
};

struct Report {
    const char* stage = "";  // the last stage reached
    int result = 0;          // its code: a load result, a message id, a reader or writer result
    int count = 0;
    unsigned long long total = 0;
    int errors = 0;
    double readMs = 0;
    double writeMs = 0;
};

const char* StageName(kor::FlowResult::Stage stage) {
    switch (stage) {
        case kor::FlowResult::kRead:
            return "read";
        case kor::FlowResult::kWrite:
            return "write";
        default:
            return "check";
    }
}

int Print(const Report& r, bool written) {
    std::printf(
        "stage    %s\nresult   %d\ncount    %d\ntotal    %llu\nerrors   %d\n"
        "read_ms  %.1f\nwrite_ms %.1f\n",
        r.stage, r.result, r.count, r.total, r.errors, r.readMs, r.writeMs);
    return written ? 0 : 1;
}

// The position of the first entry named name in a list of entries, or -1.
template <class List, class Name>
int FirstNamed(const List& list, const std::string& name, Name nameOf) {
    for (size_t i = 0; i < list.size(); ++i)
        if (nameOf(*list[i]) == name) return static_cast<int>(i);
    return -1;
}

// Reads and writes through a tool's flow as the main screen's two buttons do, and prints the
// report. read(data) and output(data) run the flow's steps; totals(data) gives the trailer's
// figures of a written file.
// The code a report gives a flow's result: the message of a stop, the reader's or the writer's.
int ResultCode(const kor::FlowResult& result) {
    if (result.stage != kor::FlowResult::kCheck) return result.code;
    return result.stop ? result.stop->Value() : 0;
}

template <class DataSet, class Read, class Output, class Totals>
int RunConversion(Report& report, Read read, Output output, Totals totals) {
    std::unique_ptr<DataSet> data;
    const LARGE_INTEGER readStart = Now();
    const kor::FlowResult readResult = read(data);
    report.stage = StageName(readResult.stage);
    report.result = ResultCode(readResult);
    if (readResult.stage != kor::FlowResult::kCheck) report.readMs = MillisecondsSince(readStart);
    if (!readResult.Done()) return Print(report, false);
    for (const auto& d : data->details)
        if (d->deleteFlag != 1 && d->HasFieldError()) ++report.errors;

    const LARGE_INTEGER writeStart = Now();
    const kor::FlowResult written = output(*data);
    report.stage = StageName(written.stage);
    report.result = ResultCode(written);
    if (written.stage == kor::FlowResult::kCheck) return Print(report, false);
    report.writeMs = MillisecondsSince(writeStart);
    totals(*data, report);
    return Print(report, written.Done());
}

// convert xf: a general or salary/bonus transfer file.
int ConvertTransfer(const std::string (&arg)[9]) {
    const std::string& patternMaster = arg[0];
    const std::string& patternName = arg[1];
    const std::string& requesterMaster = arg[2];
    const std::string& description = arg[3];
    Report report;

    // Start-up: both masters are loaded as the main screen loads them.
    xf::CPatternStore patterns;
    report.stage = "pattern-master";
    if ((report.result = patterns.Load(patternMaster)) != 1) return Print(report, false);
    xf::CRequesterStore requesters;
    report.stage = "requester-master";
    if ((report.result = requesters.Load(requesterMaster)) != 1) return Print(report, false);

    // The choices of the screen: the first pattern and requester of the given names.
    xf::ConvertChoices choices;
    const auto& entries = patterns.GetList();
    for (size_t i = 0; i < entries.size() && choices.screen.patternIndex < 0; ++i)
        if (entries[i]->name == patternName) choices.screen.patternIndex = static_cast<int>(i);
    for (const auto& r : requesters.GetList())
        if (!choices.party && r->description == description) choices.party = r.get();
    choices.screen.month = arg[4];
    choices.screen.day = arg[5];
    choices.bonus = arg[6] == "bonus" ? 1 : 0;
    choices.screen.input = kor::FullPathName(arg[7]);

    CConsoleAnswers answers(
        {xf::Msg::kWriteProtected, xf::Msg::kMediumUnusable, xf::Msg::kMediumFull});
    xf::CConversionFlow flow(answers, nullptr, nullptr);
    const std::string output = kor::FullPathName(arg[8]);
    return RunConversion<xf::CDataSet>(
        report,
        [&](std::unique_ptr<xf::CDataSet>& data) { return flow.Read(patterns, choices, data); },
        [&](xf::CDataSet& data) { return flow.Output(output, data); },
        [&](const xf::CDataSet&, Report& r) {
            r.count = flow.WrittenCount();
            r.total = flow.WrittenTotal();
        });
}

// convert db: a direct-debit file.
int ConvertDebit(const std::string (&arg)[8]) {
    Report report;
    db::CPatternStore patterns;
    report.stage = "pattern-master";
    if ((report.result = patterns.Load(arg[0])) != 1) return Print(report, false);
    db::CConsignorStore consignors;
    report.stage = "consignor-master";
    if ((report.result = consignors.Load(arg[2])) != 1) return Print(report, false);

    db::ConvertChoices choices;
    choices.screen.patternIndex =
        FirstNamed(patterns.GetList(), arg[1], [](const auto& e) { return std::string(e.name); });
    const int consignor = FirstNamed(consignors.GetList(), arg[3],
                                     [](const auto& c) { return std::string(c.description); });
    if (consignor >= 0) choices.party = consignors.GetList()[consignor].get();
    choices.screen.month = arg[4];
    choices.screen.day = arg[5];
    choices.screen.input = kor::FullPathName(arg[6]);

    CConsoleAnswers answers(
        {db::Msg::kWriteProtected, db::Msg::kMediumUnusable, db::Msg::kMediumFull});
    db::CConversionFlow flow(answers, nullptr, nullptr);
    const std::string output = kor::FullPathName(arg[7]);
    return RunConversion<db::CDataSet>(
        report,
        [&](std::unique_ptr<db::CDataSet>& data) { return flow.Read(patterns, choices, data); },
        [&](db::CDataSet& data) { return flow.Output(output, data); },
        [](const db::CDataSet& data, Report& r) {
            const RecordTotals totals = CountRecords(data.details, db::kAmount);
            r.count = totals.count;
            r.total = totals.total;
        });
}

// The folder of a path (without its last backslash); "." for a bare name.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// convert tx: a local-tax file into numbered files in a folder. The message table is the one
// delivered beside KorTx300.exe; the requester master is read from the folder of the given
// path, under its own name. Every message is answered OK and its id printed.
int ConvertTax(const std::string (&arg)[5]) {
    Report report;
    tx::CApMsgInfoList messages;
    report.stage = "message-master";
    const std::string programs = FolderOf(tx::CSysEnv::GetModuleFolder());
    if ((report.result = static_cast<int>(messages.Load(programs + "\\KorTx300"))) != 0)
        return Print(report, false);
    tx::CPatternStore patterns;
    report.stage = "pattern-master";
    if ((report.result = patterns.Load(arg[0])) != 1) return Print(report, false);
    const std::unique_ptr<tx::CRequesterInfo> requester =
        tx::CRequesterStore(FolderOf(kor::FullPathName(arg[2]))).ReadEntry();

    const kor::MessageBoxHandler previous =
        kor::SetMessageBoxHandler([&](const kor::MessageBoxRequest&) {
            std::printf("message  %d\n", messages.ShowingId());
            return IDOK;
        });
    const int patternIndex =
        FirstNamed(patterns.GetList(), arg[1], [](const auto& e) { return e.name; });
    tx::CConversionFlow flow(messages, nullptr, tx::kProgressDialog);
    std::unique_ptr<tx::CDataSet> data;
    std::unique_ptr<tx::CDataSet> output;
    tx::ItemSetFlags sets{};

    const LARGE_INTEGER readStart = Now();
    tx::FlowOutcome outcome =
        flow.Read(patterns, patternIndex, requester.get(), kor::FullPathName(arg[3]), data, sets);
    report.stage = outcome.code < 0 ? "check" : "read";
    report.result = outcome.code;
    if (outcome.code >= 0) report.readMs = MillisecondsSince(readStart);
    int files = 0;
    if (outcome.done) {
        for (const auto& d : data->groups.front()->details)
            if (d->output == 1 && d->error != 0) ++report.errors;
        const LARGE_INTEGER writeStart = Now();
        outcome = flow.Output(kor::FullPathName(arg[4]), *data, false, output);
        report.stage = outcome.code < 0 ? "check" : "write";
        report.result = outcome.code;
        if (outcome.code >= 0) report.writeMs = MillisecondsSince(writeStart);
        if (output) {
            for (const auto& group : output->groups) {
                ++files;
                report.count += group->detailCount;
                report.total +=
                    std::strtoull(group->totals[tx::kPaymentTotals].amount.c_str(), nullptr, 10);
            }
        }
    }
    kor::SetMessageBoxHandler(previous);
    const int code = Print(report, outcome.done);
    std::printf("files    %d\n", files);
    return code;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring tool = argc > 1 ? argv[1] : L"";
    if (tool == L"xf" && argc == 11) {
        std::string arg[9];
        for (int i = 0; i < 9; ++i) arg[i] = kor::ToCp932(argv[i + 2]);
        if (arg[6] == "salary" || arg[6] == "bonus") return ConvertTransfer(arg);
    } else if (tool == L"db" && argc == 10) {
        std::string arg[8];
        for (int i = 0; i < 8; ++i) arg[i] = kor::ToCp932(argv[i + 2]);
        return ConvertDebit(arg);
    } else if (tool == L"tx" && argc == 7) {
        std::string arg[5];
        for (int i = 0; i < 5; ++i) arg[i] = kor::ToCp932(argv[i + 2]);
        return ConvertTax(arg);
    }
    std::fputs(kUsage, stderr);
    return 2;
}
