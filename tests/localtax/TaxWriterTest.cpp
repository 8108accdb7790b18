#include "localtax/TaxWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SystemStandIns.h"
#include "common/base/ProgressTask.h"
#include "support/MessageScript.h"
#include "support/ScreenActions.h"
#include "support/TestPaths.h"

namespace tx {
namespace {

using kortest::FolderEntries;
using kortest::MessageIds;
using kortest::ReadBytes;
using kortest::ScratchDirOfTest;
using kortest::WriteBytes;
using txtest::FakeDrives;

std::string Name(int n) {
    char text[32];
    std::snprintf(text, sizeof text, "CHIHOU_ZEI_OUT_%03d.TXT", n);
    return text;
}

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string Digits(std::int64_t value, int width) {
    std::string text = std::to_string(value);
    return std::string(
               static_cast<size_t>(width) - std::min(text.size(), static_cast<size_t>(width)),
               '0') +
           text;
}

const char kPayer[] = "ｶﾌﾞｼｷｶﾞｲｼｬ ﾃｽﾄ";
const char kAddress[] = "ﾄｳｷｮｳﾄ ﾁﾖﾀﾞｸ 1-1";

// A group as the reader fills it, with a payer name of its own.
std::unique_ptr<CTaxGroup> Payer(const std::string& name = kPayer) {
    auto group = std::make_unique<CTaxGroup>();
    const std::string texts[kHeaderItemCount] = {
        "0000000000", "000", "000000", "0000", Padded(name, 40), Padded(kAddress, 50)};
    for (int item = 0; item < kHeaderItemCount; ++item) {
        group->SetHeader(item, texts[item]);
        group->SetHeaderStatus(item, kStatusRead);
    }
    group->output = 1;
    return group;
}

// A detail of one salary taxpayer paying amount; the retirement items are left empty.
std::unique_ptr<CDetailRecord> Detail(std::int64_t count, std::int64_t amount, int output = 1,
                                      int error = 0) {
    auto d = std::make_unique<CDetailRecord>();
    d->SetText(kMunicipalityCode, "131016");
    d->SetText(kMunicipalityName, "ﾁﾖﾀﾞｸ");
    d->SetText(kDesignationNumber, "A123");
    d->SetText(kChangeMark, " ");
    d->SetText(kSalaryTaxCount, Digits(count, 5));
    d->SetText(kSalaryTaxAmount, Digits(amount, 9));
    d->SetText(kPaymentCount, Digits(count, 5));
    d->SetText(kTaxPaid, Digits(amount, 9));
    d->output = output;
    d->error = static_cast<std::uint16_t>(error);
    return d;
}

const std::vector<txtest::MessageSpec> kWriterMessages = {
    {22, 0, 1}, {25, 0, 1}, {27, 1, 1}, {39, 0, 1}, {40, 0, 1}, {46, 0, 0},
    {70, 0, 2}, {74, 0, 0}, {76, 1, 0}, {77, 0, 0}, {78, 0, 0}};

// One output run into the test's scratch folder, with drives played by a stand-in.
class WriterRun {
public:
    explicit WriterRun(std::deque<int> answers = {})
        : dir(ScratchDirOfTest("out")),
          messages(kWriterMessages),
          script(std::move(answers)),
          m_standIn(drives) {}

    int Run(const CDataSet& data) {
        CTaxWriter writer(messages, nullptr, kProgressDialogIds);
        return writer.Run(data, output, dir);
    }
    std::vector<int> Shown() const { return MessageIds(script.Shown()); }
    std::string File(int n) const { return ReadBytes(dir + Name(n)); }

    FakeDrives drives;
    std::string dir;
    txtest::TaggedTable messages;
    kortest::MessageScript script;
    std::unique_ptr<CDataSet> output;

private:
    kor::ScopedDriveStandIn m_standIn;
};

// taken details of count 1 and amounts 1, 2, 3 ...; before every 100th a deleted detail and
// a detail in error, each with figures that would show in any total.
CDataSet Taken(int taken, int lengthKind = 1, int lineBreak = 1) {
    CDataSet data;
    data.recordLengthKind = static_cast<std::int16_t>(lengthKind);
    data.lineBreak = static_cast<std::int16_t>(lineBreak);
    auto group = Payer();
    for (int i = 1; i <= taken; ++i) {
        if (i % 100 == 0) {
            group->details.push_back(Detail(99999, 999999999, 0, 0));
            group->details.push_back(Detail(99999, 999999999, 1, 1));
        }
        group->details.push_back(Detail(1, i));
    }
    data.groups.push_back(std::move(group));
    return data;
}

std::string HeaderRecord() {
    return "1990"
           "0000000000"
           "000"
           "000000"
           "0000" +
           Padded(kPayer, 40) + Padded(kAddress, 50) + "   ";
}

std::string DataRecord(std::int64_t count, std::int64_t amount) {
    return "2"
           "131016" +
           Padded("ﾁﾖﾀﾞｸ", 15) + Padded("A123", 15) + " " + Digits(count, 5) + Digits(amount, 9) +
           "00000"
           "000000000" +
           Digits(count, 5) + Digits(amount, 9) +
           "000"
           "0000000000"
           "000000000"
           "000000000" +
           std::string(9, ' ');
}

std::string TrailerRecord(std::int64_t count, std::int64_t amount) {
    return "8" + Digits(count, 7) + Digits(amount, 11) +
           "0000000"
           "00000000000" +
           Digits(count, 7) + Digits(amount, 11) + std::string(65, ' ');
}

const std::string kEndRecord = "9" + std::string(119, ' ');

struct LayoutCase {
    int lengthKind;
    int lineBreak;
    int slot;  // bytes from one record to the next
};

class TaxWriterLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TaxWriterLayout, SplitsTakenDetailsIntoFilesOf500WithTheirOwnTotals) {
    const LayoutCase& c = GetParam();
    const CDataSet data = Taken(1001, c.lengthKind, c.lineBreak);
    WriterRun run;
    ASSERT_EQ(run.Run(data), CTaxWriter::kWritten);
    EXPECT_EQ(FolderEntries(run.dir), (std::vector<std::string>{Name(1), Name(2), Name(3)}));
    EXPECT_EQ(run.script.Shown().size(), 1u);
    EXPECT_EQ(run.script.Shown()[0].text, "#70[" + Name(1) + " ～ " + Name(3) + "][3]");

    // Each record: its 120 bytes, the blanks of the record length, CR LF when asked.
    const std::string tail =
        std::string(static_cast<size_t>(c.slot - (c.lineBreak ? 2 : 0) - 120), ' ') +
        (c.lineBreak ? "\r\n" : "");
    const int firsts[] = {1, 501, 1001};
    const int counts[] = {500, 500, 1};
    for (int f = 0; f < 3; ++f) {
        const std::string bytes = run.File(f + 1);
        const int n = counts[f];
        ASSERT_EQ(bytes.size(), static_cast<size_t>(c.slot * (n + 3))) << f;
        std::vector<std::string> records;
        for (size_t at = 0; at < bytes.size(); at += static_cast<size_t>(c.slot)) {
            EXPECT_EQ(bytes.substr(at + 120, static_cast<size_t>(c.slot) - 120), tail);
            records.push_back(bytes.substr(at, 120));
        }
        std::int64_t sum = 0;
        for (int i = 0; i < n; ++i) sum += firsts[f] + i;
        EXPECT_EQ(records.front(), HeaderRecord());
        EXPECT_EQ(records[1], DataRecord(1, firsts[f]));
        EXPECT_EQ(records[static_cast<size_t>(n)], DataRecord(1, firsts[f] + n - 1));
        EXPECT_EQ(records[static_cast<size_t>(n) + 1], TrailerRecord(n, sum)) << f;
        EXPECT_EQ(records.back(), kEndRecord);
        EXPECT_EQ(bytes.find('\x1A'), std::string::npos);
        EXPECT_EQ(bytes.find('\0'), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(RecordLengths, TaxWriterLayout,
                         ::testing::Values(LayoutCase{1, 1, 122}, LayoutCase{1, 0, 120},
                                           LayoutCase{2, 1, 128}, LayoutCase{2, 0, 126},
                                           LayoutCase{3, 1, 130}, LayoutCase{3, 0, 128}),
                         [](const auto& info) {
                             return "Kind" + std::to_string(info.param.lengthKind) +
                                    (info.param.lineBreak ? "WithLineBreak" : "Plain");
                         });

TEST(TaxWriter, HandsBackOneGroupAFileWithTotalsAndZeroFilledCopies) {
    const CDataSet data = Taken(501);
    WriterRun run;
    ASSERT_EQ(run.Run(data), CTaxWriter::kWritten);
    ASSERT_TRUE(run.output);
    ASSERT_EQ(run.output->groups.size(), 2u);
    const CTaxGroup& first = *run.output->groups[0];
    const CTaxGroup& second = *run.output->groups[1];
    EXPECT_EQ(first.fileName, run.dir + Name(1));
    EXPECT_EQ(second.fileName, run.dir + Name(2));
    EXPECT_EQ(first.detailCount, 500);
    EXPECT_EQ(second.detailCount, 1);
    EXPECT_EQ(first.fileSize, 503 * 122);
    EXPECT_NE(first.outputTime, 0);
    EXPECT_EQ(first.Header(kPayerName), Padded(kPayer, 40));
    EXPECT_EQ(first.totals[kSalaryTotals].count, "0000500");
    EXPECT_EQ(first.totals[kSalaryTotals].amount, "00000125250");
    EXPECT_EQ(first.totals[kRetirementTotals].count, "0000000");
    EXPECT_EQ(second.totals[kPaymentTotals].count, "0000001");
    EXPECT_EQ(second.totals[kPaymentTotals].amount, "00000000501");
    // The copies are zero-filled; the read details keep their empty items.
    EXPECT_EQ(second.details[0]->Text(kRetirementAllowance), "0000000000");
    EXPECT_EQ(data.groups[0]->details.back()->Text(kRetirementAllowance), "");
}

TEST(TaxWriter, NumbersFilesAcrossGroupsAndSkipsGroupsWithoutTakenDetails) {
    CDataSet data;
    auto a = Payer("ｴｰ");
    a->details.push_back(Detail(1, 10));
    a->details.push_back(Detail(1, 20));
    auto none = Payer("ﾅｼ");
    none->details.push_back(Detail(1, 30, 0));
    auto b = Payer("ﾋﾞｰ");
    b->details.push_back(Detail(2, 40));
    data.groups.push_back(std::move(a));
    data.groups.push_back(std::move(none));
    data.groups.push_back(std::move(b));
    WriterRun run;
    ASSERT_EQ(run.Run(data), CTaxWriter::kWritten);
    EXPECT_EQ(FolderEntries(run.dir), (std::vector<std::string>{Name(1), Name(2)}));
    EXPECT_EQ(run.File(1).substr(27, 40), Padded("ｴｰ", 40));
    EXPECT_EQ(run.File(2).substr(27, 40), Padded("ﾋﾞｰ", 40));
    EXPECT_EQ(run.File(2).substr(122 * 2, 120), TrailerRecord(2, 40));
}

// What a folder holds: file name -> content; a folder's content is "<dir>".
using Folder = std::map<std::string, std::string>;

Folder Contents(const std::string& dir) {
    Folder folder;
    for (const std::string& name : FolderEntries(dir)) {
        const DWORD attributes = GetFileAttributesA((dir + name).c_str());
        folder[name] = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? "<dir>" : ReadBytes(dir + name);
    }
    return folder;
}

void Lay(const std::string& dir, const Folder& folder) {
    for (const auto& [name, content] : folder) {
        if (content == "<dir>") {
            ASSERT_TRUE(CreateDirectoryA((dir + name).c_str(), nullptr));
        } else {
            ASSERT_TRUE(WriteBytes(dir + name, content));
        }
    }
}

// What a run wrote: the names of new files stand for their sizes.
constexpr char kNew[] = "<new>";

struct FolderCase {
    const char* name;
    int taken;
    Folder before;
    std::deque<int> answers;
    std::uint64_t freeBytes;
    std::vector<int> shown;
    int result;
    Folder after;  // kNew: written by this run
};

class TaxWriterFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(TaxWriterFolder, ChecksTheFolderAndLeavesWhatItShould) {
    const FolderCase& c = GetParam();
    WriterRun run(c.answers);
    Lay(run.dir, c.before);
    run.drives.SetBytes(c.freeBytes, 1ull << 32);
    const int result = run.Run(Taken(c.taken));
    EXPECT_EQ(run.Shown(), c.shown);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(run.output != nullptr, result == CTaxWriter::kWritten);
    Folder after = Contents(run.dir);
    for (auto& [name, content] : after) {
        const auto expected = c.after.find(name);
        if (expected != c.after.end() && expected->second == kNew &&
            content.compare(0, 4, "1990") == 0)
            content = kNew;
    }
    EXPECT_EQ(after, c.after);
}

const Folder kOldPair = {{Name(1), "old 1"}, {Name(2), "old 2"}};

INSTANTIATE_TEST_SUITE_P(
    Checks, TaxWriterFolder,
    ::testing::Values(
        FolderCase{
            "EmptyFolder", 501, {}, {}, 1u << 30, {70}, 0, {{Name(1), kNew}, {Name(2), kNew}}},
        FolderCase{"OtherFilesStay",
                   1,
                   {{"keep.txt", "k"}},
                   {},
                   1u << 30,
                   {70},
                   0,
                   {{"keep.txt", "k"}, {Name(1), kNew}}},
        FolderCase{"LeftoverFile",
                   501,
                   {{Name(3), "old 3"}},
                   {},
                   1u << 30,
                   {74},
                   25,
                   {{Name(3), "old 3"}}},
        FolderCase{"ReplaceAnsweredOk",
                   501,
                   kOldPair,
                   {IDOK},
                   1u << 30,
                   {76, 70},
                   0,
                   {{Name(1), kNew}, {Name(2), kNew}}},
        FolderCase{
            "ReplaceAnsweredCancel", 501, kOldPair, {IDCANCEL}, 1u << 30, {76}, 24, kOldPair},
        FolderCase{"TooLittleRoom", 501, {}, {}, 503 * 122 + 4 * 122 - 1, {46}, 16, {}},
        FolderCase{"JustEnoughRoom",
                   501,
                   {},
                   {},
                   503 * 122 + 4 * 122,
                   {70},
                   0,
                   {{Name(1), kNew}, {Name(2), kNew}}},
        // The third file cannot be created: the first, which this run wrote over an old one,
        // goes; the old third, not yet reached, stays.
        FolderCase{"FailedWriteRemovesThisRunsFiles",
                   1001,
                   {{Name(1), "old 1"}, {Name(2), "old 2"}, {Name(3), "<dir>"}},
                   {IDOK},
                   1u << 30,
                   {76, 46},
                   1,
                   {{Name(3), "<dir>"}}},
        FolderCase{"FailedWriteKeepsFilesNotReached",
                   1001,
                   {{Name(2), "<dir>"}, {Name(3), "old 3"}},
                   {IDOK},
                   1u << 30,
                   {76, 46},
                   1,
                   {{Name(2), "<dir>"}, {Name(3), "old 3"}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LimitCase {
    const char* name;
    std::vector<std::pair<int, std::int64_t>> runs;  // how many details of which count/amount
    bool amounts;  // the figure goes into the amounts (count 1) instead of the counts
    int result;
};

class TaxWriterLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(TaxWriterLimits, RefusesATotalBeyondItsDigitsBeforeAnyFile) {
    const LimitCase& c = GetParam();
    CDataSet data;
    auto group = Payer();
    std::int64_t sum = 0;
    for (const auto& [n, figure] : c.runs) {
        for (int i = 0; i < n; ++i) {
            group->details.push_back(c.amounts ? Detail(1, figure) : Detail(figure, 1));
            sum += figure;
        }
    }
    data.groups.push_back(std::move(group));
    WriterRun run;
    EXPECT_EQ(run.Run(data), c.result);
    if (c.result == CTaxWriter::kTotalsTooLarge) {
        EXPECT_EQ(run.Shown(), std::vector<int>{77});
        EXPECT_TRUE(FolderEntries(run.dir).empty());
        EXPECT_FALSE(run.output);
    } else {
        const std::string file = run.File(1);
        const std::string trailer = file.substr(file.size() - 2 * 122, 120);
        EXPECT_EQ(trailer.substr(1, 18),
                  c.amounts ? Digits(101, 7) + Digits(sum, 11) : Digits(sum, 7) + Digits(101, 11));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Totals, TaxWriterLimits,
    ::testing::Values(
        LimitCase{"CountAtLimit", {{100, 99999}, {1, 99}}, false, CTaxWriter::kWritten},
        LimitCase{"CountBeyond", {{100, 99999}, {1, 100}}, false, CTaxWriter::kTotalsTooLarge},
        LimitCase{"AmountAtLimit", {{100, 999999999}, {1, 99}}, true, CTaxWriter::kWritten},
        LimitCase{"AmountBeyond", {{100, 999999999}, {1, 100}}, true, CTaxWriter::kTotalsTooLarge},
        // The first file is fine, the second is not: neither is written.
        LimitCase{"SecondFileBeyond",
                  {{500, 1}, {100, 99999}, {1, 100}},
                  false,
                  CTaxWriter::kTotalsTooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaxWriter, RefusesMoreThan999Files) {
    CDataSet data;
    for (int i = 0; i < 1000; ++i) {
        auto group = Payer();
        group->details.push_back(Detail(1, i));
        data.groups.push_back(std::move(group));
    }
    WriterRun run;
    EXPECT_EQ(run.Run(data), CTaxWriter::kTooManyFiles);
    EXPECT_EQ(run.Shown(), std::vector<int>{78});
    EXPECT_TRUE(FolderEntries(run.dir).empty());
    EXPECT_FALSE(run.output);
}

struct DiskCase {
    const char* name;
    std::deque<int> statuses;  // the drive's answers in turn
    std::uint64_t diskBytes;   // total size of a disk (the output of 501 details: 61,854 bytes)
    Folder before;
    std::deque<int> answers;
    std::vector<std::string> shown;
    int result;
};

class TaxWriterRemovable : public ::testing::TestWithParam<DiskCase> {};

TEST_P(TaxWriterRemovable, AsksForDisksUntilAnsweredOrCancelled) {
    const DiskCase& c = GetParam();
    WriterRun run(c.answers);
    Lay(run.dir, c.before);
    run.drives.type = DRIVE_REMOVABLE;
    run.drives.statuses = c.statuses;
    run.drives.SetBytes(1u << 20, c.diskBytes);
    const int result = run.Run(Taken(501));
    std::vector<std::string> shown;
    for (const auto& box : run.script.Shown()) {
        shown.push_back(box.text);
        // Every question about the medium can be cancelled.
        if (box.text.compare(0, 3, "#27") != 0 && box.text.compare(0, 3, "#70") != 0) {
            EXPECT_EQ(box.style & MB_TYPEMASK, static_cast<UINT>(MB_OKCANCEL)) << box.text;
        }
    }
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(result, c.result);
    if (result == CTaxWriter::kWritten) {
        EXPECT_EQ(FolderEntries(run.dir), (std::vector<std::string>{Name(1), Name(2)}));
    } else {
        EXPECT_EQ(Contents(run.dir), c.before);
    }
}

const std::string kDone = "#70[" + Name(1) + " ～ " + Name(2) + "][2]";

INSTANTIATE_TEST_SUITE_P(
    Prompts, TaxWriterRemovable,
    ::testing::Values(
        DiskCase{"ReadyAndEmpty", {0}, 1'457'664, {}, {}, {"#27[1]", kDone}, 0},
        DiskCase{"DisksNeededCancelled", {0}, 1'457'664, {}, {IDCANCEL}, {"#27[1]"}, 24},
        DiskCase{"NoMediumThenInserted",
                 {1, 1, 0},
                 1'457'664,
                 {},
                 {IDOK, IDOK},
                 {"#27[1]", "#22[1]", kDone},
                 0},
        DiskCase{"WriteProtectedCancelled",
                 {3},
                 1'457'664,
                 {},
                 {IDOK, IDCANCEL},
                 {"#27[1]", "#39[1]"},
                 24},
        DiskCase{
            "UnformattedCancelled", {2}, 1'457'664, {}, {IDOK, IDCANCEL}, {"#27[1]", "#40[1]"}, 24},
        DiskCase{"OtherFailureAsksToo",
                 {999},
                 1'457'664,
                 {},
                 {IDOK, IDOK, IDCANCEL},
                 {"#27[1]", "#40[1]", "#40[1]"},
                 24},
        DiskCase{"NotEmptyOneDisk",
                 {0},
                 1'457'664,
                 {{"a.txt", "a"}},
                 {IDOK, IDCANCEL},
                 {"#27[1]", "#25[1]"},
                 24},
        DiskCase{"NotEmptyTwoDisks",
                 {0},
                 40'000,
                 {{"a.txt", "a"}},
                 {IDOK, IDOK, IDCANCEL},
                 {"#27[2]", "#22[1]", "#22[1]"},
                 24},
        DiskCase{"NoMediumTwoDisksAsksForTheFirst",
                 {1, 1, 1},
                 40'000,
                 {},
                 {IDOK, IDOK, IDCANCEL},
                 {"#27[2]", "#22[1]", "#22[1]"},
                 24},
        DiskCase{"SizeUnknownCountsOneDisk", {0}, 0, {}, {}, {"#27[1]", kDone}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaxWriter, AsksForTheNextDiskWhenAFileDoesNotFitAndKeepsTheFilesOfEarlierDisks) {
    WriterRun run({IDOK, IDCANCEL});
    run.drives.type = DRIVE_REMOVABLE;
    // The first file (61,366 bytes) is written on the empty disk; the second (488) does not fit.
    run.drives.SetBytes(100, 1'457'664);
    EXPECT_EQ(run.Run(Taken(501)), CTaxWriter::kCancelled);
    std::vector<std::string> shown;
    for (const auto& box : run.script.Shown()) shown.push_back(box.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"#27[1]", "#22[3]"}));
    EXPECT_EQ(FolderEntries(run.dir), std::vector<std::string>{Name(1)});
    EXPECT_FALSE(run.output);
}

}  // namespace
}  // namespace tx
