#pragma once
// The local-tax upload files without windows: the split of a read data set into output groups
// (one numbered file each, at most 500 details a file), the files' sizes and totals, and the
// records of one file (header, one data record a detail, trailer, end record; no end byte).
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/base/RecordFrame.h"
#include "localtax/DataSet.h"

namespace tx {

inline constexpr int kDetailsPerFile = 500;
inline constexpr int kMaxOutputFiles = 999;
inline constexpr char kOutputFilePattern[] = "CHIHOU_ZEI_*";

// "CHIHOU_ZEI_OUT_%03d.TXT".
std::string OutputFileName(int number);

// Empty count and amount items become zeros of their full width.
void ZeroFillNumbers(CDetailRecord& detail);

// The output groups of data: for each of its groups, the details taken for output and not in
// error, copied and zero-filled, 500 to a file, each file under a copy of its group's header.
// The files are numbered 1, 2, 3 ... over the whole output, so that no two share a name; a group
// without a taken detail gives no file. folder ends in a backslash. Record-length kind and line
// break are copied.
std::unique_ptr<CDataSet> BuildOutputGroups(const CDataSet& data, const std::string& folder);

// Bytes of one record: 120, 126, 128 for record-length kind 1, 2, 3 (120 for any other).
int RecordBytes(int lengthKind);
// Bytes of one record with its line break (record-length kind 1, 2, 3: 120, 126, 128).
int RecordSlot(int lengthKind, int lineBreak);
// Sets every group's file size; the sum of the sizes.
std::uint64_t SetFileSizes(CDataSet& output);

// The six sums of a file's trailer: counts and amounts of salary tax, retirement tax and
// payments.
struct FileTotals {
    std::array<std::int64_t, 6> sums{};

    void Add(const CDetailRecord& detail);
    // Each count within 7 digits and each amount within 11.
    bool WithinLimits() const;
};

FileTotals SumDetails(const CTaxGroup& group);
// Writes the totals' texts (7 and 11 digits) into the group's totals pairs.
void StoreTotals(CTaxGroup& group, const FileTotals& totals);

// The records of one output file into frame (of the data set's record size and line break):
// header, data records, trailer, end record. step is called after each record with the number
// of records done.
void BuildTaxFile(const CTaxGroup& group, const FileTotals& totals, CRecordFrame& frame,
                  const std::function<void(int)>& step);

}  // namespace tx
